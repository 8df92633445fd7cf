#include "nucleo/listas/libro_de_calculo.h"

#include "nucleo/listas/archivo_zip.h"
#include "nucleo/listas/lector_xml.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace korva {

namespace {

using R = ResultadoDe<LibroDeCalculo>;

// The most one part of the archive may hold once unzipped, and the most cells a row and
// rows a sheet may have: a squad's list is far below, a zip bomb far above.
constexpr qint64 MaximoPorParte = 32 * 1024 * 1024;
constexpr int MaximoDeColumnas = 256;
constexpr int MaximoDeFilas = 20000;
constexpr int MaximoDeTextos = MaximoDeFilas * 4;

const QString Danado = QStringLiteral("el archivo está dañado o no es una hoja de cálculo");
const QString FilasDeMas = QStringLiteral("la hoja tiene más de %1 filas, y una plantilla cabe en muchas menos: "
                                          "copie los atletas a una hoja nueva")
                               .arg(MaximoDeFilas);

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
                QStringLiteral("%1 (más de %2 textos)").arg(Danado, QString::number(MaximoDeTextos)));
    }
    if (!l.falla().isEmpty())
        return ResultadoDe<QStringList>::falla(QStringLiteral("%1 (%2)").arg(Danado, l.falla()));
    return ResultadoDe<QStringList>::exito(textos);
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
        return R::falla(QStringLiteral("%1 (%2)").arg(Danado, lv.falla()));
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
        return R::falla(QStringLiteral("%1 (%2)").arg(Danado, lw.falla()));
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
    const ResultadoDe<QStringList> compartidosLeidos = textosCompartidos(compartidos.valor());
    if (!compartidosLeidos)
        return R::falla(compartidosLeidos);
    const QStringList &textos = compartidosLeidos.valor();
    const QSet<int> deFecha = estilosDeFecha(estilos.valor());

    LectorXml l(hoja.valor());
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
                return R::falla(QStringLiteral("%1 (la fila %2 viene después de la %3)")
                                    .arg(Danado, QString::number(r), QString::number(numeroDeFila)));
            if ((conNumero ? r : numeroDeFila + 1) > MaximoDeFilas)
                return R::falla(FilasDeMas);
            while (conNumero && numeroDeFila + 1 < r) {
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
            const QString v = l.textoDelElemento();
            QString texto = v;
            if (tipo == QLatin1String("s")) {
                bool ok = false;
                const qint64 indice = v.trimmed().toLongLong(&ok);
                if (!ok || indice < 0 || indice >= textos.size())
                    return R::falla(
                        QStringLiteral("%1 (una celda nombra el texto %2, que no está)").arg(Danado, v.left(30)));
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
        return R::falla(QStringLiteral("%1 (%2)").arg(Danado, l.falla()));
    return R::exito(leido);
}

// ---- OpenDocument (.ods) ----

// The text of a cell: its paragraphs, each line's spans and spaces kept, within a cell's
// length (a run of spaces counts what it adds, so no count can make it grow past it).
QString textoDeCeldaOds(LectorXml &l)
{
    QXmlStreamReader &x = l.xml();
    QStringList parrafos;
    QString actual;
    const int hasta = l.profundidad() - 1;
    qsizetype largo = 0;
    bool enParrafo = false;
    const auto anadir = [&](const QString &t) {
        const qsizetype cabe = qMax<qsizetype>(0, LectorXml::MaximoPorTexto - largo);
        actual += t.left(cabe);
        largo += qMin(cabe, t.size());
    };
    while (l.siguiente() && l.profundidad() > hasta) {
        if (x.isStartElement()) {
            if (x.name() == QLatin1String("p") || x.name() == QLatin1String("h")) {
                enParrafo = true;
                actual.clear();
            } else if (x.name() == QLatin1String("s")) {
                const qint64 c = x.attributes().value(QLatin1String("text:c")).toLongLong();
                const qsizetype cabe = qMax<qsizetype>(0, LectorXml::MaximoPorTexto - largo);
                anadir(QString(qsizetype(qBound<qint64>(1, c, cabe > 0 ? cabe : 1)), QLatin1Char(' ')));
            } else if (x.name() == QLatin1String("tab")) {
                anadir(QStringLiteral("\t"));
            } else if (x.name() == QLatin1String("line-break")) {
                anadir(QStringLiteral("\n"));
            } else if (x.name() == QLatin1String("annotation")) {
                l.saltarElemento();  // a comment is not the cell's text
            }
        } else if (x.isEndElement()) {
            if (x.name() == QLatin1String("p") || x.name() == QLatin1String("h")) {
                enParrafo = false;
                parrafos << actual;
            }
        } else if (x.isCharacters() && enParrafo) {
            anadir(x.text().toString());
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
    LectorXml l(contenido.valor());
    QXmlStreamReader &x = l.xml();
    bool enLaHoja = false;
    QStringList fila;
    qint64 repetirFila = 1;
    while (l.siguiente()) {
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
            repetirFila =
                qMax<qint64>(1, x.attributes().value(QLatin1String("table:number-rows-repeated")).toLongLong());
        } else if (x.isEndElement() && x.name() == QLatin1String("table-row")) {
            // the empty cells after the last text are no columns; a row repeated many times
            // is a run of empty rows at the sheet's end
            while (!fila.isEmpty() && fila.last().isEmpty())
                fila.removeLast();
            const qint64 veces = fila.isEmpty() ? 1 : repetirFila;
            if (qint64(leido.filas.size()) + veces > MaximoDeFilas)
                return R::falla(FilasDeMas);
            for (qint64 i = 0; i < veces; ++i)
                leido.filas.push_back(fila);
        } else if (x.isStartElement()
                   && (x.name() == QLatin1String("table-cell") || x.name() == QLatin1String("covered-table-cell"))) {
            const QXmlStreamAttributes a = x.attributes();
            const int repetir = int(qBound<qint64>(
                1, a.value(QLatin1String("table:number-columns-repeated")).toLongLong(), qint64(MaximoDeColumnas)));
            const QStringView tipo = a.value(QLatin1String("office:value-type"));
            QString texto;
            if (tipo == QLatin1String("float") || tipo == QLatin1String("percentage")) {
                texto = comoTexto(a.value(QLatin1String("office:value")).toDouble());
                l.saltarElemento();
            } else if (tipo == QLatin1String("date")) {
                texto = a.value(QLatin1String("office:date-value")).left(10).toString();
                l.saltarElemento();
            } else {
                texto = textoDeCeldaOds(l);
            }
            // every cell is a column, an empty one too (Calc writes them as <table:table-cell/>)
            const int desde = int(fila.size());
            for (int i = 0; i < repetir && desde + i < MaximoDeColumnas; ++i)
                fila << texto;
        }
    }
    if (!l.falla().isEmpty())
        return R::falla(QStringLiteral("%1 (%2)").arg(Danado, l.falla()));
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
