#include "nucleo/evaluaciones/evaluaciones.h"

#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/registros/archivo_entero.h"
#include "nucleo/comun/def_archivo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <QScopeGuard>

#include <algorithm>

#include <cstdio>

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
        return Resultado::falla(
            QStringLiteral("la copia de «%1» no es igual al original").arg(QFileInfo(ruta).fileName()));
    return Resultado::exito();
}

}  // namespace

QString nombreDeEvaluacion(const QString &etiqueta, const QDate &fecha)
{
    // Cut by whole characters, never inside one, so that the date, the label and a " (999)"
    // of a later save of the day stay within the 255 bytes a file system takes for a name.
    const QString fechaTexto = fecha.toString(Qt::ISODate);
    const qsizetype paraEtiqueta = 255 - fechaTexto.toUtf8().size() - 1 - 6;
    QString limpia = comoNombreDeArchivo(etiqueta);
    while (!limpia.isEmpty() && (limpia.toUcs4().size() > LargoDeEtiqueta || limpia.toUtf8().size() > paraEtiqueta))
        limpia.chop(limpia.back().isLowSurrogate() && limpia.size() > 1 ? 2 : 1);
    limpia = comoNombreDeArchivo(limpia);  // no blank or dot left at the cut
    return fechaTexto + (limpia.isEmpty() ? QString() : QLatin1Char(' ') + limpia);
}

ResultadoDe<QString> guardarEvaluacion(const QString &carpeta, const QString &etiqueta, const QDate &fecha)
{
    using R = ResultadoDe<QString>;
    const QDir registros(carpeta);
    const QString rutaEvaluaciones = registros.filePath(CarpetaEvaluaciones);
    if (!registros.mkpath(CarpetaEvaluaciones)) {
        struct stat datos {};
        const QString razon = ::stat(QFile::encodeName(rutaEvaluaciones).constData(), &datos) == 0
            ? QStringLiteral("ya hay un archivo con ese nombre")
            : razonDelSistema();
        return R::falla(QStringLiteral("no se pudo crear la carpeta «%1»: %2")
                            .arg(QDir::toNativeSeparators(rutaEvaluaciones), razon));
    }
    const QDir evaluaciones(rutaEvaluaciones);

    // The copies, in a folder of our own under a name no saved evaluation has, locked while
    // it is filled so that a later action knows an abandoned one from one being made.
    QByteArray plantilla = QFile::encodeName(evaluaciones.filePath(PrefijoEnCurso + QStringLiteral("XXXXXX")));
    if (!::mkdtemp(plantilla.data()))
        return R::falla(QStringLiteral("no se pudo crear una carpeta en «%1»: %2")
                            .arg(QDir::toNativeSeparators(rutaEvaluaciones), razonDelSistema()));
    const QString obra = QFile::decodeName(plantilla);
    const int enCurso = ::open(plantilla.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (enCurso >= 0)
        ::flock(enCurso, LOCK_EX | LOCK_NB);  // a folder just made, ours alone: never held
    const auto soltar = qScopeGuard([enCurso] {
        if (enCurso >= 0)
            ::close(enCurso);
    });
    ::chmod(plantilla.constData(), mode_t(permisosNuevos(0777)));  // mkdtemp makes it for its owner alone
    const auto fallar = [&](const QString &razon) {
        QDir(obra).removeRecursively();
        return R::falla(razon);
    };
    for (const DefArchivo &d : DefArchivos) {
        const QString origen = registros.filePath(QString::fromLatin1(d.archivo));
        struct stat datos {};
        if (::lstat(QFile::encodeName(origen).constData(), &datos) != 0 && errno == ENOENT)
            continue;
        const ResultadoDe<QByteArray> bytes = leerArchivoEntero(origen);
        if (!bytes)
            return fallar(
                QStringLiteral("no se pudo leer «%1»: %2").arg(QDir::toNativeSeparators(origen), bytes.razon()));
        if (const Resultado r = copiarEn(QDir(obra).filePath(QString::fromLatin1(d.archivo)), bytes.valor()); !r)
            return fallar(r.razon());
    }
    if (const Resultado r = asentarCarpeta(obra); !r)
        return fallar(r.razon());

    // Then its name: the date and the label; a second one of the day gets its own. The name
    // is taken only where nothing stands: two saves in one second get two names.
    const QString base = nombreDeEvaluacion(etiqueta, fecha);
    for (int n = 1; n < 1000; ++n) {
        const QString nombre = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base, QString::number(n));
        const QString destino = evaluaciones.filePath(nombre);
        const QByteArray destinoBytes = QFile::encodeName(destino);
        if (::renameat2(AT_FDCWD, plantilla.constData(), AT_FDCWD, destinoBytes.constData(), RENAME_NOREPLACE) != 0) {
            if (errno == EEXIST || errno == ENOTEMPTY)
                continue;
            if (errno != EINVAL && errno != ENOSYS)
                return fallar(razonDelSistema());
            // A file system that cannot refuse to replace: the name reserved by an empty
            // folder of our own, which the rename then replaces.
            if (::mkdir(destinoBytes.constData(), 0700) != 0) {
                if (errno == EEXIST)
                    continue;
                return fallar(razonDelSistema());
            }
            if (::rename(plantilla.constData(), destinoBytes.constData()) != 0) {
                const QString razon = razonDelSistema();
                ::rmdir(destinoBytes.constData());
                return fallar(razon);
            }
        }
        if (const Resultado r = asentarCarpeta(evaluaciones.path()); !r)
            return R::falla(r.razon());
        return R::exito(destino);
    }
    return fallar(QStringLiteral("hay demasiadas evaluaciones guardadas con el nombre «%1»").arg(base));
}

void quitarRestosDeEvaluaciones(const QString &carpeta)
{
    const QDir evaluaciones(QDir(carpeta).filePath(CarpetaEvaluaciones));
    const QStringList restos =
        evaluaciones.entryList({PrefijoEnCurso + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &nombre : restos) {
        if (nombre.size() != PrefijoEnCurso.size() + 6)
            continue;  // not a name of ours
        const QString ruta = evaluaciones.filePath(nombre);
        const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        // one still being filled holds its lock
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            QDir(ruta).removeRecursively();
        ::close(fd);
    }
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

ResultadoDe<QString> buscarEvaluacion(const QString &carpeta, const QString &texto)
{
    using R = ResultadoDe<QString>;
    const QStringList guardadas = evaluacionesGuardadas(carpeta);
    const QString buscado = texto.normalized(QString::NormalizationForm_C);
    if (guardadas.contains(texto))
        return R::exito(texto);
    QStringList conEsaEtiqueta;
    for (const QString &g : guardadas) {
        const QString nombre = g.normalized(QString::NormalizationForm_C);
        if (nombre == buscado)
            return R::exito(g);
        // the label alone: what follows the date, without the number of a later save of the day
        static const QRegularExpression partes(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} (.*?)(?: \\(\\d+\\))?$"));
        const QRegularExpressionMatch m = partes.match(nombre);
        if (m.hasMatch() && m.captured(1).compare(buscado.trimmed(), Qt::CaseInsensitive) == 0)
            conEsaEtiqueta << g;
    }
    if (conEsaEtiqueta.size() == 1)
        return R::exito(conEsaEtiqueta.front());
    if (conEsaEtiqueta.size() > 1)
        return R::falla(
            QStringLiteral("hay %1 evaluaciones guardadas con la etiqueta «%2»: %3; indique la que quiere "
                           "por su nombre entero")
                .arg(QString::number(conEsaEtiqueta.size()), texto, conEsaEtiqueta.join(QStringLiteral(", "))));
    return R::falla(
        guardadas.isEmpty()
            ? QStringLiteral("no hay ninguna evaluación guardada «%1»: todavía no se guardó ninguna").arg(texto)
            : QStringLiteral("no hay ninguna evaluación guardada «%1»; las guardadas son: %2")
                  .arg(texto, guardadas.join(QStringLiteral(", "))));
}

}  // namespace korva
