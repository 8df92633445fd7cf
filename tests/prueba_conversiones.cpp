#include "physical/conversiones.h"

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

        QTest::newRow("es_ES coma") << "es_ES" << "1,25" << true << 1.25;
        QTest::newRow("es_ES punto no es decimal") << "es_ES" << "1.25" << false << 0.0;
        QTest::newRow("es_MX punto") << "es_MX" << "1.25" << true << 1.25;
        QTest::newRow("es_MX coma no es decimal") << "es_MX" << "1,25" << false << 0.0;
        QTest::newRow("blancos de relleno") << "es_MX" << "1.3       " << true << 1.3;
        QTest::newRow("blancos delante") << "es_ES" << "  7 " << true << 7.0;
        QTest::newRow("signo") << "es_MX" << "-2.5" << true << -2.5;
        QTest::newRow("vacio") << "es_MX" << "" << false << 0.0;
        QTest::newRow("solo blancos") << "es_MX" << "     " << false << 0.0;
        QTest::newRow("letras") << "es_MX" << "abc" << false << 0.0;
        QTest::newRow("numero y letras") << "es_MX" << "8.5s" << false << 0.0;
    }
    void decimal()
    {
        QFETCH(QString, locale);
        QFETCH(QString, texto);
        QFETCH(bool, ok);
        QFETCH(double, valor);
        const auto r = Convertir_Decimal(texto, QLocale(locale));
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
        const auto r = Convertir_Entero(texto, QLocale(QStringLiteral("es_MX")));
        QCOMPARE(r.has_value(), ok);
        if (ok)
            QCOMPARE(int(*r), valor);
    }

    void enteroEnLocaleConComa()
    {
        QCOMPARE(Convertir_Entero(QStringLiteral("10,5"), QLocale(QStringLiteral("es_ES"))).value_or(-1), qint16(10));
        QCOMPARE(Convertir_Entero(QStringLiteral("11,5"), QLocale(QStringLiteral("es_ES"))).value_or(-1), qint16(12));
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
        QVERIFY(!Sumar_Enteros({QStringLiteral("20000"), QStringLiteral("20000"), QStringLiteral("1")}, QLocale::c()));
        // the overflow happens on the first addition even though the last term brings it back
        QVERIFY(!Sumar_Enteros({QStringLiteral("20000"), QStringLiteral("20000"), QStringLiteral("-20000")}, QLocale::c()));
        QCOMPARE(Sumar_Enteros({QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9")}, QLocale::c()).value_or(0), qint16(24));
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
