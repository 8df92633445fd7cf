#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QMenu;

namespace korva {

// "Nombre del equipo…" and "Entrenador…": the team's name (the folder's name where none is
// set) and the coach's, kept with the records folder and used in the window's title, the
// printed report, the spreadsheet and the family reports.
class DialogoDatosDelEquipo : public QDialog
{
    Q_OBJECT
public:
    DialogoDatosDelEquipo(const QString &carpeta, bool entrenador, QWidget *padre = nullptr);

    // Asks and keeps them: whether anything was saved (a failure is said).
    static bool editar(const QString &carpeta, bool entrenador, QWidget *padre);
    // "Nombre del equipo…" and "Entrenador…" in the menu; cambiado runs after a save.
    static void agregarAcciones(QMenu *menu, std::function<QString()> carpeta, std::function<void()> cambiado);

private:
    QLineEdit *m_nombre = nullptr;
    QLineEdit *m_entrenador = nullptr;
};

}  // namespace korva
