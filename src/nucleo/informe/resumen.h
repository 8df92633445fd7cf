#pragma once

#include "nucleo/calificacion/grado.h"
#include "nucleo/informe/comparacion.h"
#include "nucleo/informe/equipo.h"

#include <QLocale>

namespace korva {

// How the team did: athletes per overall grade (the last place counts those with none), and
// the mean of each capacity's percentage and of the average, over those that have one.
struct Resumen {
    int atletas = 0;
    std::array<int, Grados.size() + 1> porGrado{};
    std::array<std::optional<double>, 4> medias{};  // the three capacities and the average
};
Resumen resumir(const Equipo &equipo);
// The names of the four means, for the archivo's kind of screen.
QStringList nombresDeMedias(const DefArchivo &archivo);

// The summary in words, line by line: the athletes, how many got each overall grade, the
// means of the percentages (one decimal, in the locale's way).
QStringList textoResumen(const Equipo &equipo, const Resumen &resumen, const QLocale &locale = QLocale());
// The summary's line of the mean changes, when there is a comparison.
QString textoCambiosMedios(const Comparacion &c, const Equipo &ahora, const QLocale &locale = QLocale());
// The summary as the window and the printed report show it: textoResumen(), then the line of
// the mean changes when there is a comparison.
QStringList lineasDelResumen(const Equipo &equipo, const Comparacion *comparacion, const QLocale &locale = QLocale());

}  // namespace korva
