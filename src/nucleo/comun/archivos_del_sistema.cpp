#include "nucleo/comun/archivos_del_sistema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/file.h>
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
    const ResultadoDe<QByteArray> estado = leerArchivoAcotado(QStringLiteral("/proc/self/status"), 64 * 1024);
    if (estado)
        for (const QByteArray &linea : estado.valor().split('\n'))
            if (linea.startsWith("Umask:")) {
                bool ok = false;
                const uint m = linea.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(m);
            }
    return 022;
}

}  // namespace

bool esInvisible(QChar c)
{
    // zero-width spaces and joiners, the byte order mark, and the marks and overrides of
    // direction, which make a name read otherwise than it sorts
    const char16_t u = c.unicode();
    return (u >= 0x200B && u <= 0x200F) || (u >= 0x202A && u <= 0x202E) || (u >= 0x2060 && u <= 0x2069) || u == 0xFEFF
        || u == 0x061C;
}

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
    for (const QChar c : texto.normalized(QString::NormalizationForm_C).simplified()) {
        if (esInvisible(c))
            continue;
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

ResultadoDe<QByteArray> leerDescriptorAcotado(int fd, qint64 maximo)
{
    using R = ResultadoDe<QByteArray>;
    struct stat datos {};
    if (::fstat(fd, &datos) != 0)
        return R::falla(razonDelSistema());
    if (!S_ISREG(datos.st_mode))
        return R::falla(queEs(datos.st_mode));
    const auto demasiado = [&](qint64 mide) {
        // in bytes where the rounded sizes would read the same
        const QLocale espanol(QLocale::Spanish, QLocale::Spain);
        const bool iguales = tamanoEnPalabras(mide) == tamanoEnPalabras(maximo);
        return R::falla(
            QStringLiteral("el archivo es demasiado grande: mide %1 y no puede pasar de %2")
                .arg(iguales ? espanol.toString(mide) + QStringLiteral(" bytes") : tamanoEnPalabras(mide),
                     iguales ? espanol.toString(maximo) + QStringLiteral(" bytes") : tamanoEnPalabras(maximo)));
    };
    if (datos.st_size > maximo)
        return demasiado(datos.st_size);
    // Never more than the bound, even from a file that grows while it is read.
    QByteArray todo;
    todo.reserve(qsizetype(datos.st_size));
    char bloque[16384];
    for (;;) {
        const ssize_t n = ::read(fd, bloque, sizeof bloque);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return R::falla(razonDelSistema());
        if (n == 0)
            break;
        if (todo.size() + n > maximo)
            return demasiado(todo.size() + n);
        todo.append(bloque, n);
    }
    return R::exito(todo);
}

Resultado bloquearSinEsperar(int fd, int modo, const QString &ruta)
{
    // a busy file is tried again every 20 ms, for about two seconds in all
    for (int vez = 0; vez < 100; ++vez) {
        if (::flock(fd, modo | LOCK_NB) == 0)
            return Resultado::exito();
        if (errno != EWOULDBLOCK && errno != EINTR)
            return Resultado::falla(razonDelSistema());
        if (errno == EWOULDBLOCK)
            ::usleep(20 * 1000);
    }
    return Resultado::falla(QStringLiteral("«%1» está ocupado por otro programa (que lo tiene bloqueado); "
                                           "inténtelo de nuevo cuando termine")
                                .arg(QDir::toNativeSeparators(ruta)));
}

CerrojoDeArchivo::CerrojoDeArchivo(int fd, int modo, const QString &ruta)
    : m_fd(fd), m_tomado(bloquearSinEsperar(fd, modo, ruta))
{}

CerrojoDeArchivo::~CerrojoDeArchivo()
{
    if (m_tomado)
        ::flock(m_fd, LOCK_UN);
}

ResultadoDe<QByteArray> leerArchivoAcotado(const QString &ruta, qint64 maximo)
{
    QString razon;
    const int fd = abrirArchivoNormal(ruta, O_RDONLY, razon);
    if (fd < 0)
        return ResultadoDe<QByteArray>::falla(razon);
    ResultadoDe<QByteArray> r = leerDescriptorAcotado(fd, maximo);
    ::close(fd);
    return r;
}

QString tamanoEnPalabras(qint64 bytes)
{
    const QLocale espanol(QLocale::Spanish, QLocale::Spain);
    if (bytes < 1000)
        return QStringLiteral("%1 bytes").arg(bytes);
    const char *unidades[] = {"kB", "MB", "GB", "TB"};
    double v = double(bytes);
    int u = -1;
    while (v >= 1000 && u < 3) {
        v /= 1000;
        ++u;
    }
    return QStringLiteral("%1 %2").arg(espanol.toString(v, 'g', v < 10 ? 2 : 3), QLatin1String(unidades[u]));
}

bool esNombreAlLado(const QString &nombre, const QString &de)
{
    const QString inicio = QLatin1Char('.') + de + QLatin1Char('.');
    if (!nombre.startsWith(inicio) || !nombre.endsWith(QLatin1String(".tmp")))
        return false;
    // the number of 32 bits in base 36 that escribirAlLado() puts there: 1 to 7 characters
    const QStringView medio = QStringView(nombre).mid(inicio.size(), nombre.size() - inicio.size() - 4);
    if (medio.isEmpty() || medio.size() > 7)
        return false;
    for (const QChar c : medio)
        if (!(c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))))
            return false;
    return true;
}

ResultadoDe<QString> escribirAlLado(const QString &ruta, const QByteArray &bytes, unsigned permisos, long propietario,
                                    long grupo)
{
    using R = ResultadoDe<QString>;
    const QFileInfo destino(ruta);
    const QByteArray carpeta = QFile::encodeName(destino.absolutePath());

    // A name of our own beside it, reserved with O_EXCL: nobody else's file is ever opened.
    QByteArray obra;
    int fd = -1;
    for (int intento = 0; fd < 0 && intento < 100; ++intento) {
        obra = carpeta + "/." + QFile::encodeName(destino.fileName()) + "."
            + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = ::open(obra.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return R::falla(razonDelSistema());
    }
    if (fd < 0)
        return R::falla(razonDelSistema(EEXIST));

    const auto fallar = [&](int error) {
        ::close(fd);
        ::unlink(obra.constData());
        return R::falla(razonDelSistema(error));
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
    // the coach's file stays the coach's when an administrator runs the action
    if ((propietario >= 0 || grupo >= 0) && ::geteuid() == 0)
        (void)!::fchown(fd, uid_t(propietario), gid_t(grupo));
    if (::fchmod(fd, mode_t(permisos)) != 0)
        return fallar(errno);
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        return fallar(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(obra.constData());
        return R::falla(razonDelSistema(error));
    }
    return R::exito(QFile::decodeName(obra));
}

Resultado escribirArchivoEntero(const QString &ruta, const QByteArray &bytes)
{
    const QFileInfo destino(ruta);
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

    const ResultadoDe<QString> obra = escribirAlLado(ruta, bytes, permisos);
    if (!obra)
        return Resultado::falla(obra);
    const QByteArray nombreObra = QFile::encodeName(obra.valor());
    if (::rename(nombreObra.constData(), nombre.constData()) != 0) {
        const int error = errno;
        ::unlink(nombreObra.constData());
        return Resultado::falla(razonDelSistema(error));
    }
    return asentarCarpeta(destino.absolutePath());
}

}  // namespace korva
