#include "equipo/tabla/pagina_equipo.h"

#include "equipo/tabla/delegado_texto.h"
#include "equipo/comun/grafica_grados.h"
#include "equipo/tabla/modelo_equipo.h"
#include "equipo/tabla/orden_equipo.h"
#include "equipo/tabla/tabla_con_columnas_fijas.h"
#include "nucleo/informe/resumen.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace korva {

PaginaEquipo::PaginaEquipo(QWidget *padre) : QWidget(padre)
{
    auto *v = new QVBoxLayout(this);
    m_aviso = new QLabel(this);
    m_aviso->setWordWrap(true);
    m_aviso->hide();
    m_modelo = new ModeloEquipo(this);
    m_orden = new OrdenEquipo(this);
    m_orden->setSourceModel(m_modelo);
    m_orden->setSortRole(ModeloEquipo::RolOrden);
    // the number and the name stay in view while the table scrolls sideways
    m_tabla = new TablaConColumnasFijas(2, this);
    m_tabla->setModel(m_orden);
    static_cast<TablaConColumnasFijas *>(m_tabla)->setItemDelegate(new DelegadoTexto(m_tabla));
    m_tabla->setSortingEnabled(true);
    m_tabla->sortByColumn(0, Qt::AscendingOrder);
    m_tabla->setAlternatingRowColors(true);
    m_tabla->setShowGrid(false);  // the rows alternate their colour instead
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabla->verticalHeader()->hide();
    m_tabla->verticalHeader()->setDefaultSectionSize(m_tabla->fontMetrics().height() + 8);
    auto *caja = new QGroupBox(QStringLiteral("Resumen del equipo"), this);
    auto *pie = new QHBoxLayout(caja);
    m_resumen = new QLabel(caja);
    m_resumen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_resumen->setWordWrap(true);
    m_grafica = new GraficaGrados(caja);
    auto *leyenda = new QLabel(LeyendaGrados, caja);
    leyenda->setWordWrap(true);
    auto *derecha = new QVBoxLayout;
    derecha->addWidget(m_grafica, 1);
    derecha->addWidget(leyenda);
    pie->addWidget(m_resumen, 1);
    pie->addLayout(derecha, 1);
    // The summary and the legend wrap within their width, but leave the layout's height to
    // the box: asking each label its height for every width costs more than the whole table.
    for (QLabel *l : {m_resumen, leyenda}) {
        QSizePolicy politica = l->sizePolicy();
        politica.setHeightForWidth(false);
        l->setSizePolicy(politica);
    }
    v->addWidget(m_aviso);
    v->addWidget(m_tabla, 1);
    caja->setMaximumHeight(230);
    v->addWidget(caja);
}

void PaginaEquipo::ponerEquipo(Equipo e, std::optional<Comparacion> comparacion)
{
    const QString ruta = QDir::toNativeSeparators(e.ruta);
    QStringList avisos;
    switch (e.estado) {
    case Equipo::Estado::Leido:
        if (e.atletas.empty())
            avisos << QStringLiteral("No hay atletas guardados en «%1».").arg(ruta);
        break;
    case Equipo::Estado::SinArchivo:
        avisos << QStringLiteral("Todavía no hay atletas: no existe el archivo «%1».").arg(ruta);
        break;
    case Equipo::Estado::Ilegible:
        avisos << QStringLiteral("No se pudo leer el archivo «%1».\nMotivo: %2").arg(ruta, e.razon);
        break;
    }
    if (comparacion && comparacion->antes.estado == Equipo::Estado::Ilegible) {
        avisos << QStringLiteral("No se puede comparar con «%1»: no se pudo leer el archivo «%2».\nMotivo: %3")
                      .arg(comparacion->evaluacion, QDir::toNativeSeparators(comparacion->antes.ruta),
                           comparacion->antes.razon);
        comparacion.reset();
    }
    m_aviso->setText(avisos.join(QLatin1Char('\n')));
    m_aviso->setVisible(!avisos.isEmpty());

    const Resumen r = resumir(e);
    m_resumen->setText(lineasDelResumen(e, comparacion ? &*comparacion : nullptr).join(QLatin1Char('\n')));
    if (comparacion)
        m_grafica->ponerResumen(r, resumir(comparacion->antes));
    else
        m_grafica->ponerResumen(r);
    m_modelo->ponerEquipo(std::move(e), std::move(comparacion));
    // Widths from the texts themselves: asking the view to measure every cell costs more
    // than reading and scoring the file.
    const std::vector<int> anchos = m_modelo->anchos(m_tabla->fontMetrics());
    const int margen = m_tabla->fontMetrics().averageCharWidth() * 3;
    for (std::size_t c = 0; c < anchos.size(); ++c)
        m_tabla->setColumnWidth(int(c), anchos[c] + margen);
    mostrarAnteriores(m_anteriores);
}

const Equipo &PaginaEquipo::equipo() const
{
    return m_modelo->equipo();
}

const Comparacion *PaginaEquipo::comparacion() const
{
    const std::optional<Comparacion> &c = m_modelo->comparacion();
    return c ? &*c : nullptr;
}

void PaginaEquipo::mostrarAnteriores(bool si)
{
    // with a comparison, the changes are what a coach reads first; the values then on demand
    m_anteriores = si;
    const TablaEquipo &t = m_modelo->tabla();
    for (int c = 0; c < t.columnas.size(); ++c)
        m_tabla->setColumnHidden(c, !si && c >= t.columnasPropias && t.columnas[c].endsWith(QStringLiteral(" antes")));
}

QString PaginaEquipo::aviso() const
{
    return m_aviso->text();
}

Equipo PaginaEquipo::equipoEnOrden() const
{
    Equipo e = m_modelo->equipo();
    e.atletas.clear();
    for (int fila = 0; fila < m_orden->rowCount(); ++fila) {
        const std::size_t n = std::size_t(m_orden->mapToSource(m_orden->index(fila, 0)).row());
        if (n < m_modelo->equipo().atletas.size())  // not an athlete who is no longer there
            e.atletas.push_back(m_modelo->equipo().atletas[n]);
    }
    return e;
}

TablaEquipo PaginaEquipo::tablaEnOrden() const
{
    TablaEquipo t = m_modelo->tabla();
    t.filas.clear();
    t.numeros.clear();
    for (int fila = 0; fila < m_orden->rowCount(); ++fila) {
        const std::size_t n = std::size_t(m_orden->mapToSource(m_orden->index(fila, 0)).row());
        t.filas.push_back(m_modelo->tabla().filas[n]);
        t.numeros.push_back(m_modelo->tabla().numeros[n]);
    }
    return t;
}

}  // namespace korva
