#include "pantallas/generales/pantalla_referencia.h"

namespace korva {

namespace {

struct DefReferencia {
    QString titulo;
    QSize tamano;
    std::vector<DefLinea> lineas;
    std::vector<DefControl> controles;  // the two document icons last
};

DefReferencia metodologia()
{
    return {
        TituloPrograma,
        {385, 302},
        {{"Line1", 0, 168, 384, 168, 3}},
        {
            etiqueta("Label1", "METODOLOGIA", {-24, 8, 257, 33}).conLetra({18, true}).conColor(color::negro).centrado(),
            imagen("Image1", ":/korva4/deportes.gif", {232, 8, 140, 40}),
            etiqueta("Label3", "METODOLOGIA CAP.FISICAS", {8, 144, 185, 25})
                .conLetra(letra::NormalNegrita)
                .conColor(color::negro),
            etiqueta("Label4", "METODOLOGIA FUNDAMENTOS", {192, 144, 201, 25})
                .conLetra(letra::NormalNegrita)
                .conColor(color::negro),
            etiqueta("Label2", "Dar dos clicks al icono documento para ver la metodologia", {0, 200, 385, 49})
                .conLetra(letra::Subtitulo)
                .conColor(color::negro)
                .centrado()
                .partido(),
            boton("Command1", "SALIR", {136, 264, 113, 33}, color::rojo).conLetra(letra::Subtitulo),
            documento("OLE1", ":/korva4/documentos/Metodologia-fundamentos.rtf", {232, 56, 113, 73}),
            documento("OLE2", ":/korva4/documentos/Metodologia-capacidades-fisicas.rtf", {32, 56, 113, 73}),
        },
    };
}

DefReferencia formas()
{
    return {
        QStringLiteral("KORVA 4 FORMATOS"),
        {371, 264},
        {{"Line2", 0, 64, 368, 64, 3}, {"Line1", 0, 168, 368, 168, 3}},
        {
            imagen("Image1", ":/korva4/deportes.gif", {0, 16, 140, 40}),
            etiqueta("Label1", "FORMATOS DE LLENADO", {96, 0, 281, 65})
                .conLetra({18, true})
                .conColor(color::negro)
                .centrado(),
            etiqueta("Label3", "FORMATO CAPACIDADES FISICAS", {8, 136, 153, 25})
                .conLetra(letra::NormalNegrita)
                .conColor(color::negro)
                .centrado(),
            etiqueta("Label4", "FORMATO FUNDAMENTOS TECNICOS", {208, 136, 169, 33})
                .conLetra(letra::NormalNegrita)
                .conColor(color::negro)
                .centrado(),
            etiqueta("Label2", "Dar dos clicks sobre el icono documento para ver los formatos", {16, 176, 353, 41})
                .conLetra(letra::Subtitulo)
                .conColor(color::negro)
                .centrado()
                .partido(),
            boton("Command1", "SALIR", {128, 224, 121, 33}, color::rojo),
            documento("OLE1", ":/korva4/documentos/Formato-capacidades-fisicas.rtf", {32, 72, 121, 57}),
            documento("OLE2", ":/korva4/documentos/Formato-fundamentos-tecnicos.rtf", {232, 72, 121, 57}),
        },
    };
}

}  // namespace

PantallaReferencia::PantallaReferencia(ConjuntoPantallas &conjunto, IdPantalla id) : Pantalla(conjunto, id)
{
    const DefReferencia def = id == IdPantalla::METODOLOGIA ? metodologia() : formas();
    setWindowTitle(def.titulo);
    ponerFondo(this, color::naranja);
    setFixedSize(def.tamano);
    construir(def.lineas, def.controles);
    ordenTabulacion(controles(), {"OLE1", "Command1", "OLE2"});
    control<QWidget>("OLE1")->setFocus();
    alPulsar("Command1", [this] { mostrar(IdPantalla::INICIO); });
}

}  // namespace korva
