#pragma once

#include "pantallas/aspecto/aspecto.h"
#include "pantallas/aspecto/boton_plano.h"
#include "pantallas/aspecto/caja_imagen.h"
#include "pantallas/aspecto/etiqueta.h"
#include "pantallas/aspecto/marco.h"

#include <QFlags>
#include <QHash>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

namespace korva {

class Escritorio;

// A form as data: one row per control, in stacking order (later rows lie above). A row is
// made by the maker of its kind (etiqueta, caja, boton, ...), which gives the kind's usual
// font, and reads on from there: .conLetra(), .conColor(), .centrado(), .en("Frame1").
enum class Tipo { Etiqueta, Texto, Boton, Imagen, Marco, CajaImagen, Documento };

enum class Bandera : unsigned {
    Centrado = 1u << 0,
    Ajustado = 1u << 1,  // sized to its text
    Borde = 1u << 2,     // single-line border
    Opaco = 1u << 3,     // label on its own background colour
    Estirado = 1u << 4,  // picture stretched to fill the box
    Partido = 1u << 5,   // caption wrapped over several lines
    Clave = 1u << 6,     // text box that shows "*" for each character
};
Q_DECLARE_FLAGS(Banderas, Bandera)
Q_DECLARE_OPERATORS_FOR_FLAGS(Banderas)

struct DefControl {
    Tipo tipo;
    const char *nombre;
    QString texto;  // caption, the resource path of a picture or a document, a text box's accessible name
    QRect geo;      // left, top, width, height in the container's client area
    Fuente letra;
    QColor color{};  // text colour; the face of a button; the background of a frame
    Banderas banderas{};
    const char *dentro = nullptr;  // the container, when it is not the form itself
    QColor fondo{};                // background of an opaque label or a text box
    QString ayuda;                 // a text box's tooltip and accessible description

    DefControl conLetra(const Fuente &f) const
    {
        return cambiado([&](DefControl &d) { d.letra = f; });
    }
    DefControl conColor(const QColor &c) const
    {
        return cambiado([&](DefControl &d) { d.color = c; });
    }
    DefControl sobre(const QColor &c) const
    {
        return cambiado([&](DefControl &d) { d.fondo = c; });
    }
    DefControl en(const char *contenedor) const
    {
        return cambiado([&](DefControl &d) { d.dentro = contenedor; });
    }
    DefControl centrado(bool si = true) const { return con(Bandera::Centrado, si); }
    DefControl ajustado(bool si = true) const { return con(Bandera::Ajustado, si); }
    DefControl borde() const { return con(Bandera::Borde); }
    DefControl opaco() const { return con(Bandera::Opaco); }
    DefControl estirado() const { return con(Bandera::Estirado); }
    DefControl partido() const { return con(Bandera::Partido); }
    DefControl clave() const { return con(Bandera::Clave); }
    // A text box's unit and form, as its tooltip and its description for a screen reader.
    DefControl conAyuda(const QString &texto) const
    {
        return cambiado([&](DefControl &d) { d.ayuda = texto; });
    }
    // A text box's name for a screen reader: the caption of the label beside it.
    DefControl leida(const QString &nombre) const
    {
        return cambiado([&](DefControl &d) { d.texto = nombre; });
    }

private:
    template <typename F> DefControl cambiado(F &&cambio) const
    {
        DefControl d = *this;
        cambio(d);
        return d;
    }
    DefControl con(Bandera b, bool si = true) const
    {
        return cambiado([&](DefControl &d) { d.banderas.setFlag(b, si); });
    }
};

// The makers. Labels, text boxes and frames are written in the screens' 13.5 pt bold,
// buttons in 8.25 pt regular.
DefControl etiqueta(const char *nombre, const QString &texto, const QRect &geo);
DefControl caja(const char *nombre, const QRect &geo);
DefControl boton(const char *nombre, const QString &texto, const QRect &geo, const QColor &cara);
DefControl imagen(const char *nombre, const char *recurso, const QRect &geo);
DefControl marco(const char *nombre, const QString &titulo, const QRect &geo, const QColor &fondo);
DefControl cajaImagen(const char *nombre, const char *recurso, const QRect &geo);
// A reference document shown as an icon that opens it.
DefControl documento(const char *nombre, const char *recurso, const QRect &geo);

// A line: a filled rectangle of the given width, centred on the given coordinates.
struct DefLinea {
    const char *nombre;
    int x1, y1, x2, y2;
    int ancho;
    QColor color = color::negro;
};

using Controles = QHash<QString, QWidget *>;

// Builds the controls on a form; lines lie below every control. Returns the controls by
// name. Document icons hand their documents to the desktop given.
Controles construirFormulario(QWidget *forma, const std::vector<DefLinea> &lineas,
                              const std::vector<DefControl> &controles, Escritorio *escritorio = nullptr);

// A control of a form by its name and kind. A name that the form lacks, or a control of
// another kind, is a fault of the program: it stops at once, in every build.
QWidget *buscarControl(const Controles &controles, const char *nombre, const QMetaObject &tipo);
template <typename T> T *buscar(const Controles &controles, const char *nombre)
{
    return static_cast<T *>(buscarControl(controles, nombre, T::staticMetaObject));
}

// The keyboard order of the named controls, first to last.
void ordenTabulacion(const Controles &controles, const std::vector<const char *> &orden);

// Connects a named button of a form to an action.
void alPulsar(const Controles &controles, const char *nombre, std::function<void()> accion);

QRect rectLinea(const DefLinea &l);

}  // namespace korva
