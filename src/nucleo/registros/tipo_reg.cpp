#include "nucleo/registros/tipo_reg.h"

#include <QHash>
#include <QStringDecoder>

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

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

// The code page's bytes for a text, or nothing when a character of it has none.
std::optional<QByteArray> enCodigo(const icu::UnicodeString &u)
{
    const auto &t = tabla();
    QByteArray salida;
    for (int32_t i = 0; i < u.length(); i = u.moveIndex32(i, 1)) {
        const auto it = t.aByte.constFind(char32_t(u.char32At(i)));
        if (it == t.aByte.constEnd())
            return std::nullopt;
        salida.append(*it);
    }
    if (salida.isEmpty())
        return std::nullopt;
    return salida;
}

// The closest form that the code page holds of a character it lacks: its compatibility
// form (full-width digits, ligatures), else its Latin transliteration (Cyrillic, Greek),
// else that without accents (Ł as L); "?" where nothing close exists.
QByteArray formaCercana(char32_t cp)
{
    UErrorCode e = U_ZERO_ERROR;
    const icu::UnicodeString original{static_cast<UChar32>(cp)};
    icu::UnicodeString u = original;
    if (const icu::Normalizer2 *nfkc = icu::Normalizer2::getNFKCInstance(e); U_SUCCESS(e)) {
        u = nfkc->normalize(u, e);
        if (U_FAILURE(e))
            u = original;
        if (auto b = enCodigo(u))
            return *b;
    }
    static const std::unique_ptr<icu::Transliterator> latin = [] {
        UErrorCode e = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance("Any-Latin", UTRANS_FORWARD, e));
        return U_SUCCESS(e) ? std::move(t) : nullptr;
    }();
    static const std::unique_ptr<icu::Transliterator> ascii = [] {
        UErrorCode e = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, e));
        return U_SUCCESS(e) ? std::move(t) : nullptr;
    }();
    for (const auto *paso : {latin.get(), ascii.get()}) {
        if (!paso)
            continue;
        paso->transliterate(u);
        if (auto b = enCodigo(u))
            return *b;
    }
    return QByteArrayLiteral("?");
}

// A text as the code page holds it: composed first (a decomposed "é" is one character
// that the code page has), a control character as a blank, a character the code page
// lacks as its closest form. A combining mark left over once composed, and an invisible
// format character, that the code page lacks are dropped, as the closest form of a letter
// drops its accents: they are no character of their own.
QByteArray codificar(const QString &texto)
{
    const auto &t = tabla();
    const QList<uint> caracteres = texto.normalized(QString::NormalizationForm_C).toUcs4();
    QByteArray salida;
    salida.reserve(caracteres.size());
    for (uint cp : caracteres) {
        const bool control = QChar::category(cp) == QChar::Other_Control;
        const auto it = t.aByte.constFind(char32_t(cp));
        // The bytes that the code page leaves undefined come back from a file as C1 control
        // characters, and go back as the same bytes; TAB, line feed and the rest become blanks.
        const auto categoria = QChar::category(cp);
        const bool sinForma = categoria == QChar::Mark_NonSpacing || categoria == QChar::Mark_SpacingCombining
            || categoria == QChar::Mark_Enclosing || categoria == QChar::Other_Format;
        if (control && (cp < 0x20 || cp == 0x7f || it == t.aByte.constEnd()))
            salida.append(' ');
        else if (it != t.aByte.constEnd())
            salida.append(*it);
        else if (!sinForma)
            salida.append(formaCercana(char32_t(cp)));
    }
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
    return codificar(texto);
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
    // One byte is one stored character: cut after the conversion, so an emoji is one "?"
    // and a character stored as two ("½" as "1/2") takes its two places.
    const QByteArray valor = codificar(texto).leftJustified(d.ancho, ' ', true);
    std::copy(valor.constBegin(), valor.constEnd(), m_bytes.begin() + d.desplazamiento);
}

QString sinRelleno(const QString &texto)
{
    qsizetype fin = texto.size();
    while (fin > 0 && texto[fin - 1] == QLatin1Char(' '))
        --fin;
    return texto.left(fin);
}

}  // namespace korva
