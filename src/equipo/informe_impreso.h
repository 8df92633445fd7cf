#pragma once

#include "nucleo/informe/comparacion.h"
#include "nucleo/informe/equipo.h"
#include "nucleo/informe/tabla_equipo.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

#include <memory>
#include <vector>

class QPrinter;

namespace korva {

// The printed report of one team, laid out on the printer's pages at its resolution: the
// title, the date and the team's folder, the table with its header row on every page, the
// summary with its chart and legend, and the page number at the foot of each page. A table
// wider than the page is set in a smaller type, down to 6 points, so every text fits its cell.
class InformeImpreso
{
public:
    InformeImpreso(QPrinter &impresora, const Equipo &equipo, const TablaEquipo &tabla, const Comparacion *comparacion);

    // The whole report: the number of pages, 0 when the printer refused the job.
    int pintar();

    // A printer set up for the report: landscape (the table is wide), in colour (the chart).
    static std::unique_ptr<QPrinter> nuevaImpresora();

private:
    void medirColumnas();
    void pintarTitulo();
    void pintarCabecera();
    void pintarFila(const QStringList &textos);
    void pintarResumen();
    void pintarPie();
    void paginaNueva();
    QRectF renglon(double alto) const;

    QPrinter &m_impresora;
    const Equipo &m_equipo;
    const TablaEquipo &m_tabla;
    const Comparacion *m_comparacion;
    QPainter m_p;
    QRectF m_pagina;
    std::vector<double> m_anchos;
    QFont m_normal, m_cabecera;
    double m_altoFila = 0, m_altoCabecera = 0, m_fondo = 0;
    double m_y = 0;
    int m_numero = 1;
};

}  // namespace korva
