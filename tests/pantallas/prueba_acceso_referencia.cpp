#include "apoyo/programa_prueba.h"
#include "pantallas/base/icono_documento.h"

using namespace korva;
using P = ProgramaDePrueba;

namespace {

QString recurso(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

void dobleClic(QWidget *w)
{
    QTest::mouseDClick(w, Qt::LeftButton, {}, w->rect().center());
}

}  // namespace

class PruebaAccesoReferencia : public QObject
{
    Q_OBJECT

private slots:
    void arrancaEnElAcceso()
    {
        P p;
        Pantalla *s = p.iniciar();
        QVERIFY(s && s->isVisible());
        QCOMPARE(s->windowTitle(), QStringLiteral("KORVA 4  ENTRENAMIENTO DEPORTIVO"));
        QCOMPARE(s->geometry(), QRect(238, 175, 312, 213));
        QCOMPARE(s->palette().color(QPalette::Window), QColor(0, 0, 0));
        QVERIFY(!p.existente(IdPantalla::INICIO));
        QCOMPARE(s->focusWidget()->objectName(), QStringLiteral("Text1"));
        QCOMPARE(P::cadenaDeFoco(s, "Text1", 3), (QStringList{"Text1", "Command1", "Command2"}));
        for (const char *b : {"Command1", "Command2"}) {
            auto *boton = qobject_cast<QPushButton *>(P::boton(s, b));
            QVERIFY(!boton->isDefault() && !boton->autoDefault());
        }
        // the time and the date of the moment the screen was made
        QVERIFY(!P::etiqueta(s, "Label4")->text().isEmpty());
        QCOMPARE(P::etiqueta(s, "Label6")->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QCOMPARE(P::etiqueta(s, "Label2")->text(), QStringLiteral("Dar la clave por favor"));
    }

    void claveOculta()
    {
        P p;
        QLineEdit *clave = P::texto(p.iniciar(), "Text1");
        QCOMPARE(clave->echoMode(), QLineEdit::Password);
        clave->setText(QStringLiteral("739"));
        QCOMPARE(clave->displayText(), QStringLiteral("***"));
        const QString larga(40000, QLatin1Char('7'));
        clave->setText(larga);
        QCOMPARE(clave->text(), larga);  // no length limit
        QCOMPARE(clave->palette().color(QPalette::Text), QColor(0, 255, 0));
    }

    void claveIncorrecta_data()
    {
        QTest::addColumn<QString>("clave");
        QTest::newRow("otra") << "123456";
        QTest::newRow("blanco delante") << " 739264";
        QTest::newRow("blanco detras") << "739264 ";
        QTest::newRow("cinco de seis") << "73926";
        QTest::newRow("siete cifras") << "7392640";
        QTest::newRow("vacia") << "";
    }
    void claveIncorrecta()
    {
        QFETCH(QString, clave);
        P p;
        Pantalla *s = p.iniciar();
        P::texto(s, "Text1")->setText(clave);
        P::boton(s, "Command1")->setFocus();
        P::pulsar(s, "Command1");
        QCOMPARE(p.escritorio.mensajes, QStringList{QStringLiteral(" Dar la clave correcta por favor")});
        QCOMPARE(P::texto(s, "Text1")->text(), clave);
        QCOMPARE(s->focusWidget()->objectName(), QStringLiteral("Text1"));
        QVERIFY(!p.existente(IdPantalla::INICIO));
        // any number of attempts, each with the same message
        P::pulsar(s, "Command1");
        QCOMPARE(p.escritorio.mensajes.size(), 2);
    }

    void enterNoHaceNada()
    {
        P p;
        Pantalla *s = p.iniciar();
        P::texto(s, "Text1")->setText(QStringLiteral("739264"));
        QTest::keyClick(P::texto(s, "Text1"), Qt::Key_Return);
        QTest::keyClick(P::texto(s, "Text1"), Qt::Key_Escape);
        QVERIFY(!p.existente(IdPantalla::INICIO));
        QVERIFY(p.escritorio.mensajes.isEmpty());
        QCOMPARE(p.escritorio.terminaciones, 0);
    }

    void claveCorrecta()
    {
        P p;
        Pantalla *s = p.iniciar();
        P::texto(s, "Text1")->setText(QStringLiteral("739264"));
        P::pulsar(s, "Command1");
        Pantalla *inicio = p.existente(IdPantalla::INICIO);
        QVERIFY(inicio && inicio->isVisible());
        QVERIFY(s->isVisible());
        QCOMPARE(P::texto(s, "Text1")->text(), QStringLiteral("739264"));
        P::pulsar(s, "Command1");
        QCOMPARE(p.existente(IdPantalla::INICIO), inicio);
        QCOMPARE(P::ventanas("INICIO"), 1);
        QVERIFY(p.escritorio.mensajes.isEmpty());
    }

    void salirDelAcceso()
    {
        P p;
        P::pulsar(p.iniciar(), "Command2");
        QCOMPARE(p.escritorio.terminaciones, 1);
    }

    void pantallasDeReferencia_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QSize>("tamano");
        QTest::newRow("METODOLOGIA") << "Command4" << int(IdPantalla::METODOLOGIA) << "KORVA 4  ENTRENAMIENTO DEPORTIVO"
                                     << QSize(385, 302);
        QTest::newRow("formas") << "Command5" << int(IdPantalla::formas) << "KORVA 4 FORMATOS" << QSize(371, 264);
    }
    void pantallasDeReferencia()
    {
        QFETCH(QString, boton);
        QFETCH(int, id);
        QFETCH(QString, titulo);
        QFETCH(QSize, tamano);
        P p;
        Pantalla *inicio = p.iniciarHastaInicio();
        P::pulsar(inicio, boton.toLatin1().constData());
        Pantalla *ref = p.existente(IdPantalla(id));
        QVERIFY(ref && ref->isVisible());
        QCOMPARE(ref->windowTitle(), titulo);
        QCOMPARE(ref->size(), tamano);
        QCOMPARE(ref->palette().color(QPalette::Window), QColor(255, 128, 0));
        QCOMPARE(ref->focusWidget()->objectName(), QStringLiteral("OLE1"));
        QCOMPARE(P::cadenaDeFoco(ref, "OLE1", 3), (QStringList{"OLE1", "Command1", "OLE2"}));
        P::pulsar(ref, "Command1");
        QVERIFY(ref->isVisible());
        P::pulsar(inicio, boton.toLatin1().constData());
        QCOMPARE(p.existente(IdPantalla(id)), ref);
    }

    void iconosAbrenSuDocumento_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("icono");
        QTest::addColumn<QString>("documento");
        const auto m = int(IdPantalla::METODOLOGIA), f = int(IdPantalla::formas);
        QTest::newRow("METODOLOGIA OLE2") << m << "OLE2"
                                          << ":/korva4/documentos/Metodologia-capacidades-fisicas.rtf";
        QTest::newRow("METODOLOGIA OLE1") << m << "OLE1"
                                          << ":/korva4/documentos/Metodologia-fundamentos.rtf";
        QTest::newRow("formas OLE1") << f << "OLE1"
                                     << ":/korva4/documentos/Formato-capacidades-fisicas.rtf";
        QTest::newRow("formas OLE2") << f << "OLE2"
                                     << ":/korva4/documentos/Formato-fundamentos-tecnicos.rtf";
    }
    void iconosAbrenSuDocumento()
    {
        QFETCH(int, id);
        QFETCH(QString, icono);
        QFETCH(QString, documento);
        P p;
        p.iniciarHastaInicio();
        Pantalla *ref = p.mostrar(IdPantalla(id));
        auto *ole = ref->findChild<IconoDocumento *>(icono);
        QVERIFY(ole);
        QWidget *otro = ref->findChild<QWidget *>(icono == "OLE1" ? "OLE2" : "OLE1");
        otro->setFocus();

        QTest::mouseClick(ole, Qt::LeftButton, {}, ole->rect().center());
        QVERIFY(p.escritorio.documentos.isEmpty());  // a single click only gives the focus
        QCOMPARE(ref->focusWidget(), ole);

        dobleClic(ole);
        QCOMPARE(p.escritorio.documentos.size(), 1);
        const QString guardado = recurso(documento);
        QVERIFY(guardado.startsWith(QStringLiteral("{\\rtf1")));
        QCOMPARE(p.escritorio.contenidos[0], guardado);
        QVERIFY(p.escritorio.documentos[0].endsWith(QFileInfo(documento).fileName()));

        // what the editor changed is never read back: the next opening is the stored one again
        QVERIFY(escribirEn(p.escritorio.documentos[0], "{\\rtf1 cambiado}"));
        QTest::keyClick(ole, Qt::Key_Return);
        QCOMPARE(p.escritorio.documentos.size(), 2);
        QCOMPARE(p.escritorio.contenidos[1], guardado);
        QCOMPARE(recurso(p.escritorio.documentos[0]), QStringLiteral("{\\rtf1 cambiado}"));
        QVERIFY(p.escritorio.mensajes.isEmpty());
    }

    void documentoQueNoAbreAvisa()
    {
        P p;
        p.escritorio.fallaDocumento = QStringLiteral("No hay ningún programa que abra este tipo de documento.");
        p.iniciarHastaInicio();
        Pantalla *ref = p.mostrar(IdPantalla::formas);
        dobleClic(ref->findChild<QWidget *>("OLE2"));
        QCOMPARE(p.escritorio.mensajes.size(), 1);
        QVERIFY(p.escritorio.mensajes[0].startsWith(QStringLiteral("No se pudo abrir el documento")));
        QVERIFY(p.escritorio.mensajes[0].contains(p.escritorio.fallaDocumento));
        QVERIFY(ref->isVisible());
        QCOMPARE(p.escritorio.terminaciones, 0);
    }

private:
    static bool escribirEn(const QString &ruta, const QByteArray &datos)
    {
        QFile f(ruta);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(datos) == datos.size();
    }
};

QTEST_MAIN(PruebaAccesoReferencia)
#include "prueba_acceso_referencia.moc"
