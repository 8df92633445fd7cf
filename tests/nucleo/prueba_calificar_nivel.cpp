#include "nucleo/calificacion/calificar_nivel.h"
#include "apoyo/resultados_ayuda.h"

#include <QtTest>

using namespace korva;

namespace {
const QStringList antes{"o11", "o12", "o13", "o19", "o23", "o24", "o25", "o26"};
}

class PruebaCalificarNivel : public QObject
{
    Q_OBJECT

private slots:
    // Whole runs: level, the five texts, the captions before, the captions after.
    void ejemplos_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QStringList>("pruebas");
        QTest::addColumn<QStringList>("previos");
        QTest::addColumn<QStringList>("esperados");

        QTest::newRow("nivel 2, el atleta tipico") << 2 << QStringList{"1.25", "8.5", "25", "26", "27"} << vacios()
                                                   << QStringList{"50", "25", "75", "50", "III", "IV", "II", "III"};
        QTest::newRow("nivel 1 completo") << 1 << QStringList{"1.3", "9.5", "25", "25", "25"} << vacios()
                                          << QStringList{"75", "25", "100", "67", "II", "IV", "I", "II"};
        QTest::newRow("cotas caen en la banda mejor") << 1 << QStringList{"1.2", "10", "25", "25", "25"} << vacios()
                                                      << QStringList{"100", "25", "100", "75", "I", "IV", "I", "II"};
        QTest::newRow("todo en banda 5") << 1 << QStringList{"5", "12", "1", "2", "3"} << vacios()
                                         << QStringList{"15", "15", "15", "15", "SN", "SN", "SN", "SN"};
        QTest::newRow("todo en banda 1") << 4 << QStringList{"1", "4", "50", "50", "50"} << vacios()
                                         << QStringList{"100", "100", "100", "100", "I", "I", "I", "I"};
        QTest::newRow("negativos: tiempos en banda 1, fuerza en banda 5")
            << 3 << QStringList{"-1", "-3", "-5", "-5", "-5"} << vacios()
            << QStringList{"100", "100", "15", "72", "I", "I", "SN", "II"};
        QTest::newRow("valores con el relleno del registro")
            << 1 << QStringList{"1.3       ", "9.5       ", "25        ", "25        ", "25        "} << vacios()
            << QStringList{"75", "25", "100", "67", "II", "IV", "I", "II"};
        QTest::newRow("nivel 3: resistencia 2.1 es 100 con grado II")
            << 3 << QStringList{"2.1", "5", "32", "32", "32"} << vacios()
            << QStringList{"100", "100", "100", "100", "II", "I", "I", "I"};
        QTest::newRow("nivel 3: resistencia 2.0 es 100 con grado I")
            << 3 << QStringList{"2.0", "5", "32", "32", "32"} << vacios()
            << QStringList{"100", "100", "100", "100", "I", "I", "I", "I"};
        QTest::newRow("nivel 1: 10, 10, 11 dan n = 10") << 1 << QStringList{"1", "7", "10", "10", "11"} << vacios()
                                                        << QStringList{"100", "100", "25", "75", "I", "I", "IV", "II"};
        QTest::newRow("nivel 1: 14, 15, 15 redondea a 15")
            << 1 << QStringList{"1", "7", "14", "15", "15"} << vacios()
            << QStringList{"100", "100", "50", "83", "I", "I", "III", "I"};
        QTest::newRow("nivel 1: 14, 14, 15 redondea a 14")
            << 1 << QStringList{"1", "7", "14", "14", "15"} << vacios()
            << QStringList{"100", "100", "25", "75", "I", "I", "IV", "II"};
        QTest::newRow("conteos con mitad van al par") << 2 << QStringList{"1", "6", "24.5", "25.5", "25"} << vacios()
                                                      << QStringList{"100", "100", "75", "92", "I", "I", "II", "I"};
        QTest::newRow("hueco de resistencia con 75 anterior: el promedio usa el 75")
            << 1 << QStringList{"2.105", "7", "25", "25", "25"} << QStringList{"75", "", "", "", "", "", "", ""}
            << QStringList{"75", "100", "100", "92", "", "I", "I", "I"};
        QTest::newRow("hueco de velocidad con etiqueta vacia: para en el paso 6")
            << 2 << QStringList{"1", "9.05", "30", "30", "30"} << QStringList{"", "", "", "o19", "", "", "o25", "o26"}
            << QStringList{"100", "", "100", "o19", "I", "", "o25", "o26"};
        QTest::newRow("resistencia mala: nada cambia")
            << 1 << QStringList{"abc", "7", "25", "25", "25"} << antes << antes;
        QTest::newRow("resistencia vacia: nada cambia")
            << 1 << QStringList{"", "7", "25", "25", "25"} << antes << antes;
        QTest::newRow("velocidad mala: solo resistencia")
            << 1 << QStringList{"1.3", "rapido", "25", "25", "25"} << antes
            << QStringList{"75", "o12", "o13", "o19", "II", "o24", "o25", "o26"};
        QTest::newRow("conteo malo: resistencia y velocidad")
            << 1 << QStringList{"1.3", "9.5", "25", "x", "25"} << antes
            << QStringList{"75", "25", "o13", "o19", "II", "IV", "o25", "o26"};
        QTest::newRow("conteo fuera de 16 bits") << 1 << QStringList{"1.3", "9.5", "40000", "1", "1"} << antes
                                                 << QStringList{"75", "25", "o13", "o19", "II", "IV", "o25", "o26"};
        QTest::newRow("20000 + 20000 desborda") << 1 << QStringList{"1.3", "9.5", "20000", "20000", "1"} << antes
                                                << QStringList{"75", "25", "o13", "o19", "II", "IV", "o25", "o26"};
    }
    void ejemplos()
    {
        QFETCH(int, nivel);
        QFETCH(QStringList, pruebas);
        QFETCH(QStringList, previos);
        QFETCH(QStringList, esperados);
        const PruebasNivel p{pruebas[0], pruebas[1], pruebas[2], pruebas[3], pruebas[4]};
        const TipoResultados r = Calificar_Nivel(nivel, p, aResultados(previos));
        QCOMPARE(deResultados(r), esperados);
    }

    // Each bound of every band table: value, level, expected percentage and grade.
    // Endurance alone (the speed text is bad, so the run stops after step 2).
    void resistencia_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("porcentaje");
        QTest::addColumn<QString>("grado");
        const struct {
            int nivel;
            const char *x, *pct, *grado;
        } filas[] = {
            {1, "1.2", "100", "I"},  {1, "1.21", "75", "II"}, {1, "1.4", "75", "II"},  {1, "2.0", "50", "III"},
            {1, "2.1", "25", "IV"},  {1, "2.105", "", ""},    {1, "2.11", "15", "SN"}, {2, "1.1", "100", "I"},
            {2, "1.2", "75", "II"},  {2, "1.3", "50", "III"}, {2, "1.4", "25", "IV"},  {2, "1.405", "", ""},
            {2, "1.41", "15", "SN"}, {3, "1.99", "100", "I"}, {3, "2.2", "100", "II"}, {3, "2.21", "75", "II"},
            {3, "2.35", "75", "II"}, {3, "2.5", "50", "III"}, {3, "3.0", "25", "IV"},  {3, "3.005", "", ""},
            {3, "3.01", "15", "SN"}, {4, "1.3", "100", "I"},  {4, "1.4", "75", "II"},  {4, "1.5", "50", "III"},
            {4, "2.0", "25", "IV"},  {4, "2.005", "", ""},    {4, "2.01", "15", "SN"},
        };
        for (const auto &f : filas)
            QTest::addRow("nivel %d, %s", f.nivel, f.x) << f.nivel << f.x << f.pct << f.grado;
    }
    void resistencia()
    {
        QFETCH(int, nivel);
        QFETCH(QString, x);
        QFETCH(QString, porcentaje);
        QFETCH(QString, grado);
        const TipoResultados r = Calificar_Nivel(nivel, {x, "mal", "1", "1", "1"}, {});
        QCOMPARE(r.porcentaje[0], porcentaje);
        QCOMPARE(r.grado[0], grado);
        QCOMPARE(r.porcentaje[1], QString());
    }

    // Speed alone (the counts are bad, so the run stops after step 4).
    void velocidad_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("porcentaje");
        QTest::addColumn<QString>("grado");
        const struct {
            int nivel;
            const char *y, *pct, *grado;
        } filas[] = {
            {1, "7", "100", "I"},    {1, "8", "75", "II"},    {1, "9", "50", "III"},   {1, "10", "25", "IV"},
            {1, "10.05", "", ""},    {1, "10.1", "15", "SN"}, {2, "6", "100", "I"},    {2, "7", "75", "II"},
            {2, "8", "50", "III"},   {2, "9", "25", "IV"},    {2, "9.05", "", ""},     {2, "9.1", "15", "SN"},
            {3, "5.2", "100", "I"},  {3, "5.6", "75", "II"},  {3, "6.2", "50", "III"}, {3, "6.8", "25", "IV"},
            {3, "6.805", "", ""},    {3, "6.81", "15", "SN"}, {4, "5", "100", "I"},    {4, "6", "75", "II"},
            {4, "6.5", "50", "III"}, {4, "7", "25", "IV"},    {4, "7.05", "", ""},     {4, "7.1", "15", "SN"},
        };
        for (const auto &f : filas)
            QTest::addRow("nivel %d, %s", f.nivel, f.y) << f.nivel << f.y << f.pct << f.grado;
    }
    void velocidad()
    {
        QFETCH(int, nivel);
        QFETCH(QString, y);
        QFETCH(QString, porcentaje);
        QFETCH(QString, grado);
        const TipoResultados r = Calificar_Nivel(nivel, {"0", y, "mal", "1", "1"}, {});
        QCOMPARE(r.porcentaje[1], porcentaje);
        QCOMPARE(r.grado[1], grado);
        QCOMPARE(r.porcentaje[2], QString());
    }

    // Strength from three equal counts n, n, n, so the mean is n.
    void fuerza_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("porcentaje");
        QTest::addColumn<QString>("grado");
        const struct {
            int nivel, n;
            const char *pct, *grado;
        } filas[] = {
            {1, 25, "100", "I"}, {1, 24, "75", "II"}, {1, 20, "75", "II"}, {1, 15, "50", "III"}, {1, 10, "25", "IV"},
            {1, 9, "15", "SN"},  {2, 30, "100", "I"}, {2, 25, "75", "II"}, {2, 20, "50", "III"}, {2, 15, "25", "IV"},
            {2, 14, "15", "SN"}, {3, 32, "100", "I"}, {3, 27, "75", "II"}, {3, 22, "50", "III"}, {3, 17, "25", "IV"},
            {3, 16, "15", "SN"}, {4, 40, "100", "I"}, {4, 35, "75", "II"}, {4, 30, "50", "III"}, {4, 25, "25", "IV"},
            {4, 24, "15", "SN"},
        };
        for (const auto &f : filas)
            QTest::addRow("nivel %d, n = %d", f.nivel, f.n) << f.nivel << f.n << f.pct << f.grado;
    }
    void fuerza()
    {
        QFETCH(int, nivel);
        QFETCH(int, n);
        QFETCH(QString, porcentaje);
        QFETCH(QString, grado);
        const QString c = QString::number(n);
        const TipoResultados r = Calificar_Nivel(nivel, {"0", "0", c, c, c}, {});
        QCOMPARE(r.porcentaje[2], porcentaje);
        QCOMPARE(r.grado[2], grado);
    }

    // The overall grade over the average m, through captions left by an earlier run:
    // endurance and speed in their gaps keep the captions given here.
    void gradoGeneral_data()
    {
        QTest::addColumn<QString>("p11");
        QTest::addColumn<QString>("p12");
        QTest::addColumn<QString>("m");
        QTest::addColumn<QString>("grado");
        // strength 100 at level 1 (counts 25)
        QTest::newRow("m 15") << "-27"
                              << "-28"
                              << "15"
                              << "SN";
        QTest::newRow("m 16") << "-26"
                              << "-26"
                              << "16"
                              << "IV";
        QTest::newRow("m 25") << "-13"
                              << "-12"
                              << "25"
                              << "IV";
        QTest::newRow("m 26") << "-11"
                              << "-11"
                              << "26"
                              << "III";
        QTest::newRow("m 50") << "25"
                              << "25"
                              << "50"
                              << "III";
        QTest::newRow("m 51") << "26"
                              << "27"
                              << "51"
                              << "II";
        QTest::newRow("m 75") << "75"
                              << "50"
                              << "75"
                              << "II";
        QTest::newRow("m 76") << "64"
                              << "64"
                              << "76"
                              << "I";
    }
    void gradoGeneral()
    {
        QFETCH(QString, p11);
        QFETCH(QString, p12);
        QFETCH(QString, m);
        QFETCH(QString, grado);
        TipoResultados previos;
        previos.porcentaje[0] = p11;
        previos.porcentaje[1] = p12;
        const TipoResultados r = Calificar_Nivel(1, {"2.105", "10.05", "25", "25", "25"}, previos);
        QCOMPARE(r.promedio, m);
        QCOMPARE(r.gradoGeneral, grado);
    }

    void localeConComa()
    {
        QLocale::setDefault(QLocale(QStringLiteral("es_ES")));
        const TipoResultados r = Calificar_Nivel(2, {"1,25", "8,5", "25", "26", "27"}, {});
        QCOMPARE(deResultados(r), (QStringList{"50", "25", "75", "50", "III", "IV", "II", "III"}));
        // the keypad of a Spanish keyboard types a point: it is a decimal mark there too
        QCOMPARE(deResultados(Calificar_Nivel(2, {"1.25", "8.5", "25", "26", "27"}, {})), deResultados(r));
        // and no thousands separator: 1.250 is 1.25, not 1250 graded worst
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(deResultados(Calificar_Nivel(2, {"1.250", "8,5", "25", "26", "27"}, {})), deResultados(r));
    }
};

QTEST_GUILESS_MAIN(PruebaCalificarNivel)
#include "prueba_calificar_nivel.moc"
