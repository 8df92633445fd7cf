#include "nucleo/calificacion/conversiones.h"

#include <QtTest>

using namespace korva;

class PruebaConversiones : public QObject
{
    Q_OBJECT

private slots:
    void decimal_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("valor");

        // The same answer in every locale: either mark is decimal, nothing else is read.
        const struct {
            const char *nombre;
            QString texto;
            bool ok;
            double valor;
        } casos[] = {
            {"punto", "1.25", true, 1.25},
            {"coma", "1,25", true, 1.25},
            {"no hay miles con punto", "1.250", true, 1.25},
            {"no hay miles con coma", "1,250", true, 1.25},
            {"10.100", "10.100", true, 10.1},
            {"blancos de relleno", "1.3       ", true, 1.3},
            {"blancos delante", "  7 ", true, 7.0},
            {"signo", "-2.5", true, -2.5},
            {"signo mas", "+8,5", true, 8.5},
            {"sin parte entera", ".5", true, 0.5},
            {"espacio de ancho cero", QStringLiteral("1.3\u200B"), true, 1.3},
            {"marca de orden delante", QStringLiteral("\uFEFF 9"), true, 9.0},
            {"dos marcas", "1.250,5", false, 0.0},
            {"dos puntos", "1.2.3", false, 0.0},
            {"exponente", "1e3", false, 0.0},
            {"inf", "inf", false, 0.0},
            {"menos inf", "-inf", false, 0.0},
            {"nan", "nan", false, 0.0},
            {"solo signo", "-", false, 0.0},
            {"solo marca", ",", false, 0.0},
            {"vacio", "", false, 0.0},
            {"solo blancos", "     ", false, 0.0},
            {"letras", "abc", false, 0.0},
            {"numero y letras", "8.5s", false, 0.0},
            {"blanco en medio", "1 250", false, 0.0},
        };
        for (const char *locale : {"C", "es_ES", "es_MX", "de_DE"})
            for (const auto &c : casos)
                QTest::addRow("%s %s", locale, c.nombre) << QString::fromLatin1(locale) << c.texto << c.ok << c.valor;
    }
    void decimal()
    {
        QFETCH(QString, locale);
        QFETCH(QString, texto);
        QFETCH(bool, ok);
        QFETCH(double, valor);
        QLocale::setDefault(QLocale(locale));
        const auto r = Convertir_Decimal(texto);
        QCOMPARE(r.has_value(), ok);
        if (ok)
            QCOMPARE(*r, valor);
    }

    void entero_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("valor");

        QTest::newRow("10.5 al par de abajo") << "10.5" << true << 10;
        QTest::newRow("11.5 al par de arriba") << "11.5" << true << 12;
        QTest::newRow("12.5") << "12.5" << true << 12;
        QTest::newRow("-0.5") << "-0.5" << true << 0;
        QTest::newRow("-1.5") << "-1.5" << true << -2;
        QTest::newRow("10.4") << "10.4" << true << 10;
        QTest::newRow("10.6") << "10.6" << true << 11;
        QTest::newRow("maximo") << "32767" << true << 32767;
        QTest::newRow("minimo") << "-32768" << true << -32768;
        QTest::newRow("32767.4") << "32767.4" << true << 32767;
        QTest::newRow("32767.5 sube a 32768") << "32767.5" << false << 0;
        QTest::newRow("32768") << "32768" << false << 0;
        QTest::newRow("-32769") << "-32769" << false << 0;
        QTest::newRow("relleno de registro") << "25   " << true << 25;
        QTest::newRow("vacio") << "" << false << 0;
        QTest::newRow("texto") << "veinte" << false << 0;
    }
    void entero()
    {
        QFETCH(QString, texto);
        QFETCH(bool, ok);
        QFETCH(int, valor);
        QLocale::setDefault(QLocale(QStringLiteral("es_MX")));
        const auto r = Convertir_Entero(texto);
        QCOMPARE(r.has_value(), ok);
        if (ok)
            QCOMPARE(int(*r), valor);
    }

    void enteroEnLocaleConComa()
    {
        QLocale::setDefault(QLocale(QStringLiteral("es_ES")));
        QCOMPARE(Convertir_Entero(QStringLiteral("10,5")).value_or(-1), qint16(10));
        QCOMPARE(Convertir_Entero(QStringLiteral("11,5")).value_or(-1), qint16(12));
    }

    void redondear()
    {
        QCOMPARE(Redondear_Entero(200.0 / 3.0).value_or(-1), qint16(67));
        QCOMPARE(Redondear_Entero(31.0 / 3.0).value_or(-1), qint16(10));
        QCOMPARE(Redondear_Entero(32.0 / 3.0).value_or(-1), qint16(11));
        QCOMPARE(Redondear_Entero(-32768.4).value_or(0), qint16(-32768));
        QVERIFY(!Redondear_Entero(-32768.6));
        QVERIFY(!Redondear_Entero(std::nan("")));
        QVERIFY(!Redondear_Entero(std::numeric_limits<double>::infinity()));
    }

    void sumas()
    {
        QVERIFY(!Sumar16(20000, 20000));
        QVERIFY(!Sumar16(-20000, -20000));
        QCOMPARE(Sumar16(32766, 1).value_or(0), qint16(32767));
        QVERIFY(!Sumar_Enteros({QStringLiteral("20000"), QStringLiteral("20000"), QStringLiteral("1")}));
        // the overflow happens on the first addition even though the last term brings it back
        QVERIFY(!Sumar_Enteros({QStringLiteral("20000"), QStringLiteral("20000"), QStringLiteral("-20000")}));
        QCOMPARE(Sumar_Enteros({QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9")}).value_or(0),
                 qint16(24));
    }

    void textoEntero()
    {
        QCOMPARE(Texto_Entero(67), QStringLiteral("67"));
        QCOMPARE(Texto_Entero(-5), QStringLiteral("-5"));
        QCOMPARE(Texto_Entero(0), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(PruebaConversiones)
#include "prueba_conversiones.moc"
