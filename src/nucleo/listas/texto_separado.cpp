#include "nucleo/listas/texto_separado.h"

#include "nucleo/listas/partes_de_libro.h"

#include <QStringDecoder>

#include <array>
#include <optional>

namespace korva {

namespace {

// Whether bytes without a byte order mark look like UTF-16: a zero byte in every other place.
std::optional<QStringDecoder::Encoding> utf16SinMarca(const QByteArray &b)
{
    int pares = 0, impares = 0;
    const qsizetype n = qMin<qsizetype>(b.size(), 4096);
    for (qsizetype i = 0; i < n; ++i)
        if (b[i] == '\0')
            ++(i % 2 ? impares : pares);
    if (impares > n / 4 && pares == 0)
        return QStringDecoder::Utf16LE;
    if (pares > n / 4 && impares == 0)
        return QStringDecoder::Utf16BE;
    return std::nullopt;
}

// How well a separator fits: the share of the rows that have the most common number of
// columns, when that number is more than one.
double ajuste(const std::vector<QStringList> &filas)
{
    std::array<int, 64> cuantas{};
    int llenas = 0;
    for (const QStringList &f : filas)
        if (!f.isEmpty()) {
            ++llenas;
            ++cuantas[std::size_t(qMin<qsizetype>(f.size(), 63))];
        }
    int mejor = 0;
    for (std::size_t n = 2; n < cuantas.size(); ++n)
        mejor = qMax(mejor, cuantas[n]);
    return llenas ? double(mejor) / llenas : 0;
}

}  // namespace

bool esUtf16(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || utf16SinMarca(bytes).has_value();
}

// The rows of the text with one separator (none: one column), quotes as RFC 4180 has them.
std::vector<QStringList> filasConSeparador(const QString &texto, QChar separador)
{
    using namespace libro;
    std::vector<QStringList> filas;
    QStringList fila;
    QString campo;
    bool entreComillas = false, citado = false;
    const auto cerrarCampo = [&] {
        if (fila.size() < MaximoDeColumnas)
            fila << (citado ? campo : campo.trimmed()).left(MaximoPorCelda);
        campo.clear();
        citado = false;
    };
    const auto cerrarFila = [&] {
        cerrarCampo();
        if (fila.size() == 1 && fila.front().isEmpty())
            fila.clear();
        filas.push_back(fila);
        fila.clear();
    };
    for (qsizetype i = 0; i < texto.size() && qint64(filas.size()) <= MaximoDeFilas; ++i) {
        const QChar c = texto[i];
        if (campo.size() > MaximoPorCelda && c != QLatin1Char('"') && c != separador && c != QLatin1Char('\r')
            && c != QLatin1Char('\n'))
            continue;  // past what a cell holds: passed over
        if (entreComillas) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < texto.size() && texto[i + 1] == QLatin1Char('"'))
                    campo += texto[++i];
                else
                    entreComillas = false;
            } else {
                campo += c;
            }
        } else if (c == QLatin1Char('"') && campo.trimmed().isEmpty()) {
            entreComillas = citado = true;
            campo.clear();
        } else if (!separador.isNull() && c == separador) {
            cerrarCampo();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < texto.size() && texto[i + 1] == QLatin1Char('\n'))
                ++i;
            cerrarFila();
        } else if (!citado) {
            campo += c;
        }
    }
    if (!campo.isEmpty() || !fila.isEmpty())
        cerrarFila();
    return filas;
}

QString textoDeLista(const QByteArray &bytes, QStringList *avisos)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.mid(2));
    if (const auto utf16 = utf16SinMarca(bytes))
        return QStringDecoder(*utf16).decode(bytes);
    const QByteArray sinMarca = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder entero(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = entero.decode(sinMarca);
    if (!entero.hasError())
        return texto;
    // Lines of two encodings (a list pasted together): each line as it reads.
    QString resultado;
    resultado.reserve(sinMarca.size());
    const QList<QByteArray> lineas = sinMarca.split('\n');
    QStringDecoder ansi("windows-1252", QStringDecoder::Flag::Stateless);
    int malas = 0;
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString linea = utf8.decode(lineas[i]);
        if (utf8.hasError()) {
            linea = ansi.decode(lineas[i]);
            // each line said, up to a page of them
            if (avisos && ++malas <= 20)
                *avisos << QStringLiteral("la línea %1 no estaba en UTF-8: se leyó como Windows-1252 («%2»)")
                               .arg(QString::number(i + 1), linea.trimmed().left(60));
        }
        resultado += linea;
        if (i + 1 < lineas.size())
            resultado += QLatin1Char('\n');
    }
    if (avisos && malas > 20)
        *avisos << QStringLiteral("y %1 líneas más que no estaban en UTF-8").arg(QString::number(malas - 20));
    return resultado;
}

std::vector<QStringList> filasDeTexto(const QString &texto)
{
    std::vector<QStringList> mejor = filasConSeparador(texto, QChar());
    double mejorAjuste = 0;
    for (const QChar s : {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')}) {
        if (!texto.contains(s))
            continue;
        std::vector<QStringList> filas = filasConSeparador(texto, s);
        const double a = ajuste(filas);
        if (a > mejorAjuste + 1e-9) {
            mejorAjuste = a;
            mejor = std::move(filas);
        }
    }
    return mejor;
}

}  // namespace korva
