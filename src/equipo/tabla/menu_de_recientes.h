#pragma once

#include <QMenu>

namespace korva {

// The menu "Carpetas recientes": the team folders opened last (six at the most, kept in the
// program's settings), read each time the menu opens; choosing one emits elegida().
class MenuDeRecientes : public QMenu
{
    Q_OBJECT
public:
    explicit MenuDeRecientes(QWidget *padre);
    // The folder open now: first among the recent ones, and not offered in the menu.
    void recordar(const QString &carpeta);

signals:
    void elegida(const QString &carpeta);

private:
    void llenar();
    QString m_actual;
};

}  // namespace korva
