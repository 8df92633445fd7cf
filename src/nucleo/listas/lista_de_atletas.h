#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/listas/texto_separado.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

#include <optional>
#include <vector>

namespace korva {

// One athlete of a roster: the name as it will be offered (its parts joined, controls and
// blanks cleaned), the age as given or worked out from a birth date, and the row it came from.
struct AtletaImportado {
    QString nombre;
    QString edad;
    int fila = 0;  // 1 for the file's first row
};

// A squad's list as read from what the coach has: the athletes, the rows left out (with why:
// no letter or digit in the name) and what the reader had to guess (lines that were not
// UTF-8); for a spreadsheet, its sheets and the one read.
struct ListaDeAtletas {
    std::vector<AtletaImportado> atletas;
    QStringList omitidas;
    QStringList avisos;
    QStringList hojas;
    int hoja = 0;
    QStringList hojasLeidas;   // the sheets the athletes came from
    bool conCabecera = false;  // a header row named the names' column
};

// The most a roster file may measure: a squad's list is a few kilobytes.
constexpr qint64 TamanoMaximoDeLista = 4 * 1024 * 1024;

// The rows of a file as the roster's reader reads them: a spreadsheet's sheet, or a text's
// rows (its separator found, its encoding read line by line where lines disagree).
struct FilasLeidas {
    std::vector<QStringList> filas;
    QStringList hojas;
    int hoja = 0;
    std::vector<std::vector<QStringList>> filasDeCadaHoja;  // a book read with no sheet named
    QStringList avisos;
    bool esTexto = false;
    QString texto;
};
ResultadoDe<FilasLeidas> filasDeBytes(const QByteArray &bytes, const QString &hoja = QString());
// The same from a file, read without waiting and within its bound; a failure names the file.
ResultadoDe<FilasLeidas> leerFilasDeArchivo(const QString &ruta, const QString &hoja = QString());

// The athletes of a table's rows: a header row is recognised ("Nombre", "Apellidos",
// "Edad", "Fecha de nacimiento", in any case, with or without accents), else the name is
// the first column and the age the second. "Nombre" and "Apellidos" make "Nombre Apellidos";
// a birth date gives the age at the date given.
ListaDeAtletas listaDeFilas(const std::vector<QStringList> &filas, const QDate &hoy = QDate::currentDate());

// A pasted text or a text file's content.
ListaDeAtletas leerLista(const QString &texto, const QDate &hoy = QDate::currentDate());
// A roster file's bytes: an .xlsx or an .ods, or text; anything else (an old .xls, a PDF, a
// picture) is refused with what to do. Of a book, the sheet of that name; with none named,
// the sheets that name a names' column ("Nombre"…), each athlete once (a book that KORVA
// exported holds the squad in several), or else the first sheet with names in its first
// column. A file in which no athlete is found is refused, with why.
ResultadoDe<ListaDeAtletas> leerListaDeBytes(const QByteArray &bytes, const QString &hoja = QString(),
                                             const QDate &hoy = QDate::currentDate());
// A roster file, read without waiting and within its bound; a failure names the file.
ResultadoDe<ListaDeAtletas> leerArchivoDeLista(const QString &ruta, const QString &hoja = QString(),
                                               const QDate &hoy = QDate::currentDate());

// Which sheets of a book the athletes came from, in a sentence: "Leída la hoja «A»." or
// "Leídas las hojas «A», «B»."; empty for a text or a book of one sheet.
QString hojasLeidasEnPalabras(const ListaDeAtletas &lista);

// An age as a coach writes it ("12", "12 años", "12.0"): whole years, or nothing.
std::optional<int> edadDeTexto(const QString &texto);

}  // namespace korva
