#include "pantallas/aspecto/boton_plano.h"

#include "pantallas/aspecto/aspecto.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace korva {

BotonPlano::BotonPlano(const QString &texto, const QColor &cara, QWidget *padre)
    : QPushButton(texto, padre), m_cara(cara)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void BotonPlano::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_cara);
    p.setPen(isDown() ? QColor(0, 0, 0) : QColor(64, 64, 64));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (isDown())
        p.drawRect(r.adjusted(1, 1, -2, -2));
    const QRect texto = r.adjusted(3, 2, -3, -2).translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
    p.setFont(font());
    p.setPen(QColor(0, 0, 0));
    p.drawText(texto, Qt::AlignCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QPen punteado(QColor(0, 0, 0), 1, Qt::DotLine);
        p.setPen(punteado);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

}  // namespace korva
