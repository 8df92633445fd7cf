#include "nucleo/calificacion/calificar_fundamentos.h"

namespace korva {

int porcentajeConduccion(int c)
{
    if (c >= 35)
        return 25;
    if (c >= 30)
        return 50;
    if (c >= 25)
        return 75;
    return 100;
}

std::optional<QString> gradoFundamentos(int v)
{
    if (v >= 100)
        return textoGrado(Grado::I);
    if (v >= 75)
        return textoGrado(Grado::II);
    if (v >= 50)
        return textoGrado(Grado::III);
    if (v >= 25)
        return textoGrado(Grado::IV);
    if (v <= 15)
        return textoGrado(Grado::SN);
    return std::nullopt;
}

namespace {

// Ten times the mean of three counts, rounded.
std::optional<qint16> diezVecesMedia(std::initializer_list<QString> textos)
{
    const auto s = Sumar_Enteros(textos);
    if (!s)
        return std::nullopt;
    return Redondear_Entero(((double(*s) / 3.0) * 100.0) / 10.0);
}

void graduar(QString &etiqueta, const QString &desde)
{
    // Reads back a caption written in this run: it always converts.
    if (const auto v = Convertir_Entero(desde))
        if (const auto g = gradoFundamentos(*v))
            etiqueta = *g;
}

}  // namespace

TipoResultados Calificar_Fundamentos(const PruebasFundamentos &p, TipoResultados r)
{
    // 1: conduction
    const auto c = Sumar_Enteros({p.condInterna, p.condExterna});
    if (!c)
        return r;
    const int porcentajeC = porcentajeConduccion(*c);
    r.porcentaje[0] = Texto_Entero(porcentajeC);

    // 2: reception
    const auto rec = diezVecesMedia({p.rePecho, p.reMuslo, p.rePie});
    if (!rec)
        return r;
    r.porcentaje[1] = Texto_Entero(*rec);

    // 3: shooting
    const auto tiro = diezVecesMedia({p.tiroInterna, p.tiroExterna, p.tiroFrontal});
    if (!tiro)
        return r;
    r.porcentaje[2] = Texto_Entero(*tiro);

    // 4: average of the conduction percentage (not the raw time, where lower is better),
    // the reception value and the shooting value
    auto a = Sumar16(qint16(porcentajeC), *rec);
    if (!a)
        return r;
    a = Sumar16(*a, *tiro);
    if (!a)
        return r;
    const auto v = Redondear_Entero(double(*a) / 3.0);
    if (!v)
        return r;
    r.promedio = Texto_Entero(*v);

    // 5: the four grades, each from the caption just written
    graduar(r.grado[0], r.porcentaje[0]);
    graduar(r.grado[1], r.porcentaje[1]);
    graduar(r.grado[2], r.porcentaje[2]);
    graduar(r.gradoGeneral, r.promedio);
    return r;
}

}  // namespace korva
