#include "equipo.h"

#include "fundamentals/calificar_fundamentos.h"
#include "physical/calificar_nivel.h"
#include "records/archivo.h"
#include "records/mapas.h"

#include <QDir>

namespace korva {

namespace {

bool esNivel(const ArchivoDeRegistros &a)
{
    return a.nivel >= 1;
}

QString sinRelleno(QString texto)
{
    while (texto.endsWith(QLatin1Char(' ')))
        texto.chop(1);
    return texto;
}

}  // namespace

QStringList columnasDatos(const ArchivoDeRegistros &archivo)
{
    QStringList c{QStringLiteral("Nº"), QStringLiteral("Nombre"), QStringLiteral("Edad")};
    if (esNivel(archivo))
        c << QStringLiteral("Resistencia") << QStringLiteral("Velocidad") << QStringLiteral("Lagartijas")
          << QStringLiteral("Abdominales") << QStringLiteral("Sentadillas");
    else
        c << QStringLiteral("Cond. interna") << QStringLiteral("Cond. externa") << QStringLiteral("Rec. pecho")
          << QStringLiteral("Rec. muslo") << QStringLiteral("Rec. pie") << QStringLiteral("Tiro interna")
          << QStringLiteral("Tiro externa") << QStringLiteral("Tiro frontal");
    return c;
}

QStringList nombresDeMedias(const ArchivoDeRegistros &archivo)
{
    if (esNivel(archivo))
        return {QStringLiteral("Resistencia"), QStringLiteral("Velocidad"), QStringLiteral("Fuerza"),
                QStringLiteral("Promedio")};
    return {QStringLiteral("Conducción"), QStringLiteral("Recepción"), QStringLiteral("Tiro"),
            QStringLiteral("Promedio")};
}

QStringList columnasResultados(const ArchivoDeRegistros &archivo)
{
    const QStringList c = esNivel(archivo)
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

bool esColumnaDeNivel(const ArchivoDeRegistros &archivo, int columna)
{
    // the number, name and age, the raw values (5 or 8), then four percentages
    const int datos = 3 + int((esNivel(archivo) ? mapaNivel() : mapaFundamentos()).size()) - 2;
    return columna >= datos + 4;
}

bool esColumnaNumerica(const ArchivoDeRegistros &archivo, int columna)
{
    return columna != 1 && !esColumnaDeNivel(archivo, columna);
}

Equipo leerEquipo(const QString &carpeta, const ArchivoDeRegistros &archivo, const QLocale &locale)
{
    Equipo e;
    e.archivo = archivo;
    e.ruta = QDir(carpeta).filePath(QString::fromLatin1(archivo.archivo));
    ArchivoRegistros f(e.ruta);
    if (!f.existe())
        return e;
    TablaRegistros tabla;
    Resultado r = f.abrirSoloLectura();
    if (r)
        r = f.leerTodos(tabla);
    if (!r) {
        e.estado = Equipo::Estado::Ilegible;
        e.razon = r.razon();
        return e;
    }
    e.estado = Equipo::Estado::Leido;
    const MapaCampos &mapa = esNivel(archivo) ? mapaNivel() : mapaFundamentos();
    for (int n = 1; n <= RegistrosPorArchivo; ++n) {
        const TipoReg &reg = tabla[std::size_t(n)];
        if (reg.campo(Campo::Nombre).trimmed().isEmpty())
            continue;
        Atleta a;
        a.numero = n;
        QStringList tal;  // the texts as the screen's boxes show them
        for (const ParCampo &par : mapa) {
            tal << reg.campo(par.campo);
            a.datos << sinRelleno(tal.last());
        }
        if (esNivel(archivo))
            a.resultados = Calificar_Nivel(archivo.nivel, {tal[2], tal[3], tal[4], tal[5], tal[6]}, {}, locale);
        else
            a.resultados = Calificar_Fundamentos({tal[2], tal[3], tal[4], tal[5], tal[6], tal[7], tal[8], tal[9]}, {},
                                                 locale);
        e.atletas.push_back(std::move(a));
    }
    return e;
}

int ordenDeNivel(const QString &nivel)
{
    for (std::size_t i = 0; i < Niveles.size(); ++i)
        if (nivel == QLatin1String(Niveles[i]))
            return int(i);
    return int(Niveles.size());
}

std::optional<double> comoNumero(const QString &texto)
{
    return Convertir_Decimal(texto);
}

Resumen resumir(const Equipo &equipo)
{
    Resumen r;
    r.atletas = int(equipo.atletas.size());
    std::array<double, 4> sumas{};
    std::array<int, 4> cuantos{};
    for (const Atleta &a : equipo.atletas) {
        ++r.porNivel[std::size_t(ordenDeNivel(a.resultados.Label26))];
        for (int i = 0; i < 4; ++i)
            if (const auto v = comoNumero(a.resultados[i])) {
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
    for (std::size_t i = 0; i < Niveles.size(); ++i)
        niveles << QStringLiteral("%1: %2").arg(QLatin1String(Niveles[i])).arg(resumen.porNivel[i]);
    if (const int sin = resumen.porNivel.back())
        niveles << QStringLiteral("sin nivel: %1").arg(sin);
    lineas << QStringLiteral("Nivel general: ") + niveles.join(QStringLiteral(", "));
    const QStringList nombres = nombresDeMedias(equipo.archivo);
    QStringList medias;
    for (std::size_t i = 0; i < resumen.medias.size(); ++i)
        medias << QStringLiteral("%1 %2").arg(nombres[int(i)],
                                              resumen.medias[i] ? locale.toString(*resumen.medias[i], 'f', 1)
                                                                : QStringLiteral("—"));
    lineas << QStringLiteral("Media de los porcentajes: ") + medias.join(QStringLiteral(", "));
    return lineas;
}

}  // namespace korva
