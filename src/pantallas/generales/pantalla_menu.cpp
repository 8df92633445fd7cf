#include "pantallas/generales/pantalla_menu.h"

namespace korva {

namespace {

const std::vector<DefControl> &controlesMenu()
{
    static const std::vector<DefControl> c{
        etiqueta("Label1", "MENU", {72, 8, 105, 41})
            .conLetra({24, true})
            .conColor(color::negro)
            .borde()
            .centrado()
            .ajustado(),
        imagen("Image1", ":/korva4/balon.jpg", {56, 64, 140, 132}).borde().estirado(),
        boton("Command1", "NIVEL 1", {216, 16, 81, 33}, color::azulClaro),
        boton("Command2", "NIVEL 2", {216, 56, 81, 33}, color::azulClaro),
        boton("Command3", "NIVEL 3", {216, 96, 81, 33}, color::azulClaro),
        boton("Command5", "NIVEL 4", {216, 136, 81, 33}, color::azulClaro),
        boton("Command4", "SALIR", {216, 176, 81, 33}, color::rojo),
    };
    return c;
}

}  // namespace

PantallaMenu::PantallaMenu(ConjuntoPantallas &conjunto) : Pantalla(conjunto, IdPantalla::MENU)
{
    setWindowTitle(TituloPrograma);
    ponerFondo(this, color::fondo);
    setFont(fuente({8.25}));
    setFixedSize(312, 213);
    construir({}, controlesMenu());
    ordenTabulacion(controles(), {"Command1", "Command2", "Command3", "Command4", "Command5"});
    control<QWidget>("Command1")->setFocus();

    alPulsar("Command1", [this] { mostrar(IdPantalla::NIVEL1); });
    alPulsar("Command2", [this] { mostrar(IdPantalla::NIVEL2); });
    alPulsar("Command3", [this] { mostrar(IdPantalla::NIVEL3); });
    alPulsar("Command5", [this] { mostrar(IdPantalla::nivel4); });
    alPulsar("Command4", [this] { mostrar(IdPantalla::INICIO); });
}

}  // namespace korva
