#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

// The files that are not what they seem, put where a record file, a roster or a saved
// evaluation is expected: a folder, a FIFO (a reader that opens it waits for ever), a link to
// /dev/zero (a reader that reads it never ends), a sparse file of 8 GiB (a reader that reads
// it whole runs out of memory). Whatever stood at the path is replaced.
enum class ArchivoMalo { Carpeta, Fifo, Cero, Disperso };

inline bool ponerArchivoMalo(const QString &ruta, ArchivoMalo que)
{
    const QByteArray nombre = QFile::encodeName(ruta);
    if (que != ArchivoMalo::Disperso)
        QFile::remove(ruta);
    switch (que) {
    case ArchivoMalo::Carpeta:
        return QDir().mkdir(ruta);
    case ArchivoMalo::Fifo:
        return ::mkfifo(nombre.constData(), 0644) == 0;
    case ArchivoMalo::Cero:
        return ::symlink("/dev/zero", nombre.constData()) == 0;
    case ArchivoMalo::Disperso: {
        QFile f(ruta);
        return f.open(QIODevice::ReadWrite) && ::truncate(nombre.constData(), qint64(1) << 33) == 0;
    }
    }
    return false;
}
