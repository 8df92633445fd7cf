#pragma once

#include <QString>
#include <QTextStream>

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
    QString m_carpeta;
    int m_pestana;
    QString m_evaluacion;
    QTextStream &m_salida;
    QTextStream &m_errores;
};

}  // namespace korva
