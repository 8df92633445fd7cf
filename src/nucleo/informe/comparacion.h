#pragma once

#include "nucleo/informe/equipo.h"
#include "nucleo/registros/clave_de_nombre.h"

#include <array>
#include <optional>
#include <vector>

namespace korva {

// How a team compares with a saved evaluation of the same file. Athletes are matched by name
// (composed, case and blanks around it ignored); two of one name are matched by record
// number when both evaluations have that name at that number, and are otherwise flagged and
// not compared.
struct Comparacion {
    enum class Estado { Comparado, Nuevo, Repetido };
    struct Cambio {
        Estado estado = Estado::Nuevo;
        int antes = -1;  // the athlete's index in the saved team, when compared
    };

    QString evaluacion;           // the saved evaluation's name
    Equipo antes;                 // its team
    std::vector<Cambio> cambios;  // one per athlete of now, in its order
    std::vector<int> yaNoEstan;   // athletes of then who are not there now (indices in antes)
};

Comparacion comparar(const Equipo &antes, const Equipo &ahora, const QString &evaluacion);
// The team compared with its file in the saved evaluation of that name, in the records folder.
// When that file cannot be read, the comparison's team then says why (Equipo::Estado::Ilegible)
// and nobody is compared: see comparacionLeida().
Comparacion compararConGuardada(const QString &carpeta, const QString &evaluacion, const Equipo &ahora);
// Whether the saved evaluation's file was read (or was not there: an empty team then); else
// which file could not be, and why.
Resultado comparacionLeida(const Comparacion &comparacion);

// The change of a percentage (or the average), now minus then, when both are numbers.
std::optional<double> cambioDe(const QString &antes, const QString &ahora);
std::optional<double> cambioDe(std::optional<double> antes, std::optional<double> ahora);
// The mean change of each of the four percentages over the athletes compared.
std::array<std::optional<double>, 4> cambiosMedios(const Comparacion &c, const Equipo &ahora);

}  // namespace korva
