#pragma once

#include <QDialog>

class QListWidget;

namespace korva {

// The choice of a saved evaluation to compare the team with, newest first, or none.
class DialogoComparacion : public QDialog
{
    Q_OBJECT
public:
    // The saved evaluations by name; the one compared now is chosen (none: the first).
    DialogoComparacion(const QStringList &guardadas, const QString &actual, QWidget *padre = nullptr);
    // The chosen one; empty for "no comparison".
    QString elegida() const;

private:
    QListWidget *m_lista = nullptr;
};

}  // namespace korva
