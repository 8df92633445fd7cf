#pragma once

#include "comun/resultado.h"

#include <QImage>
#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace korva {

// Everything the program asks of the desktop. Tests put a stand-in in its place.
class Escritorio
{
public:
    virtual ~Escritorio() = default;
    // Ends the program at once: every window closes without any further event.
    virtual void terminar() = 0;
    // A modal message with the title "KORVA 4" and one button, "Aceptar".
    virtual void mensaje(QWidget *padre, const QString &texto) = 0;
    // One page on the default printer, without a dialog: the image scaled to the page.
    virtual Resultado imprimir(const QImage &pagina) = 0;
    // A document file handed to the desktop's editor for its kind.
    virtual Resultado abrirDocumento(const QString &ruta) = 0;
};

// The real desktop: Qt's event loop, message box, default printer and xdg-open.
class EscritorioReal : public Escritorio
{
public:
    void terminar() override;
    void mensaje(QWidget *padre, const QString &texto) override;
    Resultado imprimir(const QImage &pagina) override;
    Resultado abrirDocumento(const QString &ruta) override;
};

// The message box the real desktop shows: title "KORVA 4", the text, no icon, one button.
std::unique_ptr<QMessageBox> crearMensaje(QWidget *padre, const QString &texto);

// Where an image lands on a page: scaled to fit, aspect kept, at the top-left corner.
QRect colocarEnPagina(const QSize &imagen, const QRect &pagina);

}  // namespace korva
