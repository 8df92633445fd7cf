#include "nucleo/calificacion/calificar_fundamentos.h"
#include "apoyo/resultados_ayuda.h"

#include <QtTest>

using namespace korva;

namespace {
const QStringList antes{"o11", "o12", "o13", "o19", "o23", "o24", "o25", "o26"};
}

class PruebaCalificarFundamentos : public QObject
{
    Q_OBJECT

private slots:
    void ejemplos_data()
    {
        QTest::addColumn<QStringList>("pruebas");
        QTest::addColumn<QStringList>("previos");
        QTest::addColumn<QStringList>("esperados");

        // the average is over the conduction percentage: (75 + 80 + 60) / 3 = 71.67
        QTest::newRow("ejemplo completo") << QStringList{"12", "13", "7", "8", "9", "5", "6", "7"} << vacios()
                                          << QStringList{"75", "80", "60", "72", "II", "II", "III", "III"};
        // a slower conduction lowers the average: (25 + 80 + 60) / 3 = 55
        QTest::newRow("conduccion lenta baja el promedio")
            << QStringList{"20", "20", "7", "8", "9", "5", "6", "7"} << vacios()
            << QStringList{"25", "80", "60", "55", "IV", "II", "III", "III"};
        QTest::newRow("conduccion 24 es 100") << QStringList{"12", "12", "10", "10", "10", "10", "10", "10"} << vacios()
                                              << QStringList{"100", "100", "100", "100", "I", "I", "I", "I"};
        QTest::newRow("conduccion 30 es 50") << QStringList{"15", "15", "10", "10", "10", "10", "10", "10"} << vacios()
                                             << QStringList{"50", "100", "100", "83", "III", "I", "I", "II"};
        QTest::newRow("conduccion 35 es 25") << QStringList{"20", "15", "1", "1", "1", "1", "1", "1"} << vacios()
                                             << QStringList{"25", "10", "10", "15", "IV", "SN", "SN", "SN"};
        QTest::newRow("12.5 y 12.5 van al par: 24")
            << QStringList{"12.5", "12.5", "10", "10", "10", "10", "10", "10"} << vacios()
            << QStringList{"100", "100", "100", "100", "I", "I", "I", "I"};
        QTest::newRow("conduccion negativa es 100")
            << QStringList{"-5", "-6", "10", "10", "10", "10", "10", "10"} << vacios()
            << QStringList{"100", "100", "100", "100", "I", "I", "I", "I"};
        QTest::newRow("recepcion 12, 12, 12 pasa de 100")
            << QStringList{"12", "12", "12", "12", "12", "7", "8", "9"} << vacios()
            << QStringList{"100", "120", "80", "100", "I", "I", "II", "I"};
        // 2, 2, 1 gives 17 and 16 to 24 has no grade: the old grade stays
        QTest::newRow("recepcion 17 deja el grado anterior")
            << QStringList{"12", "12", "2", "2", "1", "10", "10", "10"} << antes
            << QStringList{"100", "17", "100", "72", "I", "o24", "I", "III"};
        QTest::newRow("valores con relleno de registro")
            << QStringList{"12   ", "13   ", "7    ", "8    ", "9    ", "5    ", "6    ", "7    "} << vacios()
            << QStringList{"75", "80", "60", "72", "II", "II", "III", "III"};
        QTest::newRow("conduccion mala: nada cambia")
            << QStringList{"", "13", "7", "8", "9", "5", "6", "7"} << antes << antes;
        QTest::newRow("conduccion desborda: nada cambia")
            << QStringList{"20000", "20000", "7", "8", "9", "5", "6", "7"} << antes << antes;
        QTest::newRow("recepcion mala: solo Label11")
            << QStringList{"12", "13", "7", "ocho", "9", "5", "6", "7"} << antes
            << QStringList{"75", "o12", "o13", "o19", "o23", "o24", "o25", "o26"};
        QTest::newRow("tiro malo: Label11 y Label12")
            << QStringList{"12", "13", "7", "8", "9", "5", "6", ""} << antes
            << QStringList{"75", "80", "o13", "o19", "o23", "o24", "o25", "o26"};
        QTest::newRow("recepcion desborda: solo Label11")
            << QStringList{"12", "13", "30000", "30000", "30000", "3000", "3000", "3000"} << antes
            << QStringList{"75", "o12", "o13", "o19", "o23", "o24", "o25", "o26"};
        QTest::newRow("suma del paso 4 desborda: tres porcentajes")
            << QStringList{"12", "13", "3000", "3000", "3000", "1000", "1000", "1000"} << antes
            << QStringList{"75", "30000", "10000", "o19", "o23", "o24", "o25", "o26"};
    }
    void ejemplos()
    {
        QFETCH(QStringList, pruebas);
        QFETCH(QStringList, previos);
        QFETCH(QStringList, esperados);
        const PruebasFundamentos p{pruebas[0], pruebas[1], pruebas[2], pruebas[3],
                                   pruebas[4], pruebas[5], pruebas[6], pruebas[7]};
        QCOMPARE(deResultados(Calificar_Fundamentos(p, aResultados(previos))), esperados);
    }

    void recepcion_data()
    {
        QTest::addColumn<QStringList>("conteos");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("grado");
        QTest::newRow("10 10 10") << QStringList{"10", "10", "10"} << "100"
                                  << "I";
        QTest::newRow("7 8 9") << QStringList{"7", "8", "9"} << "80"
                               << "II";
        QTest::newRow("2 2 1 sin grado") << QStringList{"2", "2", "1"} << "17"
                                         << "";
        QTest::newRow("1 1 1") << QStringList{"1", "1", "1"} << "10"
                               << "SN";
        QTest::newRow("12 12 12") << QStringList{"12", "12", "12"} << "120"
                                  << "I";
        QTest::newRow("5 5 5") << QStringList{"5", "5", "5"} << "50"
                               << "III";
        QTest::newRow("3 2 3 es 27") << QStringList{"3", "2", "3"} << "27"
                                     << "IV";
        QTest::newRow("2 2 2 es 20") << QStringList{"2", "2", "2"} << "20"
                                     << "";
        QTest::newRow("1 2 2 es 17") << QStringList{"1", "2", "2"} << "17"
                                     << "";
        QTest::newRow("1 1 2 es 13") << QStringList{"1", "1", "2"} << "13"
                                     << "SN";
    }
    void recepcion()
    {
        QFETCH(QStringList, conteos);
        QFETCH(QString, valor);
        QFETCH(QString, grado);
        const PruebasFundamentos p{"12", "12", conteos[0], conteos[1], conteos[2], "10", "10", "10"};
        const TipoResultados r = Calificar_Fundamentos(p, {});
        QCOMPARE(r.porcentaje[1], valor);
        QCOMPARE(r.grado[1], grado);
    }

    void localeConComa()
    {
        QLocale::setDefault(QLocale(QStringLiteral("es_ES")));
        const PruebasFundamentos p{"12,5", "12,5", "10", "10", "10", "10", "10", "10"};
        QCOMPARE(Calificar_Fundamentos(p, {}).porcentaje[0], QStringLiteral("100"));
        const PruebasFundamentos q{"12,6", "12,5", "10", "10", "10", "10", "10", "10"};
        QCOMPARE(Calificar_Fundamentos(q, {}).porcentaje[0], QStringLiteral("75"));
    }
};

QTEST_GUILESS_MAIN(PruebaCalificarFundamentos)
#include "prueba_calificar_fundamentos.moc"
