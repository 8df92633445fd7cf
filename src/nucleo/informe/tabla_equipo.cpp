#include "nucleo/informe/tabla_equipo.h"

#include "nucleo/calificacion/grado.h"
#include "nucleo/calificacion/pruebas.h"
#include "nucleo/registros/mapa_campos.h"

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

QStringList columnasDatos(const DefArchivo &archivo)
{
    QStringList c{QStringLiteral("Nº"), QStringLiteral("Nombre"), QStringLiteral("Edad")};
    for (const DefPrueba &p : pruebasDe(archivo))
        c << QString::fromUtf8(p.corto);
    return c;
}

QStringList columnasResultados(const DefArchivo &archivo)
{
    const QStringList c = archivo.esDeNivel()
        ? QStringList{QStringLiteral("resist."), QStringLiteral("veloc."), QStringLiteral("fuerza")}
        : QStringList{QStringLiteral("cond."), QStringLiteral("recep."), QStringLiteral("tiro")};
    return {QStringLiteral("% ") + c[0],     QStringLiteral("% ") + c[1],     QStringLiteral("% ") + c[2],
            QStringLiteral("% prom."),       QStringLiteral("Nivel ") + c[0], QStringLiteral("Nivel ") + c[1],
            QStringLiteral("Nivel ") + c[2], QStringLiteral("Nivel general")};
}

QStringList celdas(const Atleta &atleta)
{
    QStringList c{QString::number(atleta.numero)};
    c << atleta.datos;
    for (int i = 0; i < TipoResultados::Cantidad; ++i)
        c << atleta.resultados[i];
    return c;
}

bool esColumnaDeGrado(const DefArchivo &archivo, int columna)
{
    // the number, name and age, the raw values (5 or 8), then four percentages
    const int datos = 3 + int(camposDe(archivo).size()) - 2;
    return columna >= datos + 4;
}

bool esColumnaNumerica(const DefArchivo &archivo, int columna)
{
    return columna != 1 && !esColumnaDeGrado(archivo, columna);
}

TablaEquipo tablaDeEquipo(const Equipo &equipo, const Comparacion *c)
{
    TablaEquipo t;
    t.columnas = columnasDatos(equipo.archivo) + columnasResultados(equipo.archivo);
    for (int i = 0; i < t.columnas.size(); ++i)
        t.tipos.push_back(esColumnaDeGrado(equipo.archivo, i)        ? TipoColumna::Grado
                              : esColumnaNumerica(equipo.archivo, i) ? TipoColumna::Numero
                                                                     : TipoColumna::Texto);
    t.columnasPropias = int(t.columnas.size());
    for (const Atleta &a : equipo.atletas) {
        t.filas.push_back(celdas(a));
        std::vector<std::optional<double>> n{double(a.numero)};
        n.insert(n.end(), a.valores.begin(), a.valores.end());
        n.resize(std::size_t(t.columnasPropias) - TipoResultados::Cantidad);
        n.insert(n.end(), a.porcentajes.begin(), a.porcentajes.end());
        n.resize(std::size_t(t.columnasPropias));
        t.numeros.push_back(std::move(n));
    }
    if (!c)
        return t;

    const QStringList resultados = columnasResultados(equipo.archivo);
    for (int k = 0; k < 4; ++k) {
        t.columnas << resultados[k] + QStringLiteral(" antes") << QStringLiteral("Cambio ") + resultados[k];
        t.tipos.push_back(TipoColumna::Numero);
        t.tipos.push_back(TipoColumna::Cambio);
    }
    t.columnas << QStringLiteral("Nivel general antes") << ColumnaEvolucion;
    t.tipos.push_back(TipoColumna::Grado);
    t.tipos.push_back(TipoColumna::Texto);

    // The comparison's cells of a row, as texts and as numbers.
    const auto columnasDeCambio = [](const Atleta *antes, const Atleta *ahora, const QString &estado, QStringList &f,
                                     std::vector<std::optional<double>> &n) {
        for (std::size_t k = 0; k < 4; ++k) {
            f << (antes ? antes->resultados[int(k)] : QString());
            n.push_back(antes ? antes->porcentajes[k] : std::nullopt);
            const auto d = antes && ahora ? cambioDe(antes->porcentajes[k], ahora->porcentajes[k]) : std::nullopt;
            f << (d ? conSigno(*d) : QString());
            n.push_back(d);
        }
        f << (antes ? antes->resultados.gradoGeneral : QString());
        f << (!estado.isEmpty()    ? estado
                  : antes && ahora ? comoEvoluciono(antes->resultados.gradoGeneral, ahora->resultados.gradoGeneral)
                                   : QString());
        n.resize(n.size() + 2);
    };
    for (std::size_t i = 0; i < equipo.atletas.size(); ++i) {
        const Comparacion::Cambio cambio = i < c->cambios.size() ? c->cambios[i] : Comparacion::Cambio{};
        const Atleta *antes =
            cambio.estado == Comparacion::Estado::Comparado ? &c->antes.atletas[std::size_t(cambio.antes)] : nullptr;
        const QString estado = cambio.estado == Comparacion::Estado::Nuevo ? evolucion::Nuevo
            : cambio.estado == Comparacion::Estado::Repetido               ? evolucion::Repetido
                                                                           : QString();
        columnasDeCambio(antes, &equipo.atletas[i], estado, t.filas[i], t.numeros[i]);
    }
    for (int j : c->yaNoEstan) {
        const Atleta &antes = c->antes.atletas[std::size_t(j)];
        QStringList f(t.columnasPropias);
        f[1] = antes.datos.value(0);
        std::vector<std::optional<double>> n(std::size_t(t.columnasPropias));
        columnasDeCambio(&antes, nullptr, evolucion::YaNoEsta, f, n);
        t.filas.push_back(f);
        t.numeros.push_back(std::move(n));
    }
    return t;
}

}  // namespace korva
