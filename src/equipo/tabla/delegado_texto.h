#pragma once

#include <QGlyphRun>
#include <QHash>
#include <QStyledItemDelegate>

namespace korva {

// Draws a cell's text straight on the painter, in the view's colours: the table of a team is
// only text, and the style's full item painting costs more than the rest of a paint.
class DelegadoTexto : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;

private:
    // Each text shaped once into its glyphs: a team's cells repeat the same numbers and
    // grades, and shaping the text is most of what painting a cell costs.
    struct Forma {
        QList<QGlyphRun> glifos;
        QSizeF tamano;
    };
    mutable QHash<QString, Forma> m_formas;
    mutable QFont m_letra;
};

}  // namespace korva
