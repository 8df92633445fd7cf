#include "nucleo/registros/una_copia.h"

#include "nucleo/comun/archivos_del_sistema.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korva {

namespace {

enum class Toma { Tomado, Ocupado, Imposible };

// An exclusive lock on an open file, without waiting.
Toma tomarCerrojo(int fd, int &error)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return Toma::Tomado;
    error = errno;
    return error == EWOULDBLOCK ? Toma::Ocupado : Toma::Imposible;
}

// The lock file, opened whatever it is, without ever waiting: read-write where it can be
// made or written, read only where not (a lock file marked read-only, or a folder in its
// place). A FIFO or a device there is no lock file: the folder's lock stands alone.
int abrirCerrojo(const QByteArray &ruta, int &error)
{
    int fd = ::open(ruta.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0)
        fd = ::open(ruta.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    struct stat datos {};
    if (::fstat(fd, &datos) != 0 || !(S_ISREG(datos.st_mode) || S_ISDIR(datos.st_mode))) {
        error = ENXIO;
        ::close(fd);
        return -1;
    }
    return fd;
}

bool mismo(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

UnaCopia::UnaCopia(const QString &carpeta, int esperar) : m_ruta(carpeta)
{
    tomar();
    for (int esperado = 0; m_estado == Estado::OtraAbierta && esperado < esperar; esperado += 20) {
        soltar();
        ::usleep(20 * 1000);
        tomar();
    }
}

UnaCopia::~UnaCopia()
{
    soltar();
}

void UnaCopia::soltar()
{
    // Closing drops the locks; the lock file stays, harmless, for the next run.
    if (m_archivo >= 0)
        ::close(m_archivo);
    if (m_carpeta >= 0)
        ::close(m_carpeta);
    m_archivo = m_carpeta = -1;
}

void UnaCopia::tomar()
{
    int errorCarpeta = 0, errorArchivo = 0;
    Toma enCarpeta = Toma::Imposible, enArchivo = Toma::Imposible;

    m_carpeta = ::open(QFile::encodeName(m_ruta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_carpeta >= 0)
        enCarpeta = tomarCerrojo(m_carpeta, errorCarpeta);
    else
        errorCarpeta = errno;

    if (enCarpeta != Toma::Ocupado) {
        m_archivo = abrirCerrojo(QFile::encodeName(QDir(m_ruta).filePath(NombreCerrojo)), errorArchivo);
        if (m_archivo >= 0)
            enArchivo = tomarCerrojo(m_archivo, errorArchivo);
    }

    m_razon.clear();
    if (enCarpeta == Toma::Ocupado || enArchivo == Toma::Ocupado)
        m_estado = Estado::OtraAbierta;
    else if (enCarpeta == Toma::Tomado || enArchivo == Toma::Tomado)
        m_estado = Estado::Unica;
    else {
        m_estado = Estado::SinCerrojo;
        m_razon = razonDelSistema(errorCarpeta ? errorCarpeta : errorArchivo);
    }
    if (m_estado != Estado::Unica)
        soltar();
}

Resultado UnaCopia::confirmar()
{
    struct stat ahora {
    }, tomada{};
    const QByteArray ruta = QFile::encodeName(m_ruta);
    if (::stat(ruta.constData(), &ahora) != 0)
        return Resultado::falla(razonDelSistema());
    if (m_estado == Estado::Unica && m_carpeta >= 0 && ::fstat(m_carpeta, &tomada) == 0 && mismo(ahora, tomada))
        return Resultado::exito();
    // The folder at the path is another one (or none was locked): its lock, if it is free.
    soltar();
    tomar();
    switch (m_estado) {
    case Estado::Unica:
        return Resultado::exito();
    case Estado::OtraAbierta:
        return Resultado::falla(QStringLiteral("la carpeta fue creada de nuevo y otra copia de KORVA 4 está "
                                               "abierta en ella"));
    case Estado::SinCerrojo:
        break;
    }
    return Resultado::falla(m_razon);
}

}  // namespace korva
