#include "pantallas/aspecto/marco.h"

#include "pantallas/aspecto/aspecto.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace korva {

Marco::Marco(const QString &titulo, const QColor &fondo, const QFont &fuenteTitulo, QWidget *padre)
    : QWidget(padre), m_titulo(titulo), m_fondo(fondo)
{
    setFont(fuenteTitulo);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Marco::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_fondo);
    const QFontMetrics fm(font());
    const int y = fm.height() / 2;
    const QRect borde = rect().adjusted(0, y, -1, -1);
    // an etched line: dark, with a light line inside it
    p.setPen(QColor(128, 128, 128));
    p.drawRect(borde.adjusted(0, 0, -1, -1));
    p.setPen(QColor(255, 255, 255));
    p.drawRect(borde.adjusted(1, 1, 0, 0));
    if (!m_titulo.isEmpty()) {
        const int ancho = fm.horizontalAdvance(m_titulo) + 4;
        const QRect caja(6, 0, ancho, fm.height());
        p.fillRect(caja, m_fondo);
        p.setPen(QColor(0, 0, 0));
        p.drawText(caja, Qt::AlignCenter, m_titulo);
    }
}

}  // namespace korva
