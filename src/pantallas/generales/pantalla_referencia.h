#pragma once

#include "pantallas/base/pantalla.h"

namespace korva {

// The two reference screens: the methodology of the tests and the blank recording forms,
// each with two document icons and a "SALIR" that brings the start screen forward.
class PantallaReferencia : public Pantalla
{
    Q_OBJECT
public:
    PantallaReferencia(ConjuntoPantallas &conjunto, IdPantalla id);
};

}  // namespace korva
