#include "tiporeg.h"

#include <QHash>
#include <QStringDecoder>

namespace korva {

namespace {

// The code page has 256 bytes; the system's converter tells what each one means, and
// the reverse lookup is built from that, so no table of characters is written by hand.
struct TablaWindows1252 {
    std::array<char32_t, 256> aCaracter{};
    QHash<char32_t, char> aByte;

    TablaWindows1252()
    {
        QStringDecoder decodificador("windows-1252", QStringDecoder::Flag::Stateless);
        Q_ASSERT_X(decodificador.isValid(), "TablaWindows1252", "no Windows-1252 codec");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            QString c = decodificador.decode(QByteArrayView(&byte, 1));
            char32_t cp = c.isEmpty() ? char32_t(b) : c.toUcs4().value(0, char32_t(b));
            aCaracter[b] = cp;
            aByte.insert(cp, byte);
        }
    }
};

const TablaWindows1252 &tabla()
{
    static const TablaWindows1252 t;
    return t;
}

QByteArray codificar(const QList<uint> &caracteres)
{
    const auto &t = tabla();
    QByteArray salida;
    salida.reserve(caracteres.size());
    for (uint cp : caracteres)
        salida.append(t.aByte.value(char32_t(cp), '?'));
    return salida;
}

}  // namespace

const std::array<DefCampo, 15> &camposTipoReg()
{
    static const std::array<DefCampo, 15> campos{{
        {Campo::Nombre, "Nombre", 0, 30},
        {Campo::Edad, "Edad", 30, 10},
        {Campo::Resistencia, "Resistencia", 40, 10},
        {Campo::Velocidad, "Velocidad", 50, 10},
        {Campo::Lagartijas, "Lagartijas", 60, 10},
        {Campo::Abdominales, "Abdominales", 70, 10},
        {Campo::Sentadillas, "Sentadillas", 80, 10},
        {Campo::CondInterna, "CondInterna", 90, 5},
        {Campo::CondExterna, "CondExterna", 95, 5},
        {Campo::RePecho, "RePecho", 100, 5},
        {Campo::ReMuslo, "ReMuslo", 105, 5},
        {Campo::RePie, "RePie", 110, 5},
        {Campo::TiroInterna, "TiroInterna", 115, 5},
        {Campo::TiroExterna, "TiroExterna", 120, 5},
        {Campo::TiroFrontal, "TiroFrontal", 125, 5},
    }};
    return campos;
}

const DefCampo &defCampo(Campo campo)
{
    return camposTipoReg()[std::size_t(campo)];
}

QByteArray aWindows1252(const QString &texto)
{
    return codificar(texto.toUcs4());
}

QString deWindows1252(const QByteArray &bytes)
{
    const auto &t = tabla();
    QString salida;
    salida.reserve(bytes.size());
    for (char b : bytes) {
        char32_t cp = t.aCaracter[uchar(b)];
        salida.append(QString::fromUcs4(&cp, 1));
    }
    return salida;
}

TipoReg::TipoReg() : m_bytes(LongitudRegistro, '\0') {}

TipoReg TipoReg::desdeBytes(const QByteArray &bytes)
{
    TipoReg r;
    const int n = int(qMin<qsizetype>(bytes.size(), LongitudRegistro));
    std::copy(bytes.constBegin(), bytes.constBegin() + n, r.m_bytes.begin());
    return r;
}

QString TipoReg::campo(Campo campo) const
{
    const DefCampo &d = defCampo(campo);
    QByteArray crudo = m_bytes.mid(d.desplazamiento, d.ancho);
    const int nul = int(crudo.indexOf('\0'));
    if (nul >= 0)
        crudo.truncate(nul);
    return deWindows1252(crudo);
}

void TipoReg::guardar(Campo campo, const QString &texto)
{
    const DefCampo &d = defCampo(campo);
    // Cut by characters, not by UTF-16 units: an emoji is one character and one "?".
    QList<uint> cps = texto.toUcs4();
    if (cps.size() > d.ancho)
        cps.resize(d.ancho);
    const QByteArray valor = codificar(cps).leftJustified(d.ancho, ' ', true);
    std::copy(valor.constBegin(), valor.constEnd(), m_bytes.begin() + d.desplazamiento);
}

}  // namespace korva
