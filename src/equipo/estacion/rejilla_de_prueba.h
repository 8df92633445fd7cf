#pragma once

#include "nucleo/escritura/toma_de_prueba.h"

#include <QDialog>

#include <map>

class QLabel;
class QPushButton;
class QTableWidget;
class QUndoStack;

namespace korva {

// The station grid: one test for a whole tab, typed down a column. Its rows are the tab's
// athletes with their number, name and age, the value in the latest saved evaluation
// ("Antes"), today's value (the one column that takes typing) and the capacity's result,
// as "Procesar Datos" would give it, live as the coach types. A value the scoring cannot read
// is refused at once with the form the test takes; one that reads but looks wrong is kept,
// in amber, with its reason. Ctrl+Z and Ctrl+Shift+Z undo and redo over the whole grid, a
// pasted column fills down from the current row, a blank is "not done". "Guardar" (Ctrl+S)
// writes the changed values, that field alone, through the one writer; every value taken is
// also kept in a small recovery file until it is saved or discarded. While KORVA 4 is open
// in the folder the grid can only be looked at, and says why.
class RejillaDePrueba : public QDialog
{
    Q_OBJECT
public:
    RejillaDePrueba(TomaDePrueba toma, const QString &soloLectura = QString(), QWidget *padre = nullptr);
    ~RejillaDePrueba() override;

    // "Tomar una prueba…": the tab and the test asked, then the grid (read-only, saying why,
    // while KORVA 4 is open in the folder; the values of a run cut off offered back). The tab
    // of the test taken, or -1 when the coach cancelled.
    static int tomarUnaPrueba(const QString &carpeta, int pestana, QWidget *padre);

    // What the keyboard does, for the tests: the value typed into a row, as Enter takes it
    // (false when refused); the row's shown value and result; the message under the grid.
    bool tomar(int fila, const QString &texto);
    QString valor(int fila) const;
    QString resultado(int fila) const;
    QString mensaje() const;
    bool hayCambios() const;
    ResultadoDe<int> guardar();
    // The values kept from a run that was cut off, if any, offered back (true: taken).
    bool ofrecerRecuperacion();
    QTableWidget *tabla() const { return m_tabla; }
    QUndoStack *deshacer() const { return m_deshacer; }
    const TomaDePrueba &toma() const { return m_toma; }

    // The values a paste gives, from the current row down; refused whole when one does not read.
    bool pegar(const QString &texto);

    // Sets a row's value as taken (what undo and redo call).
    void ponerValor(int fila, const QString &valor);

    void reject() override;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void mostrarFila(int fila, const QString &texto);
    void decir(const QString &texto, const QColor &color);
    void moverse(int fila, int paso);
    std::map<int, QString> sinGuardar() const;
    // Whether the grid may close: nothing unsaved, or the coach chose what to do with it.
    bool puedeCerrar();

    TomaDePrueba m_toma;
    bool m_soloLectura = false;
    std::vector<QString> m_valores;    // one per row, as taken
    std::vector<QString> m_guardados;  // one per row, as stored
    QTableWidget *m_tabla = nullptr;
    QLabel *m_mensaje = nullptr;
    QPushButton *m_guardar = nullptr;
    QUndoStack *m_deshacer = nullptr;
};

}  // namespace korva
