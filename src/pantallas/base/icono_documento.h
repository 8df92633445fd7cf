#pragma once

#include <QWidget>

namespace korva {

class Escritorio;

// A reference document shown as an icon. A single click gives it the focus; a double
// click, or Enter or Space while it has the focus, opens a fresh copy of the stored
// document in the desktop's editor. What the editor changes is never read back.
class IconoDocumento : public QWidget
{
    Q_OBJECT
public:
    IconoDocumento(const QString &recurso, Escritorio &escritorio, QWidget *padre);

    // Writes the copy and hands it over; a failure is told to the user.
    void abrir();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseDoubleClickEvent(QMouseEvent *) override;
    void keyPressEvent(QKeyEvent *) override;
    void focusInEvent(QFocusEvent *) override;
    void focusOutEvent(QFocusEvent *) override;

private:
    QString m_recurso;
    Escritorio &m_escritorio;
};

}  // namespace korva
