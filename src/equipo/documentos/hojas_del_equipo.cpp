#include "equipo/documentos/hojas_del_equipo.h"

#include "equipo/documentos/papel.h"

#include "nucleo/comun/archivos_del_sistema.h"
#include "pantallas/hoja/hoja_de_registro.h"

#include <QDir>
#include <QPdfWriter>
#include <QFileInfo>

namespace korva {

ResultadoDe<QByteArray> hojasEnPdf(const std::vector<Hoja> &hojas, const QPageSize &papel, const QString &titulo)
{
    // The sheet's drawing is in 96-dpi units, as on a printer at screen resolution.
    return pdfEnMemoria(QPageLayout(papel, QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter),
                        titulo, [&hojas](QPdfWriter &pdf) { return pintarHojas(pdf, hojas); });
}

std::vector<Hoja> hojasDelEquipo(const Equipo &equipo, const QDate &fecha)
{
    std::vector<Hoja> hojas;
    hojas.reserve(equipo.atletas.size());
    for (const Atleta &a : equipo.atletas)
        hojas.push_back(hojaDeRegistro(equipo.archivo, a.datos, a.resultados, fecha));
    return hojas;
}

QString nombreDeHoja(const Equipo &equipo, const Atleta &atleta)
{
    // "NIVEL 2 (10-11 años)" is "NIVEL 2"; "FUNDAMENTOS TECNICOS" stays whole.
    const QString titulo = QString::fromUtf8(equipo.archivo.titulo);
    const QString equipoCorto = titulo.section(QStringLiteral(" ("), 0, 0).trimmed();
    QString nombre = comoNombreDeArchivo(atleta.datos.value(0));
    if (nombre.trimmed().isEmpty())
        nombre = QStringLiteral("sin nombre");
    return QStringLiteral("%1 - %2 - %3.pdf")
        .arg(equipoCorto, QStringLiteral("%1").arg(atleta.numero, 2, 10, QLatin1Char('0')), nombre);
}

QString sinResultados(const Atleta &atleta)
{
    return QStringLiteral("%1 (registro %2): sin resultados")
        .arg(atleta.datos.value(0), QString::number(atleta.numero));
}

ResultadoDe<int> guardarUnPdfPorAtleta(const Equipo &equipo, const QString &carpeta, QStringList *omitidos,
                                       const std::function<QString(const Atleta &)> &nombreDe,
                                       const std::function<ResultadoDe<QByteArray>(std::size_t)> &pdfDe)
{
    using R = ResultadoDe<int>;
    if (const Resultado leido = equiposLeidos({&equipo}); !leido)
        return R::falla(leido);
    if (!QFileInfo(carpeta).isDir())
        return R::falla(QStringLiteral("la carpeta «%1» no existe").arg(QDir::toNativeSeparators(carpeta)));
    int hechos = 0;
    for (std::size_t i = 0; i < equipo.atletas.size(); ++i) {
        const Atleta &a = equipo.atletas[i];
        if (!tieneResultados(a)) {
            if (omitidos)
                *omitidos << sinResultados(a);
            continue;
        }
        const QString nombre = nombreDe(a);
        const ResultadoDe<QByteArray> pdf = pdfDe(i);
        const Resultado r =
            pdf ? escribirArchivoEntero(QDir(carpeta).filePath(nombre), pdf.valor()) : Resultado::falla(pdf);
        if (!r)
            return R::falla(QStringLiteral("«%1»: %2").arg(nombre, r.razon()));
        ++hechos;
    }
    return R::exito(hechos);
}

ResultadoDe<int> guardarHojasEnPdf(const Equipo &equipo, const QString &carpeta, const QDate &fecha,
                                   QStringList *omitidos)
{
    const QPageSize papel = papelPredeterminado();
    return guardarUnPdfPorAtleta(
        equipo, carpeta, omitidos, [&equipo](const Atleta &a) { return nombreDeHoja(equipo, a); },
        [&](std::size_t i) {
            const Atleta &a = equipo.atletas[i];
            return hojasEnPdf({hojaDeRegistro(equipo.archivo, a.datos, a.resultados, fecha)}, papel,
                              nombreDeHoja(equipo, a).chopped(4));
        });
}

}  // namespace korva
