#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/registros/tipo_reg.h"

#include <QByteArray>
#include <QString>

namespace korva {

// The most a record file may measure for the actions that read it whole. Thirty records are
// 3,900 bytes; what an older program left after them is kept, up to this bound. A larger
// file (a sparse file of gigabytes) is no record file and is refused with its size.
constexpr qint64 TamanoMaximoDeRegistros = 64 * 1024;

// A whole record file as it lies on disk, under its shared lock (so never half written),
// within the bound above; empty when there is none. Only a regular file is opened.
ResultadoDe<QByteArray> leerArchivoEntero(const QString &ruta);

// Record n (1 to 30) of a file's bytes; bytes past the end read as zero bytes.
TipoReg registroEn(const QByteArray &bytes, int n);
// Puts record n in its place in a file's bytes; a gap before it is filled with zero bytes.
void ponerRegistroEn(QByteArray &bytes, int n, const TipoReg &registro);

}  // namespace korva
