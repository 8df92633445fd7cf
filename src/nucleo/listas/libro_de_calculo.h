#pragma once

#include "nucleo/comun/resultado.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

namespace korva {

// One sheet of a spreadsheet file as rows of texts, as a coach sees its cells: a number as it
// reads ("12", "1.5"), a date as a date ("2014-05-03", also where the spreadsheet keeps it as
// a number with a date's format), a text as it is. Read from an .xlsx (Office Open XML) or an
// .ods (OpenDocument) file: both are zipped XML, opened with minizip and read with Qt's XML
// reader; every part is read within a bound, so no archive can make it read forever.
struct LibroDeCalculo {
    QStringList hojas;               // the sheets' names, in the book's order
    int hoja = 0;                    // the one read
    std::vector<QStringList> filas;  // its rows, empty rows kept as empty lists
    // With no sheet asked for, every sheet's rows, in the book's order (the first is filas).
    std::vector<std::vector<QStringList>> filasDeCadaHoja;
};

// Whether the bytes are a zipped file (an .xlsx, an .ods, or another zip).
bool esArchivoZip(const QByteArray &bytes);

// The sheet of that name of the spreadsheet in the bytes; with none given, every sheet (the
// first as filas). A file that is neither an .xlsx nor an .ods, or is damaged, or holds more
// rows than a roster could ever need, says why.
ResultadoDe<LibroDeCalculo> leerLibroDeCalculo(const QByteArray &bytes, const QString &hoja = QString());

}  // namespace korva
