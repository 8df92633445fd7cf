#pragma once

#include "nucleo/comun/resultado.h"

#include <QString>

namespace korva {

// The team's own name and its coach's, kept with the records folder in a small text file
// beside the record files ("equipo.txt"), so that a folder carried to another machine carries
// its team. Where none is set, the folder's name stands for the team.
struct DatosDelEquipo {
    QString nombre;
    QString entrenador;
};

// The most characters a team's or a coach's name keeps: far more than any has, and a bound
// for every page and title that shows them.
inline constexpr int MaximoDeDatoDelEquipo = 100;

inline const QString ArchivoDatosDelEquipo = QStringLiteral("equipo.txt");

// What the folder's file says (empty names where it says nothing, or there is none).
DatosDelEquipo leerDatosDelEquipo(const QString &carpeta);
// Writes them, whole or not at all.
Resultado guardarDatosDelEquipo(const QString &carpeta, const DatosDelEquipo &datos);
// The team's name as the window, the printed report, the exports and the family reports show
// it: the name set, else the folder's name.
QString nombreDelEquipo(const QString &carpeta);

}  // namespace korva
