#include "nucleo/calificacion/pruebas.h"

#include "nucleo/calificacion/calificar_nivel.h"
#include "nucleo/calificacion/conversiones.h"

#include <QLocale>

#include <cmath>

namespace korva {

namespace {

const char *const Resistencia = "Minutos, con decimales, como los leen las pantallas: 1,25";
const char *const Velocidad = "Segundos, con decimales: 8,45";
const char *const Repeticiones = "Número de repeticiones, entero: 25";
const char *const Sentadillas = "Número de repeticiones en 20 segundos, entero: 18";
const char *const Conduccion = "Segundos, enteros (las pantallas no leen décimas aquí): 14";
const char *const Buenos = "Intentos buenos de 10, entero: 7";

// Without accents, in lower case, blanks folded.
QString comparable(const QString &texto)
{
    QString sin;
    for (const QChar c : texto.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            sin += c;
    return sin.toCaseFolded().simplified();
}

QString numeroEnEspanol(double v)
{
    return QLocale(QLocale::Spanish, QLocale::Spain).toString(v, 'g', 6);
}

}  // namespace

const std::vector<DefPrueba> &pruebasDe(const DefArchivo &archivo)
{
    using F = FormaDeValor;
    static const std::vector<DefPrueba> nivel{
        {Campo::Resistencia, "Resistencia", "Resistencia", 0, F::Decimal, Resistencia, 0.3, 15},
        {Campo::Velocidad, "Velocidad", "Velocidad", 1, F::Decimal, Velocidad, 4, 30},
        {Campo::Lagartijas, "Lagartijas", "Lagartijas", 2, F::Entero, Repeticiones, 0, 150},
        {Campo::Abdominales, "Abdominales", "Abdominales", 2, F::Entero, Repeticiones, 0, 150},
        {Campo::Sentadillas, "Sentadillas", "Sentadillas", 2, F::Entero, Sentadillas, 0, 60},
    };
    static const std::vector<DefPrueba> fundamentos{
        {Campo::CondInterna, "Conduccion INTERNA", "Cond. interna", 0, F::Entero, Conduccion, 4, 120},
        {Campo::CondExterna, "Conduccion EXTERNA", "Cond. externa", 0, F::Entero, Conduccion, 4, 120},
        {Campo::RePecho, "Recepcion PECHO", "Rec. pecho", 1, F::Entero, Buenos, 0, 10},
        {Campo::ReMuslo, "Recepcion MUSLO", "Rec. muslo", 1, F::Entero, Buenos, 0, 10},
        {Campo::RePie, "Recepcion PIE", "Rec. pie", 1, F::Entero, Buenos, 0, 10},
        {Campo::TiroInterna, "Tiro INTERNA", "Tiro interna", 2, F::Entero, Buenos, 0, 10},
        {Campo::TiroExterna, "Tiro EXTERNA", "Tiro externa", 2, F::Entero, Buenos, 0, 10},
        {Campo::TiroFrontal, "Tiro FRONTAL", "Tiro frontal", 2, F::Entero, Buenos, 0, 10},
    };
    return archivo.esDeNivel() ? nivel : fundamentos;
}

const DefPrueba *pruebaPorNombre(const DefArchivo &archivo, const QString &nombre)
{
    for (const DefPrueba &p : pruebasDe(archivo))
        if (comparable(QString::fromUtf8(p.titulo)) == comparable(nombre))
            return &p;
    return nullptr;
}

const DefPrueba *pruebaDeCampo(Campo campo)
{
    for (const DefArchivo &d : {DefArchivos[0], DefArchivos[ArchivoFundamentos]})
        for (const DefPrueba &p : pruebasDe(d))
            if (p.campo == campo)
                return &p;
    return nullptr;
}

QString ayudaDeCampo(Campo campo)
{
    if (campo == Campo::Edad)
        return QStringLiteral("Años cumplidos, entero: 10");
    const DefPrueba *p = pruebaDeCampo(campo);
    return p ? QString::fromUtf8(p->ayuda) : QString();
}

LecturaDeValor leerValor(const DefPrueba &prueba, const QString &texto)
{
    LecturaDeValor l;
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return l;  // not done: stored blank, never as 0
    const auto falla = [&](const QString &por) {
        l.valida = false;
        l.razon = QStringLiteral("«%1» %2. Escriba: %3").arg(t, por, QString::fromUtf8(prueba.ayuda));
        return l;
    };
    const std::optional<double> numero = Convertir_Decimal(t);
    if (!numero) {
        if (t.contains(QLatin1Char(':')) || t.contains(QLatin1Char('\'')) || t.contains(QLatin1Char('"')))
            return falla(QStringLiteral("no se puede leer: el tiempo no se escribe con minutos y segundos separados"));
        if (t.contains(QLatin1Char('e'), Qt::CaseInsensitive) && t.front().isDigit())
            return falla(QStringLiteral("no se puede leer: sin exponentes"));
        return falla(QStringLiteral("no es un número"));
    }
    if (*numero < 0)
        return falla(QStringLiteral("es negativo"));
    if (prueba.forma == FormaDeValor::Entero && *numero != std::floor(*numero))
        return falla(QStringLiteral("tiene decimales, y esta prueba se cuenta en enteros"));
    l.numero = numero;
    return l;
}

QStringList avisosDeValor(const DefPrueba &prueba, const DefArchivo &archivo, double v)
{
    QStringList avisos;
    if (prueba.forma == FormaDeValor::Entero && prueba.minimo == 0 && v > prueba.maximo) {
        avisos << (prueba.maximo == 10 ? QStringLiteral("más de 10 buenos de 10 intentos")
                                       : QStringLiteral("más repeticiones de las que hace una persona (%1)")
                                             .arg(numeroEnEspanol(prueba.maximo)));
        return avisos;
    }
    if (v < prueba.minimo || v > prueba.maximo) {
        avisos << QStringLiteral("no parece un tiempo de esta prueba (entre %1 y %2)")
                      .arg(numeroEnEspanol(prueba.minimo), numeroEnEspanol(prueba.maximo));
        return avisos;
    }
    if (!archivo.esDeNivel())
        return avisos;
    // Far outside every band of the level's table: half the best mark, or twice the worst.
    const BandasDeNivel &b = BandasNivel[std::size_t(archivo.nivel - 1)];
    double mejor = 0, peor = 0;
    if (prueba.campo == Campo::Resistencia) {
        mejor = b.resistenciaPorcentaje[0];
        peor = b.resistenciaPorcentaje[4];
    } else if (prueba.campo == Campo::Velocidad) {
        mejor = b.velocidad[0];
        peor = b.velocidad[4];
    } else {
        if (v > 3.0 * b.fuerza[0])
            avisos << QStringLiteral("muy por encima de las marcas de este nivel (la mejor banda empieza en %1)")
                          .arg(b.fuerza[0]);
        return avisos;
    }
    if (v < mejor / 2 || v > peor * 2)
        avisos << QStringLiteral("muy lejos de las marcas de este nivel (de %1 a %2)")
                      .arg(numeroEnEspanol(mejor), numeroEnEspanol(peor));
    return avisos;
}

}  // namespace korva
