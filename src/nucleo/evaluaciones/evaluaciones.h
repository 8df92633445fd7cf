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

// A whole record file as it lies on disk (under its shared lock, so never half written),
// empty when there is none.
ResultadoDe<QByteArray> leerArchivoEntero(const QString &ruta);

}  // namespace korva
