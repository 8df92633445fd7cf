#pragma once

#include "nucleo/comun/def_archivo.h"
#include "nucleo/registros/tipo_reg.h"

#include <vector>

namespace korva {

// The fields an evaluation screen shows and stores, in the order the copies handle them.
using MapaCampos = std::vector<Campo>;

// Level screens: name, age and the five physical tests (fields 8 to 15 never touched).
const MapaCampos &mapaNivel();
// Fundamentals screen: name, age and the eight technical tests (fields 3 to 7 never touched).
const MapaCampos &mapaFundamentos();
// The field map of a record file: a level's, or the fundamentals'.
const MapaCampos &camposDe(const DefArchivo &archivo);

}  // namespace korva
