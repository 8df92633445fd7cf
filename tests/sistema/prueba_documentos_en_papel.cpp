// The four reference documents as a word processor prints them: each converted to PDF by
// LibreOffice, once on A4 and once on Letter, then read back page by page.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString salida(const QString &programa, const QStringList &args)
{
    QProcess p;
    p.start(programa, args);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A heading and the first line it heads, which must stand on the same page.
using Pares = QList<QPair<QString, QString>>;

}  // namespace

class PruebaDocumentosEnPapel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QStringList paginas(const QString &pdf) const
    {
        const int n = QRegularExpression("Pages:\\s+(\\d+)").match(salida("pdfinfo", {pdf})).captured(1).toInt();
        QStringList textos;
        for (int i = 1; i <= n; ++i)
            textos << salida("pdftotext", {"-f", QString::number(i), "-l", QString::number(i), pdf, "-"});
        return textos;
    }

private slots:
    void initTestCase()
    {
        const QString soffice = QStandardPaths::findExecutable("soffice");
        if (soffice.isEmpty())
            QSKIP("sin LibreOffice (paquete libreoffice-writer-nogui) no se imprimen los documentos");
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("sin pdftotext (paquete poppler-utils)");
        // The same document on Letter: its paper size changed, nothing else.
        const struct {
            const char *carpeta;
            QByteArray papel;
        } papeles[] = {{"A4", "\\paperw11906\\paperh16838"}, {"Carta", "\\paperw12240\\paperh15840"}};
        const QDir fuentes(QStringLiteral(KORVA_DOCUMENTOS));
        for (const auto &p : papeles) {
            QDir(m_dir.path()).mkdir(p.carpeta);
            QStringList rtf;
            for (const QString &nombre : fuentes.entryList({"*.rtf"})) {
                QFile f(fuentes.filePath(nombre));
                QVERIFY(f.open(QIODevice::ReadOnly));
                QByteArray datos = f.readAll();
                QVERIFY2(datos.contains("\\paperw11906\\paperh16838"), "los documentos se diseñan en A4");
                datos.replace("\\paperw11906\\paperh16838", p.papel);
                const QString copia = m_dir.filePath(QString::fromLatin1(p.carpeta) + '/' + nombre);
                QFile c(copia);
                QVERIFY(c.open(QIODevice::WriteOnly) && c.write(datos) == datos.size());
                rtf << copia;
            }
            QProcess lo;
            lo.start(soffice,
                     QStringList{"-env:UserInstallation=file://" + m_dir.filePath("perfil"), "--headless",
                                 "--convert-to", "pdf", "--outdir", m_dir.filePath(p.carpeta)}
                         + rtf);
            QVERIFY(lo.waitForFinished(180000));
            QCOMPARE(lo.exitCode(), 0);
        }
    }

    void enPapel_data()
    {
        QTest::addColumn<QString>("papel");
        QTest::addColumn<QString>("documento");
        QTest::addColumn<int>("paginas");
        QTest::addColumn<Pares>("pares");
        QTest::addColumn<QString>("inicioDeUltima");  // what the last page starts with

        const QList<std::tuple<const char *, int, Pares, const char *>> documentos{
            {"Metodologia-capacidades-fisicas",
             1,
             {{"METODOLOGÍA", "CAPACIDADES FÍSICAS"},
              {"PRUEBA DE RESISTENCIA", "La prueba consiste en recorrer 400"},
              {"PRUEBA DE VELOCIDAD", "La prueba consiste en recorrer 60"},
              {"PRUEBAS DE FUERZA", "LAGARTIJAS"},
              {"LAGARTIJAS", "El atleta se coloca boca abajo"},
              {"ABDOMINALES:", "Se realizan sobre una superficie"},
              {"SENTADILLAS:", "El atleta se coloca de pie"}},
             "METODOLOGÍA"},
            {"Metodologia-fundamentos",
             1,
             {{"PRUEBAS DE CONDUCCIÓN:", "Estas pruebas se aplican"},
              {"PRUEBAS DE RECEPCIÓN:", "Estas pruebas se aplican"},
              {"PRUEBAS DE PATEO:", "Estas pruebas se aplican"},
              {"Estas pruebas son aplicables", "Nivel 6 (14 y 15 años)"}},
             "METODOLOGIA TEST FÚTBOL"},
            // the title on top of the page of its fill-in lines and the second table
            {"Formato-capacidades-fisicas", 2, {{"FORMATO KORVA1", "PROF. EDUCACIÓN FÍSICA"}}, "FORMATO KORVA1"},
            {"Formato-fundamentos-tecnicos",
             1,
             {{"FORMATO KORVA 5 FUNDAMENTOS TÉCNICOS", "EQUIPO"}},
             "FORMATO KORVA 5 FUNDAMENTOS TÉCNICOS"},
        };
        for (const char *papel : {"A4", "Carta"})
            for (const auto &[documento, n, pares, inicio] : documentos)
                QTest::addRow("%s %s", documento, papel)
                    << papel << documento << n << pares << QString::fromUtf8(inicio);
    }
    void enPapel()
    {
        QFETCH(QString, papel);
        QFETCH(QString, documento);
        QFETCH(int, paginas);
        QFETCH(Pares, pares);
        QFETCH(QString, inicioDeUltima);

        const QStringList textos = this->paginas(m_dir.filePath(papel + '/' + documento + ".pdf"));
        QCOMPARE(textos.size(), paginas);
        for (int i = 0; i < textos.size(); ++i)
            QVERIFY2(!textos[i].trimmed().isEmpty(),
                     qPrintable(QStringLiteral("la página %1 está en blanco").arg(i + 1)));
        QVERIFY2(textos.last().trimmed().startsWith(inicioDeUltima), qPrintable(textos.last().left(200)));
        const auto pagina = [&](const QString &t) {
            for (int i = 0; i < textos.size(); ++i)
                if (textos[i].contains(t))
                    return i;
            return -1;
        };
        for (const auto &[titulo, primera] : pares) {
            QVERIFY2(pagina(titulo) >= 0, qPrintable(titulo));
            QVERIFY2(pagina(titulo) == pagina(primera), qPrintable(titulo + " / " + primera));
        }
    }
};

QTEST_GUILESS_MAIN(PruebaDocumentosEnPapel)
#include "prueba_documentos_en_papel.moc"
