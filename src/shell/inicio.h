#pragma once

#include "formulario.h"
#include "pantallas.h"

namespace korva {

// The start screen: everything is reached from here.
class PantallaInicio : public Pantalla
{
    Q_OBJECT
public:
    explicit PantallaInicio(ConjuntoPantallas &conjunto);

private:
    QHash<QString, QWidget *> m_controles;
};

// The level menu: leads to the four level screens.
class PantallaMenu : public Pantalla
{
    Q_OBJECT
public:
    explicit PantallaMenu(ConjuntoPantallas &conjunto);

private:
    QHash<QString, QWidget *> m_controles;
};

// Connects a named button of a form to an action.
void alPulsar(const QHash<QString, QWidget *> &controles, const char *nombre, std::function<void()> accion);

}  // namespace korva
