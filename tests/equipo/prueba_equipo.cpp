// The team report: it agrees with the screens, exports what a spreadsheet reads back, and
// survives any record file without ever writing one.
#include "nucleo/listas/archivo_zip.h"
#include "nucleo/listas/libro_de_calculo.h"
#include "pantallas/evaluacion/controles.h"
#include "apoyo/campana_ayuda.h"
#include "equipo/exportaciones/exportar.h"
#include "nucleo/informe/comparacion.h"
#include "nucleo/informe/tabla_equipo.h"
#include "nucleo/evaluaciones/evaluaciones.h"
#include "equipo/documentos/informe_impreso.h"
#include "equipo/documentos/papel.h"
#include "equipo/documentos/hojas_del_equipo.h"
#include "pantallas/hoja/hoja_de_registro.h"
#include "equipo/tabla/ventana_equipo.h"
#include "apoyo/programa_prueba.h"
#include "nucleo/comun/def_archivo.h"
#include "nucleo/registros/mapa_campos.h"
#include "apoyo/registros_ayuda.h"
#include "apoyo/resultados_ayuda.h"

#include <QAction>
#include <QPrinter>
#include <QScrollBar>
#include <QProcess>
#include <QStandardPaths>
#include <QScreen>
#include <QTableView>
#include <QXmlStreamReader>

using namespace korva;
using P = ProgramaDePrueba;

namespace {

const IdPantalla Pantallas[] = {IdPantalla::NIVEL1, IdPantalla::NIVEL2, IdPantalla::NIVEL3, IdPantalla::nivel4,
                                IdPantalla::fundamento};

// A record as a coach would have saved it, its values drawn at random, now and then a
// value that cannot be scored; some slots left empty.
QByteArray archivoDeEquipo(QRandomGenerator &azar, bool fundamentos)
{
    static const QStringList nombres{"Ana López", "José Núñez", "Lucía Peña", "Mateo Ruiz", "Sofía Díaz", "Iván Ortiz"};
    QByteArray datos;
    for (int n = 1; n <= 30; ++n) {
        TipoReg r;
        if (azar.bounded(6) != 0) {
            r.guardar(Campo::Nombre, nombres[azar.bounded(nombres.size())] + QString::number(n));
            r.guardar(Campo::Edad, QString::number(8 + azar.bounded(10)));
            const MapaCampos &mapa = fundamentos ? mapaFundamentos() : mapaNivel();
            for (std::size_t i = 2; i < mapa.size(); ++i) {
                const bool decimal = !fundamentos && i < 4;
                QString v = decimal ? QString::number(azar.generateDouble() * (i == 2 ? 3.0 : 11.0), 'f', 2)
                                    : QString::number(azar.bounded(fundamentos ? 31 : 45));
                if (azar.bounded(12) == 0)
                    v = textoAlAzar(azar);
                r.guardar(mapa[i], v);
            }
        }
        datos += r.bytes();
    }
    return datos;
}

// The cells of a sheet of an .xlsx file, row by row, as the program's own roster reader reads
// them (its texts; a number as "12" or "1.5"), which cells the file keeps as numbers, and
// whether the header row is bold.
struct HojaLeida {
    QList<QList<QVariant>> filas;
    bool cabeceraNegrita = false;
};

QByteArray archivoEntero(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray delZip(const QString &zip, const QString &parte)
{
    const QByteArray bytes = archivoEntero(zip);
    ArchivoZip archivo(bytes);
    const auto leida = archivo.leer(parte, 32 << 20);
    return leida ? leida.valor() : QByteArray();
}

HojaLeida leerHoja(const QString &zip, int numero)
{
    const QByteArray bytes = archivoEntero(zip);
    const auto hojas = leerLibroDeCalculo(bytes);
    const auto libro = leerLibroDeCalculo(bytes, hojas.valor().hojas.value(numero - 1));
    if (!libro)
        return {};
    // the style with a bold font
    QList<bool> negritas;
    QList<int> fuentesDeEstilo;
    QXmlStreamReader e(delZip(zip, "xl/styles.xml"));
    bool enFuentes = false, enEstilos = false;
    while (!e.atEnd()) {
        e.readNext();
        if (e.isStartElement() && e.name() == QLatin1String("fonts"))
            enFuentes = true;
        else if (e.isEndElement() && e.name() == QLatin1String("fonts"))
            enFuentes = false;
        else if (e.isStartElement() && e.name() == QLatin1String("cellXfs"))
            enEstilos = true;
        else if (e.isEndElement() && e.name() == QLatin1String("cellXfs"))
            enEstilos = false;
        else if (enFuentes && e.isStartElement() && e.name() == QLatin1String("font"))
            negritas << false;
        else if (enFuentes && e.isStartElement() && e.name() == QLatin1String("b"))
            negritas.last() = true;
        else if (enEstilos && e.isStartElement() && e.name() == QLatin1String("xf"))
            fuentesDeEstilo << e.attributes().value("fontId").toInt();
    }
    // the reader's texts, as numbers where the file keeps a number
    HojaLeida h;
    for (const QStringList &fila : libro.valor().filas) {
        h.filas.append(QList<QVariant>());
        for (const QString &celda : fila)
            h.filas.last().append(celda);
    }
    QXmlStreamReader x(delZip(zip, QStringLiteral("xl/worksheets/sheet%1.xml").arg(numero)));
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement() || x.name() != QLatin1String("c"))
            continue;
        const int estilo = x.attributes().value("s").toInt();
        const QString ref = x.attributes().value("r").toString();
        int col = 0, fila = 0;
        for (QChar c : ref)
            if (c.isLetter())
                col = col * 26 + (c.unicode() - 'A' + 1);
        fila = ref.mid(ref.indexOf(QRegularExpression("[0-9]"))).toInt();
        if (fila == 1 && estilo < fuentesDeEstilo.size() && negritas.value(fuentesDeEstilo[estilo]))
            h.cabeceraNegrita = true;
        const QStringView tipo = x.attributes().value("t");
        if ((tipo.isEmpty() || tipo == QLatin1String("n")) && fila - 1 < h.filas.size()
            && col - 1 < h.filas[fila - 1].size())
            h.filas[fila - 1][col - 1] = h.filas[fila - 1][col - 1].toString().toDouble();
    }
    return h;
}

// The screen on record n, stepping forward from where it stands (en), then "Procesar Datos".
void procesarRegistro(QWidget *pantalla, int &en, int n)
{
    for (; en < n; ++en)
        P::pulsar(pantalla, "cmdRegSiguiente");
    P::pulsar(pantalla, "Command3");
}

QList<QStringList> leerCsv(const QString &ruta, QChar sep)
{
    QFile f(ruta);
    f.open(QIODevice::ReadOnly);
    QByteArray b = f.readAll();
    if (b.startsWith("\xEF\xBB\xBF"))
        b.remove(0, 3);
    const QString t = QString::fromUtf8(b);
    QList<QStringList> filas{QStringList()};
    QString campo;
    bool comillas = false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (comillas) {
            if (c == '"' && i + 1 < t.size() && t[i + 1] == '"')
                campo += '"', ++i;
            else if (c == '"')
                comillas = false;
            else
                campo += c;
        } else if (c == '"') {
            comillas = true;
        } else if (c == sep) {
            filas.last() << campo, campo.clear();
        } else if (c == '\n') {
            filas.last() << campo, campo.clear();
            filas.append(QStringList());
        } else if (c != '\r') {
            campo += c;
        }
    }
    if (filas.last().isEmpty())
        filas.removeLast();
    return filas;
}

}  // namespace

class PruebaEquipo : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // Each athlete's eight results in the table are what its screen shows after "Procesar
    // Datos" on that record.
    void acuerdoConLasPantallas()
    {
        QRandomGenerator azar(20261209);
        P p;
        for (std::size_t i = 0; i < DefArchivos.size(); ++i)
            QVERIFY(escribirArchivo(p.ruta(DefArchivos[i].archivo), archivoDeEquipo(azar, i == 4)));
        VentanaEquipo equipo(QFileInfo(p.ruta("nivel1.dat")).absolutePath());
        p.iniciarHastaInicio();
        int comparados = 0;
        for (std::size_t i = 0; i < DefArchivos.size(); ++i) {
            const Equipo &e = equipo.equipo(int(i));
            QCOMPARE(e.estado, Equipo::Estado::Leido);
            Pantalla *pantalla = p.mostrar(Pantallas[i]);
            int enPantalla = 1;
            for (const Atleta &a : e.atletas) {
                procesarRegistro(pantalla, enPantalla, a.numero);
                QCOMPARE(deResultados(a.resultados), P::resultados(pantalla));
                QCOMPARE(a.datos.value(0), P::texto(pantalla, "txtNombre")->text().trimmed());
                ++comparados;
            }
            // and the table shows them
            const QAbstractItemModel *m = equipo.tabla(int(i))->model();
            QCOMPARE(m->rowCount(), int(e.atletas.size()));
            if (!e.atletas.empty())
                QCOMPARE(m->index(0, m->columnCount() - 1).data().toString(),
                         e.atletas.front().resultados.gradoGeneral);
        }
        QVERIFY(comparados > 100);
    }

    void ordenPorNivel()
    {
        QTemporaryDir dir;
        QByteArray datos;
        for (const char *nivel : {"1.0", "2.5", "1.3", "1.15", "", "1.45"}) {  // level 2: I, SN, III, II, -, SN
            TipoReg r;
            r.guardar(Campo::Nombre, QStringLiteral("X"));
            r.guardar(Campo::Resistencia, QString::fromLatin1(nivel));
            datos += r.bytes();
        }
        QVERIFY(escribirArchivo(dir.filePath("nivel2.dat"), datos));
        VentanaEquipo equipo(dir.path());
        QTableView *t = equipo.tabla(1);
        const int columna = int(columnasDatos(DefArchivos[1]).size()) + 4;  // the endurance grade
        t->sortByColumn(columna, Qt::AscendingOrder);
        QStringList orden;
        for (int r = 0; r < t->model()->rowCount(); ++r)
            orden << t->model()->index(r, columna).data().toString();
        QCOMPARE(orden, (QStringList{"I", "II", "III", "SN", "SN", ""}));
        t->sortByColumn(columna, Qt::DescendingOrder);
        QCOMPARE(t->model()->index(0, columna).data().toString(), QStringLiteral("SN"));
        QCOMPARE(t->model()->index(5, columna).data().toString(), QString());
    }

    void hojaDeCalculoYCsv()
    {
        QRandomGenerator azar(7);
        QTemporaryDir dir;
        for (std::size_t i = 0; i < DefArchivos.size(); ++i)
            QVERIFY(escribirArchivo(dir.filePath(DefArchivos[i].archivo), archivoDeEquipo(azar, i == 4)));
        VentanaEquipo equipo(dir.path());
        const QString xlsx = dir.filePath("equipo.xlsx");
        QVERIFY(equipo.exportarLibro(xlsx, true).ok());
        const QByteArray libro = delZip(xlsx, "xl/workbook.xml");
        for (const auto &a : DefArchivos)
            QVERIFY2(libro.contains(a.titulo), a.titulo);
        for (int h = 0; h < 5; ++h) {
            const Equipo &e = equipo.equipo(h);
            const HojaLeida hoja = leerHoja(xlsx, h + 2);  // after the sheet "Resumen"
            QVERIFY(hoja.cabeceraNegrita);
            QCOMPARE(hoja.filas.size(), int(e.atletas.size()) + 1);
            QCOMPARE(hoja.filas[0].value(1).toString(), QStringLiteral("Nombre"));
            for (std::size_t r = 0; r < e.atletas.size(); ++r) {
                const QStringList esperadas = celdas(e.atletas[r]);
                const auto &fila = hoja.filas[int(r) + 1];
                for (int c = 0; c < esperadas.size(); ++c) {
                    const QVariant v = fila.value(c);
                    const auto numero = esColumnaNumerica(e.archivo, c) ? comoNumero(esperadas[c]) : std::nullopt;
                    if (numero) {
                        QCOMPARE(v.typeId(), int(QMetaType::Double));
                        QCOMPARE(v.toDouble(), *numero);
                    } else if (!esperadas[c].trimmed().isEmpty())
                        QCOMPARE(v.toString(), esperadas[c]);
                }
            }
        }

        // CSV as a Spanish spreadsheet reads it: ";" between fields, "," for decimals
        equipo.abrirPestana(1);
        const QLocale es(QStringLiteral("es_ES"));
        const QString csv = dir.filePath("nivel2.csv");
        QVERIFY(exportarCsv(csv, equipo.equipo(1), es).ok());
        const QList<QStringList> filas = leerCsv(csv, separadorCsv(es));
        QCOMPARE(separadorCsv(es), QLatin1Char(';'));
        QCOMPARE(separadorCsv(QLocale(QStringLiteral("es_MX"))), QLatin1Char(','));
        const Equipo &e = equipo.equipo(1);
        QCOMPARE(filas.size(), int(e.atletas.size()) + 1);
        for (std::size_t r = 0; r < e.atletas.size(); ++r) {
            const QStringList esperadas = celdas(e.atletas[r]);
            for (int c = 0; c < esperadas.size(); ++c) {
                const auto numero = esColumnaNumerica(e.archivo, c) ? comoNumero(esperadas[c]) : std::nullopt;
                if (numero)
                    QCOMPARE(es.toDouble(filas[int(r) + 1].value(c)), *numero);
                else
                    QCOMPARE(filas[int(r) + 1].value(c), esperadas[c]);
            }
        }

        // a write that fails says why, and leaves what was there
        QVERIFY(!equipo.exportarLibro(dir.filePath("no/existe/equipo.xlsx"), false).ok());
        QVERIFY(!exportarCsv(dir.filePath("no/existe/e.csv"), e).razon().isEmpty());
        const QByteArray antes = leerArchivo(xlsx);
        QVERIFY(QDir(dir.path()).mkdir("ocupado.xlsx"));
        QVERIFY(!equipo.exportarLibro(dir.filePath("ocupado.xlsx"), true).ok());
        QCOMPARE(leerArchivo(xlsx), antes);
    }

    // A missing file is an empty tab, an unreadable one says why in its tab, and no file of
    // any length or content stops the program; none is ever written.
    void archivosMalos()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("nivel3.dat"));
        {
            VentanaEquipo equipo(dir.path());
            QCOMPARE(equipo.equipo(0).estado, Equipo::Estado::SinArchivo);
            QCOMPARE(equipo.tabla(0)->model()->rowCount(), 0);
            QVERIFY(equipo.aviso(0).contains(dir.filePath("nivel1.dat")));
            QCOMPARE(equipo.equipo(2).estado, Equipo::Estado::Ilegible);
            QVERIFY2(equipo.aviso(2).contains("Motivo: "), qPrintable(equipo.aviso(2)));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());  // nothing was made

        QRandomGenerator azar(99);
        for (int vuelta = 0; vuelta < 40; ++vuelta) {
            QTemporaryDir d;
            QList<QByteArray> antes;
            for (const auto &a : DefArchivos) {
                antes << archivoAlAzar(azar);
                QVERIFY(escribirArchivo(d.filePath(a.archivo), antes.last()));
            }
            VentanaEquipo equipo(d.path());
            for (std::size_t i = 0; i < DefArchivos.size(); ++i) {
                QVERIFY(equipo.tabla(int(i))->model()->rowCount() <= 30);
                QCOMPARE(leerArchivo(d.filePath(DefArchivos[i].archivo)), antes[int(i)]);
            }
            QVERIFY(equipo.exportarLibro(d.filePath("x.xlsx"), true).ok());
        }
    }

    // On paper too small for the table, every page of it starts with the header row.
    void cabeceraEnCadaPagina()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("sin pdftotext (paquete poppler-utils)");
        QRandomGenerator azar(3);
        QTemporaryDir dir;
        QVERIFY(escribirArchivo(dir.filePath("fundamentos.dat"), archivoDeEquipo(azar, true)));
        VentanaEquipo equipo(dir.path());
        equipo.abrirPestana(4);
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(dir.filePath("informe.pdf"));
        pdf.setPageSize(QPageSize(QPageSize::A7));  // small enough for several pages even in the smaller type
        pdf.setPageOrientation(QPageLayout::Landscape);
        const int paginas = equipo.imprimirEn(pdf);
        QVERIFY(paginas >= 3);
        int conFilas = 0;
        for (int i = 1; i <= paginas; ++i) {
            QProcess texto;
            texto.start("pdftotext",
                        {"-f", QString::number(i), "-l", QString::number(i), dir.filePath("informe.pdf"), "-"});
            QVERIFY(texto.waitForFinished(30000));
            const QString t = QString::fromUtf8(texto.readAllStandardOutput());
            if (t.contains(QString::fromUtf8("Núñez")) || t.contains("López")
                || t.contains(QString::fromUtf8("Peña"))) {
                ++conFilas;
                QVERIFY2(t.contains("Nombre") && t.contains("general"), qPrintable(QStringLiteral("página %1").arg(i)));
            }
        }
        QVERIFY(conFilas >= 2);
    }

    // Every athlete's sheet is the sheet "IMPRIMIR" prints on that record's screen after
    // "Procesar Datos", pixel for pixel; its PDF, read by pdftotext, holds what the screen
    // showed, on a landscape page; names of every kind make files that exist and open.
    void hojasComoImprimir_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << "C";
        QTest::newRow("es_ES") << "es_ES";
    }
    void hojasComoImprimir()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("sin pdftotext (paquete poppler-utils) no se leen los PDF");
        QRandomGenerator azar(7);
        P p;
        QByteArray nivel2 = archivoDeEquipo(azar, false).left(5 * 130);
        for (const char *nombre : {"José/Núñez", "O'Brien \"Tito\"", "...Punto.", "A:B*C?<>|"}) {
            TipoReg r;
            r.guardar(Campo::Nombre, QString::fromUtf8(nombre));
            r.guardar(Campo::Edad, QStringLiteral("11"));
            r.guardar(Campo::Resistencia, QStringLiteral("1,25"));
            r.guardar(Campo::Velocidad, QStringLiteral("8.5"));
            for (Campo c : {Campo::Lagartijas, Campo::Abdominales, Campo::Sentadillas})
                r.guardar(c, QStringLiteral("26"));
            nivel2 += r.bytes();
        }
        QVERIFY(escribirArchivo(p.ruta("nivel2.dat"), nivel2));
        QVERIFY(escribirArchivo(p.ruta("fundamentos.dat"), archivoDeEquipo(azar, true).left(4 * 130)));
        p.iniciarHastaInicio();
        QTemporaryDir pdfs;
        int hojas = 0;
        for (int i : {1, 4}) {
            const Equipo e = leerEquipo(QFileInfo(p.ruta("nivel2.dat")).absolutePath(), DefArchivos[std::size_t(i)]);
            QVERIFY(!e.atletas.empty());
            const ResultadoDe<int> guardadas = guardarHojasEnPdf(e, pdfs.path());
            QVERIFY2(guardadas.ok(), qPrintable(guardadas.razon()));
            QCOMPARE(guardadas.valor(), int(e.atletas.size()));
            Pantalla *pantalla = p.mostrar(Pantallas[i]);
            int enPantalla = 1;
            for (const Atleta &a : e.atletas) {
                procesarRegistro(pantalla, enPantalla, a.numero);
                P::pulsar(pantalla, "Command2");
                QCOMPARE(hojaDeRegistro(e.archivo, a.datos).imagen(), p.escritorio.impresas.last());

                const QString pdf = QDir(pdfs.path()).filePath(nombreDeHoja(e, a));
                QVERIFY2(QFileInfo::exists(pdf), qPrintable(pdf));
                QProcess leer;
                leer.start("pdftotext", {"-layout", pdf, "-"});
                QVERIFY(leer.waitForFinished(30000));
                const QString texto = QString::fromUtf8(leer.readAllStandardOutput());
                QStringList esperado{P::texto(pantalla, "txtNombre")->text(), P::etiqueta(pantalla, "Label19")->text()};
                for (const Campo campo : camposDe(DefArchivos[std::size_t(i)]))
                    esperado << P::texto(pantalla, cajaDeCampo(campo))->text().trimmed();
                esperado << P::resultados(pantalla) << QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
                for (const QString &t : esperado)
                    QVERIFY2(texto.contains(t),
                             qPrintable(QStringLiteral("«%1» no está en %2").arg(t, nombreDeHoja(e, a))));
                QProcess info;
                info.start("pdfinfo", {pdf});
                QVERIFY(info.waitForFinished(30000));
                const QString datos = QString::fromUtf8(info.readAllStandardOutput());
                QVERIFY2(datos.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(datos));
                const QRegularExpressionMatch tamano =
                    QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(datos);
                QVERIFY(tamano.hasMatch());
                QVERIFY2(tamano.captured(1).toDouble() > tamano.captured(2).toDouble(), "la hoja va apaisada");
                ++hojas;
            }
        }
        QCOMPARE(QDir(pdfs.path()).entryList({"*.pdf"}, QDir::Files).size(), hojas);
        QVERIFY(QFileInfo::exists(QDir(pdfs.path()).filePath(QString::fromUtf8("NIVEL 2 - 06 - José-Núñez.pdf"))));
        QVERIFY(QFileInfo::exists(QDir(pdfs.path()).filePath(QString::fromUtf8("NIVEL 2 - 08 - Punto.pdf"))));
    }

    // The window opens on the first tab with athletes; the printed report follows the order on
    // screen and names the team's folder, not its path; it fits a 1366 x 768 screen.
    void ventanaDelEquipo()
    {
        QTemporaryDir raiz;
        const QString carpeta = raiz.filePath("Sub-12 Tigres");
        QVERIFY(QDir().mkpath(carpeta));
        QByteArray datos;
        for (const char *nombre : {"Primero", "Segundo", "Tercero"}) {
            TipoReg r;
            r.guardar(Campo::Nombre, QString::fromLatin1(nombre));
            datos += r.bytes();
        }
        // level 2: I, SN, III by endurance alone; the overall grade needs all three
        const char *resistencia[] = {"1.0", "2.5", "1.3"};
        for (int n = 0; n < 3; ++n) {
            TipoReg r = TipoReg::desdeBytes(datos.mid(n * 130, 130));
            r.guardar(Campo::Resistencia, QString::fromLatin1(resistencia[n]));
            r.guardar(Campo::Velocidad, QStringLiteral("7"));
            for (Campo c : {Campo::Lagartijas, Campo::Abdominales, Campo::Sentadillas})
                r.guardar(c, QStringLiteral("25"));
            datos.replace(n * 130, 130, r.bytes());
        }
        QVERIFY(escribirArchivo(QDir(carpeta).filePath("nivel2.dat"), datos));
        VentanaEquipo equipo(carpeta);
        QCOMPARE(equipo.pestanaAbierta(), 1);
        QVERIFY(equipo.windowTitle().contains("Sub-12 Tigres"));

        equipo.tabla(1)->sortByColumn(equipo.tabla(1)->model()->columnCount() - 1, Qt::DescendingOrder);
        QStringList enPantalla;
        for (int r = 0; r < 3; ++r)
            enPantalla << equipo.tabla(1)->model()->index(r, 1).data().toString();
        QCOMPARE(enPantalla, (QStringList{"Segundo", "Tercero", "Primero"}));
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(raiz.filePath("informe.pdf"));
        impresora.setPageOrientation(QPageLayout::Landscape);
        QVERIFY(equipo.imprimirEn(impresora) > 0);
        QProcess leer;
        leer.start("pdftotext", {raiz.filePath("informe.pdf"), "-"});
        if (!leer.waitForFinished(30000))
            QSKIP("sin pdftotext (paquete poppler-utils) no se lee el informe");
        const QString texto = QString::fromUtf8(leer.readAllStandardOutput());
        QVERIFY(texto.indexOf("Segundo") < texto.indexOf("Tercero"));
        QVERIFY(texto.indexOf("Tercero") < texto.indexOf("Primero"));
        QVERIFY2(texto.contains("Equipo: Sub-12 Tigres"), qPrintable(texto.left(400)));
        QVERIFY(!texto.contains(raiz.path()));

        // a 1366 x 768 screen keeps about 700 pixels for a window under its title bar and panel
        QVERIFY2(equipo.minimumSizeHint().height() <= 700,
                 qPrintable(QString::number(equipo.minimumSizeHint().height())));
        QVERIFY(equipo.minimumSizeHint().width() <= 1366);
        const QRect libre = equipo.screen()->availableGeometry();
        QVERIFY(equipo.height() + 30 <= qMax(libre.height(), equipo.minimumSizeHint().height() + 30));
    }

    void fechaEnEspanol_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("fecha");
        QTest::newRow("en_US") << "en_US" << QString::fromUtf8("miércoles, 9 de diciembre de 2026");
        QTest::newRow("de_DE") << "de_DE" << QString::fromUtf8("miércoles, 9 de diciembre de 2026");
        QTest::newRow("es_MX") << "es_MX" << QString::fromUtf8("miércoles, 9 de diciembre de 2026");
        QTest::newRow("C") << "C" << QString::fromUtf8("miércoles, 9 de diciembre de 2026");
    }
    void fechaEnEspanol()
    {
        QFETCH(QString, locale);
        QFETCH(QString, fecha);
        QCOMPARE(korva::fechaEnEspanol(QDate(2026, 12, 9), QLocale(locale)), fecha);
    }

    // Two evaluations of the same athletes: every change in the table is the difference of
    // what the screens show for that athlete in each.
    void comparacionComoLasPantallas()
    {
        QRandomGenerator azar(19);
        P p;
        p.iniciarHastaInicio();
        // what the screens show, for each file, then and now: record number -> the eight results
        std::array<QHash<int, QStringList>, 2> enPantalla[5];
        const auto mirar = [&](int vez) {
            for (std::size_t i = 0; i < DefArchivos.size(); ++i) {
                Pantalla *pantalla = p.mostrar(Pantallas[i]);
                const Equipo e = leerEquipo(QFileInfo(p.ruta("nivel1.dat")).absolutePath(), DefArchivos[i]);
                int en = 1;
                for (const Atleta &a : e.atletas) {
                    procesarRegistro(pantalla, en, a.numero);
                    enPantalla[i][std::size_t(vez)][a.numero] = P::resultados(pantalla);
                }
                delete pantalla;  // opened again, it reads its file again
            }
        };
        std::array<QByteArray, 5> antes;
        for (std::size_t i = 0; i < DefArchivos.size(); ++i)
            QVERIFY(escribirArchivo(p.ruta(DefArchivos[i].archivo), antes[i] = archivoDeEquipo(azar, i == 4)));
        mirar(0);
        const QString carpeta = QFileInfo(p.ruta("nivel1.dat")).absolutePath();
        const ResultadoDe<QString> guardada = guardarEvaluacion(carpeta, QStringLiteral("Inicio"));
        QVERIFY2(guardada.ok(), qPrintable(guardada.razon()));
        // the same athletes in the same records, other results
        for (std::size_t i = 0; i < DefArchivos.size(); ++i) {
            QByteArray despues = archivoDeEquipo(azar, i == 4);
            for (int n = 0; n < 30; ++n) {
                const TipoReg viejo = TipoReg::desdeBytes(antes[i].mid(n * 130, 130));
                TipoReg nuevo = TipoReg::desdeBytes(despues.mid(n * 130, 130));
                nuevo.guardar(Campo::Nombre, viejo.campo(Campo::Nombre));
                despues.replace(n * 130, 130, nuevo.bytes());
            }
            QVERIFY(escribirArchivo(p.ruta(DefArchivos[i].archivo), despues));
        }
        mirar(1);

        VentanaEquipo equipo(carpeta);
        equipo.compararCon(QFileInfo(guardada.valor()).fileName());
        int cambios = 0;
        for (int i = 0; i < 5; ++i) {
            const Equipo &e = equipo.equipo(i);
            const TablaEquipo t = equipo.tablaEnOrden(i);
            const int base = t.columnasPropias;
            for (const QStringList &fila : t.filas) {
                const int numero = fila[0].toInt();
                if (numero == 0)
                    continue;  // nobody is gone: same names
                const QStringList entonces = enPantalla[i][0].value(numero), ahora = enPantalla[i][1].value(numero);
                for (int k = 0; k < 4; ++k) {
                    QCOMPARE(fila[base + 2 * k], entonces[k]);
                    bool a = false, b = false;
                    const double d = ahora[k].toDouble(&b) - entonces[k].toDouble(&a);
                    QCOMPARE(fila[base + 2 * k + 1],
                             a && b ? (d > 0 ? QStringLiteral("+") : QString()) + QString::number(d) : QString());
                    cambios += a && b;
                }
                QCOMPARE(fila[base + 8], entonces[7]);
            }
            QCOMPARE(int(t.filas.size()), int(e.atletas.size()));
        }
        QVERIFY(cambios > 300);
    }

    // At 1366 x 768 with a comparison: the changes show and the values then wait behind a
    // choice; scrolled to the far right, the number and the name stay in view.
    void comparacionEnUnPortatil()
    {
        QRandomGenerator azar(5);
        QTemporaryDir dir;
        QVERIFY(escribirArchivo(dir.filePath("nivel2.dat"), archivoDeEquipo(azar, false)));
        const ResultadoDe<QString> guardada = guardarEvaluacion(dir.path(), "Inicio");
        QVERIFY(guardada.ok());
        VentanaEquipo equipo(dir.path());
        equipo.resize(1366, 700);
        equipo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&equipo));
        equipo.compararCon(QFileInfo(guardada.valor()).fileName());
        QTableView *t = equipo.tabla(1);
        const QAbstractItemModel *m = t->model();
        QStringList visibles, ocultas;
        for (int c = 0; c < m->columnCount(); ++c)
            (t->isColumnHidden(c) ? ocultas : visibles) << m->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(ocultas,
                 (QStringList{"% resist. antes", "% veloc. antes", "% fuerza antes", "% prom. antes",
                              "Nivel general antes"}));
        QVERIFY(visibles.contains("Cambio % resist.") && visibles.contains(ColumnaEvolucion));
        auto *fija = t->findChild<QTableView *>("columnasFijas");
        QVERIFY(fija && fija->isVisible());
        QVERIFY(!fija->isColumnHidden(0) && !fija->isColumnHidden(1) && fija->isColumnHidden(2));
        t->horizontalScrollBar()->setValue(t->horizontalScrollBar()->maximum());
        QApplication::processEvents();
        QVERIFY(t->horizontalScrollBar()->value() > 0);
        // the fixed columns cover the left of the table, whatever is scrolled under them
        QCOMPARE(fija->geometry().left(), t->frameWidth());
        QCOMPARE(fija->width(), t->columnWidth(0) + t->columnWidth(1));
        QCOMPARE(fija->model()->index(0, 1).data().toString(), t->model()->index(0, 1).data().toString());
        // the values then, on demand
        for (QAction *a : equipo.findChildren<QAction *>())
            if (a->text() == QStringLiteral("&Mostrar los valores anteriores"))
                a->trigger();
        for (int c = 0; c < m->columnCount(); ++c)
            QVERIFY(!t->isColumnHidden(c));
    }
};

QTEST_MAIN(PruebaEquipo)
#include "prueba_equipo.moc"
