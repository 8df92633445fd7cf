#pragma once

#include "pantallas/evaluacion/pantalla_evaluacion.h"

namespace korva {

// The form of one level screen: the controls of level 1 with the level's own differences.
DefEvaluacion definicionNivel(int nivel);

// A physical-capacities evaluation screen, one per training level (1 to 4).
class PantallaNivel : public PantallaEvaluacion
{
    Q_OBJECT
public:
    PantallaNivel(ConjuntoPantallas &conjunto, IdPantalla id, int nivel);
    int nivel() const { return m_nivel; }

protected:
    TipoResultados calificar(const TipoResultados &actuales) const override;

private:
    int m_nivel;
};

}  // namespace korva
