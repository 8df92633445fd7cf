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
    r.Label11 = Texto_Entero(porcentajeC);

    // 2: reception
    const auto rec = diezVecesMedia({p.rePecho, p.reMuslo, p.rePie});
    if (!rec)
        return r;
    r.Label12 = Texto_Entero(*rec);

    // 3: shooting
    const auto tiro = diezVecesMedia({p.tiroInterna, p.tiroExterna, p.tiroFrontal});
    if (!tiro)
        return r;
    r.Label13 = Texto_Entero(*tiro);

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
    r.Label19 = Texto_Entero(*v);

    // 5: the four grades, each from the caption just written
    graduar(r.Label23, r.Label11);
    graduar(r.Label24, r.Label12);
    graduar(r.Label25, r.Label13);
    graduar(r.Label26, r.Label19);
    return r;
}

}  // namespace korva
