#pragma once

#include "nucleo/comun/resultado.h"

#include <QByteArray>
#include <QString>

namespace korva {

// The system's error number in the program's own Spanish words, whatever locale runs: the
// reason after "Motivo:" in a message.
QString razonDelSistema(int error);
// The reason of the last failed system call (errno).
QString razonDelSistema();

// Opens a file that must be a regular file, without ever waiting: a FIFO, a device or a
// folder in its place is refused with its reason. Flags as for open(2) (O_CLOEXEC is
// added); the descriptor comes back blocking. On failure, -1 and the reason.
int abrirArchivoNormal(const QString &ruta, int banderas, QString &razon, unsigned modo = 0666);

// Reads a regular file whole, never more than the bound: a larger one is refused with its
// size, and a FIFO or a device is refused without a wait (no read ever runs forever).
ResultadoDe<QByteArray> leerArchivoAcotado(const QString &ruta, qint64 maximo);
// The same for a file already open; the name is only for the message.
ResultadoDe<QByteArray> leerDescriptorAcotado(int fd, qint64 maximo);
// Takes the lock of an open file (LOCK_SH or LOCK_EX) without ever waiting long: tried at
// once, then again for at most about two seconds, then refused with "ocupado por otro
// programa", naming the file. Another user may hold a lock on a file anyone can read.
Resultado bloquearSinEsperar(int fd, int modo, const QString &ruta);
// The lock of an open file, held for one read or one write, taken as above.
class CerrojoDeArchivo
{
public:
    CerrojoDeArchivo(int fd, int modo, const QString &ruta);
    ~CerrojoDeArchivo();
    CerrojoDeArchivo(const CerrojoDeArchivo &) = delete;
    CerrojoDeArchivo &operator=(const CerrojoDeArchivo &) = delete;
    const Resultado &tomado() const { return m_tomado; }

private:
    int m_fd;
    Resultado m_tomado;
};

// A size in words: "3,8 kB", "8 GB".
QString tamanoEnPalabras(qint64 bytes);

// A new file beside the one at the path, under a hidden name of our own (".NAME.XXXX.tmp",
// reserved with O_EXCL), holding the bytes, flushed to disk, with the permissions and, where
// the process may, the owner given (-1: keep the process's). Carries the new file's path.
ResultadoDe<QString> escribirAlLado(const QString &ruta, const QByteArray &bytes, unsigned permisos,
                                    long propietario = -1, long grupo = -1);
// Whether a name is one that escribirAlLado() makes for the file of that name.
bool esNombreAlLado(const QString &nombre, const QString &de);

// Puts the bytes in place of the file at the path, whole or not at all: they are written
// to a new file beside it, flushed to disk, and renamed over the name only then, and the
// folder is flushed too. A failure leaves what was there before, byte for byte. The name
// itself is replaced: a link there is replaced by the file, never written through. An old
// file keeps its permissions; a new one gets the usual ones (as the umask leaves them).
// A folder, a FIFO or a device in the file's place is refused.
Resultado escribirArchivoEntero(const QString &ruta, const QByteArray &bytes);

// The permissions a new file or folder gets from the umask of the process (read without
// changing it), out of the ones given.
unsigned permisosNuevos(unsigned base);

// Whether a character is one that shows nothing but changes how a text reads (zero-width
// characters, direction marks and overrides).
bool esInvisible(QChar c);

// A text as part of a file's or folder's name that any file system accepts: composed (NFC),
// without invisible characters, its blanks folded, slashes, colons, wildcards and control characters as "-", a double
// quote as a single one, no dot or blank at either end.
QString comoNombreDeArchivo(const QString &texto);

// Flushes a folder's entries to disk (after a rename into it).
Resultado asentarCarpeta(const QString &carpeta);

}  // namespace korva
