#include "equipo/tabla/menu_de_hojas.h"

#include "equipo/comun/dialogo_de_archivos.h"
#include "equipo/documentos/hojas_del_equipo.h"
#include "equipo/familias/informe_familia.h"
#include "nucleo/comun/archivos_del_sistema.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace korva {

MenuDeHojas::MenuDeHojas(std::function<Equipo()> equipo, std::function<const Comparacion *()> comparacion,
                         std::function<QString()> carpeta, QWidget *padre)
    : QMenu(QStringLiteral("&Hojas de evaluación"), padre), m_equipo(std::move(equipo)),
      m_comparacion(std::move(comparacion)), m_carpeta(std::move(carpeta))
{
    addAction(QStringLiteral("Imprimir las hojas…"), this, &MenuDeHojas::imprimir);
    addAction(QStringLiteral("Vista previa de las hojas…"), this, &MenuDeHojas::vistaPrevia);
    addAction(QStringLiteral("Guardar las hojas en PDF…"), this, &MenuDeHojas::preguntarCarpeta);
    addSeparator();
    addAction(QStringLiteral("Informes para las &familias…"), this, &MenuDeHojas::informesParaFamilias);
    addAction(QStringLiteral("Textos para las familias…"), this, &MenuDeHojas::textosParaFamilias);
}

void MenuDeHojas::informesParaFamilias()
{
    if (!hayAtletas(QStringLiteral("dar a las familias")))
        return;
    const QString c = DialogoDeArchivos::carpeta(
        parentWidget(), QStringLiteral("Guardar los informes para las familias en la carpeta"), m_carpeta());
    if (c.isEmpty())
        return;
    QStringList omitidos;
    const ResultadoDe<int> r = guardarInformesDeFamilias(m_equipo(), m_comparacion(), c, &omitidos);
    if (!r) {
        emit falla(QStringLiteral("No se pudieron guardar los informes en «%1».\nMotivo: %2")
                       .arg(QDir::toNativeSeparators(c), r.razon()));
        return;
    }
    emit hecho(QStringLiteral("%1 informes para las familias guardados en «%2».%3")
                   .arg(QString::number(r.valor()), QDir::toNativeSeparators(c),
                        omitidos.isEmpty()
                            ? QString()
                            : QStringLiteral(" Sin informe, por no tener resultados: %1.").arg(omitidos.size())));
}

void MenuDeHojas::textosParaFamilias()
{
    const QString copia = QDir(m_carpeta()).filePath(TextosFamilias::NombreDelArchivo);
    if (!QFileInfo::exists(copia))
        if (const Resultado r = escribirArchivoEntero(copia, TextosFamilias::original()); !r) {
            emit falla(
                QStringLiteral("No se pudo crear «%1».\nMotivo: %2").arg(QDir::toNativeSeparators(copia), r.razon()));
            return;
        }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(copia)))
        emit falla(QStringLiteral("Los textos están en «%1»: ábralos con un editor de texto.")
                       .arg(QDir::toNativeSeparators(copia)));
    else
        emit hecho(QStringLiteral("Los textos para las familias están en «%1».").arg(QDir::toNativeSeparators(copia)));
}

bool MenuDeHojas::hayAtletas(const QString &queHacer)
{
    if (!m_equipo().atletas.empty())
        return true;
    emit falla(QStringLiteral("No hay atletas guardados en esta pestaña: no hay hojas que %1.").arg(queHacer));
    return false;
}

int MenuDeHojas::imprimirEn(QPrinter &impresora)
{
    std::vector<Hoja> hojas = hojasDelEquipo(m_equipo());
    // the pages the dialog asked for
    if (impresora.printRange() == QPrinter::PageRange && impresora.fromPage() > 0) {
        const int desde = impresora.fromPage(), hasta = qMin(impresora.toPage(), int(hojas.size()));
        hojas = std::vector<Hoja>(hojas.begin() + qMin(desde - 1, int(hojas.size())),
                                  hojas.begin() + qMax(hasta, desde - 1));
    }
    prepararImpresora(impresora);
    return !hojas.empty() && pintarHojas(impresora, hojas) ? int(hojas.size()) : 0;
}

void MenuDeHojas::imprimir()
{
    if (!hayAtletas(QStringLiteral("imprimir")))
        return;
    QPrinter impresora(QPrinter::ScreenResolution);
    impresora.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialogo(&impresora, parentWidget());
    dialogo.setWindowTitle(QStringLiteral("Imprimir las hojas de evaluación"));
    dialogo.setMinMax(1, int(m_equipo().atletas.size()));
    dialogo.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    const int hojas = imprimirEn(impresora);
    if (hojas == 0)
        emit falla(QStringLiteral("No se imprimieron las hojas.\nMotivo: la impresora «%1» no aceptó el trabajo.")
                       .arg(impresora.printerName()));
    else
        emit hecho(QStringLiteral("%1 hojas enviadas a «%2».").arg(QString::number(hojas), impresora.printerName()));
}

void MenuDeHojas::vistaPrevia()
{
    QPrinter impresora(QPrinter::ScreenResolution);
    impresora.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dialogo(&impresora, parentWidget());
    dialogo.setWindowTitle(QStringLiteral("Vista previa de las hojas de evaluación"));
    connect(&dialogo, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *p) { imprimirEn(*p); });
    dialogo.exec();
}

Resultado MenuDeHojas::guardarEn(const QString &carpeta)
{
    QStringList omitidos;
    const ResultadoDe<int> r = guardarHojasEnPdf(m_equipo(), carpeta, QDate::currentDate(), &omitidos);
    if (!r)
        return Resultado::falla(r);
    emit hecho(QStringLiteral("%1 hojas guardadas en «%2».%3")
                   .arg(QString::number(r.valor()), QDir::toNativeSeparators(carpeta),
                        omitidos.isEmpty()
                            ? QString()
                            : QStringLiteral(" Sin hoja, por no tener resultados: %1.").arg(omitidos.size())));
    return Resultado::exito();
}

void MenuDeHojas::preguntarCarpeta()
{
    if (!hayAtletas(QStringLiteral("guardar")))
        return;
    const QString c = DialogoDeArchivos::carpeta(parentWidget(),
                                                 QStringLiteral("Guardar las hojas en PDF en la carpeta"), m_carpeta());
    if (c.isEmpty())
        return;
    if (const Resultado r = guardarEn(c); !r)
        emit falla(QStringLiteral("No se pudieron guardar las hojas en «%1».\nMotivo: %2")
                       .arg(QDir::toNativeSeparators(c), r.razon()));
}

}  // namespace korva
