#include "nucleo/calificacion/conversiones.h"

#include <QLocale>

#include <cmath>
#include <limits>
#include <vector>

namespace korva {

QString sinFormato(const QString &texto)
{
    QString limpio;
    limpio.reserve(texto.size());
    for (QChar c : texto)
        if (c.category() != QChar::Other_Format)
            limpio.append(c);
    return limpio.trimmed();
}

std::optional<double> Convertir_Decimal(const QString &texto)
{
    const QString limpio = sinFormato(texto);

    // One optional sign, digits, at most one decimal mark ("." or ","), digits; nothing
    // else: no thousands separator, no exponent, no "inf" or "nan".
    QByteArray numero;
    numero.reserve(limpio.size());
    int i = 0;
    if (i < limpio.size() && (limpio[i] == u'-' || limpio[i] == u'+' || limpio[i] == QChar(0x2212)))
        numero.append(limpio[i++] == u'+' ? '+' : '-');
    bool marca = false, digitos = false;
    for (; i < limpio.size(); ++i) {
        const QChar c = limpio[i];
        if (c.isDigit()) {
            numero.append(char('0' + c.digitValue()));
            digitos = true;
        } else if ((c == u'.' || c == u',') && !marca) {
            numero.append('.');
            marca = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digitos)
        return std::nullopt;
    bool ok = false;
    const double valor = QLocale::c().toDouble(QString::fromLatin1(numero), &ok);
    if (!ok || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

std::optional<qint16> Redondear_Entero(double valor)
{
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const double redondo = std::nearbyint(valor);
    if (!(redondo >= std::numeric_limits<qint16>::min() && redondo <= std::numeric_limits<qint16>::max()))
        return std::nullopt;  // also NaN
    return qint16(redondo);
}

std::optional<qint16> Convertir_Entero(const QString &texto)
{
    const auto valor = Convertir_Decimal(texto);
    if (!valor)
        return std::nullopt;
    return Redondear_Entero(*valor);
}

std::optional<qint16> Sumar16(qint16 a, qint16 b)
{
    const int suma = int(a) + int(b);
    if (suma < std::numeric_limits<qint16>::min() || suma > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(suma);
}

std::optional<qint16> Sumar_Enteros(std::initializer_list<QString> textos)
{
    std::vector<qint16> valores;
    valores.reserve(textos.size());
    for (const QString &texto : textos) {
        const auto v = Convertir_Entero(texto);
        if (!v)
            return std::nullopt;
        valores.push_back(*v);
    }
    std::optional<qint16> suma = qint16(0);
    for (qint16 v : valores) {
        suma = Sumar16(*suma, v);
        if (!suma)
            return std::nullopt;
    }
    return suma;
}

QString Texto_Entero(int valor)
{
    return QString::number(valor);
}

}  // namespace korva
