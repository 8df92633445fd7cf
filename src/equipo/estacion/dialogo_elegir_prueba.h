#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

namespace korva {

// "Tomar una prueba…": the tab and the test to take for the whole tab, by the screens' own
// captions, with the form the test's values take.
class DialogoElegirPrueba : public QDialog
{
    Q_OBJECT
public:
    explicit DialogoElegirPrueba(int pestana, QWidget *padre = nullptr);
    int pestana() const;
    int prueba() const;

private:
    void llenarPruebas();
    QComboBox *m_pestana = nullptr;
    QComboBox *m_prueba = nullptr;
    QLabel *m_forma = nullptr;
};

}  // namespace korva
