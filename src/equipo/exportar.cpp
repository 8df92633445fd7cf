#include "equipo/exportar.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace korva {

namespace {

QString razonXlsx(lxw_error e)
{
    return QString::fromUtf8(lxw_strerror(e));
}

}  // namespace

Resultado exportarXlsx(const QString &ruta, const std::vector<const Equipo *> &equipos)
{
    // A file of our own beside the place, so that the final step is a rename.
    const QFileInfo destino(ruta);
    QTemporaryFile obra(destino.absoluteDir().filePath(QStringLiteral(".korva4-XXXXXX.xlsx")));
    if (!obra.open())
        return Resultado::falla(obra.errorString());
    const QByteArray nombreObra = QFile::encodeName(obra.fileName());
    obra.close();

    lxw_workbook *libro = workbook_new(nombreObra.constData());
    if (!libro)
        return Resultado::falla(QStringLiteral("no se pudo empezar la hoja de cálculo"));
    lxw_format *negrita = workbook_add_format(libro);
    format_set_bold(negrita);
    for (const Equipo *e : equipos) {
        const QByteArray nombre = QString::fromUtf8(e->archivo.titulo).left(31).toUtf8();
        lxw_worksheet *hoja = workbook_add_worksheet(libro, nombre.constData());
        if (!hoja) {
            workbook_close(libro);
            return Resultado::falla(QStringLiteral("no se pudo añadir la hoja «%1»").arg(QString::fromUtf8(nombre)));
        }
        const QStringList columnas = columnasDatos(e->archivo) + columnasResultados(e->archivo);
        for (int c = 0; c < columnas.size(); ++c)
            worksheet_write_string(hoja, 0, lxw_col_t(c), columnas[c].toUtf8().constData(), negrita);
        worksheet_set_column(hoja, 1, 1, 30, nullptr);
        lxw_row_t fila = 1;
        for (const Atleta &a : e->atletas) {
            const QStringList textos = celdas(a);
            for (int c = 0; c < textos.size(); ++c) {
                const QString &t = textos[c];
                if (t.trimmed().isEmpty())
                    continue;
                const auto numero = esColumnaNumerica(e->archivo, c) ? comoNumero(t) : std::nullopt;
                if (numero)
                    worksheet_write_number(hoja, fila, lxw_col_t(c), *numero, nullptr);
                else
                    worksheet_write_string(hoja, fila, lxw_col_t(c), t.toUtf8().constData(), nullptr);
            }
            ++fila;
        }
    }
    const lxw_error error = workbook_close(libro);
    if (error != LXW_NO_ERROR) {
        QFile::remove(obra.fileName());
        return Resultado::falla(razonXlsx(error));
    }
    if (std::rename(nombreObra.constData(), QFile::encodeName(destino.absoluteFilePath()).constData()) != 0) {
        const QString razon = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(obra.fileName());
        return Resultado::falla(razon);
    }
    QFile::setPermissions(destino.absoluteFilePath(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return Resultado::exito();
}

QChar separadorCsv(const QLocale &locale)
{
    return locale.decimalPoint() == QStringLiteral(",") ? QLatin1Char(';') : QLatin1Char(',');
}

Resultado exportarCsv(const QString &ruta, const Equipo &equipo, const QLocale &locale)
{
    const QChar sep = separadorCsv(locale);
    QLocale numeros = locale;
    numeros.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto campo = [&](const QString &t) {
        if (t.contains(sep) || t.contains(QLatin1Char('"')) || t.contains(QLatin1Char('\n'))
            || t.contains(QLatin1Char('\r')))
            return QLatin1Char('"') + QString(t).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
        return t;
    };
    QString texto;
    QStringList cabecera;
    for (const QString &c : columnasDatos(equipo.archivo) + columnasResultados(equipo.archivo))
        cabecera << campo(c);
    texto += cabecera.join(sep) + QStringLiteral("\r\n");
    for (const Atleta &a : equipo.atletas) {
        const QStringList textos = celdas(a);
        QStringList fila;
        for (int c = 0; c < textos.size(); ++c) {
            const auto numero = esColumnaNumerica(equipo.archivo, c) ? comoNumero(textos[c]) : std::nullopt;
            fila << campo(numero ? numeros.toString(*numero, 'g', 15) : textos[c]);
        }
        texto += fila.join(sep) + QStringLiteral("\r\n");
    }
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        return Resultado::falla(f.errorString());
    // The byte order mark tells spreadsheets that the text is UTF-8.
    const QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF") + texto.toUtf8();
    if (f.write(bytes) != bytes.size() || !f.commit())
        return Resultado::falla(f.errorString());
    return Resultado::exito();
}

}  // namespace korva
