#pragma once

#include "nucleo/informe/comparacion.h"
#include "nucleo/informe/equipo.h"
#include "nucleo/informe/tabla_equipo.h"

#include <QWidget>

#include <optional>

class QLabel;
class QTableView;

namespace korva {

class GraficaGrados;
class ModeloEquipo;
class OrdenEquipo;

// One tab of the team report: a notice (no file, an unreadable file), the table of the
// team's athletes, sortable, and under it the summary with its chart.
class PaginaEquipo : public QWidget
{
    Q_OBJECT
public:
    explicit PaginaEquipo(QWidget *padre = nullptr);

    // The team read from its file, compared with a saved evaluation when one is given. A
    // saved evaluation whose file cannot be read is said in the notice, and not compared.
    void ponerEquipo(Equipo equipo, std::optional<Comparacion> comparacion = std::nullopt);

    const Equipo &equipo() const;
    const Comparacion *comparacion() const;
    QTableView *tabla() const { return m_tabla; }
    QString aviso() const;
    // With a comparison: whether the values then show beside the changes (hidden at first).
    void mostrarAnteriores(bool si);
    // The athletes in the order the table shows them, and the table (with the comparison's
    // columns) in that order.
    Equipo equipoEnOrden() const;
    TablaEquipo tablaEnOrden() const;

private:
    QLabel *m_aviso = nullptr;
    ModeloEquipo *m_modelo = nullptr;
    OrdenEquipo *m_orden = nullptr;
    QTableView *m_tabla = nullptr;
    QLabel *m_resumen = nullptr;
    GraficaGrados *m_grafica = nullptr;
    bool m_anteriores = false;
};

}  // namespace korva
