#include "equipo/familias/informe_familia.h"

#include "equipo/documentos/hojas_del_equipo.h"
#include "equipo/documentos/papel.h"
#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/informe/resumen.h"
#include "pantallas/hoja/hoja_de_registro.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

namespace korva {

namespace {

const QLocale Espanol(QLocale::Spanish, QLocale::Spain);

// A capacity as a family reads it: its name, its advice's key, and its raw results in words.
struct Capacidad {
    QString nombre;
    QString clave;
    QString resultados;
};

QString numero(const Atleta &a, int i)
{
    const std::size_t k = std::size_t(i);
    if (k < a.valores.size() && a.valores[k])
        return Espanol.toString(*a.valores[k], 'g', 6);
    const QString t = a.datos.value(i).trimmed();
    return t.isEmpty() ? QStringLiteral("sin hacer") : t;
}

std::array<Capacidad, 3> capacidades(const DefArchivo &archivo, const Atleta &a)
{
    if (archivo.esDeNivel())
        return {{{QStringLiteral("Resistencia"), QStringLiteral("resistencia"),
                  QStringLiteral("400 metros en %1 minutos").arg(numero(a, 2))},
                 {QStringLiteral("Velocidad"), QStringLiteral("velocidad"),
                  QStringLiteral("60 metros en %1 segundos").arg(numero(a, 3))},
                 {QStringLiteral("Fuerza"), QStringLiteral("fuerza"),
                  QStringLiteral("Lagartijas: %1 repeticiones · abdominales: %2 · sentadillas en 20 segundos: %3")
                      .arg(numero(a, 4), numero(a, 5), numero(a, 6))}}};
    return {{{QStringLiteral("Conducción"), QStringLiteral("conduccion"),
              QStringLiteral("Zigzag entre conos: con la parte interna %1 segundos, con la externa %2 segundos")
                  .arg(numero(a, 2), numero(a, 3))},
             {QStringLiteral("Recepción"), QStringLiteral("recepcion"),
              QStringLiteral("Buenas de 10 intentos: pecho %1, muslo %2, pie %3")
                  .arg(numero(a, 4), numero(a, 5), numero(a, 6))},
             {QStringLiteral("Tiro"), QStringLiteral("tiro"),
              QStringLiteral("Buenos de 10 intentos: interior %1, exterior %2, empeine %3")
                  .arg(numero(a, 7), numero(a, 8), numero(a, 9))}}};
}

std::optional<Grado> gradoDe(const QString &texto)
{
    const int orden = ordenDeGrado(texto);
    return orden < int(Grados.size()) ? std::optional<Grado>(Grados[std::size_t(orden)]) : std::nullopt;
}

QColor colorDeGrado(Grado g)
{
    switch (g) {
    case Grado::I:
        return QColor(46, 150, 70);
    case Grado::II:
        return QColor(130, 190, 60);
    case Grado::III:
        return QColor(235, 190, 30);
    case Grado::IV:
        return QColor(235, 130, 40);
    case Grado::SN:
        return QColor(210, 60, 50);
    }
    return Qt::gray;
}

QFont letra(double px, bool negrita = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(int(px));
    f.setBold(negrita);
    return f;
}

// Draws text wrapped in the width from y on; returns the height it took.
double parrafo(QPainter &p, double x, double y, double ancho, const QString &texto, const QFont &f,
               const QColor &color = Qt::black)
{
    p.setFont(f);
    p.setPen(color);
    const QRectF caja = p.boundingRect(QRectF(x, y, ancho, 1000), Qt::TextWordWrap | Qt::AlignLeft, texto);
    p.drawText(QRectF(x, y, ancho, caja.height()), Qt::TextWordWrap | Qt::AlignLeft, texto);
    return caja.height();
}

// The five-step scale, the athlete's grade strong, the others pale.
void escala(QPainter &p, const QRectF &zona, std::optional<Grado> grado)
{
    const double paso = zona.width() / Grados.size();
    for (std::size_t i = 0; i < Grados.size(); ++i) {
        const QRectF r(zona.left() + i * paso + 2, zona.top(), paso - 4, zona.height());
        QColor c = colorDeGrado(Grados[i]);
        const bool suyo = grado && *grado == Grados[i];
        if (!suyo)
            c.setAlpha(55);
        p.setPen(suyo ? QPen(Qt::black, 2) : QPen(c, 1));
        p.setBrush(c);
        p.drawRoundedRect(r, 4, 4);
        p.setFont(letra(suyo ? 15 : 12, suyo));
        p.setPen(suyo ? Qt::white : QColor(90, 90, 90));
        p.drawText(r, Qt::AlignCenter, textoGrado(Grados[i]));
    }
    p.setBrush(Qt::NoBrush);
}

QString cambioEnPalabras(const TextosFamilias &t, std::optional<double> antes, std::optional<double> ahora,
                         const QString &gradoAntes)
{
    if (!antes)
        return QString();
    QString texto = QStringLiteral("Antes: %1 %").arg(Espanol.toString(*antes, 'g', 4));
    if (!gradoAntes.isEmpty())
        texto += QStringLiteral(" (%1)").arg(gradoAntes);
    if (!ahora)
        return texto;
    const double d = *ahora - *antes;
    const QString puntos = Espanol.toString(std::abs(d), 'g', 4);
    if (d > 0)
        return texto + QStringLiteral("  ▲ %1 %2 puntos").arg(t.texto(QStringLiteral("cambio.mejora")), puntos);
    if (d < 0)
        return texto + QStringLiteral("  ▼ %1 %2 puntos").arg(t.texto(QStringLiteral("cambio.baja")), puntos);
    return texto + QStringLiteral("  ► %1").arg(t.texto(QStringLiteral("cambio.igual")));
}

}  // namespace

QString nombreDeInformeDeFamilia(const Equipo &equipo, const Atleta &atleta)
{
    return QStringLiteral("Familia - ") + nombreDeHoja(equipo, atleta);
}

void pintarInformeDeFamilia(QPainter &p, const QSizeF &pagina, const DatosFamilia &d)
{
    const Equipo &e = *d.equipo;
    const Atleta &a = e.atletas[d.atleta];
    const TextosFamilias &t = *d.textos;
    const double margen = 48, ancho = pagina.width() - 2 * margen;
    double y = margen;
    p.setRenderHint(QPainter::Antialiasing);

    // Who, where, when.
    p.fillRect(QRectF(0, 0, pagina.width(), 150), QColor(230, 240, 250));
    y += parrafo(p, margen, y, ancho, QStringLiteral("KORVA 4 · Informe para la familia"), letra(13),
                 QColor(60, 90, 130));
    y += parrafo(p, margen, y + 2, ancho, a.datos.value(0), letra(30, true)) + 4;
    const QString edad = a.datos.value(1).trimmed();
    QStringList linea{edad.isEmpty() ? QString() : QStringLiteral("%1 años").arg(edad), d.nombreEquipo,
                      QString::fromUtf8(e.archivo.titulo)};
    linea.removeAll(QString());
    y += parrafo(p, margen, y, ancho, linea.join(QStringLiteral("  ·  ")), letra(15));
    QString fecha = fechaEnEspanol(d.fecha);
    if (!d.datos.entrenador.isEmpty())
        fecha += QStringLiteral("  ·  Entrenador: %1").arg(d.datos.entrenador);
    parrafo(p, margen, y + 2, ancho, fecha, letra(13), QColor(60, 60, 60));
    y = 164;
    y += parrafo(p, margen, y, ancho,
                 QStringLiteral("Cada capacidad se califica en cinco niveles: I es el más alto; después II, III y IV; "
                                "SN es el más bajo. El porcentaje dice lo mismo de 0 a 100."),
                 letra(12), QColor(70, 70, 70))
        + 8;

    // A row per capacity.
    const Resumen equipo = resumir(e);
    const Atleta *antes = nullptr;
    if (d.comparacion && d.atleta < d.comparacion->cambios.size()
        && d.comparacion->cambios[d.atleta].estado == Comparacion::Estado::Comparado)
        antes = &d.comparacion->antes.atletas[std::size_t(d.comparacion->cambios[d.atleta].antes)];
    const auto caps = capacidades(e.archivo, a);
    int peor = -1;
    for (int k = 0; k < 3; ++k) {
        const auto grado = gradoDe(a.resultados.grado[std::size_t(k)]);
        if (grado && (peor < 0 || int(*grado) > int(*gradoDe(a.resultados.grado[std::size_t(peor)]))))
            peor = k;
        p.setPen(QColor(200, 200, 200));
        p.drawLine(QPointF(margen, y), QPointF(margen + ancho, y));
        y += 10;
        parrafo(p, margen, y, 300, caps[std::size_t(k)].nombre, letra(19, true));
        const QString porcentaje =
            a.resultados[k].isEmpty() ? QStringLiteral("sin resultado") : QStringLiteral("%1 %").arg(a.resultados[k]);
        parrafo(p, margen + 180, y + 2, 140, porcentaje, letra(19, true), QColor(40, 40, 40));
        escala(p, QRectF(margen + ancho - 260, y, 260, 30), grado);
        y += 34;
        y += parrafo(p, margen, y, ancho, caps[std::size_t(k)].resultados, letra(13), QColor(50, 50, 50)) + 4;
        if (grado)
            y += parrafo(p, margen, y, ancho, t.nivel(grado), letra(14, true), colorDeGrado(*grado).darker(140)) + 2;
        QStringList nota;
        if (equipo.medias[std::size_t(k)])
            nota << QStringLiteral("Media del equipo: %1 %")
                        .arg(Espanol.toString(*equipo.medias[std::size_t(k)], 'f', 0));
        if (antes)
            nota << cambioEnPalabras(t, antes->porcentajes[std::size_t(k)], a.porcentajes[std::size_t(k)],
                                     antes->resultados.grado[std::size_t(k)]);
        nota.removeAll(QString());
        y += parrafo(p, margen, y, ancho, nota.join(QStringLiteral("   ·   ")), letra(13), QColor(70, 70, 70)) + 12;
    }

    // The overall result.
    const auto general = gradoDe(a.resultados.gradoGeneral);
    p.setPen(QColor(200, 200, 200));
    p.drawLine(QPointF(margen, y), QPointF(margen + ancho, y));
    y += 10;
    parrafo(p, margen, y, 300, QStringLiteral("Resultado general"), letra(19, true));
    if (!a.resultados.promedio.isEmpty())
        parrafo(p, margen + 180, y + 2, 140, QStringLiteral("%1 %").arg(a.resultados.promedio), letra(19, true),
                QColor(40, 40, 40));
    escala(p, QRectF(margen + ancho - 260, y, 260, 30), general);
    y += 38;
    y += parrafo(p, margen, y, ancho, t.general(general), letra(14, true),
                 general ? colorDeGrado(*general).darker(140) : Qt::black)
        + 2;
    if (antes)
        y += parrafo(p, margen, y, ancho,
                     cambioEnPalabras(t, antes->porcentajes[3], a.porcentajes[3], antes->resultados.gradoGeneral),
                     letra(13), QColor(70, 70, 70));
    y += 16;

    // What to work on next.
    if (peor >= 0) {
        const QRectF caja(margen, y, ancho, 0);
        const QStringList consejos = t.consejos(caps[std::size_t(peor)].clave);
        double alto = 36;
        for (const QString &c : consejos)
            alto += p.boundingRect(QRectF(0, 0, ancho - 40, 1000), Qt::TextWordWrap, c).height() + 6;
        p.fillRect(QRectF(caja.left(), caja.top(), caja.width(), alto + 8), QColor(245, 245, 235));
        y += 8;
        parrafo(p, margen + 12, y, ancho - 24,
                QStringLiteral("Para seguir mejorando: %1").arg(caps[std::size_t(peor)].nombre.toLower()),
                letra(16, true));
        y += 28;
        for (const QString &c : consejos)
            y += parrafo(p, margen + 20, y, ancho - 40, QStringLiteral("•  ") + c, letra(13)) + 6;
        y += 10;
    }

    // Who it is for.
    QString pie = t.texto(d.datos.entrenador.isEmpty() ? QStringLiteral("pie.sinentrenador") : QStringLiteral("pie"));
    pie.replace(QStringLiteral("{nombre}"), a.datos.value(0))
        .replace(QStringLiteral("{entrenador}"), d.datos.entrenador.left(MaximoDeDatoDelEquipo));
    pie.truncate(TextosFamilias::MaximoPorTexto);
    parrafo(p, margen, pagina.height() - margen - 20, ancho, pie, letra(11), QColor(90, 90, 90));
}

ResultadoDe<QByteArray> informeDeFamiliaEnPdf(const DatosFamilia &datos)
{
    return pdfEnMemoria(
        QPageLayout(papelDelPais(), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)),
        QStringLiteral("Informe para la familia de %1").arg(datos.equipo->atletas[datos.atleta].datos.value(0)),
        [&datos](QPdfWriter &pdf) {
            QPainter p;
            if (!p.begin(&pdf))
                return false;
            pintarInformeDeFamilia(p, pdf.pageLayout().fullRectPixels(96).size(), datos);
            return p.end();
        });
}

ResultadoDe<int> guardarInformesDeFamilias(const Equipo &equipo, const Comparacion *comparacion, const QString &carpeta,
                                           QStringList *omitidos, const QDate &fecha)
{
    using R = ResultadoDe<int>;
    if (comparacion)
        if (const Resultado leida = comparacionLeida(*comparacion); !leida)
            return R::falla(leida);
    const QString registros = QFileInfo(equipo.ruta).absolutePath();
    const TextosFamilias textos = TextosFamilias::cargar(registros, omitidos);
    // the athletes matched again in the order given (the table's order may not be the file's)
    std::optional<Comparacion> emparejada;
    if (comparacion)
        emparejada = comparar(comparacion->antes, equipo, comparacion->evaluacion);
    DatosFamilia d;
    d.equipo = &equipo;
    d.comparacion = emparejada ? &*emparejada : nullptr;
    d.datos = leerDatosDelEquipo(registros);
    d.nombreEquipo = nombreDelEquipo(registros);
    d.textos = &textos;
    d.fecha = fecha;
    return guardarUnPdfPorAtleta(
        equipo, carpeta, omitidos, [&equipo](const Atleta &a) { return nombreDeInformeDeFamilia(equipo, a); },
        [&d](std::size_t i) {
            d.atleta = i;
            return informeDeFamiliaEnPdf(d);
        });
}

}  // namespace korva
