#pragma once

#include "pantallas/evaluacion/pantalla_evaluacion.h"

namespace korva {

DefEvaluacion definicionFundamentos();

// The technical-fundamentals evaluation screen: conduction, reception and shooting.
class PantallaFundamentos : public PantallaEvaluacion
{
    Q_OBJECT
public:
    explicit PantallaFundamentos(ConjuntoPantallas &conjunto);

protected:
    TipoResultados calificar(const TipoResultados &actuales) const override;
};

}  // namespace korva
