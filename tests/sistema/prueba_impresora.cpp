#include "equipo/tabla/ventana_equipo.h"
#include "apoyo/programa_prueba.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>

using namespace korva;
using P = ProgramaDePrueba;

// "IMPRIMIR" through the real path: Qt's print support, CUPS, a queue that keeps its jobs.
// A level file of n athletes, each record made by the function given.
QByteArray archivoDeNivel(int n, const std::function<void(TipoReg &, int)> &llenar)
{
    QByteArray datos;
    for (int i = 1; i <= n; ++i) {
        TipoReg r;
        llenar(r, i);
        datos += r.bytes();
    }
    return datos;
}

// What a program printed on its standard output.
QString salida(const QString &programa, const QStringList &args)
{
    QProcess p;
    p.start(programa, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class PruebaImpresora : public QObject
{
    Q_OBJECT

    QString m_cups;

    QStringList trabajos() const { return QDir(m_cups + "/spool").entryList({"d*"}, QDir::Files, QDir::Name); }

    // The one job the queue received since, once it is there; empty when none came.
    QString trabajoNuevo(const QStringList &antes) const
    {
        QStringList nuevos;
        const bool llego = QTest::qWaitFor(
            [&] {
                nuevos = trabajos();
                for (const QString &t : antes)
                    nuevos.removeAll(t);
                return !nuevos.isEmpty();
            },
            30000);
        return llego && nuevos.size() == 1 ? m_cups + "/spool/" + nuevos[0] : QString();
    }

private slots:
    void initTestCase()
    {
        m_cups = qEnvironmentVariable("KORVA_CUPS");
        if (m_cups.isEmpty())
            QSKIP("sin impresora de prueba: KORVA_CUPS no está definida (se corre con ctest)");
        QFile razon(m_cups + "/no-disponible");
        if (razon.open(QIODevice::ReadOnly))
            QSKIP(
                qPrintable(QStringLiteral("sin impresora de prueba: ") + QString::fromUtf8(razon.readAll()).trimmed()));
    }

    void imprimeLaHojaEnUnaPagina()
    {
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("KORVA4_PRUEBA"));
        const QStringList antes = trabajos();

        P p;
        p.escritorio.impresoraReal = true;
        P::pulsar(p.iniciarHastaInicio(), "Command1");
        Pantalla *n2 = p.mostrar(IdPantalla::NIVEL2);
        const char *cajas[] = {"txtNombre",     "txtedad",        "txtresistencia", "txtvelocidad",
                               "txtlagartijas", "txtabdominales", "txtsentadillas"};
        const QStringList valores{"ANA", "10", "1.25", "8.5", "25", "26", "27"};
        for (int i = 0; i < 7; ++i)
            P::texto(n2, cajas[i])->setText(valores[i]);
        P::pulsar(n2, "Command3");
        P::pulsar(n2, "Command2");
        QVERIFY2(p.escritorio.mensajes.isEmpty(), qPrintable(p.escritorio.mensajes.join('\n')));

        const QString trabajo = trabajoNuevo(antes);
        QVERIFY2(!trabajo.isEmpty(), "la cola no recibió un trabajo nuevo");

        QFile f(trabajo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        f.close();

        // one page, turned the way the sheet fills it most
        const QString info = salida("pdfinfo", {trabajo});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        const auto tamano = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
        QVERIFY(tamano.hasMatch());
        const bool rotada = info.contains(QRegularExpression("Page rot:\\s+(90|270)"));
        QVERIFY2((tamano.captured(1).toDouble() > tamano.captured(2).toDouble()) != rotada, "la hoja debe ir apaisada");

        // the text is text, in reading order, and the hidden controls are not there
        const QString texto = salida("pdftotext", {trabajo, "-"});
        const QString fecha = P::etiqueta(n2, "Label28")->text();
        QVERIFY(!fecha.isEmpty());
        QVERIFY2(texto.contains(fecha), qPrintable(texto));  // above the rest, at the top right
        qsizetype desde = 0;
        for (const char *t : {"ANA", "EVALUACION INDIVIDUAL", "RESISTENCIA", "VELOCIDAD", "FUERZA", "NIVEL"}) {
            const qsizetype en = texto.indexOf(QString::fromUtf8(t), desde);
            QVERIFY2(en >= 0,
                     qPrintable(
                         QStringLiteral("falta «%1» después de la posición %2 en:\n%3").arg(t).arg(desde).arg(texto)));
            desde = en + 1;
        }
        for (const char *oculto : {"Guardar Registro", "IMPRIMIR", "Procesar", "Salir", "Opciones", "REGISTRO"})
            QVERIFY2(!texto.contains(QString::fromUtf8(oculto)), oculto);

        // the drawn area spans the printable width of the page
        QTemporaryDir dir;
        salida("pdftoppm", {"-r", "72", "-png", "-singlefile", trabajo, dir.filePath("pagina")});
        const QImage pagina(dir.filePath("pagina.png"));
        QVERIFY(!pagina.isNull());
        int izquierda = pagina.width(), derecha = -1;
        for (int y = 0; y < pagina.height(); ++y)
            for (int x = 0; x < pagina.width(); ++x)
                if (pagina.pixelColor(x, y).lightness() < 200) {
                    izquierda = qMin(izquierda, x);
                    derecha = qMax(derecha, x);
                }
        QPrinter impresora(QPrinterInfo::defaultPrinter());
        impresora.setPageOrientation(QPageLayout::Landscape);
        const double imprimible = impresora.pageLayout().paintRect(QPageLayout::Point).width();
        QVERIFY2(derecha - izquierda >= 0.9 * imprimible,
                 qPrintable(QStringLiteral("%1 de %2 puntos").arg(derecha - izquierda).arg(imprimible)));
    }

    // The team report of a full level, through the same queue: names, grades and the summary
    // as text; the 30 rows on the first page, the summary and its chart on the second.
    void informeDelEquipo()
    {
        const QStringList antes = trabajos();
        QTemporaryDir dir;
        const QByteArray datos = archivoDeNivel(30, [](TipoReg &r, int n) {
            r.guardar(Campo::Nombre, QStringLiteral("Atleta Núñez %1").arg(n));
            r.guardar(Campo::Edad, QStringLiteral("9"));
            r.guardar(Campo::Resistencia, QString::number(1.0 + n * 0.04, 'f', 2));
            r.guardar(Campo::Velocidad, QStringLiteral("8.5"));
            for (Campo c : {Campo::Lagartijas, Campo::Abdominales, Campo::Sentadillas})
                r.guardar(c, QString::number(n));
        });
        QFile f(dir.filePath("nivel1.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size());
        f.close();
        VentanaEquipo equipo(dir.path());
        QPrinter impresora(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        impresora.setPageOrientation(QPageLayout::Landscape);
        impresora.setColorMode(QPrinter::Color);
        const int paginas = equipo.imprimirEn(impresora);
        QCOMPARE(paginas, 2);

        const QString trabajo = trabajoNuevo(antes);
        QVERIFY2(!trabajo.isEmpty(), "la cola no recibió un trabajo nuevo");
        QProcess info;
        info.start("pdfinfo", {trabajo});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+2\\n")));
        for (int pagina = 1; pagina <= 2; ++pagina) {
            QProcess texto;
            texto.start("pdftotext", {"-f", QString::number(pagina), "-l", QString::number(pagina), trabajo, "-"});
            QVERIFY(texto.waitForFinished(30000));
            const QString t = QString::fromUtf8(texto.readAllStandardOutput());
            if (pagina == 1) {  // the table, 30 rows under its header row
                QVERIFY2(t.contains("Nombre") && t.contains("general"), qPrintable(t.left(300)));
                QVERIFY(t.contains(QString::fromUtf8("KORVA 4 Informe del equipo: NIVEL 1 (8-9años)")));
                QVERIFY(t.contains(QString::fromUtf8("Atleta Núñez 1")));
                QVERIFY(t.contains(QStringLiteral("SN")));
                QVERIFY(t.contains(QString::fromUtf8("Atleta Núñez 30")));
            } else {  // the summary with its chart, on a page of its own
                QVERIFY(t.contains(QStringLiteral("Resumen del equipo")));
                QVERIFY(t.contains(QStringLiteral("Atletas: 30")));
            }
        }
    }

    // Every athlete's sheet of a tab in one job: one page each, in the order on screen.
    void hojasDelEquipoEnUnTrabajo()
    {
        const QStringList antes = trabajos();
        QTemporaryDir dir;
        const QByteArray datos = archivoDeNivel(12, [](TipoReg &r, int n) {
            r.guardar(Campo::Nombre, QStringLiteral("Hoja Núñez %1").arg(n));
            r.guardar(Campo::Edad, QStringLiteral("10"));
            r.guardar(Campo::Resistencia, QStringLiteral("1,25"));
        });
        QFile f(dir.filePath("nivel2.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size());
        f.close();
        VentanaEquipo equipo(dir.path());
        QCOMPARE(equipo.pestanaAbierta(), 1);
        QPrinter impresora(QPrinterInfo::defaultPrinter(), QPrinter::ScreenResolution);
        QCOMPARE(equipo.imprimirHojasEn(impresora), 12);

        const QString trabajo = trabajoNuevo(antes);
        QVERIFY2(!trabajo.isEmpty(), "la cola no recibió un trabajo nuevo");
        QCOMPARE(salida("pdfinfo", {trabajo}).contains(QRegularExpression("Pages:\\s+12\\n")), true);
        for (int pagina : {1, 12}) {
            const QString t =
                salida("pdftotext", {"-f", QString::number(pagina), "-l", QString::number(pagina), trabajo, "-"});
            QVERIFY2(t.contains(QStringLiteral("Hoja Núñez %1").arg(pagina)), qPrintable(t.left(200)));
            QVERIFY(t.contains(QStringLiteral("EVALUACION INDIVIDUAL")));
        }
    }
};

QTEST_MAIN(PruebaImpresora)
#include "prueba_impresora.moc"
