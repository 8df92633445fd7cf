#pragma once

#include "nucleo/comun/resultado.h"

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

    // The whole action: for a new evaluation, the folder's lock first (said at once while
    // KORVA 4 is open there), then this question, then the save or the new evaluation.
    // Carries the saved evaluation's folder, empty when the coach cancelled.
    static ResultadoDe<QString> hacer(bool nueva, const QString &carpeta, QWidget *padre);

private:
    QLineEdit *m_etiqueta = nullptr;
};

}  // namespace korva
