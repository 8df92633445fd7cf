#include "nucleo/listas/lista_de_atletas.h"

#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/listas/libro_de_calculo.h"
#include "nucleo/listas/partes_de_libro.h"
#include "nucleo/registros/clave_de_nombre.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace korva {

namespace {

const QString GuardeloComo = QStringLiteral("guárdelo como .xlsx, .ods o CSV desde la hoja de cálculo y vuelva a "
                                            "intentarlo");

// What a file is by its first bytes, when it is no roster at all.
QString queNoEs(const QByteArray &b)
{
    if (b.startsWith("%PDF"))
        return QStringLiteral("es un PDF, no una lista");
    if (b.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return QStringLiteral("es una hoja de cálculo de Excel antigua (.xls), otro documento antiguo de Office, o un "
                              "libro protegido con contraseña (quítele la contraseña en la hoja de cálculo)");
    if (b.startsWith("\x89PNG") || b.startsWith("\xFF\xD8\xFF") || b.startsWith("GIF8") || b.startsWith("BM"))
        return QStringLiteral("es una imagen, no una lista");
    return QString();
}

// A header's text as it is compared: no accents, lower case, no punctuation at its ends.
QString normalizado(const QString &texto)
{
    if (texto.size() > 40)
        return QString();  // no heading is that long
    QString sin;
    for (const QChar c : texto.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            sin += c;
    sin = sin.toLower().simplified();
    // no punctuation at its ends, no dots or colons inside
    const auto letraOCifra = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'); };
    qsizetype desde = 0, hasta = sin.size();
    while (desde < hasta && !letraOCifra(sin[desde]))
        ++desde;
    while (hasta > desde && !letraOCifra(sin[hasta - 1]))
        --hasta;
    sin = sin.mid(desde, hasta - desde);
    sin.remove(QLatin1Char('.'));
    sin.remove(QLatin1Char(':'));
    return sin.simplified();
}

enum class Columna { Otra, Nombre, Apellidos, Edad, Nacimiento };

Columna columnaDeCabecera(const QString &texto)
{
    static const QStringList nombre{"nombre",
                                    "nombres",
                                    "nombre y apellidos",
                                    "nombre completo",
                                    "apellidos y nombre",
                                    "apellidos, nombre",
                                    "atleta",
                                    "atletas",
                                    "jugador",
                                    "jugadora",
                                    "jugadores",
                                    "alumno",
                                    "alumna",
                                    "deportista"};
    static const QStringList apellidos{"apellidos", "apellido", "primer apellido"};
    static const QStringList edad{"edad", "anos", "edad (anos)"};
    static const QStringList nacimiento{"fecha de nacimiento", "fecha nacimiento", "nacimiento", "f nacimiento",
                                        "f de nacimiento",     "fecha de nac",     "fecha nac",  "f nac"};
    const QString n = normalizado(texto);
    if (nombre.contains(n))
        return Columna::Nombre;
    if (apellidos.contains(n))
        return Columna::Apellidos;
    if (edad.contains(n))
        return Columna::Edad;
    if (nacimiento.contains(n))
        return Columna::Nacimiento;
    return Columna::Otra;
}

// A birth date as spreadsheets and coaches write it: 2014-05-03, 03/05/2014, 3-5-14, 3.5.2014.
std::optional<QDate> fechaDeTexto(const QString &texto, const QDate &hoy)
{
    const QString t = texto.trimmed();
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[T ].*)?$"));
    static const QRegularExpression dma(QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{2}|\\d{4})$"));
    QDate fecha;
    if (const auto m = iso.match(t); m.hasMatch())
        fecha = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    else if (const auto m = dma.match(t); m.hasMatch()) {
        int anio = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            anio += anio <= hoy.year() % 100 ? 2000 : 1900;
        fecha = QDate(anio, m.captured(2).toInt(), m.captured(1).toInt());
    }
    if (!fecha.isValid() || fecha > hoy)
        return std::nullopt;
    return fecha;
}

int edadEn(const QDate &nacimiento, const QDate &hoy)
{
    int anios = hoy.year() - nacimiento.year();
    if (hoy.month() < nacimiento.month() || (hoy.month() == nacimiento.month() && hoy.day() < nacimiento.day()))
        --anios;
    return anios;
}

// A name as it is offered: control and invisible characters gone, blanks folded.
QString nombreLimpio(const QString &texto)
{
    QString limpio;
    for (const QChar c : texto)
        if (c.category() == QChar::Other_Control || esInvisible(c))
            limpio += QLatin1Char(' ');
        else
            limpio += c;
    return limpio.simplified();
}

// A name has a letter: "0", "2" or "15,5" are no names.
bool tieneLetra(const QString &texto)
{
    return std::any_of(texto.begin(), texto.end(), [](QChar c) { return c.isLetter(); });
}

bool pareceEdadOFecha(const QString &texto)
{
    return texto.isEmpty() || edadDeTexto(texto) || fechaDeTexto(texto, QDate(9999, 12, 31));
}

}  // namespace

std::optional<int> edadDeTexto(const QString &texto)
{
    static const QRegularExpression forma(QStringLiteral("^(\\d{1,3})(?:[.,]0+)?(?:\\s*años?)?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = forma.match(texto.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toInt();
}

ListaDeAtletas listaDeFilas(const std::vector<QStringList> &filas, const QDate &hoy)
{
    ListaDeAtletas lista;
    // The header row: the first of the first rows that names a name's column.
    std::size_t primera = 0;
    int colNombre = 0, colApellidos = -1, colEdad = 1, colNacimiento = -1;
    bool conCabecera = false;
    for (std::size_t i = 0, vistas = 0; i < filas.size() && vistas < 10 && !conCabecera; ++i) {
        if (filas[i].isEmpty())
            continue;
        ++vistas;
        int n = -1, a = -1, e = -1, f = -1;
        for (int c = 0; c < filas[i].size() && c < libro::MaximoDeColumnas; ++c)
            switch (columnaDeCabecera(filas[i][c])) {
            case Columna::Nombre:
                n = n < 0 ? c : n;
                break;
            case Columna::Apellidos:
                a = a < 0 ? c : a;
                break;
            case Columna::Edad:
                e = e < 0 ? c : e;
                break;
            case Columna::Nacimiento:
                f = f < 0 ? c : f;
                break;
            case Columna::Otra:
                break;
            }
        if (n < 0 && a < 0 && (e >= 0 || f >= 0))  // the names' column has a title of its own
            for (int c = 0; c < filas[i].size() && n < 0; ++c)
                if (c != e && c != f)
                    n = c;
        if (n >= 0 || a >= 0) {
            conCabecera = true;
            primera = i + 1;
            colNombre = n;
            colApellidos = a;
            colEdad = e;
            colNacimiento = f;
        }
    }
    lista.conCabecera = conCabecera;
    for (std::size_t i = primera; i < filas.size(); ++i) {
        const QStringList &f = filas[i];
        if (f.isEmpty() || std::all_of(f.begin(), f.end(), [](const QString &t) { return t.trimmed().isEmpty(); }))
            continue;
        AtletaImportado a;
        a.fila = int(i) + 1;
        QStringList partes;
        if (colNombre >= 0)
            partes << f.value(colNombre);
        if (colApellidos >= 0)
            partes << f.value(colApellidos);
        a.nombre = nombreLimpio(partes.join(QLatin1Char(' ')));
        QString edad = colEdad >= 0 ? f.value(colEdad).trimmed() : QString();
        if (!conCabecera && !edadDeTexto(edad))
            if (const auto nacido = fechaDeTexto(edad, hoy))
                edad = QString::number(edadEn(*nacido, hoy));
        if (edad.isEmpty() && colNacimiento >= 0)
            if (const auto nacido = fechaDeTexto(f.value(colNacimiento), hoy))
                edad = QString::number(edadEn(*nacido, hoy));
        if (const auto n = edadDeTexto(edad))
            edad = QString::number(*n);
        a.edad = nombreLimpio(edad);
        if (!tieneLetra(a.nombre)) {
            lista.omitidas << QStringLiteral("fila %1: «%2» no es un nombre (no tiene ninguna letra)")
                                  .arg(QString::number(a.fila), a.nombre);
            continue;
        }
        lista.atletas.push_back(a);
    }
    return lista;
}

ListaDeAtletas leerLista(const QString &texto, const QDate &hoy)
{
    std::vector<QStringList> filas = filasDeTexto(texto);
    // A list of one column whose names hold a comma ("Pérez, Ana") is not names and ages: a
    // second column that is never an age nor a date belongs to the name.
    ListaDeAtletas lista = listaDeFilas(filas, hoy);
    const bool sinCabecera = std::none_of(filas.begin(), filas.end(), [](const QStringList &f) {
        return std::any_of(f.begin(), f.end(), [](const QString &t) {
            const Columna c = columnaDeCabecera(t);
            return c == Columna::Nombre || c == Columna::Apellidos;
        });
    });
    if (sinCabecera && std::any_of(filas.begin(), filas.end(), [](const QStringList &f) {
            return f.size() >= 2 && !pareceEdadOFecha(f[1].trimmed());
        })) {
        std::vector<QStringList> unaColumna = filasConSeparador(texto, QChar());
        for (QStringList &f : unaColumna)
            for (QString &t : f)
                t = t.trimmed();
        lista = listaDeFilas(unaColumna, hoy);
        for (AtletaImportado &a : lista.atletas)
            a.edad.clear();
    }
    return lista;
}

ResultadoDe<FilasLeidas> filasDeBytes(const QByteArray &bytes, const QString &hoja)
{
    using R = ResultadoDe<FilasLeidas>;
    if (const QString no = queNoEs(bytes); !no.isEmpty())
        return R::falla(QStringLiteral("%1: %2").arg(no, GuardeloComo));
    FilasLeidas leidas;
    if (esArchivoZip(bytes)) {
        const ResultadoDe<LibroDeCalculo> libro = leerLibroDeCalculo(bytes, hoja);
        if (!libro)
            return R::falla(QStringLiteral("%1: %2").arg(libro.razon(), GuardeloComo));
        leidas.filas = libro.valor().filas;
        leidas.filasDeCadaHoja = libro.valor().filasDeCadaHoja;
        leidas.hojas = libro.valor().hojas;
        leidas.hoja = libro.valor().hoja;
        return R::exito(leidas);
    }
    const bool utf16 = esUtf16(bytes);
    if (!utf16 && bytes.contains('\0'))
        return R::falla(QStringLiteral("no es un archivo de texto ni una hoja de cálculo: %1").arg(GuardeloComo));
    leidas.texto = textoDeLista(bytes, &leidas.avisos);
    leidas.filas = filasDeTexto(leidas.texto);
    leidas.esTexto = true;
    if (qint64(leidas.filas.size()) > libro::MaximoDeFilas)
        return R::falla(QStringLiteral("la lista tiene más de %1 filas, y una plantilla cabe en muchas menos: "
                                       "deje en ella sólo a los atletas")
                            .arg(QString::number(libro::MaximoDeFilas)));
    return R::exito(leidas);
}

ResultadoDe<FilasLeidas> leerFilasDeArchivo(const QString &ruta, const QString &hoja)
{
    using R = ResultadoDe<FilasLeidas>;
    const QString nativa = QDir::toNativeSeparators(ruta);
    const ResultadoDe<QByteArray> bytes = leerArchivoAcotado(ruta, TamanoMaximoDeLista);
    if (!bytes)
        return R::falla(QStringLiteral("no se pudo leer «%1»: %2").arg(nativa, bytes.razon()));
    const ResultadoDe<FilasLeidas> filas = filasDeBytes(bytes.valor(), hoja);
    if (!filas)
        return R::falla(QStringLiteral("no se pudo leer «%1»: %2").arg(nativa, filas.razon()));
    return filas;
}

namespace {

// The athletes of a book read whole: every sheet whose header names a names' column, each
// athlete once (by the name key, the first sheet's row kept), or else the first sheet with
// names in its first column.
ListaDeAtletas listaDeLibro(const FilasLeidas &l, const QDate &hoy)
{
    std::vector<ListaDeAtletas> deCadaHoja;
    for (const std::vector<QStringList> &filas : l.filasDeCadaHoja)
        deCadaHoja.push_back(listaDeFilas(filas, hoy));
    ListaDeAtletas juntas;
    QSet<QString> vistos;
    for (std::size_t h = 0; h < deCadaHoja.size(); ++h) {
        const ListaDeAtletas &una = deCadaHoja[h];
        if (!una.conCabecera || una.atletas.empty())
            continue;
        const QString nombreDeHoja = l.hojas.value(int(h));
        juntas.conCabecera = true;
        juntas.hojasLeidas << nombreDeHoja;
        for (const AtletaImportado &a : una.atletas)
            if (!vistos.contains(claveDeNombre(a.nombre))) {
                vistos.insert(claveDeNombre(a.nombre));
                juntas.atletas.push_back(a);
            }
        for (const QString &o : una.omitidas)
            juntas.omitidas << QStringLiteral("hoja «%1», %2").arg(nombreDeHoja, o);
    }
    if (!juntas.atletas.empty())
        return juntas;
    for (std::size_t h = 0; h < deCadaHoja.size(); ++h)
        if (!deCadaHoja[h].atletas.empty()) {
            ListaDeAtletas una = deCadaHoja[h];
            una.hojasLeidas = QStringList{l.hojas.value(int(h))};
            return una;
        }
    return deCadaHoja.empty() ? ListaDeAtletas{} : deCadaHoja.front();
}

}  // namespace

ResultadoDe<ListaDeAtletas> leerListaDeBytes(const QByteArray &bytes, const QString &hoja, const QDate &hoy)
{
    using R = ResultadoDe<ListaDeAtletas>;
    const ResultadoDe<FilasLeidas> leidas = filasDeBytes(bytes, hoja);
    if (!leidas)
        return R::falla(leidas);
    const FilasLeidas &l = leidas.valor();
    // a text is read as a pasted one is (one column of names with commas stays whole)
    ListaDeAtletas lista = l.esTexto ? leerLista(l.texto, hoy) : listaDeFilas(l.filas, hoy);
    if (!l.esTexto)
        lista.hojasLeidas = QStringList{l.hojas.value(l.hoja)};
    if (!l.esTexto && l.filasDeCadaHoja.size() > 1)
        lista = listaDeLibro(l, hoy);
    lista.hojas = l.hojas;
    lista.hoja = l.hoja;
    lista.avisos = l.avisos + lista.avisos;
    if (lista.atletas.empty()) {
        if (l.esTexto)
            return R::falla(QStringLiteral("no hay ningún nombre en la lista"));
        if (!hoja.isEmpty() || l.hojas.size() == 1)
            return R::falla(QStringLiteral("la hoja «%1» no tiene una columna de nombres").arg(l.hojas.value(l.hoja)));
        return R::falla(QStringLiteral("ninguna hoja del libro tiene una columna de nombres (las hojas son: %1)")
                            .arg(l.hojas.join(QStringLiteral(", "))));
    }
    return R::exito(lista);
}

QString hojasLeidasEnPalabras(const ListaDeAtletas &lista)
{
    if (lista.hojasLeidas.isEmpty() || lista.hojas.size() < 2)
        return QString();
    QStringList leidas;
    for (const QString &h : lista.hojasLeidas)
        leidas << QStringLiteral("«%1»").arg(h);
    return (leidas.size() == 1 ? QStringLiteral("Leída la hoja %1.") : QStringLiteral("Leídas las hojas %1."))
        .arg(leidas.join(QStringLiteral(", ")));
}

ResultadoDe<ListaDeAtletas> leerArchivoDeLista(const QString &ruta, const QString &hoja, const QDate &hoy)
{
    using R = ResultadoDe<ListaDeAtletas>;
    const QString nativa = QDir::toNativeSeparators(ruta);
    const ResultadoDe<QByteArray> bytes = leerArchivoAcotado(ruta, TamanoMaximoDeLista);
    if (!bytes)
        return R::falla(QStringLiteral("no se pudo leer «%1»: %2").arg(nativa, bytes.razon()));
    const ResultadoDe<ListaDeAtletas> lista = leerListaDeBytes(bytes.valor(), hoja, hoy);
    if (!lista)
        return R::falla(QStringLiteral("no se pudo leer «%1»: %2").arg(nativa, lista.razon()));
    return lista;
}

}  // namespace korva
