#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/informe/comparacion.h"
#include "nucleo/informe/equipo.h"

#include <QMenu>

#include <functional>

class QPrinter;

namespace korva {

// The menu "Hojas de evaluación": every athlete's sheet of the open tab, in the order the
// table shows them, printed in one job through the print dialog (with a choice of pages),
// previewed, or saved as one PDF each into a folder. What went well is said through hecho()
// (for the status line), what failed through falla() (for a message box).
class MenuDeHojas : public QMenu
{
    Q_OBJECT
public:
    // The team of the open tab, in the order on screen, and its comparison (none without one);
    // the records folder, where the PDF dialog starts.
    MenuDeHojas(std::function<Equipo()> equipo, std::function<const Comparacion *()> comparacion,
                std::function<QString()> carpeta, QWidget *padre);

    // The sheets on a printer chosen already, one page each: how many printed.
    int imprimirEn(QPrinter &impresora);
    // One PDF per athlete into the folder.
    Resultado guardarEn(const QString &carpeta);

signals:
    void hecho(const QString &texto);
    void falla(const QString &texto);

private:
    void imprimir();
    void vistaPrevia();
    void preguntarCarpeta();
    // "Informes para las familias…": one PDF per athlete with results, into a folder chosen.
    void informesParaFamilias();
    // "Textos para las familias…": the folder's copy of the texts (made from the program's own
    // the first time), opened in the desktop's editor.
    void textosParaFamilias();
    // The team, or nothing (said why) when it has no athlete.
    bool hayAtletas(const QString &queHacer);

    std::function<Equipo()> m_equipo;
    std::function<const Comparacion *()> m_comparacion;
    std::function<QString()> m_carpeta;
};

}  // namespace korva
