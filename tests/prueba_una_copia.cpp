#include "registros_ayuda.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

namespace {

// A copy of the program running in a folder, as a real process.
struct Copia {
    QProcess proceso;

    explicit Copia(const QString &carpeta)
    {
        proceso.setProgram(QStringLiteral(KORVA_COPIA));
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
};

}  // namespace

class PruebaUnaCopia : public QObject
{
    Q_OBJECT

private slots:
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
};

QTEST_GUILESS_MAIN(PruebaUnaCopia)
#include "prueba_una_copia.moc"
