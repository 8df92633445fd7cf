#include "pantallas/base/escritorio.h"

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
    return std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("KORVA 4"), texto, QMessageBox::Ok, padre);
}

void EscritorioReal::mensaje(QWidget *padre, const QString &texto)
{
    crearMensaje(padre, texto)->exec();
}

QImage Hoja::imagen() const
{
    QImage imagen(tamano, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    pintor.drawPicture(0, 0, dibujo);
    return imagen;
}

QRect colocarEnPagina(const QSize &hoja, const QRect &pagina)
{
    if (hoja.isEmpty() || pagina.isEmpty())
        return {};
    const QSize tamano = hoja.scaled(pagina.size(), Qt::KeepAspectRatio);
    QRect r(QPoint(0, 0), tamano);
    r.moveCenter(pagina.center());
    return r;
}

QPageLayout::Orientation orientacionPara(const QSize &hoja, const QPageLayout &pagina)
{
    const auto escala = [&](QPageLayout::Orientation o) {
        QPageLayout l = pagina;
        l.setOrientation(o);
        const QSizeF area = l.paintRect(QPageLayout::Point).size();
        return qMin(area.width() / hoja.width(), area.height() / hoja.height());
    };
    return escala(QPageLayout::Landscape) >= escala(QPageLayout::Portrait) ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait;
}

bool pintarHojas(QPagedPaintDevice &paginas, const std::vector<Hoja> &hojas)
{
    if (hojas.empty())
        return false;
    paginas.setPageOrientation(orientacionPara(hojas.front().tamano, paginas.pageLayout()));
    QPainter pintor;
    if (!pintor.begin(&paginas))
        return false;
    const QRect area(QPoint(0, 0), paginas.pageLayout().paintRectPixels(paginas.logicalDpiX()).size());
    for (std::size_t i = 0; i < hojas.size(); ++i) {
        const Hoja &hoja = hojas[i];
        if (i > 0 && !paginas.newPage())
            return false;
        const QRect destino = colocarEnPagina(hoja.tamano, area);
        pintor.save();
        pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        pintor.translate(destino.topLeft());
        pintor.scale(double(destino.width()) / hoja.tamano.width(), double(destino.height()) / hoja.tamano.height());
        pintor.drawPicture(0, 0, hoja.dibujo);
        pintor.restore();
    }
    return pintor.end();
}

void prepararImpresora(QPrinter &impresora)
{
    impresora.setDocName(QStringLiteral("KORVA 4"));
    impresora.setFullPage(false);
    impresora.setColorMode(QPrinter::Color);  // the sheet's colours; a grey printer makes its own greys
}

bool pintarHoja(QPrinter &impresora, const Hoja &hoja)
{
    prepararImpresora(impresora);
    return pintarHojas(impresora, {hoja});
}

Resultado EscritorioReal::imprimir(const Hoja &hoja)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Resultado::falla(QStringLiteral("No hay ninguna impresora predeterminada en este equipo."));
    // The page is laid out in 96-dpi units, the units the sheet was recorded in (a recorded
    // drawing replays its fonts scaled to the device's resolution). The job that reaches the
    // printer is vector either way: it draws text and lines at its own resolution.
    QPrinter impresora(info, QPrinter::ScreenResolution);
    if (const QPageSize papel = info.defaultPageSize(); papel.isValid())
        impresora.setPageSize(papel);
    if (!pintarHoja(impresora, hoja))
        return Resultado::falla(QStringLiteral("La impresora «%1» no aceptó el trabajo.").arg(info.printerName()));
    if (impresora.printerState() == QPrinter::Error)
        return Resultado::falla(QStringLiteral("La impresora «%1» informó de un error.").arg(info.printerName()));
    return Resultado::exito();
}

Respuesta EscritorioReal::preguntar(QWidget *padre, const QString &texto)
{
    QMessageBox caja(QMessageBox::Question, QStringLiteral("KORVA 4"), texto,
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, padre);
    caja.setDefaultButton(QMessageBox::Yes);
    caja.setEscapeButton(QMessageBox::Cancel);
    switch (caja.exec()) {
    case QMessageBox::Yes:
        return Respuesta::Si;
    case QMessageBox::No:
        return Respuesta::No;
    default:
        return Respuesta::Cancelar;
    }
}

Resultado EscritorioReal::abrirDocumento(const QString &ruta)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ruta)))
        return Resultado::falla(
            QStringLiteral("No hay ningún programa en este equipo que abra este tipo de documento."));
    return Resultado::exito();
}

}  // namespace korva
