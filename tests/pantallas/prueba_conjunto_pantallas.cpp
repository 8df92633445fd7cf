#include "apoyo/programa_prueba.h"
#include "pantallas/aspecto/aspecto.h"
#include "pantallas/base/formulario.h"
#include "pantallas/generales/pantalla_secreto.h"

#include <QMessageBox>

using namespace korva;
using P = ProgramaDePrueba;

class PruebaConjuntoPantallas : public QObject
{
    Q_OBJECT

private slots:
    void inicioSolo()
    {
        P p;
        Pantalla *inicio = p.iniciarHastaInicio();
        QVERIFY(inicio);
        QCOMPARE(inicio->objectName(), QStringLiteral("INICIO"));
        QCOMPARE(inicio->windowTitle(), QStringLiteral("KORVA 4  ENTRENAMIENTO DEPORTIVO"));
        QCOMPARE(inicio->size(), QSize(794, 567));
        QCOMPARE(inicio->geometry().topLeft(), QPoint(3, 14));
        for (IdPantalla id : {IdPantalla::MENU, IdPantalla::NIVEL1, IdPantalla::fundamento, IdPantalla::METODOLOGIA})
            QVERIFY(!p.existente(id));
        QCOMPARE(inicio->focusWidget()->objectName(), QStringLiteral("Picture1"));
        QVERIFY(!inicio->windowIcon().isNull());
    }

    void menuUnaSolaVez()
    {
        P p;
        Pantalla *inicio = p.iniciarHastaInicio();
        P::pulsar(inicio, "Command1");
        Pantalla *menu = p.existente(IdPantalla::MENU);
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->size(), QSize(312, 213));
        // something of the menu changed by the user stays: the second press does not reset it
        P::boton(menu, "Command3")->setFocus();
        P::pulsar(inicio, "Command1");
        QCOMPARE(p.existente(IdPantalla::MENU), menu);
        QCOMPARE(P::ventanas("MENU"), 1);
        QCOMPARE(menu->focusWidget()->objectName(), QStringLiteral("Command3"));
        // "SALIR" on the menu brings the start screen forward and leaves the menu open
        P::pulsar(menu, "Command4");
        QVERIFY(menu->isVisible());
        QCOMPARE(p.existente(IdPantalla::INICIO), inicio);
        P::pulsar(inicio, "Command1");
        QCOMPARE(p.existente(IdPantalla::MENU), menu);
    }

    void variasAbiertasALaVez()
    {
        P p;
        Pantalla *inicio = p.iniciarHastaInicio();
        P::pulsar(inicio, "Command1");
        P::pulsar(p.existente(IdPantalla::MENU), "Command1");
        P::pulsar(inicio, "Command2");
        for (const char *n : {"INICIO", "MENU", "NIVEL1", "fundamento"})
            QCOMPARE(P::ventanas(QString::fromLatin1(n)), 1);
    }

    void botonesDelMenu_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("pantalla");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("NIVEL 1") << "Command1"
                                 << "NIVEL1"
                                 << "KORVA 4   NIVEL 1 CAPAC. FISICAS";
        QTest::newRow("NIVEL 2") << "Command2"
                                 << "NIVEL2"
                                 << "KORVA 4   NIVEL 2 CAP. FISICAS";
        QTest::newRow("NIVEL 3") << "Command3"
                                 << "NIVEL3"
                                 << "KORVA 4   NIVEL 3 CAP. FISICAS";
        QTest::newRow("NIVEL 4") << "Command5"
                                 << "nivel4"
                                 << "KORVA 4   NIVEL4 CAP. FISICAS";
    }
    void botonesDelMenu()
    {
        QFETCH(QString, boton);
        QFETCH(QString, pantalla);
        QFETCH(QString, titulo);
        P p;
        P::pulsar(p.iniciarHastaInicio(), "Command1");
        P::pulsar(p.existente(IdPantalla::MENU), boton.toLatin1().constData());
        QCOMPARE(P::ventanas(pantalla), 1);
        QWidget *w = nullptr;
        for (QWidget *t : QApplication::topLevelWidgets())
            if (t->objectName() == pantalla)
                w = t;
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), titulo);
        QVERIFY(w->windowState() & Qt::WindowMaximized);
        QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("txtNombre"));
    }

    void salirDeInicioTermina()
    {
        P p;
        Pantalla *inicio = p.iniciarHastaInicio();
        P::pulsar(inicio, "Command1");
        P::pulsar(p.existente(IdPantalla::MENU), "Command1");
        P::texto(p.existente(IdPantalla::NIVEL1), "txtNombre")->setText("ANA");
        P::pulsar(p.existente(IdPantalla::NIVEL1), "cmdGuardarReg");
        P::texto(p.existente(IdPantalla::NIVEL1), "txtNombre")->setText("SIN GUARDAR");
        P::pulsar(inicio, "Command3");
        QCOMPARE(p.escritorio.terminaciones, 1);
        // no record file is written by the start screen's "SALIR"
        QCOMPARE(QFileInfo(p.ruta("nivel1.dat")).size(), 130);
    }

    void cerrarConLaCajaReconstruye()
    {
        P p;
        Pantalla *inicio = p.iniciarHastaInicio();
        P::pulsar(inicio, "Command1");
        Pantalla *menu = p.existente(IdPantalla::MENU);
        P::pulsar(menu, "Command2");
        Pantalla *nivel = p.existente(IdPantalla::NIVEL2);
        P::texto(nivel, "txtNombre")->setText("SIN GUARDAR");
        nivel->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!p.existente(IdPantalla::NIVEL2));
        P::pulsar(menu, "Command2");
        Pantalla *otra = p.existente(IdPantalla::NIVEL2);
        QVERIFY(otra);
        QCOMPARE(P::texto(otra, "txtNombre")->text(), QString());
        QVERIFY(!P::etiqueta(otra, "Label28")->text().isEmpty());
        QCOMPARE(P::ventanas("NIVEL2"), 1);
        QCOMPARE(p.escritorio.terminaciones, 0);
    }

    void disposicionDeInicioYMenu_data()
    {
        QTest::addColumn<QString>("pantalla");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QRect>("geo");
        QTest::newRow("Command1") << "INICIO"
                                  << "Command1"
                                  << "CAPACIDADES FISICAS" << QRect(640, 312, 97, 33);
        QTest::newRow("Command2") << "INICIO"
                                  << "Command2"
                                  << "FUNDAMENTOS" << QRect(640, 360, 97, 33);
        QTest::newRow("Command4") << "INICIO"
                                  << "Command4"
                                  << "METODOLOGIA" << QRect(640, 416, 97, 33);
        QTest::newRow("Command5") << "INICIO"
                                  << "Command5"
                                  << "FORMATO" << QRect(640, 464, 97, 33);
        QTest::newRow("Command3") << "INICIO"
                                  << "Command3"
                                  << "SALIR" << QRect(640, 512, 97, 33);
        QTest::newRow("Label4") << "INICIO"
                                << "Label4"
                                << "FUTBOL" << QRect(48 + 416, 24 + 344, 137, 33);
        QTest::newRow("NIVEL 1") << "MENU"
                                 << "Command1"
                                 << "NIVEL 1" << QRect(216, 16, 81, 33);
        QTest::newRow("NIVEL 4") << "MENU"
                                 << "Command5"
                                 << "NIVEL 4" << QRect(216, 136, 81, 33);
        QTest::newRow("SALIR") << "MENU"
                               << "Command4"
                               << "SALIR" << QRect(216, 176, 81, 33);
        QTest::newRow("Image1") << "MENU"
                                << "Image1"
                                << "" << QRect(56, 64, 140, 132);
    }
    void disposicionDeInicioYMenu()
    {
        QFETCH(QString, pantalla);
        QFETCH(QString, control);
        QFETCH(QString, texto);
        QFETCH(QRect, geo);
        P p;
        P::pulsar(p.iniciarHastaInicio(), "Command1");
        QWidget *forma = p.existente(pantalla == "MENU" ? IdPantalla::MENU : IdPantalla::INICIO);
        QWidget *w = forma->findChild<QWidget *>(control);
        QVERIFY(w);
        // position on the form, whatever container it sits in
        QCOMPARE(QRect(w->mapTo(forma, QPoint(0, 0)), w->size()), geo);
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            QCOMPARE(b->text(), texto);
        if (auto *l = qobject_cast<QLabel *>(w); l && !texto.isEmpty())
            QCOMPARE(l->text(), texto);
    }

    void etiquetasAjustadasYFuentes()
    {
        P p;
        Pantalla *inicio = p.iniciarHastaInicio();
        QLabel *korva = P::etiqueta(inicio, "Label1");
        QCOMPARE(korva->font().pixelSize(), 96);
        QVERIFY(korva->font().bold());
        QCOMPARE(QFontInfo(korva->font()).family(), QStringLiteral("Liberation Mono"));
        QCOMPARE(korva->pos(), QPoint(8, 256));
        // sized to its text: the whole caption fits
        QVERIFY(korva->width() >= korva->fontMetrics().horizontalAdvance(korva->text()));
        QLabel *entrenamiento = P::etiqueta(inicio, "Label2");
        QCOMPARE(entrenamiento->text(), QStringLiteral("ENTRENAMIENTO DEPORTIVO "));
        QCOMPARE(entrenamiento->font().pixelSize(), 24);
        QCOMPARE(QFontInfo(entrenamiento->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(entrenamiento->palette().color(QPalette::WindowText), QColor(255, 128, 0));
        auto *salir = qobject_cast<BotonPlano *>(P::boton(inicio, "Command3"));
        QVERIFY(salir);
        QCOMPARE(salir->cara(), QColor(255, 0, 0));
        QCOMPARE(salir->font().pixelSize(), 11);
        QCOMPARE(inicio->palette().color(QPalette::Window), QColor(255, 192, 128));
    }

    void ordenesDeFoco()
    {
        P p;
        Pantalla *inicio = p.iniciarHastaInicio();
        QCOMPARE(P::cadenaDeFoco(inicio, "Picture1", 6),
                 (QStringList{"Picture1", "Command3", "Command2", "Command1", "Command4", "Command5"}));
        P::pulsar(inicio, "Command1");
        Pantalla *menu = p.existente(IdPantalla::MENU);
        QCOMPARE(menu->focusWidget()->objectName(), QStringLiteral("Command1"));
        QCOMPARE(P::cadenaDeFoco(menu, "Command1", 5),
                 (QStringList{"Command1", "Command2", "Command3", "Command4", "Command5"}));
    }

    void lineas()
    {
        // a line is a filled rectangle of its width centred on its coordinates
        QCOMPARE(rectLinea({"h", 24, 96, 768, 96, 4}), QRect(22, 94, 748, 4));
        QCOMPARE(rectLinea({"v", 600, 184, 600, 144, 3}), QRect(599, 143, 3, 43));
        QCOMPARE(rectLinea({"fina", 448, 232, 592, 232, 1}), QRect(448, 232, 145, 1));
    }

    void paginaImpresa()
    {
        // the sheet is scaled to fill the page, aspect kept, centred
        QCOMPARE(colocarEnPagina(QSize(785, 521), QRect(0, 0, 7850, 10000)), QRect(0, 2395, 7850, 5210));
        QCOMPARE(colocarEnPagina(QSize(785, 521), QRect(0, 0, 1570, 521)), QRect(392, 0, 785, 521));
        // and turned the way it comes out largest, whatever the paper
        for (const auto papel : {QPageSize::A4, QPageSize::Letter, QPageSize::Legal, QPageSize::A5}) {
            const QPageLayout retrato(QPageSize(papel), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12));
            QCOMPARE(orientacionPara(QSize(785, 521), retrato), QPageLayout::Landscape);
            QCOMPARE(orientacionPara(QSize(400, 900), retrato), QPageLayout::Portrait);
        }
    }

    void mensajeDelEscritorio()
    {
        P p;
        p.iniciarHastaInicio();
        const auto caja = crearMensaje(nullptr, QStringLiteral(" Dar la clave correcta por favor"));
        QCOMPARE(caja->windowTitle(), QStringLiteral("KORVA 4"));
        QCOMPARE(caja->text(), QStringLiteral(" Dar la clave correcta por favor"));
        QCOMPARE(caja->icon(), QMessageBox::NoIcon);
        QCOMPARE(caja->buttons().size(), 1);
        QCOMPARE(caja->button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));
    }

    void horaSinZona_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("hora");
        QTest::newRow("es_ES") << "es_ES"
                               << "0:22:17";
        QTest::newRow("es_MX") << "es_MX"
                               << "";
        QTest::newRow("de_DE") << "de_DE"
                               << "00:22:17";
        QTest::newRow("en_US") << "en_US"
                               << "";
        QTest::newRow("C") << "C"
                           << "";
    }
    void horaSinZona()
    {
        QFETCH(QString, locale);
        QFETCH(QString, hora);
        const QString texto = horaDelSistema(QTime(0, 22, 17), QLocale(locale));
        if (!hora.isEmpty())
            QCOMPARE(texto, hora);
        QVERIFY2(texto.contains(QStringLiteral("22:17")), qPrintable(texto));  // the seconds are there
        for (const char *resto : {"(", ")", "[", "]", "UTC", "GMT", "CET"})
            QVERIFY2(!texto.contains(QLatin1String(resto)), qPrintable(texto));
        QCOMPARE(texto, texto.trimmed());
    }
};

QTEST_MAIN(PruebaConjuntoPantallas)
#include "prueba_conjunto_pantallas.moc"
