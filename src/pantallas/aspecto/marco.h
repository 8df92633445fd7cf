#pragma once

#include <QWidget>

namespace korva {

// A captioned frame used as a coloured panel.
class Marco : public QWidget
{
    Q_OBJECT
public:
    Marco(const QString &titulo, const QColor &fondo, const QFont &fuenteTitulo, QWidget *padre);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString m_titulo;
    QColor m_fondo;
};

}  // namespace korva
