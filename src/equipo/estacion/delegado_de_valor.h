#pragma once

#include <QStyledItemDelegate>

#include <functional>

namespace korva {

// The editor of a value in the station grid, as at a spreadsheet: Enter or ↓ takes the value
// and goes to the next athlete, Shift+Enter or ↑ to the one before, Esc leaves the cell as it
// was. The grid decides whether a value is taken (tomar), and is told of every keystroke
// (escribiendo) so the result shows as the coach types.
class DelegadoDeValor : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // tomar(row, text) -> whether the value was taken; moverse(row, step) after a taken one.
    using Tomar = std::function<bool(int fila, const QString &texto)>;
    using Escribiendo = std::function<void(int fila, const QString &texto)>;
    using Moverse = std::function<void(int fila, int paso)>;
    DelegadoDeValor(Tomar tomar, Escribiendo escribiendo, Moverse moverse, QObject *padre = nullptr);

    QWidget *createEditor(QWidget *padre, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;
    void setEditorData(QWidget *editor, const QModelIndex &indice) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *modelo, const QModelIndex &indice) const override;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    Tomar m_tomar;
    Escribiendo m_escribiendo;
    Moverse m_moverse;
};

}  // namespace korva
