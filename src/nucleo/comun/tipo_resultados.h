#pragma once

#include <QString>

#include <array>

namespace korva {

// The captions of the eight result labels, the same names on every evaluation screen:
// three percentages and the average, then three grades and the overall grade
// (the order of EtiquetasResultado).
struct TipoResultados {
    QString Label11, Label12, Label13, Label19;
    QString Label23, Label24, Label25, Label26;

    static constexpr int Cantidad = 8;
    QString &operator[](int i) { return this->*miembros()[std::size_t(i)]; }
    const QString &operator[](int i) const { return this->*miembros()[std::size_t(i)]; }

    bool operator==(const TipoResultados &o) const
    {
        for (int i = 0; i < Cantidad; ++i)
            if ((*this)[i] != o[i])
                return false;
        return true;
    }
    bool operator!=(const TipoResultados &o) const { return !(*this == o); }

private:
    static const std::array<QString TipoResultados::*, Cantidad> &miembros()
    {
        static const std::array<QString TipoResultados::*, Cantidad> m{
            &TipoResultados::Label11, &TipoResultados::Label12, &TipoResultados::Label13, &TipoResultados::Label19,
            &TipoResultados::Label23, &TipoResultados::Label24, &TipoResultados::Label25, &TipoResultados::Label26};
        return m;
    }
};

}  // namespace korva
