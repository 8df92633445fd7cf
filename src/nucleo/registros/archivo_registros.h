#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/registros/tipo_reg.h"

#include <QString>

#include <array>

namespace korva {

// Slot n holds record n; slot 0 is never read, written or shown.
using TablaRegistros = std::array<TipoReg, RegistrosPorArchivo + 1>;

// A record file opened for one action: record n lies at byte (n - 1) x 130, there is no
// header, and nothing past the 30th record is ever read or written. The file is created
// when missing, never truncated, and every write reaches the disk before it returns. Only
// a regular file is opened: a FIFO, a device or a folder in its place is refused at once.
// A write holds the file's exclusive lock and a read its shared one, so that a reader in
// another process never sees a record half written.
class ArchivoRegistros
{
public:
    explicit ArchivoRegistros(QString nombre);
    ~ArchivoRegistros();
    ArchivoRegistros(const ArchivoRegistros &) = delete;
    ArchivoRegistros &operator=(const ArchivoRegistros &) = delete;

    // For reading only, when the file is there: a file marked read-only can still be
    // looked at. A missing file is created, so the load of a first run leaves it empty.
    Resultado abrirParaLeer();
    // For reading only, never creating it: for a reader that must not touch the files.
    Resultado abrirSoloLectura();
    bool existe() const;
    // For reading and writing, creating the file when missing.
    Resultado abrir();
    bool vacio() const;
    // Records 1 to 30 into slots 1 to 30; bytes past the end of the file read as zero.
    Resultado leerTodos(TablaRegistros &tabla);
    // One record at its place; a gap before it is filled with zero bytes.
    Resultado escribir(int n, const TipoReg &registro);
    // Slots 1 to 30 over records 1 to 30, in place.
    Resultado escribirTodos(const TablaRegistros &tabla);

private:
    Resultado abrirCon(int banderas);
    Resultado escribirEn(qint64 posicion, const QByteArray &bytes);

    QString m_nombre;
    int m_fd = -1;
};

}  // namespace korva
