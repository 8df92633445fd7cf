#include "equipo/estacion/delegado_de_valor.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace korva {

DelegadoDeValor::DelegadoDeValor(Tomar tomar, Escribiendo escribiendo, Moverse moverse, QObject *padre)
    : QStyledItemDelegate(padre), m_tomar(std::move(tomar)), m_escribiendo(std::move(escribiendo)),
      m_moverse(std::move(moverse))
{}

QWidget *DelegadoDeValor::createEditor(QWidget *padre, const QStyleOptionViewItem &, const QModelIndex &indice) const
{
    auto *editor = new QLineEdit(padre);
    editor->setFrame(false);
    const int fila = indice.row();
    editor->setProperty("fila", fila);
    connect(editor, &QLineEdit::textEdited, this, [this, fila](const QString &t) { m_escribiendo(fila, t); });
    return editor;
}

void DelegadoDeValor::setEditorData(QWidget *editor, const QModelIndex &indice) const
{
    // the value there, selected: what the coach types replaces it; once typing has begun, the
    // cell's colour and result change as the coach types, and the typing stays
    if (auto *linea = qobject_cast<QLineEdit *>(editor); linea && !linea->isModified()) {
        linea->setText(indice.data(Qt::EditRole).toString());
        linea->selectAll();
    }
}

void DelegadoDeValor::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &indice) const
{
    // the grid keeps the values (and their undo); a value that does not read is not taken
    if (auto *linea = qobject_cast<QLineEdit *>(editor))
        linea->setProperty("tomado", m_tomar(indice.row(), linea->text()));
}

bool DelegadoDeValor::eventFilter(QObject *objeto, QEvent *evento)
{
    auto *editor = qobject_cast<QLineEdit *>(objeto);
    if (!editor || evento->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(objeto, evento);
    const auto *tecla = static_cast<QKeyEvent *>(evento);
    int paso = 0;
    switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        paso = tecla->modifiers() & Qt::ShiftModifier ? -1 : 1;
        break;
    case Qt::Key_Down:
        paso = 1;
        break;
    case Qt::Key_Up:
        paso = -1;
        break;
    default:
        return QStyledItemDelegate::eventFilter(objeto, evento);
    }
    const int fila = editor->property("fila").toInt();
    emit commitData(editor);
    if (!editor->property("tomado").toBool())
        return true;  // refused: the cell stays open on what was typed, the reason shown
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    m_moverse(fila, paso);
    return true;
}

}  // namespace korva
