#include "equipo/linea_de_ordenes.h"

#include "equipo/exportar.h"
#include "equipo/hojas_del_equipo.h"
#include "nucleo/evaluaciones/escritura_de_registros.h"
#include "nucleo/evaluaciones/evaluaciones.h"

#include <QFile>
#include "nucleo/registros/def_archivo.h"

#include <QDir>
#include <QFileInfo>

namespace korva {

int pestanaPorNombre(const QString &nombre)
{
    for (std::size_t i = 0; i < DefArchivos.size(); ++i)
        if (nombre + QStringLiteral(".dat") == QLatin1String(DefArchivos[i].archivo))
            return int(i);
    return -1;
}

LineaDeOrdenes::LineaDeOrdenes()
    : m_ayuda({QStringLiteral("h"), QStringLiteral("ayuda"), QStringLiteral("help")},
              QStringLiteral("Muestra esta ayuda y termina.")),
      m_carpeta(QStringLiteral("carpeta"),
                QStringLiteral("La carpeta de los registros (nivel1.dat … fundamentos.dat); si no se indica, la "
                               "carpeta en la que se inicia."),
                QStringLiteral("carpeta")),
      m_exportar(QStringLiteral("exportar"),
                 QStringLiteral("Exporta sin abrir la ventana: a una hoja de cálculo si el nombre termina en .xlsx "
                                "(las cinco pestañas, o la de --pestana), o a CSV si termina en .csv (la pestaña de "
                                "--pestana)."),
                 QStringLiteral("archivo")),
      m_pestana(QStringLiteral("pestana"),
                QStringLiteral("La pestaña: nivel1, nivel2, nivel3, nivel4 o fundamentos."), QStringLiteral("nombre")),
      m_hojas(QStringLiteral("hojas"),
              QStringLiteral("Guarda sin abrir la ventana la hoja de evaluación de cada atleta en PDF, una por "
                             "atleta, en la carpeta dada (de las cinco pestañas, o de la de --pestana)."),
              QStringLiteral("carpeta")),
      m_guardarEvaluacion(QStringLiteral("guardar-evaluacion"),
                          QStringLiteral("Guarda los cinco archivos de hoy como una evaluación, en "
                                         "Evaluaciones/AAAA-MM-DD y la etiqueta (que puede ser \"\")."),
                          QStringLiteral("etiqueta")),
      m_compararCon(QStringLiteral("comparar-con"),
                    QStringLiteral("Con --exportar: la exportación lleva la comparación con esa evaluación guardada "
                                   "(el nombre de su carpeta en Evaluaciones)."),
                    QStringLiteral("nombre")),
      m_nuevaEvaluacion(QStringLiteral("nueva-evaluacion"),
                        QStringLiteral("Guarda la evaluación actual (con la etiqueta de --guardar-evaluacion, si se da) "
                                       "y deja en blanco las pruebas de todos los atletas; nombres y edades se quedan. "
                                       "No se hace si KORVA 4 está abierto en la carpeta.")),
      m_importar(QStringLiteral("importar"),
                 QStringLiteral("Importa los atletas de un archivo CSV o de texto (un nombre por fila, la edad en la "
                                "segunda columna si la hay) en los registros libres de la pestaña de --pestana. No se "
                                "hace si KORVA 4 está abierto en la carpeta."),
                 QStringLiteral("archivo"))
{
    m_parser.setApplicationDescription(
        QStringLiteral("KORVA 4 Informe del equipo: los atletas de cada nivel con sus resultados, un resumen, la "
                       "exportación y la impresión. Sin una acción abre su ventana."));
    m_parser.addOptions({m_ayuda, m_carpeta, m_exportar, m_pestana, m_hojas, m_guardarEvaluacion, m_compararCon,
                         m_nuevaEvaluacion, m_importar});
}

bool LineaDeOrdenes::leer(const QStringList &argumentos)
{
    return m_parser.parse(argumentos);
}

bool LineaDeOrdenes::conVentana() const
{
    for (const QCommandLineOption *o : {&m_ayuda, &m_exportar, &m_hojas, &m_guardarEvaluacion, &m_nuevaEvaluacion, &m_importar})
        if (m_parser.isSet(*o))
            return false;
    return true;
}

bool LineaDeOrdenes::dibuja() const
{
    return m_parser.isSet(m_hojas);
}

QString LineaDeOrdenes::carpeta() const
{
    return QDir(m_parser.isSet(m_carpeta) ? m_parser.value(m_carpeta) : QDir::currentPath()).absolutePath();
}

int LineaDeOrdenes::ejecutar(QTextStream &salida, QTextStream &errores)
{
    if (m_parser.isSet(m_ayuda)) {
        salida << m_parser.helpText();
        return 0;
    }
    if (!QFileInfo(carpeta()).isDir()) {
        errores << QStringLiteral("korva4-equipo: la carpeta «%1» no existe.\n").arg(QDir::toNativeSeparators(carpeta()));
        return 2;
    }
    int codigo = evaluaciones(salida, errores);
    if (codigo == 0 && m_parser.isSet(m_exportar))
        codigo = exportar(salida, errores);
    if (codigo == 0 && m_parser.isSet(m_hojas))
        codigo = hojas(salida, errores);
    return codigo;
}

int LineaDeOrdenes::evaluaciones(QTextStream &salida, QTextStream &errores)
{
    const QString etiqueta = m_parser.value(m_guardarEvaluacion);
    if (m_parser.isSet(m_nuevaEvaluacion)) {
        const ResultadoDe<QString> r = nuevaEvaluacion(carpeta(), etiqueta);
        if (!r) {
            errores << QStringLiteral("korva4-equipo: no se empezó una nueva evaluación.\nMotivo: %1\n").arg(r.razon());
            return 1;
        }
        salida << QStringLiteral("Evaluación guardada en «%1»; las pruebas están en blanco.\n")
                      .arg(QDir::toNativeSeparators(r.valor()));
    } else if (m_parser.isSet(m_guardarEvaluacion)) {
        const ResultadoDe<QString> r = guardarEvaluacion(carpeta(), etiqueta);
        if (!r) {
            errores << QStringLiteral("korva4-equipo: no se guardó la evaluación.\nMotivo: %1\n").arg(r.razon());
            return 1;
        }
        salida << QStringLiteral("Evaluación guardada en «%1».\n").arg(QDir::toNativeSeparators(r.valor()));
    }
    if (m_parser.isSet(m_importar)) {
        int pestana = -1;
        if (!pestanaPedida(pestana, errores))
            return 2;
        if (pestana < 0) {
            errores << QStringLiteral("korva4-equipo: indique con --pestana dónde se importan los atletas.\n");
            return 2;
        }
        const QString ruta = m_parser.value(m_importar);
        QFile f(ruta);
        if (!f.open(QIODevice::ReadOnly)) {
            errores << QStringLiteral("korva4-equipo: no se pudo leer «%1».\n").arg(QDir::toNativeSeparators(ruta));
            return 1;
        }
        const std::vector<AtletaImportado> lista = leerLista(textoDeLista(f.readAll()));
        const ResultadoDe<int> r = importarAtletas(carpeta(), DefArchivos[std::size_t(pestana)], lista);
        if (!r) {
            errores << QStringLiteral("korva4-equipo: no se importaron los atletas.\nMotivo: %1\n").arg(r.razon());
            return 1;
        }
        salida << QStringLiteral("%1 atletas importados en «%2».\n")
                      .arg(r.valor())
                      .arg(QString::fromLatin1(DefArchivos[std::size_t(pestana)].archivo));
    }
    return 0;
}

bool LineaDeOrdenes::pestanaPedida(int &pestana, QTextStream &errores) const
{
    pestana = -1;
    if (!m_parser.isSet(m_pestana))
        return true;
    pestana = pestanaPorNombre(m_parser.value(m_pestana));
    if (pestana >= 0)
        return true;
    errores << QStringLiteral("korva4-equipo: no hay pestaña «%1»: use nivel1, nivel2, nivel3, nivel4 o "
                              "fundamentos.\n")
                   .arg(m_parser.value(m_pestana));
    return false;
}

int LineaDeOrdenes::hojas(QTextStream &salida, QTextStream &errores)
{
    const QString destino = QDir(QDir::currentPath()).absoluteFilePath(m_parser.value(m_hojas));
    int pestana = -1;
    if (!pestanaPedida(pestana, errores))
        return 2;
    if (!QDir().mkpath(destino)) {
        errores << QStringLiteral("korva4-equipo: no se pudo crear la carpeta «%1».\n").arg(QDir::toNativeSeparators(destino));
        return 1;
    }
    int total = 0;
    for (std::size_t i = 0; i < DefArchivos.size(); ++i) {
        if (pestana >= 0 && int(i) != pestana)
            continue;
        const ResultadoDe<int> r = guardarHojasEnPdf(leerEquipo(carpeta(), DefArchivos[i]), destino);
        if (!r) {
            errores << QStringLiteral("korva4-equipo: no se pudieron guardar las hojas en «%1».\nMotivo: %2\n")
                           .arg(QDir::toNativeSeparators(destino), r.razon());
            return 1;
        }
        total += r.valor();
    }
    salida << QStringLiteral("Guardadas %1 hojas en «%2».\n").arg(total).arg(QDir::toNativeSeparators(destino));
    return 0;
}

int LineaDeOrdenes::exportar(QTextStream &salida, QTextStream &errores)
{
    const QString ruta = QDir(QDir::currentPath()).absoluteFilePath(m_parser.value(m_exportar));
    const QString nativa = QDir::toNativeSeparators(ruta);
    const QString extension = QFileInfo(ruta).suffix().toLower();
    int pestana = -1;
    if (!pestanaPedida(pestana, errores))
        return 2;
    if (extension != QLatin1String("xlsx") && extension != QLatin1String("csv")) {
        errores << QStringLiteral("korva4-equipo: «%1» no termina en .xlsx ni en .csv.\n").arg(nativa);
        return 2;
    }
    if (extension == QLatin1String("csv") && pestana < 0) {
        errores << QStringLiteral("korva4-equipo: un CSV lleva una sola pestaña: indíquela con --pestana.\n");
        return 2;
    }

    QString evaluacion;
    if (m_parser.isSet(m_compararCon)) {
        evaluacion = m_parser.value(m_compararCon);
        if (!evaluacionesGuardadas(carpeta()).contains(evaluacion)) {
            errores << QStringLiteral("korva4-equipo: no hay ninguna evaluación guardada «%1»; las guardadas son: %2\n")
                           .arg(evaluacion, evaluacionesGuardadas(carpeta()).join(QStringLiteral(", ")));
            return 2;
        }
    }
    std::vector<Equipo> equipos;
    std::vector<Comparacion> comparaciones;
    for (std::size_t i = 0; i < DefArchivos.size(); ++i)
        if (pestana < 0 || int(i) == pestana) {
            equipos.push_back(leerEquipo(carpeta(), DefArchivos[i]));
            if (!evaluacion.isEmpty())
                comparaciones.push_back(compararConGuardada(carpeta(), evaluacion, equipos.back()));
        }
    std::vector<const Equipo *> punteros;
    std::vector<const Comparacion *> conComparacion;
    for (std::size_t i = 0; i < equipos.size(); ++i) {
        punteros.push_back(&equipos[i]);
        conComparacion.push_back(i < comparaciones.size() ? &comparaciones[i] : nullptr);
    }
    const Resultado r = extension == QLatin1String("csv")
        ? exportarCsv(ruta, equipos.front(), QLocale(), conComparacion.front())
        : exportarXlsx(ruta, punteros, conComparacion);
    if (!r) {
        errores << QStringLiteral("korva4-equipo: no se pudo guardar «%1».\nMotivo: %2\n").arg(nativa, r.razon());
        return 1;
    }
    salida << QStringLiteral("Guardado en «%1».\n").arg(nativa);
    return 0;
}

}  // namespace korva
