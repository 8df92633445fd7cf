#include "nucleo/informe/comparacion.h"

#include "nucleo/evaluaciones/evaluaciones.h"

#include <QDir>
#include <QHash>

namespace korva {

Comparacion comparar(const Equipo &antes, const Equipo &ahora, const QString &evaluacion)
{
    Comparacion c;
    c.evaluacion = evaluacion;
    c.antes = antes;
    QHash<QString, std::vector<int>> deAntes, deAhora;
    for (int i = 0; i < int(antes.atletas.size()); ++i)
        deAntes[claveDeNombre(antes.atletas[std::size_t(i)].datos.value(0))].push_back(i);
    for (int i = 0; i < int(ahora.atletas.size()); ++i)
        deAhora[claveDeNombre(ahora.atletas[std::size_t(i)].datos.value(0))].push_back(i);

    std::vector<bool> usados(antes.atletas.size(), false);
    c.cambios.resize(ahora.atletas.size());
    for (int i = 0; i < int(ahora.atletas.size()); ++i) {
        const Atleta &a = ahora.atletas[std::size_t(i)];
        const QString clave = claveDeNombre(a.datos.value(0));
        const std::vector<int> &entonces = deAntes.value(clave);
        Comparacion::Cambio &cambio = c.cambios[std::size_t(i)];
        if (entonces.empty())
            continue;  // new
        if (entonces.size() == 1 && deAhora.value(clave).size() == 1) {
            cambio = {Comparacion::Estado::Comparado, entonces.front()};
            usados[std::size_t(entonces.front())] = true;
            continue;
        }
        // one name for several athletes: the same record number in both, or no comparison
        cambio.estado = Comparacion::Estado::Repetido;
        for (int j : entonces)
            if (antes.atletas[std::size_t(j)].numero == a.numero) {
                cambio = {Comparacion::Estado::Comparado, j};
                usados[std::size_t(j)] = true;
            }
    }
    for (int j = 0; j < int(antes.atletas.size()); ++j) {
        const QString clave = claveDeNombre(antes.atletas[std::size_t(j)].datos.value(0));
        // an athlete of then flagged with a repeated name is not "gone"
        if (!usados[std::size_t(j)] && !deAhora.contains(clave))
            c.yaNoEstan.push_back(j);
    }
    return c;
}

Comparacion compararConGuardada(const QString &carpeta, const QString &evaluacion, const Equipo &ahora)
{
    return comparar(leerEquipo(carpetaDeEvaluacion(carpeta, evaluacion), ahora.archivo), ahora, evaluacion);
}

Resultado comparacionLeida(const Comparacion &c)
{
    if (c.antes.estado != Equipo::Estado::Ilegible)
        return Resultado::exito();
    return Resultado::falla(QStringLiteral("no se pudo leer «%1» de la evaluación guardada «%2»: %3")
                                .arg(QDir::toNativeSeparators(c.antes.ruta), c.evaluacion, c.antes.razon));
}

std::optional<double> cambioDe(const QString &antes, const QString &ahora)
{
    return cambioDe(comoNumero(antes), comoNumero(ahora));
}

std::optional<double> cambioDe(std::optional<double> antes, std::optional<double> ahora)
{
    if (!antes || !ahora)
        return std::nullopt;
    return *ahora - *antes;
}

std::array<std::optional<double>, 4> cambiosMedios(const Comparacion &c, const Equipo &ahora)
{
    std::array<double, 4> sumas{};
    std::array<int, 4> cuantos{};
    for (std::size_t i = 0; i < c.cambios.size() && i < ahora.atletas.size(); ++i) {
        if (c.cambios[i].estado != Comparacion::Estado::Comparado)
            continue;
        const Atleta &entonces = c.antes.atletas[std::size_t(c.cambios[i].antes)];
        for (int k = 0; k < 4; ++k)
            if (const auto d =
                    cambioDe(entonces.porcentajes[std::size_t(k)], ahora.atletas[i].porcentajes[std::size_t(k)])) {
                sumas[std::size_t(k)] += *d;
                ++cuantos[std::size_t(k)];
            }
    }
    std::array<std::optional<double>, 4> medias{};
    for (std::size_t k = 0; k < 4; ++k)
        if (cuantos[k] > 0)
            medias[k] = sumas[k] / cuantos[k];
    return medias;
}

}  // namespace korva
