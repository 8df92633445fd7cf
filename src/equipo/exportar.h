#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/informe/equipo.h"

#include <QLocale>

#include <vector>

namespace korva {

// The teams as a spreadsheet, one sheet each, named after its screen: the header row in
// bold, numbers as numbers and texts as texts. The file is written beside its place and put
// there only once it is whole, so a failed export leaves what was there before.
Resultado exportarXlsx(const QString &ruta, const std::vector<const Equipo *> &equipos);

// One team as CSV in UTF-8, with the separator the locale's spreadsheets expect (";" where the
// decimal mark is ",", else ","), numbers written with the locale's decimal mark.
Resultado exportarCsv(const QString &ruta, const Equipo &equipo, const QLocale &locale = QLocale());
QChar separadorCsv(const QLocale &locale);

}  // namespace korva
