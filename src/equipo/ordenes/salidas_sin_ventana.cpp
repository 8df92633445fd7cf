#include "equipo/ordenes/salidas_sin_ventana.h"

#include "equipo/exportaciones/exportar.h"
#include "equipo/documentos/hojas_del_equipo.h"
#include "equipo/familias/informe_familia.h"
#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/comun/def_archivo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <cerrno>
#include <sys/stat.h>

namespace korva {

int SalidasSinVentana::porPestana(const QString &destino, const QString &que, const QString &cadaUno,
                                  const QString &hecho,
                                  const std::function<ResultadoDe<int>(const Equipo &, QStringList &)> &guardar)
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
        const ResultadoDe<int> r = guardar(leerEquipo(m_carpeta, DefArchivos[i]), omitidos);
        for (const QString &o : omitidos)
            m_errores << QStringLiteral("korva4-equipo: sin %1: %2 (%3)\n")
                             .arg(cadaUno, o, QString::fromUtf8(DefArchivos[i].titulo));
        if (!r) {
            m_errores << QStringLiteral("korva4-equipo: no se pudieron guardar %1 en «%2».\nMotivo: %3\n")
                             .arg(que, nativa, r.razon());
            return 1;
        }
        total += r.valor();
    }
    m_salida << hecho.arg(QString::number(total), nativa) << '\n';
    return 0;
}

int SalidasSinVentana::familias(const QString &destino)
{
    return porPestana(destino, QStringLiteral("los informes para las familias"), QStringLiteral("informe"),
                      QStringLiteral("Guardados %1 informes para las familias en «%2»."),
                      [this, &destino](const Equipo &e, QStringList &omitidos) {
                          std::optional<Comparacion> c;
                          if (!m_evaluacion.isEmpty())
                              c = compararConGuardada(m_carpeta, m_evaluacion, e);
                          return guardarInformesDeFamilias(e, c ? &*c : nullptr, destino, &omitidos);
                      });
}

int SalidasSinVentana::hojas(const QString &destino)
{
    return porPestana(destino, QStringLiteral("las hojas"), QStringLiteral("hoja"),
                      QStringLiteral("Guardadas %1 hojas en «%2»."),
                      [&destino](const Equipo &e, QStringList &omitidos) {
                          return guardarHojasEnPdf(e, destino, QDate::currentDate(), &omitidos);
                      });
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
