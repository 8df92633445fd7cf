#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

namespace korva {

// A spreadsheet part's XML, read within the bounds a roster needs. Neither .xlsx nor .ods ever
// needs a DTD, so any DTD (and with it any entity declared there) is refused before a
// reference could be expanded; nesting deeper than a bound is refused; the text of an
// element, its children included, is read without recursion and within a length. Once a
// fault is found, reading stops and falla() says why.
class LectorXml
{
public:
    static constexpr int ProfundidadMaxima = 64;
    // The most characters a cell's text may have: a spreadsheet's own limit.
    static constexpr int MaximoPorTexto = 32767;

    explicit LectorXml(const QByteArray &xml) : m_x(xml) {}

    // The next token; false at the end of the part or at a fault.
    bool siguiente();
    // The text of the element just opened, its children's text included, up to its end.
    QString textoDelElemento();
    // Past the end of the element just opened.
    void saltarElemento();

    bool inicio(const char *nombre) const { return m_x.isStartElement() && m_x.name() == QLatin1String(nombre); }
    bool fin(const char *nombre) const { return m_x.isEndElement() && m_x.name() == QLatin1String(nombre); }
    QXmlStreamReader &xml() { return m_x; }
    int profundidad() const { return m_profundidad; }
    const QString &falla() const { return m_falla; }

private:
    QXmlStreamReader m_x;
    int m_profundidad = 0;
    QString m_falla;
};

// An Office Open XML string with its escapes read: "_x000D_" is the character U+000D and
// "_x005F_" a literal underscore (ECMA-376, ST_Xstring).
QString sinEscapesXlsx(const QString &texto);

}  // namespace korva
