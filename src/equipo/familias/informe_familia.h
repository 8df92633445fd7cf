#pragma once

#include "equipo/familias/textos_familias.h"
#include "nucleo/comun/resultado.h"
#include "nucleo/informe/comparacion.h"
#include "nucleo/informe/datos_del_equipo.h"
#include "nucleo/informe/equipo.h"

#include <QDate>
#include <QPageSize>

class QPainter;

namespace korva {

// A report a family understands, one page for one athlete: the name and age, the team, the
// level, the date in Spanish words and the coach; a row per capacity with the raw results and
// their units, the percentage, the grade on a five-step coloured scale and a sentence of what
// it means; the overall grade; with a saved evaluation, each result then and how it changed;
// advice for the capacity with the lowest grade; and of the team, only its mean. No other
// athlete's name or value appears.
struct DatosFamilia {
    const Equipo *equipo = nullptr;
    std::size_t atleta = 0;                    // in equipo->atletas
    const Comparacion *comparacion = nullptr;  // with a saved evaluation, or none
    DatosDelEquipo datos;                      // the team's and the coach's names
    QString nombreEquipo;
    const TextosFamilias *textos = nullptr;
    QDate fecha = QDate::currentDate();
};

// The report drawn on a page of that size, in 96-dpi units.
void pintarInformeDeFamilia(QPainter &p, const QSizeF &pagina, const DatosFamilia &datos);
// The report as a one-page PDF.
ResultadoDe<QByteArray> informeDeFamiliaEnPdf(const DatosFamilia &datos);
// Its file's name: "Familia - NIVEL 2 - 03 - José Núñez.pdf".
QString nombreDeInformeDeFamilia(const Equipo &equipo, const Atleta &atleta);

// One report per athlete who has at least one result, into the folder, each put in place
// whole; those left out are added to the list given ("NAME (registro N): sin resultados").
// Carries how many were written.
ResultadoDe<int> guardarInformesDeFamilias(const Equipo &equipo, const Comparacion *comparacion, const QString &carpeta,
                                           QStringList *omitidos = nullptr, const QDate &fecha = QDate::currentDate());

}  // namespace korva
