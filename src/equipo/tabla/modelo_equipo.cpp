#include "equipo/tabla/modelo_equipo.h"

#include <QColor>
#include <QFontMetrics>
#include <QSet>

namespace korva {

ModeloEquipo::ModeloEquipo(QObject *padre) : QAbstractTableModel(padre) {}

void ModeloEquipo::ponerEquipo(Equipo equipo, std::optional<Comparacion> comparacion)
{
    beginResetModel();
    m_equipo = std::move(equipo);
    m_comparacion = std::move(comparacion);
    m_tabla = tablaDeEquipo(m_equipo, m_comparacion ? &*m_comparacion : nullptr);
    m_claves.clear();
    for (std::size_t f = 0; f < m_tabla.filas.size(); ++f) {
        const QStringList &fila = m_tabla.filas[f];
        std::vector<QVariant> claves;
        for (int c = 0; c < fila.size(); ++c)
            claves.push_back(claveDeOrden(c, fila[c], m_tabla.numeros[f].at(std::size_t(c))));
        m_claves.push_back(std::move(claves));
    }
    endResetModel();
}

int ModeloEquipo::rowCount(const QModelIndex &padre) const
{
    return padre.isValid() ? 0 : int(m_tabla.filas.size());
}

int ModeloEquipo::columnCount(const QModelIndex &padre) const
{
    return padre.isValid() ? 0 : int(m_tabla.columnas.size());
}

bool ModeloEquipo::esColumnaDeGrado(int columna) const
{
    return m_tabla.tipos.at(std::size_t(columna)) == TipoColumna::Grado;
}

QVariant ModeloEquipo::claveDeOrden(int columna, const QString &t, std::optional<double> numero) const
{
    if (t.trimmed().isEmpty())
        return {};
    if (esColumnaDeGrado(columna))
        return ordenDeGrado(t);
    if ((m_tabla.tipos.at(std::size_t(columna)) == TipoColumna::Numero
         || m_tabla.tipos.at(std::size_t(columna)) == TipoColumna::Cambio)
        && numero)
        return *numero;
    return t;
}

std::vector<int> ModeloEquipo::anchos(const QFontMetrics &fm) const
{
    // Only the longest texts of a column are measured: in a column of numbers or grades
    // the longest is the widest, and in the names nearly so.
    std::vector<int> a;
    for (int c = 0; c < m_tabla.columnas.size(); ++c) {
        qsizetype largo = 0;
        for (const QStringList &fila : m_tabla.filas)
            largo = std::max(largo, fila[c].size());
        QSet<QString> medir{m_tabla.columnas[c]};
        for (const QStringList &fila : m_tabla.filas)
            if (fila[c].size() + (c == 1 ? 3 : 0) >= largo)
                medir.insert(fila[c]);
        int w = 0;
        for (const QString &t : medir)
            w = std::max(w, fm.horizontalAdvance(t));
        a.push_back(w);
    }
    return a;
}

QVariant ModeloEquipo::data(const QModelIndex &indice, int rol) const
{
    if (!indice.isValid() || indice.row() >= rowCount() || indice.column() >= columnCount())
        return {};
    switch (rol) {
    case Qt::DisplayRole:
        return texto(indice.row(), indice.column());
    case Qt::ForegroundRole: {
        // how an athlete went since the saved evaluation, in colour at a glance
        if (indice.column() < m_tabla.columnasPropias)
            return {};
        const QString t = texto(indice.row(), indice.column());
        if (t.startsWith(QLatin1Char('+')) || t == evolucion::Mejora)
            return QColor(0, 130, 0);
        if ((t.startsWith(QLatin1Char('-')) && t.size() > 1) || t == evolucion::Baja)
            return QColor(200, 0, 0);
        return {};
    }
    case Qt::TextAlignmentRole:
        return indice.column() == 1 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    case RolOrden:
        return m_claves[std::size_t(indice.row())][std::size_t(indice.column())];
    default:
        return {};
    }
}

QVariant ModeloEquipo::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (rol != Qt::DisplayRole)
        return {};
    if (orientacion == Qt::Horizontal)
        return m_tabla.columnas.value(seccion);
    return {};
}

}  // namespace korva
