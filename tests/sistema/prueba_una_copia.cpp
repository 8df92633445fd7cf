#include "apoyo/registros_ayuda.h"
#include "nucleo/informe/equipo.h"
#include "nucleo/registros/una_copia.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <QStandardPaths>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace korva;

namespace {

// A copy of the program running in a folder, as a real process.
struct Copia {
    QProcess proceso;

    // As a normal user, where the test runs as root: permissions then count.
    explicit Copia(const QString &carpeta, bool usuarioNormal = false)
    {
        if (usuarioNormal && ::geteuid() == 0) {
            proceso.setProgram(QStringLiteral("setpriv"));
            proceso.setArguments({QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                  QStringLiteral("--clear-groups"), QStringLiteral(KORVA_COPIA)});
        } else {
            proceso.setProgram(QStringLiteral(KORVA_COPIA));
        }
        proceso.setWorkingDirectory(carpeta);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        proceso.setProcessEnvironment(env);
        proceso.start();
    }
    ~Copia()
    {
        if (proceso.state() != QProcess::NotRunning) {
            proceso.kill();
            proceso.waitForFinished(5000);
        }
    }
    bool esperarInicio()
    {
        QByteArray salida;
        QElapsedTimer reloj;
        reloj.start();
        while (reloj.elapsed() < 20000) {
            if (!proceso.waitForReadyRead(500) && proceso.state() == QProcess::NotRunning)
                return false;
            salida += proceso.readAllStandardOutput();
            if (salida.contains("INICIADO"))
                return true;
        }
        return false;
    }
    // A copy that must not start: it ends with 1 and says why.
    QString negativa()
    {
        if (!proceso.waitForFinished(20000) || proceso.exitCode() != 1)
            return {};
        const QString salida = QString::fromUtf8(proceso.readAllStandardOutput());
        return salida.contains("INICIADO") ? QString() : salida;
    }
};

bool hayUsuarioNormal()
{
    return ::geteuid() != 0 || !QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty();
}

// A folder that a normal user may enter, whatever the test runs as.
void abrirATodos(const QString &carpeta)
{
    QFile::setPermissions(carpeta,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                              | QFile::ReadOther | QFile::ExeOther);
}

}  // namespace

class PruebaUnaCopia : public QObject
{
    Q_OBJECT

private slots:
    // The folder removed and made again while a copy runs: a second copy may start there, and
    // the first one then must not write into its files.
    void carpetaHechaDeNuevo()
    {
        QTemporaryDir raiz;
        const QString carpeta = raiz.filePath("equipo");
        QVERIFY(QDir().mkdir(carpeta));
        abrirATodos(carpeta);
        UnaCopia primera(carpeta);
        QCOMPARE(primera.estado(), UnaCopia::Estado::Unica);
        QVERIFY(primera.confirmar().ok());

        QVERIFY(QDir(carpeta).removeRecursively());
        QVERIFY(QDir().mkdir(carpeta));
        {
            Copia segunda(carpeta);
            QVERIFY(segunda.esperarInicio());
            const Resultado r = primera.confirmar();
            QVERIFY(!r.ok());
            QVERIFY2(r.razon().contains("otra copia de KORVA 4"), qPrintable(r.razon()));
        }
        // once the other copy has gone, the folder is this copy's again, and keeps others out
        QVERIFY(primera.confirmar().ok());
        Copia tercera(carpeta);
        QVERIFY(!tercera.negativa().isEmpty());
    }

    // A lock file that is a FIFO nobody may write is no lock: the folder's lock still works.
    void cerrojoQueEsUnaTuberia()
    {
        QTemporaryDir carpeta;
        QCOMPARE(::mkfifo(QFile::encodeName(carpeta.filePath("korva4.lock")).constData(), 0444), 0);
        Copia primera(carpeta.path());
        QVERIFY(primera.esperarInicio());
        Copia segunda(carpeta.path());
        QVERIFY(!segunda.negativa().isEmpty());
    }

    // The team report reads while the program saves the same record, in another process: it
    // sees one save or the other, never half of each.
    void registroNuncaAMedias()
    {
        QTemporaryDir carpeta;
        const QString archivo = carpeta.filePath("nivel1.dat");
        QVERIFY(escribirArchivo(archivo, QByteArray()));
        QProcess escritor;
        escritor.start(QStringLiteral(KORVA_COPIA), {QStringLiteral("--escribir"), archivo, QStringLiteral("3000")});
        QVERIFY(escritor.waitForStarted());
        int lecturas = 0, rotas = 0;
        while (escritor.state() != QProcess::NotRunning) {
            const Equipo e = leerEquipo(carpeta.path(), DefArchivos[0]);
            QCOMPARE(e.estado, Equipo::Estado::Leido);
            for (const Atleta &a : e.atletas) {
                const QString digito = a.datos[0].startsWith('A') ? QStringLiteral("1") : QStringLiteral("2");
                if (a.datos[0] != QString(30, a.datos[0][0])
                    || a.datos.mid(1) != QStringList(6, QString(10, digito[0])))
                    ++rotas;
            }
            ++lecturas;
            escritor.waitForFinished(0);
        }
        QCOMPARE(escritor.exitCode(), 0);
        QVERIFY(lecturas > 100);
        QCOMPARE(rotas, 0);
    }

    void segundaCopiaSeNiega()
    {
        QTemporaryDir carpeta;
        const QString datos = carpeta.filePath("nivel1.dat");
        QVERIFY(escribirArchivo(datos, registroAna()));
        const QDateTime antes = QFileInfo(datos).lastModified();

        Copia primera(carpeta.path());
        QVERIFY(primera.esperarInicio());
        QVERIFY(QFile::exists(carpeta.filePath("korva4.lock")));

        Copia segunda(carpeta.path());
        QVERIFY(segunda.proceso.waitForFinished(20000));
        QCOMPARE(segunda.proceso.exitCode(), 1);
        const QString salida = QString::fromUtf8(segunda.proceso.readAllStandardOutput());
        QVERIFY2(salida.contains(QString::fromUtf8("MENSAJE: KORVA 4 ya está abierto en esta carpeta.")),
                 qPrintable(salida));
        QVERIFY(!salida.contains("INICIADO"));
        QCOMPARE(leerArchivo(datos), registroAna());
        QCOMPARE(QFileInfo(datos).lastModified(), antes);
        QCOMPARE(QDir(carpeta.path()).entryList({"*.dat"}, QDir::Files), QStringList{"nivel1.dat"});

        // another folder is another matter
        QTemporaryDir otra;
        Copia tercera(otra.path());
        QVERIFY(tercera.esperarInicio());
    }

    void copiaQueSeCayoNoEstorba()
    {
        QTemporaryDir carpeta;
        {
            Copia caida(carpeta.path());
            QVERIFY(caida.esperarInicio());
            ::kill(pid_t(caida.proceso.processId()), SIGKILL);
            QVERIFY(caida.proceso.waitForFinished(5000));
        }
        QVERIFY(QFile::exists(carpeta.filePath("korva4.lock")));  // left behind
        Copia nueva(carpeta.path());
        QVERIFY(nueva.esperarInicio());
    }

    // What a power cut, another program or another machine leaves in place of the lock
    // keeps nobody out; a copy that runs still keeps the next one out.
    void cerrojoQueNoEsDeNadie_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("vacio") << "vacio";
        QTest::newRow("basura") << "basura";
        QTest::newRow("una carpeta") << "carpeta";
        QTest::newRow("de otra maquina, de hace dos anos") << "otra maquina";
    }
    void cerrojoQueNoEsDeNadie()
    {
        QFETCH(QString, caso);
        QTemporaryDir carpeta;
        const QString cerrojo = carpeta.filePath("korva4.lock");
        if (caso == "carpeta") {
            QVERIFY(QDir(carpeta.path()).mkdir("korva4.lock"));
        } else {
            const QByteArray contenido = caso == "vacio" ? QByteArray()
                : caso == "basura"                       ? QByteArray("\x89\x00\xff garbage \x01", 14)
                                                         : QByteArray("4242\nkorva4\notra-maquina\n");
            QVERIFY(escribirArchivo(cerrojo, contenido));
            QFile f(cerrojo);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addYears(-2), QFileDevice::FileModificationTime));
        }
        Copia primera(carpeta.path());
        QVERIFY(primera.esperarInicio());
        Copia segunda(carpeta.path());
        QVERIFY(segunda.negativa().contains(QString::fromUtf8("ya está abierto en esta carpeta")));
    }

    // A folder where no lock file can be made, with a record file that can be written: the
    // second copy still stays out, so its "Salir" cannot wipe what the first saved.
    void carpetaDeSoloLectura()
    {
        if (!hayUsuarioNormal())
            QSKIP("sin setpriv no se puede correr como usuario normal");
        QTemporaryDir carpeta;
        abrirATodos(carpeta.path());
        QVERIFY(escribirArchivo(carpeta.filePath("nivel1.dat"), registroAna()));
        QVERIFY(QFile::setPermissions(carpeta.filePath("nivel1.dat"), QFileDevice::Permissions(0x6666)));
        QVERIFY(QFile::setPermissions(carpeta.path(), QFileDevice::Permissions(0x5555)));
        Copia primera(carpeta.path(), true);
        QVERIFY(primera.esperarInicio());
        Copia segunda(carpeta.path(), true);
        const QString dice = segunda.negativa();
        abrirATodos(carpeta.path());
        QVERIFY2(dice.contains(QString::fromUtf8("ya está abierto en esta carpeta")), qPrintable(dice));
        QCOMPARE(leerArchivo(carpeta.filePath("nivel1.dat")), registroAna());
    }

    // A folder that can be entered but not read or written: no lock at all can be made. The
    // copy says so, names the folder and does not start blind.
    void sinCerrojoPosible()
    {
        if (!hayUsuarioNormal())
            QSKIP("sin setpriv no se puede correr como usuario normal");
        QTemporaryDir carpeta;
        QVERIFY(QFile::setPermissions(carpeta.path(), QFileDevice::Permissions(0x1111)));
        Copia copia(carpeta.path(), true);
        const QString dice = copia.negativa();
        abrirATodos(carpeta.path());
        QVERIFY2(dice.contains(QString::fromUtf8("no puede asegurarse de ser la única copia")), qPrintable(dice));
        QVERIFY2(dice.contains(carpeta.path()), qPrintable(dice));
    }
};

QTEST_GUILESS_MAIN(PruebaUnaCopia)
#include "prueba_una_copia.moc"
