#pragma once

#include <QDialog>

class QLineEdit;

namespace korva {

// The question before an evaluation is saved ("Guardar evaluación…") or a new one begins
// ("Nueva evaluación…"): what will happen, in words, and the label of the evaluation that is
// saved (optional, e.g. "Fin de trimestre").
class DialogoEvaluacion : public QDialog
{
    Q_OBJECT
public:
    enum class Tipo { Guardar, Nueva };
    explicit DialogoEvaluacion(Tipo tipo, QWidget *padre = nullptr);
    QString etiqueta() const;

private:
    QLineEdit *m_etiqueta = nullptr;
};

}  // namespace korva
