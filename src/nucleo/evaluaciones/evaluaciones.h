#pragma once

#include "nucleo/comun/resultado.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace korva {

// The folder of the records folder that holds the saved evaluations, one folder each.
inline const QString CarpetaEvaluaciones = QStringLiteral("Evaluaciones");

// Keeps today's five record files as a saved evaluation: copied byte for byte into
// Evaluaciones/AAAA-MM-DD (plus the label, when there is one; a second save on one day gets
// its own name), read-only. The copy is made under a temporary name, checked byte for byte
// against the files, flushed, and only then renamed: after a power cut there is either no
// saved evaluation or a whole one. A file the folder lacks is not copied (its team is empty).
// Carries the saved evaluation's folder.
ResultadoDe<QString> guardarEvaluacion(const QString &carpeta, const QString &etiqueta,
                                       const QDate &fecha = QDate::currentDate());

// The saved evaluations of the records folder, by their folders' names, newest first.
QStringList evaluacionesGuardadas(const QString &carpeta);
// The folder of a saved evaluation, by its name.
QString carpetaDeEvaluacion(const QString &carpeta, const QString &nombre);

// A saved evaluation by its folder's name, or by its label alone when exactly one has it
// (both compared in composed form, the label without regard to case); else why not.
ResultadoDe<QString> buscarEvaluacion(const QString &carpeta, const QString &texto);

// The folder's name of a saved evaluation: the date, then the label as a file's name,
// without invisible characters, cut by whole characters to at most LargoDeEtiqueta of them
// and within what a file system takes with the " (n)" of a later save of the day.
constexpr int LargoDeEtiqueta = 80;
QString nombreDeEvaluacion(const QString &etiqueta, const QDate &fecha);

// The hidden name of a saved evaluation being made; an abandoned one (the program was cut
// off while it copied) is removed by quitarRestosDeEvaluaciones(), never one still in hand.
inline const QString PrefijoEnCurso = QStringLiteral(".guardando-");
void quitarRestosDeEvaluaciones(const QString &carpeta);

}  // namespace korva
