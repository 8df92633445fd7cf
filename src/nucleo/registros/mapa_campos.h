#pragma once

#include "nucleo/registros/tipo_reg.h"

#include <vector>

namespace korva {

// Which text box shows which record field, in the order the copies handle them.
struct ParCampo {
    const char *control;
    Campo campo;
};
using MapaCampos = std::vector<ParCampo>;

// Level screens: name, age and the five physical tests (fields 8 to 15 never touched).
const MapaCampos &mapaNivel();
// Fundamentals screen: name, age and the eight technical tests (fields 3 to 7 never touched).
const MapaCampos &mapaFundamentos();

}  // namespace korva
