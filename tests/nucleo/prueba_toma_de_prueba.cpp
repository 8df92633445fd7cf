// One test taken for a whole tab: how its values read, what looks wrong, a list of names and
// values, the writing of that field alone, and the recovery file. The core alone.
#include "apoyo/registros_ayuda.h"
#include "nucleo/escritura/toma_de_prueba.h"
#include "nucleo/evaluaciones/evaluaciones.h"
#include "nucleo/registros/mapa_campos.h"
#include "nucleo/registros/una_copia.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace korva;

namespace {

QByteArray atleta(const QString &nombre, const QStringList &pruebas, bool fundamentos = false)
{
    TipoReg r;
    r.guardar(Campo::Nombre, nombre);
    r.guardar(Campo::Edad, QStringLiteral("10"));
    const MapaCampos &mapa = fundamentos ? mapaFundamentos() : mapaNivel();
    for (int i = 0; i < pruebas.size(); ++i)
        r.guardar(mapa[std::size_t(i + 2)], pruebas[i]);
    return r.bytes();
}

}  // namespace

class PruebaTomaDePrueba : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // What a value reads as, in the coach's locale and in C alike.
    void leerValor_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("prueba");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valida");
        QTest::addColumn<double>("numero");  // -1: blank
        QTest::addColumn<QString>("razon");
        for (const char *locale : {"C", "es_ES"}) {
            const auto fila = [&](const char *n, const char *prueba, const char *texto, bool v, double num,
                                  const char *razon) {
                QTest::addRow("%s, %s", locale, n) << QString::fromLatin1(locale) << QString::fromUtf8(prueba)
                                                   << QString::fromUtf8(texto) << v << num << QString::fromUtf8(razon);
            };
            fila("coma", "Resistencia", "1,25", true, 1.25, "");
            fila("punto", "Resistencia", "1.25", true, 1.25, "");
            fila("en blanco", "Velocidad", "  ", true, -1, "");
            fila("minutos y segundos", "Resistencia", "1:35", false, 0, "Minutos, con decimales");
            fila("letras", "Velocidad", "ocho", false, 0, "Segundos, con decimales: 8,45");
            fila("exponente", "Velocidad", "8e1", false, 0, "exponentes");
            fila("negativo", "Lagartijas", "-3", false, 0, "negativo");
            fila("cuenta con decimales", "Abdominales", "25,5", false, 0, "enteros");
            fila("cuenta entera", "Sentadillas", "18", true, 18, "");
            fila("buenos de 10", "Recepcion PIE", "7", true, 7, "");
            fila("conducción con décimas", "Conduccion INTERNA", "14,2", false, 0, "Segundos, enteros");
        }
    }
    void leerValor()
    {
        QFETCH(QString, locale);
        QFETCH(QString, prueba);
        QFETCH(QString, texto);
        QFETCH(bool, valida);
        QFETCH(double, numero);
        QFETCH(QString, razon);
        QLocale::setDefault(QLocale(locale));
        const DefPrueba *p = korva::pruebaPorNombre(DefArchivos[1], prueba);
        if (!p)
            p = korva::pruebaPorNombre(DefArchivos[ArchivoFundamentos], prueba);
        QVERIFY(p);
        const LecturaDeValor l = korva::leerValor(*p, texto);
        QCOMPARE(l.valida, valida);
        if (valida)
            QCOMPARE(l.numero ? *l.numero : -1.0, numero);
        else
            QVERIFY2(l.razon.contains(razon) && l.razon.contains(texto.trimmed()), qPrintable(l.razon));
    }

    void pruebaPorNombre_data()
    {
        QTest::addColumn<int>("pestana");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("campo");
        QTest::newRow("minúsculas") << 1 << "velocidad"
                                    << "Velocidad";
        QTest::newRow("acentos") << 4 << "Recepción pie"
                                 << "RePie";
        QTest::newRow("mayúsculas") << 4 << "TIRO FRONTAL"
                                    << "TiroFrontal";
        QTest::newRow("otra pestaña") << 4 << "Velocidad"
                                      << "";
    }
    void pruebaPorNombre()
    {
        QFETCH(int, pestana);
        QFETCH(QString, nombre);
        QFETCH(QString, campo);
        const DefPrueba *p = korva::pruebaPorNombre(DefArchivos[std::size_t(pestana)], nombre);
        QCOMPARE(p ? QString::fromLatin1(defCampo(p->campo).nombre) : QString(), campo);
    }

    // Soft warnings: a count above what a person does, a value far from the level's bands,
    // a grade two away from the one then; a plain value has none.
    void avisos_data()
    {
        QTest::addColumn<int>("pestana");
        QTest::addColumn<QString>("prueba");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("11 buenos de 10") << 4 << "Recepcion PECHO" << 11.0 << "más de 10 buenos";
        QTest::newRow("300 lagartijas") << 1 << "Lagartijas" << 300.0 << "más repeticiones";
        QTest::newRow("velocidad de 25 s en nivel 2") << 1 << "Velocidad" << 25.0 << "muy lejos";
        QTest::newRow("resistencia de 0,2") << 1 << "Resistencia" << 0.2 << "no parece";
        QTest::newRow("velocidad normal") << 1 << "Velocidad" << 8.5 << "";
        QTest::newRow("7 buenos") << 4 << "Tiro INTERNA" << 7.0 << "";
    }
    void avisos()
    {
        QFETCH(int, pestana);
        QFETCH(QString, prueba);
        QFETCH(double, valor);
        QFETCH(QString, aviso);
        const DefArchivo &a = DefArchivos[std::size_t(pestana)];
        const QStringList avisos = avisosDeValor(*korva::pruebaPorNombre(a, prueba), a, valor);
        if (aviso.isEmpty())
            QCOMPARE(avisos, QStringList());
        else
            QVERIFY2(avisos.join(' ').contains(aviso), qPrintable(avisos.join(' ')));
    }

    // The grid's whole path in the core: then and now, results, a grade two away, the writing
    // of that field alone, the recovery file.
    void tomaEntera()
    {
        QTemporaryDir dir;
        QVERIFY(escribirArchivo(dir.filePath("nivel2.dat"),
                                atleta("Ana", {"1.0", "6.0", "30", "30", "30"})
                                    + atleta("Luis", {"1.25", "", "25", "26", "27"}) + registroAjeno(5)));
        QVERIFY(guardarEvaluacion(dir.path(), "Inicio", QDate(2026, 9, 15)).ok());
        const QByteArray antes = leerArchivo(dir.filePath("nivel2.dat"));
        const ResultadoDe<TomaDePrueba> t = TomaDePrueba::abrir(dir.path(), 1, 1);  // level 2, speed
        QVERIFY2(t.ok(), qPrintable(t.razon()));
        const TomaDePrueba &toma = t.valor();
        QCOMPARE(toma.evaluacionAntes(), QStringLiteral("2026-09-15 Inicio"));
        QCOMPARE(int(toma.filas().size()), 3);  // the record nobody wrote has a "name" too
        QCOMPARE(toma.filas()[0].antes, QStringLiteral("6.0"));
        QCOMPARE(toma.filas()[1].valor, QString());
        QVERIFY(toma.filas()[0].gradoAntes.has_value());
        // level 2 speed: 6.0 is band 1 (100, I); 9.1 and up band 5 (15, SN)
        QCOMPARE(toma.resultadoCon(0, "6,0").porcentaje, QStringLiteral("100"));
        QCOMPARE(toma.resultadoCon(0, "6,0").grado, QStringLiteral("I"));
        QCOMPARE(toma.resultadoCon(0, "9.5").grado, QStringLiteral("SN"));
        QVERIFY(toma.avisos(0, 9.5).join(' ').contains("grados de diferencia"));
        QCOMPARE(toma.avisos(0, 6.5), QStringList());

        const ResultadoDe<int> r = toma.guardar({{2, "8,45"}, {1, "6.0"}});
        QVERIFY2(r.ok(), qPrintable(r.razon()));
        QCOMPARE(r.valor(), 1);  // Ana's value did not change
        QByteArray esperado = antes;
        esperado.replace(130 + 50, 10, relleno("8,45", 10));  // Luis's speed field, nothing else
        QCOMPARE(leerArchivo(dir.filePath("nivel2.dat")), esperado);

        // the recovery file: back for the same athletes only
        QVERIFY(toma.guardarRecuperacion({{1, "7,1"}, {2, ""}}).ok());
        QCOMPARE(toma.leerRecuperacion(), (std::map<int, QString>{{1, "7,1"}, {2, ""}}));
        QByteArray otro = leerArchivo(dir.filePath("nivel2.dat"));
        otro.replace(0, 30, relleno("Otra", 30));
        QVERIFY(escribirArchivo(dir.filePath("nivel2.dat"), otro));
        const TomaDePrueba despues = TomaDePrueba::abrir(dir.path(), 1, 1).valor();
        QCOMPARE(despues.leerRecuperacion(), (std::map<int, QString>{{2, ""}}));
        // a recovery file changed by hand: only what a typed value could be comes back
        const QString cabecera = QString::fromUtf8(leerArchivo(despues.rutaDeRecuperacion())).section('\n', 0, 0);
        QVERIFY(escribirArchivo(despues.rutaDeRecuperacion(),
                                (cabecera + "\n2\tabc;DROP\tLuis\n2\t-999999999\tLuis\n2\t0000000000008,45\tLuis\n"
                                            "2\t8\u200b,45\tLuis\n")
                                    .toUtf8()));
        QCOMPARE(despues.leerRecuperacion(), (std::map<int, QString>{{2, "8,45"}}));
        // and nothing but a value that passes is stored, whoever hands it over
        for (const char *malo : {"abc;DROP", "-999999999", "0000000000008,45", "\u07c8,45"})
            QVERIFY2(!despues.guardar({{2, QString::fromUtf8(malo)}}).ok(), malo);
        // and a record that changed hands since the grid opened is not written
        QVERIFY(!toma.guardar({{1, "7"}}).ok());
        toma.quitarRecuperacion();
        QVERIFY(!QFileInfo::exists(toma.rutaDeRecuperacion()));
    }

    // A list of names and values: matched by name; an unknown name, a value that does not
    // read or a name two athletes share refuse the whole list, with every reason.
    void valoresDeFilas_data()
    {
        QTest::addColumn<QList<QStringList>>("filas");
        QTest::addColumn<QString>("valores");  // "record=value ..." or the reasons expected
        QTest::addColumn<bool>("valida");
        using L = QList<QStringList>;
        QTest::newRow("con cabecera") << L{{"Nombre", "Velocidad"}, {"ana", "7,1"}, {" LUIS ", "8.45"}}
                                      << "1=7,1 2=8.45" << true;
        QTest::newRow("en blanco") << L{{"Ana", ""}} << "1=" << true;
        QTest::newRow("desconocido") << L{{"Ana", "7"}, {"Nadie", "8"}} << "«Nadie»: no hay ningún atleta" << false;
        QTest::newRow("ilegible y repetido") << L{{"Ana", "1:35"}, {"Eva", "8"}} << "«1:35»|dos atletas" << false;
        QTest::newRow("dos veces") << L{{"Ana", "7"}, {"Ana", "8"}} << "ya tiene un valor" << false;
    }
    void valoresDeFilas()
    {
        QFETCH(QList<QStringList>, filas);
        QFETCH(QString, valores);
        QFETCH(bool, valida);
        QTemporaryDir dir;
        QVERIFY(escribirArchivo(dir.filePath("nivel2.dat"),
                                atleta("Ana", {}) + atleta("Luis", {}) + atleta("Eva", {}) + atleta("Eva", {})));
        const TomaDePrueba toma = TomaDePrueba::abrir(dir.path(), 1, 1).valor();
        const ResultadoDe<std::map<int, QString>> r =
            toma.valoresDeFilas(std::vector<QStringList>(filas.begin(), filas.end()));
        QCOMPARE(r.ok(), valida);
        if (valida) {
            QStringList dados;
            for (const auto &[n, v] : r.valor())
                dados << QStringLiteral("%1=%2").arg(n).arg(v);
            QCOMPARE(dados.join(' '), valores);
        } else {
            for (const QString &razon : valores.split('|'))
                QVERIFY2(r.razon().contains(razon), qPrintable(r.razon()));
        }
    }

    // While the evaluation program is open, nothing is written.
    void conKorva4Abierto()
    {
        QTemporaryDir dir;
        QVERIFY(escribirArchivo(dir.filePath("nivel2.dat"), atleta("Ana", {})));
        const TomaDePrueba toma = TomaDePrueba::abrir(dir.path(), 1, 1).valor();
        const UnaCopia korva4(dir.path());
        const ResultadoDe<int> r = toma.guardar({{1, "7"}});
        QVERIFY(!r.ok());
        QVERIFY(r.razon().contains("KORVA 4 está abierto"));
        QCOMPARE(leerArchivo(dir.filePath("nivel2.dat")), atleta("Ana", {}));
    }
};

QTEST_GUILESS_MAIN(PruebaTomaDePrueba)
#include "prueba_toma_de_prueba.moc"
