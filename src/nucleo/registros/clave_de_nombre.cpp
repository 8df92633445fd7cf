#include "nucleo/registros/clave_de_nombre.h"

namespace korva {

QString claveDeNombre(const QString &nombre)
{
    return nombre.normalized(QString::NormalizationForm_C).trimmed().toCaseFolded();
}

}  // namespace korva
