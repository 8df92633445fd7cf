#include "nucleo/comun/archivos_del_sistema.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korva {

QString razonDelSistema(int error)
{
    switch (error) {
    case EACCES:
        return QStringLiteral("permiso denegado");
    case EPERM:
        return QStringLiteral("operación no permitida");
    case ENOENT:
        return QStringLiteral("no existe el archivo o la carpeta");
    case ENOTDIR:
        return QStringLiteral("una parte de la ruta no es una carpeta");
    case EISDIR:
        return QStringLiteral("es una carpeta, no un archivo");
    case ENOSPC:
        return QStringLiteral("no queda espacio en el disco");
    case EDQUOT:
        return QStringLiteral("se agotó la cuota de disco del usuario");
    case EROFS:
        return QStringLiteral("el disco es de solo lectura");
    case EIO:
        return QStringLiteral("error de lectura o escritura en el disco");
    case EEXIST:
        return QStringLiteral("ya existe");
    case ENAMETOOLONG:
        return QStringLiteral("el nombre es demasiado largo");
    case ELOOP:
        return QStringLiteral("demasiados enlaces simbólicos seguidos");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("hay demasiados archivos abiertos");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("el archivo está ocupado");
    case EXDEV:
        return QStringLiteral("no se puede mover entre discos distintos");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("el dispositivo no existe o no está conectado");
    case EAGAIN:
        return QStringLiteral("el recurso no está disponible por ahora");
    case EINTR:
        return QStringLiteral("la operación fue interrumpida");
    case EINVAL:
        return QStringLiteral("operación no válida para este archivo");
    case ESPIPE:
        return QStringLiteral("no es un archivo normal (es una tubería o un dispositivo)");
    case EFBIG:
        return QStringLiteral("el archivo es demasiado grande");
    case ENOMEM:
        return QStringLiteral("no queda memoria");
    case ENOTEMPTY:
        return QStringLiteral("la carpeta no está vacía");
    case ESTALE:
        return QStringLiteral("el archivo de red ya no está disponible");
    case ENOLCK:
        return QStringLiteral("no quedan cerrojos de archivo disponibles");
    case EOPNOTSUPP:
        return QStringLiteral("el sistema de archivos no admite esta operación");
    case EBADF:
        return QStringLiteral("el archivo no está abierto");
    default:
        return QStringLiteral("error del sistema número %1").arg(error);
    }
}

QString razonDelSistema()
{
    return razonDelSistema(errno);
}

namespace {

// What stands in a file's place when it is not a regular file.
QString queEs(mode_t modo)
{
    if (S_ISDIR(modo))
        return QStringLiteral("es una carpeta, no un archivo");
    if (S_ISFIFO(modo))
        return QStringLiteral("no es un archivo normal: es una tubería (FIFO)");
    if (S_ISCHR(modo) || S_ISBLK(modo))
        return QStringLiteral("no es un archivo normal: es un dispositivo");
    if (S_ISSOCK(modo))
        return QStringLiteral("no es un archivo normal: es un socket");
    return QStringLiteral("no es un archivo normal");
}

// The process's umask, read without changing it (umask() would change it for every thread).
mode_t mascaraDelProceso()
{
    QFile estado(QStringLiteral("/proc/self/status"));
    if (estado.open(QIODevice::ReadOnly))
        for (const QByteArray &linea : estado.readAll().split('\n'))
            if (linea.startsWith("Umask:")) {
                bool ok = false;
                const uint m = linea.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(m);
            }
    return 022;
}

}  // namespace

int abrirArchivoNormal(const QString &ruta, int banderas, QString &razon, unsigned modo)
{
    // Never waiting: a FIFO opened without O_NONBLOCK waits for the other end forever.
    const int fd = ::open(QFile::encodeName(ruta).constData(), banderas | O_NONBLOCK | O_CLOEXEC, mode_t(modo));
    if (fd < 0) {
        razon = razonDelSistema();
        return -1;
    }
    struct stat datos {};
    if (::fstat(fd, &datos) != 0) {
        razon = razonDelSistema();
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(datos.st_mode)) {
        razon = queEs(datos.st_mode);
        ::close(fd);
        return -1;
    }
    if (!(banderas & O_NONBLOCK))
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

QString comoNombreDeArchivo(const QString &texto)
{
    QString nombre;
    for (const QChar c : texto.simplified()) {
        if (c == QLatin1Char('"'))
            nombre += QLatin1Char('\'');
        else if (QStringLiteral("/\\:*?<>|").contains(c) || c.category() == QChar::Other_Control)
            nombre += QLatin1Char('-');
        else
            nombre += c;
    }
    while (!nombre.isEmpty() && (nombre.endsWith(QLatin1Char('.')) || nombre.endsWith(QLatin1Char(' '))))
        nombre.chop(1);
    while (nombre.startsWith(QLatin1Char('.')) || nombre.startsWith(QLatin1Char(' ')))
        nombre.remove(0, 1);
    return nombre;
}

unsigned permisosNuevos(unsigned base)
{
    return base & ~unsigned(mascaraDelProceso());
}

Resultado asentarCarpeta(const QString &carpeta)
{
    const int fd = ::open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Resultado::falla(razonDelSistema());
    const bool bien = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    const int error = errno;
    ::close(fd);
    return bien ? Resultado::exito() : Resultado::falla(razonDelSistema(error));
}

Resultado escribirArchivoEntero(const QString &ruta, const QByteArray &bytes)
{
    const QFileInfo destino(ruta);
    const QString carpeta = destino.absolutePath();
    const QByteArray nombre = QFile::encodeName(destino.absoluteFilePath());

    // What stands at the name now: a regular file keeps its permissions, a link is replaced,
    // anything else is refused.
    mode_t permisos = 0;
    struct stat antes {};
    if (::lstat(nombre.constData(), &antes) == 0) {
        if (S_ISREG(antes.st_mode))
            permisos = antes.st_mode & 07777;
        else if (!S_ISLNK(antes.st_mode))
            return Resultado::falla(queEs(antes.st_mode));
    } else if (errno != ENOENT) {
        return Resultado::falla(razonDelSistema());
    }
    if (permisos == 0)
        permisos = 0666 & ~mascaraDelProceso();

    // A name of our own beside it, reserved with O_EXCL: nobody else's file is ever opened.
    QByteArray obra;
    int fd = -1;
    for (int intento = 0; fd < 0 && intento < 100; ++intento) {
        obra = QFile::encodeName(carpeta) + "/." + QFile::encodeName(destino.fileName()) + "."
            + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = ::open(obra.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return Resultado::falla(razonDelSistema());
    }
    if (fd < 0)
        return Resultado::falla(razonDelSistema(EEXIST));

    const auto fallar = [&](int error) {
        ::close(fd);
        ::unlink(obra.constData());
        return Resultado::falla(razonDelSistema(error));
    };
    qsizetype escritos = 0;
    while (escritos < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + escritos, size_t(bytes.size() - escritos));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fallar(n < 0 ? errno : ENOSPC);
        escritos += n;
    }
    if (::fchmod(fd, permisos) != 0)
        return fallar(errno);
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        return fallar(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(obra.constData());
        return Resultado::falla(razonDelSistema(error));
    }
    if (::rename(obra.constData(), nombre.constData()) != 0) {
        const int error = errno;
        ::unlink(obra.constData());
        return Resultado::falla(razonDelSistema(error));
    }
    return asentarCarpeta(carpeta);
}

}  // namespace korva
