#include "equipo/exportaciones/exportar.h"

#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/informe/datos_del_equipo.h"
#include "nucleo/informe/resumen.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <cerrno>
#include <clocale>

namespace korva {

namespace {

// A reason for a failure of the spreadsheet writer, in Spanish.
QString razonXlsx(lxw_error e, int error)
{
    switch (e) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return razonDelSistema(ENOMEM);
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        return error ? razonDelSistema(error) : QStringLiteral("no se pudo escribir el archivo temporal");
    default:
        return QStringLiteral("no se pudo componer la hoja de cálculo (error %1)").arg(int(e));
    }
}

// While it lives, this thread formats and reads numbers the C way ("." as the decimal
// mark), whatever the desktop's locale: the spreadsheet file format always uses ".". The
// process's locale, which belongs to the user, is left alone.
class NumerosEnC
{
public:
    NumerosEnC() : m_c(::newlocale(LC_NUMERIC_MASK, "C", ::duplocale(LC_GLOBAL_LOCALE)))
    {
        if (m_c)
            m_antes = ::uselocale(m_c);
    }
    ~NumerosEnC()
    {
        if (m_c) {
            ::uselocale(m_antes);
            ::freelocale(m_c);
        }
    }
    NumerosEnC(const NumerosEnC &) = delete;
    NumerosEnC &operator=(const NumerosEnC &) = delete;

private:
    locale_t m_c;
    locale_t m_antes = nullptr;
};

// The number a cell of a column of numbers shows, as the athlete holds it.
std::optional<double> numeroDeCelda(const TablaEquipo &tabla, std::size_t fila, int columna)
{
    const TipoColumna tipo = tabla.tipos[std::size_t(columna)];
    if (tipo != TipoColumna::Numero && tipo != TipoColumna::Cambio)
        return std::nullopt;
    return tabla.numeros[fila].at(std::size_t(columna));
}

// The first sheet, "Resumen": the team's name, then per tab the athletes per overall grade,
// the mean of each percentage and, with a comparison, each mean change: numbers all, so that a
// spreadsheet can chart them.
bool escribirResumen(lxw_workbook *libro, lxw_format *negrita, lxw_format *conSigno,
                     const std::vector<const Equipo *> &equipos, const std::vector<const Comparacion *> &comparaciones)
{
    lxw_worksheet *hoja = workbook_add_worksheet(libro, "Resumen");
    if (!hoja)
        return false;
    const QString carpeta = equipos.empty() ? QString() : QFileInfo(equipos.front()->ruta).absolutePath();
    worksheet_write_string(hoja, 0, 0, QStringLiteral("Equipo: %1").arg(nombreDelEquipo(carpeta)).toUtf8().constData(),
                           negrita);
    const bool conCambios = std::any_of(comparaciones.begin(), comparaciones.end(), [](auto *c) { return c; });
    QStringList cabecera{QStringLiteral("Pestaña"), QStringLiteral("Atletas")};
    for (Grado g : Grados)
        cabecera << QStringLiteral("Nivel general %1").arg(textoGrado(g));
    cabecera << QStringLiteral("Sin nivel") << QStringLiteral("Media % resist. / cond.")
             << QStringLiteral("Media % veloc. / recep.") << QStringLiteral("Media % fuerza / tiro")
             << QStringLiteral("Media % promedio");
    if (conCambios)
        cabecera << QStringLiteral("Cambio medio resist. / cond.") << QStringLiteral("Cambio medio veloc. / recep.")
                 << QStringLiteral("Cambio medio fuerza / tiro") << QStringLiteral("Cambio medio promedio");
    for (int c = 0; c < cabecera.size(); ++c)
        worksheet_write_string(hoja, 2, lxw_col_t(c), cabecera[c].toUtf8().constData(), negrita);
    worksheet_set_column(hoja, 0, 0, 24, nullptr);
    for (std::size_t i = 0; i < equipos.size(); ++i) {
        const lxw_row_t fila = lxw_row_t(3 + i);
        const Equipo &e = *equipos[i];
        const Resumen r = resumir(e);
        worksheet_write_string(hoja, fila, 0, e.archivo.titulo, nullptr);
        worksheet_write_number(hoja, fila, 1, r.atletas, nullptr);
        for (std::size_t g = 0; g < r.porGrado.size(); ++g)
            worksheet_write_number(hoja, fila, lxw_col_t(2 + g), r.porGrado[g], nullptr);
        lxw_col_t c = lxw_col_t(2 + r.porGrado.size());
        for (const auto &media : r.medias) {
            if (media)
                worksheet_write_number(hoja, fila, c, *media, nullptr);
            ++c;
        }
        if (const Comparacion *comparacion = i < comparaciones.size() ? comparaciones[i] : nullptr)
            for (const auto &cambio : cambiosMedios(*comparacion, e)) {
                if (cambio)
                    worksheet_write_number(hoja, fila, c, *cambio, conSigno);
                ++c;
            }
    }
    return true;
}

// The bytes of the workbook, made in a folder of our own that nobody else can enter.
ResultadoDe<QByteArray> componerXlsx(const std::vector<const Equipo *> &equipos,
                                     const std::vector<const Comparacion *> &comparaciones)
{
    using R = ResultadoDe<QByteArray>;
    QTemporaryDir obra;
    if (!obra.isValid())
        return R::falla(QStringLiteral("no se pudo crear una carpeta temporal en «%1»").arg(QDir::tempPath()));
    const QByteArray nombreObra = QFile::encodeName(obra.filePath(QStringLiteral("equipo.xlsx")));
    {
        const NumerosEnC c;
        lxw_workbook_options opciones{};
        const QByteArray temporal = QFile::encodeName(obra.path());
        opciones.tmpdir = const_cast<char *>(temporal.constData());
        lxw_workbook *libro = workbook_new_opt(nombreObra.constData(), &opciones);
        if (!libro)
            return R::falla(razonXlsx(LXW_ERROR_CREATING_XLSX_FILE, errno));
        lxw_format *negrita = workbook_add_format(libro);
        format_set_bold(negrita);
        // a change keeps its sign, and stays a number: +25, -10, 0
        lxw_format *conSigno = workbook_add_format(libro);
        format_set_num_format(conSigno, "+0;-0;0");
        lxw_format *mediaConSigno = workbook_add_format(libro);
        format_set_num_format(mediaConSigno, "+0.0;-0.0;0.0");
        if (!escribirResumen(libro, negrita, mediaConSigno, equipos, comparaciones)) {
            workbook_close(libro);
            return R::falla(QStringLiteral("no se pudo añadir la hoja «Resumen»"));
        }
        for (std::size_t i = 0; i < equipos.size(); ++i) {
            const Equipo *e = equipos[i];
            const TablaEquipo tabla = tablaDeEquipo(*e, i < comparaciones.size() ? comparaciones[i] : nullptr);
            const QByteArray nombre = QString::fromUtf8(e->archivo.titulo).left(31).toUtf8();
            lxw_worksheet *hoja = workbook_add_worksheet(libro, nombre.constData());
            if (!hoja) {
                workbook_close(libro);
                return R::falla(QStringLiteral("no se pudo añadir la hoja «%1»").arg(QString::fromUtf8(nombre)));
            }
            for (int c = 0; c < tabla.columnas.size(); ++c)
                worksheet_write_string(hoja, 0, lxw_col_t(c), tabla.columnas[c].toUtf8().constData(), negrita);
            worksheet_set_column(hoja, 1, 1, 30, nullptr);
            lxw_row_t fila = 1;
            for (std::size_t f = 0; f < tabla.filas.size(); ++f) {
                const QStringList &textos = tabla.filas[f];
                for (int c = 0; c < textos.size(); ++c) {
                    const QString &t = textos[c];
                    if (t.trimmed().isEmpty())
                        continue;
                    const auto numero = numeroDeCelda(tabla, f, c);
                    if (numero)
                        worksheet_write_number(hoja, fila, lxw_col_t(c), *numero,
                                               tabla.tipos[std::size_t(c)] == TipoColumna::Cambio ? conSigno : nullptr);
                    else
                        worksheet_write_string(hoja, fila, lxw_col_t(c), t.toUtf8().constData(), nullptr);
                }
                ++fila;
            }
        }
        errno = 0;
        const lxw_error error = workbook_close(libro);
        if (error != LXW_NO_ERROR)
            return R::falla(razonXlsx(error, errno));
    }
    // a workbook of five sheets of 30 rows is some kilobytes
    return leerArchivoAcotado(obra.filePath(QStringLiteral("equipo.xlsx")), 64 * 1024 * 1024);
}

}  // namespace

// Whether every team and every comparison was read; else which file could not be, and why.
Resultado todoLeido(const std::vector<const Equipo *> &equipos, const std::vector<const Comparacion *> &comparaciones)
{
    if (const Resultado r = equiposLeidos(equipos); !r)
        return r;
    for (const Comparacion *c : comparaciones)
        if (c)
            if (const Resultado r = comparacionLeida(*c); !r)
                return r;
    return Resultado::exito();
}

Resultado exportarXlsx(const QString &ruta, const std::vector<const Equipo *> &equipos,
                       const std::vector<const Comparacion *> &comparaciones)
{
    if (const Resultado leidos = todoLeido(equipos, comparaciones); !leidos)
        return leidos;
    const ResultadoDe<QByteArray> libro = componerXlsx(equipos, comparaciones);
    if (!libro)
        return Resultado::falla(libro);
    return escribirArchivoEntero(ruta, libro.valor());
}

QChar separadorCsv(const QLocale &locale)
{
    return locale.decimalPoint() == QStringLiteral(",") ? QLatin1Char(';') : QLatin1Char(',');
}

QString sinFormula(const QString &texto)
{
    static const QString peligrosos = QStringLiteral("=+-@\t\r");
    if (texto.isEmpty() || !peligrosos.contains(texto.front()) || comoNumero(texto))
        return texto;
    return QLatin1Char('\'') + texto;
}

Resultado exportarCsv(const QString &ruta, const Equipo &equipo, const QLocale &locale, const Comparacion *comparacion)
{
    if (const Resultado leido = todoLeido({&equipo}, {comparacion}); !leido)
        return leido;
    const TablaEquipo tabla = tablaDeEquipo(equipo, comparacion);
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
    for (const QString &c : tabla.columnas)
        cabecera << campo(c);
    texto += cabecera.join(sep) + QStringLiteral("\r\n");
    for (std::size_t f = 0; f < tabla.filas.size(); ++f) {
        const QStringList &textos = tabla.filas[f];
        QStringList fila;
        for (int c = 0; c < textos.size(); ++c) {
            const auto numero = numeroDeCelda(tabla, f, c);
            fila << campo(numero ? numeros.toString(*numero, 'g', 15) : sinFormula(textos[c]));
        }
        texto += fila.join(sep) + QStringLiteral("\r\n");
    }
    // The byte order mark tells spreadsheets that the text is UTF-8.
    return escribirArchivoEntero(ruta, QByteArrayLiteral("\xEF\xBB\xBF") + texto.toUtf8());
}

}  // namespace korva
