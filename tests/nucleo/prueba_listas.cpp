#include "nucleo/listas/lista_de_atletas.h"

#include <QDir>
#include <QTest>

using namespace korva;

// The roster readers over files that LibreOffice Calc wrote (kept in listas/ beside this
// suite): the same squad saved as .xlsx, .ods, CSV in UTF-8 and in Windows-1252, and as
// "Texto Unicode" (UTF-16 with tabs). Every format must give the same athletes, a blank
// surname cell included.
class PruebaListas : public QObject
{
    Q_OBJECT

    static QString fijo(const char *nombre) { return QDir(QStringLiteral(KORVA_LISTAS)).filePath(nombre); }

private slots:
    void mismaPlantilla_data()
    {
        QTest::addColumn<QString>("archivo");
        for (const char *a : {"calc.xlsx", "calc.ods", "utf8.csv", "calc-windows-1252.csv", "calc-texto-unicode.txt"})
            QTest::newRow(a) << fijo(a);
    }
    void mismaPlantilla()
    {
        QFETCH(QString, archivo);
        const auto lista = leerArchivoDeLista(archivo);
        QVERIFY2(lista.ok(), qPrintable(lista.razon()));
        QStringList leidos;
        for (const AtletaImportado &a : lista.valor().atletas)
            leidos << a.nombre + QLatin1Char('|') + a.edad;
        QCOMPARE(leidos,
                 (QStringList{QStringLiteral("Ana García Núñez|10"), QStringLiteral("José|12"),
                              QStringLiteral("Ñoño Pérez|9")}));
        QCOMPARE(lista.valor().omitidas, QStringList());
    }

    // What is not a roster is refused with what to do, never read as one.
    void rechazos_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("razon");
        QTest::newRow("hoja antigua .xls (OLE)") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)
                + QByteArray(600, '\0') << "guárdelo como .xlsx, .ods o CSV";
        QTest::newRow("PDF") << QByteArray("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n") + QByteArray(200, 'x')
                             << "guárdelo como .xlsx, .ods o CSV";
        QTest::newRow("zip que no es hoja") << QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0') << "";
    }
    void rechazos()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, razon);
        const auto lista = leerListaDeBytes(bytes);
        QVERIFY(!lista.ok());
        QVERIFY2(lista.razon().contains(razon), qPrintable(lista.razon()));
    }
};

QTEST_GUILESS_MAIN(PruebaListas)
#include "prueba_listas.moc"
