#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/listas/archivo_zip.h"

#include <QString>

namespace korva::libro {

// What the .xlsx and the .ods readers share: the bounds (a squad's list is far below them, a
// zip bomb far above), the words of a damaged file, a part read within its bound, a number as
// a coach reads it.
inline constexpr qint64 MaximoPorParte = 32 * 1024 * 1024;
inline constexpr int MaximoDeColumnas = 256;
inline constexpr int MaximoDeFilas = 20000;
inline constexpr int MaximoDeTextos = MaximoDeFilas * 4;
inline constexpr int MaximoPorCelda = 32767;  // a spreadsheet's own limit

QString danado();
QString filasDeMas();

// One part of the book, whole and within its bound; empty when it is not there and need not be.
ResultadoDe<QByteArray> parte(ArchivoZip &zip, const QString &nombre, bool obligatoria = true);

// A number as a coach reads it: whole numbers without decimals, "." as the decimal mark.
QString comoTexto(double v);

}  // namespace korva::libro
