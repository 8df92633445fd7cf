#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/informe/equipo.h"
#include "pantallas/base/escritorio.h"

#include <QDate>
#include <QPageSize>

#include <functional>

#include <vector>

namespace korva {

// The evaluation sheet of every athlete of a team, in the order given, as "IMPRIMIR" prints
// each on its screen.
std::vector<Hoja> hojasDelEquipo(const Equipo &equipo, const QDate &fecha = QDate::currentDate());

// The sheets as one PDF document, one page each, as a printer with that paper would get
// them: turned landscape, scaled to the printable area, the text kept as text.
ResultadoDe<QByteArray> hojasEnPdf(const std::vector<Hoja> &hojas, const QPageSize &papel, const QString &titulo);

// The name of an athlete's PDF: the team's heading, the record number and the name, e.g.
// "NIVEL 2 - 03 - José Núñez.pdf", with nothing that a file system would refuse (slashes,
// colons, quotes, control characters, a trailing dot).
QString nombreDeHoja(const Equipo &equipo, const Atleta &atleta);

// One PDF per athlete who has at least one result, in the folder, each put in place whole, as
// the exports are; an existing file of the same name is replaced. Carries how many were
// written; the athletes left out (no result: their sheet would be blank) are added to the
// list given, each as "NAME (registro N): sin resultados".
ResultadoDe<int> guardarHojasEnPdf(const Equipo &equipo, const QString &carpeta,
                                   const QDate &fecha = QDate::currentDate(), QStringList *omitidos = nullptr);
// One PDF per athlete who has at least one result, in the folder, named and made by the
// functions given, each put in place whole; the others added to the list given. The count.
ResultadoDe<int> guardarUnPdfPorAtleta(const Equipo &equipo, const QString &carpeta, QStringList *omitidos,
                                       const std::function<QString(const Atleta &)> &nombreDe,
                                       const std::function<ResultadoDe<QByteArray>(std::size_t)> &pdfDe);

// The athlete left out, in those words.
QString sinResultados(const Atleta &atleta);

}  // namespace korva
