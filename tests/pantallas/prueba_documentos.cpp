#include <QFile>
#include <QStringDecoder>
#include <QtTest>

namespace {

// What a word processor shows of an RTF file: its paragraphs outside tables, and its
// tables as rows of cell texts. Enough of RTF for the program's own documents: groups,
// control words, escaped bytes in the document's code page and \u characters.
struct Rtf {
    QStringList parrafos;
    QList<QList<QStringList>> tablas;  // table, row, cell
};

Rtf leerRtf(const QByteArray &datos)
{
    Rtf rtf;
    QStringDecoder cp1252("windows-1252");
    QString texto, celda;
    QStringList fila;
    QList<QStringList> tabla;
    bool enTabla = false;
    QList<bool> saltar{false};  // per group: is this a destination to skip?
    int saltarUnicode = 0;

    auto cerrarTabla = [&] {
        if (!tabla.isEmpty())
            rtf.tablas << tabla;
        tabla.clear();
    };
    auto agregar = [&](const QString &s) {
        if (saltarUnicode > 0) {
            --saltarUnicode;
            return;
        }
        (enTabla ? celda : texto) += s;
    };

    for (int i = 0; i < datos.size(); ++i) {
        const char c = datos[i];
        if (c == '{') {
            saltar.append(saltar.last());
        } else if (c == '}') {
            saltar.removeLast();
        } else if (c == '\\') {
            const char s = i + 1 < datos.size() ? datos[i + 1] : '\0';
            if (s == '\\' || s == '{' || s == '}') {
                if (!saltar.last())
                    agregar(QString(QChar::fromLatin1(s)));
                ++i;
                continue;
            }
            if (s == '\'') {
                const QByteArray byte = QByteArray::fromHex(datos.mid(i + 2, 2));
                if (!saltar.last())
                    agregar(cp1252.decode(byte));
                i += 3;
                continue;
            }
            if (s == '*') {
                saltar.last() = true;
                ++i;
                continue;
            }
            int j = i + 1;
            while (j < datos.size() && std::isalpha(uchar(datos[j])))
                ++j;
            const QByteArray palabra = datos.mid(i + 1, j - i - 1);
            int k = j;
            if (k < datos.size() && (datos[k] == '-' || std::isdigit(uchar(datos[k]))))
                ++k;
            while (k < datos.size() && std::isdigit(uchar(datos[k])))
                ++k;
            const int parametro = datos.mid(j, k - j).toInt();
            if (k < datos.size() && datos[k] == ' ')
                ++k;
            i = k - 1;
            if (palabra == "fonttbl" || palabra == "colortbl" || palabra == "stylesheet" || palabra == "info") {
                saltar.last() = true;
                continue;
            }
            if (saltar.last())
                continue;
            if (palabra == "par") {
                if (!enTabla) {
                    cerrarTabla();
                    rtf.parrafos << texto;
                }
                texto.clear();
            } else if (palabra == "pard") {
                enTabla = false;
            } else if (palabra == "intbl") {
                enTabla = true;
            } else if (palabra == "cell") {
                fila << celda;
                celda.clear();
            } else if (palabra == "row") {
                tabla << fila;
                fila.clear();
                enTabla = false;
            } else if (palabra == "bullet") {
                agregar(QString(QChar(0x2022)));
            } else if (palabra == "tab") {
                agregar(QStringLiteral("\t"));
            } else if (palabra == "u") {
                agregar(QString(QChar(ushort(parametro))));
                saltarUnicode = 1;
            }
        } else if (c != '\r' && c != '\n' && !saltar.last()) {
            agregar(QString(QChar::fromLatin1(c)));
        }
    }
    cerrarTabla();
    return rtf;
}

Rtf documento(const char *nombre)
{
    QFile f(QStringLiteral(":/korva4/documentos/") + QString::fromLatin1(nombre));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("falta el documento %s", nombre);
    return leerRtf(f.readAll());
}

bool filasVacias(const QList<QStringList> &tabla, int desde, int columnas)
{
    for (int r = desde; r < tabla.size(); ++r) {
        if (tabla[r].size() != columnas)
            return false;
        for (const QString &c : tabla[r])
            if (!c.trimmed().isEmpty())
                return false;
    }
    return true;
}

// The first of the lines that does not stand in the paragraphs in this order, or nothing.
QString faltaEnOrden(const QStringList &parrafos, const QStringList &lineas)
{
    int desde = 0;
    for (const QString &linea : lineas) {
        const int en = parrafos.indexOf(linea, desde);
        if (en < 0)
            return linea;
        desde = en + 1;
    }
    return {};
}

QString tira(const QString &s)
{
    return s.trimmed().remove(QLatin1Char('\t'));
}

QStringList tiras(const QStringList &l)
{
    QStringList r;
    for (const QString &s : l)
        r << tira(s);
    return r;
}

}  // namespace

class PruebaDocumentos : public QObject
{
    Q_OBJECT

private slots:
    void lector()
    {
        // the reader itself, on a small document with what the four documents use
        const Rtf r = leerRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard Pe\\'f1a \\u8364?\\par"
                              "\\trowd\\cellx100\\cellx200\\pard\\intbl A\\cell \\pard\\intbl\\cell\\row\\pard\\par}");
        QCOMPARE(r.parrafos.value(0), QString::fromUtf8("Peña €"));
        QCOMPARE(r.tablas.size(), 1);
        QCOMPARE(r.tablas[0], (QList<QStringList>{{"A", ""}}));
    }

    void metodologiaCapacidades()
    {
        const QStringList p = tiras(documento("Metodologia-capacidades-fisicas.rtf").parrafos);
        const QStringList enOrden{
            QString::fromUtf8("METODOLOGÍA"),
            QString::fromUtf8("CAPACIDADES FÍSICAS"),
            "Para realizar las pruebas del KORVA5 se requiere del siguiente material",
            QString::fromUtf8("\u2022Un cronometro con decimas de segundo"),
            QString::fromUtf8("\u2022Un silbato"),
            QString::fromUtf8("\u2022Una tabla para anotar los datos de las pruebas"),
            QString::fromUtf8("\u2022Una superficie donde se pueda desarrollar las pruebas de 600mts y 60 mts de "
                              "preferencia una pista de 400 mts o una cancha de futbol."),
            QString::fromUtf8("\u2022Una area de piso para las pruebas de fuerza"),
            "PRUEBA DE RESISTENCIA",
            "PRUEBA DE VELOCIDAD",
            "PRUEBAS DE FUERZA",
            "LAGARTIJAS",
            "ABDOMINALES:",
            "SENTADILLAS:",
        };
        QVERIFY2(faltaEnOrden(p, enOrden).isEmpty(), qPrintable(faltaEnOrden(p, enOrden)));
        const QString todo = p.join(' ');
        for (const char *dato :
             {"400 metros", "11 años", "60 metros", "mejor tiempo", "20 segundos", "90 grados", "rodillas", "tobillos"})
            QVERIFY2(todo.contains(QString::fromUtf8(dato)), dato);
    }

    void metodologiaFundamentos()
    {
        const QStringList p = tiras(documento("Metodologia-fundamentos.rtf").parrafos);
        const QStringList enOrden{
            QString::fromUtf8("METODOLOGIA TEST FÚTBOL"),
            QString::fromUtf8("PRUEBAS DE CONDUCCIÓN:"),
            "Conducir en zigzag, 20 mts entre 5 conos ida y vuelta",
            QString::fromUtf8("\u2022Parte interna"),
            QString::fromUtf8("\u2022Parte externa"),
            QString::fromUtf8("PRUEBAS DE RECEPCIÓN:"),
            QString::fromUtf8("\u2022Pecho"),
            QString::fromUtf8("\u2022Muslo"),
            QString::fromUtf8("\u2022Pie"),
            "PRUEBAS DE PATEO:",
            QString::fromUtf8("\u2022Parte interna"),
            QString::fromUtf8("\u2022Parte Externa"),
            QString::fromUtf8("\u2022Parte frontal(empeine)"),
            "Estas pruebas son aplicables para los niveles 1,2,3,4,5,6",
            QString::fromUtf8("Nivel 1y 2 (6 y 7 años)"),
            QString::fromUtf8("Nivel 3  (8 y 9 años)"),
            QString::fromUtf8("Nivel 4  (10 y 11 años)"),
            QString::fromUtf8("Nivel 5 (12 y 13 años)"),
            QString::fromUtf8("Nivel 6 (14 y 15 años)"),
        };
        QVERIFY2(faltaEnOrden(p, enOrden).isEmpty(), qPrintable(faltaEnOrden(p, enOrden)));
        const QString todo = p.join(' ');
        for (const char *dato :
             {"8 a 15 años", "10 lanzamientos", "40 cm", "10 m", "15 m", "10 pateos", "mejor tiempo"})
            QVERIFY2(todo.contains(QString::fromUtf8(dato)), dato);
    }

    void formatoCapacidades()
    {
        const Rtf d = documento("Formato-capacidades-fisicas.rtf");
        QCOMPARE(d.tablas.size(), 2);
        for (const auto &tabla : d.tablas) {
            QCOMPARE(tabla.size(), 40);
            QCOMPARE(tiras(tabla[0]), (QStringList{"NOMBRE", "EDAD", "RESIST", "VELOC", "LAGART", "ABDOM", "SANTAD"}));
            QVERIFY(filasVacias(tabla, 1, 7));
        }
        // one table before the title, one after the fill-in lines
        const QStringList p = tiras(d.parrafos);
        const int titulo = p.indexOf("FORMATO KORVA1");
        QVERIFY(titulo > 0);
        QVERIFY(p[titulo + 1].startsWith("NOMBRE DE ESCUELA ___"));
        QVERIFY(p[titulo + 1].contains(QRegularExpression("GRUPO _{3,}")));
        QVERIFY(p[titulo + 2].startsWith(QString::fromUtf8("PROF. EDUCACIÓN FÍSICA ___")));
        const QByteArray crudo = [] {
            QFile f(":/korva4/documentos/Formato-capacidades-fisicas.rtf");
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        const int tituloEnBytes = crudo.indexOf("FORMATO KORVA1");
        QVERIFY(crudo.indexOf("\\row") < tituloEnBytes);
        QVERIFY(crudo.lastIndexOf("\\row") > crudo.indexOf("PROF. EDUCACI"));
    }

    void formatoFundamentos()
    {
        const Rtf d = documento("Formato-fundamentos-tecnicos.rtf");
        const QStringList p = tiras(d.parrafos);
        QVERIFY(p.contains(QString::fromUtf8("FORMATO KORVA 5 FUNDAMENTOS TÉCNICOS")));
        const auto linea =
            std::find_if(p.begin(), p.end(), [](const QString &l) { return l.startsWith("EQUIPO ___"); });
        QVERIFY(linea != p.end());
        QVERIFY(linea->contains(QRegularExpression("FECHA _{3,}")));
        QCOMPARE(d.tablas.size(), 1);
        const auto &tabla = d.tablas[0];
        QCOMPARE(tabla.size(), 30);
        QCOMPARE(tiras(tabla[0]),
                 (QStringList{"NOMBRE", "EDAD", QString::fromUtf8("CONDUCCIÓN INTER EXTER"),
                              QString::fromUtf8("RECEPCIÓN PECH,MUS,PIE"), "TIRO INT.EXT.FRON"}));
        QVERIFY(filasVacias(tabla, 1, 10));
    }
};

QTEST_GUILESS_MAIN(PruebaDocumentos)
#include "prueba_documentos.moc"
