#pragma once

#include "nucleo/informe/equipo.h"

class QPrinter;

namespace korva {

// The report of one team on the printer's paper, drawn at the printer's resolution: its
// title, the date, the table with its header row on every page, then the summary with its
// chart. Returns the number of pages, 0 when the printer refused the job.
int pintarInforme(QPrinter &impresora, const Equipo &equipo);

}  // namespace korva
