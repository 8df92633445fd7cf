#include "equipo/modelo_equipo.h"

#include <QFontMetrics>
#include <QSet>

namespace korva {

ModeloEquipo::ModeloEquipo(QObject *padre) : QAbstractTableModel(padre) {}

void ModeloEquipo::ponerEquipo(Equipo equipo)
{
    beginResetModel();
    m_equipo = std::move(equipo);
    m_columnas = columnasDatos(m_equipo.archivo) + columnasResultados(m_equipo.archivo);
    m_celdas.clear();
    m_claves.clear();
    for (const Atleta &a : m_equipo.atletas) {
        m_celdas.push_back(celdas(a));
        std::vector<QVariant> claves;
        for (int c = 0; c < m_celdas.back().size(); ++c)
            claves.push_back(claveDeOrden(c, m_celdas.back()[c]));
        m_claves.push_back(std::move(claves));
    }
    endResetModel();
}

int ModeloEquipo::rowCount(const QModelIndex &padre) const
{
    return padre.isValid() ? 0 : int(m_equipo.atletas.size());
}

int ModeloEquipo::columnCount(const QModelIndex &padre) const
{
    return padre.isValid() ? 0 : int(m_columnas.size());
}

bool ModeloEquipo::esColumnaDeGrado(int columna) const
{
    return korva::esColumnaDeGrado(m_equipo.archivo, columna);
}

QVariant ModeloEquipo::claveDeOrden(int columna, const QString &t) const
{
    if (t.trimmed().isEmpty())
        return {};
    if (esColumnaDeGrado(columna))
        return ordenDeGrado(t);
    if (esColumnaNumerica(m_equipo.archivo, columna))
        if (const auto v = comoNumero(t))
            return *v;
    return t;
}

std::vector<int> ModeloEquipo::anchos(const QFontMetrics &fm) const
{
    // Only the longest texts of a column are measured: in a column of numbers or grades
    // the longest is the widest, and in the names nearly so.
    std::vector<int> a;
    for (int c = 0; c < m_columnas.size(); ++c) {
        qsizetype largo = 0;
        for (const QStringList &fila : m_celdas)
            largo = std::max(largo, fila[c].size());
        QSet<QString> medir{m_columnas[c]};
        for (const QStringList &fila : m_celdas)
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
        return m_columnas.value(seccion);
    return {};
}

}  // namespace korva
