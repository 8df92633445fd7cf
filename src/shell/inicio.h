#pragma once

#include "pantallas.h"

namespace korva {

// The start screen: everything is reached from here.
class PantallaInicio : public Pantalla
{
    Q_OBJECT
public:
    explicit PantallaInicio(ConjuntoPantallas &conjunto);
};

// The level menu: leads to the four level screens.
class PantallaMenu : public Pantalla
{
    Q_OBJECT
public:
    explicit PantallaMenu(ConjuntoPantallas &conjunto);
};

}  // namespace korva
