#include "nucleo/escritura/escritura_de_registros.h"

#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/evaluaciones/evaluaciones.h"
#include "nucleo/registros/archivo_entero.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace korva {

namespace {

QString nativa(const QString &ruta)
{
    return QDir::toNativeSeparators(ruta);
}

// Whether a disk is mounted on the file's name (a bind mount): it cannot be replaced.
bool esPuntoDeMontaje(const QString &ruta)
{
    struct statx datos {};
    if (::statx(AT_FDCWD, QFile::encodeName(ruta).constData(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS, &datos) != 0)
        return false;
    return (datos.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (datos.stx_attributes & STATX_ATTR_MOUNT_ROOT);
}

}  // namespace

Resultado cerrojoDeLaAccion(const UnaCopia &cerrojo, const QString &carpeta)
{
    switch (cerrojo.estado()) {
    case UnaCopia::Estado::Unica:
        return Resultado::exito();
    case UnaCopia::Estado::OtraAbierta:
        return Resultado::falla(QStringLiteral("KORVA 4 está abierto en la carpeta «%1» (o hay otra orden "
                                               "cambiándola ahora mismo): ciérrelo o espere a que termine y "
                                               "vuelva a intentarlo; no se cambió nada")
                                    .arg(nativa(carpeta)));
    case UnaCopia::Estado::SinCerrojo:
        break;
    }
    return Resultado::falla(QStringLiteral("no se pudo asegurar que KORVA 4 no esté abierto en «%1» (%2); no se "
                                           "cambió nada")
                                .arg(nativa(carpeta), cerrojo.razon()));
}

EscrituraDeRegistros::EscrituraDeRegistros(const QString &carpeta)
    : m_carpeta(QDir(carpeta).absolutePath()), m_unaCopia(m_carpeta, EsperaDeOtraAccion),
      m_cerrojo(cerrojoDeLaAccion(m_unaCopia, m_carpeta)),
      m_renombrar([](const QByteArray &de, const QByteArray &a) { return ::rename(de.constData(), a.constData()); })
{
    if (m_cerrojo)
        quitarRestos();
}

EscrituraDeRegistros::~EscrituraDeRegistros()
{
    quitarObras();
}

void EscrituraDeRegistros::quitarRestos() const
{
    // Only names that this writer makes: ".nivel2.dat.k3j9x1.tmp" beside "nivel2.dat".
    const QStringList ocultos =
        QDir(m_carpeta).entryList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &nombre : ocultos)
        for (const DefArchivo &d : DefArchivos)
            if (esNombreAlLado(nombre, QString::fromLatin1(d.archivo)))
                ::unlink(QFile::encodeName(QDir(m_carpeta).filePath(nombre)).constData());
    quitarRestosDeEvaluaciones(m_carpeta);
}

void EscrituraDeRegistros::quitarObras()
{
    for (Archivo &a : m_archivos)
        for (QString *obra : {&a.obra, &a.respaldo})
            if (!obra->isEmpty()) {
                ::unlink(QFile::encodeName(*obra).constData());
                obra->clear();
            }
}

EscrituraDeRegistros::Archivo *EscrituraDeRegistros::buscar(const QString &ruta)
{
    for (Archivo &a : m_archivos)
        if (a.ruta == ruta)
            return &a;
    return nullptr;
}

ResultadoDe<QByteArray> EscrituraDeRegistros::leer(const DefArchivo &archivo)
{
    using R = ResultadoDe<QByteArray>;
    const QString ruta = QDir(m_carpeta).filePath(QString::fromLatin1(archivo.archivo));
    if (const Archivo *ya = buscar(ruta))
        return R::exito(ya->antes);
    Archivo a;
    a.ruta = ruta;
    a.destino = ruta;
    struct stat enlace {};
    if (::lstat(QFile::encodeName(ruta).constData(), &enlace) == 0 && S_ISLNK(enlace.st_mode)) {
        // written where the link leads, the link kept: never detached without a word
        a.destino = QFileInfo(ruta).canonicalFilePath();
        if (a.destino.isEmpty())
            return R::falla(QStringLiteral("no se puede cambiar «%1»: es un enlace a un archivo que no existe; no se "
                                           "cambió nada")
                                .arg(nativa(ruta)));
    }
    struct stat datos {};
    if (::stat(QFile::encodeName(a.destino).constData(), &datos) == 0) {
        a.existia = true;
        a.permisos = datos.st_mode & 07777;
        a.propietario = long(datos.st_uid);
        a.grupo = long(datos.st_gid);
        a.dispositivo = datos.st_dev;
        a.nodo = datos.st_ino;
        for (const Archivo &otro : m_archivos)
            if (otro.existia && otro.dispositivo == a.dispositivo && otro.nodo == a.nodo)
                return R::falla(QStringLiteral("«%1» y «%2» son el mismo archivo (un enlace), y cada pestaña "
                                               "necesita el suyo: deje en la carpeta un archivo propio para cada "
                                               "una; no se cambió nada")
                                    .arg(nativa(otro.ruta), nativa(ruta)));
    } else if (errno != ENOENT) {
        return R::falla(QStringLiteral("no se pudo leer «%1»: %2").arg(nativa(ruta), razonDelSistema()));
    } else {
        a.permisos = permisosNuevos(0666);
    }
    if (a.existia) {
        const ResultadoDe<QByteArray> leido = leerArchivoEntero(a.destino);
        if (!leido)
            return R::falla(QStringLiteral("no se pudo leer «%1»: %2").arg(nativa(ruta), leido.razon()));
        a.antes = leido.valor();
    }
    a.nuevos = a.antes;
    m_archivos.push_back(a);
    return R::exito(a.antes);
}

void EscrituraDeRegistros::cambiar(const DefArchivo &archivo, const QByteArray &nuevos)
{
    if (Archivo *a = buscar(QDir(m_carpeta).filePath(QString::fromLatin1(archivo.archivo))))
        a->nuevos = nuevos;
}

bool EscrituraDeRegistros::Archivo::cambia() const
{
    // a file that is not there and stays empty is not made
    return existia ? nuevos != antes : !nuevos.isEmpty();
}

int EscrituraDeRegistros::cambios() const
{
    return int(std::count_if(m_archivos.begin(), m_archivos.end(), [](const Archivo &a) { return a.cambia(); }));
}

Resultado EscrituraDeRegistros::comprobar(const Archivo &a) const
{
    const auto falla = [&](const QString &razon) {
        return Resultado::falla(
            QStringLiteral("no se puede cambiar «%1»: %2; no se cambió nada").arg(nativa(a.ruta), razon));
    };
    if (!a.existia)
        return Resultado::exito();
    if ((a.permisos & 0222) == 0)
        return falla(QStringLiteral("el archivo está marcado de solo lectura"));
    struct stat datos {};
    if (::stat(QFile::encodeName(a.destino).constData(), &datos) == 0 && S_ISREG(datos.st_mode) && datos.st_nlink > 1)
        return falla(QStringLiteral("el archivo tiene otro nombre en el disco (un enlace duro), que se quedaría con "
                                    "los datos de antes; copie el archivo en su lugar"));
    if (esPuntoDeMontaje(a.destino))
        return falla(QStringLiteral("el archivo está ocupado: hay otro disco montado en su lugar"));
    QString razon;
    const int fd = abrirArchivoNormal(a.destino, O_RDWR, razon);
    if (fd < 0)
        return falla(razon);
    ::close(fd);
    return Resultado::exito();
}

Resultado EscrituraDeRegistros::preparar()
{
    if (!m_cerrojo)
        return m_cerrojo;
    quitarObras();
    m_preparado = false;
    struct statvfs disco {};
    const bool conDisco = ::statvfs(QFile::encodeName(m_carpeta).constData(), &disco) == 0 && disco.f_frsize > 0;
    const qint64 bloque = conDisco ? qint64(disco.f_frsize) : 4096;
    const auto enBloques = [bloque](qint64 bytes) { return (bytes + bloque - 1) / bloque * bloque; };
    qint64 hacenFalta = 0;
    for (const Archivo &a : m_archivos) {
        if (!a.cambia())
            continue;
        if (const Resultado r = comprobar(a); !r)
            return r;
        // the new file and the copy of the old one, each in whole blocks
        hacenFalta += enBloques(a.nuevos.size()) + enBloques(a.antes.size());
    }
    if (conDisco) {
        const qint64 libres = qint64(disco.f_bavail) * qint64(disco.f_frsize);
        if (libres < hacenFalta)
            return Resultado::falla(
                QStringLiteral("no queda espacio en el disco de «%1»: hacen falta %2 y quedan %3; no "
                               "se cambió nada")
                    .arg(nativa(m_carpeta), tamanoEnPalabras(hacenFalta), tamanoEnPalabras(libres)));
    }
    for (Archivo &a : m_archivos) {
        if (!a.cambia())
            continue;
        const ResultadoDe<QString> obra = escribirAlLado(a.destino, a.nuevos, a.permisos, a.propietario, a.grupo);
        ResultadoDe<QString> respaldo = ResultadoDe<QString>::exito();
        if (obra && a.existia)
            respaldo = escribirAlLado(a.destino, a.antes, a.permisos, a.propietario, a.grupo);
        if (obra)
            a.obra = obra.valor();
        if (respaldo)
            a.respaldo = respaldo.valor();
        if (!obra || !respaldo) {
            quitarObras();
            return Resultado::falla(QStringLiteral("no se pudo escribir junto a «%1»: %2; no se cambió nada")
                                        .arg(nativa(a.ruta), obra ? respaldo.razon() : obra.razon()));
        }
    }
    m_preparado = true;
    return Resultado::exito();
}

Resultado EscrituraDeRegistros::aplicar()
{
    if (!m_preparado)
        if (const Resultado r = preparar(); !r)
            return r;
    m_preparado = false;
    // The folder at the path must still be the one locked, just before anything changes.
    if (const Resultado r = m_unaCopia.confirmar(); !r) {
        quitarObras();
        return Resultado::falla(QStringLiteral("%1; no se cambió nada").arg(r.razon()));
    }
    std::vector<Archivo *> puestos;
    for (Archivo &a : m_archivos) {
        if (a.obra.isEmpty())
            continue;
        if (m_renombrar(QFile::encodeName(a.obra), QFile::encodeName(a.destino)) == 0) {
            a.obra.clear();
            puestos.push_back(&a);
            continue;
        }
        // A late failure: what was already renamed gets its old bytes back.
        const QString razon =
            QStringLiteral("no se pudo poner en su lugar «%1»: %2").arg(nativa(a.ruta), razonDelSistema());
        QStringList devueltos, perdidos;
        for (auto p = puestos.rbegin(); p != puestos.rend(); ++p) {
            Archivo &b = **p;
            const bool bien = b.existia ? m_renombrar(QFile::encodeName(b.respaldo), QFile::encodeName(b.destino)) == 0
                                        : ::unlink(QFile::encodeName(b.destino).constData()) == 0;
            if (bien) {
                b.respaldo.clear();
                devueltos << QFileInfo(b.ruta).fileName();
            } else {
                perdidos << QStringLiteral("«%1» (%2)").arg(nativa(b.ruta), razonDelSistema());
            }
        }
        (void)asentarCarpeta(m_carpeta);
        quitarObras();
        m_comoAntes = perdidos.isEmpty();
        if (!m_comoAntes)
            return Resultado::falla(QStringLiteral("%1; y no se pudo devolver a como estaba %2: la evaluación "
                                                   "guardada en «%3» tiene los archivos de antes")
                                        .arg(razon, perdidos.join(QStringLiteral(", ")),
                                             nativa(QDir(m_carpeta).filePath(CarpetaEvaluaciones))));
        if (devueltos.isEmpty())
            return Resultado::falla(QStringLiteral("%1; no se cambió nada").arg(razon));
        return Resultado::falla(QStringLiteral("%1; los archivos ya cambiados (%2) se devolvieron a como estaban: "
                                               "no se cambió nada")
                                    .arg(razon, devueltos.join(QStringLiteral(", "))));
    }
    Resultado asentada = asentarCarpeta(m_carpeta);
    for (const Archivo &a : m_archivos)  // a link's target may lie in another folder
        if (asentada && a.destino != a.ruta)
            asentada = asentarCarpeta(QFileInfo(a.destino).absolutePath());
    quitarObras();  // the copies of the old files
    if (!asentada)
        return Resultado::falla(QStringLiteral("los archivos se cambiaron, pero no se pudo asegurar en el disco la "
                                               "carpeta «%1»: %2")
                                    .arg(nativa(m_carpeta), asentada.razon()));
    return Resultado::exito();
}

}  // namespace korva
