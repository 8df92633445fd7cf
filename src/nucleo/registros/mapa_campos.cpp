#include "nucleo/registros/mapa_campos.h"

#include "nucleo/comun/controles.h"

namespace korva {

const MapaCampos &mapaNivel()
{
    static const MapaCampos mapa{
        {control::txtNombre, Campo::Nombre},           {control::txtedad, Campo::Edad},
        {control::txtresistencia, Campo::Resistencia}, {control::txtvelocidad, Campo::Velocidad},
        {control::txtlagartijas, Campo::Lagartijas},   {control::txtabdominales, Campo::Abdominales},
        {control::txtsentadillas, Campo::Sentadillas},
    };
    return mapa;
}

const MapaCampos &mapaFundamentos()
{
    static const MapaCampos mapa{
        {control::txtNombre, Campo::Nombre},
        {control::txtedad, Campo::Edad},
        {control::txtcondinterna, Campo::CondInterna},
        {control::txtcondexterna, Campo::CondExterna},
        {control::txtrepecho, Campo::RePecho},
        {control::txtremuslo, Campo::ReMuslo},
        {control::txtrepie, Campo::RePie},
        {control::txttirointerna, Campo::TiroInterna},
        {control::txttiroexterna, Campo::TiroExterna},
        {control::txttirofrontal, Campo::TiroFrontal},
    };
    return mapa;
}

}  // namespace korva
