#pragma once

#include "pantallas.h"

namespace korva {

// The access code, the only credential of the program.
inline const QString ClaveDeAcceso = QStringLiteral("739264");

// The access screen: the program starts here, and the start screen appears only after
// the right code.
class PantallaSecreto : public Pantalla
{
    Q_OBJECT
public:
    explicit PantallaSecreto(ConjuntoPantallas &conjunto);
    QString cargar() override;

private:
    void entrar();
};

}  // namespace korva
