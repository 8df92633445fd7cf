#pragma once

#include "escritorio.h"
#include "pantallas.h"

#include <memory>

namespace korva {

// The program as main() starts it, and as the tests start it in-process with another
// desktop in place of the real one.
class Programa
{
public:
    explicit Programa(Escritorio &escritorio);
    ~Programa();

    // Installs the look and shows the first screen.
    void iniciar();
    ConjuntoPantallas &pantallas() { return *m_pantallas; }

private:
    std::unique_ptr<ConjuntoPantallas> m_pantallas;
};

// Builds the screen of a slot.
Pantalla *crearPantalla(ConjuntoPantallas &conjunto, IdPantalla id);

}  // namespace korva
