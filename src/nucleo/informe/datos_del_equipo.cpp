#include "nucleo/informe/datos_del_equipo.h"

#include "nucleo/comun/archivos_del_sistema.h"

#include <QDir>
#include <QFileInfo>

namespace korva {

namespace {

const QString Cabecera = QStringLiteral("# KORVA 4: el equipo de esta carpeta. Una línea «clave = valor» cada dato.");

// One line: no line break, no control character.
QString enUnaLinea(const QString &texto)
{
    QString limpio;
    for (const QChar c : texto)
        limpio += c.category() == QChar::Other_Control ? QLatin1Char(' ') : c;
    return limpio.simplified();
}

}  // namespace

DatosDelEquipo leerDatosDelEquipo(const QString &carpeta)
{
    DatosDelEquipo datos;
    const ResultadoDe<QByteArray> bytes = leerArchivoAcotado(QDir(carpeta).filePath(ArchivoDatosDelEquipo), 64 * 1024);
    if (!bytes)
        return datos;
    for (const QString &linea : QString::fromUtf8(bytes.valor()).split(QLatin1Char('\n'))) {
        if (linea.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const QString clave = linea.section(QLatin1Char('='), 0, 0).trimmed().toLower();
        const QString valor = enUnaLinea(linea.section(QLatin1Char('='), 1)).left(MaximoDeDatoDelEquipo);
        if (clave == QLatin1String("nombre"))
            datos.nombre = valor;
        else if (clave == QLatin1String("entrenador"))
            datos.entrenador = valor;
    }
    return datos;
}

Resultado guardarDatosDelEquipo(const QString &carpeta, const DatosDelEquipo &datos)
{
    const QString texto = QStringLiteral("%1\nnombre = %2\nentrenador = %3\n")
                              .arg(Cabecera, enUnaLinea(datos.nombre), enUnaLinea(datos.entrenador));
    return escribirArchivoEntero(QDir(carpeta).filePath(ArchivoDatosDelEquipo), texto.toUtf8());
}

QString nombreDelEquipo(const QString &carpeta)
{
    const QString nombre = leerDatosDelEquipo(carpeta).nombre;
    if (!nombre.isEmpty())
        return nombre;
    const QString deCarpeta = QFileInfo(QDir(carpeta).absolutePath()).fileName();
    return deCarpeta.isEmpty() ? QDir::toNativeSeparators(QDir(carpeta).absolutePath()) : deCarpeta;
}

}  // namespace korva
