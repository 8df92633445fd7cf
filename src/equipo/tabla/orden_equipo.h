#pragma once

#include <QSortFilterProxyModel>

namespace korva {

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
