#include "pantalla_nivel.h"

#include "calificar_nivel.h"
#include "records/mapas.h"

namespace korva {

namespace {

const Fuente Boton{8.25};

// What differs between the four level screens.
struct DiferenciasNivel {
    const char *titulo;
    const char *archivo;
    const char *nivel;  // Label27
    QRect geoNivel;
    bool nivelAjustado;
    const char *encabezado;  // Label8
    QRect geoEncabezado;
    QRect geoFecha;          // Label28
    QPoint posLogo;          // Image2
};

const DiferenciasNivel Diferencias[4] = {
    {"KORVA 4   NIVEL 1 CAPAC. FISICAS", "nivel1.dat", "NIVEL 1 (8-9años)", {240, 40, 285, 37}, true,
     "KORVA 4  CAP.  FISICAS", {200, 8, 379, 37}, {640, 72, 145, 17}, {624, 24}},
    {"KORVA 4   NIVEL 2 CAP. FISICAS", "nivel2.dat", "NIVEL 2 (10-11 años)", {240, 48, 353, 33}, false,
     "KORVA 4 CAP.FISICAS", {244, 16, 349, 37}, {672, 72, 113, 17}, {616, 32}},
    {"KORVA 4   NIVEL 3 CAP. FISICAS", "nivel3.dat", "NIVEL 3 (12-14 años)", {240, 48, 361, 33}, false,
     "KORVA 4 CAP.FISICAS", {244, 16, 349, 37}, {664, 72, 121, 17}, {616, 32}},
    {"KORVA 4   NIVEL4 CAP. FISICAS", "nivel4.dat", "NIVEL 4 (15-17 años)", {256, 56, 331, 37}, true,
     "KORVA 4 CAP.FISICAS", {244, 16, 349, 37}, {680, 72, 105, 17}, {616, 32}},
};

}  // namespace

DefEvaluacion definicionNivel(int nivel)
{
    const DiferenciasNivel &d = Diferencias[nivel - 1];
    DefEvaluacion def;
    def.titulo = QString::fromUtf8(d.titulo);
    def.archivo = QString::fromLatin1(d.archivo);
    def.mapa = &mapaNivel();
    def.etiquetaFecha = "Label28";
    def.regreso = IdPantalla::MENU;
    def.lineas = lineasEvaluacion(440);

    def.controles = cabeceraEvaluacion();
    const std::vector<DefControl> propios{
        // header
        {Tipo::Etiqueta, "Label8", QString::fromUtf8(d.encabezado), d.geoEncabezado, {24, true}, color::marino,
         Centrado | Ajustado},
        {Tipo::Etiqueta, "Label27", QString::fromUtf8(d.nivel), d.geoNivel, {24, true}, color::azul,
         Centrado | (d.nivelAjustado ? Ajustado : Ninguna)},
        {Tipo::Imagen, "Image2", ":/korva4/deportes.gif", {d.posLogo, QSize(140, 40)}},
        {Tipo::Etiqueta, "Label28", "", d.geoFecha, {12, true}},
        // input column, below name and age
        {Tipo::Etiqueta, "Label3", "Resistencia", {32, 208, 129, 33}},
        {Tipo::Etiqueta, "Label4", "Velocidad", {32, 256, 105, 33}},
        {Tipo::Etiqueta, "Label5", "Lagartijas", {32, 304, 105, 33}},
        {Tipo::Etiqueta, "Label6", "Abdominales", {32, 352, 121, 33}},
        {Tipo::Etiqueta, "Label7", "Sentadillas", {32, 400, 121, 33}},
        {Tipo::Texto, "txtresistencia", "", {168, 208, 81, 33}},
        {Tipo::Texto, "txtvelocidad", "", {168, 256, 81, 33}},
        {Tipo::Texto, "txtlagartijas", "", {168, 304, 81, 33}},
        {Tipo::Texto, "txtabdominales", "", {168, 352, 81, 33}},
        {Tipo::Texto, "txtsentadillas", "", {168, 400, 81, 33}},
        {Tipo::Imagen, "Image1", ":/korva4/nivel.jpg", {256, 152, 168, 279}, {}, {}, Estirado},
    };
    def.controles.insert(def.controles.end(), propios.begin(), propios.end());
    const auto panel = panelResultados({"CAPACIDADES", {"RESISTENCIA", "VELOCIDAD", "FUERZA"}, 145, false, 33});
    def.controles.insert(def.controles.end(), panel.begin(), panel.end());
    const std::vector<DefControl> barra{
        {Tipo::Marco, "Frame1", "Opciones", {24, 448, 745, 73}, {13.5, true}, color::naranja},
        {Tipo::Boton, "cmdGuardarReg", "Guardar Registro", {40, 480, 81, 33}, Boton, color::naranja},
        {Tipo::Boton, "cmdRegSiguiente", "Registro Siguiente", {128, 480, 81, 33}, Boton, color::naranja},
        {Tipo::Boton, "cmdRegAnterior", "Registro Anterior", {216, 480, 81, 33}, Boton, color::naranja},
        {Tipo::Boton, "cmdRegresar", "Regresar", {304, 480, 81, 33}, Boton, color::naranja},
        {Tipo::Boton, "Command1", "Borrar", {392, 480, 81, 33}, Boton, color::naranja},
        {Tipo::Boton, "Command3", "Procesar Datos", {480, 480, 89, 33}, Boton, color::naranja},
        {Tipo::Boton, "Command2", "IMPRIMIR", {576, 480, 81, 33}, Boton, color::verde},
        {Tipo::Boton, "cmdSalir", "Salir", {672, 480, 81, 33}, Boton, color::rojo},
    };
    def.controles.insert(def.controles.end(), barra.begin(), barra.end());

    def.ordenTabulacion = {"txtNombre",      "txtedad",        "txtresistencia", "txtvelocidad",
                           "txtlagartijas",  "txtabdominales", "txtsentadillas", "cmdGuardarReg",
                           "cmdRegSiguiente", "cmdRegAnterior", "cmdRegresar",    "cmdSalir",
                           "Command1",       "Command3",       "Command2"};
    def.ocultarAlImprimir = {"Frame1",   "Label9",   "Label10",  "cmdGuardarReg", "cmdRegAnterior", "cmdRegSiguiente",
                             "cmdRegresar", "cmdSalir", "Command1", "Command3",      "Command2",       "Image1"};
    return def;
}

PantallaNivel::PantallaNivel(ConjuntoPantallas &conjunto, IdPantalla id, int nivel)
    : PantallaEvaluacion(conjunto, id, definicionNivel(nivel)), m_nivel(nivel)
{
}

TipoResultados PantallaNivel::calificar(const TipoResultados &actuales) const
{
    const PruebasNivel pruebas{texto("txtresistencia"), texto("txtvelocidad"), texto("txtlagartijas"),
                               texto("txtabdominales"), texto("txtsentadillas")};
    return Calificar_Nivel(m_nivel, pruebas, actuales);
}

}  // namespace korva
