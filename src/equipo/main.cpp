#include "equipo/ventana_equipo.h"
#include "pantallas/aspecto/aspecto.h"

#include <QApplication>
#include <QDir>

// The team report, on the folder it is started in: the records folder of the evaluation
// program (the desktop entry starts both there).
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORVA 4 Informe del equipo"));
    korva::instalarAspecto();
    korva::VentanaEquipo ventana(QDir::currentPath());
    ventana.show();
    return QApplication::exec();
}
