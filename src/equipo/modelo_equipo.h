#pragma once

#include "nucleo/calificacion/grado.h"
#include "nucleo/informe/equipo.h"

#include <QAbstractTableModel>
#include <QFontMetrics>

namespace korva {

// The athletes of one file as a table: one row per athlete, the columns of columnasDatos()
// then those of columnasResultados(). A result that cannot be scored is an empty cell, as the
// screen leaves its label.
class ModeloEquipo : public QAbstractTableModel
{
    Q_OBJECT
public:
    // What sorting a column compares: its numbers, its grades in their order, or its texts.
    static constexpr int RolOrden = Qt::UserRole;

    explicit ModeloEquipo(QObject *padre = nullptr);
    void ponerEquipo(Equipo equipo);
    const Equipo &equipo() const { return m_equipo; }

    int rowCount(const QModelIndex &padre = {}) const override;
    int columnCount(const QModelIndex &padre = {}) const override;
    QVariant data(const QModelIndex &indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

    // The text of a cell, as shown.
    QString texto(int fila, int columna) const { return m_celdas[std::size_t(fila)].value(columna); }
    // Whether a column holds grades (I to SN).
    bool esColumnaDeGrado(int columna) const;
    // The width each column needs for its header and its texts, in the font given.
    std::vector<int> anchos(const QFontMetrics &fm) const;

private:
    QVariant claveDeOrden(int columna, const QString &texto) const;

    Equipo m_equipo;
    QStringList m_columnas;
    // Each row's texts and sort keys, made once when the team is put in: the view asks for
    // them again on every paint and every comparison of a sort.
    std::vector<QStringList> m_celdas;
    std::vector<std::vector<QVariant>> m_claves;
};

}  // namespace korva
