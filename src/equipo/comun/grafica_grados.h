#pragma once

#include "nucleo/informe/resumen.h"

#include <QWidget>

#include <optional>

namespace korva {

// What "SN" and "Sin nivel" mean, under the chart on screen and on paper.
inline const QString LeyendaGrados =
    QStringLiteral("SN: el nivel más bajo.  Sin nivel: faltan resultados para calificar al atleta.");

// The bar chart of the summary: how many athletes got each overall grade, I to SN, and
// those with none, each bar with its count. Drawn the same on screen and on paper.
// With the summary of a saved evaluation, its bars stand beside today's.
void dibujarGrafica(QPainter &p, const QRectF &area, const Resumen &resumen, const QFont &letra,
                    const Resumen *antes = nullptr);

class GraficaGrados : public QWidget
{
    Q_OBJECT
public:
    explicit GraficaGrados(QWidget *padre = nullptr);
    void ponerResumen(const Resumen &resumen, std::optional<Resumen> antes = std::nullopt);
    QSize sizeHint() const override { return {420, 190}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Resumen m_resumen;
    std::optional<Resumen> m_antes;
};

}  // namespace korva
