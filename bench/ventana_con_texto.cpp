// A second floor: a bare window with one line of bold text, which pays the font system's
// start-up as every program that shows text does.
#include "primer_pintado.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PrimerPintado filtro;
    app.installEventFilter(&filtro);
    QLabel ventana(QStringLiteral("KORVA 4"));
    QFont letra(QStringLiteral("Liberation Sans"));
    letra.setPixelSize(32);
    letra.setBold(true);
    ventana.setFont(letra);
    ventana.resize(312, 213);
    ventana.show();
    return app.exec();
}
