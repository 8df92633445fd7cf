#pragma once

#include <QString>

namespace korva {

// A name as athletes are matched everywhere (the comparison, the import, the station):
// composed, its case ignored, the blanks around it ignored.
QString claveDeNombre(const QString &nombre);

}  // namespace korva
