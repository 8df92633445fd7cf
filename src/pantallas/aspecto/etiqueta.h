#pragma once

#include <QLabel>

namespace korva {

// A label. One "sized to its text" grows with its caption from its top-left corner.
class Etiqueta : public QLabel
{
    Q_OBJECT
public:
    Etiqueta(const QString &texto, QWidget *padre, bool ajustada);
    void ponerTexto(const QString &texto);
    void fijarGeometria(const QRect &r);

private:
    void ajustar();
    bool m_ajustada;
    QSize m_disenio;
};

}  // namespace korva
