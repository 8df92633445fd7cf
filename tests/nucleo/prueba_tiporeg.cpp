#include "nucleo/registros/mapa_campos.h"
#include "nucleo/registros/tipo_reg.h"
#include "apoyo/registros_ayuda.h"

#include <QtTest>

using namespace korva;

class PruebaTipoReg : public QObject
{
    Q_OBJECT

    static TipoReg guardarConMapa(const MapaCampos &mapa, const QStringList &textos, TipoReg reg = {})
    {
        for (std::size_t i = 0; i < mapa.size(); ++i)
            reg.guardar(mapa[i], textos.value(int(i)));
        return reg;
    }

private slots:
    void disposicion()
    {
        int desplazamiento = 0;
        for (const DefCampo &d : camposTipoReg()) {
            QCOMPARE(d.desplazamiento, desplazamiento);
            desplazamiento += d.ancho;
        }
        QCOMPARE(desplazamiento, 130);
    }

    void ana()
    {
        const TipoReg r = guardarConMapa(mapaNivel(), {"ANA", "9", "1.2", "6.5", "12", "20", "15"});
        QCOMPARE(r.bytes(), registroAna());
    }

    void luis()
    {
        const TipoReg r = guardarConMapa(mapaFundamentos(), {"LUIS", "12", "7", "6", "8", "5", "9", "4", "3", "10"});
        QCOMPARE(r.bytes(), registroLuis());
    }

    void mapas()
    {
        QStringList nivel, fundamentos;
        for (const Campo c : camposDe(DefArchivos[1]))
            nivel << defCampo(c).nombre;
        for (const Campo c : camposDe(DefArchivos[ArchivoFundamentos]))
            fundamentos << defCampo(c).nombre;
        QCOMPARE(
            nivel,
            (QStringList{"Nombre", "Edad", "Resistencia", "Velocidad", "Lagartijas", "Abdominales", "Sentadillas"}));
        QCOMPARE(fundamentos,
                 (QStringList{"Nombre", "Edad", "CondInterna", "CondExterna", "RePecho", "ReMuslo", "RePie",
                              "TiroInterna", "TiroExterna", "TiroFrontal"}));
    }

    void otrosCamposIntactos()
    {
        // a level screen never touches bytes 90 to 129, the fundamentals screen 40 to 89
        const QByteArray ajeno = registroAjeno(3);
        const TipoReg nivel =
            guardarConMapa(mapaNivel(), {"ANA", "9", "1.2", "6.5", "12", "20", "15"}, TipoReg::desdeBytes(ajeno));
        QCOMPARE(nivel.bytes().mid(90), ajeno.mid(90));
        QCOMPARE(nivel.bytes().left(90), registroAna().left(90));
        const TipoReg fund = guardarConMapa(mapaFundamentos(), {"LUIS", "12", "7", "6", "8", "5", "9", "4", "3", "10"},
                                            TipoReg::desdeBytes(ajeno));
        QCOMPARE(fund.bytes().mid(40, 50), ajeno.mid(40, 50));
        QCOMPARE(fund.bytes().left(40), registroLuis().left(40));
        QCOMPARE(fund.bytes().mid(90), registroLuis().mid(90));
    }

    void guardarYMostrar_data()
    {
        QTest::addColumn<int>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mostrado");

        const QString nombre35 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789");
        QTest::newRow("nombre de 35 se corta a 30")
            << int(Campo::Nombre) << nombre35 << nombre35.left(30).toLatin1() << nombre35.left(30);
        QTest::newRow("valor de 11 se corta a 10")
            << int(Campo::Resistencia) << "12345678901" << QByteArray("1234567890") << "1234567890";
        QTest::newRow("123456 en un campo de 5") << int(Campo::RePecho) << "123456" << QByteArray("12345") << "12345";
        QTest::newRow("edad 9 se muestra con nueve blancos")
            << int(Campo::Edad) << "9" << relleno("9", 10) << "9         ";
        QTest::newRow("vacio es solo blancos") << int(Campo::Velocidad) << "" << relleno("", 10) << "          ";
        QTest::newRow("enie, acento y euro un byte cada uno") << int(Campo::Nombre) << QString::fromUtf8("Peña Ángel €")
                                                              << relleno(QByteArray("Pe\xf1"
                                                                                    "a \xc1"
                                                                                    "ngel \x80"),
                                                                         30)
                                                              << QString::fromUtf8("Peña Ángel €") + QString(18, ' ');
        QTest::newRow("emoji es un solo ?")
            << int(Campo::Edad) << QString::fromUtf8("9\U0001F600x") << relleno("9?x", 10) << "9?x       ";
        QTest::newRow("fuera del codigo, su forma latina") << int(Campo::Edad) << QString::fromUtf8("Ω漢")
                                                           << relleno("Oh\xe0n", 10) << QString::fromUtf8("Ohàn      ");
        QTest::newRow("descompuesto se guarda compuesto")
            << int(Campo::Nombre) << QString::fromUtf8("Jose\u0301 Nun\u0303ez")
            << relleno("Jos\xe9 Nu\xf1"
                       "ez",
                       30)
            << QString::fromUtf8("José Nuñez") + QString(20, ' ');
        QTest::newRow("la forma mas cercana")
            << int(Campo::Nombre) << QString::fromUtf8("Łukasz Дима") << relleno("Lukasz Dima", 30)
            << QStringLiteral("Lukasz Dima") + QString(19, ' ');
        QTest::newRow("digitos de ancho completo")
            << int(Campo::Edad) << QString::fromUtf8("２７") << relleno("27", 10) << "27        ";
        QTest::newRow("control como blanco")
            << int(Campo::Edad) << QStringLiteral("1\t2\n3\r") << relleno("1 2 3 ", 10) << "1 2 3     ";
        QTest::newRow("el corte cuenta caracteres, no unidades UTF-16")
            << int(Campo::TiroFrontal)
            << QString::fromUtf8("\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600") << QByteArray("?????")
            << "?????";
    }
    void guardarYMostrar()
    {
        QFETCH(int, campo);
        QFETCH(QString, texto);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mostrado);
        TipoReg r;
        const DefCampo &d = defCampo(Campo(campo));
        r.guardar(Campo(campo), texto);
        QCOMPARE(r.bytes().mid(d.desplazamiento, d.ancho), bytes);
        QCOMPARE(r.campo(Campo(campo)), mostrado);
        // the rest of the record is still never-stored NUL
        QCOMPARE(r.bytes().count('\0'), 130 - d.ancho);
    }

    void mostrarHastaElPrimerNul()
    {
        QByteArray b = ceros(130);
        b.replace(0, 5, QByteArray("AB\0CD", 5));
        const TipoReg r = TipoReg::desdeBytes(b);
        QCOMPARE(r.campo(Campo::Nombre), QStringLiteral("AB"));
        QCOMPARE(r.campo(Campo::Edad), QString());
    }

    void bytesSinCaracterVuelvenIguales()
    {
        // 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character in the code page; a record
        // shown and stored again keeps them as they were
        const QByteArray raros("\x81\x8d\x8f\x90\x9d", 5);
        TipoReg r = TipoReg::desdeBytes(relleno(raros, 30));
        const QString visto = r.campo(Campo::Nombre);
        r.guardar(Campo::Nombre, visto);
        QCOMPARE(r.bytes().left(30), relleno(raros, 30));
        QCOMPARE(aWindows1252(deWindows1252(QByteArray("\x80\x9f\xa0\xff", 4))), QByteArray("\x80\x9f\xa0\xff", 4));
    }
};

QTEST_GUILESS_MAIN(PruebaTipoReg)
#include "prueba_tiporeg.moc"
