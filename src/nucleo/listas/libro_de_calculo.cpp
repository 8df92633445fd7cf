#include "nucleo/listas/libro_de_calculo.h"

#include "nucleo/listas/archivo_zip.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <cmath>

namespace korva {

namespace {

using R = ResultadoDe<LibroDeCalculo>;

// The most one part of the archive may hold once unzipped, and the most cells a row and
// rows a sheet may have: a squad's list is far below, a zip bomb far above.
constexpr qint64 MaximoPorParte = 32 * 1024 * 1024;
constexpr int MaximoDeColumnas = 256;
constexpr int MaximoDeFilas = 20000;

const QString Danado = QStringLiteral("el archivo está dañado o no es una hoja de cálculo");

// One part of the book, whole and within its bound; empty when it is not there and need not be.
ResultadoDe<QByteArray> parte(ArchivoZip &zip, const QString &nombre, bool obligatoria = true)
{
    using P = ResultadoDe<QByteArray>;
    if (!zip.tiene(nombre))
        return obligatoria ? P::falla(QStringLiteral("%1 (falta «%2»)").arg(Danado, nombre)) : P::exito();
    const ResultadoDe<QByteArray> leida = zip.leer(nombre, MaximoPorParte);
    if (!leida)
        return P::falla(QStringLiteral("%1 (%2)").arg(Danado, leida.razon()));
    return leida;
}

// A number as a coach reads it: whole numbers without decimals, "." as the decimal mark.
QString comoTexto(double v)
{
    if (std::isfinite(v) && v == std::floor(v) && std::abs(v) < 1e15)
        return QString::number(qint64(v));
    return QString::number(v, 'g', 15);
}

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
    QXmlStreamReader x(estilos);
    bool enCeldas = false;
    int estilo = 0;
    while (!x.atEnd()) {
        x.readNext();
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

// The shared strings: the texts of each <si>, its runs joined, its phonetic guides left out.
QStringList textosCompartidos(const QByteArray &xml)
{
    QStringList textos;
    QXmlStreamReader x(xml);
    QString actual;
    int fonetica = 0;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("si"))
            actual.clear();
        else if (x.isEndElement() && x.name() == QLatin1String("si"))
            textos << actual;
        else if (x.isStartElement() && x.name() == QLatin1String("rPh"))
            ++fonetica;
        else if (x.isEndElement() && x.name() == QLatin1String("rPh"))
            --fonetica;
        else if (x.isStartElement() && x.name() == QLatin1String("t") && fonetica == 0)
            actual += x.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return textos;
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
    QXmlStreamReader v(vinculos.valor());
    while (!v.atEnd())
        if (v.readNext() == QXmlStreamReader::StartElement && v.name() == QLatin1String("Relationship"))
            destinos.insert(v.attributes().value(QLatin1String("Id")).toString(),
                            v.attributes().value(QLatin1String("Target")).toString());
    LibroDeCalculo leido;
    QStringList partes;
    QXmlStreamReader w(libro.valor());
    while (!w.atEnd())
        if (w.readNext() == QXmlStreamReader::StartElement && w.name() == QLatin1String("sheet")) {
            leido.hojas << w.attributes().value(QLatin1String("name")).toString();
            QString destino;
            for (const QXmlStreamAttribute &a : w.attributes())
                if (a.name() == QLatin1String("id"))
                    destino = destinos.value(a.value().toString());
            partes << (destino.startsWith(QLatin1Char('/')) ? destino.mid(1) : QStringLiteral("xl/") + destino);
        }
    if (leido.hojas.isEmpty())
        return R::falla(QStringLiteral("%1 (no tiene hojas)").arg(Danado));
    leido.hoja = pedida.isEmpty() ? 0 : int(leido.hojas.indexOf(pedida));
    if (leido.hoja < 0)
        return R::falla(QStringLiteral("no hay ninguna hoja «%1»; las hojas son: %2")
                            .arg(pedida, leido.hojas.join(QStringLiteral(", "))));

    const ResultadoDe<QByteArray> compartidos = parte(zip, QStringLiteral("xl/sharedStrings.xml"), false);
    const ResultadoDe<QByteArray> estilos = parte(zip, QStringLiteral("xl/styles.xml"), false);
    const ResultadoDe<QByteArray> hoja = parte(zip, partes.value(leido.hoja));
    for (const auto *r : {&compartidos, &estilos, &hoja})
        if (!*r)
            return R::falla(*r);
    const QStringList textos = textosCompartidos(compartidos.valor());
    const QSet<int> deFecha = estilosDeFecha(estilos.valor());

    QXmlStreamReader x(hoja.valor());
    QStringList fila;
    int numeroDeFila = 0, columna = -1;
    QString tipo;
    int estilo = 0;
    while (!x.atEnd() && int(leido.filas.size()) <= MaximoDeFilas) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("row")) {
            // rows left out of the file are empty rows
            const int r = x.attributes().value(QLatin1String("r")).toInt();
            while (r > 0 && numeroDeFila + 1 < r && numeroDeFila < MaximoDeFilas) {
                leido.filas.emplace_back();
                ++numeroDeFila;
            }
            fila.clear();
            columna = -1;
        } else if (x.isEndElement() && x.name() == QLatin1String("row")) {
            leido.filas.push_back(fila);
            ++numeroDeFila;
        } else if (x.isStartElement() && x.name() == QLatin1String("c")) {
            const QStringView referencia = x.attributes().value(QLatin1String("r"));
            columna = referencia.isEmpty() ? columna + 1 : columnaDe(referencia);
            tipo = x.attributes().value(QLatin1String("t")).toString();
            estilo = x.attributes().value(QLatin1String("s")).toInt();
        } else if (x.isStartElement() && x.name() == QLatin1String("v")) {
            const QString v = x.readElementText();
            QString texto = v;
            if (tipo == QLatin1String("s")) {
                texto = textos.value(v.toInt());
            } else if (tipo.isEmpty() || tipo == QLatin1String("n")) {
                bool ok = false;
                const double numero = v.toDouble(&ok);
                if (ok)
                    texto = deFecha.contains(estilo) ? fechaDeSerie(numero) : comoTexto(numero);
            } else if (tipo == QLatin1String("d")) {
                texto = v.left(10);
            }
            ponerCelda(fila, columna, texto);
        } else if (x.isStartElement() && x.name() == QLatin1String("is")) {
            QString texto;
            while (!(x.isEndElement() && x.name() == QLatin1String("is")) && !x.atEnd()) {
                x.readNext();
                if (x.isStartElement() && x.name() == QLatin1String("t"))
                    texto += x.readElementText(QXmlStreamReader::IncludeChildElements);
            }
            ponerCelda(fila, columna, texto);
        }
    }
    if (x.hasError() && x.error() != QXmlStreamReader::PrematureEndOfDocumentError)
        return R::falla(QStringLiteral("%1 (%2)").arg(Danado, x.errorString()));
    return R::exito(leido);
}

// ---- OpenDocument (.ods) ----

// The text of a cell: its paragraphs, each line's spans and spaces kept.
QString textoDeCeldaOds(QXmlStreamReader &x)
{
    QStringList parrafos;
    QString actual;
    int profundidad = 1;
    bool enParrafo = false;
    while (profundidad > 0 && !x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            ++profundidad;
            if (x.name() == QLatin1String("p") || x.name() == QLatin1String("h")) {
                enParrafo = true;
                actual.clear();
            } else if (x.name() == QLatin1String("s")) {
                actual += QString(qMax(1, x.attributes().value(QLatin1String("text:c")).toInt()), QLatin1Char(' '));
            } else if (x.name() == QLatin1String("tab")) {
                actual += QLatin1Char('\t');
            } else if (x.name() == QLatin1String("line-break")) {
                actual += QLatin1Char('\n');
            } else if (x.name() == QLatin1String("annotation")) {
                x.skipCurrentElement();  // a comment is not the cell's text
                --profundidad;
            }
        } else if (x.isEndElement()) {
            --profundidad;
            if (x.name() == QLatin1String("p") || x.name() == QLatin1String("h")) {
                enParrafo = false;
                parrafos << actual;
            }
        } else if (x.isCharacters() && enParrafo) {
            actual += x.text();
        }
    }
    return parrafos.join(QLatin1Char('\n'));
}

ResultadoDe<LibroDeCalculo> leerOds(ArchivoZip &zip, const QString &pedida)
{
    const ResultadoDe<QByteArray> contenido = parte(zip, QStringLiteral("content.xml"));
    if (!contenido)
        return R::falla(contenido);
    LibroDeCalculo leido;
    leido.hoja = -1;
    QXmlStreamReader x(contenido.valor());
    bool enLaHoja = false;
    QStringList fila;
    int repetirFila = 1;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("table")
            && x.namespaceUri() == QLatin1String("urn:oasis:names:tc:opendocument:xmlns:table:1.0")) {
            leido.hojas << x.attributes().value(QLatin1String("table:name")).toString();
            enLaHoja = leido.hoja < 0 && (pedida.isEmpty() || leido.hojas.last() == pedida);
            if (enLaHoja)
                leido.hoja = int(leido.hojas.size()) - 1;
        } else if (x.isEndElement() && x.name() == QLatin1String("table")) {
            enLaHoja = false;
        } else if (!enLaHoja) {
            continue;
        } else if (x.isStartElement() && x.name() == QLatin1String("table-row")) {
            fila.clear();
            repetirFila = qMax(1, x.attributes().value(QLatin1String("table:number-rows-repeated")).toInt());
        } else if (x.isEndElement() && x.name() == QLatin1String("table-row")) {
            // a row repeated many times is a run of empty rows at the sheet's end
            for (int i = 0;
                 i < (fila.isEmpty() ? qMin(repetirFila, 1) : repetirFila) && int(leido.filas.size()) < MaximoDeFilas;
                 ++i)
                leido.filas.push_back(fila);
        } else if (x.isStartElement()
                   && (x.name() == QLatin1String("table-cell") || x.name() == QLatin1String("covered-table-cell"))) {
            const QXmlStreamAttributes a = x.attributes();
            const int repetir =
                qBound(1, a.value(QLatin1String("table:number-columns-repeated")).toInt(), MaximoDeColumnas);
            const QStringView tipo = a.value(QLatin1String("office:value-type"));
            QString texto;
            if (tipo == QLatin1String("float") || tipo == QLatin1String("percentage")) {
                texto = comoTexto(a.value(QLatin1String("office:value")).toDouble());
                x.skipCurrentElement();
            } else if (tipo == QLatin1String("date")) {
                texto = a.value(QLatin1String("office:date-value")).left(10).toString();
                x.skipCurrentElement();
            } else {
                texto = textoDeCeldaOds(x);
            }
            const int desde = int(fila.size());
            for (int i = 0; i < repetir && desde + i < MaximoDeColumnas; ++i)
                fila << texto;
            // the empty cells after the last text are no columns
            while (!fila.isEmpty() && fila.last().isEmpty())
                fila.removeLast();
        }
    }
    if (x.hasError())
        return R::falla(QStringLiteral("%1 (%2)").arg(Danado, x.errorString()));
    if (leido.hojas.isEmpty())
        return R::falla(QStringLiteral("%1 (no tiene hojas)").arg(Danado));
    if (leido.hoja < 0)
        return R::falla(QStringLiteral("no hay ninguna hoja «%1»; las hojas son: %2")
                            .arg(pedida, leido.hojas.join(QStringLiteral(", "))));
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
        return R::falla(Danado);
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
