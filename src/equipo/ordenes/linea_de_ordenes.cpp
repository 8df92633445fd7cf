#include "equipo/ordenes/linea_de_ordenes.h"

#include "equipo/exportaciones/exportar.h"
#include "equipo/documentos/hojas_del_equipo.h"
#include "equipo/ordenes/salidas_sin_ventana.h"
#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/escritura/nueva_evaluacion.h"
#include "nucleo/escritura/toma_de_prueba.h"
#include "nucleo/evaluaciones/evaluaciones.h"
#include "nucleo/comun/def_archivo.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

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
      m_pestana(QStringLiteral("pestana"), QStringLiteral("La pestaña: nivel1, nivel2, nivel3, nivel4 o fundamentos."),
                QStringLiteral("nombre")),
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
                                   "(el nombre de su carpeta en Evaluaciones, o sólo su etiqueta si una sola la "
                                   "tiene)."),
                    QStringLiteral("nombre")),
      m_nuevaEvaluacion(
          QStringLiteral("nueva-evaluacion"),
          QStringLiteral("Guarda la evaluación actual (con la etiqueta de --guardar-evaluacion, si se da) "
                         "y deja en blanco las pruebas de todos los atletas; nombres y edades se quedan. "
                         "No se hace si KORVA 4 está abierto en la carpeta.")),
      m_importar(QStringLiteral("importar"),
                 QStringLiteral("Importa los atletas de una plantilla (.xlsx, .ods, CSV o texto; un nombre por fila, "
                                "con su edad o su fecha de nacimiento): con --pestana, en los registros libres de esa "
                                "pestaña; sin ella, todo el equipo, cada atleta en el nivel de su edad y también en "
                                "fundamentos. No se hace si KORVA 4 está abierto en la carpeta."),
                 QStringLiteral("archivo")),
      m_hoja(QStringLiteral("hoja"),
             QStringLiteral("Con --importar: la hoja del libro (si no se indica, todas las que tienen una columna de "
                            "nombres, cada atleta una vez)."),
             QStringLiteral("nombre")),
      m_sinFundamentos(QStringLiteral("sin-fundamentos"),
                       QStringLiteral("Con --importar sin --pestana: no pone a los atletas en fundamentos.")),
      m_familias(QStringLiteral("familias"),
                 QStringLiteral("Guarda sin abrir la ventana un informe para la familia de cada atleta con algún "
                                "resultado, un PDF por atleta, en la carpeta dada (de las cinco pestañas, o de la de "
                                "--pestana; con --comparar-con, con los resultados de entonces)."),
                 QStringLiteral("carpeta")),
      m_prueba(QStringLiteral("prueba"),
               QStringLiteral("Con --valores: la prueba, por su nombre en la pantalla (Resistencia, Velocidad, "
                              "Lagartijas, Abdominales, Sentadillas; Conduccion INTERNA, Recepcion PIE, Tiro "
                              "FRONTAL…), sin importar mayúsculas ni acentos."),
               QStringLiteral("nombre")),
      m_valores(QStringLiteral("valores"),
                QStringLiteral("Guarda los valores de una prueba (--prueba) de los atletas de la pestaña de --pestana: "
                               "un archivo con un nombre y un valor por fila. Un nombre desconocido o repetido, o un "
                               "valor que no se puede leer, rechaza la lista entera. No se hace si KORVA 4 está "
                               "abierto en la carpeta."),
                QStringLiteral("archivo"))
{
    m_parser.setApplicationDescription(
        QStringLiteral("KORVA 4 Informe del equipo: los atletas de cada nivel con sus resultados, un resumen, la "
                       "exportación y la impresión. Sin una acción abre su ventana."));
    m_parser.addOptions({m_ayuda, m_carpeta, m_exportar, m_pestana, m_hojas, m_guardarEvaluacion, m_compararCon,
                         m_nuevaEvaluacion, m_importar, m_hoja, m_sinFundamentos, m_prueba, m_valores, m_familias});
}

bool LineaDeOrdenes::leer(const QStringList &argumentos)
{
    return m_parser.parse(argumentos);
}

bool LineaDeOrdenes::conVentana() const
{
    for (const QCommandLineOption *o : {&m_ayuda, &m_exportar, &m_hojas, &m_guardarEvaluacion, &m_nuevaEvaluacion,
                                        &m_importar, &m_valores, &m_familias})
        if (m_parser.isSet(*o))
            return false;
    return true;
}

bool LineaDeOrdenes::dibuja() const
{
    return m_parser.isSet(m_hojas) || m_parser.isSet(m_familias);
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
        errores
            << QStringLiteral("korva4-equipo: la carpeta «%1» no existe.\n").arg(QDir::toNativeSeparators(carpeta()));
        return 2;
    }
    // Every argument is checked, whatever order it came in, before anything is written.
    if (const int codigo = comprobar(errores); codigo != 0)
        return codigo;
    int codigo = evaluaciones(salida, errores);
    if (codigo == 0 && m_parser.isSet(m_exportar))
        codigo = exportar(salida, errores);
    if (codigo == 0 && m_parser.isSet(m_hojas))
        codigo = hojas(salida, errores);
    if (codigo == 0 && m_parser.isSet(m_familias))
        codigo = familias(salida, errores);
    return codigo;
}

int LineaDeOrdenes::comprobar(QTextStream &errores)
{
    const auto mal = [&](const QString &texto) {
        errores << QStringLiteral("korva4-equipo: %1\n").arg(texto);
        return 2;
    };
    // A writing action while KORVA 4 is open in the folder: said before anything else.
    if (m_parser.isSet(m_importar) || m_parser.isSet(m_nuevaEvaluacion) || m_parser.isSet(m_valores))
        if (const Resultado libre = carpetaLibre(carpeta()); !libre) {
            errores << QStringLiteral("korva4-equipo: %1\n").arg(libre.razon());
            return 1;
        }
    // One writing action at a time: each is all or nothing on its own, and two in one order
    // could not be (the second could fail after the first had written).
    int escrituras = 0;
    for (const QCommandLineOption *o : {&m_importar, &m_nuevaEvaluacion, &m_valores})
        escrituras += m_parser.isSet(*o) ? 1 : 0;
    if (m_parser.isSet(m_guardarEvaluacion) && !m_parser.isSet(m_nuevaEvaluacion))
        ++escrituras;
    if (escrituras > 1)
        return mal(QStringLiteral("--importar, --valores, --nueva-evaluacion y --guardar-evaluacion cambian la "
                                  "carpeta: dé una sola en cada orden (--guardar-evaluacion va con "
                                  "--nueva-evaluacion como su etiqueta), para que cada una se haga entera o no "
                                  "se haga. No se cambió nada."));
    m_pestanaPedida = -1;
    if (m_parser.isSet(m_pestana)) {
        m_pestanaPedida = pestanaPorNombre(m_parser.value(m_pestana));
        if (m_pestanaPedida < 0)
            return mal(QStringLiteral("no hay pestaña «%1»: use nivel1, nivel2, nivel3, nivel4 o fundamentos.")
                           .arg(m_parser.value(m_pestana)));
    }
    if (m_parser.isSet(m_exportar)) {
        m_rutaExportar = QDir(QDir::currentPath()).absoluteFilePath(m_parser.value(m_exportar));
        const QString extension = QFileInfo(m_rutaExportar).suffix().toLower();
        if (extension != QLatin1String("xlsx") && extension != QLatin1String("csv"))
            return mal(
                QStringLiteral("«%1» no termina en .xlsx ni en .csv.").arg(QDir::toNativeSeparators(m_rutaExportar)));
        if (extension == QLatin1String("csv") && m_pestanaPedida < 0)
            return mal(QStringLiteral("un CSV lleva una sola pestaña: indíquela con --pestana."));
        const QString destino = QFileInfo(m_rutaExportar).absolutePath();
        if (!QFileInfo(destino).isDir())
            return mal(QStringLiteral("no se puede guardar «%1»: la carpeta «%2» no existe.")
                           .arg(QDir::toNativeSeparators(m_rutaExportar), QDir::toNativeSeparators(destino)));
    }
    m_evaluacion.clear();
    if (m_parser.isSet(m_compararCon)) {
        if (!m_parser.isSet(m_exportar) && !m_parser.isSet(m_familias))
            return mal(QStringLiteral("--comparar-con va con --exportar o con --familias."));
        const ResultadoDe<QString> guardada = buscarEvaluacion(carpeta(), m_parser.value(m_compararCon));
        if (!guardada)
            return mal(guardada.razon() + QLatin1Char('.'));
        m_evaluacion = guardada.valor();
    }
    if (m_parser.isSet(m_familias)) {
        m_destinoFamilias = QDir(QDir::currentPath()).absoluteFilePath(m_parser.value(m_familias));
        if (QFileInfo(m_destinoFamilias).exists() && !QFileInfo(m_destinoFamilias).isDir())
            return mal(
                QStringLiteral("no se pueden guardar los informes en «%1»: ya hay un archivo con ese nombre y no "
                               "es una carpeta.")
                    .arg(QDir::toNativeSeparators(m_destinoFamilias)));
    }
    if (m_parser.isSet(m_hojas)) {
        m_destinoHojas = QDir(QDir::currentPath()).absoluteFilePath(m_parser.value(m_hojas));
        struct stat datos {};
        if (::stat(QFile::encodeName(m_destinoHojas).constData(), &datos) == 0 && !S_ISDIR(datos.st_mode))
            return mal(
                QStringLiteral("no se pueden guardar las hojas en «%1»: ya hay un archivo con ese nombre y no es "
                               "una carpeta.")
                    .arg(QDir::toNativeSeparators(m_destinoHojas)));
    }
    m_lista = ListaDeAtletas();
    if (m_parser.isSet(m_importar)) {
        const ResultadoDe<ListaDeAtletas> lista =
            leerArchivoDeLista(m_parser.value(m_importar), m_parser.value(m_hoja));
        if (!lista) {
            errores << QStringLiteral("korva4-equipo: no se importaron los atletas.\nMotivo: %1\n").arg(lista.razon());
            return 1;
        }
        m_lista = lista.valor();
    } else if (m_parser.isSet(m_sinFundamentos) || (m_parser.isSet(m_hoja) && !m_parser.isSet(m_valores))) {
        return mal(QStringLiteral("--hoja y --sin-fundamentos van con --importar (--hoja, también con --valores)."));
    }
    m_filasDeValores.clear();
    m_pruebaPedida = -1;
    if (m_parser.isSet(m_valores) || m_parser.isSet(m_prueba)) {
        if (!m_parser.isSet(m_valores) || !m_parser.isSet(m_prueba) || m_pestanaPedida < 0)
            return mal(QStringLiteral("los valores de una prueba llevan --valores, --prueba y --pestana."));
        const DefArchivo &archivo = DefArchivos[std::size_t(m_pestanaPedida)];
        const DefPrueba *prueba = pruebaPorNombre(archivo, m_parser.value(m_prueba));
        if (!prueba) {
            QStringList nombres;
            for (const DefPrueba &p : pruebasDe(archivo))
                nombres << QString::fromUtf8(p.titulo);
            return mal(QStringLiteral("en %1 no hay ninguna prueba «%2»; las pruebas son: %3.")
                           .arg(QString::fromUtf8(archivo.titulo), m_parser.value(m_prueba),
                                nombres.join(QStringLiteral(", "))));
        }
        m_pruebaPedida = int(prueba - pruebasDe(archivo).data());
        const ResultadoDe<FilasLeidas> filas = leerFilasDeArchivo(m_parser.value(m_valores), m_parser.value(m_hoja));
        if (!filas) {
            errores << QStringLiteral("korva4-equipo: no se guardaron los valores.\nMotivo: %1\n").arg(filas.razon());
            return 1;
        }
        m_filasDeValores = filas.valor().filas;
    }
    return 0;
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
    if (m_parser.isSet(m_importar))
        if (const int codigo = importar(salida, errores); codigo != 0)
            return codigo;
    if (m_parser.isSet(m_valores))
        return valores(salida, errores);
    return 0;
}

int LineaDeOrdenes::importar(QTextStream &salida, QTextStream &errores)
{
    for (const QString &t : m_lista.omitidas + m_lista.avisos)
        errores << QStringLiteral("korva4-equipo: aviso: %1\n").arg(t);
    if (const QString hojas = hojasLeidasEnPalabras(m_lista); !hojas.isEmpty())
        salida << hojas << '\n';
    DestinoDeImportacion destino;
    destino.archivo = m_pestanaPedida;
    destino.conFundamentos = !m_parser.isSet(m_sinFundamentos);
    // what is left out or noted, before anything is written
    const ResultadoDe<PlanDeImportacion> plan = planearImportacion(carpeta(), m_lista.atletas, destino);
    if (plan)
        for (const PlanDeImportacion::Fila &f : plan.valor().filas)
            if (!f.nota().isEmpty())
                errores << QStringLiteral("korva4-equipo: fila %1, «%2»: %3\n")
                               .arg(QString::number(f.atleta.fila), f.guardado, f.nota());
    const ResultadoDe<int> r = importarAtletas(carpeta(), m_lista.atletas, destino);
    if (!r) {
        errores << QStringLiteral("korva4-equipo: no se importaron los atletas.\nMotivo: %1\n").arg(r.razon());
        return 1;
    }
    if (m_pestanaPedida >= 0) {
        salida << QStringLiteral("%1 atletas importados en «%2».\n")
                      .arg(QString::number(r.valor()),
                           QString::fromLatin1(DefArchivos[std::size_t(m_pestanaPedida)].archivo));
        return 0;
    }
    QStringList porPestana;
    for (std::size_t p = 0; plan && p < DefArchivos.size(); ++p)
        if (plan.valor().aImportar[p] > 0)
            porPestana << QStringLiteral("%1 en «%2»")
                              .arg(QString::number(plan.valor().aImportar[p]),
                                   QString::fromLatin1(DefArchivos[p].archivo));
    salida << QStringLiteral("%1 registros nuevos: %2.\n")
                  .arg(QString::number(r.valor()), porPestana.join(QStringLiteral(", ")));
    return 0;
}

int LineaDeOrdenes::valores(QTextStream &salida, QTextStream &errores)
{
    const ResultadoDe<TomaDePrueba> toma = TomaDePrueba::abrir(carpeta(), m_pestanaPedida, m_pruebaPedida);
    if (!toma) {
        errores << QStringLiteral("korva4-equipo: no se guardaron los valores.\nMotivo: %1\n").arg(toma.razon());
        return 1;
    }
    QStringList avisos;
    const ResultadoDe<std::map<int, QString>> valores = toma.valor().valoresDeFilas(m_filasDeValores, &avisos);
    if (!valores) {
        errores << QStringLiteral("korva4-equipo: no se guardó ningún valor de «%1»:\n%2\n")
                       .arg(QString::fromUtf8(toma.valor().prueba().titulo), valores.razon());
        return 1;
    }
    for (const QString &a : avisos)
        errores << QStringLiteral("korva4-equipo: aviso: %1\n").arg(a);
    const ResultadoDe<int> r = toma.valor().guardar(valores.valor());
    if (!r) {
        errores << QStringLiteral("korva4-equipo: no se guardaron los valores.\nMotivo: %1\n").arg(r.razon());
        return 1;
    }
    salida << QStringLiteral("%1 valores de «%2» guardados en «%3».\n")
                  .arg(QString::number(r.valor()), QString::fromUtf8(toma.valor().prueba().titulo),
                       QString::fromLatin1(toma.valor().archivo().archivo));
    return 0;
}

int LineaDeOrdenes::familias(QTextStream &salida, QTextStream &errores)
{
    return SalidasSinVentana(carpeta(), m_pestanaPedida, m_evaluacion, salida, errores).familias(m_destinoFamilias);
}

int LineaDeOrdenes::hojas(QTextStream &salida, QTextStream &errores)
{
    return SalidasSinVentana(carpeta(), m_pestanaPedida, m_evaluacion, salida, errores).hojas(m_destinoHojas);
}

int LineaDeOrdenes::exportar(QTextStream &salida, QTextStream &errores)
{
    return SalidasSinVentana(carpeta(), m_pestanaPedida, m_evaluacion, salida, errores).exportar(m_rutaExportar);
}

}  // namespace korva
