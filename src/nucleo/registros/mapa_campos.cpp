#include "nucleo/registros/mapa_campos.h"

namespace korva {

const MapaCampos &mapaNivel()
{
    static const MapaCampos mapa{
        Campo::Nombre,     Campo::Edad,        Campo::Resistencia, Campo::Velocidad,
        Campo::Lagartijas, Campo::Abdominales, Campo::Sentadillas,
    };
    return mapa;
}

const MapaCampos &mapaFundamentos()
{
    static const MapaCampos mapa{
        Campo::Nombre,  Campo::Edad,  Campo::CondInterna, Campo::CondExterna, Campo::RePecho,
        Campo::ReMuslo, Campo::RePie, Campo::TiroInterna, Campo::TiroExterna, Campo::TiroFrontal,
    };
    return mapa;
}

const MapaCampos &camposDe(const DefArchivo &archivo)
{
    return archivo.esDeNivel() ? mapaNivel() : mapaFundamentos();
}

}  // namespace korva
