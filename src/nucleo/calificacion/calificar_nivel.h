#pragma once

#include "nucleo/calificacion/conversiones.h"
#include "nucleo/calificacion/grado.h"
#include "nucleo/comun/tipo_resultados.h"

#include <array>

namespace korva {

// The five texts of the physical tests, as typed.
struct PruebasNivel {
    QString resistencia, velocidad, lagartijas, abdominales, sentadillas;
};

// Band bounds of one level. For endurance and speed (lower is better): the inclusive
// upper bounds of bands 1 to 4, then the inclusive lower bound of band 5; a value
// between the fourth bound and the fifth is in no band. For strength (higher is
// better): the inclusive lower bounds of bands 1 to 4, then the upper bound of band 5.
// Endurance has separate bounds for the percentage and for the grade.
struct BandasDeNivel {
    std::array<double, 5> resistenciaPorcentaje;
    std::array<double, 5> resistenciaGrado;
    std::array<double, 5> velocidad;
    std::array<int, 5> fuerza;
};

// Levels 1 to 4, at index 0 to 3.
extern const std::array<BandasDeNivel, 4> BandasNivel;

// Scores the five tests at the given level (1 to 4) into the result captions, step by
// step; a failed conversion or sum stops the run and keeps the captions written so far.
TipoResultados Calificar_Nivel(int nivel, const PruebasNivel &pruebas, TipoResultados resultados);

// The percentage and the grade of band 1 to 5 (index 0 to 4).
QString porcentajeDeBanda(int banda);
QString gradoDeBanda(int banda);

}  // namespace korva
