#include "nucleo/calificacion/calificar_registro.h"

#include "nucleo/calificacion/calificar_fundamentos.h"
#include "nucleo/calificacion/calificar_nivel.h"

namespace korva {

TipoResultados calificarRegistro(const DefArchivo &archivo, const QStringList &t, const TipoResultados &actuales)
{
    if (archivo.esDeNivel())
        return Calificar_Nivel(archivo.nivel, {t.value(2), t.value(3), t.value(4), t.value(5), t.value(6)}, actuales);
    return Calificar_Fundamentos(
        {t.value(2), t.value(3), t.value(4), t.value(5), t.value(6), t.value(7), t.value(8), t.value(9)}, actuales);
}

}  // namespace korva
