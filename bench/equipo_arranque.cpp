// The team report started as its main() starts it, ending at its first painted window.
#include "equipo/tabla/ventana_equipo.h"
#include "primer_pintado.h"
#include "pantallas/aspecto/aspecto.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PrimerPintado filtro;
    app.installEventFilter(&filtro);
    korva::instalarAspecto();
    korva::VentanaEquipo ventana(QDir::currentPath());
    ventana.show();
    return QApplication::exec();
}
