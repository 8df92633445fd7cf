#pragma once

#include "nucleo/comun/campo.h"
#include "nucleo/comun/def_archivo.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace korva {

// How the scoring reads a test's value: a number with decimals, or a whole number (a count,
// or a time the scoring rounds to whole seconds).
enum class FormaDeValor { Decimal, Entero };

// One raw test of an evaluation screen: its field, its caption on the screen and its short
// caption in the team's table, the capacity it scores (0, 1 or 2: the index of its
// percentage and grade among the results), the form its value takes and, in words, its unit
// and an example from the methodology, and the range a person's value can have (a count
// above the top is more than a person does; a time outside both is no time of that test).
// The one catalogue of the tests: the screens' tooltips, the table's headings and column
// kinds, the station and the lists all take them from here.
struct DefPrueba {
    Campo campo;
    const char *titulo;
    const char *corto;
    int capacidad;
    FormaDeValor forma;
    const char *ayuda;
    double minimo;
    double maximo;
};

// The five tests of the level screens, or the eight of the fundamentals, in screen order.
const std::vector<DefPrueba> &pruebasDe(const DefArchivo &archivo);
// A test of that file by its box's caption ("Velocidad", "Recepcion PIE"), without regard to
// case, accents or blanks; none for an unknown one.
const DefPrueba *pruebaPorNombre(const DefArchivo &archivo, const QString &nombre);
// The test of a field, in either catalogue; none for the name and the age.
const DefPrueba *pruebaDeCampo(Campo campo);
// The unit and the form a field's value takes, for its box's tooltip and accessible
// description: "Segundos, con decimales: 8,45". Empty for the name.
QString ayudaDeCampo(Campo campo);

// A value as the coach typed it: blank (the test not done), a number the scoring reads, or
// refused, with why and the form the test takes.
struct LecturaDeValor {
    bool valida = true;
    std::optional<double> numero;  // none: blank
    QString razon;
    QString texto;  // the text as it will be stored (see valorParaGuardar)
};
LecturaDeValor leerValor(const DefPrueba &prueba, const QString &texto);

// Why a value that reads looks wrong (it can still be stored): a count above what a person
// does, or a value far outside every band of that level's table.
QStringList avisosDeValor(const DefPrueba &prueba, const DefArchivo &archivo, double valor);

}  // namespace korva
