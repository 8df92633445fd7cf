#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace korva {

// The program's colours.
namespace color {
inline const QColor fondo(255, 192, 128);    // evaluation screens, INICIO, MENU
inline const QColor naranja(255, 128, 0);    // ordinary buttons
inline const QColor rojo(255, 0, 0);         // exit buttons
inline const QColor verde(0, 192, 0);        // "IMPRIMIR", "Guardar Registro" on fundamentals
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
inline const Fuente Titulo{13.5, true};         // labels and boxes of the screens
}  // namespace letra

// A font whose size is set in pixels, point size x 96 / 72, so that the designed look
// holds on a display of any dpi.
QFont fuente(const Fuente &f);

// Fonts and Qt's own texts for the whole program: the designed faces are mapped onto
// metric-compatible ones, and Qt's buttons speak Spanish.
void instalarAspecto();

void ponerFondo(QWidget *w, const QColor &c);

// A flat coloured button: one colour face, a thin dark border, its caption wrapped and
// centred, as on every screen of the program.
class BotonPlano : public QPushButton
{
    Q_OBJECT
public:
    BotonPlano(const QString &texto, const QColor &cara, QWidget *padre);
    QColor cara() const { return m_cara; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_cara;
};

// A label. One "sized to its text" grows with its caption from its top-left corner.
class Etiqueta : public QLabel
{
    Q_OBJECT
public:
    Etiqueta(const QString &texto, QWidget *padre, bool ajustada);
    void ponerTexto(const QString &texto);
    void fijarGeometria(const QRect &r);

private:
    void ajustar();
    bool m_ajustada;
    QSize m_disenio;
};

// A captioned frame used as a coloured panel.
class Marco : public QWidget
{
    Q_OBJECT
public:
    Marco(const QString &titulo, const QColor &fondo, const QFont &fuenteTitulo, QWidget *padre);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString m_titulo;
    QColor m_fondo;
};

// A picture box: a sunken two-pixel border and a picture at the top-left of its inside,
// unscaled. Its children are placed from its outer top-left corner, so that they line up
// with the controls of the form around it.
class CajaImagen : public QWidget
{
    Q_OBJECT
public:
    CajaImagen(const QPixmap &imagen, QWidget *padre);
    static constexpr int Borde = 2;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap m_imagen;
};

}  // namespace korva
