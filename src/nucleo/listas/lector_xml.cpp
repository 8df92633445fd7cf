#include "nucleo/listas/lector_xml.h"

#include <algorithm>
#include <cctype>

namespace korva {

bool LectorXml::siguiente()
{
    if (!m_falla.isEmpty() || m_x.atEnd())
        return false;
    switch (m_x.readNext()) {
    case QXmlStreamReader::DTD:
        m_falla = QStringLiteral("tiene una declaración de tipo de documento (DTD), que una hoja de cálculo nunca "
                                 "lleva");
        return false;
    case QXmlStreamReader::EntityReference:
        m_falla = QStringLiteral("nombra una entidad que no se conoce");
        return false;
    case QXmlStreamReader::StartElement:
        if (++m_profundidad > ProfundidadMaxima) {
            m_falla = QStringLiteral("tiene elementos anidados más de %1 niveles").arg(ProfundidadMaxima);
            return false;
        }
        return true;
    case QXmlStreamReader::EndElement:
        --m_profundidad;
        return true;
    case QXmlStreamReader::Invalid:
        if (m_x.error() != QXmlStreamReader::PrematureEndOfDocumentError)
            m_falla = m_x.errorString();
        return false;
    default:
        return true;
    }
}

QString LectorXml::textoDelElemento()
{
    QString texto;
    const int hasta = m_profundidad - 1;
    while (siguiente() && m_profundidad > hasta)
        if (m_x.isCharacters() && texto.size() < MaximoPorTexto)
            texto += m_x.text().left(MaximoPorTexto - texto.size());
    return texto;
}

void LectorXml::saltarElemento()
{
    const int hasta = m_profundidad - 1;
    while (m_profundidad > hasta && siguiente()) {}
}

QString sinEscapesXlsx(const QString &texto)
{
    if (!texto.contains(QLatin1String("_x")))
        return texto;
    QString salida;
    salida.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto[i] == QLatin1Char('_') && i + 6 < texto.size() && texto[i + 1] == QLatin1Char('x')
            && texto[i + 6] == QLatin1Char('_')) {
            const QStringView hex = QStringView(texto).mid(i + 2, 4);
            bool ok = std::all_of(hex.begin(), hex.end(), [](QChar c) { return isxdigit(c.unicode()) != 0; });
            const uint codigo = ok ? hex.toUInt(&ok, 16) : 0;
            if (ok) {
                salida += QChar(char16_t(codigo));
                i += 6;
                continue;
            }
        }
        salida += texto[i];
    }
    return salida;
}

}  // namespace korva
