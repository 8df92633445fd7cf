#pragma once

#include <QPixmap>
#include <QWidget>

namespace korva {

// A picture box: a sunken two-pixel border and a picture at the top-left of its inside,
// unscaled. Its children are placed from its outer top-left corner, so that they line up
// with the controls of the form around it.
class CajaImagen : public QWidget
{
    Q_OBJECT
public:
    CajaImagen(const QPixmap &imagen, QWidget *padre);
    static constexpr int Borde = 2;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap m_imagen;
};

}  // namespace korva
