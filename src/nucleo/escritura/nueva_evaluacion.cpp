#include "nucleo/escritura/nueva_evaluacion.h"

#include "nucleo/escritura/escritura_de_registros.h"
#include "nucleo/evaluaciones/evaluaciones.h"
#include "nucleo/registros/archivo_entero.h"
#include "nucleo/registros/mapa_campos.h"

#include <QDir>

namespace korva {

ResultadoDe<QString> nuevaEvaluacion(const QString &carpeta, const QString &etiqueta)
{
    using R = ResultadoDe<QString>;
    EscrituraDeRegistros escritura(carpeta);
    if (!escritura.cerrojo())
        return R::falla(escritura.cerrojo());
    for (const DefArchivo &d : DefArchivos) {
        const ResultadoDe<QByteArray> leido = escritura.leer(d);
        if (!leido)
            return R::falla(QStringLiteral("%1; no se cambió nada").arg(leido.razon()));
        QByteArray bytes = leido.valor();
        const MapaCampos &mapa = camposDe(d);
        for (int n = 1; n <= RegistrosPorArchivo && qsizetype(n) * LongitudRegistro <= bytes.size(); ++n) {
            TipoReg r = registroEn(bytes, n);
            if (r.campo(Campo::Nombre).trimmed().isEmpty())
                continue;
            for (std::size_t i = 2; i < mapa.size(); ++i)  // the tests; the name and age stay
                r.guardar(mapa[i], QString());
            ponerRegistroEn(bytes, n, r);
        }
        escritura.cambiar(d, bytes);
    }
    if (const Resultado r = escritura.preparar(); !r)
        return R::falla(r);
    const ResultadoDe<QString> guardada = guardarEvaluacion(escritura.carpeta(), etiqueta);
    if (!guardada)
        return R::falla(
            QStringLiteral("no se pudo guardar la evaluación actual (%1); no se cambió nada").arg(guardada.razon()));
    if (const Resultado r = escritura.aplicar(); !r) {
        // Nothing changed: the evaluation saved for this action goes too.
        if (escritura.todoComoAntes())
            QDir(guardada.valor()).removeRecursively();
        return R::falla(r);
    }
    return guardada;
}

}  // namespace korva
