#include "nucleo/calificacion/grado.h"

namespace korva {

QString textoGrado(Grado grado)
{
    static const char *const textos[] = {"I", "II", "III", "IV", "SN"};
    return QString::fromLatin1(textos[int(grado)]);
}

std::optional<Grado> gradoDeTexto(const QString &texto)
{
    for (Grado g : Grados)
        if (texto == textoGrado(g))
            return g;
    return std::nullopt;
}

int ordenDeGrado(const QString &texto)
{
    const auto g = gradoDeTexto(texto);
    return g ? int(*g) : int(Grados.size());
}

}  // namespace korva
