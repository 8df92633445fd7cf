#pragma once

#include "pantallas/evaluacion/pantalla_evaluacion.h"

namespace korva {

// The region of the screen that holds every control, the printed evaluation sheet.
inline constexpr QSize TamanoHoja(785, 521);

// What one evaluation sheet shows: the boxes' texts, the eight results and the date.
struct DatosHoja {
    std::vector<std::pair<const char *, QString>> cajas;
    TipoResultados resultados;
    QString fecha;
};
// The evaluation sheet, the one definition of it: the screen's form made off the screen in
// its printing look (white, without the buttons and the record number), filled with the
// data, recorded as drawing commands.
Hoja hojaDeEvaluacion(const DefEvaluacion &def, const DatosHoja &datos);

}  // namespace korva
