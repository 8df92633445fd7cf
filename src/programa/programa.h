#pragma once

#include "pantallas/base/escritorio.h"
#include "pantallas/base/conjunto_pantallas.h"

#include <QDir>

#include <memory>

namespace korva {

// The program as main() starts it, and as the tests start it in-process with another
// desktop in place of the real one.
class Programa
{
public:
    // The record files lie in the folder given: by default the current folder, whose
    // absolute path is taken now, once.
    explicit Programa(Escritorio &escritorio, const QString &carpeta = QDir::currentPath());
    ~Programa();

    // Installs the look and shows the first screen.
    void iniciar();
    ConjuntoPantallas &pantallas() { return *m_pantallas; }

private:
    std::unique_ptr<ConjuntoPantallas> m_pantallas;
};

// The whole run of the program, as main() does it: one copy per folder, the first screen,
// the event loop. Returns the process's exit code. Needs a QApplication.
int ejecutarPrograma(Escritorio &escritorio);

// Builds the screen of a slot.
Pantalla *crearPantalla(ConjuntoPantallas &conjunto, IdPantalla id);

}  // namespace korva
