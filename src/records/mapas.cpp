#include "mapas.h"

namespace korva {

const MapaCampos &mapaNivel()
{
    static const MapaCampos mapa{
        {"txtNombre", Campo::Nombre},
        {"txtedad", Campo::Edad},
        {"txtresistencia", Campo::Resistencia},
        {"txtvelocidad", Campo::Velocidad},
        {"txtlagartijas", Campo::Lagartijas},
        {"txtabdominales", Campo::Abdominales},
        {"txtsentadillas", Campo::Sentadillas},
    };
    return mapa;
}

const MapaCampos &mapaFundamentos()
{
    static const MapaCampos mapa{
        {"txtNombre", Campo::Nombre},
        {"txtedad", Campo::Edad},
        {"txtcondinterna", Campo::CondInterna},
        {"txtcondexterna", Campo::CondExterna},
        {"txtrepecho", Campo::RePecho},
        {"txtremuslo", Campo::ReMuslo},
        {"txtrepie", Campo::RePie},
        {"txttirointerna", Campo::TiroInterna},
        {"txttiroexterna", Campo::TiroExterna},
        {"txttirofrontal", Campo::TiroFrontal},
    };
    return mapa;
}

}  // namespace korva
