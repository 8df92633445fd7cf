#pragma once

#include "pantallas/base/pantalla.h"

namespace korva {

// The level menu: leads to the four level screens.
class PantallaMenu : public Pantalla
{
    Q_OBJECT
public:
    explicit PantallaMenu(ConjuntoPantallas &conjunto);
};

}  // namespace korva
