#include "apoyo/programa_prueba.h"
#include "apoyo/registros_ayuda.h"

using namespace korva;
using P = ProgramaDePrueba;

namespace {

const char *const CajasNivel[] = {"txtNombre",     "txtedad",        "txtresistencia", "txtvelocidad",
                                  "txtlagartijas", "txtabdominales", "txtsentadillas"};

void teclear(QWidget *w, const QStringList &valores)
{
    for (int i = 0; i < valores.size(); ++i)
        P::texto(w, CajasNivel[i])->setText(valores[i]);
}

Pantalla *abrirNivel(P &p, IdPantalla id)
{
    P::pulsar(p.iniciarHastaInicio(), "Command1");
    return p.mostrar(id);
}

bool esBlanco(const QImage &img, QPoint punto)
{
    return img.pixelColor(punto) == QColor(255, 255, 255);
}

}  // namespace

class PruebaPantallaNivel : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void eventoTipicoDeNivel2()
    {
        P p;
        Pantalla *n2 = abrirNivel(p, IdPantalla::NIVEL2);
        teclear(n2, {"ANA", "10", "1.25", "8.5", "25", "26", "27"});
        P::boton(n2, "Command2")->setFocus();
        P::pulsar(n2, "Command3");
        QCOMPARE(P::resultados(n2), (QStringList{"50", "25", "75", "50", "III", "IV", "II", "III"}));
        QCOMPARE(n2->focusWidget()->objectName(), QStringLiteral("txtNombre"));
        P::pulsar(n2, "cmdGuardarReg");
        const QByteArray esperado = relleno("ANA", 30) + relleno("10", 10) + relleno("1.25", 10) + relleno("8.5", 10)
            + relleno("25", 10) + relleno("26", 10) + relleno("27", 10) + ceros(40);
        QCOMPARE(leerArchivo(p.ruta("nivel2.dat")), esperado);
        // saving leaves the results and the record number as they were
        QCOMPARE(P::resultados(n2).at(3), QStringLiteral("50"));
        QCOMPARE(P::etiqueta(n2, "Label9")->text(), QString());
        QVERIFY(p.escritorio.mensajes.isEmpty());
    }

    void etiquetasDeGradoCrecen()
    {
        P p;
        Pantalla *n1 = abrirNivel(p, IdPantalla::NIVEL1);
        teclear(n1, {"", "", "2.0", "12", "1", "1", "1"});
        P::pulsar(n1, "Command3");
        for (const char *n : {"Label23", "Label24", "Label25", "Label26"}) {
            QLabel *l = P::etiqueta(n1, n);
            QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()), n);
        }
        QCOMPARE(P::etiqueta(n1, "Label23")->text(), QStringLiteral("III"));
        QCOMPARE(P::etiqueta(n1, "Label24")->text(), QStringLiteral("SN"));
        QCOMPARE(P::etiqueta(n1, "Label23")->pos(), QPoint(616, 200));
    }

    // A second run keeps nothing of the first: the labels it does not write stay empty.
    void segundaCorridaNoHereda_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QStringList>("esperados");
        QTest::newRow("resistencia en el hueco del nivel 1")
            << 1 << "txtresistencia"
            << "2.105" << QStringList{"", "100", "100", "", "", "I", "", ""};
        QTest::newRow("velocidad no numerica") << 1 << "txtvelocidad"
                                               << "abc" << QStringList{"75", "", "", "", "II", "", "", ""};
        QTest::newRow("resistencia vacia") << 3 << "txtresistencia"
                                           << "" << QStringList{"", "", "", "", "", "", "", ""};
    }
    void segundaCorridaNoHereda()
    {
        QFETCH(int, nivel);
        QFETCH(QString, caja);
        QFETCH(QString, valor);
        QFETCH(QStringList, esperados);
        P p;
        Pantalla *n = abrirNivel(p, IdPantalla(int(IdPantalla::NIVEL1) + nivel - 1));
        teclear(n, {"ANA", "9", "1.3", "7", "25", "25", "25"});
        P::pulsar(n, "Command3");
        QVERIFY(!P::resultados(n).contains(QString()));
        P::texto(n, caja.toLatin1().constData())->setText(valor);
        P::pulsar(n, "Command3");
        QCOMPARE(P::resultados(n), esperados);
        QCOMPARE(n->focusWidget()->objectName(), QStringLiteral("txtNombre"));
    }

    void regresarYVolverSinCargar()
    {
        P p;
        Pantalla *n3 = abrirNivel(p, IdPantalla::NIVEL3);
        teclear(n3, {"LUIS", "13", "2.1", "5", "32", "32", "32"});
        P::pulsar(n3, "Command3");
        P::pulsar(n3, "cmdRegSiguiente");
        teclear(n3, {"LUIS", "13", "2.1", "5", "32", "32", "32"});
        P::pulsar(n3, "Command3");
        const QStringList resultados = P::resultados(n3);
        const QString fecha = P::etiqueta(n3, "Label28")->text();
        P::etiqueta(n3, "Label28")->setText("fecha de la primera apertura");
        P::pulsar(n3, "cmdRegresar");
        QVERIFY(p.existente(IdPantalla::MENU)->isVisible());
        // the file changes behind the screen's back: no new load may read it
        QVERIFY(escribirArchivo(p.ruta("nivel3.dat"), registroAjeno(1)));
        P::pulsar(p.existente(IdPantalla::MENU), "Command3");
        QCOMPARE(p.existente(IdPantalla::NIVEL3), n3);
        QCOMPARE(P::texto(n3, "txtNombre")->text(), QStringLiteral("LUIS"));
        QCOMPARE(P::resultados(n3), resultados);
        QCOMPARE(P::etiqueta(n3, "Label9")->text(), QStringLiteral("2"));
        QCOMPARE(P::etiqueta(n3, "Label28")->text(), QStringLiteral("fecha de la primera apertura"));
        QVERIFY(!fecha.isEmpty());
    }

    void cargaMuestraElRegistro1()
    {
        P p;
        QVERIFY(escribirArchivo(p.ruta("nivel4.dat"), registroAna()));
        Pantalla *n4 = abrirNivel(p, IdPantalla::nivel4);
        QCOMPARE(P::texto(n4, "txtNombre")->text(), QStringLiteral("ANA"));  // its padding not shown
        QCOMPARE(P::texto(n4, "txtedad")->text(), QStringLiteral("9"));
        QCOMPARE(P::etiqueta(n4, "Label9")->text(), QString());
        QCOMPARE(P::etiqueta(n4, "Label28")->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        // a stored record scores as the bare numbers do
        P::pulsar(n4, "Command3");
        QCOMPARE(P::resultados(n4), (QStringList{"100", "50", "15", "55", "I", "III", "SN", "II"}));
    }

    // A record stepped through holds blanks; its boxes show none, so a name typed there is
    // kept whole, and the file's bytes are what they always were.
    void nombreTecleadoTrasElRelleno()
    {
        P p;
        Pantalla *n2 = abrirNivel(p, IdPantalla::NIVEL2);
        for (const char *b :
             {"cmdRegSiguiente", "cmdRegAnterior", "cmdRegSiguiente", "cmdRegAnterior", "cmdRegSiguiente"})
            P::pulsar(n2, b);
        QLineEdit *nombre = P::texto(n2, "txtNombre");
        QCOMPARE(nombre->text(), QString());
        nombre->setFocus();
        QTest::keyClicks(nombre, QStringLiteral("Ana Perez"));
        P::pulsar(n2, "cmdGuardarReg");
        const QByteArray bytes = leerArchivo(p.ruta("nivel2.dat"));
        QCOMPARE(bytes.mid(130, 40), QByteArray("Ana Perez") + QByteArray(21, ' ') + QByteArray(10, ' '));
        P::pulsar(n2, "cmdRegAnterior");
        P::pulsar(n2, "cmdRegSiguiente");
        QCOMPARE(nombre->text(), QStringLiteral("Ana Perez"));
    }

    // A screen reader reads each text box by the caption of the label beside it.
    void nombresParaLectorDePantalla_data()
    {
        QTest::addColumn<int>("pantalla");
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("nombre");
        const QStringList nivel{"Nombre",     "Edad",        "Resistencia", "Velocidad",
                                "Lagartijas", "Abdominales", "Sentadillas"};
        for (int i = 0; i < nivel.size(); ++i)
            QTest::addRow("NIVEL3 %s", CajasNivel[i]) << int(IdPantalla::NIVEL3) << CajasNivel[i] << nivel[i];
        QTest::newRow("fundamentos nombre") << int(IdPantalla::fundamento) << "txtNombre"
                                            << "Nombre";
        QTest::newRow("fundamentos pecho") << int(IdPantalla::fundamento) << "txtrepecho"
                                           << "Recepcion PECHO";
        QTest::newRow("fundamentos tiro frontal") << int(IdPantalla::fundamento) << "txttirofrontal"
                                                  << "Tiro FRONTAL";
        QTest::newRow("acceso") << int(IdPantalla::SECRETO) << "Text1"
                                << "USUARIO";
    }
    void nombresParaLectorDePantalla()
    {
        QFETCH(int, pantalla);
        QFETCH(QString, caja);
        QFETCH(QString, nombre);
        P p;
        p.iniciarHastaInicio();
        QCOMPARE(P::texto(p.mostrar(IdPantalla(pantalla)), qPrintable(caja))->accessibleName(), nombre);
    }

    void pasosYBorrar()
    {
        P p;
        Pantalla *n1 = abrirNivel(p, IdPantalla::NIVEL1);
        teclear(n1, {"ANA", "9", "1.3", "9.5", "25", "25", "25"});
        P::pulsar(n1, "Command3");
        P::pulsar(n1, "cmdRegAnterior");
        QCOMPARE(P::etiqueta(n1, "Label9")->text(), QStringLiteral("1"));
        QCOMPARE(P::resultados(n1), QStringList(8, QString()));
        QCOMPARE(P::texto(n1, "txtNombre")->text(), QStringLiteral("ANA"));
        P::pulsar(n1, "cmdRegSiguiente");
        QCOMPARE(P::etiqueta(n1, "Label9")->text(), QStringLiteral("2"));
        QCOMPARE(P::texto(n1, "txtNombre")->text(), QString());
        P::pulsar(n1, "cmdRegAnterior");
        QCOMPARE(P::texto(n1, "txtNombre")->text(), QStringLiteral("ANA"));
        P::pulsar(n1, "Command3");
        P::boton(n1, "cmdSalir")->setFocus();
        P::pulsar(n1, "Command1");
        for (const char *c : CajasNivel)
            QCOMPARE(P::texto(n1, c)->text(), QString());
        QCOMPARE(P::resultados(n1), QStringList(8, QString()));
        QCOMPARE(P::etiqueta(n1, "Label9")->text(), QStringLiteral("1"));
        QCOMPARE(n1->focusWidget()->objectName(), QStringLiteral("txtNombre"));
        QCOMPARE(QFileInfo(p.ruta("nivel1.dat")).size(), 0);
    }

    void salirEscribeSolo30DeSuArchivo()
    {
        P p;
        const QByteArray uno = registroAjeno(1), dos = registroAjeno(2);
        QVERIFY(escribirArchivo(p.ruta("nivel1.dat"), uno));
        QVERIFY(escribirArchivo(p.ruta("nivel2.dat"), dos + dos));
        Pantalla *n1 = abrirNivel(p, IdPantalla::NIVEL1);
        Pantalla *n2 = p.mostrar(IdPantalla::NIVEL2);
        QVERIFY(n2);
        P::pulsar(n1, "cmdSalir");
        QCOMPARE(leerArchivo(p.ruta("nivel1.dat")), uno + ceros(29 * 130));
        QCOMPARE(leerArchivo(p.ruta("nivel2.dat")), dos + dos);
        QCOMPARE(p.escritorio.terminaciones, 1);
    }

    void salirSinPoderEscribirNoTermina()
    {
        P p;
        Pantalla *n2 = abrirNivel(p, IdPantalla::NIVEL2);
        teclear(n2, {"ANA", "10"});
        P::pulsar(n2, "cmdRegSiguiente");
        QVERIFY(QFile::remove(p.ruta("nivel2.dat")));
        QVERIFY(QDir(p.ruta(".")).mkdir("nivel2.dat"));
        P::pulsar(n2, "cmdSalir");
        QCOMPARE(p.escritorio.terminaciones, 0);
        QCOMPARE(p.escritorio.mensajes.size(), 1);
        QVERIFY(p.escritorio.mensajes[0].contains("nivel2.dat"));
        QVERIFY(p.escritorio.mensajes[0].contains("Motivo: "));
        // mended, the next "Salir" writes what the screen held
        QVERIFY(QDir(p.ruta(".")).rmdir("nivel2.dat"));
        P::pulsar(n2, "cmdSalir");
        QCOMPARE(p.escritorio.terminaciones, 1);
        const QByteArray bytes = leerArchivo(p.ruta("nivel2.dat"));
        QCOMPARE(bytes.size(), 3900);
        QCOMPARE(bytes.left(40), relleno("ANA", 30) + relleno("10", 10));
    }

    void guardarQueFallaAvisaYSigue()
    {
        P p;
        Pantalla *n1 = abrirNivel(p, IdPantalla::NIVEL1);
        QVERIFY(QFile::remove(p.ruta("nivel1.dat")));
        QVERIFY(QFile::link("/dev/full", p.ruta("nivel1.dat")));
        teclear(n1, {"ANA", "9"});
        P::pulsar(n1, "cmdGuardarReg");
        QCOMPARE(p.escritorio.mensajes.size(), 1);
        QVERIFY(p.escritorio.mensajes[0].startsWith(QStringLiteral("No se pudo guardar el registro 1")));
        QCOMPARE(P::texto(n1, "txtNombre")->text(), QStringLiteral("ANA"));
        QVERIFY(QFile::remove(p.ruta("nivel1.dat")));
        P::pulsar(n1, "cmdGuardarReg");
        QCOMPARE(leerArchivo(p.ruta("nivel1.dat")).left(40), relleno("ANA", 30) + relleno("9", 10));
    }

    void cargaQueFallaAvisa()
    {
        P p;
        QVERIFY(QDir(p.ruta(".")).mkdir("nivel3.dat"));
        Pantalla *n3 = abrirNivel(p, IdPantalla::NIVEL3);
        QVERIFY(n3->isVisible());
        QCOMPARE(p.escritorio.mensajes.size(), 1);
        QVERIFY2(p.escritorio.mensajes[0].contains(QStringLiteral("«%1»").arg(p.ruta("nivel3.dat"))),
                 qPrintable(p.escritorio.mensajes[0]));
    }

    // A memory stick pulled out and put back: the folder goes and comes back under the same
    // path while the program runs. A screen opened after that still finds its file there.
    void carpetaQueSeVaYVuelve()
    {
        P p;
        P::pulsar(p.iniciarHastaInicio(), "Command1");
        const QString carpeta = QFileInfo(p.ruta("nivel2.dat")).absolutePath();
        QVERIFY(QDir(carpeta).removeRecursively());
        QVERIFY(QDir().mkpath(carpeta));
        Pantalla *n2 = p.mostrar(IdPantalla::NIVEL2);
        QVERIFY2(p.escritorio.mensajes.isEmpty(), qPrintable(p.escritorio.mensajes.join('\n')));
        teclear(n2, {"ANA", "10"});
        P::pulsar(n2, "cmdGuardarReg");
        QVERIFY(p.escritorio.mensajes.isEmpty());
        QCOMPARE(leerArchivo(carpeta + QStringLiteral("/nivel2.dat")).left(40), relleno("ANA", 30) + relleno("10", 10));
    }

    // Two screens whose files are one file (a link): the second to load says so, and never
    // writes it, so the first one's records stay as they were saved.
    void unArchivoParaDosPantallas()
    {
        P p;
        QVERIFY(QFile::link(p.ruta("fundamentos.dat"), p.ruta("nivel1.dat")));
        P::pulsar(p.iniciarHastaInicio(), "Command2");
        Pantalla *f = p.existente(IdPantalla::fundamento);
        P::texto(f, "txtNombre")->setText(QStringLiteral("LUIS"));
        P::pulsar(f, "cmdGuardarReg");
        const QByteArray guardado = leerArchivo(p.ruta("fundamentos.dat"));
        QCOMPARE(guardado.left(4), QByteArray("LUIS"));

        Pantalla *n1 = p.mostrar(IdPantalla::NIVEL1);
        QCOMPARE(p.escritorio.mensajes.size(), 1);
        QVERIFY(p.escritorio.mensajes[0].contains(p.ruta("nivel1.dat")));
        QVERIFY(p.escritorio.mensajes[0].contains(QStringLiteral("FUNDAMENTOS TECNICOS")));
        teclear(n1, {"ANA", "9"});
        P::pulsar(n1, "cmdGuardarReg");
        P::pulsar(n1, "cmdSalir");
        QCOMPARE(p.escritorio.mensajes.size(), 3);
        QCOMPARE(p.escritorio.terminaciones, 0);
        QCOMPARE(leerArchivo(p.ruta("fundamentos.dat")), guardado);
    }

    void imprimir()
    {
        P p;
        Pantalla *n2 = abrirNivel(p, IdPantalla::NIVEL2);
        teclear(n2, {"ANA", "10", "1.25", "8.5", "25", "26", "27"});
        P::pulsar(n2, "Command3");
        const QImage antes = n2->grab().toImage();
        P::pulsar(n2, "Command2");
        QCOMPARE(p.escritorio.impresas.size(), 1);
        const QImage hoja = p.escritorio.impresas[0];
        QCOMPARE(hoja.size(), QSize(785, 521));
        // white where the buttons, the panel, the record number and the big picture were
        for (const char *oculto : {"cmdGuardarReg", "cmdRegSiguiente", "cmdRegAnterior", "cmdRegresar", "cmdSalir",
                                   "Command1", "Command3", "Command2", "Label9", "Image1"}) {
            QWidget *w = n2->findChild<QWidget *>(oculto);
            QVERIFY2(esBlanco(hoja, w->geometry().center()), oculto);
        }
        QVERIFY(esBlanco(hoja, QPoint(30, 470)));  // inside Frame1
        QVERIFY(esBlanco(hoja, QPoint(300, 10)));  // the window's background
        // the title, the lines and the results are there
        QCOMPARE(hoja.pixelColor(24, 300), QColor(0, 0, 0));     // Line17
        QCOMPARE(hoja.pixelColor(700, 184), QColor(0, 0, 192));  // Line2
        int oscuros = 0;
        const QRect titulo = P::etiqueta(n2, "Label8")->geometry();
        for (int x = titulo.left(); x < titulo.right(); ++x)
            for (int y = titulo.top(); y < titulo.bottom(); ++y)
                oscuros += hoja.pixelColor(x, y).lightness() < 100;
        QVERIFY(oscuros > 200);
        QVERIFY(hoja != n2->grab(QRect(0, 0, 785, 521)).toImage());
        // afterwards the screen looks as before
        QCOMPARE(n2->palette().color(QPalette::Window), QColor(255, 192, 128));
        for (const char *c : {"Frame1", "Label9", "Label10", "Image1", "Command2", "cmdSalir"})
            QVERIFY2(n2->findChild<QWidget *>(c)->isVisible(), c);
        QCOMPARE(n2->grab().toImage(), antes);
    }

    void imprimirDejaElFocoDondeEstaba()
    {
        P p;
        Pantalla *n2 = abrirNivel(p, IdPantalla::NIVEL2);
        P::boton(n2, "Command2")->setFocus();
        P::pulsar(n2, "Command2");
        QCOMPARE(n2->focusWidget()->objectName(), QStringLiteral("Command2"));
        P::texto(n2, "txtedad")->setFocus();
        P::pulsar(n2, "Command2");
        QCOMPARE(n2->focusWidget()->objectName(), QStringLiteral("txtedad"));
        QCOMPARE(p.escritorio.impresas.size(), 2);
    }

    void imprimirQueFallaAvisaYSigue()
    {
        P p;
        p.escritorio.fallaImpresion = QStringLiteral("No hay ninguna impresora predeterminada en este equipo.");
        Pantalla *n1 = abrirNivel(p, IdPantalla::NIVEL1);
        teclear(n1, {"ANA", "9", "1.3", "9.5", "25", "25", "25"});
        P::pulsar(n1, "Command3");
        P::pulsar(n1, "Command2");
        QCOMPARE(p.escritorio.mensajes.size(), 1);
        QVERIFY(p.escritorio.mensajes[0].startsWith(QStringLiteral("No se imprimió la hoja de evaluación.")));
        QVERIFY(p.escritorio.mensajes[0].contains(p.escritorio.fallaImpresion));
        QCOMPARE(p.escritorio.terminaciones, 0);
        QCOMPARE(P::texto(n1, "txtNombre")->text(), QStringLiteral("ANA"));
        QCOMPARE(P::resultados(n1).at(3), QStringLiteral("67"));
        QVERIFY(P::boton(n1, "cmdSalir")->isVisible());
        QCOMPARE(n1->palette().color(QPalette::Window), QColor(255, 192, 128));
    }

    void disposicion_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QPoint>("pos");
        QTest::newRow("1 Label27") << 1 << "Label27"
                                   << "NIVEL 1 (8-9años)" << QPoint(240, 40);
        QTest::newRow("2 Label27") << 2 << "Label27"
                                   << "NIVEL 2 (10-11 años)" << QPoint(240, 48);
        QTest::newRow("3 Label27") << 3 << "Label27"
                                   << "NIVEL 3 (12-14 años)" << QPoint(240, 48);
        QTest::newRow("4 Label27") << 4 << "Label27"
                                   << "NIVEL 4 (15-17 años)" << QPoint(256, 56);
        QTest::newRow("1 Label8") << 1 << "Label8"
                                  << "KORVA 4  CAP.  FISICAS" << QPoint(200, 8);
        QTest::newRow("4 Label8") << 4 << "Label8"
                                  << "KORVA 4 CAP.FISICAS" << QPoint(244, 16);
        QTest::newRow("1 Label10") << 1 << "Label10"
                                   << "REGISTRO Nº" << QPoint(16, 32);
        QTest::newRow("2 Image2") << 2 << "Image2"
                                  << "" << QPoint(616, 32);
        QTest::newRow("1 Image2") << 1 << "Image2"
                                  << "" << QPoint(624, 24);
        QTest::newRow("3 Label28") << 3 << "Label28"
                                   << "" << QPoint(664, 72);
        QTest::newRow("Procesar") << 1 << "Command3"
                                  << "Procesar Datos" << QPoint(480, 480);
        QTest::newRow("Salir") << 2 << "cmdSalir"
                               << "Salir" << QPoint(672, 480);
    }
    void disposicion()
    {
        QFETCH(int, nivel);
        QFETCH(QString, control);
        QFETCH(QString, texto);
        QFETCH(QPoint, pos);
        P p;
        Pantalla *n = abrirNivel(p, IdPantalla(int(IdPantalla::NIVEL1) + nivel - 1));
        QWidget *w = n->findChild<QWidget *>(control);
        QVERIFY(w);
        QCOMPARE(w->pos(), pos);
        if (auto *l = qobject_cast<QLabel *>(w); l && !texto.isEmpty()) {
            QCOMPARE(l->text(), texto);
            QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()), "el texto no cabe");
        }
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            QCOMPARE(b->text(), texto);
        // the date label ends at 785 on every level
        QCOMPARE(P::etiqueta(n, "Label28")->geometry().right() + 1, 785);
    }

    void ordenDeFoco()
    {
        P p;
        Pantalla *n = abrirNivel(p, IdPantalla::NIVEL1);
        const QStringList orden = P::cadenaDeFoco(n, "txtNombre", 15);
        QCOMPARE(orden,
                 (QStringList{"txtNombre", "txtedad", "txtresistencia", "txtvelocidad", "txtlagartijas",
                              "txtabdominales", "txtsentadillas", "cmdGuardarReg", "cmdRegSiguiente", "cmdRegAnterior",
                              "cmdRegresar", "cmdSalir", "Command1", "Command3", "Command2"}));
    }
};

QTEST_MAIN(PruebaPantallaNivel)
#include "prueba_pantalla_nivel.moc"
