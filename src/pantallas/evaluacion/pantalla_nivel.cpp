#include "pantallas/evaluacion/pantalla_nivel.h"

#include "nucleo/calificacion/calificar_nivel.h"
#include "nucleo/calificacion/calificar_registro.h"
#include "nucleo/comun/def_archivo.h"
#include "nucleo/registros/mapa_campos.h"

namespace korva {

namespace {

// What differs between the four level screens.
struct DiferenciasNivel {
    const char *titulo;
    QRect geoNivel;
    bool nivelAjustado;
    const char *encabezado;  // Label8
    QRect geoEncabezado;
    QRect geoFecha;  // Label28
    QPoint posLogo;  // Image2
};

const DiferenciasNivel Diferencias[4] = {
    {"KORVA 4   NIVEL 1 CAPAC. FISICAS",
     {240, 40, 285, 37},
     true,
     "KORVA 4  CAP.  FISICAS",
     {200, 8, 379, 37},
     {640, 72, 145, 17},
     {624, 24}},
    {"KORVA 4   NIVEL 2 CAP. FISICAS",
     {240, 48, 353, 33},
     false,
     "KORVA 4 CAP.FISICAS",
     {244, 16, 349, 37},
     {672, 72, 113, 17},
     {616, 32}},
    {"KORVA 4   NIVEL 3 CAP. FISICAS",
     {240, 48, 361, 33},
     false,
     "KORVA 4 CAP.FISICAS",
     {244, 16, 349, 37},
     {664, 72, 121, 17},
     {616, 32}},
    {"KORVA 4   NIVEL4 CAP. FISICAS",
     {256, 56, 331, 37},
     true,
     "KORVA 4 CAP.FISICAS",
     {244, 16, 349, 37},
     {680, 72, 105, 17},
     {616, 32}},
};

}  // namespace

DefEvaluacion definicionNivel(int nivel)
{
    const DiferenciasNivel &d = Diferencias[nivel - 1];
    DefEvaluacion def;
    def.titulo = QString::fromUtf8(d.titulo);
    const DefArchivo &archivo = DefArchivos[std::size_t(nivel - 1)];
    def.archivo = QString::fromLatin1(archivo.archivo);
    def.mapa = &camposDe(DefArchivos[std::size_t(nivel - 1)]);
    def.etiquetaFecha = "Label28";
    def.regreso = IdPantalla::MENU;
    def.lineas = lineasEvaluacion(440);

    def.controles = {
        // header
        etiqueta("Label8", QString::fromUtf8(d.encabezado), d.geoEncabezado)
            .conLetra({24, true})
            .conColor(color::marino)
            .centrado()
            .ajustado(),
        etiqueta("Label27", QString::fromUtf8(archivo.titulo), d.geoNivel)
            .conLetra({24, true})
            .conColor(color::azul)
            .centrado()
            .ajustado(d.nivelAjustado),
        imagen("Image2", ":/korva4/deportes.gif", {d.posLogo, QSize(140, 40)}),
        etiqueta("Label28", "", d.geoFecha).conLetra(letra::Subtitulo),
        // input column, below name and age
        etiqueta("Label3", "Resistencia", {32, 208, 129, 33}),
        etiqueta("Label4", "Velocidad", {32, 256, 105, 33}),
        etiqueta("Label5", "Lagartijas", {32, 304, 105, 33}),
        etiqueta("Label6", "Abdominales", {32, 352, 121, 33}),
        etiqueta("Label7", "Sentadillas", {32, 400, 121, 33}),
        caja(control::txtresistencia, {168, 208, 81, 33}).leida("Resistencia"),
        caja(control::txtvelocidad, {168, 256, 81, 33}).leida("Velocidad"),
        caja(control::txtlagartijas, {168, 304, 81, 33}).leida("Lagartijas"),
        caja(control::txtabdominales, {168, 352, 81, 33}).leida("Abdominales"),
        caja(control::txtsentadillas, {168, 400, 81, 33}).leida("Sentadillas"),
        imagen("Image1", ":/korva4/nivel.jpg", {256, 152, 168, 279}).estirado(),
    };
    const auto panel = panelResultados({"CAPACIDADES", {"RESISTENCIA", "VELOCIDAD", "FUERZA"}, 145, false, 33});
    def.controles.insert(def.controles.end(), panel.begin(), panel.end());
    def.barra.marco = color::naranja;
    def.barra.izquierda = 40;
    def.barra.guardar = color::naranja;
    def.barra.anchoProcesar = 89;
    def.barra.letraProcesar = letra::Normal;
    def.barra.procesar = color::naranja;
    def.barra.salirAlFinal = false;
    def.ocultarTambien = {"Image1"};
    return def;
}

PantallaNivel::PantallaNivel(ConjuntoPantallas &conjunto, IdPantalla id, int nivel)
    : PantallaEvaluacion(conjunto, id, definicionNivel(nivel)), m_nivel(nivel)
{}

TipoResultados PantallaNivel::calificar(const TipoResultados &actuales) const
{
    return calificarRegistro(DefArchivos[std::size_t(m_nivel - 1)], textosDeCampos(), actuales);
}

}  // namespace korva
