#include "nucleo/informe/resumen.h"

namespace korva {

QStringList nombresDeMedias(const DefArchivo &archivo)
{
    if (archivo.esDeNivel())
        return {QStringLiteral("Resistencia"), QStringLiteral("Velocidad"), QStringLiteral("Fuerza"),
                QStringLiteral("Promedio")};
    return {QStringLiteral("Conducción"), QStringLiteral("Recepción"), QStringLiteral("Tiro"),
            QStringLiteral("Promedio")};
}

Resumen resumir(const Equipo &equipo)
{
    Resumen r;
    r.atletas = int(equipo.atletas.size());
    std::array<double, 4> sumas{};
    std::array<int, 4> cuantos{};
    for (const Atleta &a : equipo.atletas) {
        ++r.porGrado[std::size_t(ordenDeGrado(a.resultados.gradoGeneral))];
        for (int i = 0; i < 4; ++i)
            if (const auto v = a.porcentajes[std::size_t(i)]) {
                sumas[std::size_t(i)] += *v;
                ++cuantos[std::size_t(i)];
            }
    }
    for (std::size_t i = 0; i < 4; ++i)
        if (cuantos[i] > 0)
            r.medias[i] = sumas[i] / cuantos[i];
    return r;
}

QStringList textoResumen(const Equipo &equipo, const Resumen &resumen, const QLocale &locale)
{
    QStringList lineas{QStringLiteral("Atletas: %1").arg(resumen.atletas)};
    QStringList niveles;
    for (Grado g : Grados)
        niveles << QStringLiteral("%1: %2").arg(textoGrado(g), QString::number(resumen.porGrado[std::size_t(g)]));
    if (const int sin = resumen.porGrado.back())
        niveles << QStringLiteral("sin nivel: %1").arg(sin);
    lineas << QStringLiteral("Nivel general: ") + niveles.join(QStringLiteral(", "));
    const QStringList nombres = nombresDeMedias(equipo.archivo);
    QStringList medias;
    for (std::size_t i = 0; i < resumen.medias.size(); ++i)
        medias << QStringLiteral("%1 %2").arg(
            nombres[int(i)], resumen.medias[i] ? locale.toString(*resumen.medias[i], 'f', 1) : QStringLiteral("—"));
    lineas << QStringLiteral("Media de los porcentajes: ") + medias.join(QStringLiteral(", "));
    return lineas;
}

QString textoCambiosMedios(const Comparacion &c, const Equipo &ahora, const QLocale &locale)
{
    const auto medias = cambiosMedios(c, ahora);
    const QStringList nombres = nombresDeMedias(ahora.archivo);
    QStringList partes;
    for (std::size_t k = 0; k < medias.size(); ++k)
        partes << QStringLiteral("%1 %2").arg(nombres[int(k)],
                                              medias[k] ? (*medias[k] > 0 ? QStringLiteral("+") : QString())
                                                      + locale.toString(*medias[k], 'f', 1)
                                                        : QStringLiteral("—"));
    return QStringLiteral("Cambio medio desde «%1»: %2").arg(c.evaluacion, partes.join(QStringLiteral(", ")));
}

QStringList lineasDelResumen(const Equipo &equipo, const Comparacion *comparacion, const QLocale &locale)
{
    QStringList lineas = textoResumen(equipo, resumir(equipo), locale);
    if (comparacion)
        lineas << textoCambiosMedios(*comparacion, equipo, locale);
    return lineas;
}

}  // namespace korva
