#include "equipo/impresion.h"

#include "equipo/informe_impreso.h"

namespace korva {

QString fechaEnEspanol(const QDate &fecha, const QLocale &locale)
{
    // The program speaks Spanish: the date in words is Spanish, in the form of the desktop's
    // country where Spanish has one (es_US, es_MX…), else as in Spain.
    const QLocale espanol =
        locale.language() == QLocale::Spanish ? locale : QLocale(QLocale::Spanish, locale.territory());
    return espanol.toString(fecha, QLocale::LongFormat);
}

int pintarInforme(QPrinter &impresora, const Equipo &equipo, const TablaEquipo &tabla, const Comparacion *comparacion)
{
    return InformeImpreso(impresora, equipo, tabla, comparacion).pintar();
}

}  // namespace korva
