// The one writer of record files: nothing changes unless everything can, a late failure is
// undone, the folder's lock is confirmed before the first rename, and what earlier runs left
// behind under its own names is cleaned, nothing else. The core alone, no widget.
#include "apoyo/archivos_malos.h"
#include "apoyo/registros_ayuda.h"
#include "nucleo/escritura/escritura_de_registros.h"
#include "nucleo/escritura/importacion.h"
#include "nucleo/escritura/nueva_evaluacion.h"
#include "nucleo/evaluaciones/evaluaciones.h"
#include "nucleo/registros/tipo_reg.h"
#include "nucleo/registros/una_copia.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace korva;

namespace {

QByteArray archivoCon(const QStringList &nombres, bool fundamentos = false)
{
    QByteArray b;
    for (const QString &n : nombres) {
        TipoReg r;
        r.guardar(Campo::Nombre, n);
        r.guardar(Campo::Edad, QStringLiteral("10"));
        for (Campo c : fundamentos ? QList<Campo>{Campo::CondInterna, Campo::TiroFrontal}
                                   : QList<Campo>{Campo::Resistencia, Campo::Velocidad})
            r.guardar(c, QStringLiteral("7"));
        b += r.bytes();
    }
    b += QByteArray((30 - nombres.size()) * 130, '\0');
    return b + registroAjeno(3);  // a 31st record, which nobody may touch
}

// Five files of athletes with test values, and what each holds.
QMap<QString, QByteArray> equipoCompleto(const QString &carpeta)
{
    QMap<QString, QByteArray> antes;
    for (const DefArchivo &d : DefArchivos) {
        const QString nombre = QString::fromLatin1(d.archivo);
        antes[nombre] = archivoCon({"Ana " + nombre, "Luis " + nombre}, !d.esDeNivel());
        escribirArchivo(QDir(carpeta).filePath(nombre), antes[nombre]);
    }
    return antes;
}

// Every record file as it was, and nothing of ours left beside them.
void comoAntes(const QString &carpeta, const QMap<QString, QByteArray> &antes)
{
    for (auto it = antes.begin(); it != antes.end(); ++it) {
        const QString ruta = QDir(carpeta).filePath(it.key());
        const QFileInfo info(ruta);
        if (info.isFile() && !info.isSymLink() && info.size() < 1024 * 1024)
            QVERIFY2(leerArchivo(ruta) == it.value(), qPrintable(it.key()));
    }
    QCOMPARE(QDir(carpeta).entryList({".*.tmp"}, QDir::Files | QDir::Hidden), QStringList());
}

}  // namespace

class PruebaEscritura : public QObject
{
    Q_OBJECT

private slots:
    // A file that cannot be changed stops the whole action before anything is written.
    void nadaSiUnoNoPuede_data()
    {
        QTest::addColumn<QString>("que");
        QTest::addColumn<QString>("razon");
        QTest::newRow("solo lectura") << "solo lectura"
                                      << "solo lectura";
        QTest::newRow("carpeta") << "carpeta"
                                 << "es una carpeta";
        QTest::newRow("tubería") << "fifo"
                                 << "tubería";
        QTest::newRow("enlace a /dev/zero") << "dispositivo"
                                            << "dispositivo";
        QTest::newRow("disperso de 8 GiB") << "enorme"
                                           << "demasiado grande";
        QTest::newRow("KORVA 4 abierto") << "abierto"
                                         << "KORVA 4 está abierto";
    }
    void nadaSiUnoNoPuede()
    {
        QFETCH(QString, que);
        QFETCH(QString, razon);
        QTemporaryDir dir;
        const QMap<QString, QByteArray> antes = equipoCompleto(dir.path());
        const QString ruta = dir.filePath("fundamentos.dat");  // the last file: the others would go first
        const QByteArray nombre = QFile::encodeName(ruta);
        std::unique_ptr<UnaCopia> korva4;
        if (que == "solo lectura") {
            QCOMPARE(::chmod(nombre.constData(), 0444), 0);
        } else if (que == "abierto") {
            korva4 = std::make_unique<UnaCopia>(dir.path());
            QCOMPARE(korva4->estado(), UnaCopia::Estado::Unica);
        } else {
            const ArchivoMalo malo = que == "carpeta" ? ArchivoMalo::Carpeta
                : que == "fifo"                       ? ArchivoMalo::Fifo
                : que == "dispositivo"                ? ArchivoMalo::Cero
                                                      : ArchivoMalo::Disperso;
            QVERIFY(ponerArchivoMalo(ruta, malo));
        }
        for (const char *accion : {"nueva", "importar"}) {
            // an action that fails carries its reason; one that went through, none
            const QString razonDada = qstrcmp(accion, "nueva") == 0
                ? nuevaEvaluacion(dir.path(), "x").razon()
                : importarAtletas(dir.path(), DefArchivos[4], {{"Eva", "9"}}).razon();
            QVERIFY2(razonDada.contains(razon), qPrintable(QLatin1String(accion) + ": " + razonDada));
            QVERIFY2(razonDada.contains("no se"), qPrintable(razonDada));
            comoAntes(dir.path(), antes);
            QCOMPARE(evaluacionesGuardadas(dir.path()), QStringList());
        }
    }

    // A rename that fails after others went through: those are put back, and the reason
    // says both; a put-back that fails too is said, with where the old files are.
    void falloTardio_data()
    {
        QTest::addColumn<int>("fallaEn");
        QTest::addColumn<bool>("devolverFalla");
        QTest::newRow("el primero") << 1 << false;
        QTest::newRow("el tercero") << 3 << false;
        QTest::newRow("el último") << 5 << false;
        QTest::newRow("el tercero, y la vuelta también") << 3 << true;
    }
    void falloTardio()
    {
        QFETCH(int, fallaEn);
        QFETCH(bool, devolverFalla);
        QTemporaryDir dir;
        const QMap<QString, QByteArray> antes = equipoCompleto(dir.path());
        EscrituraDeRegistros escritura(dir.path());
        QVERIFY(escritura.cerrojo().ok());
        for (const DefArchivo &d : DefArchivos) {
            const ResultadoDe<QByteArray> leido = escritura.leer(d);
            QVERIFY(leido.ok());
            escritura.cambiar(d, leido.valor() + "nuevo");
        }
        QCOMPARE(escritura.cambios(), 5);
        int llamadas = 0;
        escritura.ponerRenombrar([&](const QByteArray &de, const QByteArray &a) {
            ++llamadas;
            const bool vuelta = llamadas > fallaEn;
            if (llamadas == fallaEn || (vuelta && devolverFalla && llamadas == fallaEn + 1)) {
                errno = EIO;
                return -1;
            }
            return ::rename(de.constData(), a.constData());
        });
        const Resultado r = escritura.aplicar();
        QVERIFY(!r.ok());
        QVERIFY2(r.razon().contains("error de lectura o escritura"), qPrintable(r.razon()));
        if (!devolverFalla || fallaEn == 1) {
            QVERIFY(escritura.todoComoAntes());
            QVERIFY2(r.razon().contains("no se cambió nada"), qPrintable(r.razon()));
            if (fallaEn > 1)
                QVERIFY2(r.razon().contains("se devolvieron"), qPrintable(r.razon()));
            comoAntes(dir.path(), antes);
        } else {
            QVERIFY(!escritura.todoComoAntes());
            QVERIFY2(r.razon().contains("Evaluaciones"), qPrintable(r.razon()));
        }
    }

    // Between the plan and the renames the folder was moved away and made again, and the
    // evaluation program started there: the writer's lock is confirmed and nothing is written.
    void cerrojoConfirmado()
    {
        QTemporaryDir raiz;
        const QString carpeta = raiz.filePath("equipo");
        QVERIFY(QDir().mkdir(carpeta));
        const QMap<QString, QByteArray> antes = equipoCompleto(carpeta);
        EscrituraDeRegistros escritura(carpeta);
        const ResultadoDe<QByteArray> leido = escritura.leer(DefArchivos[1]);
        QVERIFY(leido.ok());
        escritura.cambiar(DefArchivos[1], leido.valor() + "nuevo");
        QVERIFY(escritura.preparar().ok());
        QVERIFY(QDir().rename(carpeta, raiz.filePath("movida")));
        QVERIFY(QDir().mkdir(carpeta));
        const QMap<QString, QByteArray> otra = equipoCompleto(carpeta);
        const UnaCopia korva4(carpeta);
        QCOMPARE(korva4.estado(), UnaCopia::Estado::Unica);
        const Resultado r = escritura.aplicar();
        QVERIFY(!r.ok());
        QVERIFY2(r.razon().contains("otra copia de KORVA 4"), qPrintable(r.razon()));
        comoAntes(carpeta, otra);
        QCOMPARE(leerArchivo(QDir(raiz.filePath("movida")).filePath("nivel2.dat")), antes["nivel2.dat"]);
    }

    // What earlier runs left under the writer's own names goes; nothing else does, nor a
    // saved evaluation still being made.
    void restos()
    {
        QTemporaryDir dir;
        equipoCompleto(dir.path());
        const QDir d(dir.path());
        QVERIFY(d.mkpath("Evaluaciones/.guardando-abc123"));
        QVERIFY(escribirArchivo(d.filePath("Evaluaciones/.guardando-abc123/nivel1.dat"), "x"));
        QVERIFY(d.mkpath("Evaluaciones/.guardando-enuso1"));
        QVERIFY(d.mkpath("Evaluaciones/.guardando-abc1234"));
        const int enUso =
            ::open(QFile::encodeName(d.filePath("Evaluaciones/.guardando-enuso1")).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(enUso >= 0 && ::flock(enUso, LOCK_EX) == 0);
        const QStringList nuestros{".nivel2.dat.zz9.tmp", ".fundamentos.dat.1a2b3c4.tmp"};
        const QStringList ajenos{".nivel2.dat.notas del entrenador.tmp", ".nivel2.dat.12345678.tmp",
                                 ".otro.dat.abc.tmp", "nivel2.dat.abc.tmp", "notas.txt"};
        for (const QString &n : nuestros + ajenos)
            QVERIFY(escribirArchivo(d.filePath(n), "resto"));
        {
            EscrituraDeRegistros escritura(dir.path());
            QVERIFY(escritura.cerrojo().ok());
        }
        for (const QString &n : nuestros)
            QVERIFY2(!QFileInfo::exists(d.filePath(n)), qPrintable(n));
        for (const QString &n : ajenos)
            QVERIFY2(QFileInfo::exists(d.filePath(n)), qPrintable(n));
        QVERIFY(!QFileInfo::exists(d.filePath("Evaluaciones/.guardando-abc123")));
        QVERIFY(QFileInfo::exists(d.filePath("Evaluaciones/.guardando-enuso1")));
        QVERIFY(QFileInfo::exists(d.filePath("Evaluaciones/.guardando-abc1234")));
        ::close(enUso);

        // with the evaluation program open, nothing is touched
        QVERIFY(escribirArchivo(d.filePath(nuestros[0]), "resto"));
        const UnaCopia korva4(dir.path());
        EscrituraDeRegistros escritura(dir.path());
        QVERIFY(!escritura.cerrojo().ok());
        QVERIFY(QFileInfo::exists(d.filePath(nuestros[0])));
    }

    // Files the folder does not have are not made by an action that has nothing for them.
    void archivoQueFaltaNoSeHace()
    {
        QTemporaryDir dir;
        const QByteArray nivel2 = archivoCon({"Ana"});
        QVERIFY(escribirArchivo(dir.filePath("nivel2.dat"), nivel2));
        QVERIFY(nuevaEvaluacion(dir.path(), "x").ok());
        QVERIFY(importarAtletas(dir.path(), DefArchivos[1], {{"Ana", "10"}}).ok());  // already there
        QCOMPARE(QDir(dir.path()).entryList({"*.dat"}, QDir::Files), QStringList{"nivel2.dat"});
    }

    // A whole new evaluation: the tests blank, names, ages and every other byte kept, the
    // permissions kept, the old files saved.
    void nuevaEvaluacionEntera()
    {
        QTemporaryDir dir;
        const QMap<QString, QByteArray> antes = equipoCompleto(dir.path());
        QCOMPARE(::chmod(QFile::encodeName(dir.filePath("nivel3.dat")).constData(), 0640), 0);
        const ResultadoDe<QString> r = nuevaEvaluacion(dir.path(), "Inicio");
        QVERIFY2(r.ok(), qPrintable(r.razon()));
        for (const DefArchivo &d : DefArchivos) {
            const QString nombre = QString::fromLatin1(d.archivo);
            const QByteArray ahora = leerArchivo(dir.filePath(nombre));
            QCOMPARE(ahora.size(), antes[nombre].size());
            QCOMPARE(ahora.mid(260), antes[nombre].mid(260));  // empty slots and the 31st record
            for (int n = 1; n <= 2; ++n) {
                const TipoReg r = TipoReg::desdeBytes(ahora.mid((n - 1) * 130, 130));
                QCOMPARE(r.campo(Campo::Edad).trimmed(), QStringLiteral("10"));
                QCOMPARE(r.campo(d.esDeNivel() ? Campo::Resistencia : Campo::CondInterna).trimmed(), QString());
            }
            QCOMPARE(leerArchivo(QDir(r.valor()).filePath(nombre)), antes[nombre]);
        }
        QCOMPARE(QFileInfo(dir.filePath("nivel3.dat")).permissions() & 0x7777,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser
                     | QFileDevice::ReadGroup);
        QCOMPARE(QDir(dir.path()).entryList({".*.tmp"}, QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(PruebaEscritura)
#include "prueba_escritura.moc"
