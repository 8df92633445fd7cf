#pragma once

#include "nucleo/comun/campo.h"

#include <array>
#include <optional>
#include <utility>

#include <QString>

namespace korva {

// The names of the evaluation screens' controls that the program reaches by name: the
// record boxes, the result labels, the record number and the buttons. The core speaks of
// fields and results; only the screens give them these names.
namespace control {
inline constexpr char txtNombre[] = "txtNombre";
inline constexpr char txtedad[] = "txtedad";
// level screens
inline constexpr char txtresistencia[] = "txtresistencia";
inline constexpr char txtvelocidad[] = "txtvelocidad";
inline constexpr char txtlagartijas[] = "txtlagartijas";
inline constexpr char txtabdominales[] = "txtabdominales";
inline constexpr char txtsentadillas[] = "txtsentadillas";
// fundamentals screen
inline constexpr char txtcondinterna[] = "txtcondinterna";
inline constexpr char txtcondexterna[] = "txtcondexterna";
inline constexpr char txtrepecho[] = "txtrepecho";
inline constexpr char txtremuslo[] = "txtremuslo";
inline constexpr char txtrepie[] = "txtrepie";
inline constexpr char txttirointerna[] = "txttirointerna";
inline constexpr char txttiroexterna[] = "txttiroexterna";
inline constexpr char txttirofrontal[] = "txttirofrontal";
// result labels: three percentages and the average, three grades and the overall grade
inline constexpr char Label11[] = "Label11";
inline constexpr char Label12[] = "Label12";
inline constexpr char Label13[] = "Label13";
inline constexpr char Label19[] = "Label19";
inline constexpr char Label23[] = "Label23";
inline constexpr char Label24[] = "Label24";
inline constexpr char Label25[] = "Label25";
inline constexpr char Label26[] = "Label26";
// the record number and its heading
inline constexpr char Label9[] = "Label9";
inline constexpr char Label10[] = "Label10";
// the button bar
inline constexpr char Frame1[] = "Frame1";
inline constexpr char cmdGuardarReg[] = "cmdGuardarReg";
inline constexpr char cmdRegSiguiente[] = "cmdRegSiguiente";
inline constexpr char cmdRegAnterior[] = "cmdRegAnterior";
inline constexpr char cmdRegresar[] = "cmdRegresar";
inline constexpr char Command1[] = "Command1";  // "Borrar"
inline constexpr char Command3[] = "Command3";  // "Procesar Datos"
inline constexpr char Command2[] = "Command2";  // "IMPRIMIR"
inline constexpr char cmdSalir[] = "cmdSalir";
}  // namespace control

// The eight result labels in the order of TipoResultados.
inline constexpr std::array<const char *, 8> EtiquetasResultado{
    control::Label11, control::Label12, control::Label13, control::Label19,
    control::Label23, control::Label24, control::Label25, control::Label26,
};

// The text box of each record field.
inline constexpr std::array<std::pair<Campo, const char *>, 15> CajasDeCampos{{
    {Campo::Nombre, control::txtNombre},
    {Campo::Edad, control::txtedad},
    {Campo::Resistencia, control::txtresistencia},
    {Campo::Velocidad, control::txtvelocidad},
    {Campo::Lagartijas, control::txtlagartijas},
    {Campo::Abdominales, control::txtabdominales},
    {Campo::Sentadillas, control::txtsentadillas},
    {Campo::CondInterna, control::txtcondinterna},
    {Campo::CondExterna, control::txtcondexterna},
    {Campo::RePecho, control::txtrepecho},
    {Campo::ReMuslo, control::txtremuslo},
    {Campo::RePie, control::txtrepie},
    {Campo::TiroInterna, control::txttirointerna},
    {Campo::TiroExterna, control::txttiroexterna},
    {Campo::TiroFrontal, control::txttirofrontal},
}};

inline const char *cajaDeCampo(Campo campo)
{
    for (const auto &[c, caja] : CajasDeCampos)
        if (c == campo)
            return caja;
    return nullptr;
}

inline std::optional<Campo> campoDeCaja(const char *caja)
{
    for (const auto &[c, nombre] : CajasDeCampos)
        if (QLatin1String(nombre) == QLatin1String(caja))
            return c;
    return std::nullopt;
}

}  // namespace korva
