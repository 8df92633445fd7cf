#pragma once

#include <QPushButton>

namespace korva {

// A flat coloured button: one colour face, a thin dark border, its caption wrapped and
// centred, as on every screen of the program.
class BotonPlano : public QPushButton
{
    Q_OBJECT
public:
    BotonPlano(const QString &texto, const QColor &cara, QWidget *padre);
    QColor cara() const { return m_cara; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_cara;
};

}  // namespace korva
