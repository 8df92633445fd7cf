#include "apoyo/programa_prueba.h"
#include "apoyo/registros_ayuda.h"

using namespace korva;
using P = ProgramaDePrueba;

namespace {

const char *const CajasFundamentos[] = {"txtNombre",  "txtedad",  "txtcondinterna", "txtcondexterna", "txtrepecho",
                                        "txtremuslo", "txtrepie", "txttirointerna", "txttiroexterna", "txttirofrontal"};

void teclear(QWidget *w, const QStringList &valores)
{
    for (int i = 0; i < valores.size(); ++i)
        P::texto(w, CajasFundamentos[i])->setText(valores[i]);
}

Pantalla *abrir(P &p)
{
    P::pulsar(p.iniciarHastaInicio(), "Command2");
    return p.existente(IdPantalla::fundamento);
}

}  // namespace

class PruebaPantallaFundamentos : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void abreDesdeInicio()
    {
        P p;
        Pantalla *f = abrir(p);
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("KORVA 4 FUNDAMENTOS TECNICOS"));
        QVERIFY(f->windowState() & Qt::WindowMaximized);
        QCOMPARE(f->focusWidget()->objectName(), QStringLiteral("txtNombre"));
        QCOMPARE(P::etiqueta(f, "Label33")->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(QFile::exists(p.ruta("fundamentos.dat")));
        QVERIFY(!f->findChild<QWidget *>("Image1"));
        QVERIFY(!f->findChild<QWidget *>("Label28")->inherits("QLineEdit"));
        QCOMPARE(P::etiqueta(f, "Label28")->text(), QStringLiteral("INTERNA"));
    }

    void ejemplos_data()
    {
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<QStringList>("esperados");
        QTest::newRow("ejemplo del promedio") << QStringList{"LUIS", "12", "12", "13", "7", "8", "9", "5", "6", "7"}
                                              << QStringList{"75", "80", "60", "72", "II", "II", "III", "III"};
        QTest::newRow("conduccion lenta") << QStringList{"LUIS", "12", "20", "20", "7", "8", "9", "5", "6", "7"}
                                          << QStringList{"25", "80", "60", "55", "IV", "II", "III", "III"};
    }
    void ejemplos()
    {
        QFETCH(QStringList, valores);
        QFETCH(QStringList, esperados);
        P p;
        Pantalla *f = abrir(p);
        teclear(f, valores);
        P::boton(f, "cmdSalir")->setFocus();
        P::pulsar(f, "Command3");
        QCOMPARE(P::resultados(f), esperados);
        QCOMPARE(f->focusWidget()->objectName(), QStringLiteral("txtNombre"));
    }

    void procesarVaciaAntes()
    {
        P p;
        Pantalla *f = abrir(p);
        teclear(f, {"LUIS", "12", "12", "13", "7", "8", "9", "5", "6", "7"});
        P::pulsar(f, "Command3");
        QCOMPARE(P::etiqueta(f, "Label24")->text(), QStringLiteral("II"));
        teclear(f, {"LUIS", "12", "12", "13", "2", "2", "1", "5", "6", "7"});
        P::pulsar(f, "Command3");
        QCOMPARE(P::etiqueta(f, "Label12")->text(), QStringLiteral("17"));
        QCOMPARE(P::etiqueta(f, "Label24")->text(), QString());
        // a run that stops leaves the later labels empty, not an earlier athlete's
        teclear(f, {"LUIS", "12", "12", "13", "7", "8", "9", "5", "", "7"});
        P::pulsar(f, "Command3");
        QCOMPARE(P::resultados(f), (QStringList{"75", "80", "", "", "", "", "", ""}));
    }

    void luisByteAByte()
    {
        P p;
        Pantalla *f = abrir(p);
        teclear(f, {"LUIS", "12", "7", "6", "8", "5", "9", "4", "3", "10"});
        P::pulsar(f, "cmdGuardarReg");
        QCOMPARE(leerArchivo(p.ruta("fundamentos.dat")), registroLuis());
    }

    void valorLargoSeCorta()
    {
        P p;
        Pantalla *f = abrir(p);
        teclear(f, {"LUIS", "12", "123456"});
        P::pulsar(f, "cmdGuardarReg");
        QCOMPARE(leerArchivo(p.ruta("fundamentos.dat")).mid(90, 5), QByteArray("12345"));
        P::pulsar(f, "cmdRegSiguiente");
        P::pulsar(f, "cmdRegAnterior");
        QCOMPARE(P::texto(f, "txtcondinterna")->text(), QStringLiteral("12345"));
    }

    void bytesDeNivelSobreviven()
    {
        P p;
        const QByteArray ajeno = registroAjeno(9);
        QVERIFY(escribirArchivo(p.ruta("fundamentos.dat"), ajeno));
        Pantalla *f = abrir(p);
        teclear(f, {"LUIS", "12", "7", "6", "8", "5", "9", "4", "3", "10"});
        P::pulsar(f, "cmdGuardarReg");
        QCOMPARE(leerArchivo(p.ruta("fundamentos.dat")).mid(40, 50), ajeno.mid(40, 50));
        P::pulsar(f, "cmdSalir");
        const QByteArray bytes = leerArchivo(p.ruta("fundamentos.dat"));
        QCOMPARE(bytes.size(), 3900);
        QCOMPARE(bytes.left(130), registroLuis().left(40) + ajeno.mid(40, 50) + registroLuis().mid(90));
        QCOMPARE(p.escritorio.terminaciones, 1);
    }

    void cadaPantallaSuArchivo()
    {
        P p;
        const QByteArray nivel = registroAna(), fund = registroLuis();
        QVERIFY(escribirArchivo(p.ruta("nivel1.dat"), nivel));
        QVERIFY(escribirArchivo(p.ruta("fundamentos.dat"), fund));
        Pantalla *f = abrir(p);
        P::pulsar(p.existente(IdPantalla::INICIO), "Command1");
        Pantalla *n1 = p.mostrar(IdPantalla::NIVEL1);
        P::pulsar(f, "cmdRegSiguiente");  // record 1 of the fundamentals into its own table
        P::pulsar(f, "cmdSalir");
        QCOMPARE(leerArchivo(p.ruta("fundamentos.dat")), fund + ceros(29 * 130));
        QCOMPARE(leerArchivo(p.ruta("nivel1.dat")), nivel);
        P::pulsar(n1, "cmdSalir");
        QCOMPARE(leerArchivo(p.ruta("nivel1.dat")), nivel + ceros(29 * 130));
    }

    void borrarYRegresar()
    {
        P p;
        Pantalla *f = abrir(p);
        teclear(f, {"LUIS", "12", "12", "13", "7", "8", "9", "5", "6", "7"});
        P::pulsar(f, "Command3");
        P::pulsar(f, "cmdRegSiguiente");
        teclear(f, {"LUIS", "12", "12", "13", "7", "8", "9", "5", "6", "7"});
        P::pulsar(f, "Command3");
        P::pulsar(f, "Command1");
        for (const char *c : CajasFundamentos)
            QCOMPARE(P::texto(f, c)->text(), QString());
        QCOMPARE(P::resultados(f), QStringList(8, QString()));
        QCOMPARE(P::etiqueta(f, "Label9")->text(), QStringLiteral("2"));
        P::pulsar(f, "cmdRegresar");
        QVERIFY(p.existente(IdPantalla::INICIO)->isVisible());
        P::pulsar(p.existente(IdPantalla::INICIO), "Command2");
        QCOMPARE(p.existente(IdPantalla::fundamento), f);
        QCOMPARE(P::etiqueta(f, "Label9")->text(), QStringLiteral("2"));
    }

    void imprimir()
    {
        P p;
        Pantalla *f = abrir(p);
        teclear(f, {"LUIS", "12", "12", "13", "7", "8", "9", "5", "6", "7"});
        P::pulsar(f, "Command3");
        const QImage antes = f->grab().toImage();
        P::pulsar(f, "Command2");
        QCOMPARE(p.escritorio.impresas.size(), 1);
        const QImage hoja = p.escritorio.impresas[0];
        const QStringList ocultos{"Frame1",         "Label9",          "Label10",     "cmdGuardarReg",
                                  "cmdRegAnterior", "cmdRegSiguiente", "cmdRegresar", "cmdSalir",
                                  "Command1",       "Command3",        "Command2"};
        for (const QString &o : ocultos) {
            QWidget *w = f->findChild<QWidget *>(o);
            QVERIFY(w->isVisible());
            QCOMPARE(hoja.pixelColor(w->geometry().center()), QColor(255, 255, 255));
        }
        // the logo, the date and the typed values are on the sheet
        int deColor = 0;
        const QRect logo = f->findChild<QWidget *>("Image2")->geometry();
        for (int x = logo.left(); x <= logo.right(); ++x)
            for (int y = logo.top(); y <= logo.bottom(); ++y)
                deColor += hoja.pixelColor(x, y) != QColor(255, 255, 255);
        QVERIFY(deColor > 500);
        int tinta = 0;
        const QRect nombre = P::texto(f, "txtNombre")->geometry().adjusted(3, 3, -3, -3);
        for (int x = nombre.left(); x <= nombre.right(); ++x)
            for (int y = nombre.top(); y <= nombre.bottom(); ++y)
                tinta += hoja.pixelColor(x, y).lightness() < 80;
        QVERIFY(tinta > 30);                                     // "LUIS" is printed
        QCOMPARE(hoja.pixelColor(432, 300), QColor(0, 0, 192));  // the results box starts at x 432
        QCOMPARE(f->grab().toImage(), antes);
    }

    void ordenDeFoco()
    {
        P p;
        Pantalla *f = abrir(p);
        QCOMPARE(P::cadenaDeFoco(f, "txtNombre", 18),
                 (QStringList{"txtNombre", "txtedad", "txtcondinterna", "txtcondexterna", "txtrepecho", "txtremuslo",
                              "txtrepie", "txttirointerna", "txttiroexterna", "txttirofrontal", "cmdGuardarReg",
                              "cmdRegSiguiente", "cmdRegAnterior", "cmdRegresar", "Command1", "Command3", "Command2",
                              "cmdSalir"}));
    }
};

QTEST_MAIN(PruebaPantallaFundamentos)
#include "prueba_pantalla_fundamentos.moc"
