#include "equipo/grafica_grados.h"

#include <QPainter>

namespace korva {

namespace {
const QColor ColoresGrado[] = {{0, 150, 60}, {120, 190, 60}, {240, 200, 0}, {255, 128, 0}, {220, 30, 30},
                               {150, 150, 150}};
}

void dibujarGrafica(QPainter &p, const QRectF &area, const Resumen &resumen, const QFont &letra)
{
    p.save();
    p.setFont(letra);
    const QFontMetricsF fm(letra, p.device());
    const double renglon = fm.height();
    const int barras = int(resumen.porGrado.size());
    const int maximo = std::max(1, *std::max_element(resumen.porGrado.begin(), resumen.porGrado.end()));
    // below the bars their grades, above each its count
    const QRectF barrasArea = area.adjusted(0, renglon * 1.3, 0, -renglon * 1.5);
    const double paso = area.width() / barras;
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(QPointF(area.left(), barrasArea.bottom()), QPointF(area.right(), barrasArea.bottom()));
    for (int i = 0; i < barras; ++i) {
        const int n = resumen.porGrado[std::size_t(i)];
        const double alto = barrasArea.height() * n / maximo;
        const QRectF barra(area.left() + paso * i + paso * 0.18, barrasArea.bottom() - alto, paso * 0.64, alto);
        p.fillRect(barra, ColoresGrado[i]);
        p.drawText(QRectF(barra.left() - paso * 0.18, barra.top() - renglon * 1.2, paso, renglon),
                   Qt::AlignCenter, QString::number(n));
        const QString nombre = i < int(Grados.size()) ? textoGrado(Grados[std::size_t(i)])
                                                       : QStringLiteral("Sin nivel");
        p.drawText(QRectF(area.left() + paso * i, barrasArea.bottom() + renglon * 0.2, paso, renglon),
                   Qt::AlignCenter, nombre);
    }
    p.restore();
}

GraficaGrados::GraficaGrados(QWidget *padre) : QWidget(padre)
{
    setMinimumSize(300, 120);
    setToolTip(LeyendaGrados);
}

void GraficaGrados::ponerResumen(const Resumen &resumen)
{
    m_resumen = resumen;
    update();
}

void GraficaGrados::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    dibujarGrafica(p, QRectF(rect()).adjusted(8, 4, -8, -4), m_resumen, font());
}

}  // namespace korva
