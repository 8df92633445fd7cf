#include "equipo/documentos/papel.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinterInfo>

namespace korva {

QPageSize papelDelPais(const QLocale &locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QPageSize papelPredeterminado()
{
    const QPrinterInfo impresora = QPrinterInfo::defaultPrinter();
    if (!impresora.isNull() && impresora.defaultPageSize().isValid())
        return impresora.defaultPageSize();
    return papelDelPais();
}

ResultadoDe<QByteArray> pdfEnMemoria(const QPageLayout &pagina, const QString &titulo,
                                     const std::function<bool(QPdfWriter &)> &pintar)
{
    using R = ResultadoDe<QByteArray>;
    QByteArray bytes;
    {
        QBuffer destino(&bytes);
        destino.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&destino);
        pdf.setCreator(QStringLiteral("KORVA 4"));
        pdf.setTitle(titulo);
        pdf.setResolution(96);
        pdf.setPageLayout(pagina);
        if (!pintar(pdf))
            return R::falla(QStringLiteral("no se pudo componer el PDF"));
    }
    return R::exito(bytes);
}

QString fechaEnEspanol(const QDate &fecha, const QLocale &locale)
{
    // The program speaks Spanish: the date in words is Spanish, in the form of the desktop's
    // country where Spanish has one (es_US, es_MX…), else as in Spain.
    const QLocale espanol =
        locale.language() == QLocale::Spanish ? locale : QLocale(QLocale::Spanish, locale.territory());
    return espanol.toString(fecha, QLocale::LongFormat);
}

}  // namespace korva
