// The comparison with a saved evaluation, and finding and naming saved evaluations: the
// core alone, no widget.
#include "apoyo/archivos_malos.h"
#include "apoyo/registros_ayuda.h"
#include "nucleo/evaluaciones/evaluaciones.h"
#include "nucleo/informe/comparacion.h"
#include "nucleo/informe/tabla_equipo.h"
#include "nucleo/registros/tipo_reg.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace korva;

namespace {

Equipo equipoDe(const QList<QPair<int, QString>> &atletas)
{
    Equipo e;
    e.archivo = DefArchivos[0];
    for (const auto &[n, nombre] : atletas) {
        Atleta a;
        a.numero = n;
        a.datos << nombre;
        e.atletas.push_back(a);
    }
    return e;
}

// A level-2 record with a name and the endurance test alone.
QByteArray registro(const QString &nombre, const QString &resistencia)
{
    TipoReg r;
    r.guardar(Campo::Nombre, nombre);
    r.guardar(Campo::Resistencia, resistencia);
    r.guardar(Campo::Velocidad, QStringLiteral("7"));
    for (Campo c : {Campo::Lagartijas, Campo::Abdominales, Campo::Sentadillas})
        r.guardar(c, QStringLiteral("25"));
    return r.bytes();
}

}  // namespace

class PruebaComparacion : public QObject
{
    Q_OBJECT

private slots:
    // Matching by name: case and blanks ignored; one name twice is matched by record number
    // when both evaluations have it at that number, and flagged otherwise.
    void emparejarPorNombre()
    {
        const Equipo antes = equipoDe({{1, "Ana"}, {2, "Luis"}, {3, "Luis"}, {4, "Eva"}, {5, "Pepe"}, {6, "Pepe"}});
        const Equipo ahora = equipoDe({{1, "ANA  "}, {2, "Luis"}, {3, "Luis"}, {5, "Pepe"}, {7, "Pepe"}, {8, "Nuevo"}});
        const Comparacion c = comparar(antes, ahora, QStringLiteral("x"));
        using E = Comparacion::Estado;
        QList<E> estados;
        for (const auto &cambio : c.cambios)
            estados << cambio.estado;
        QCOMPARE(estados, (QList<E>{E::Comparado, E::Comparado, E::Comparado, E::Comparado, E::Repetido, E::Nuevo}));
        QCOMPARE(c.cambios[2].antes, 2);               // Luis of record 3 with Luis of record 3
        QCOMPARE(c.yaNoEstan, (std::vector<int>{3}));  // Eva
    }

    void claveDeNombre_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("iguales");
        QTest::newRow("mayúsculas") << "ana pérez"
                                    << "ANA PÉREZ" << true;
        QTest::newRow("blancos alrededor") << "  Ana "
                                           << "Ana" << true;
        QTest::newRow("compuesta y descompuesta")
            << QString::fromUtf8("Jose\xCC\x81") << QString::fromUtf8("José") << true;
        QTest::newRow("otra letra") << "Ana"
                                    << "Ena" << false;
        QTest::newRow("blanco en medio") << "Ana Mar"
                                         << "AnaMar" << false;
    }
    void claveDeNombre()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, iguales);
        QCOMPARE(korva::claveDeNombre(a) == korva::claveDeNombre(b), iguales);
    }

    // The table's changes come from the athletes' numbers: each percentage now minus then,
    // with its sign, and a number for the exports.
    void cambiosEnLaTabla()
    {
        QTemporaryDir dir;
        const QString guardada = QDir(dir.path()).filePath("Evaluaciones/2026-09-15 Inicio");
        QVERIFY(QDir().mkpath(guardada));
        QVERIFY(
            escribirArchivo(QDir(guardada).filePath("nivel2.dat"), registro("Ana", "1.3") + registro("Luis", "1.0")));
        QVERIFY(escribirArchivo(dir.filePath("nivel2.dat"), registro("ana", "1.0") + registro("Eva", "1.0")));
        const Equipo ahora = leerEquipo(dir.path(), DefArchivos[1]);
        const Comparacion c = compararConGuardada(dir.path(), "2026-09-15 Inicio", ahora);
        QVERIFY(comparacionLeida(c).ok());
        const TablaEquipo t = tablaDeEquipo(ahora, &c);
        QCOMPARE(int(t.filas.size()), 3);  // Ana, Eva, and Luis who is no longer there
        const int cambio = t.columnasPropias + 1;
        const auto d = cambioDe(c.antes.atletas[0].porcentajes[0], ahora.atletas[0].porcentajes[0]);
        QVERIFY(d && *d > 0);
        QCOMPARE(t.filas[0][cambio], QLatin1Char('+') + QString::number(*d));
        QCOMPARE(*t.numeros[0][std::size_t(cambio)], *d);
        QCOMPARE(t.tipos[std::size_t(cambio)], TipoColumna::Cambio);
        QCOMPARE(t.filas[1].last(), evolucion::Nuevo);
        QCOMPARE(t.filas[2].last(), evolucion::YaNoEsta);
        QCOMPARE(t.filas[2][1], QStringLiteral("Luis"));
        // every cell of a column of numbers that shows a number carries it
        for (std::size_t f = 0; f < t.filas.size(); ++f)
            for (int col = 0; col < t.columnas.size(); ++col)
                if ((t.tipos[std::size_t(col)] == TipoColumna::Numero
                     || t.tipos[std::size_t(col)] == TipoColumna::Cambio)
                    && comoNumero(t.filas[f][col]))
                    QCOMPARE(*t.numeros[f][std::size_t(col)], *comoNumero(t.filas[f][col]));
    }

    // A saved evaluation whose file cannot be read is not compared as "all new": it says so.
    void guardadaIlegible_data()
    {
        QTest::addColumn<QString>("que");
        QTest::newRow("carpeta") << "carpeta";
        QTest::newRow("tubería") << "fifo";
        QTest::newRow("enlace a /dev/zero") << "dispositivo";
    }
    void guardadaIlegible()
    {
        QFETCH(QString, que);
        QTemporaryDir dir;
        const QString guardada = QDir(dir.path()).filePath("Evaluaciones/2026-09-15");
        QVERIFY(QDir().mkpath(guardada));
        const QString archivo = QDir(guardada).filePath("nivel2.dat");
        const QByteArray nombre = QFile::encodeName(archivo);
        QVERIFY(ponerArchivoMalo(archivo,
                                 que == "carpeta"    ? ArchivoMalo::Carpeta
                                     : que == "fifo" ? ArchivoMalo::Fifo
                                                     : ArchivoMalo::Cero));
        QVERIFY(escribirArchivo(dir.filePath("nivel2.dat"), registro("Ana", "1.3")));
        const Equipo ahora = leerEquipo(dir.path(), DefArchivos[1]);
        const Comparacion c = compararConGuardada(dir.path(), "2026-09-15", ahora);
        const Resultado r = comparacionLeida(c);
        QVERIFY(!r.ok());
        QVERIFY2(r.razon().contains(archivo) && r.razon().contains("2026-09-15"), qPrintable(r.razon()));
    }

    // A saved evaluation by its folder's name, or by its label alone when one has it.
    void buscarEvaluacion_data()
    {
        QTest::addColumn<QString>("buscado");
        QTest::addColumn<QString>("hallada");  // empty: refused
        QTest::newRow("nombre entero") << "2026-09-15 Inicio de trimestre"
                                       << "2026-09-15 Inicio de trimestre";
        QTest::newRow("la etiqueta sola") << "Inicio de trimestre"
                                          << "2026-09-15 Inicio de trimestre";
        QTest::newRow("otra mayúscula") << "inicio DE trimestre"
                                        << "2026-09-15 Inicio de trimestre";
        QTest::newRow("descompuesta") << QString::fromUtf8("Reevaluacio\xCC\x81n")
                                      << QString::fromUtf8("2026-10-01 Reevaluación");
        QTest::newRow("dos con esa etiqueta") << "Fin"
                                              << "";
        QTest::newRow("ninguna") << "Nada"
                                 << "";
    }
    void buscarEvaluacion()
    {
        QFETCH(QString, buscado);
        QFETCH(QString, hallada);
        QTemporaryDir dir;
        for (const char *n : {"2026-09-15 Inicio de trimestre", "2026-10-01 Reevaluación", "2026-11-01 Fin",
                              "2026-12-01 Fin", "2026-12-01 Fin (2)"})
            QVERIFY(QDir().mkpath(QDir(dir.path()).filePath(QStringLiteral("Evaluaciones/") + QString::fromUtf8(n))));
        const ResultadoDe<QString> r = korva::buscarEvaluacion(dir.path(), buscado);
        if (hallada.isEmpty()) {
            QVERIFY(!r.ok());
            QVERIFY(r.razon().contains(buscado));
        } else {
            QVERIFY2(r.ok(), qPrintable(r.razon()));
            QCOMPARE(r.valor(), hallada);
        }
    }

    // The folder's name of a saved evaluation: cut by whole characters, composed, without
    // invisible characters, within what a file system takes with its " (n)".
    void nombreDeEvaluacion_data()
    {
        QTest::addColumn<QString>("etiqueta");
        QTest::addColumn<QString>("esperado");
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        QTest::newRow("corriente") << "Fin de trimestre"
                                   << "2026-12-09 Fin de trimestre";
        QTest::newRow("vacía") << ""
                               << "2026-12-09";
        QTest::newRow("79 letras y un emoji") << QString(79, 'a') + emoji + "zzz"
                                              << "2026-12-09 " + QString(79, 'a') + emoji;
        // 80 of them would be 240 bytes: with the date and " (10)" past the 255 of a name
        QTest::newRow("de tres bytes") << QString(100, QChar(0x20AC)) << "2026-12-09 " + QString(79, QChar(0x20AC));
        QTest::newRow("descompuesta") << QString::fromUtf8("Evaluacio\xCC\x81n")
                                      << QString::fromUtf8("2026-12-09 Evaluación");
        QTest::newRow("invisibles") << QString::fromUtf8("Ana\xE2\x80\xAE"
                                                         "etnI\xE2\x80\x8B")
                                    << "2026-12-09 AnaetnI";
        QTest::newRow("barras") << "1/2: ¿bien?" << QString::fromUtf8("2026-12-09 1-2- ¿bien-");
    }
    void nombreDeEvaluacion()
    {
        QFETCH(QString, etiqueta);
        QFETCH(QString, esperado);
        const QString nombre = korva::nombreDeEvaluacion(etiqueta, QDate(2026, 12, 9));
        QCOMPARE(nombre, esperado);
        QVERIFY(!nombre.contains(QChar(0xFFFD)));
        QVERIFY((nombre + " (999)").toUtf8().size() <= 255);
    }

    // Ten saves with the longest label each get their own name, all within the limit.
    void diezGuardadasConEtiquetaLarga()
    {
        QTemporaryDir dir;
        QVERIFY(escribirArchivo(dir.filePath("nivel2.dat"), registro("Ana", "1.3")));
        QSet<QString> nombres;
        for (int i = 0; i < 10; ++i) {
            const ResultadoDe<QString> r =
                guardarEvaluacion(dir.path(), QString(80, QChar(0x20AC)), QDate(2026, 12, 9));
            QVERIFY2(r.ok(), qPrintable(r.razon()));
            nombres.insert(r.valor());
        }
        QCOMPARE(nombres.size(), 10);
        QCOMPARE(evaluacionesGuardadas(dir.path()).size(), 10);
    }
};

QTEST_GUILESS_MAIN(PruebaComparacion)
#include "prueba_comparacion.moc"
