#include "equipo/familias/textos_familias.h"

#include "nucleo/comun/archivos_del_sistema.h"

#include <QDir>
#include <QFile>

namespace korva {

QByteArray TextosFamilias::original()
{
    QFile propio(QStringLiteral(":/korva4/textos_familias.txt"));
    return propio.open(QIODevice::ReadOnly) ? propio.read(1024 * 1024) : QByteArray();
}

void TextosFamilias::leer(const QString &texto)
{
    for (const QString &linea : texto.split(QLatin1Char('\n'))) {
        const QString l = linea.trimmed();
        if (l.isEmpty() || l.startsWith(QLatin1Char('#')) || !l.contains(QLatin1Char('=')))
            continue;
        const QString valor = l.section(QLatin1Char('='), 1).trimmed().left(MaximoPorTexto);
        if (!valor.isEmpty())
            m_textos.insert(l.section(QLatin1Char('='), 0, 0).trimmed().toLower(), valor);
    }
}

TextosFamilias TextosFamilias::cargar(const QString &carpeta, QStringList *avisos)
{
    TextosFamilias t;
    t.leer(QString::fromUtf8(original()));
    const QString copia = QDir(carpeta).filePath(NombreDelArchivo);
    if (!QFileInfo::exists(copia))
        return t;
    const ResultadoDe<QByteArray> bytes = leerArchivoAcotado(copia, 256 * 1024);
    if (!bytes) {
        if (avisos)
            *avisos << QStringLiteral("no se pudo leer «%1» (%2): se usan los textos del programa")
                           .arg(QDir::toNativeSeparators(copia), bytes.razon());
        return t;
    }
    t.leer(QString::fromUtf8(bytes.valor()));
    return t;
}

QString TextosFamilias::nivel(std::optional<Grado> grado) const
{
    return grado ? texto(QStringLiteral("nivel.") + textoGrado(*grado).toLower()) : QString();
}

QString TextosFamilias::general(std::optional<Grado> grado) const
{
    return texto(grado ? QStringLiteral("general.") + textoGrado(*grado).toLower() : QStringLiteral("general.ninguno"));
}

QStringList TextosFamilias::consejos(const QString &capacidad) const
{
    QStringList lineas;
    for (const QString &l : texto(QStringLiteral("consejo.") + capacidad).split(QLatin1Char('|')))
        if (!l.trimmed().isEmpty())
            lineas << l.trimmed();
    return lineas;
}

}  // namespace korva
