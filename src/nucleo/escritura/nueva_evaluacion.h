#pragma once

#include "nucleo/comun/resultado.h"

#include <QString>

namespace korva {

// "Nueva evaluación": in each of the five files the test values of every stored athlete
// become blanks, as an empty box stores them; names, ages and every other byte stay. The
// current evaluation is saved first (and checked whole), once every file has been checked
// and the new ones written beside; all through the one writer, all or nothing. Carries the
// saved evaluation's folder.
ResultadoDe<QString> nuevaEvaluacion(const QString &carpeta, const QString &etiqueta);

}  // namespace korva
