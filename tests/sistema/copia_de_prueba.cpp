// The program's own run with a desktop that writes to standard output instead of showing
// message boxes, for tests that start real processes.
#include "programa/programa.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

class EscritorioDeConsola : public korva::EscritorioReal
{
public:
    void mensaje(QWidget *, const QString &texto) override
    {
        std::printf("MENSAJE: %s\n", texto.toUtf8().constData());
        std::fflush(stdout);
    }
};

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    EscritorioDeConsola escritorio;
    QTimer::singleShot(0, [] {
        std::printf("INICIADO\n");
        std::fflush(stdout);
    });
    return korva::ejecutarPrograma(escritorio);
}
