#include "pantallas/generales/pantalla_inicio.h"

#include "pantallas/base/conjunto_pantallas.h"

namespace korva {

namespace {

const std::vector<DefControl> &controlesInicio()
{
    static const std::vector<DefControl> c{
        cajaImagen("Picture1", ":/korva4/coleccion.bmp", {48, 24, 712, 542}),
        etiqueta("Label1", "KORVA 4", {8, 256, 407, 110})
            .conLetra({72, true, false, "Courier New"})
            .conColor(color::rojo)
            .centrado()
            .ajustado()
            .en("Picture1"),
        etiqueta("Label2", "ENTRENAMIENTO DEPORTIVO ", {16, 344, 389, 29})
            .conLetra({18, true})
            .conColor(color::naranja)
            .ajustado()
            .en("Picture1"),
        etiqueta("Label4", "FUTBOL", {416, 344, 137, 33})
            .conLetra({24, false})
            .conColor(color::azulOscuro)
            .centrado()
            .en("Picture1"),
        marco("Frame1", "OPCIONES", {560, 264, 153, 273}, color::verdeOscuro).conLetra(letra::Subtitulo).en("Picture1"),
        boton("Command1", "CAPACIDADES FISICAS", {32, 24, 97, 33}, color::naranja).en("Frame1"),
        boton("Command2", "FUNDAMENTOS", {32, 72, 97, 33}, color::naranja).en("Frame1"),
        boton("Command3", "SALIR", {32, 224, 97, 33}, color::rojo).en("Frame1"),
        boton("Command4", "METODOLOGIA", {640, 416, 97, 33}, color::naranja),
        boton("Command5", "FORMATO", {640, 464, 97, 33}, color::naranja),
    };
    return c;
}

}  // namespace

PantallaInicio::PantallaInicio(ConjuntoPantallas &conjunto) : Pantalla(conjunto, IdPantalla::INICIO)
{
    setWindowTitle(TituloPrograma);
    ponerFondo(this, color::fondo);
    setFixedSize(794, 567);
    setGeometry(3, 14, 794, 567);
    construir({}, controlesInicio());
    ordenTabulacion(controles(), {"Picture1", "Command3", "Command2", "Command1", "Command4", "Command5"});
    control<QWidget>("Picture1")->setFocus();

    alPulsar("Command1", [this] { mostrar(IdPantalla::MENU); });
    alPulsar("Command2", [this] { mostrar(IdPantalla::fundamento); });
    alPulsar("Command4", [this] { mostrar(IdPantalla::METODOLOGIA); });
    alPulsar("Command5", [this] { mostrar(IdPantalla::formas); });
    alPulsar("Command3", [this] { this->conjunto().terminar(); });
}

}  // namespace korva
