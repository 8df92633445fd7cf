#include "nucleo/listas/partes_de_libro.h"

#include <cmath>

namespace korva::libro {

QString danado()
{
    return QStringLiteral("el archivo está dañado o no es una hoja de cálculo");
}

QString filasDeMas()
{
    return QStringLiteral("la hoja tiene más de %1 filas, y una plantilla cabe en muchas menos: copie los atletas "
                          "a una hoja nueva")
        .arg(MaximoDeFilas);
}

ResultadoDe<QByteArray> parte(ArchivoZip &zip, const QString &nombre, bool obligatoria)
{
    using P = ResultadoDe<QByteArray>;
    if (!zip.tiene(nombre))
        return obligatoria ? P::falla(QStringLiteral("%1 (falta «%2»)").arg(danado(), nombre)) : P::exito();
    const ResultadoDe<QByteArray> leida = zip.leer(nombre, MaximoPorParte);
    if (!leida)
        return P::falla(QStringLiteral("%1 (%2)").arg(danado(), leida.razon()));
    return leida;
}

QString comoTexto(double v)
{
    if (std::isfinite(v) && v == std::floor(v) && std::abs(v) < 1e15)
        return QString::number(qint64(v));
    return QString::number(v, 'g', 15);
}

}  // namespace korva::libro
