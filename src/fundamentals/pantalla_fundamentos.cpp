#include "pantalla_fundamentos.h"

#include "calificar_fundamentos.h"
#include "records/mapas.h"

namespace korva {

namespace {
const Fuente Boton{8.25};
const Fuente Pequena{8.25, true};  // the sub-headings over the boxes
}  // namespace

DefEvaluacion definicionFundamentos()
{
    DefEvaluacion def;
    def.titulo = QStringLiteral("KORVA 4 FUNDAMENTOS TECNICOS");
    def.archivo = QStringLiteral("fundamentos.dat");
    def.mapa = &mapaFundamentos();
    def.etiquetaFecha = "Label33";
    def.regreso = IdPantalla::INICIO;
    def.lineas = lineasEvaluacion(432);

    def.controles = cabeceraEvaluacion();
    const std::vector<DefControl> propios{
        // header
        {Tipo::Etiqueta, "Label8", "FUNDAMENTOS TECNICOS", {152, 16, 445, 37}, {24, true}, color::marino,
         Centrado | Ajustado},
        {Tipo::Imagen, "Image2", ":/korva4/deportes.gif", {616, 16, 140, 40}},
        {Tipo::Etiqueta, "Label33", "", {664, 64, 121, 25}, {12, true}},
        // conduction row
        {Tipo::Etiqueta, "Label3", "Conduccion", {32, 240, 129, 33}},
        {Tipo::Etiqueta, "Label28", "INTERNA", {168, 216, 65, 17}, Pequena, {}, Centrado},
        {Tipo::Etiqueta, "Label29", "EXTERNA", {248, 216, 65, 17}, Pequena, {}, Centrado},
        {Tipo::Texto, "txtcondinterna", "", {168, 232, 65, 33}},
        {Tipo::Texto, "txtcondexterna", "", {248, 232, 65, 33}},
        // reception row
        {Tipo::Etiqueta, "Label4", "Recepcion", {32, 312, 105, 33}},
        {Tipo::Etiqueta, "Label27", "PECHO", {168, 280, 65, 17}, Pequena, {}, Centrado},
        {Tipo::Etiqueta, "Label30", "MUSLO", {248, 280, 65, 17}, Pequena, {}, Centrado},
        {Tipo::Etiqueta, "Label31", "PIE", {328, 280, 65, 17}, Pequena, {}, Centrado},
        {Tipo::Texto, "txtrepecho", "", {168, 304, 65, 33}},
        {Tipo::Texto, "txtremuslo", "", {248, 304, 65, 33}},
        {Tipo::Texto, "txtrepie", "", {328, 304, 65, 33}},
        // shot row
        {Tipo::Etiqueta, "Label5", "Tiro", {40, 384, 105, 33}},
        {Tipo::Etiqueta, "Label6", "INTERNA", {168, 352, 65, 25}, Pequena},
        {Tipo::Etiqueta, "Label7", "EXTERNA", {248, 352, 65, 25}, Pequena},
        {Tipo::Etiqueta, "Label32", "FRONTAL", {328, 352, 65, 25}, Pequena},
        {Tipo::Texto, "txttirointerna", "", {168, 376, 65, 33}},
        {Tipo::Texto, "txttiroexterna", "", {248, 376, 65, 33}},
        {Tipo::Texto, "txttirofrontal", "", {328, 376, 65, 33}},
    };
    def.controles.insert(def.controles.end(), propios.begin(), propios.end());
    const auto panel = panelResultados({"FUNDAMENTOS", {"CONDUCCION", "RECEPCION", "TIRO"}, 137, true, 49});
    def.controles.insert(def.controles.end(), panel.begin(), panel.end());
    const std::vector<DefControl> barra{
        {Tipo::Marco, "Frame1", "Opciones", {24, 448, 745, 73}, {13.5, true}, color::azul},
        {Tipo::Boton, "cmdGuardarReg", "Guardar Registro", {32, 480, 81, 33}, Boton, color::verde},
        {Tipo::Boton, "cmdRegSiguiente", "Registro Siguiente", {120, 480, 81, 33}, Boton, color::naranja},
        {Tipo::Boton, "cmdRegAnterior", "Registro Anterior", {208, 480, 81, 33}, Boton, color::naranja},
        {Tipo::Boton, "cmdRegresar", "Regresar", {296, 480, 81, 33}, Boton, color::naranja},
        {Tipo::Boton, "Command1", "Borrar", {384, 480, 81, 33}, Boton, color::naranja},
        {Tipo::Boton, "Command3", "Procesar Datos", {472, 480, 97, 33}, Pequena, color::rojo},
        {Tipo::Boton, "Command2", "IMPRIMIR", {576, 480, 81, 33}, Boton, color::verde},
        {Tipo::Boton, "cmdSalir", "Salir", {672, 480, 81, 33}, Boton, color::rojo},
    };
    def.controles.insert(def.controles.end(), barra.begin(), barra.end());

    def.ordenTabulacion = {"txtNombre",      "txtedad",        "txtcondinterna", "txtcondexterna", "txtrepecho",
                           "txtremuslo",     "txtrepie",       "txttirointerna", "txttiroexterna", "txttirofrontal",
                           "cmdGuardarReg",  "cmdRegSiguiente", "cmdRegAnterior", "cmdRegresar",    "Command1",
                           "Command3",       "Command2",       "cmdSalir"};
    def.ocultarAlImprimir = {"Frame1",      "Label9",   "Label10",  "cmdGuardarReg", "cmdRegAnterior", "cmdRegSiguiente",
                             "cmdRegresar", "cmdSalir", "Command1", "Command3",      "Command2"};
    return def;
}

PantallaFundamentos::PantallaFundamentos(ConjuntoPantallas &conjunto)
    : PantallaEvaluacion(conjunto, IdPantalla::fundamento, definicionFundamentos())
{
}

TipoResultados PantallaFundamentos::calificar(const TipoResultados &actuales) const
{
    const PruebasFundamentos pruebas{texto("txtcondinterna"), texto("txtcondexterna"), texto("txtrepecho"),
                                     texto("txtremuslo"),     texto("txtrepie"),       texto("txttirointerna"),
                                     texto("txttiroexterna"), texto("txttirofrontal")};
    return Calificar_Fundamentos(pruebas, actuales);
}

}  // namespace korva
