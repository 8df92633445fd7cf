#include "equipo/documentos/informe_impreso.h"

#include "equipo/comun/grafica_grados.h"
#include "equipo/documentos/papel.h"
#include "nucleo/informe/datos_del_equipo.h"
#include "nucleo/informe/resumen.h"

#include <QDate>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
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

const QFont &letraTitulo()
{
    static const QFont f = letra(14, true);
    return f;
}

}  // namespace

InformeImpreso::InformeImpreso(QPrinter &impresora, const Equipo &equipo, const TablaEquipo &tabla,
                               const Comparacion *comparacion)
    : m_impresora(impresora), m_equipo(equipo), m_tabla(tabla), m_comparacion(comparacion)
{}

QRectF InformeImpreso::renglon(double alto) const
{
    return QRectF(m_pagina.left(), m_y, m_pagina.width(), alto);
}

void InformeImpreso::medirColumnas()
{
    // The columns share the width in proportion to what they hold.
    const QStringList &columnas = m_tabla.columnas;
    m_anchos.assign(std::size_t(columnas.size()), 0);
    const auto medir = [&](double tamano) {
        const QFontMetricsF fmN(letra(tamano), &m_impresora), fmC(letra(tamano - 1, true), &m_impresora);
        double total = 0;
        for (int c = 0; c < columnas.size(); ++c) {
            double w = 0;
            for (const QString &palabra : columnas[c].split(QLatin1Char(' ')))
                w = qMax(w, fmC.horizontalAdvance(palabra));
            for (const QStringList &fila : m_tabla.filas)
                w = qMax(w, fmN.horizontalAdvance(fila.value(c)));
            m_anchos[std::size_t(c)] = w + fmN.averageCharWidth() * 1.5;
            total += m_anchos[std::size_t(c)];
        }
        return total;
    };
    double puntos = 9;
    double total = medir(puntos);
    if (total > m_pagina.width()) {
        puntos = qMax(6.0, puntos * m_pagina.width() / total);
        total = medir(puntos);
    }
    for (double &w : m_anchos)
        w *= m_pagina.width() / total;
    m_normal = letra(puntos);
    m_cabecera = letra(puntos - 1, true);
    const QFontMetricsF fmNormal(m_normal, &m_impresora), fmCabecera(m_cabecera, &m_impresora);
    m_altoFila = fmNormal.height() * 1.6;
    // three lines for the comparison's longer headings ("Nivel general antes")
    m_altoCabecera = fmCabecera.height() * (int(m_tabla.columnas.size()) > m_tabla.columnasPropias ? 3.6 : 2.6);
    m_fondo = m_pagina.bottom() - fmNormal.height() * 1.5;  // above the page number
}

void InformeImpreso::pintarPie()
{
    const QFontMetricsF fm(m_normal, &m_impresora);
    m_p.setFont(letra(8));
    m_p.drawText(QRectF(m_pagina.left(), m_pagina.bottom() - fm.height(), m_pagina.width(), fm.height()),
                 Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Página %1").arg(m_numero));
}

void InformeImpreso::paginaNueva()
{
    pintarPie();
    m_impresora.newPage();
    ++m_numero;
    m_y = m_pagina.top();
}

void InformeImpreso::pintarTitulo()
{
    const QFontMetricsF fmTitulo(letraTitulo(), &m_impresora), fmNormal(m_normal, &m_impresora);
    m_p.setFont(letraTitulo());
    m_p.drawText(renglon(fmTitulo.height()), Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("KORVA 4 Informe del equipo: %1").arg(QString::fromUtf8(m_equipo.archivo.titulo)));
    m_y += fmTitulo.height() * 1.2;
    m_p.setFont(m_normal);
    m_p.drawText(
        renglon(fmNormal.height()), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Fecha: %1    Equipo: %2")
            .arg(fechaEnEspanol(QDate::currentDate()), nombreDelEquipo(QFileInfo(m_equipo.ruta).absolutePath())));
    m_y += fmNormal.height() * 1.8;
}

void InformeImpreso::pintarCabecera()
{
    double x = m_pagina.left();
    m_p.setFont(m_cabecera);
    m_p.setPen(QPen(Qt::black, 0));
    for (int c = 0; c < m_tabla.columnas.size(); ++c) {
        const QRectF celda(x, m_y, m_anchos[std::size_t(c)], m_altoCabecera);
        m_p.fillRect(celda, QColor(255, 220, 180));
        m_p.drawRect(celda);
        m_p.drawText(celda.adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap, m_tabla.columnas[c]);
        x += m_anchos[std::size_t(c)];
    }
    m_y += m_altoCabecera;
}

void InformeImpreso::pintarFila(const QStringList &textos)
{
    if (m_y + m_altoFila > m_fondo) {
        paginaNueva();
        pintarCabecera();
    }
    const QFontMetricsF fm(m_normal, &m_impresora);
    double x = m_pagina.left();
    m_p.setFont(m_normal);
    for (int c = 0; c < textos.size(); ++c) {
        const QRectF celda(x, m_y, m_anchos[std::size_t(c)], m_altoFila);
        m_p.drawRect(celda);
        m_p.drawText(celda.adjusted(fm.averageCharWidth() * 0.5, 0, -fm.averageCharWidth() * 0.5, 0),
                     (c == 1 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, textos[c]);
        x += m_anchos[std::size_t(c)];
    }
    m_y += m_altoFila;
}

void InformeImpreso::pintarResumen()
{
    // The summary and its chart on one page, with what SN and "Sin nivel" mean, in the
    // report's own type whatever the table's.
    const QFont letraResumen = letra(9);
    const QFontMetricsF fmResumen(letraResumen, &m_impresora), fmTitulo(letraTitulo(), &m_impresora);
    const Resumen resumen = resumir(m_equipo);
    const QStringList lineas = lineasDelResumen(m_equipo, m_comparacion);
    std::optional<Resumen> resumenAntes;
    if (m_comparacion)
        resumenAntes = resumir(m_comparacion->antes);
    const double altoGrafica = qMin(m_pagina.height() * 0.35, fmResumen.height() * 14);
    const double altoResumen = fmTitulo.height() * 2 + fmResumen.height() * 1.4 * (lineas.size() + 1) + altoGrafica;
    if (m_y + altoResumen > m_fondo)
        paginaNueva();
    m_y += fmTitulo.height() * 0.8;
    m_p.setFont(letra(12, true));
    m_p.drawText(renglon(fmTitulo.height()), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Resumen del equipo"));
    m_y += fmTitulo.height() * 1.2;
    m_p.setFont(letraResumen);
    for (const QString &l : lineas) {
        m_p.drawText(renglon(fmResumen.height()), Qt::AlignLeft | Qt::AlignVCenter, l);
        m_y += fmResumen.height() * 1.4;
    }
    dibujarGrafica(m_p, QRectF(m_pagina.left(), m_y, qMin(m_pagina.width(), altoGrafica * 2.4), altoGrafica), resumen,
                   letraResumen, resumenAntes ? &*resumenAntes : nullptr);
    m_y += altoGrafica + fmResumen.height() * 0.4;
    m_p.setFont(letra(8));
    m_p.drawText(renglon(fmResumen.height()), Qt::AlignLeft | Qt::AlignVCenter, LeyendaGrados);
}

std::unique_ptr<QPrinter> InformeImpreso::nuevaImpresora(const QString &nombre)
{
    auto impresora = std::make_unique<QPrinter>(QPrinter::HighResolution);
    impresora->setPageOrientation(QPageLayout::Landscape);
    impresora->setColorMode(QPrinter::Color);
    impresora->setDocName(nombre.isEmpty() ? QStringLiteral("KORVA 4 Informe del equipo") : nombre);
    return impresora;
}

Resultado InformeImpreso::imprimir(QWidget *padre, const QString &nombre, const Pintar &pintar)
{
    const std::unique_ptr<QPrinter> impresora = nuevaImpresora(nombre);
    QPrintDialog dialogo(impresora.get(), padre);
    dialogo.setWindowTitle(QStringLiteral("Imprimir el informe"));
    if (dialogo.exec() != QDialog::Accepted)
        return Resultado::exito();
    if (pintar(*impresora) == 0)
        return Resultado::falla(QStringLiteral("la impresora «%1» no aceptó el trabajo").arg(impresora->printerName()));
    return Resultado::exito();
}

void InformeImpreso::vistaPrevia(QWidget *padre, const QString &nombre, const Pintar &pintar)
{
    const std::unique_ptr<QPrinter> impresora = nuevaImpresora(nombre);
    QPrintPreviewDialog dialogo(impresora.get(), padre);
    dialogo.setWindowTitle(QStringLiteral("Vista previa del informe"));
    QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo, [&pintar](QPrinter *p) { pintar(*p); });
    dialogo.exec();
}

int InformeImpreso::pintar()
{
    if (!m_p.begin(&m_impresora))
        return 0;
    m_p.setRenderHint(QPainter::Antialiasing);
    m_pagina = QRectF(QPointF(0, 0), m_impresora.pageLayout().paintRectPixels(m_impresora.resolution()).size());
    m_y = 0;
    m_numero = 1;
    medirColumnas();
    pintarTitulo();
    pintarCabecera();
    for (const QStringList &textos : m_tabla.filas)
        pintarFila(textos);
    pintarResumen();
    pintarPie();
    return m_p.end() ? m_numero : 0;
}

int pintarInforme(QPrinter &impresora, const Equipo &equipo, const TablaEquipo &tabla, const Comparacion *comparacion)
{
    return InformeImpreso(impresora, equipo, tabla, comparacion).pintar();
}

}  // namespace korva
