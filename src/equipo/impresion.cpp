#include "equipo/impresion.h"

#include "equipo/grafica_grados.h"

#include <QDate>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

namespace korva {

namespace {

QFont letra(double puntos, bool negrita = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

}  // namespace

QString fechaEnEspanol(const QDate &fecha, const QLocale &locale)
{
    // The program speaks Spanish: the date in words is Spanish, in the form of the desktop's
    // country where Spanish has one (es_US, es_MX…), else as in Spain.
    const QLocale espanol = locale.language() == QLocale::Spanish ? locale : QLocale(QLocale::Spanish, locale.territory());
    return espanol.toString(fecha, QLocale::LongFormat);
}

int pintarInforme(QPrinter &impresora, const Equipo &equipo, const TablaEquipo &tabla, const Comparacion *comparacion)
{
    QPainter p;
    if (!p.begin(&impresora))
        return 0;
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF pagina(QPointF(0, 0), impresora.pageLayout().paintRectPixels(impresora.resolution()).size());
    const QFont normal = letra(9), cabecera = letra(8, true), titulo = letra(14, true), pie = letra(8);
    const QFontMetricsF fmNormal(normal, &impresora), fmCabecera(cabecera, &impresora), fmTitulo(titulo, &impresora);

    // The columns share the width in proportion to what they hold.
    const QStringList &columnas = tabla.columnas;
    std::vector<double> anchos(std::size_t(columnas.size()));
    for (int c = 0; c < columnas.size(); ++c) {
        double w = 0;
        for (const QString &palabra : columnas[c].split(QLatin1Char(' ')))
            w = qMax(w, fmCabecera.horizontalAdvance(palabra));
        for (const QStringList &fila : tabla.filas)
            w = qMax(w, fmNormal.horizontalAdvance(fila.value(c)));
        anchos[std::size_t(c)] = w + fmNormal.averageCharWidth() * 1.5;
    }
    double total = 0;
    for (double w : anchos)
        total += w;
    for (double &w : anchos)
        w *= pagina.width() / total;

    const double altoFila = fmNormal.height() * 1.6;
    const double altoCabecera = fmCabecera.height() * 2.6;
    int numero = 1;
    double y = 0;
    const auto piePagina = [&] {
        p.setFont(pie);
        p.drawText(QRectF(pagina.left(), pagina.bottom() - fmNormal.height(), pagina.width(), fmNormal.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Página %1").arg(numero));
    };
    const double fondo = pagina.bottom() - fmNormal.height() * 1.5;  // above the page number
    const auto filaDeCabecera = [&] {
        double x = pagina.left();
        p.setFont(cabecera);
        p.setPen(QPen(Qt::black, 0));
        for (int c = 0; c < columnas.size(); ++c) {
            const QRectF celda(x, y, anchos[std::size_t(c)], altoCabecera);
            p.fillRect(celda, QColor(255, 220, 180));
            p.drawRect(celda);
            p.drawText(celda.adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap, columnas[c]);
            x += anchos[std::size_t(c)];
        }
        y += altoCabecera;
    };
    const auto paginaNueva = [&] {
        piePagina();
        impresora.newPage();
        ++numero;
        y = pagina.top();
    };

    // title and date
    p.setFont(titulo);
    p.drawText(QRectF(pagina.left(), y, pagina.width(), fmTitulo.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("KORVA 4 Informe del equipo: %1").arg(QString::fromUtf8(equipo.archivo.titulo)));
    y += fmTitulo.height() * 1.2;
    p.setFont(normal);
    p.drawText(QRectF(pagina.left(), y, pagina.width(), fmNormal.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Fecha: %1    Equipo: %2")
                   .arg(fechaEnEspanol(QDate::currentDate()), QFileInfo(QFileInfo(equipo.ruta).absolutePath()).fileName()));
    y += fmNormal.height() * 1.8;

    // the table, its header row again on every page
    filaDeCabecera();
    for (const QStringList &textos : tabla.filas) {
        if (y + altoFila > fondo) {
            paginaNueva();
            filaDeCabecera();
        }
        double x = pagina.left();
        p.setFont(normal);
        for (int c = 0; c < textos.size(); ++c) {
            const QRectF celda(x, y, anchos[std::size_t(c)], altoFila);
            p.drawRect(celda);
            p.drawText(celda.adjusted(fmNormal.averageCharWidth() * 0.5, 0, -fmNormal.averageCharWidth() * 0.5, 0),
                       (c == 1 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, textos[c]);
            x += anchos[std::size_t(c)];
        }
        y += altoFila;
    }

    // the summary and its chart, on one page, with what SN and "Sin nivel" mean
    const Resumen resumen = resumir(equipo);
    QStringList lineas = textoResumen(equipo, resumen);
    std::optional<Resumen> resumenAntes;
    if (comparacion) {
        lineas << textoCambiosMedios(*comparacion, equipo);
        resumenAntes = resumir(comparacion->antes);
    }
    const double altoGrafica = qMin(pagina.height() * 0.35, fmNormal.height() * 14);
    const double altoResumen = fmTitulo.height() * 2 + fmNormal.height() * 1.4 * (lineas.size() + 1) + altoGrafica;
    if (y + altoResumen > fondo)
        paginaNueva();
    y += fmTitulo.height() * 0.8;
    p.setFont(letra(12, true));
    p.drawText(QRectF(pagina.left(), y, pagina.width(), fmTitulo.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Resumen del equipo"));
    y += fmTitulo.height() * 1.2;
    p.setFont(normal);
    for (const QString &l : lineas) {
        p.drawText(QRectF(pagina.left(), y, pagina.width(), fmNormal.height()), Qt::AlignLeft | Qt::AlignVCenter, l);
        y += fmNormal.height() * 1.4;
    }
    dibujarGrafica(p, QRectF(pagina.left(), y, qMin(pagina.width(), altoGrafica * 2.4), altoGrafica), resumen, normal,
                   resumenAntes ? &*resumenAntes : nullptr);
    y += altoGrafica + fmNormal.height() * 0.4;
    p.setFont(pie);
    p.drawText(QRectF(pagina.left(), y, pagina.width(), fmNormal.height()), Qt::AlignLeft | Qt::AlignVCenter, LeyendaGrados);
    piePagina();
    return p.end() ? numero : 0;
}

}  // namespace korva
