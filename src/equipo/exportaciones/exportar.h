#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/informe/equipo.h"
#include "nucleo/informe/tabla_equipo.h"

#include <QLocale>

#include <vector>

namespace korva {

// The teams as a spreadsheet, one sheet each, named after its screen: the header row in
// bold, numbers as numbers (with "." in the file, whatever the locale) and texts as texts.
// Both exports are written beside their place and put there only once whole, so a failed
// export leaves what was there before; a team whose file could not be read is not exported
// as an empty one: the export fails with that file's reason.
// With comparisons (one per team, or none), each sheet carries its team's.
Resultado exportarXlsx(const QString &ruta, const std::vector<const Equipo *> &equipos,
                       const std::vector<const Comparacion *> &comparaciones = {});

// One team as CSV in UTF-8, with the separator the locale's spreadsheets expect (";" where the
// decimal mark is ",", else ","), numbers written with the locale's decimal mark. A text that
// a spreadsheet would take for a formula (=, +, -, @, a tab or a carriage return first) is
// kept as text with a leading apostrophe; a number such as -2 stays a number.
Resultado exportarCsv(const QString &ruta, const Equipo &equipo, const QLocale &locale = QLocale(),
                      const Comparacion *comparacion = nullptr);
QChar separadorCsv(const QLocale &locale);
QString sinFormula(const QString &texto);

}  // namespace korva
