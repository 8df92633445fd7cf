#pragma once

#include "nucleo/comun/resultado.h"
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
    // The team of the open tab, in the order on screen; the folder the PDF dialog starts in.
    MenuDeHojas(std::function<Equipo()> equipo, std::function<QString()> carpeta, QWidget *padre);

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
    // The team, or nothing (said why) when it has no athlete.
    bool hayAtletas(const QString &queHacer);

    std::function<Equipo()> m_equipo;
    std::function<QString()> m_carpeta;
};

}  // namespace korva
