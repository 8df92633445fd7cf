#pragma once

#include <array>

namespace korva {

// A record file of the catalogue, with the heading its screen and the team report show
// and the age level its screen scores (0 for the fundamentals).
struct DefArchivo {
    const char *archivo;
    const char *titulo;  // UTF-8
    int nivel;

    bool esDeNivel() const { return nivel >= 1; }
};

// The five record files: the four levels, then the fundamentals.
inline constexpr std::array<DefArchivo, 5> DefArchivos{{
    {"nivel1.dat", "NIVEL 1 (8-9años)", 1},
    {"nivel2.dat", "NIVEL 2 (10-11 años)", 2},
    {"nivel3.dat", "NIVEL 3 (12-14 años)", 3},
    {"nivel4.dat", "NIVEL 4 (15-17 años)", 4},
    {"fundamentos.dat", "FUNDAMENTOS TECNICOS", 0},
}};

}  // namespace korva
