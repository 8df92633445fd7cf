#pragma once

#include <QString>

#include <array>
#include <optional>

namespace korva {

// A grade, from the best to the lowest: I, II, III, IV, then SN, the lowest grade. An athlete
// whose results do not reach a grade has none ("sin nivel" in the team report).
enum class Grado { I, II, III, IV, SN };
inline constexpr std::array<Grado, 5> Grados{Grado::I, Grado::II, Grado::III, Grado::IV, Grado::SN};

// The grade as a result label shows it.
QString textoGrado(Grado grado);
// The grade that a caption shows; nothing for a caption that holds none.
std::optional<Grado> gradoDeTexto(const QString &texto);
// Where a caption sorts among the grades: I first (0) to SN (4), anything else after them.
int ordenDeGrado(const QString &texto);

}  // namespace korva
