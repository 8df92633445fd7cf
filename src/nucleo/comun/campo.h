#pragma once

namespace korva {

// The fifteen fixed-width fields of an athlete record, in file order.
enum class Campo {
    Nombre,
    Edad,
    Resistencia,
    Velocidad,
    Lagartijas,
    Abdominales,
    Sentadillas,
    CondInterna,
    CondExterna,
    RePecho,
    ReMuslo,
    RePie,
    TiroInterna,
    TiroExterna,
    TiroFrontal,
};

}  // namespace korva
