#pragma once

#include "nucleo/comun/def_archivo.h"
#include "nucleo/comun/tipo_resultados.h"

#include <QStringList>

namespace korva {

// The one entry of "Procesar Datos" for a record file's texts: a level's scoring or the
// fundamentals', over the texts in the order of the file's field map (name, age, the tests),
// from the results given (empty: a freshly opened screen). The screens and the team report
// both score through it.
TipoResultados calificarRegistro(const DefArchivo &archivo, const QStringList &textos,
                                 const TipoResultados &actuales = {});

}  // namespace korva
