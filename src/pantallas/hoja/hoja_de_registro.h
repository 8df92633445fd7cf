#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/comun/tipo_resultados.h"
#include "nucleo/registros/def_archivo.h"
#include "pantallas/base/escritorio.h"

#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QStringList>

#include <functional>

class QPdfWriter;

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

// The paper of a PDF: the default printer's, or else A4 (Letter where the locale measures
// in inches).
QPageSize papelPredeterminado();

// A PDF made in memory: its creator KORVA 4, its title, the page given, drawn in 96-dpi
// units by the function given (false: it could not be drawn).
ResultadoDe<QByteArray> pdfEnMemoria(const QPageLayout &pagina, const QString &titulo,
                                     const std::function<bool(QPdfWriter &)> &pintar);

// The sheets as one PDF document, one page each, as a printer with that paper would get
// them: turned landscape, scaled to the printable area, the text kept as text.
ResultadoDe<QByteArray> hojasEnPdf(const std::vector<Hoja> &hojas, const QPageSize &papel, const QString &titulo);

}  // namespace korva
