#include "nucleo/listas/libro_de_calculo.h"

#include "nucleo/listas/archivo_zip.h"
#include "nucleo/listas/lector_xml.h"
#include "nucleo/listas/libro_ods.h"
#include "nucleo/listas/partes_de_libro.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace korva {

using namespace libro;

namespace {

using R = ResultadoDe<LibroDeCalculo>;

// A spreadsheet's date serial (days since 1899-12-30) as an ISO date.
QString fechaDeSerie(double serie)
{
    return QDate(1899, 12, 30).addDays(qint64(std::floor(serie))).toString(Qt::ISODate);
}

// The column (from 0) of a cell reference such as "AB12".
int columnaDe(QStringView referencia)
{
    int columna = 0;
    for (const QChar c : referencia) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            break;
        columna = columna * 26 + (c.unicode() - 'A' + 1);
    }
    return columna - 1;
}

void ponerCelda(QStringList &fila, int columna, const QString &texto)
{
    if (columna < 0 || columna >= MaximoDeColumnas || texto.isEmpty())
        return;
    while (fila.size() <= columna)
        fila << QString();
    fila[columna] = texto;
}

// ---- Office Open XML (.xlsx) ----

// The styles whose number format is a date's: the built-in ones and those of the file.
QSet<int> estilosDeFecha(const QByteArray &estilos)
{
    QSet<int> formatosDeFecha{14, 15, 16, 17, 18, 19, 20, 21, 22, 45, 46, 47};
    QSet<int> deFecha;
    LectorXml l(estilos);
    QXmlStreamReader &x = l.xml();
    bool enCeldas = false;
    int estilo = 0;
    while (l.siguiente()) {
        if (x.isStartElement() && x.name() == QLatin1String("numFmt")) {
            // a format is a date's when it shows days, months or years outside quotes and brackets
            QString codigo = x.attributes().value(QLatin1String("formatCode")).toString().toLower();
            codigo.remove(QRegularExpression(QStringLiteral("\"[^\"]*\"|\\[[^\\]]*\\]")));
            if (codigo.contains(QLatin1Char('d')) || codigo.contains(QLatin1Char('y'))
                || (codigo.contains(QLatin1Char('m')) && !codigo.contains(QLatin1Char('h'))))
                formatosDeFecha.insert(x.attributes().value(QLatin1String("numFmtId")).toInt());
        } else if (x.isStartElement() && x.name() == QLatin1String("cellXfs")) {
            enCeldas = true;
        } else if (x.isEndElement() && x.name() == QLatin1String("cellXfs")) {
            enCeldas = false;
        } else if (enCeldas && x.isStartElement() && x.name() == QLatin1String("xf")) {
            if (formatosDeFecha.contains(x.attributes().value(QLatin1String("numFmtId")).toInt()))
                deFecha.insert(estilo);
            ++estilo;
        }
    }
    return deFecha;
}

// The shared strings: the texts of each <si>, its runs joined, its phonetic guides left out,
// the format's escapes read.
ResultadoDe<QStringList> textosCompartidos(const QByteArray &xml)
{
    QStringList textos;
    LectorXml l(xml);
    QString actual;
    int fonetica = 0;
    while (l.siguiente()) {
        if (l.inicio("si"))
            actual.clear();
        else if (l.fin("si"))
            textos << sinEscapesXlsx(actual);
        else if (l.inicio("rPh"))
            ++fonetica;
        else if (l.fin("rPh"))
            --fonetica;
        else if (l.inicio("t") && fonetica == 0)
            actual += l.textoDelElemento();
        if (textos.size() > MaximoDeTextos)
            return ResultadoDe<QStringList>::falla(
                QStringLiteral("%1 (más de %2 textos)").arg(danado(), QString::number(MaximoDeTextos)));
    }
    if (!l.falla().isEmpty())
        return ResultadoDe<QStringList>::falla(QStringLiteral("%1 (%2)").arg(danado(), l.falla()));
    return ResultadoDe<QStringList>::exito(textos);
}

// The rows of one sheet part, no more than the most given.
ResultadoDe<std::vector<QStringList>> filasDeHojaXlsx(const QByteArray &xml, const QStringList &textos,
                                                      const QSet<int> &deFecha, qint64 maximo)
{
    using F = ResultadoDe<std::vector<QStringList>>;
    std::vector<QStringList> filas;
    LectorXml l(xml);
    QXmlStreamReader &x = l.xml();
    QStringList fila;
    int numeroDeFila = 0, columna = -1;
    QString tipo;
    int estilo = 0;
    while (l.siguiente()) {
        if (x.isStartElement() && x.name() == QLatin1String("row")) {
            // rows left out of the file are empty rows; rows come in order, and a roster
            // fits in far fewer than a sheet may have
            bool conNumero = false;
            const qint64 r = x.attributes().value(QLatin1String("r")).toLongLong(&conNumero);
            if (conNumero && r <= numeroDeFila)
                return F::falla(QStringLiteral("%1 (la fila %2 viene después de la %3)")
                                    .arg(danado(), QString::number(r), QString::number(numeroDeFila)));
            if ((conNumero ? r : numeroDeFila + 1) > maximo)
                return F::falla(filasDeMas());
            while (conNumero && numeroDeFila + 1 < r) {
                filas.emplace_back();
                ++numeroDeFila;
            }
            fila.clear();
            columna = -1;
        } else if (x.isEndElement() && x.name() == QLatin1String("row")) {
            filas.push_back(fila);
            ++numeroDeFila;
        } else if (x.isStartElement() && x.name() == QLatin1String("c")) {
            const QStringView referencia = x.attributes().value(QLatin1String("r"));
            columna = referencia.isEmpty() ? columna + 1 : columnaDe(referencia);
            tipo = x.attributes().value(QLatin1String("t")).toString();
            estilo = x.attributes().value(QLatin1String("s")).toInt();
        } else if (x.isStartElement() && x.name() == QLatin1String("v")) {
            const QString v = l.textoDelElemento();
            QString texto = v;
            if (tipo == QLatin1String("s")) {
                bool ok = false;
                const qint64 indice = v.trimmed().toLongLong(&ok);
                if (!ok || indice < 0 || indice >= textos.size())
                    return F::falla(
                        QStringLiteral("%1 (una celda nombra el texto %2, que no está)").arg(danado(), v.left(30)));
                texto = textos[qsizetype(indice)];
            } else if (tipo.isEmpty() || tipo == QLatin1String("n")) {
                bool ok = false;
                const double numero = v.toDouble(&ok);
                if (ok)
                    texto = deFecha.contains(estilo) ? fechaDeSerie(numero) : comoTexto(numero);
            } else if (tipo == QLatin1String("d")) {
                texto = v.left(10);
            } else {
                texto = sinEscapesXlsx(v);
            }
            ponerCelda(fila, columna, texto);
        } else if (x.isStartElement() && x.name() == QLatin1String("is")) {
            QString texto;
            const int dentro = l.profundidad();
            while (l.siguiente() && l.profundidad() >= dentro)
                if (l.inicio("t"))
                    texto += l.textoDelElemento();
            ponerCelda(fila, columna, sinEscapesXlsx(texto));
        }
    }
    if (!l.falla().isEmpty())
        return F::falla(QStringLiteral("%1 (%2)").arg(danado(), l.falla()));
    return F::exito(filas);
}

ResultadoDe<LibroDeCalculo> leerXlsx(ArchivoZip &zip, const QString &pedida)
{
    const ResultadoDe<QByteArray> libro = parte(zip, QStringLiteral("xl/workbook.xml"));
    if (!libro)
        return R::falla(libro);
    const ResultadoDe<QByteArray> vinculos = parte(zip, QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!vinculos)
        return R::falla(vinculos);
    QHash<QString, QString> destinos;
    LectorXml lv(vinculos.valor());
    while (lv.siguiente())
        if (lv.inicio("Relationship"))
            destinos.insert(lv.xml().attributes().value(QLatin1String("Id")).toString(),
                            lv.xml().attributes().value(QLatin1String("Target")).toString());
    if (!lv.falla().isEmpty())
        return R::falla(QStringLiteral("%1 (%2)").arg(danado(), lv.falla()));
    LibroDeCalculo leido;
    QStringList partes;
    LectorXml lw(libro.valor());
    while (lw.siguiente())
        if (lw.inicio("sheet")) {
            const QXmlStreamAttributes atributos = lw.xml().attributes();
            leido.hojas << sinEscapesXlsx(atributos.value(QLatin1String("name")).toString());
            QString destino;
            for (const QXmlStreamAttribute &a : atributos)
                if (a.name() == QLatin1String("id"))
                    destino = destinos.value(a.value().toString());
            partes << (destino.startsWith(QLatin1Char('/')) ? destino.mid(1) : QStringLiteral("xl/") + destino);
        }
    if (!lw.falla().isEmpty())
        return R::falla(QStringLiteral("%1 (%2)").arg(danado(), lw.falla()));
    if (leido.hojas.isEmpty())
        return R::falla(QStringLiteral("%1 (no tiene hojas)").arg(danado()));
    leido.hoja = pedida.isEmpty() ? 0 : int(leido.hojas.indexOf(pedida));
    if (leido.hoja < 0)
        return R::falla(QStringLiteral("no hay ninguna hoja «%1»; las hojas son: %2")
                            .arg(pedida, leido.hojas.join(QStringLiteral(", "))));

    const ResultadoDe<QByteArray> compartidos = parte(zip, QStringLiteral("xl/sharedStrings.xml"), false);
    const ResultadoDe<QByteArray> estilos = parte(zip, QStringLiteral("xl/styles.xml"), false);
    const ResultadoDe<QByteArray> compartidosYEstilos[] = {compartidos, estilos};
    for (const auto &r : compartidosYEstilos)
        if (!r)
            return R::falla(r);
    const ResultadoDe<QStringList> compartidosLeidos = textosCompartidos(compartidos.valor());
    if (!compartidosLeidos)
        return R::falla(compartidosLeidos);
    const QSet<int> deFecha = estilosDeFecha(estilos.valor());
    qint64 filasLeidas = 0;
    for (int h = 0; h < int(partes.size()); ++h) {
        if (!pedida.isEmpty() && h != leido.hoja)
            continue;
        const ResultadoDe<QByteArray> hoja = parte(zip, partes.value(h), pedida.isEmpty() ? h == 0 : true);
        if (!hoja)
            return R::falla(hoja);  // the sheet asked for, or the first: another missing is a sheet of nothing
        ResultadoDe<std::vector<QStringList>> filas =
            filasDeHojaXlsx(hoja.valor(), compartidosLeidos.valor(), deFecha, MaximoDeFilas - filasLeidas);
        if (!filas)
            return R::falla(filas);
        filasLeidas += qint64(filas.valor().size());
        if (h == leido.hoja)
            leido.filas = filas.valor();
        if (pedida.isEmpty())
            leido.filasDeCadaHoja.push_back(filas.valor());
    }
    return R::exito(leido);
}

}  // namespace

bool esArchivoZip(const QByteArray &bytes)
{
    return bytes.startsWith("PK\x03\x04");
}

ResultadoDe<LibroDeCalculo> leerLibroDeCalculo(const QByteArray &bytes, const QString &hoja)
{
    ArchivoZip zip(bytes);
    if (!zip.abierto())
        return R::falla(danado());
    if (zip.tiene(QStringLiteral("xl/workbook.xml")))
        return leerXlsx(zip, hoja);
    const ResultadoDe<QByteArray> tipo = parte(zip, QStringLiteral("mimetype"), false);
    if (tipo && tipo.valor().startsWith("application/vnd.oasis.opendocument.spreadsheet"))
        return leerOds(zip, hoja);
    if (tipo && tipo.valor().startsWith("application/vnd.oasis.opendocument"))
        return R::falla(QStringLiteral("es un documento de OpenDocument que no es una hoja de cálculo"));
    return R::falla(QStringLiteral("es un archivo comprimido (.zip) que no es una hoja de cálculo"));
}

}  // namespace korva
