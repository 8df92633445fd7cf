#pragma once

#include "nucleo/comun/tipo_resultados.h"

#include <QStringList>

// Results written as eight captions in label order:
// Label11, Label12, Label13, Label19, Label23, Label24, Label25, Label26.
inline korva::TipoResultados aResultados(const QStringList &l)
{
    korva::TipoResultados r;
    r.Label11 = l.value(0);
    r.Label12 = l.value(1);
    r.Label13 = l.value(2);
    r.Label19 = l.value(3);
    r.Label23 = l.value(4);
    r.Label24 = l.value(5);
    r.Label25 = l.value(6);
    r.Label26 = l.value(7);
    return r;
}

inline QStringList deResultados(const korva::TipoResultados &r)
{
    return {r.Label11, r.Label12, r.Label13, r.Label19, r.Label23, r.Label24, r.Label25, r.Label26};
}

inline const QStringList &vacios()
{
    static const QStringList v{"", "", "", "", "", "", "", ""};
    return v;
}
