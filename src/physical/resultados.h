#pragma once

#include <QString>

namespace korva {

// The captions of the eight result labels, the same names on every evaluation screen:
// three percentages and the average, then three grades and the overall grade.
struct TipoResultados {
    QString Label11, Label12, Label13, Label19;
    QString Label23, Label24, Label25, Label26;

    bool operator==(const TipoResultados &o) const
    {
        return Label11 == o.Label11 && Label12 == o.Label12 && Label13 == o.Label13 && Label19 == o.Label19
            && Label23 == o.Label23 && Label24 == o.Label24 && Label25 == o.Label25 && Label26 == o.Label26;
    }
    bool operator!=(const TipoResultados &o) const { return !(*this == o); }
};

}  // namespace korva
