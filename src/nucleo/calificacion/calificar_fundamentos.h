#pragma once

#include "nucleo/calificacion/conversiones.h"
#include "nucleo/calificacion/grado.h"
#include "nucleo/comun/tipo_resultados.h"

namespace korva {

// The eight texts of the technical tests, as typed.
struct PruebasFundamentos {
    QString condInterna, condExterna;
    QString rePecho, reMuslo, rePie;
    QString tiroInterna, tiroExterna, tiroFrontal;
};

// Conduction percentage from the sum of the two conduction times (lower is better).
int porcentajeConduccion(int suma);
// Grade of a result value; values 16 to 24 have none.
std::optional<QString> gradoFundamentos(int valor);

// Scores the eight tests into the result captions, step by step; a failed conversion or
// sum stops the run and keeps the captions written so far. The average is taken over
// the conduction percentage, the reception value and the shooting value.
TipoResultados Calificar_Fundamentos(const PruebasFundamentos &pruebas, TipoResultados resultados);

}  // namespace korva
