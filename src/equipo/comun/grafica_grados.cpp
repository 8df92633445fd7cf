#include "equipo/comun/grafica_grados.h"

#include <QPainter>

namespace korva {

namespace {
const QColor ColoresGrado[] = {{0, 150, 60},  {120, 190, 60}, {240, 200, 0},
                               {255, 128, 0}, {220, 30, 30},  {150, 150, 150}};
}

void dibujarGrafica(QPainter &p, const QRectF &area, const Resumen &resumen, const QFont &letra, const Resumen *antes)
{
    p.save();
    p.setFont(letra);
    const QFontMetricsF fm(letra, p.device());
    const double renglon = fm.height();
    const int barras = int(resumen.porGrado.size());
    int maximo = std::max(1, *std::max_element(resumen.porGrado.begin(), resumen.porGrado.end()));
    if (antes)
        maximo = std::max(maximo, *std::max_element(antes->porGrado.begin(), antes->porGrado.end()));
    // below the bars their grades, above each its count; with a saved evaluation, its bar
    // (pale) stands on the left of today's
    const QRectF barrasArea = area.adjusted(0, renglon * 1.3, 0, -renglon * (antes ? 2.7 : 1.5));
    const double paso = area.width() / barras;
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(QPointF(area.left(), barrasArea.bottom()), QPointF(area.right(), barrasArea.bottom()));
    const auto barra = [&](int i, int n, double desde, double ancho, const QColor &color) {
        const double alto = barrasArea.height() * n / maximo;
        const QRectF r(area.left() + paso * i + paso * desde, barrasArea.bottom() - alto, paso * ancho, alto);
        p.fillRect(r, color);
        p.drawText(QRectF(r.center().x() - paso / 2, r.top() - renglon * 1.2, paso, renglon), Qt::AlignCenter,
                   QString::number(n));
    };
    for (int i = 0; i < barras; ++i) {
        if (antes) {
            barra(i, antes->porGrado[std::size_t(i)], 0.1, 0.38, ColoresGrado[i].lighter(160));
            barra(i, resumen.porGrado[std::size_t(i)], 0.52, 0.38, ColoresGrado[i]);
        } else {
            barra(i, resumen.porGrado[std::size_t(i)], 0.18, 0.64, ColoresGrado[i]);
        }
        const QString nombre =
            i < int(Grados.size()) ? textoGrado(Grados[std::size_t(i)]) : QStringLiteral("Sin nivel");
        p.drawText(QRectF(area.left() + paso * i, barrasArea.bottom() + renglon * 0.2, paso, renglon), Qt::AlignCenter,
                   nombre);
    }
    if (antes)
        p.drawText(QRectF(area.left(), barrasArea.bottom() + renglon * 1.4, area.width(), renglon), Qt::AlignCenter,
                   QStringLiteral("claro: la evaluación guardada · fuerte: hoy"));
    p.restore();
}

GraficaGrados::GraficaGrados(QWidget *padre) : QWidget(padre)
{
    setMinimumSize(300, 120);
    setToolTip(LeyendaGrados);
}

void GraficaGrados::ponerResumen(const Resumen &resumen, std::optional<Resumen> antes)
{
    m_resumen = resumen;
    m_antes = antes;
    update();
}

void GraficaGrados::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    dibujarGrafica(p, QRectF(rect()).adjusted(8, 4, -8, -4), m_resumen, font(), m_antes ? &*m_antes : nullptr);
}

}  // namespace korva
