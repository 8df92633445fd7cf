#pragma once

#include "nucleo/informe/comparacion.h"
#include "nucleo/informe/equipo.h"

#include <vector>

namespace korva {

// The columns of the team's table, their headings derived from the catalogue of tests.
// The headings of the columns: the record number, name, age and raw values, then the results
// in the order of TipoResultados.
QStringList columnasDatos(const DefArchivo &archivo);
QStringList columnasResultados(const DefArchivo &archivo);

// The athlete's row as texts, column by column: the record number, the stored texts, then the
// eight results.
QStringList celdas(const Atleta &atleta);
// Whether a column of that row holds a grade (I to SN), and whether it may hold a number.
bool esColumnaDeGrado(const DefArchivo &archivo, int columna);
bool esColumnaNumerica(const DefArchivo &archivo, int columna);

// What a column of the team's table holds, for sorting and for the exports.
// A change (now minus then) is a number that keeps its sign.
enum class TipoColumna { Texto, Numero, Grado, Cambio };

// The team as every view of it shows it (the window, the exports, the printed report): the
// headings, the kind of each column and the rows of texts. With a comparison, each row also
// carries each percentage then and its change, the overall grade then and how it went, and
// the athletes who are no longer there follow as rows of their own.
struct TablaEquipo {
    QStringList columnas;
    std::vector<TipoColumna> tipos;
    std::vector<QStringList> filas;
    // Each cell of a column of numbers as the number it shows (none where it shows a text or
    // nothing), taken from the athletes' numbers, never read back from the texts.
    std::vector<std::vector<std::optional<double>>> numeros;
    int columnasPropias = 0;  // before those of the comparison
};
TablaEquipo tablaDeEquipo(const Equipo &equipo, const Comparacion *comparacion = nullptr);

// The column that tells how an athlete went against the saved evaluation, and its words.
inline const QString ColumnaEvolucion = QStringLiteral("Evolución");
namespace evolucion {
inline const QString Mejora = QStringLiteral("▲ mejora");
inline const QString Baja = QStringLiteral("▼ baja");
inline const QString Igual = QStringLiteral("igual");  // no "=" first: a spreadsheet would take it for a formula
inline const QString Nuevo = QStringLiteral("nuevo");
inline const QString YaNoEsta = QStringLiteral("ya no está");
inline const QString Repetido = QStringLiteral("nombre repetido: sin comparar");
}  // namespace evolucion

}  // namespace korva
