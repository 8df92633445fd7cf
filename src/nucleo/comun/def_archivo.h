#pragma once

#include <array>

namespace korva {

// A record file of the catalogue, with the heading its screen and the team report show,
// the age level its screen scores (0 for the fundamentals) and the ages of that level, in
// whole years, as the level screens' titles state them (none for the fundamentals).
struct DefArchivo {
    const char *archivo;
    const char *titulo;  // UTF-8
    int nivel;
    int edadMinima = 0;
    int edadMaxima = -1;

    bool esDeNivel() const { return nivel >= 1; }
    bool esDeSuEdad(int edad) const { return edad >= edadMinima && edad <= edadMaxima; }
};

// The five record files: the four levels, then the fundamentals.
inline constexpr std::array<DefArchivo, 5> DefArchivos{{
    {"nivel1.dat", "NIVEL 1 (8-9años)", 1, 8, 9},
    {"nivel2.dat", "NIVEL 2 (10-11 años)", 2, 10, 11},
    {"nivel3.dat", "NIVEL 3 (12-14 años)", 3, 12, 14},
    {"nivel4.dat", "NIVEL 4 (15-17 años)", 4, 15, 17},
    {"fundamentos.dat", "FUNDAMENTOS TECNICOS", 0},
}};
inline constexpr int ArchivoFundamentos = 4;

// The level file (0 to 3) whose ages hold the age given; -1 for an age of no level.
constexpr int archivoPorEdad(int edad)
{
    for (int i = 0; i < int(DefArchivos.size()); ++i)
        if (DefArchivos[std::size_t(i)].esDeNivel() && DefArchivos[std::size_t(i)].esDeSuEdad(edad))
            return i;
    return -1;
}

}  // namespace korva
