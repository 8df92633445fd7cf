#include "escritorio.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

namespace korva {

void EscritorioReal::terminar()
{
    // Leaves the event loop; main() then destroys every screen without closing it.
    QCoreApplication::exit(0);
}

std::unique_ptr<QMessageBox> crearMensaje(QWidget *padre, const QString &texto)
{
    return std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("KORVA 4"), texto, QMessageBox::Ok,
                                         padre);
}

void EscritorioReal::mensaje(QWidget *padre, const QString &texto)
{
    crearMensaje(padre, texto)->exec();
}

QRect colocarEnPagina(const QSize &imagen, const QRect &pagina)
{
    if (imagen.isEmpty() || pagina.isEmpty())
        return {};
    const QSize tamano = imagen.scaled(pagina.size(), Qt::KeepAspectRatio);
    return QRect(pagina.topLeft(), tamano);
}

Resultado EscritorioReal::imprimir(const QImage &pagina)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Resultado::falla(QStringLiteral("No hay ninguna impresora predeterminada en este equipo."));
    QPrinter impresora(info, QPrinter::HighResolution);
    impresora.setDocName(QStringLiteral("KORVA 4"));
    impresora.setFullPage(false);
    impresora.setColorMode(QPrinter::Color);  // the sheet's colours; a grey printer makes its own greys
    QPainter pintor;
    if (!pintor.begin(&impresora))
        return Resultado::falla(QStringLiteral("La impresora «%1» no aceptó el trabajo.").arg(info.printerName()));
    const QRect area(QPoint(0, 0), impresora.pageLayout().paintRectPixels(impresora.resolution()).size());
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.drawImage(colocarEnPagina(pagina.size(), area), pagina);
    if (!pintor.end() || impresora.printerState() == QPrinter::Error)
        return Resultado::falla(QStringLiteral("La impresora «%1» informó de un error.").arg(info.printerName()));
    return Resultado::exito();
}

Resultado EscritorioReal::abrirDocumento(const QString &ruta)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ruta)))
        return Resultado::falla(QStringLiteral("No hay ningún programa en este equipo que abra este tipo de documento."));
    return Resultado::exito();
}

}  // namespace korva
