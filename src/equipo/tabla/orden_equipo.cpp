#include "equipo/tabla/orden_equipo.h"

#include "equipo/tabla/modelo_equipo.h"

#include <QCollator>

namespace korva {

bool OrdenEquipo::lessThan(const QModelIndex &izquierda, const QModelIndex &derecha) const
{
    const QVariant a = izquierda.data(ModeloEquipo::RolOrden);
    const QVariant b = derecha.data(ModeloEquipo::RolOrden);
    // Empty cells last, whichever way the column is sorted: sorted downwards, the proxy
    // puts x before y when y < x, so an empty cell is then the smallest.
    const bool descendente = sortOrder() == Qt::DescendingOrder;
    if (!a.isValid() && !b.isValid())
        return false;
    if (!a.isValid())
        return descendente;
    if (!b.isValid())
        return !descendente;
    const bool numA = a.typeId() != QMetaType::QString, numB = b.typeId() != QMetaType::QString;
    if (numA && numB)
        return a.toDouble() < b.toDouble();
    if (numA != numB)
        return numA;  // numbers before texts
    static const QCollator orden;
    return orden.compare(a.toString(), b.toString()) < 0;
}

}  // namespace korva
