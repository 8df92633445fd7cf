#pragma once

#include "nucleo/comun/resultado.h"

#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPicture>
#include <QString>

#include <memory>
#include <vector>

class QMessageBox;
class QPrinter;
class QWidget;

namespace korva {

// A sheet to print: its drawing, recorded as drawing commands in its own pixels at 96 dpi
// from (0, 0), and its size. The printer gets the commands, not a picture of the screen:
// text and lines are drawn at the printer's own resolution, sharp, and the text stays text;
// pictures keep their own pixels.
struct Hoja {
    QPicture dibujo;
    QSize tamano;

    // The sheet drawn on white at its own size, as a screen would show it.
    QImage imagen() const;
};

// The answers to a question with "Sí", "No" and "Cancelar".
enum class Respuesta { Si, No, Cancelar };

// Everything the program asks of the desktop. Tests put a stand-in in its place.
class Escritorio
{
public:
    virtual ~Escritorio() = default;
    // A modal question with the title "KORVA 4" and the buttons "Sí" (the default), "No" and
    // "Cancelar" (also Esc and the close box).
    virtual Respuesta preguntar(QWidget *padre, const QString &texto) = 0;
    // Ends the program at once: every window closes without any further event.
    virtual void terminar() = 0;
    // A modal message with the title "KORVA 4" and one button, "Aceptar".
    virtual void mensaje(QWidget *padre, const QString &texto) = 0;
    // One page on the default printer, on its default paper, without a dialog: the sheet
    // turned the way it fills the page most, scaled to the printable area and centred.
    virtual Resultado imprimir(const Hoja &hoja) = 0;
    // A document file handed to the desktop's editor for its kind.
    virtual Resultado abrirDocumento(const QString &ruta) = 0;
};

// The real desktop: Qt's event loop, message box, default printer and xdg-open.
class EscritorioReal : public Escritorio
{
public:
    void terminar() override;
    void mensaje(QWidget *padre, const QString &texto) override;
    Respuesta preguntar(QWidget *padre, const QString &texto) override;
    Resultado imprimir(const Hoja &hoja) override;
    Resultado abrirDocumento(const QString &ruta) override;
};

// The message box the real desktop shows: title "KORVA 4", the text, no icon, one button.
std::unique_ptr<QMessageBox> crearMensaje(QWidget *padre, const QString &texto);

// Where a sheet lands on a page: scaled to fill the area, aspect kept, centred.
QRect colocarEnPagina(const QSize &hoja, const QRect &pagina);
// Draws the sheet as the one page of a print job on the printer given: turned the way it
// fills the page most, scaled to the printable area, centred. False when the printer
// refuses the job.
bool pintarHoja(QPrinter &impresora, const Hoja &hoja);
// The same for many sheets, one to a page, on any paged device (a printer, a PDF writer)
// whose paper is set.
bool pintarHojas(QPagedPaintDevice &paginas, const std::vector<Hoja> &hojas);
// A printer made ready for sheets: named "KORVA 4", in colour, within its printable area.
void prepararImpresora(QPrinter &impresora);
// The orientation of the page in which the sheet comes out largest.
QPageLayout::Orientation orientacionPara(const QSize &hoja, const QPageLayout &pagina);

}  // namespace korva
