#include "equipo/tabla/delegado_texto.h"

#include <QPainter>
#include <QTextLayout>

namespace korva {

void DelegadoTexto::paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const
{
    const bool elegida = opcion.state & QStyle::State_Selected;
    if (elegida)
        p->fillRect(opcion.rect, opcion.palette.highlight());
    else if (opcion.features & QStyleOptionViewItem::Alternate)
        p->fillRect(opcion.rect, opcion.palette.alternateBase());
    const QVariant color = indice.data(Qt::ForegroundRole);
    p->setPen(!elegida && color.isValid() ? color.value<QColor>()
                                          : opcion.palette.color(elegida ? QPalette::HighlightedText : QPalette::Text));
    const QString texto = indice.data().toString();
    if (texto.isEmpty())
        return;
    if (m_letra != opcion.font) {
        m_formas.clear();
        m_letra = opcion.font;
    }
    auto it = m_formas.find(texto);
    if (it == m_formas.end()) {
        QTextLayout renglon(texto, m_letra);
        renglon.beginLayout();
        QTextLine linea = renglon.createLine();
        renglon.endLayout();
        it = m_formas.insert(texto, {renglon.glyphRuns(), QSizeF(linea.naturalTextWidth(), linea.height())});
    }
    const int margen = opcion.fontMetrics.averageCharWidth() / 2 + 2;
    const bool izquierda = Qt::Alignment(indice.data(Qt::TextAlignmentRole).toInt()) & Qt::AlignLeft;
    const double x = izquierda ? opcion.rect.left() + margen : opcion.rect.center().x() + 0.5 - it->tamano.width() / 2;
    const double y = opcion.rect.top() + (opcion.rect.height() - it->tamano.height()) / 2;
    p->save();
    p->setClipRect(opcion.rect);
    for (const QGlyphRun &g : it->glifos)
        p->drawGlyphRun(QPointF(x, y), g);
    p->restore();
}

}  // namespace korva
