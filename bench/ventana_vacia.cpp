// The floor of the toolkit: a bare Qt Widgets window, started and measured like KORVA 4.
#include "primer_pintado.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PrimerPintado filtro;
    app.installEventFilter(&filtro);
    QWidget ventana;
    ventana.resize(312, 213);
    ventana.show();
    return app.exec();
}
