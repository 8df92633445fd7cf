#include "equipo/salidas_sin_ventana.h"

#include "equipo/exportar.h"
#include "equipo/hojas_del_equipo.h"
#include "equipo/informe_familia.h"
#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/registros/def_archivo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace korva {

int SalidasSinVentana::familias(const QString &destino)
{
    const QString nativa = QDir::toNativeSeparators(destino);
    if (!QDir().mkpath(destino)) {
        m_errores << QStringLiteral("korva4-equipo: no se pudo crear la carpeta «%1».\nMotivo: %2\n")
                         .arg(nativa, razonAlCrear(destino));
        return 1;
    }
    int total = 0;
    for (std::size_t i = 0; i < DefArchivos.size(); ++i) {
        if (m_pestana >= 0 && int(i) != m_pestana)
            continue;
        const Equipo e = leerEquipo(m_carpeta, DefArchivos[i]);
        std::optional<Comparacion> c;
        if (!m_evaluacion.isEmpty())
            c = compararConGuardada(m_carpeta, m_evaluacion, e);
        QStringList omitidos;
        const ResultadoDe<int> r = guardarInformesDeFamilias(e, c ? &*c : nullptr, destino, &omitidos);
        for (const QString &o : omitidos)
            m_errores << QStringLiteral("korva4-equipo: sin informe: %1 (%2)\n")
                             .arg(o, QString::fromUtf8(DefArchivos[i].titulo));
        if (!r) {
            m_errores << QStringLiteral("korva4-equipo: no se pudieron guardar los informes en «%1».\nMotivo: %2\n")
                             .arg(nativa, r.razon());
            return 1;
        }
        total += r.valor();
    }
    m_salida << QStringLiteral("Guardados %1 informes para las familias en «%2».\n").arg(total).arg(nativa);
    return 0;
}

int SalidasSinVentana::hojas(const QString &destino)
{
    const QString nativa = QDir::toNativeSeparators(destino);
    if (!QDir().mkpath(destino)) {
        m_errores << QStringLiteral("korva4-equipo: no se pudo crear la carpeta «%1».\nMotivo: %2\n")
                         .arg(nativa, razonAlCrear(destino));
        return 1;
    }
    int total = 0;
    for (std::size_t i = 0; i < DefArchivos.size(); ++i) {
        if (m_pestana >= 0 && int(i) != m_pestana)
            continue;
        QStringList omitidos;
        const ResultadoDe<int> r =
            guardarHojasEnPdf(leerEquipo(m_carpeta, DefArchivos[i]), destino, QDate::currentDate(), &omitidos);
        for (const QString &o : omitidos)
            m_errores << QStringLiteral("korva4-equipo: sin hoja: %1 (%2)\n")
                             .arg(o, QString::fromUtf8(DefArchivos[i].titulo));
        if (!r) {
            m_errores << QStringLiteral("korva4-equipo: no se pudieron guardar las hojas en «%1».\nMotivo: %2\n")
                             .arg(nativa, r.razon());
            return 1;
        }
        total += r.valor();
    }
    m_salida << QStringLiteral("Guardadas %1 hojas en «%2».\n").arg(total).arg(nativa);
    return 0;
}

int SalidasSinVentana::exportar(const QString &ruta)
{
    const QString nativa = QDir::toNativeSeparators(ruta);
    std::vector<Equipo> equipos;
    std::vector<Comparacion> comparaciones;
    for (std::size_t i = 0; i < DefArchivos.size(); ++i)
        if (m_pestana < 0 || int(i) == m_pestana) {
            equipos.push_back(leerEquipo(m_carpeta, DefArchivos[i]));
            if (!m_evaluacion.isEmpty())
                comparaciones.push_back(compararConGuardada(m_carpeta, m_evaluacion, equipos.back()));
        }
    std::vector<const Equipo *> punteros;
    std::vector<const Comparacion *> conComparacion;
    for (std::size_t i = 0; i < equipos.size(); ++i) {
        punteros.push_back(&equipos[i]);
        conComparacion.push_back(i < comparaciones.size() ? &comparaciones[i] : nullptr);
    }
    const Resultado r = QFileInfo(ruta).suffix().toLower() == QLatin1String("csv")
        ? exportarCsv(ruta, equipos.front(), QLocale(), conComparacion.front())
        : exportarXlsx(ruta, punteros, conComparacion);
    if (!r) {
        m_errores << QStringLiteral("korva4-equipo: no se pudo guardar «%1».\nMotivo: %2\n").arg(nativa, r.razon());
        return 1;
    }
    m_salida << QStringLiteral("Guardado en «%1».\n").arg(nativa);
    return 0;
}

// Why a folder could not be made: the reason at the first part of its path that fails.
QString SalidasSinVentana::razonAlCrear(const QString &ruta)
{
    QString hecho;
    for (const QString &parte : QDir::cleanPath(ruta).split(QLatin1Char('/'))) {
        hecho += parte.isEmpty() ? QString() : QLatin1Char('/') + parte;
        if (hecho.isEmpty())
            continue;
        if (::mkdir(QFile::encodeName(hecho).constData(), 0777) != 0 && errno != EEXIST)
            return razonDelSistema();
        struct stat datos {};
        if (::stat(QFile::encodeName(hecho).constData(), &datos) == 0 && !S_ISDIR(datos.st_mode))
            return QStringLiteral("«%1» no es una carpeta").arg(QDir::toNativeSeparators(hecho));
    }
    return razonDelSistema();
}

}  // namespace korva
