#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/informe/comparacion.h"
#include "nucleo/informe/equipo.h"
#include "nucleo/informe/tabla_equipo.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

#include <functional>
#include <memory>
#include <vector>

class QPrinter;
class QWidget;

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

    // A printer set up for the report: landscape (the table is wide), in colour (the chart),
    // its job named as given (the name a print to a file proposes).
    static std::unique_ptr<QPrinter> nuevaImpresora(const QString &nombre = QString());
    // The report through the print dialog, or its preview; pintar draws it on the printer
    // chosen and says how many pages (0: the printer refused the job).
    using Pintar = std::function<int(QPrinter &)>;
    static Resultado imprimir(QWidget *padre, const QString &nombre, const Pintar &pintar);
    static void vistaPrevia(QWidget *padre, const QString &nombre, const Pintar &pintar);

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

// The report of one team on the printer's paper, drawn at the printer's resolution: its
// title, the date and the team's folder, the table (its rows in the order given, with the
// comparison's columns when there is one) with its header row on every page, then the
// summary with its chart. Returns the number of pages, 0 when the printer refused the job.
int pintarInforme(QPrinter &impresora, const Equipo &equipo, const TablaEquipo &tabla,
                  const Comparacion *comparacion = nullptr);

}  // namespace korva
