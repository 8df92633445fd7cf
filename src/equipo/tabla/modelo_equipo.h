#pragma once

#include "nucleo/calificacion/grado.h"
#include "nucleo/informe/equipo.h"
#include "nucleo/informe/tabla_equipo.h"

#include <QAbstractTableModel>
#include <QFontMetrics>

namespace korva {

// The athletes of one file as a table: one row per athlete, the columns of columnasDatos()
// then those of columnasResultados(), and with a comparison its columns (each percentage then
// and its change, the overall grade then and how it went) and a row for each athlete who is
// no longer there. A result that cannot be scored is an empty cell, as the screen leaves its
// label.
class ModeloEquipo : public QAbstractTableModel
{
    Q_OBJECT
public:
    // What sorting a column compares: its numbers, its grades in their order, or its texts.
    static constexpr int RolOrden = Qt::UserRole;

    explicit ModeloEquipo(QObject *padre = nullptr);
    // The team, and its comparison with a saved evaluation when one is chosen.
    void ponerEquipo(Equipo equipo, std::optional<Comparacion> comparacion = std::nullopt);
    const Equipo &equipo() const { return m_equipo; }
    const std::optional<Comparacion> &comparacion() const { return m_comparacion; }
    const TablaEquipo &tabla() const { return m_tabla; }

    int rowCount(const QModelIndex &padre = {}) const override;
    int columnCount(const QModelIndex &padre = {}) const override;
    QVariant data(const QModelIndex &indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

    // The text of a cell, as shown.
    QString texto(int fila, int columna) const { return m_tabla.filas[std::size_t(fila)].value(columna); }
    // Whether a column holds grades (I to SN).
    bool esColumnaDeGrado(int columna) const;
    // The width each column needs for its header and its texts, in the font given.
    std::vector<int> anchos(const QFontMetrics &fm) const;

private:
    QVariant claveDeOrden(int columna, const QString &texto, std::optional<double> numero) const;

    Equipo m_equipo;
    std::optional<Comparacion> m_comparacion;
    TablaEquipo m_tabla;
    // Each row's texts and sort keys, made once when the team is put in: the view asks for
    // them again on every paint and every comparison of a sort.
    std::vector<std::vector<QVariant>> m_claves;
};

}  // namespace korva
