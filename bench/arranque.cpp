// KORVA 4 started as main() starts it, ending at its first painted window.
#include "primer_pintado.h"
#include "programa/programa.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PrimerPintado filtro;
    app.installEventFilter(&filtro);
    korva::EscritorioReal escritorio;
    return korva::ejecutarPrograma(escritorio);
}
