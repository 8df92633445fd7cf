#pragma once

#include <QTableView>

namespace korva {

// A table whose first columns (the record number and the name) stay in place while the rest
// scroll sideways, so that the coach always sees whose row it is: a second view of the same
// model, laid over the first columns, scrolling up and down with it (as Qt's own "Frozen
// Column" example builds it).
class TablaConColumnasFijas : public QTableView
{
    Q_OBJECT
public:
    explicit TablaConColumnasFijas(int fijas, QWidget *padre = nullptr);
    void setModel(QAbstractItemModel *modelo) override;
    void setItemDelegate(QAbstractItemDelegate *delegado);
    QTableView *fija() const { return m_fija; }

protected:
    void resizeEvent(QResizeEvent *evento) override;
    QModelIndex moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) override;
    void scrollTo(const QModelIndex &indice, ScrollHint pista = EnsureVisible) override;

private:
    void colocar();
    void columnasDeLaFija();
    int anchoFijo() const;

    int m_fijas;
    QTableView *m_fija = nullptr;
};

}  // namespace korva
