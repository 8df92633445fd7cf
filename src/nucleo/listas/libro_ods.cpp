#include "nucleo/listas/libro_ods.h"

#include "nucleo/listas/lector_xml.h"
#include "nucleo/listas/partes_de_libro.h"

namespace korva {

using namespace libro;

namespace {

using R = ResultadoDe<LibroDeCalculo>;

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
                // a run of spaces counts at most a thousand: more is no text of a cell
                const qint64 c = qMin<qint64>(1000, x.attributes().value(QLatin1String("text:c")).toLongLong());
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

}  // namespace

ResultadoDe<LibroDeCalculo> leerOds(ArchivoZip &zip, const QString &pedida)
{
    const ResultadoDe<QByteArray> contenido = parte(zip, QStringLiteral("content.xml"));
    if (!contenido)
        return R::falla(contenido);
    LibroDeCalculo leido;
    leido.hoja = -1;
    LectorXml l(contenido.valor());
    QXmlStreamReader &x = l.xml();
    // the rows of the sheet being read (none: a sheet not asked for), and of all of them
    std::vector<QStringList> *filas = nullptr;
    qint64 filasLeidas = 0;
    QStringList fila;
    qint64 repetirFila = 1;
    while (l.siguiente()) {
        if (x.isStartElement() && x.name() == QLatin1String("table")
            && x.namespaceUri() == QLatin1String("urn:oasis:names:tc:opendocument:xmlns:table:1.0")) {
            leido.hojas << x.attributes().value(QLatin1String("table:name")).toString();
            if (pedida.isEmpty()) {
                leido.filasDeCadaHoja.emplace_back();
                filas = &leido.filasDeCadaHoja.back();
            } else if (leido.hoja < 0 && leido.hojas.last() == pedida) {
                leido.hoja = int(leido.hojas.size()) - 1;
                filas = &leido.filas;
            }
        } else if (x.isEndElement() && x.name() == QLatin1String("table")) {
            filas = nullptr;
        } else if (!filas) {
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
            if (filasLeidas + veces > MaximoDeFilas)
                return R::falla(filasDeMas());
            filasLeidas += veces;
            for (qint64 i = 0; i < veces; ++i)
                filas->push_back(fila);
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
        return R::falla(QStringLiteral("%1 (%2)").arg(danado(), l.falla()));
    if (leido.hojas.isEmpty())
        return R::falla(QStringLiteral("%1 (no tiene hojas)").arg(danado()));
    if (pedida.isEmpty()) {
        leido.hoja = 0;
        leido.filas = leido.filasDeCadaHoja.front();
    }
    if (leido.hoja < 0)
        return R::falla(QStringLiteral("no hay ninguna hoja «%1»; las hojas son: %2")
                            .arg(pedida, leido.hojas.join(QStringLiteral(", "))));
    return R::exito(leido);
}

}  // namespace korva
