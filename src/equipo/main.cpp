#include "equipo/ordenes/linea_de_ordenes.h"
#include "equipo/tabla/ventana_equipo.h"
#include "pantallas/aspecto/aspecto.h"

#include <QApplication>

#include <memory>

// The team report: its window on the records folder (the folder it is started in, or
// --carpeta), or an action of its command line, which needs no display.
int main(int argc, char *argv[])
{
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    korva::LineaDeOrdenes ordenes;
    const bool leidas = ordenes.leer(argumentos);

    if (leidas && ordenes.conVentana()) {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("KORVA 4 Informe del equipo"));
        korva::instalarAspecto();
        korva::VentanaEquipo ventana(ordenes.carpeta());
        ventana.show();
        return QApplication::exec();
    }

    // An action needs no display; one that draws the sheets draws them off the screen where
    // there is none.
    if (leidas && ordenes.dibuja() && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (leidas && ordenes.dibuja()) {
        app = std::make_unique<QApplication>(argc, argv);
        korva::instalarAspecto();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
        korva::instalarTraducciones();
    }
    QCoreApplication::setApplicationName(QStringLiteral("korva4-equipo"));
    QTextStream salida(stdout), errores(stderr);
    if (!leidas) {
        ordenes.leer(argumentos);  // again, for the reason in Spanish
        errores << QStringLiteral("korva4-equipo: %1\nPruebe «korva4-equipo --ayuda».\n").arg(ordenes.error());
        return 2;
    }
    return ordenes.ejecutar(salida, errores);
}
