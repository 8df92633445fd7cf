#include "nucleo/calificacion/calificar_nivel.h"

#include <optional>

namespace korva {

const std::array<BandasDeNivel, 4> BandasNivel{{
    //  endurance %                        endurance grade                    speed                           strength
    {{1.2, 1.4, 2.0, 2.1, 2.11}, {1.2, 1.4, 2.0, 2.1, 2.11}, {7.0, 8.0, 9.0, 10.0, 10.1}, {25, 20, 15, 10, 9}},
    {{1.1, 1.2, 1.3, 1.4, 1.41}, {1.1, 1.2, 1.3, 1.4, 1.41}, {6.0, 7.0, 8.0, 9.0, 9.1}, {30, 25, 20, 15, 14}},
    {{2.2, 2.35, 2.5, 3.0, 3.01}, {2.0, 2.35, 2.5, 3.0, 3.01}, {5.2, 5.6, 6.2, 6.8, 6.81}, {32, 27, 22, 17, 16}},
    {{1.3, 1.4, 1.5, 2.0, 2.01}, {1.3, 1.4, 1.5, 2.0, 2.01}, {5.0, 6.0, 6.5, 7.0, 7.1}, {40, 35, 30, 25, 24}},
}};

QString porcentajeDeBanda(int banda)
{
    static const char *const porcentajes[] = {"100", "75", "50", "25", "15"};
    return QString::fromLatin1(porcentajes[banda]);
}

QString gradoDeBanda(int banda)
{
    return textoGrado(Grados[std::size_t(banda)]);
}

namespace {

// Lower is better: bands 1 to 4 by upper bound, band 5 from its lower bound up.
std::optional<int> bandaMenorMejor(double x, const std::array<double, 5> &cotas)
{
    for (int k = 0; k < 4; ++k)
        if (x <= cotas[k])
            return k;
    if (x >= cotas[4])
        return 4;
    return std::nullopt;
}

// Higher is better: bands 1 to 4 by lower bound, band 5 up to its upper bound.
std::optional<int> bandaMayorMejor(int n, const std::array<int, 5> &cotas)
{
    for (int k = 0; k < 4; ++k)
        if (n >= cotas[k])
            return k;
    if (n <= cotas[4])
        return 4;
    return std::nullopt;
}

Grado gradoGeneral(int m)
{
    if (m <= 15)
        return Grado::SN;
    if (m <= 25)
        return Grado::IV;
    if (m <= 50)
        return Grado::III;
    if (m <= 75)
        return Grado::II;
    return Grado::I;
}

}  // namespace

TipoResultados Calificar_Nivel(int nivel, const PruebasNivel &pruebas, TipoResultados r)
{
    Q_ASSERT(nivel >= 1 && nivel <= 4);
    const BandasDeNivel &b = BandasNivel[std::size_t(nivel - 1)];

    // 1 and 2: endurance
    const auto x = Convertir_Decimal(pruebas.resistencia);
    if (!x)
        return r;
    if (const auto k = bandaMenorMejor(*x, b.resistenciaPorcentaje))
        r.porcentaje[0] = porcentajeDeBanda(*k);
    if (const auto k = bandaMenorMejor(*x, b.resistenciaGrado))
        r.grado[0] = gradoDeBanda(*k);

    // 3 and 4: speed
    const auto y = Convertir_Decimal(pruebas.velocidad);
    if (!y)
        return r;
    const auto kv = bandaMenorMejor(*y, b.velocidad);
    if (kv) {
        r.porcentaje[1] = porcentajeDeBanda(*kv);
        r.grado[1] = gradoDeBanda(*kv);
    }

    // 5: strength percentage from the rounded mean of the three counts
    const auto suma = Sumar_Enteros({pruebas.lagartijas, pruebas.abdominales, pruebas.sentadillas});
    if (!suma)
        return r;
    const auto n = Redondear_Entero(double(*suma) / 3.0);
    if (!n)
        return r;
    const int kf = *bandaMayorMejor(*n, b.fuerza);  // every integer has a band
    r.porcentaje[2] = porcentajeDeBanda(kf);

    // 6: average of the three percentage captions as they stand now
    const auto sumaP = Sumar_Enteros({r.porcentaje[0], r.porcentaje[1], r.porcentaje[2]});
    if (!sumaP)
        return r;
    const auto m = Redondear_Entero(double(*sumaP) / 3.0);
    if (!m)
        return r;
    r.promedio = Texto_Entero(*m);

    // 7 and 8: strength grade and overall grade
    r.grado[2] = gradoDeBanda(kf);
    r.gradoGeneral = textoGrado(gradoGeneral(*m));
    return r;
}

}  // namespace korva
