#include "pantallas/hoja/hoja_de_registro.h"

#include "nucleo/calificacion/calificar_registro.h"
#include "nucleo/registros/tipo_reg.h"
#include "pantallas/evaluacion/pantalla_fundamentos.h"
#include "pantallas/evaluacion/hoja_de_evaluacion.h"
#include "pantallas/evaluacion/pantalla_nivel.h"

#include <QBuffer>
#include <QLocale>
#include <QPdfWriter>
#include <QPrinterInfo>

namespace korva {

Hoja hojaDeRegistro(const DefArchivo &archivo, const QStringList &textos, const QDate &fecha)
{
    return hojaDeRegistro(archivo, textos, calificarRegistro(archivo, textos), fecha);
}

Hoja hojaDeRegistro(const DefArchivo &archivo, const QStringList &textos, const TipoResultados &resultados,
                    const QDate &fecha)
{
    const DefEvaluacion def = archivo.esDeNivel() ? definicionNivel(archivo.nivel) : definicionFundamentos();
    DatosHoja datos;
    for (std::size_t i = 0; i < def.mapa->size(); ++i)
        datos.cajas.emplace_back(cajaDeCampo((*def.mapa)[i]), sinRelleno(textos.value(int(i))));
    datos.resultados = resultados;
    datos.fecha = QLocale().toString(fecha, QLocale::ShortFormat);
    return hojaDeEvaluacion(def, datos);
}

}  // namespace korva
