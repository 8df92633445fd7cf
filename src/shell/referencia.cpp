#include "referencia.h"

#include "documento.h"
#include "inicio.h"

namespace korva {

namespace {

struct Icono {
    const char *nombre;
    QRect geo;
    const char *recurso;
};

struct DefReferencia {
    QString titulo;
    QSize tamano;
    std::vector<DefLinea> lineas;
    std::vector<DefControl> controles;
    Icono iconos[2];  // in keyboard order
};

DefReferencia metodologia()
{
    return {
        TituloPrograma,
        {385, 302},
        {{"Line1", 0, 168, 384, 168, 3}},
        {
            {Tipo::Etiqueta, "Label1", "METODOLOGIA", {-24, 8, 257, 33}, {18, true}, color::negro, Centrado},
            {Tipo::Imagen, "Image1", ":/korva4/deportes.gif", {232, 8, 140, 40}},
            {Tipo::Etiqueta, "Label3", "METODOLOGIA CAP.FISICAS", {8, 144, 185, 25}, {8.25, true}, color::negro},
            {Tipo::Etiqueta, "Label4", "METODOLOGIA FUNDAMENTOS", {192, 144, 201, 25}, {8.25, true}, color::negro},
            {Tipo::Etiqueta, "Label2", "Dar dos clicks al icono documento para ver la metodologia", {0, 200, 385, 49},
             {12, true}, color::negro, Centrado | Partido},
            {Tipo::Boton, "Command1", "SALIR", {136, 264, 113, 33}, {12, true}, color::rojo},
        },
        {{"OLE1", {232, 56, 113, 73}, ":/korva4/documentos/Metodologia-fundamentos.rtf"},
         {"OLE2", {32, 56, 113, 73}, ":/korva4/documentos/Metodologia-capacidades-fisicas.rtf"}},
    };
}

DefReferencia formas()
{
    return {
        QStringLiteral("KORVA 4 FORMATOS"),
        {371, 264},
        {{"Line2", 0, 64, 368, 64, 3}, {"Line1", 0, 168, 368, 168, 3}},
        {
            {Tipo::Imagen, "Image1", ":/korva4/deportes.gif", {0, 16, 140, 40}},
            {Tipo::Etiqueta, "Label1", "FORMATOS DE LLENADO", {96, 0, 281, 65}, {18, true}, color::negro, Centrado},
            {Tipo::Etiqueta, "Label3", "FORMATO CAPACIDADES FISICAS", {8, 136, 153, 25}, {8.25, true}, color::negro,
             Centrado},
            {Tipo::Etiqueta, "Label4", "FORMATO FUNDAMENTOS TECNICOS", {208, 136, 169, 33}, {8.25, true}, color::negro,
             Centrado},
            {Tipo::Etiqueta, "Label2", "Dar dos clicks sobre el icono documento para ver los formatos",
             {16, 176, 353, 41}, {12, true}, color::negro, Centrado | Partido},
            {Tipo::Boton, "Command1", "SALIR", {128, 224, 121, 33}, {8.25}, color::rojo},
        },
        {{"OLE1", {32, 72, 121, 57}, ":/korva4/documentos/Formato-capacidades-fisicas.rtf"},
         {"OLE2", {232, 72, 121, 57}, ":/korva4/documentos/Formato-fundamentos-tecnicos.rtf"}},
    };
}

}  // namespace

PantallaReferencia::PantallaReferencia(ConjuntoPantallas &conjunto, IdPantalla id) : Pantalla(conjunto, id)
{
    const DefReferencia def = id == IdPantalla::METODOLOGIA ? metodologia() : formas();
    setWindowTitle(def.titulo);
    ponerFondo(this, color::naranja);
    setFixedSize(def.tamano);
    m_controles = construirFormulario(this, def.lineas, def.controles);
    for (const Icono &i : def.iconos) {
        auto *icono = new IconoDocumento(QString::fromLatin1(i.recurso), escritorio(), this);
        icono->setObjectName(QString::fromLatin1(i.nombre));
        icono->setGeometry(i.geo);
        m_controles.insert(icono->objectName(), icono);
    }
    ordenTabulacion(m_controles, {"OLE1", "Command1", "OLE2"});
    m_controles.value("OLE1")->setFocus();
    alPulsar(m_controles, "Command1", [this] { mostrar(IdPantalla::INICIO); });
}

}  // namespace korva
