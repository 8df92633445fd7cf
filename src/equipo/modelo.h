#pragma once

#include "informe/equipo.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QSortFilterProxyModel>

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

    QStringList columnas() const { return m_columnas; }
    // The text of a cell, as shown.
    QString texto(int fila, int columna) const { return m_celdas[std::size_t(fila)].value(columna); }
    // Whether a column holds grades (I to SN).
    bool esColumnaDeNivel(int columna) const;
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

// Draws a cell's text straight on the painter, in the view's colours: the table of a team is
// only text, and the style's full item painting costs more than the rest of a paint.
class DelegadoTexto : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;

private:
    // Each text shaped once into its glyphs: a team's cells repeat the same numbers and
    // grades, and shaping the text is most of what painting a cell costs.
    struct Forma {
        QList<QGlyphRun> glifos;
        QSizeF tamano;
    };
    mutable QHash<QString, Forma> m_formas;
    mutable QFont m_letra;
};

// Sorts by RolOrden: numbers by value, grades I, II, III, IV, SN, texts as the locale sorts
// them; empty cells always last.
class OrdenEquipo : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &izquierda, const QModelIndex &derecha) const override;
};

}  // namespace korva
