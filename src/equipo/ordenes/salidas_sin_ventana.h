#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/informe/equipo.h"

#include <QString>
#include <QTextStream>

#include <functional>

namespace korva {

// What the command line writes without a window, once its arguments are checked: the export
// (.xlsx or CSV), the athletes' sheets and the family reports, of one tab or of the five, with
// a saved evaluation's comparison when one is given. Each returns the process's exit code,
// with what it did on the output and every failure's reason, in Spanish, on the errors.
class SalidasSinVentana
{
public:
    SalidasSinVentana(QString carpeta, int pestana, QString evaluacion, QTextStream &salida, QTextStream &errores)
        : m_carpeta(std::move(carpeta)), m_pestana(pestana), m_evaluacion(std::move(evaluacion)), m_salida(salida),
          m_errores(errores)
    {}

    int exportar(const QString &ruta);
    int hojas(const QString &destino);
    int familias(const QString &destino);

    // Why a folder could not be made: the reason at the first part of its path that fails.
    static QString razonAlCrear(const QString &ruta);

private:
    // The files of each tab asked (or all five) into the folder, made if missing: what is left
    // out said on the errors, one line each, and the count of all on the output.
    int porPestana(const QString &destino, const QString &que, const QString &cadaUno, const QString &hecho,
                   const std::function<ResultadoDe<int>(const Equipo &, QStringList &)> &guardar);

    QString m_carpeta;
    int m_pestana;
    QString m_evaluacion;
    QTextStream &m_salida;
    QTextStream &m_errores;
};

}  // namespace korva
