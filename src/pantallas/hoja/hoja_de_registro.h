#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/comun/tipo_resultados.h"
#include "nucleo/comun/def_archivo.h"
#include "pantallas/base/escritorio.h"

#include <QDate>
#include <QStringList>

namespace korva {

// What the team report may use of the screens: the evaluation sheet of a stored record,
// exactly the sheet that "IMPRIMIR" prints on that record's screen after "Procesar Datos"
// (the same function draws both), made without touching any record file or open screen.
// The texts are the record's fields in the order of its file's field map (name, age, the
// tests), with or without the blanks that pad them; the results are those the scoring gave
// for them (scored here when not given); the date is the one the screen shows today.
Hoja hojaDeRegistro(const DefArchivo &archivo, const QStringList &textos, const QDate &fecha = QDate::currentDate());
Hoja hojaDeRegistro(const DefArchivo &archivo, const QStringList &textos, const TipoResultados &resultados,
                    const QDate &fecha = QDate::currentDate());

}  // namespace korva
