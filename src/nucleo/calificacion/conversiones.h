#pragma once

#include <QString>

#include <initializer_list>
#include <optional>

namespace korva {

// Text and numbers for the scoring. An empty optional is a failed conversion: it stops
// the scoring run where it happens, silently.

// The text as a number: an optional sign and digits with at most one decimal mark, which
// may be "." or "," in every locale (the keypad of a Spanish keyboard types "."). No
// thousands separator, exponent, "inf" or "nan". Blanks around it are ignored, so a value
// padded to its field width scores as typed, and so are invisible format characters.
std::optional<double> Convertir_Decimal(const QString &texto);
// A value's text as the scoring reads it: invisible format characters (a zero-width space
// pasted with the number) dropped, then the blanks around it.
QString sinFormato(const QString &texto);
// The same number rounded to the nearest integer, halves to the even neighbour, within
// the 16-bit signed range.
std::optional<qint16> Convertir_Entero(const QString &texto);
// A double rounded to the nearest 16-bit signed integer, halves to the even neighbour.
std::optional<qint16> Redondear_Entero(double valor);
// A sum of counts in 16-bit signed arithmetic; leaving the range fails.
std::optional<qint16> Sumar16(qint16 a, qint16 b);

// Converts each text with Convertir_Entero, in order, then adds them in 16-bit
// arithmetic, left to right; any failed conversion or overflow fails.
std::optional<qint16> Sumar_Enteros(std::initializer_list<QString> textos);

// An integer as a caption: plain digits, a leading "-" when negative.
QString Texto_Entero(int valor);

}  // namespace korva
