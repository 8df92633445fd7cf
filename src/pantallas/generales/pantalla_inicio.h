#pragma once

#include "pantallas/base/pantalla.h"

namespace korva {

// The start screen: everything is reached from here.
class PantallaInicio : public Pantalla
{
    Q_OBJECT
public:
    explicit PantallaInicio(ConjuntoPantallas &conjunto);
};

}  // namespace korva
