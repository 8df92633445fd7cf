#pragma once

#include "nucleo/informe/equipo.h"
#include "nucleo/informe/tabla_equipo.h"

#include <QDate>
#include <QLocale>

class QPrinter;

namespace korva {

// A date in Spanish words, whatever the desktop's language.
QString fechaEnEspanol(const QDate &fecha, const QLocale &locale = QLocale());

// The report of one team on the printer's paper, drawn at the printer's resolution: its
// title, the date and the team's folder, the table (its rows in the order given, with the
// comparison's columns when there is one) with its header row on every page, then the
// summary with its chart. Returns the number of
// pages, 0 when the printer refused the job.
int pintarInforme(QPrinter &impresora, const Equipo &equipo, const TablaEquipo &tabla,
                  const Comparacion *comparacion = nullptr);

}  // namespace korva
