#pragma once

#include <QString>

#include <array>
#include <utility>

namespace korva {

// The eight results of a scoring, as the screens show them: each of the three capacities'
// percentage and grade, the average percentage and the overall grade. Indexed in the order
// the screens lay them out: the three percentages, the average, the three grades, the
// overall grade.
struct TipoResultados {
    std::array<QString, 3> porcentaje;  // endurance, speed, strength (or conduction, reception, shooting)
    QString promedio;
    std::array<QString, 3> grado;
    QString gradoGeneral;

    static constexpr int Cantidad = 8;
    QString &operator[](int i) { return const_cast<QString &>(std::as_const(*this)[i]); }
    const QString &operator[](int i) const
    {
        return i < 3 ? porcentaje[std::size_t(i)]
            : i == 3 ? promedio
            : i < 7  ? grado[std::size_t(i - 4)]
                     : gradoGeneral;
    }

    bool operator==(const TipoResultados &o) const
    {
        return porcentaje == o.porcentaje && promedio == o.promedio && grado == o.grado
            && gradoGeneral == o.gradoGeneral;
    }
    bool operator!=(const TipoResultados &o) const { return !(*this == o); }
};

}  // namespace korva
