#pragma once

#include "nucleo/registros/def_archivo.h"
#include "nucleo/registros/tipo_reg.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace korva {

// How the scoring reads a test's value: a number with decimals, or a whole number (a count,
// or a time the scoring rounds to whole seconds).
enum class FormaDeValor { Decimal, Entero };

// One raw test of an evaluation screen: its field, its text box, the caption of the box on
// the screen, the capacity it scores (0, 1 or 2: the percentage Label11 to Label13 and the
// grade Label23 to Label25), the form its value takes and, in words, its unit and an example
// from the methodology, and the range a person's value can have (a count above the top is
// more than a person does; a time outside both is no time of that test).
struct DefPrueba {
    Campo campo;
    const char *control;
    const char *titulo;
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
// The unit and the form a box's value takes, for its tooltip and its accessible
// description: "Segundos, con decimales: 8,45". Empty for a box that has none.
QString ayudaDeControl(const QString &control);

// A value as the coach typed it: blank (the test not done), a number the scoring reads, or
// refused, with why and the form the test takes.
struct LecturaDeValor {
    bool valida = true;
    std::optional<double> numero;  // none: blank
    QString razon;
};
LecturaDeValor leerValor(const DefPrueba &prueba, const QString &texto);

// Why a value that reads looks wrong (it can still be stored): a count above what a person
// does, or a value far outside every band of that level's table.
QStringList avisosDeValor(const DefPrueba &prueba, const DefArchivo &archivo, double valor);

}  // namespace korva
