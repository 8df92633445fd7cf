#include "pantallas/evaluacion/pantalla_fundamentos.h"

#include "nucleo/calificacion/calificar_registro.h"
#include "nucleo/comun/def_archivo.h"
#include "nucleo/registros/mapa_campos.h"

namespace korva {

DefEvaluacion definicionFundamentos()
{
    DefEvaluacion def;
    def.titulo = QStringLiteral("KORVA 4 FUNDAMENTOS TECNICOS");
    def.archivo = QString::fromLatin1(DefArchivos[4].archivo);
    def.mapa = &camposDe(DefArchivos[ArchivoFundamentos]);
    def.etiquetaFecha = "Label33";
    def.regreso = IdPantalla::INICIO;
    def.lineas = lineasEvaluacion(432);

    def.controles = {
        // header
        etiqueta("Label8", "FUNDAMENTOS TECNICOS", {152, 16, 445, 37})
            .conLetra({24, true})
            .conColor(color::marino)
            .centrado()
            .ajustado(),
        imagen("Image2", ":/korva4/deportes.gif", {616, 16, 140, 40}),
        etiqueta("Label33", "", {664, 64, 121, 25}).conLetra(letra::Subtitulo),
        // conduction row
        etiqueta("Label3", "Conduccion", {32, 240, 129, 33}),
        etiqueta("Label28", "INTERNA", {168, 216, 65, 17}).conLetra(letra::NormalNegrita).centrado(),
        etiqueta("Label29", "EXTERNA", {248, 216, 65, 17}).conLetra(letra::NormalNegrita).centrado(),
        caja(control::txtcondinterna, {168, 232, 65, 33}).leida("Conduccion INTERNA"),
        caja(control::txtcondexterna, {248, 232, 65, 33}).leida("Conduccion EXTERNA"),
        // reception row
        etiqueta("Label4", "Recepcion", {32, 312, 105, 33}),
        etiqueta("Label27", "PECHO", {168, 280, 65, 17}).conLetra(letra::NormalNegrita).centrado(),
        etiqueta("Label30", "MUSLO", {248, 280, 65, 17}).conLetra(letra::NormalNegrita).centrado(),
        etiqueta("Label31", "PIE", {328, 280, 65, 17}).conLetra(letra::NormalNegrita).centrado(),
        caja(control::txtrepecho, {168, 304, 65, 33}).leida("Recepcion PECHO"),
        caja(control::txtremuslo, {248, 304, 65, 33}).leida("Recepcion MUSLO"),
        caja(control::txtrepie, {328, 304, 65, 33}).leida("Recepcion PIE"),
        // shot row
        etiqueta("Label5", "Tiro", {40, 384, 105, 33}),
        etiqueta("Label6", "INTERNA", {168, 352, 65, 25}).conLetra(letra::NormalNegrita),
        etiqueta("Label7", "EXTERNA", {248, 352, 65, 25}).conLetra(letra::NormalNegrita),
        etiqueta("Label32", "FRONTAL", {328, 352, 65, 25}).conLetra(letra::NormalNegrita),
        caja(control::txttirointerna, {168, 376, 65, 33}).leida("Tiro INTERNA"),
        caja(control::txttiroexterna, {248, 376, 65, 33}).leida("Tiro EXTERNA"),
        caja(control::txttirofrontal, {328, 376, 65, 33}).leida("Tiro FRONTAL"),
    };
    const auto panel = panelResultados({"FUNDAMENTOS", {"CONDUCCION", "RECEPCION", "TIRO"}, 137, true, 49});
    def.controles.insert(def.controles.end(), panel.begin(), panel.end());
    def.barra.marco = color::azul;
    def.barra.izquierda = 32;
    def.barra.guardar = color::verde;
    def.barra.anchoProcesar = 97;
    def.barra.letraProcesar = letra::NormalNegrita;
    def.barra.procesar = color::rojo;
    def.barra.salirAlFinal = true;
    return def;
}

PantallaFundamentos::PantallaFundamentos(ConjuntoPantallas &conjunto)
    : PantallaEvaluacion(conjunto, IdPantalla::fundamento, definicionFundamentos())
{}

TipoResultados PantallaFundamentos::calificar(const TipoResultados &actuales) const
{
    return calificarRegistro(DefArchivos[ArchivoFundamentos], textosDeCampos(), actuales);
}

}  // namespace korva
