#include "nucleo/registros/una_copia.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace korva {

namespace {

enum class Toma { Tomado, Ocupado, Imposible };

// An exclusive lock on an open file, without waiting.
Toma tomar(int fd, int &error)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return Toma::Tomado;
    error = errno;
    return error == EWOULDBLOCK ? Toma::Ocupado : Toma::Imposible;
}

// The lock file, opened whatever it is: read-write where it can be made or written, read
// only where not (a lock file marked read-only, or a folder in its place).
int abrirCerrojo(const QByteArray &ruta, int &error)
{
    int fd = ::open(ruta.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        fd = ::open(ruta.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        error = errno;
    return fd;
}

QString razonDelSistema(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

UnaCopia::UnaCopia(const QString &carpeta)
{
    int errorCarpeta = 0, errorArchivo = 0;
    Toma enCarpeta = Toma::Imposible, enArchivo = Toma::Imposible;

    m_carpeta = ::open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_carpeta >= 0)
        enCarpeta = tomar(m_carpeta, errorCarpeta);
    else
        errorCarpeta = errno;

    if (enCarpeta != Toma::Ocupado) {
        m_archivo = abrirCerrojo(QFile::encodeName(QDir(carpeta).filePath(NombreCerrojo)), errorArchivo);
        if (m_archivo >= 0)
            enArchivo = tomar(m_archivo, errorArchivo);
    }

    if (enCarpeta == Toma::Ocupado || enArchivo == Toma::Ocupado)
        m_estado = Estado::OtraAbierta;
    else if (enCarpeta == Toma::Tomado || enArchivo == Toma::Tomado)
        m_estado = Estado::Unica;
    else {
        m_estado = Estado::SinCerrojo;
        m_razon = razonDelSistema(errorCarpeta ? errorCarpeta : errorArchivo);
    }
}

UnaCopia::~UnaCopia()
{
    // Closing drops the locks; the lock file stays, harmless, for the next run.
    if (m_archivo >= 0)
        ::close(m_archivo);
    if (m_carpeta >= 0)
        ::close(m_carpeta);
}

}  // namespace korva
