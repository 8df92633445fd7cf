#include "equipo/tabla/tabla_con_columnas_fijas.h"

#include <QHeaderView>
#include <QScrollBar>

namespace korva {

TablaConColumnasFijas::TablaConColumnasFijas(int fijas, QWidget *padre) : QTableView(padre), m_fijas(fijas)
{
    m_fija = new QTableView(this);
    m_fija->setObjectName(QStringLiteral("columnasFijas"));
    m_fija->setFocusPolicy(Qt::NoFocus);
    m_fija->verticalHeader()->hide();
    m_fija->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_fija->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fija->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fija->setVerticalScrollMode(ScrollPerPixel);
    m_fija->setStyleSheet(QStringLiteral("QTableView { border: none; border-right: 1px solid palette(mid); }"));
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(m_fija);
    // the two move together up and down; a click on a fixed heading sorts the table
    connect(m_fija->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_fija->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int columna, int, int ancho) {
        if (columna < m_fijas) {
            m_fija->setColumnWidth(columna, ancho);
            colocar();
        }
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int fila, int, int alto) { m_fija->setRowHeight(fila, alto); });
    connect(m_fija->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int columna) {
        const Qt::SortOrder orden = horizontalHeader()->sortIndicatorSection() == columna
                && horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder
            ? Qt::DescendingOrder
            : Qt::AscendingOrder;
        sortByColumn(columna, orden);
    });
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, m_fija->horizontalHeader(),
            &QHeaderView::setSortIndicator);
}

void TablaConColumnasFijas::setModel(QAbstractItemModel *modelo)
{
    QTableView::setModel(modelo);
    m_fija->setModel(modelo);
    m_fija->setSelectionModel(selectionModel());
    m_fija->horizontalHeader()->setSortIndicatorShown(true);
    connect(modelo, &QAbstractItemModel::modelReset, this, &TablaConColumnasFijas::columnasDeLaFija);
    connect(modelo, &QAbstractItemModel::layoutChanged, this, &TablaConColumnasFijas::columnasDeLaFija);
    columnasDeLaFija();
}

void TablaConColumnasFijas::setItemDelegate(QAbstractItemDelegate *delegado)
{
    QTableView::setItemDelegate(delegado);
    m_fija->setItemDelegate(delegado);
}

void TablaConColumnasFijas::columnasDeLaFija()
{
    if (!model())
        return;
    for (int c = 0; c < model()->columnCount(); ++c) {
        m_fija->setColumnHidden(c, c >= m_fijas);
        if (c < m_fijas)
            m_fija->setColumnWidth(c, columnWidth(c));
    }
    m_fija->setAlternatingRowColors(alternatingRowColors());
    m_fija->setShowGrid(showGrid());
    m_fija->setSelectionBehavior(selectionBehavior());
    m_fija->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    colocar();
}

int TablaConColumnasFijas::anchoFijo() const
{
    int ancho = 0;
    for (int c = 0; c < m_fijas && model() && c < model()->columnCount(); ++c)
        ancho += columnWidth(c);
    return ancho;
}

void TablaConColumnasFijas::colocar()
{
    m_fija->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), anchoFijo(),
                        viewport()->height() + horizontalHeader()->height());
    m_fija->setVisible(model() && model()->columnCount() > m_fijas);
}

void TablaConColumnasFijas::resizeEvent(QResizeEvent *evento)
{
    QTableView::resizeEvent(evento);
    colocar();
}

QModelIndex TablaConColumnasFijas::moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores)
{
    // moving left keeps the cell out from under the fixed columns
    const QModelIndex actual = QTableView::moveCursor(accion, modificadores);
    if (accion == MoveLeft && actual.column() >= m_fijas && visualRect(actual).topLeft().x() < anchoFijo()) {
        const int nuevo = horizontalScrollBar()->value() + visualRect(actual).topLeft().x() - anchoFijo();
        horizontalScrollBar()->setValue(nuevo);
    }
    return actual;
}

void TablaConColumnasFijas::scrollTo(const QModelIndex &indice, ScrollHint pista)
{
    if (indice.column() >= m_fijas)
        QTableView::scrollTo(indice, pista);
}

}  // namespace korva
