#pragma once

#include "nucleo/comun/tipo_resultados.h"

#include <QStringList>

// Results written as eight captions in label order:
// Label11, Label12, Label13, Label19, Label23, Label24, Label25, Label26.
inline korva::TipoResultados aResultados(const QStringList &l)
{
    korva::TipoResultados r;
    r.porcentaje[0] = l.value(0);
    r.porcentaje[1] = l.value(1);
    r.porcentaje[2] = l.value(2);
    r.promedio = l.value(3);
    r.grado[0] = l.value(4);
    r.grado[1] = l.value(5);
    r.grado[2] = l.value(6);
    r.gradoGeneral = l.value(7);
    return r;
}

inline QStringList deResultados(const korva::TipoResultados &r)
{
    return {r.porcentaje[0], r.porcentaje[1], r.porcentaje[2], r.promedio,
            r.grado[0],      r.grado[1],      r.grado[2],      r.gradoGeneral};
}

inline const QStringList &vacios()
{
    static const QStringList v{"", "", "", "", "", "", "", ""};
    return v;
}
