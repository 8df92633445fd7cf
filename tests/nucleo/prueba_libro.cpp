#include "apoyo/archivos_malos.h"
#include "nucleo/registros/libro_registros.h"
#include "apoyo/registros_ayuda.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace korva;

namespace {

// A screen without widgets: the texts of the boxes, the record number and the results.
class FormaFalsa : public FormularioRegistros
{
public:
    QHash<Campo, QString> textos;
    QString numero = QStringLiteral("(sin tocar)");
    int limpiezas = 0;
    int enfoques = 0;

    QString textoCampo(Campo campo) const override { return textos.value(campo); }
    void ponerTextoCampo(Campo campo, const QString &texto) override { textos[campo] = texto; }
    void ponerNumeroRegistro(const QString &texto) override { numero = texto; }
    void limpiarResultados() override { ++limpiezas; }
    void enfocarNombre() override { ++enfoques; }

    void escribir(const MapaCampos &mapa, const QStringList &valores)
    {
        for (std::size_t i = 0; i < mapa.size(); ++i)
            textos[mapa[i]] = valores.value(int(i));
    }
};

}  // namespace

class PruebaLibro : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString ruta(const char *nombre) const { return m_tmp->filePath(QString::fromLatin1(nombre)); }

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
    }

    void primeraVezSinArchivo()
    {
        FormaFalsa forma;
        LibroRegistros libro(ruta("nivel1.dat"), mapaNivel(), forma);
        QVERIFY(libro.cargar().ok());
        QVERIFY(QFile::exists(ruta("nivel1.dat")));
        QCOMPARE(QFileInfo(ruta("nivel1.dat")).size(), 0);
        QCOMPARE(libro.IndiceReg, qint16(1));
        QCOMPARE(libro.LongitudReg, qint16(130));
        QCOMPARE(forma.textos.value(Campo::Nombre), QString());
        QCOMPARE(forma.textos.size(), 7);
        QCOMPARE(forma.numero, QStringLiteral("(sin tocar)"));  // Label9 keeps its empty caption
    }

    void guardarRegistro3DeArchivoVacio()
    {
        FormaFalsa forma;
        LibroRegistros libro(ruta("nivel2.dat"), mapaNivel(), forma);
        QVERIFY(libro.cargar().ok());
        libro.registroSiguiente();
        libro.registroSiguiente();
        QCOMPARE(libro.IndiceReg, qint16(3));
        forma.escribir(mapaNivel(), {"ANA", "9", "1.2", "6.5", "12", "20", "15"});
        QVERIFY(libro.guardarRegistro().ok());
        const QByteArray bytes = leerArchivo(ruta("nivel2.dat"));
        QCOMPARE(bytes.size(), 390);
        QCOMPARE(bytes.left(260), ceros(260));
        QCOMPARE(bytes.mid(260), registroAna());

        // on the next load records 1 and 2 are empty boxes and record 3 is ANA
        FormaFalsa otra;
        LibroRegistros nuevo(ruta("nivel2.dat"), mapaNivel(), otra);
        QVERIFY(nuevo.cargar().ok());
        QCOMPARE(otra.textos.value(Campo::Nombre), QString());
        nuevo.registroSiguiente();
        QCOMPARE(otra.textos.value(Campo::Edad), QString());
        nuevo.registroSiguiente();
        QCOMPARE(otra.textos.value(Campo::Nombre), QStringLiteral("ANA") + QString(27, ' '));
        QCOMPARE(otra.textos.value(Campo::Edad), QStringLiteral("9         "));
    }

    void pasos_data()
    {
        QTest::addColumn<int>("siguientes");  // steps forward before the checked step
        QTest::addColumn<bool>("adelante");
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("numero");
        QTest::newRow("anterior en el 1 se niega") << 0 << false << 1 << "1";
        QTest::newRow("siguiente en el 1") << 0 << true << 2 << "2";
        QTest::newRow("anterior en el 2") << 1 << false << 1 << "1";
        QTest::newRow("siguiente en el 29") << 28 << true << 30 << "30";
        QTest::newRow("siguiente en el 30 se niega") << 29 << true << 30 << "30";
    }
    void pasos()
    {
        QFETCH(int, siguientes);
        QFETCH(bool, adelante);
        QFETCH(int, indice);
        QFETCH(QString, numero);
        FormaFalsa forma;
        LibroRegistros libro(ruta("nivel1.dat"), mapaNivel(), forma);
        QVERIFY(libro.cargar().ok());
        for (int i = 0; i < siguientes; ++i)
            libro.registroSiguiente();
        forma.escribir(mapaNivel(), {"TECLEADO", "10"});
        const TablaRegistros antes = libro.TablaReg();
        const int limpiezas = forma.limpiezas, enfoques = forma.enfoques;
        const bool negado = libro.IndiceReg == indice;

        adelante ? libro.registroSiguiente() : libro.registroAnterior();

        QCOMPARE(int(libro.IndiceReg), indice);
        QCOMPARE(forma.numero, numero);
        QCOMPARE(forma.limpiezas, limpiezas + 1);
        QCOMPARE(forma.enfoques, enfoques + 1);
        if (negado) {
            QCOMPARE(forma.textos.value(Campo::Nombre), QStringLiteral("TECLEADO"));
            QVERIFY(libro.TablaReg() == antes);
        } else {
            // the screen went into the slot it left; the slot reached is shown
            const int dejado = adelante ? indice - 1 : indice + 1;
            QCOMPARE(libro.TablaReg()[dejado].campo(Campo::Nombre), QStringLiteral("TECLEADO") + QString(22, ' '));
            // a slot never stored into shows empty; one shown and left before shows blanks
            QCOMPARE(forma.textos.value(Campo::Nombre), adelante ? QString() : QString(30, ' '));
        }
        QCOMPARE(QFileInfo(ruta("nivel1.dat")).size(), 0);  // stepping touches no file
    }

    void edicionVuelveDesdeLaTabla()
    {
        FormaFalsa forma;
        LibroRegistros libro(ruta("nivel1.dat"), mapaNivel(), forma);
        QVERIFY(libro.cargar().ok());
        forma.escribir(mapaNivel(), {"ANA", "9"});
        libro.registroSiguiente();
        libro.registroAnterior();
        QCOMPARE(forma.textos.value(Campo::Nombre), QStringLiteral("ANA") + QString(27, ' '));
        QCOMPARE(forma.textos.value(Campo::Edad), QStringLiteral("9         "));
        QCOMPARE(forma.textos.value(Campo::Resistencia), QString(10, ' '));
        // the slot left holds blanks in the map's fields and NUL elsewhere
        const QByteArray slot1 = libro.TablaReg()[1].bytes();
        QCOMPARE(slot1.mid(40, 50), QByteArray(50, ' '));
        QCOMPARE(slot1.mid(90), ceros(40));
        QCOMPARE(libro.TablaReg()[2].bytes().left(90), relleno("", 90));  // shown and left once
        QCOMPARE(QFileInfo(ruta("nivel1.dat")).size(), 0);
    }

    void salirEscribe30SinTomarLaPantalla()
    {
        QVERIFY(escribirArchivo(ruta("nivel1.dat"), registroAna()));
        FormaFalsa forma;
        LibroRegistros libro(ruta("nivel1.dat"), mapaNivel(), forma);
        QVERIFY(libro.cargar().ok());
        forma.escribir(mapaNivel(), {"NO GUARDADO"});
        QVERIFY(libro.escribirTodos().ok());
        const QByteArray bytes = leerArchivo(ruta("nivel1.dat"));
        QCOMPARE(bytes.size(), 3900);
        QCOMPARE(bytes.left(130), registroAna());
        QCOMPARE(bytes.mid(130), ceros(3900 - 130));
    }

    void archivoDe40Registros()
    {
        QByteArray original;
        for (int i = 0; i < 40; ++i)
            original += registroAjeno(char(i));
        QVERIFY(escribirArchivo(ruta("nivel3.dat"), original));
        FormaFalsa forma;
        LibroRegistros libro(ruta("nivel3.dat"), mapaNivel(), forma);
        QVERIFY(libro.cargar().ok());
        libro.registroSiguiente();  // record 1 stored back from the screen
        QVERIFY(libro.guardarRegistro().ok());
        QVERIFY(libro.escribirTodos().ok());
        const QByteArray bytes = leerArchivo(ruta("nivel3.dat"));
        QCOMPARE(bytes.size(), 40 * 130);
        QCOMPARE(bytes.mid(30 * 130), original.mid(30 * 130));
        QCOMPARE(bytes.mid(2 * 130, 28 * 130), original.mid(2 * 130, 28 * 130));
    }

    void bytesAjenosSobrevivenAlGuardar_data()
    {
        QTest::addColumn<bool>("nivel");
        QTest::newRow("registro de nivel: bytes 90 a 129") << true;
        QTest::newRow("registro de fundamentos: bytes 40 a 89") << false;
    }
    void bytesAjenosSobrevivenAlGuardar()
    {
        QFETCH(bool, nivel);
        const MapaCampos &mapa = nivel ? mapaNivel() : mapaFundamentos();
        const QByteArray ajeno = registroAjeno(7);
        QVERIFY(escribirArchivo(ruta("datos.dat"), ajeno));
        FormaFalsa forma;
        LibroRegistros libro(ruta("datos.dat"), mapa, forma);
        QVERIFY(libro.cargar().ok());
        if (nivel)
            forma.escribir(mapa, {"ANA", "9", "1.2", "6.5", "12", "20", "15"});
        else
            forma.escribir(mapa, {"LUIS", "12", "7", "6", "8", "5", "9", "4", "3", "10"});
        QVERIFY(libro.guardarRegistro().ok());
        QVERIFY(libro.escribirTodos().ok());
        const QByteArray r1 = leerArchivo(ruta("datos.dat")).left(130);
        if (nivel) {
            QCOMPARE(r1.left(90), registroAna().left(90));
            QCOMPARE(r1.mid(90), ajeno.mid(90));
        } else {
            QCOMPARE(r1.left(40), registroLuis().left(40));
            QCOMPARE(r1.mid(40, 50), ajeno.mid(40, 50));
            QCOMPARE(r1.mid(90), registroLuis().mid(90));
        }
    }

    void cadaLibroConSuTabla()
    {
        QVERIFY(escribirArchivo(ruta("nivel1.dat"), registroAna()));
        QVERIFY(escribirArchivo(ruta("nivel2.dat"), registroAjeno(1) + registroAjeno(2)));
        FormaFalsa f1, f2;
        LibroRegistros uno(ruta("nivel1.dat"), mapaNivel(), f1);
        LibroRegistros dos(ruta("nivel2.dat"), mapaNivel(), f2);
        QVERIFY(uno.cargar().ok());
        QVERIFY(dos.cargar().ok());
        QVERIFY(uno.escribirTodos().ok());
        QCOMPARE(leerArchivo(ruta("nivel1.dat")), registroAna() + ceros(29 * 130));
        QVERIFY(dos.escribirTodos().ok());
        QCOMPARE(leerArchivo(ruta("nivel2.dat")), registroAjeno(1) + registroAjeno(2) + ceros(28 * 130));
    }

    // Faults that can be made as root; each leaves the table as it was and says why.
    void fallas_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("un directorio en lugar del archivo") << "directorio";
        QTest::newRow("enlace a /dev/full") << "lleno";
        QTest::newRow("directorio que no existe") << "sin directorio";
        QTest::newRow("una tubería (FIFO)") << "fifo";
        QTest::newRow("enlace a /dev/zero") << "cero";
    }
    void fallas()
    {
        QFETCH(QString, caso);
        QString archivo = ruta("nivel4.dat");
        if (caso == "directorio")
            QVERIFY(ponerArchivoMalo(archivo, ArchivoMalo::Carpeta));
        else if (caso == "lleno")
            QVERIFY(QFile::link("/dev/full", archivo));
        else if (caso == "cero")
            QVERIFY(ponerArchivoMalo(archivo, ArchivoMalo::Cero));
        else if (caso == "fifo")
            QVERIFY(ponerArchivoMalo(archivo, ArchivoMalo::Fifo));  // never waited on
        else
            archivo = ruta("no/existe/nivel4.dat");

        FormaFalsa forma;
        LibroRegistros libro(archivo, mapaNivel(), forma);
        const Resultado carga = libro.cargar();
        if (caso != "lleno") {  // /dev/full opens and reads as empty; only writes fail
            QVERIFY(!carga.ok());
            QVERIFY(!carga.razon().isEmpty());
        }
        if (caso == "fifo" || caso == "cero")
            QVERIFY2(carga.razon().startsWith("no es un archivo normal"), qPrintable(carga.razon()));
        QCOMPARE(forma.textos.size(), 7);  // the screen still shows record 1

        forma.escribir(mapaNivel(), {"ANA", "9"});
        const TablaRegistros antes = libro.TablaReg();
        const Resultado guardado = libro.guardarRegistro();
        QVERIFY(!guardado.ok());
        QVERIFY2(!guardado.razon().isEmpty(), "la falla debe traer la razon del sistema");
        QVERIFY(libro.TablaReg() == antes);
        QCOMPARE(forma.textos.value(Campo::Nombre), QStringLiteral("ANA"));

        const Resultado todos = libro.escribirTodos();
        QVERIFY(!todos.ok());
        QVERIFY(!todos.razon().isEmpty());
        QVERIFY(libro.TablaReg() == antes);
        if (caso == "directorio")
            QVERIFY(QFileInfo(archivo).isDir());
    }

    // A write that the folder's lock does not allow does not happen, and says why.
    void escrituraVigilada()
    {
        QVERIFY(escribirArchivo(ruta("nivel1.dat"), registroAna()));
        FormaFalsa forma;
        LibroRegistros libro(ruta("nivel1.dat"), mapaNivel(), forma);
        QVERIFY(libro.cargar().ok());
        libro.vigilarEscritura([] { return Resultado::falla(QStringLiteral("otra copia")); });
        forma.escribir(mapaNivel(), {"LUIS"});
        QCOMPARE(libro.guardarRegistro().razon(), QStringLiteral("otra copia"));
        QCOMPARE(libro.escribirTodos().razon(), QStringLiteral("otra copia"));
        QCOMPARE(leerArchivo(ruta("nivel1.dat")), registroAna());
    }

    // A file that could not be read at the load may hold records nobody saw: once the fault
    // is mended, "Salir" writes only what the screen stored, and leaves the rest of the file.
    void sinLecturaNoSePisaLoNoVisto()
    {
        QVERIFY(QDir(m_tmp->path()).mkdir("nivel1.dat"));
        FormaFalsa forma;
        LibroRegistros libro(ruta("nivel1.dat"), mapaNivel(), forma);
        QVERIFY(!libro.cargar().ok());
        QVERIFY(!libro.leido());
        forma.escribir(mapaNivel(), {"ANA", "9", "1.2", "6.5", "12", "20", "15"});
        libro.registroSiguiente();  // record 1 into the table
        forma.escribir(mapaNivel(), {"LUIS"});
        QVERIFY(!libro.guardarRegistro().ok());  // record 2 could not be saved
        QVERIFY(QDir(m_tmp->path()).rmdir("nivel1.dat"));
        const QByteArray enDisco = registroAjeno(1) + registroAjeno(2) + registroAjeno(3);
        QVERIFY(escribirArchivo(ruta("nivel1.dat"), enDisco));
        QVERIFY(libro.escribirTodos().ok());
        QCOMPARE(leerArchivo(ruta("nivel1.dat")), registroAna() + enDisco.mid(130));
    }

    // Run as a normal user (prueba_como_usuario): a file marked read-only can be looked at,
    // and saving to it says why it failed.
    void archivoDeSoloLectura()
    {
        if (::geteuid() == 0)
            QSKIP("root escribe en un archivo de solo lectura: lo prueba prueba_como_usuario");
        QVERIFY(escribirArchivo(ruta("nivel1.dat"), registroAna()));
        QVERIFY(QFile::setPermissions(ruta("nivel1.dat"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        FormaFalsa forma;
        LibroRegistros libro(ruta("nivel1.dat"), mapaNivel(), forma);
        QVERIFY(libro.cargar().ok());
        QCOMPARE(forma.textos.value(Campo::Nombre).trimmed(), QStringLiteral("ANA"));
        forma.escribir(mapaNivel(), {"LUIS"});
        const Resultado r = libro.guardarRegistro();
        QVERIFY(!r.ok());
        QVERIFY(!r.razon().isEmpty());
        QCOMPARE(leerArchivo(ruta("nivel1.dat")), registroAna());
    }

    void cargaFallidaDejaLaTabla()
    {
        // a table loaded once survives a later load that fails
        QVERIFY(escribirArchivo(ruta("nivel1.dat"), registroAna()));
        FormaFalsa forma;
        LibroRegistros libro(ruta("nivel1.dat"), mapaNivel(), forma);
        QVERIFY(libro.cargar().ok());
        QVERIFY(QFile::remove(ruta("nivel1.dat")));
        QVERIFY(QDir(m_tmp->path()).mkdir("nivel1.dat"));
        QVERIFY(!libro.cargar().ok());
        QCOMPARE(libro.TablaReg()[1].bytes(), registroAna());
        QVERIFY(QDir(m_tmp->path()).rmdir("nivel1.dat"));
        QVERIFY(libro.escribirTodos().ok());
        QCOMPARE(leerArchivo(ruta("nivel1.dat")).left(130), registroAna());
    }
};

QTEST_GUILESS_MAIN(PruebaLibro)
#include "prueba_libro.moc"
