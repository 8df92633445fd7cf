// korva4-lanzador [korva4 | korva4-equipo] [arguments]: what the desktop's menu runs. It
// starts the program in the coach's own records folder, "KORVA 4" inside the documents
// folder as the desktop names it (the home folder where there is none), made when missing.
// Started from a terminal, the programs use the folder they are started in; this launcher
// only gives the menu a folder of the coach's own. What goes wrong is said in a message box,
// since nobody reads the standard error of a program started from the menu.
#include "nucleo/comun/archivos_del_sistema.h"
#include "pantallas/aspecto/aspecto.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

int g_argc = 0;
char **g_argv = nullptr;

// A message box, with a window system only for it: the launcher itself needs none.
void avisar(const QString &texto)
{
    std::fprintf(stderr, "korva4-lanzador: %s\n", texto.toLocal8Bit().constData());
    QApplication app(g_argc, g_argv);
    korva::instalarTraducciones();
    QMessageBox caja(QMessageBox::Warning, QStringLiteral("KORVA 4"), texto, QMessageBox::Ok);
    caja.exec();
}

// The folder, made when missing, as a folder the user can write in; or why not.
korva::Resultado usar(const QString &carpeta)
{
    const QByteArray ruta = QFile::encodeName(carpeta);
    if (!QDir().mkpath(carpeta)) {
        const int error = ::mkdir(ruta.constData(), 0777) == 0 ? 0 : errno;
        return korva::Resultado::falla(korva::razonDelSistema(error ? error : EACCES));
    }
    if (::access(ruta.constData(), W_OK | X_OK) != 0)
        return korva::Resultado::falla(korva::razonDelSistema());
    return korva::Resultado::exito();
}

}  // namespace

int main(int argc, char *argv[])
{
    g_argc = argc;
    g_argv = argv;
    const QString programa = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("korva4");
    if (programa != QLatin1String("korva4") && programa != QLatin1String("korva4-equipo")) {
        std::fprintf(stderr, "korva4-lanzador: programa desconocido: %s\n", programa.toLocal8Bit().constData());
        return 2;
    }

    QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documentos.isEmpty() || !QFileInfo(documentos).isAbsolute())
        documentos = QDir::homePath();
    QString carpeta = QDir(documentos).filePath(QStringLiteral("KORVA 4"));
    if (const korva::Resultado r = usar(carpeta); !r) {
        const QString personal = QDir(QDir::homePath()).filePath(QStringLiteral("KORVA 4"));
        const korva::Resultado otra = personal == carpeta ? r : usar(personal);
        if (!otra) {
            avisar(QStringLiteral("KORVA 4 no puede usar la carpeta de registros «%1».\nMotivo: %2\n\n"
                                  "No se abre. Compruebe que puede escribir en su carpeta de documentos.")
                       .arg(QDir::toNativeSeparators(carpeta), r.razon()));
            return 1;
        }
        avisar(QStringLiteral("KORVA 4 no puede usar la carpeta de registros «%1».\nMotivo: %2\n\n"
                              "Esta vez guardará los atletas en «%3».")
                   .arg(QDir::toNativeSeparators(carpeta), r.razon(), QDir::toNativeSeparators(personal)));
        carpeta = personal;
    }
    if (::chdir(QFile::encodeName(carpeta).constData()) != 0) {
        avisar(QStringLiteral("KORVA 4 no puede entrar en la carpeta «%1».\nMotivo: %2")
                   .arg(QDir::toNativeSeparators(carpeta), korva::razonDelSistema()));
        return 1;
    }

    // The program beside this launcher, else the one on the PATH; the rest of the arguments
    // go to it.
    const QByteArray nombre = QFile::encodeName(programa);
    char aqui[4096] = {};
    const ssize_t n = ::readlink("/proc/self/exe", aqui, sizeof aqui - 1);
    const QByteArray vecino = n > 0
        ? QFile::encodeName(QFileInfo(QFile::decodeName(QByteArray(aqui, int(n)))).dir().filePath(programa))
        : QByteArray();
    std::vector<char *> argumentos{const_cast<char *>(nombre.constData())};
    for (int i = 2; i < argc; ++i)
        argumentos.push_back(argv[i]);
    argumentos.push_back(nullptr);
    if (!vecino.isEmpty() && ::access(vecino.constData(), X_OK) == 0)
        ::execv(vecino.constData(), argumentos.data());
    ::execvp(nombre.constData(), argumentos.data());
    avisar(QStringLiteral("No se pudo abrir %1.\nMotivo: %2").arg(programa, korva::razonDelSistema()));
    return 1;
}
