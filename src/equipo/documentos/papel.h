#pragma once

#include "nucleo/comun/resultado.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>

#include <functional>

class QPdfWriter;

namespace korva {

// The helpers every paper document of the team report shares: the paper, the PDF made in
// memory, the date in words.

// A4, or Letter where the locale measures in inches: the one choice of paper by country.
QPageSize papelDelPais(const QLocale &locale = QLocale());
// The paper of a PDF meant for the printer: the default printer's, or else the country's.
QPageSize papelPredeterminado();

// A PDF made in memory: its creator KORVA 4, its title, the page given, drawn in 96-dpi
// units by the function given (false: it could not be drawn).
ResultadoDe<QByteArray> pdfEnMemoria(const QPageLayout &pagina, const QString &titulo,
                                     const std::function<bool(QPdfWriter &)> &pintar);

// A date in Spanish words, whatever the desktop's language.
QString fechaEnEspanol(const QDate &fecha, const QLocale &locale = QLocale());

}  // namespace korva
