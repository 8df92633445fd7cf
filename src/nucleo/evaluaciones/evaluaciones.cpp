#include "nucleo/evaluaciones/evaluaciones.h"

#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/registros/def_archivo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korva {

namespace {

// Writes a new file that must not exist yet, flushed, and reads it back.
Resultado copiarEn(const QString &ruta, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0444);
    if (fd < 0)
        return Resultado::falla(razonDelSistema());
    qsizetype hechos = 0;
    while (hechos < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + hechos, size_t(bytes.size() - hechos));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return Resultado::falla(razonDelSistema(error));
        }
        hechos += n;
    }
    const bool asentado = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    const int error = errno;
    if (::close(fd) != 0 || !asentado)
        return Resultado::falla(razonDelSistema(asentado ? errno : error));
    // checked byte for byte against what was meant
    const ResultadoDe<QByteArray> leido = leerArchivoEntero(ruta);
    if (!leido)
        return Resultado::falla(leido);
    if (leido.valor() != bytes)
        return Resultado::falla(QStringLiteral("la copia de «%1» no es igual al original").arg(QFileInfo(ruta).fileName()));
    return Resultado::exito();
}

}  // namespace

ResultadoDe<QByteArray> leerArchivoEntero(const QString &ruta)
{
    using R = ResultadoDe<QByteArray>;
    struct stat datos {};
    if (::lstat(QFile::encodeName(ruta).constData(), &datos) != 0 && errno == ENOENT)
        return R::exito();
    QString razon;
    const int fd = abrirArchivoNormal(ruta, O_RDONLY, razon);
    if (fd < 0)
        return R::falla(razon);
    while (::flock(fd, LOCK_SH) != 0 && errno == EINTR) {
    }
    QByteArray todo;
    char bloque[16384];
    for (;;) {
        const ssize_t n = ::read(fd, bloque, sizeof bloque);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return R::falla(razonDelSistema(error));
        }
        if (n == 0)
            break;
        todo.append(bloque, n);
    }
    ::close(fd);
    return R::exito(todo);
}

ResultadoDe<QString> guardarEvaluacion(const QString &carpeta, const QString &etiqueta, const QDate &fecha)
{
    using R = ResultadoDe<QString>;
    const QDir registros(carpeta);
    if (!registros.mkpath(CarpetaEvaluaciones))
        return R::falla(QStringLiteral("no se pudo crear la carpeta «%1»")
                            .arg(QDir::toNativeSeparators(registros.filePath(CarpetaEvaluaciones))));
    const QDir evaluaciones(registros.filePath(CarpetaEvaluaciones));

    // The copies, in a folder of our own under a name no saved evaluation has.
    QByteArray plantilla = QFile::encodeName(evaluaciones.filePath(QStringLiteral(".guardando-XXXXXX")));
    if (!::mkdtemp(plantilla.data()))
        return R::falla(razonDelSistema());
    const QString obra = QFile::decodeName(plantilla);
    ::chmod(plantilla.constData(), mode_t(permisosNuevos(0777)));  // mkdtemp makes it for its owner alone
    const auto fallar = [&](const QString &razon) {
        QDir(obra).removeRecursively();
        return R::falla(razon);
    };
    for (const DefArchivo &d : DefArchivos) {
        const QString origen = registros.filePath(QString::fromLatin1(d.archivo));
        if (!QFileInfo::exists(origen))
            continue;
        const ResultadoDe<QByteArray> bytes = leerArchivoEntero(origen);
        if (!bytes)
            return fallar(QStringLiteral("no se pudo leer «%1»: %2").arg(QDir::toNativeSeparators(origen), bytes.razon()));
        if (const Resultado r = copiarEn(QDir(obra).filePath(QString::fromLatin1(d.archivo)), bytes.valor()); !r)
            return fallar(r.razon());
    }
    if (const Resultado r = asentarCarpeta(obra); !r)
        return fallar(r.razon());

    // Then its name: the date and the label; a second one of the day gets its own.
    const QString limpia = comoNombreDeArchivo(etiqueta).left(80);
    const QString base = fecha.toString(Qt::ISODate) + (limpia.isEmpty() ? QString() : QLatin1Char(' ') + limpia);
    for (int n = 1; n < 1000; ++n) {
        const QString nombre = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n);
        const QString destino = evaluaciones.filePath(nombre);
        if (QFileInfo::exists(destino))
            continue;
        if (::rename(plantilla.constData(), QFile::encodeName(destino).constData()) != 0) {
            if (errno == EEXIST || errno == ENOTEMPTY)
                continue;
            return fallar(razonDelSistema());
        }
        if (const Resultado r = asentarCarpeta(evaluaciones.path()); !r)
            return R::falla(r.razon());
        return R::exito(destino);
    }
    return fallar(QStringLiteral("hay demasiadas evaluaciones guardadas con el nombre «%1»").arg(base));
}

QStringList evaluacionesGuardadas(const QString &carpeta)
{
    QStringList nombres = QDir(QDir(carpeta).filePath(CarpetaEvaluaciones))
                              .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
    nombres.erase(std::remove_if(nombres.begin(), nombres.end(), [](const QString &n) { return n.startsWith('.'); }),
                  nombres.end());
    return nombres;
}

QString carpetaDeEvaluacion(const QString &carpeta, const QString &nombre)
{
    return QDir(QDir(carpeta).filePath(CarpetaEvaluaciones)).filePath(nombre);
}

}  // namespace korva
