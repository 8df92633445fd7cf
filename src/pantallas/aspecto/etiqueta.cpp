#include "pantallas/aspecto/etiqueta.h"

#include "pantallas/aspecto/aspecto.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace korva {

Etiqueta::Etiqueta(const QString &texto, QWidget *padre, bool ajustada) : QLabel(texto, padre), m_ajustada(ajustada)
{
    setTextFormat(Qt::PlainText);
}

void Etiqueta::fijarGeometria(const QRect &r)
{
    m_disenio = r.size();
    setGeometry(r);
    ajustar();
}

void Etiqueta::ponerTexto(const QString &texto)
{
    setText(texto);
    ajustar();
}

void Etiqueta::ajustar()
{
    if (!m_ajustada)
        return;
    if (text().isEmpty())
        resize(m_disenio);
    else
        resize(sizeHint());
}

}  // namespace korva
