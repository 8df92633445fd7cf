#pragma once

#include "nucleo/listas/archivo_zip.h"
#include "nucleo/listas/libro_de_calculo.h"

namespace korva {

// An OpenDocument spreadsheet (.ods): its content.xml read within the bounds, every sheet
// (with no name given) or the one of that name.
ResultadoDe<LibroDeCalculo> leerOds(ArchivoZip &zip, const QString &pedida);

}  // namespace korva
