#pragma once

#include <QByteArray>
#include <QStringList>

#include <vector>

namespace korva {

// Text with its values separated, as spreadsheets save it and coaches paste it.

// The text of a file: UTF-8 (with or without its byte order mark), UTF-16 (with its byte order
// mark, or without one where every other byte is zero), or Windows-1252; where lines
// disagree, each line as it reads, the lines that were not UTF-8 said in the warnings.
QString textoDeLista(const QByteArray &bytes, QStringList *avisos = nullptr);
// Whether the bytes are UTF-16 text (by its byte order mark, or its zero bytes).
bool esUtf16(const QByteArray &bytes);

// A text's rows are read within the bounds a roster needs: at most as many rows as a book's
// sheet (one more is read, to tell a text that has more), 256 columns a row (the rest of a
// row is passed over), a value's characters as a spreadsheet's cell holds them.

// The rows of a text of separated values: the separator is the one of TAB, ";" and "," that
// gives the rows one same number of columns; quotes as RFC 4180 has them (separators and line
// breaks inside quotes, a doubled quote for a quote).
std::vector<QStringList> filasDeTexto(const QString &texto);
// The rows with that separator (none: each line one value), quotes read the same way.
std::vector<QStringList> filasConSeparador(const QString &texto, QChar separador);

}  // namespace korva
