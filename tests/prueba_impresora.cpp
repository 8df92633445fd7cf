#include "programa_prueba.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>

using namespace korva;
using P = ProgramaDePrueba;

// "IMPRIMIR" through the real path: Qt's print support, CUPS, a queue that keeps its jobs.
class PruebaImpresora : public QObject
{
    Q_OBJECT

    QString m_cups;

    QStringList trabajos() const
    {
        return QDir(m_cups + "/spool").entryList({"d*"}, QDir::Files, QDir::Name);
    }

private slots:
    void initTestCase()
    {
        m_cups = qEnvironmentVariable("KORVA_CUPS");
        if (m_cups.isEmpty())
            QSKIP("sin impresora de prueba: KORVA_CUPS no está definida (se corre con ctest)");
        QFile razon(m_cups + "/no-disponible");
        if (razon.open(QIODevice::ReadOnly))
            QSKIP(qPrintable(QStringLiteral("sin impresora de prueba: ") + QString::fromUtf8(razon.readAll()).trimmed()));
    }

    void imprimeLaHojaEnUnaPagina()
    {
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("KORVA4_PRUEBA"));
        const QStringList antes = trabajos();

        P p;
        p.escritorio.impresoraReal = true;
        P::pulsar(p.iniciarHastaInicio(), "Command1");
        Pantalla *n2 = p.mostrar(IdPantalla::NIVEL2);
        const char *cajas[] = {"txtNombre", "txtedad", "txtresistencia", "txtvelocidad", "txtlagartijas",
                               "txtabdominales", "txtsentadillas"};
        const QStringList valores{"ANA", "10", "1.25", "8.5", "25", "26", "27"};
        for (int i = 0; i < 7; ++i)
            P::texto(n2, cajas[i])->setText(valores[i]);
        P::pulsar(n2, "Command3");
        P::pulsar(n2, "Command2");
        QVERIFY2(p.escritorio.mensajes.isEmpty(), qPrintable(p.escritorio.mensajes.join('\n')));

        QStringList nuevos;
        QTRY_VERIFY_WITH_TIMEOUT(!(nuevos = QStringList(trabajos())).isEmpty() && nuevos != antes, 30000);
        for (const QString &t : antes)
            nuevos.removeAll(t);
        QCOMPARE(nuevos.size(), 1);
        const QString trabajo = m_cups + "/spool/" + nuevos[0];

        QFile f(trabajo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        f.close();

        QProcess info;
        info.start("pdfinfo", {trabajo});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\\n")));

        QTemporaryDir dir;
        QProcess render;
        render.start("pdftoppm", {"-r", "72", "-png", "-singlefile", trabajo, dir.filePath("pagina")});
        QVERIFY(render.waitForFinished(30000));
        const QImage pagina(dir.filePath("pagina.png"));
        QVERIFY(!pagina.isNull());

        // where the sheet lies on the page: the printer's printable area, scaled to fit
        QPrinter impresora(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        const QRectF area = impresora.pageLayout().paintRect(QPageLayout::Point);
        const double escala = qMin(area.width() / 785.0, area.height() / 521.0);
        auto enPagina = [&](const QRect &r) {
            return QRectF(area.x() + r.x() * escala, area.y() + r.y() * escala, r.width() * escala,
                          r.height() * escala).toRect();
        };
        auto oscuros = [&](const QRect &r) {
            int n = 0;
            for (int x = r.left(); x <= r.right(); ++x)
                for (int y = r.top(); y <= r.bottom(); ++y)
                    n += pagina.pixelColor(x, y).lightness() < 110;
            return n;
        };
        for (const char *oculto : {"cmdGuardarReg", "cmdRegSiguiente", "Command3", "Command2", "cmdSalir", "Label9"}) {
            const QRect r = enPagina(n2->findChild<QWidget *>(oculto)->geometry()).adjusted(2, 2, -2, -2);
            QVERIFY2(oscuros(r) == 0, oculto);
            QVERIFY2(pagina.pixelColor(r.center()).lightness() > 240, oculto);
        }
        const QRect titulo = enPagina(P::etiqueta(n2, "Label8")->geometry());
        QVERIFY2(oscuros(titulo) > 40, "el título debe verse oscuro en la hoja");
        QVERIFY(oscuros(enPagina(QRect(20, 92, 8, 352))) > 50);  // the left side of the body frame
    }
};

QTEST_MAIN(PruebaImpresora)
#include "prueba_impresora.moc"
