#pragma once

#include "nucleo/comun/resultado.h"

#include <QByteArray>
#include <QString>

namespace korva {

// A zip archive held in memory (an .xlsx, an .ods), opened with minizip: the unzipper that
// libxlsxwriter links too, reading through functions over the bytes already read, never from
// the file's path again.
class ArchivoZip
{
public:
    explicit ArchivoZip(const QByteArray &bytes);
    ~ArchivoZip();
    ArchivoZip(const ArchivoZip &) = delete;
    ArchivoZip &operator=(const ArchivoZip &) = delete;

    bool abierto() const { return m_zip != nullptr; }
    // Whether the archive holds a part of that name (its case ignored).
    bool tiene(const QString &nombre);
    // That part, unzipped whole and checked, never more than the bound.
    ResultadoDe<QByteArray> leer(const QString &nombre, qint64 maximo);

private:
    struct Memoria {
        const QByteArray &bytes;
        qint64 posicion;
    };
    Memoria m_memoria;
    void *m_zip = nullptr;
};

}  // namespace korva
