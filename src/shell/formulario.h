#pragma once

#include "aspecto.h"

#include <QHash>
#include <QRect>
#include <QString>

#include <vector>

class QLineEdit;

namespace korva {

// A form as data: one row per control, in stacking order (later rows lie above).
enum class Tipo { Etiqueta, Texto, Boton, Imagen, Marco, CajaImagen };

enum Bandera : unsigned {
    Ninguna = 0,
    Centrado = 1u << 0,
    Ajustado = 1u << 1,   // sized to its text
    Borde = 1u << 2,      // single-line border
    Opaco = 1u << 3,      // label on its own background colour
    Estirado = 1u << 4,   // picture stretched to fill the box
    Partido = 1u << 5,    // caption wrapped over several lines
    Clave = 1u << 6,      // text box that shows "*" for each character
};

struct DefControl {
    Tipo tipo;
    const char *nombre;
    QString texto;       // caption, or the resource path of a picture
    QRect geo;           // left, top, width, height in the container's client area
    Fuente letra{13.5, true};
    QColor color{};      // text colour; the face of a button; the background of a frame
    unsigned banderas = Ninguna;
    const char *dentro = nullptr;  // the container, when it is not the form itself
    QColor fondo{};      // background of an opaque label or a text box
};

// A line: a filled rectangle of the given width, centred on the given coordinates.
struct DefLinea {
    const char *nombre;
    int x1, y1, x2, y2;
    int ancho;
    QColor color = color::negro;
};

// Builds the controls on a form; lines lie below every control. Returns the controls by name.
QHash<QString, QWidget *> construirFormulario(QWidget *forma, const std::vector<DefLinea> &lineas,
                                              const std::vector<DefControl> &controles);

// The keyboard order of the named controls, first to last.
void ordenTabulacion(const QHash<QString, QWidget *> &controles, const QStringList &orden);

QRect rectLinea(const DefLinea &l);

}  // namespace korva
