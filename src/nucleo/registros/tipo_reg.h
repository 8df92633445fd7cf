#pragma once

#include "nucleo/comun/campo.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace korva {

// Where a field lies in a record.
struct DefCampo {
    Campo campo;
    const char *nombre;
    int desplazamiento;  // byte offset within the record
    int ancho;           // width in characters, one byte each on disk
};

constexpr int LongitudRegistro = 130;
constexpr int RegistrosPorArchivo = 30;

// Where record n (1 to 30) starts in its file.
constexpr qint64 posicionDeRegistro(int n)
{
    return qint64(n - 1) * LongitudRegistro;
}

// Offsets and widths of the fields: 30 + 6 x 10 + 8 x 5 = 130 bytes.
const std::array<DefCampo, 15> &camposTipoReg();
const DefCampo &defCampo(Campo campo);

// One athlete record exactly as it lies on disk: 130 bytes of Windows-1252 text.
// A field that nothing ever stored into holds zero bytes; bytes brought in with a
// file are kept as they are until a field is stored into.
class TipoReg
{
public:
    TipoReg();
    static TipoReg desdeBytes(const QByteArray &bytes);  // shorter input reads as zero bytes

    const QByteArray &bytes() const { return m_bytes; }

    // The field as the screen shows it: its text up to the first NUL, trailing blanks kept.
    QString campo(Campo campo) const;
    // Stores a text: left-aligned, cut to the width in characters, padded with blanks.
    void guardar(Campo campo, const QString &texto);

    bool operator==(const TipoReg &otro) const { return m_bytes == otro.m_bytes; }
    bool operator!=(const TipoReg &otro) const { return !(*this == otro); }

private:
    QByteArray m_bytes;
};

// A field's text without the blanks after it that only pad it to its width.
QString sinRelleno(const QString &texto);

// Windows-1252 through the system's codec. Text is stored composed (NFC); a control
// character becomes a blank; a character the code page cannot hold becomes its closest
// form there (through ICU), or one "?" where nothing close exists.
QByteArray aWindows1252(const QString &texto);
QString deWindows1252(const QByteArray &bytes);

}  // namespace korva
