// The roster's reading and the import's plan: the core alone, no widget.
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
        for (const AtletaImportado &a : korva::leerLista(texto)) {
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
            QVERIFY(QDir().mkdir(ruta));
        else if (que == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(ruta).constData(), 0644), 0);
        else if (que.startsWith('/'))
            ruta = que;
        else if (que == "grande")
            QVERIFY(escribirArchivo(ruta, QByteArray(TamanoMaximoDeLista + 1, 'a')));
        else if (que == "bien")
            QVERIFY(escribirArchivo(ruta, "Ana;9\n"));
        const ResultadoDe<QString> r = leerArchivoDeLista(ruta);
        if (razon.isEmpty()) {
            QVERIFY2(r.ok(), qPrintable(r.razon()));
            QCOMPARE(r.valor(), QStringLiteral("Ana;9\n"));
        } else {
            QVERIFY(!r.ok());
            QVERIFY2(r.razon().contains(ruta) && r.razon().contains(razon), qPrintable(r.razon()));
        }
    }

    // The plan: the empty slots in order, the names already there skipped (as the comparison
    // matches them), a name stored otherwise than given flagged, and whether all fit.
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
        const PlanDeImportacion p = planDeImportacion(archivo, lista);
        QCOMPARE(p.libres, 28);  // records 2, 4 and 5 to 30
        QCOMPARE(p.aImportar, 3);
        QVERIFY(p.cabe());
        QList<int> registros;
        QList<bool> yaEstan, cortados;
        for (const auto &f : p.filas) {
            registros << f.registro;
            yaEstan << f.yaEsta;
            cortados << f.cortado;
        }
        QCOMPARE(registros, (QList<int>{0, 2, 0, 4, 0, 5}));
        QCOMPARE(yaEstan, (QList<bool>{true, false, true, false, true, false}));
        QCOMPARE(cortados, (QList<bool>{false, false, false, true, false, false}));
        QVERIFY(p.filas[3].guardado.size() <= 30);
        QVERIFY(QStringLiteral("Zoë Ibáñez-Muñoz de la Peña y Sánchez").startsWith(p.filas[3].guardado));

        // a full file: nothing fits
        QByteArray lleno;
        for (int n = 1; n <= 30; ++n) {
            TipoReg r;
            r.guardar(Campo::Nombre, QStringLiteral("A%1").arg(n));
            lleno += r.bytes();
        }
        QVERIFY(!planDeImportacion(lleno, {{"Nuevo", ""}}).cabe());
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
