#pragma once

#include <array>

namespace korva {

// The five record files, each with the heading its screen and the team report show: the
// four levels, then the fundamentals (level 0).
struct ArchivoDeRegistros {
    const char *archivo;
    const char *titulo;  // UTF-8
    int nivel;
};

inline constexpr std::array<ArchivoDeRegistros, 5> ArchivosDeRegistros{{
    {"nivel1.dat", "NIVEL 1 (8-9años)", 1},
    {"nivel2.dat", "NIVEL 2 (10-11 años)", 2},
    {"nivel3.dat", "NIVEL 3 (12-14 años)", 3},
    {"nivel4.dat", "NIVEL 4 (15-17 años)", 4},
    {"fundamentos.dat", "FUNDAMENTOS TECNICOS", 0},
}};

}  // namespace korva
