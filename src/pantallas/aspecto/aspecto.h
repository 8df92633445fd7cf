#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace korva {

// The program's colours.
namespace color {
inline const QColor fondo(255, 192, 128);  // evaluation screens, INICIO, MENU
inline const QColor naranja(255, 128, 0);  // ordinary buttons
inline const QColor rojo(255, 0, 0);       // exit buttons
inline const QColor verde(0, 192, 0);      // "IMPRIMIR", "Guardar Registro" on fundamentals
inline const QColor azulClaro(128, 128, 255);
inline const QColor azulOscuro(0, 0, 192);
inline const QColor azul(0, 0, 255);
inline const QColor marino(0, 0, 128);
inline const QColor verdeOscuro(0, 128, 0);
inline const QColor verdeVivo(0, 255, 0);
inline const QColor negro(0, 0, 0);
inline const QColor blanco(255, 255, 255);
}  // namespace color

struct Fuente {
    double puntos = 8.25;
    bool negrita = false;
    bool cursiva = false;
    const char *familia = "MS Sans Serif";
};

// The fonts the screens use most.
namespace letra {
inline const Fuente Normal{8.25};               // buttons, small captions
inline const Fuente NormalNegrita{8.25, true};  // sub-headings over boxes
inline const Fuente Subtitulo{12, true};
inline const Fuente Titulo{13.5, true};  // labels and boxes of the screens
}  // namespace letra

// A font whose size is set in pixels, point size x 96 / 72, so that the designed look
// holds on a display of any dpi.
QFont fuente(const Fuente &f);

// Fonts and Qt's own texts for the whole program: the designed faces are mapped onto
// metric-compatible ones, and Qt's buttons speak Spanish.
void instalarAspecto();
// Qt's own texts in Spanish (buttons, dialogs, the command line's help); needs only a
// QCoreApplication, so a run with no window has them too.
void instalarTraducciones();

void ponerFondo(QWidget *w, const QColor &c);

}  // namespace korva
