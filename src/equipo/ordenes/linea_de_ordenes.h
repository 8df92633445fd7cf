#pragma once

#include "nucleo/escritura/importacion.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace korva {

// What korva4-equipo is asked on its command line. With no action it opens its window (on
// the folder given, or the current one); an action runs with no window and no display,
// prints the reason of a failure in Spanish on standard error and ends with a non-zero code.
class LineaDeOrdenes
{
public:
    LineaDeOrdenes();

    // Reads the arguments (the program's name first); false when they make no sense.
    bool leer(const QStringList &argumentos);
    QString error() const { return m_parser.errorText(); }
    bool conVentana() const;
    // Whether the action draws (the sheets): it then needs a QApplication, offscreen where
    // there is no display.
    bool dibuja() const;
    // The records folder, absolute: --carpeta, or the current folder.
    QString carpeta() const;

    // Runs the action asked (or prints the help): the process's exit code.
    int ejecutar(QTextStream &salida, QTextStream &errores);

private:
    // Every argument checked and what the actions need read (the roster to import), before
    // anything is written: 0, or the exit code with the reason said.
    int comprobar(QTextStream &errores);
    int exportar(QTextStream &salida, QTextStream &errores);
    int hojas(QTextStream &salida, QTextStream &errores);
    int familias(QTextStream &salida, QTextStream &errores);
    int evaluaciones(QTextStream &salida, QTextStream &errores);
    int importar(QTextStream &salida, QTextStream &errores);
    int valores(QTextStream &salida, QTextStream &errores);

    QCommandLineParser m_parser;
    QCommandLineOption m_ayuda;
    QCommandLineOption m_carpeta;
    QCommandLineOption m_exportar;
    QCommandLineOption m_pestana;
    QCommandLineOption m_hojas;
    QCommandLineOption m_guardarEvaluacion;
    QCommandLineOption m_compararCon;
    QCommandLineOption m_nuevaEvaluacion;
    QCommandLineOption m_importar;
    QCommandLineOption m_hoja;
    QCommandLineOption m_sinFundamentos;
    QCommandLineOption m_familias;
    QCommandLineOption m_prueba;
    QCommandLineOption m_valores;

    // What comprobar() found: the tab of --pestana (-1: all), the export's path, the saved
    // evaluation to compare with, the sheets' folder, the roster to import.
    int m_pestanaPedida = -1;
    QString m_rutaExportar;
    QString m_evaluacion;
    QString m_destinoHojas;
    QString m_destinoFamilias;
    ListaDeAtletas m_lista;
    int m_pruebaPedida = -1;
    std::vector<QStringList> m_filasDeValores;
};

// The tab of a record file's name without ".dat" (nivel1 to nivel4, fundamentos); -1 for none.
int pestanaPorNombre(const QString &nombre);

}  // namespace korva
