// The roster's reading and the import's plan: the core alone, no widget.
#include "apoyo/archivos_malos.h"
#include "apoyo/registros_ayuda.h"
#include "nucleo/escritura/importacion.h"
#include "nucleo/registros/archivo_entero.h"
#include "nucleo/registros/tipo_reg.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace korva;

Q_DECLARE_METATYPE(std::vector<AtletaImportado>)

class PruebaImportacion : public QObject
{
    Q_OBJECT

private slots:
    void leerLista_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("nombres");
        QTest::addColumn<QStringList>("edades");
        QTest::newRow("pegada de una hoja") << "Nombre\tEdad\nAna\t10\nLuis\t11\n"
                                            << QStringList{"Ana", "Luis"} << QStringList{"10", "11"};
        QTest::newRow("punto y coma, CRLF") << "Ana;9\r\nLuis;\r\n"
                                            << QStringList{"Ana", "Luis"} << QStringList{"9", ""};
        QTest::newRow("una columna") << "Ana\nLuis\n\n" << QStringList{"Ana", "Luis"} << QStringList{"", ""};
        QTest::newRow("cabecera Jugador") << "Jugador,Edad\nAna,9" << QStringList{"Ana"} << QStringList{"9"};
        QTest::newRow("comillas dobladas")
            << "\"Ana \"\"la\"\" Peña\";9" << QStringList{"Ana \"la\" Peña"} << QStringList{"9"};
    }
    void leerLista()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, nombres);
        QFETCH(QStringList, edades);
        QStringList n, e;
        for (const AtletaImportado &a : korva::leerLista(texto).atletas) {
            n << a.nombre;
            e << a.edad;
        }
        QCOMPARE(n, nombres);
        QCOMPARE(e, edades);
    }

    void textoDeLista_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("texto");
        QTest::newRow("UTF-8") << QByteArray("Jos\xC3\xA9") << QString::fromUtf8("José");
        QTest::newRow("UTF-8 con marca") << QByteArray("\xEF\xBB\xBFJos\xC3\xA9") << QString::fromUtf8("José");
        QTest::newRow("Windows-1252") << QByteArray("Jos\xE9 N\xFA\xF1\x65z") << QString::fromUtf8("José Núñez");
    }
    void textoDeLista()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, texto);
        QCOMPARE(korva::textoDeLista(bytes), texto);
    }

    // A roster file is read without waiting and within its bound, or refused with its path
    // and its reason.
    void archivoDeLista_data()
    {
        QTest::addColumn<QString>("que");
        QTest::addColumn<QString>("razon");
        QTest::newRow("no existe") << "falta"
                                   << "no existe";
        QTest::newRow("carpeta") << "carpeta"
                                 << "es una carpeta";
        QTest::newRow("tubería") << "fifo"
                                 << "tubería";
        QTest::newRow("dispositivo") << "/dev/zero"
                                     << "dispositivo";
        QTest::newRow("demasiado grande") << "grande"
                                          << "demasiado grande";
        QTest::newRow("bien") << "bien"
                              << "";
    }
    void archivoDeLista()
    {
        QFETCH(QString, que);
        QFETCH(QString, razon);
        QTemporaryDir dir;
        QString ruta = dir.filePath("lista.csv");
        if (que == "carpeta")
            QVERIFY(ponerArchivoMalo(ruta, ArchivoMalo::Carpeta));
        else if (que == "fifo")
            QVERIFY(ponerArchivoMalo(ruta, ArchivoMalo::Fifo));
        else if (que.startsWith('/'))
            ruta = que;
        else if (que == "grande")
            QVERIFY(escribirArchivo(ruta, QByteArray(TamanoMaximoDeLista + 1, 'a')));
        else if (que == "bien")
            QVERIFY(escribirArchivo(ruta, "Ana;9\n"));
        const ResultadoDe<ListaDeAtletas> r = leerArchivoDeLista(ruta);
        if (razon.isEmpty()) {
            QVERIFY2(r.ok(), qPrintable(r.razon()));
            QCOMPARE(int(r.valor().atletas.size()), 1);
            QCOMPARE(r.valor().atletas[0].nombre, QStringLiteral("Ana"));
            QCOMPARE(r.valor().atletas[0].edad, QStringLiteral("9"));
        } else {
            QVERIFY(!r.ok());
            QVERIFY2(r.razon().contains(ruta) && r.razon().contains(razon), qPrintable(r.razon()));
        }
    }

    // The plan into one tab: the empty slots in order, the names already there skipped (as
    // the comparison matches them), a name stored otherwise than given flagged, and whether
    // all fit.
    void plan()
    {
        QByteArray archivo;
        for (const char *nombre : {"Ana", "", "LUIS ", ""}) {
            TipoReg r;
            if (*nombre)
                r.guardar(Campo::Nombre, QString::fromLatin1(nombre));
            archivo += r.bytes();
        }
        const std::vector<AtletaImportado> lista{{"ana", "9"},  {"Eva", "10"},
                                                 {"Luis", ""},  {"Zoë Ibáñez-Muñoz de la Peña y Sánchez", ""},
                                                 {"Eva", "10"}, {"Pepe", ""}};
        std::array<QByteArray, 5> archivos;
        archivos[1] = archivo;
        DestinoDeImportacion uno;
        uno.archivo = 1;
        const PlanDeImportacion p = planDeImportacion(archivos, lista, uno);
        QCOMPARE(p.libres[1], 28);  // records 2, 4 and 5 to 30
        QCOMPARE(p.aImportar[1], 3);
        QCOMPARE(p.nuevos(), 3);
        QVERIFY(p.cabe());
        QList<int> registros;
        QList<bool> yaEstan, cortados, fueraDeEdad;
        for (const auto &f : p.filas) {
            QCOMPARE(int(f.lugares.size()), 1);
            registros << f.lugares[0].registro;
            yaEstan << f.lugares[0].yaEsta;
            cortados << f.cortado;
            fueraDeEdad << f.fueraDeEdad;
        }
        QCOMPARE(registros, (QList<int>{0, 2, 0, 4, 0, 5}));
        QCOMPARE(yaEstan, (QList<bool>{true, false, true, false, true, false}));
        QCOMPARE(cortados, (QList<bool>{false, false, false, true, false, false}));
        QCOMPARE(fueraDeEdad, (QList<bool>{true, false, false, false, false, false}));  // 9 is not 10-11
        QVERIFY(p.filas[3].guardado.size() <= 30);
        QVERIFY(QStringLiteral("Zoë Ibáñez-Muñoz de la Peña y Sánchez").startsWith(p.filas[3].guardado));

        // a full file: nothing fits, and the preview says where
        QByteArray lleno;
        for (int n = 1; n <= 30; ++n) {
            TipoReg r;
            r.guardar(Campo::Nombre, QStringLiteral("A%1").arg(n));
            lleno += r.bytes();
        }
        archivos[1] = lleno;
        const PlanDeImportacion noCabe = planDeImportacion(archivos, {{"Nuevo", ""}}, uno);
        QVERIFY(!noCabe.cabe());
        QCOMPARE(noCabe.queNoCabe().size(), 1);
        QVERIFY(noCabe.queNoCabe().front().contains("NIVEL 2"));
    }

    // The whole squad by age, at each range's edges: 8-9, 10-11, 12-14, 15-17; an age of no
    // level is left out unless the coach gives it one; everyone into the fundamentals too.
    void plantillaPorEdad_data()
    {
        QTest::addColumn<QString>("edad");
        QTest::addColumn<int>("pestana");  // -1: left out
        const QList<QPair<const char *, int>> bordes{{"7", -1}, {"8", 0},   {"9", 0},  {"10", 1},
                                                     {"11", 1}, {"12", 2},  {"14", 2}, {"15", 3},
                                                     {"17", 3}, {"18", -1}, {"", -1},  {"13 años", 2}};
        for (const auto &[edad, pestana] : bordes)
            QTest::newRow(*edad ? edad : "sin edad") << QString::fromUtf8(edad) << pestana;
    }
    void plantillaPorEdad()
    {
        QFETCH(QString, edad);
        QFETCH(int, pestana);
        std::array<QByteArray, 5> archivos;
        const std::vector<AtletaImportado> lista{{"Ana", edad}};
        const PlanDeImportacion p = planDeImportacion(archivos, lista, DestinoDeImportacion());
        const PlanDeImportacion::Fila &f = p.filas[0];
        QCOMPARE(f.sinNivel, pestana < 0);
        if (pestana < 0) {
            QVERIFY(f.lugares.empty());
            QCOMPARE(p.nuevos(), 0);
            QVERIFY(!f.nota().isEmpty());
            // given a level in the preview, it goes there
            DestinoDeImportacion dado;
            dado.asignadas[0] = 3;
            const PlanDeImportacion conNivel = planDeImportacion(archivos, lista, dado);
            QCOMPARE(conNivel.aImportar[3], 1);
            QCOMPARE(conNivel.aImportar[4], 1);
            return;
        }
        QCOMPARE(int(f.lugares.size()), 2);
        QCOMPARE(f.lugares[0].archivo, pestana);
        QCOMPARE(f.lugares[0].registro, 1);
        QCOMPARE(f.lugares[1].archivo, ArchivoFundamentos);
        DestinoDeImportacion sinFundamentos;
        sinFundamentos.conFundamentos = false;
        QCOMPARE(int(planDeImportacion(archivos, lista, sinFundamentos).filas[0].lugares.size()), 1);
    }

    // A name already in another level's tab is noted; one left out by the coach takes nothing.
    void enOtraPestanaYQuitada()
    {
        std::array<QByteArray, 5> archivos;
        TipoReg r;
        r.guardar(Campo::Nombre, QStringLiteral("Ana"));
        archivos[0] = r.bytes();
        DestinoDeImportacion d;
        d.quitadas = {1};
        const PlanDeImportacion p = planDeImportacion(archivos, {{"ANA", "10"}, {"Luis", "10"}}, d);
        QCOMPARE(p.filas[0].enOtras, QStringList{QString::fromUtf8(DefArchivos[0].titulo)});
        QVERIFY(p.filas[0].nota().contains("NIVEL 1"));
        QVERIFY(p.filas[1].quitada);
        QVERIFY(p.filas[1].lugares.empty());
        QCOMPARE(p.aImportar[1], 1);
    }

    // What a coach's files hold, and what the reader once made of them: each case as the
    // coach would see it go wrong.
    void listasDeVerdad_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("nombres");
        QTest::addColumn<QStringList>("edades");
        QTest::addColumn<int>("omitidas");
        QTest::addColumn<int>("avisos");
        const auto utf16 = [](const QString &t, bool le) {
            QByteArray b = le ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
            for (const QChar c : t) {
                const char alto = char(c.unicode() >> 8), bajo = char(c.unicode() & 0xFF);
                b.append(le ? bajo : alto).append(le ? alto : bajo);
            }
            return b;
        };
        const QString texto = QStringLiteral("Nombre\tEdad\r\nJosé Núñez\t10\r\nAna Peña\t11\r\n");
        QTest::newRow("Texto Unicode (UTF-16 LE)")
            << utf16(texto, true) << QStringList{"José Núñez", "Ana Peña"} << QStringList{"10", "11"} << 0 << 0;
        QTest::newRow("UTF-16 BE") << utf16(texto, false) << QStringList{"José Núñez", "Ana Peña"}
                                   << QStringList{"10", "11"} << 0 << 0;
        QTest::newRow("comillas con coma")
            << QByteArray("\"P\xC3\xA9rez, Ana\",12\n\"G\xC3\xB3mez, Luis\",13\n")
            << QStringList{"Pérez, Ana", "Gómez, Luis"} << QStringList{"12", "13"} << 0 << 0;
        QTest::newRow("salto de línea entre comillas")
            << QByteArray("Nombre;Edad\n\"Ana\nMar\xC3\xAD"
                          "a\";10\nLuis;11\n")
            << QStringList{"Ana María", "Luis"} << QStringList{"10", "11"} << 0 << 0;
        QTest::newRow("una columna con comas")
            << QByteArray("P\xC3\xA9rez, Ana\nG\xC3\xB3mez, Luis\n") << QStringList{"Pérez, Ana", "Gómez, Luis"}
            << QStringList{"", ""} << 0 << 0;
        QTest::newRow("un TAB suelto en un ;")
            << QByteArray("Nombre;Edad\nAna;10\nLuis\t;11\nEva;12\n") << QStringList{"Ana", "Luis", "Eva"}
            << QStringList{"10", "11", "12"} << 0 << 0;
        QTest::newRow("una línea en Windows-1252")
            << QByteArray("Jos\xC3\xA9;10\nN\xFA\xF1\x65z;11\nPe\xC3\xB1\x61;12\n")
            << QStringList{"José", "Núñez", "Peña"} << QStringList{"10", "11", "12"} << 0 << 1;
        QTest::newRow("nombres de controles")
            << QByteArray("Ana;10\n\x01\x02;11\n\t;12\n---;13\n") << QStringList{"Ana"} << QStringList{"10"} << 3 << 0;
        QTest::newRow("nombre y apellidos, fecha de nacimiento")
            << QByteArray("APELLIDOS;Nombre;F. Nacimiento\nNúñez;José;03/05/2014\nPeña;Ana;2012-12-10\n")
            << QStringList{"José Núñez", "Ana Peña"} << QStringList{"12", "13"} << 0 << 0;
        QTest::newRow("títulos encima") << QByteArray("Club Tigres 2026\n\nNº;Jugador;Años\n1;Ana;10\n2;Luis;11\n")
                                        << QStringList{"Ana", "Luis"} << QStringList{"10", "11"} << 0 << 0;
    }
    void listasDeVerdad()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, nombres);
        QFETCH(QStringList, edades);
        QFETCH(int, omitidas);
        QFETCH(int, avisos);
        const ResultadoDe<ListaDeAtletas> r = leerListaDeBytes(bytes, QString(), QDate(2026, 12, 9));
        QVERIFY2(r.ok(), qPrintable(r.razon()));
        QStringList n, e;
        for (const AtletaImportado &a : r.valor().atletas) {
            n << a.nombre;
            e << a.edad;
        }
        QCOMPARE(n, nombres);
        QCOMPARE(e, edades);
        QCOMPARE(int(r.valor().omitidas.size()), omitidas);
        QCOMPARE(int(r.valor().avisos.size()), avisos);
    }

    // What is no roster is refused with what it is and what to do.
    void noEsUnaLista_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("que");
        QTest::newRow("PDF") << QByteArray("%PDF-1.4\n...") << "PDF";
        QTest::newRow("Excel antiguo") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0") << ".xls";
        QTest::newRow("imagen") << QByteArray("\x89PNG\r\n\x1A\n\0\0") << "imagen";
        QTest::newRow("binario") << QByteArrayLiteral("\x01\x02\0\0\0\x05\x06\0\0") << "texto";
        QTest::newRow("zip cualquiera") << QByteArray("PK\x03\x04 no es un libro") << "hoja de cálculo";
    }
    void noEsUnaLista()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, que);
        const ResultadoDe<ListaDeAtletas> r = leerListaDeBytes(bytes);
        QVERIFY(!r.ok());
        QVERIFY2(r.razon().contains(que) && r.razon().contains("guárdelo como .xlsx, .ods o CSV"),
                 qPrintable(r.razon()));
    }

    // Records cut out of a file's bytes and put back by one pair of functions.
    void registrosEnBytes()
    {
        QByteArray bytes = registroAjeno(1);  // one record only
        TipoReg r;
        r.guardar(Campo::Nombre, QStringLiteral("Eva"));
        ponerRegistroEn(bytes, 3, r);
        QCOMPARE(bytes.size(), 3 * 130);
        QCOMPARE(bytes.left(130), registroAjeno(1));
        QCOMPARE(bytes.mid(130, 130), ceros(130));
        QCOMPARE(registroEn(bytes, 3), r);
        QCOMPARE(registroEn(bytes, 7).bytes(), ceros(130));  // past the end
    }
};

QTEST_GUILESS_MAIN(PruebaImportacion)
#include "prueba_importacion.moc"
