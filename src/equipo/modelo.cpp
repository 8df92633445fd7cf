#include "modelo.h"

#include <QCollator>
#include <QFontMetrics>
#include <QPainter>
#include <QSet>
#include <QTextLayout>

namespace korva {

ModeloEquipo::ModeloEquipo(QObject *padre) : QAbstractTableModel(padre) {}

void ModeloEquipo::ponerEquipo(Equipo equipo)
{
    beginResetModel();
    m_equipo = std::move(equipo);
    m_columnas = columnasDatos(m_equipo.archivo) + columnasResultados(m_equipo.archivo);
    m_celdas.clear();
    m_claves.clear();
    for (const Atleta &a : m_equipo.atletas) {
        m_celdas.push_back(celdas(a));
        std::vector<QVariant> claves;
        for (int c = 0; c < m_celdas.back().size(); ++c)
            claves.push_back(claveDeOrden(c, m_celdas.back()[c]));
        m_claves.push_back(std::move(claves));
    }
    endResetModel();
}

int ModeloEquipo::rowCount(const QModelIndex &padre) const
{
    return padre.isValid() ? 0 : int(m_equipo.atletas.size());
}

int ModeloEquipo::columnCount(const QModelIndex &padre) const
{
    return padre.isValid() ? 0 : int(m_columnas.size());
}

bool ModeloEquipo::esColumnaDeNivel(int columna) const
{
    return korva::esColumnaDeNivel(m_equipo.archivo, columna);
}

QVariant ModeloEquipo::claveDeOrden(int columna, const QString &t) const
{
    if (t.trimmed().isEmpty())
        return {};
    if (esColumnaDeNivel(columna))
        return ordenDeNivel(t);
    if (esColumnaNumerica(m_equipo.archivo, columna))
        if (const auto v = comoNumero(t))
            return *v;
    return t;
}

std::vector<int> ModeloEquipo::anchos(const QFontMetrics &fm) const
{
    // Only the longest texts of a column are measured: in a column of numbers or grades
    // the longest is the widest, and in the names nearly so.
    std::vector<int> a;
    for (int c = 0; c < m_columnas.size(); ++c) {
        qsizetype largo = 0;
        for (const QStringList &fila : m_celdas)
            largo = std::max(largo, fila[c].size());
        QSet<QString> medir{m_columnas[c]};
        for (const QStringList &fila : m_celdas)
            if (fila[c].size() + (c == 1 ? 3 : 0) >= largo)
                medir.insert(fila[c]);
        int w = 0;
        for (const QString &t : medir)
            w = std::max(w, fm.horizontalAdvance(t));
        a.push_back(w);
    }
    return a;
}

void DelegadoTexto::paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const
{
    const bool elegida = opcion.state & QStyle::State_Selected;
    if (elegida)
        p->fillRect(opcion.rect, opcion.palette.highlight());
    else if (opcion.features & QStyleOptionViewItem::Alternate)
        p->fillRect(opcion.rect, opcion.palette.alternateBase());
    p->setPen(opcion.palette.color(elegida ? QPalette::HighlightedText : QPalette::Text));
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

QVariant ModeloEquipo::data(const QModelIndex &indice, int rol) const
{
    if (!indice.isValid() || indice.row() >= rowCount() || indice.column() >= columnCount())
        return {};
    switch (rol) {
    case Qt::DisplayRole:
        return texto(indice.row(), indice.column());
    case Qt::TextAlignmentRole:
        return indice.column() == 1 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    case RolOrden:
        return m_claves[std::size_t(indice.row())][std::size_t(indice.column())];
    default:
        return {};
    }
}

QVariant ModeloEquipo::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (rol != Qt::DisplayRole)
        return {};
    if (orientacion == Qt::Horizontal)
        return m_columnas.value(seccion);
    return {};
}

bool OrdenEquipo::lessThan(const QModelIndex &izquierda, const QModelIndex &derecha) const
{
    const QVariant a = izquierda.data(ModeloEquipo::RolOrden);
    const QVariant b = derecha.data(ModeloEquipo::RolOrden);
    // Empty cells last, whichever way the column is sorted: sorted downwards, the proxy
    // puts x before y when y < x, so an empty cell is then the smallest.
    const bool descendente = sortOrder() == Qt::DescendingOrder;
    if (!a.isValid() && !b.isValid())
        return false;
    if (!a.isValid())
        return descendente;
    if (!b.isValid())
        return !descendente;
    const bool numA = a.typeId() != QMetaType::QString, numB = b.typeId() != QMetaType::QString;
    if (numA && numB)
        return a.toDouble() < b.toDouble();
    if (numA != numB)
        return numA;  // numbers before texts
    static const QCollator orden;
    return orden.compare(a.toString(), b.toString()) < 0;
}

}  // namespace korva
