#include "nucleo/informe/tabla_equipo.h"

#include "nucleo/calificacion/grado.h"
#include "nucleo/informe/resumen.h"

namespace korva {

namespace {

QString conSigno(double d)
{
    const QString n = QString::number(d, 'g', 15);
    return d > 0 ? QLatin1Char('+') + n : n;
}

QString comoEvoluciono(const QString &antes, const QString &ahora)
{
    const int a = ordenDeGrado(antes), b = ordenDeGrado(ahora);
    if (a >= int(Grados.size()) || b >= int(Grados.size()))
        return QString();
    return b < a ? evolucion::Mejora : b > a ? evolucion::Baja : evolucion::Igual;
}

}  // namespace

TablaEquipo tablaDeEquipo(const Equipo &equipo, const Comparacion *c)
{
    TablaEquipo t;
    t.columnas = columnasDatos(equipo.archivo) + columnasResultados(equipo.archivo);
    for (int i = 0; i < t.columnas.size(); ++i)
        t.tipos.push_back(esColumnaDeGrado(equipo.archivo, i) ? TipoColumna::Grado
                          : esColumnaNumerica(equipo.archivo, i) ? TipoColumna::Numero
                                                                 : TipoColumna::Texto);
    t.columnasPropias = int(t.columnas.size());
    for (const Atleta &a : equipo.atletas)
        t.filas.push_back(celdas(a));
    if (!c)
        return t;

    const QStringList resultados = columnasResultados(equipo.archivo);
    for (int k = 0; k < 4; ++k) {
        t.columnas << resultados[k] + QStringLiteral(" antes") << QStringLiteral("Cambio ") + resultados[k];
        t.tipos.push_back(TipoColumna::Numero);
        t.tipos.push_back(TipoColumna::Numero);
    }
    t.columnas << QStringLiteral("Nivel general antes") << ColumnaEvolucion;
    t.tipos.push_back(TipoColumna::Grado);
    t.tipos.push_back(TipoColumna::Texto);

    const auto columnasDeCambio = [](const Atleta *antes, const Atleta *ahora, const QString &estado) {
        QStringList f;
        for (int k = 0; k < 4; ++k) {
            f << (antes ? antes->resultados[k] : QString());
            const auto d = antes && ahora ? cambioDe(antes->resultados[k], ahora->resultados[k]) : std::nullopt;
            f << (d ? conSigno(*d) : QString());
        }
        f << (antes ? antes->resultados.Label26 : QString());
        f << (!estado.isEmpty() ? estado
                                : antes && ahora ? comoEvoluciono(antes->resultados.Label26, ahora->resultados.Label26)
                                                 : QString());
        return f;
    };
    for (std::size_t i = 0; i < equipo.atletas.size(); ++i) {
        const Comparacion::Cambio cambio = i < c->cambios.size() ? c->cambios[i] : Comparacion::Cambio{};
        const Atleta *antes = cambio.estado == Comparacion::Estado::Comparado
            ? &c->antes.atletas[std::size_t(cambio.antes)]
            : nullptr;
        const QString estado = cambio.estado == Comparacion::Estado::Nuevo      ? evolucion::Nuevo
                               : cambio.estado == Comparacion::Estado::Repetido ? evolucion::Repetido
                                                                                : QString();
        t.filas[i] << columnasDeCambio(antes, &equipo.atletas[i], estado);
    }
    for (int j : c->yaNoEstan) {
        const Atleta &antes = c->antes.atletas[std::size_t(j)];
        QStringList f(t.columnasPropias);
        f[1] = antes.datos.value(0);
        f << columnasDeCambio(&antes, nullptr, evolucion::YaNoEsta);
        t.filas.push_back(f);
    }
    return t;
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

}  // namespace korva
