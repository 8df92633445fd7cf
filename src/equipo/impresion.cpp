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
    const QFont titulo = letra(14, true), pie = letra(8);
    const QFontMetricsF fmTitulo(titulo, &impresora);

    // The columns share the width in proportion to what they hold; a table wider than the
    // page (the comparison's columns) is set in a smaller type, down to 6 points, so that
    // every text still fits its cell.
    const QStringList &columnas = tabla.columnas;
    std::vector<double> anchos(std::size_t(columnas.size()));
    double puntos = 9;
    const auto medir = [&](double tamano) {
        const QFontMetricsF fmN(letra(tamano), &impresora), fmC(letra(tamano - 1, true), &impresora);
        double total = 0;
        for (int c = 0; c < columnas.size(); ++c) {
            double w = 0;
            for (const QString &palabra : columnas[c].split(QLatin1Char(' ')))
                w = qMax(w, fmC.horizontalAdvance(palabra));
            for (const QStringList &fila : tabla.filas)
                w = qMax(w, fmN.horizontalAdvance(fila.value(c)));
            anchos[std::size_t(c)] = w + fmN.averageCharWidth() * 1.5;
            total += anchos[std::size_t(c)];
        }
        return total;
    };
    double total = medir(puntos);
    if (total > pagina.width()) {
        puntos = qMax(6.0, puntos * pagina.width() / total);
        total = medir(puntos);
    }
    for (double &w : anchos)
        w *= pagina.width() / total;
    const QFont normal = letra(puntos), cabecera = letra(puntos - 1, true);
    const QFontMetricsF fmNormal(normal, &impresora), fmCabecera(cabecera, &impresora);

    const double altoFila = fmNormal.height() * 1.6;
    // three lines for the comparison's longer headings ("Nivel general antes")
    const double altoCabecera = fmCabecera.height() * (int(tabla.columnas.size()) > tabla.columnasPropias ? 3.6 : 2.6);
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

    // the summary and its chart, on one page, with what SN and "Sin nivel" mean, in the
    // report's own type whatever the table's
    const QFont letraResumen = letra(9);
    const QFontMetricsF fmResumen(letraResumen, &impresora);
    const Resumen resumen = resumir(equipo);
    QStringList lineas = textoResumen(equipo, resumen);
    std::optional<Resumen> resumenAntes;
    if (comparacion) {
        lineas << textoCambiosMedios(*comparacion, equipo);
        resumenAntes = resumir(comparacion->antes);
    }
    const double altoGrafica = qMin(pagina.height() * 0.35, fmResumen.height() * 14);
    const double altoResumen = fmTitulo.height() * 2 + fmResumen.height() * 1.4 * (lineas.size() + 1) + altoGrafica;
    if (y + altoResumen > fondo)
        paginaNueva();
    y += fmTitulo.height() * 0.8;
    p.setFont(letra(12, true));
    p.drawText(QRectF(pagina.left(), y, pagina.width(), fmTitulo.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Resumen del equipo"));
    y += fmTitulo.height() * 1.2;
    p.setFont(letraResumen);
    for (const QString &l : lineas) {
        p.drawText(QRectF(pagina.left(), y, pagina.width(), fmResumen.height()), Qt::AlignLeft | Qt::AlignVCenter, l);
        y += fmResumen.height() * 1.4;
    }
    dibujarGrafica(p, QRectF(pagina.left(), y, qMin(pagina.width(), altoGrafica * 2.4), altoGrafica), resumen, letraResumen,
                   resumenAntes ? &*resumenAntes : nullptr);
    y += altoGrafica + fmResumen.height() * 0.4;
    p.setFont(pie);
    p.drawText(QRectF(pagina.left(), y, pagina.width(), fmResumen.height()), Qt::AlignLeft | Qt::AlignVCenter, LeyendaGrados);
    piePagina();
    return p.end() ? numero : 0;
}

}  // namespace korva
