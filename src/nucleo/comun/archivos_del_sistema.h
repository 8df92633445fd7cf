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

// A text as part of a file's or folder's name that any file system accepts: its blanks
// folded, slashes, colons, wildcards and control characters as "-", a double quote as a
// single one, no dot or blank at either end.
QString comoNombreDeArchivo(const QString &texto);

// Flushes a folder's entries to disk (after a rename into it).
Resultado asentarCarpeta(const QString &carpeta);

}  // namespace korva
