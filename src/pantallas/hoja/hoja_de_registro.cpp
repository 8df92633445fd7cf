#include "pantallas/hoja/hoja_de_registro.h"

#include "nucleo/informe/equipo.h"
#include "nucleo/registros/tipo_reg.h"
#include "pantallas/evaluacion/pantalla_fundamentos.h"
#include "pantallas/evaluacion/pantalla_nivel.h"

#include <QBuffer>
#include <QLocale>
#include <QPdfWriter>
#include <QPrinterInfo>

namespace korva {

Hoja hojaDeRegistro(const DefArchivo &archivo, const QStringList &textos, const QDate &fecha)
{
    return hojaDeRegistro(archivo, textos, calificar(archivo, textos), fecha);
}

Hoja hojaDeRegistro(const DefArchivo &archivo, const QStringList &textos, const TipoResultados &resultados,
                    const QDate &fecha)
{
    const DefEvaluacion def = archivo.esDeNivel() ? definicionNivel(archivo.nivel) : definicionFundamentos();
    DatosHoja datos;
    for (std::size_t i = 0; i < def.mapa->size(); ++i)
        datos.cajas.emplace_back((*def.mapa)[i].control, sinRelleno(textos.value(int(i))));
    datos.resultados = resultados;
    datos.fecha = QLocale().toString(fecha, QLocale::ShortFormat);
    return hojaDeEvaluacion(def, datos);
}

QPageSize papelPredeterminado()
{
    const QPrinterInfo impresora = QPrinterInfo::defaultPrinter();
    if (!impresora.isNull() && impresora.defaultPageSize().isValid())
        return impresora.defaultPageSize();
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
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

ResultadoDe<QByteArray> hojasEnPdf(const std::vector<Hoja> &hojas, const QPageSize &papel, const QString &titulo)
{
    // The sheet's drawing is in 96-dpi units, as on a printer at screen resolution.
    return pdfEnMemoria(QPageLayout(papel, QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter),
                        titulo, [&hojas](QPdfWriter &pdf) { return pintarHojas(pdf, hojas); });
}

}  // namespace korva
