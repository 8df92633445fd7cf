// Typed values that were not stored are never lost without a word: leaving the record,
// closing the screen's window and ending the program from any screen ask first, through the
// desktop seam, and do what the coach answers.
#include "pantallas/evaluacion/controles.h"
#include "apoyo/programa_prueba.h"
#include "apoyo/registros_ayuda.h"
#include "nucleo/calificacion/pruebas.h"

using namespace korva;
using P = ProgramaDePrueba;

Q_DECLARE_METATYPE(korva::Respuesta)

namespace {

Pantalla *abrirNivel2(P &p)
{
    P::pulsar(p.iniciarHastaInicio(), "Command1");
    return p.mostrar(IdPantalla::NIVEL2);
}

// Leaves record 1 of level 2 by one of the ways a coach does.
void dejar(P &p, Pantalla *n2, const QString &camino)
{
    if (camino == "siguiente")
        P::pulsar(n2, "cmdRegSiguiente");
    else if (camino == "anterior")
        P::pulsar(n2, "cmdRegAnterior");
    else if (camino == "cerrar")
        n2->close();
    else if (camino == "salir")
        P::pulsar(n2, "cmdSalir");
    else if (camino == "salir de inicio")
        P::pulsar(p.mostrar(IdPantalla::INICIO), "Command3");
}

}  // namespace

class PruebaNadaSePierde : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void preguntaAntesDePerder_data()
    {
        QTest::addColumn<QString>("camino");
        QTest::addColumn<Respuesta>("respuesta");
        for (const char *camino : {"siguiente", "anterior", "cerrar", "salir", "salir de inicio"})
            for (const auto &[nombre, r] : {std::pair{"Sí", Respuesta::Si}, std::pair{"No", Respuesta::No},
                                            std::pair{"Cancelar", Respuesta::Cancelar}})
                QTest::addRow("%s, %s", camino, nombre) << QString::fromLatin1(camino) << r;
    }
    void preguntaAntesDePerder()
    {
        QFETCH(QString, camino);
        QFETCH(Respuesta, respuesta);
        P p;
        Pantalla *n2 = abrirNivel2(p);
        QPointer<Pantalla> vigilada(n2);
        P::texto(n2, "txtNombre")->setText(QStringLiteral("Ana Peña"));
        P::texto(n2, "txtvelocidad")->setText(QStringLiteral("8.5"));
        p.escritorio.respuestas = {respuesta};
        const QString numero = P::etiqueta(n2, "Label9")->text();
        dejar(p, n2, camino);

        QCOMPARE(p.escritorio.preguntas, QStringList{QStringLiteral("¿Guardar los datos de Ana Peña (registro 1)?")});
        const QByteArray archivo = leerArchivo(p.ruta("nivel2.dat"));
        const bool guardado = archivo.startsWith(relleno("Ana Pe\xF1"
                                                         "a",
                                                         30));
        QCOMPARE(guardado, respuesta == Respuesta::Si);
        const bool termino = p.escritorio.terminaciones > 0;
        const bool sigue = respuesta != Respuesta::Cancelar;
        if (camino.startsWith("salir"))
            QCOMPARE(termino, sigue);
        else
            QCOMPARE(termino, false);
        if (camino == "cerrar")
            QCOMPARE(!vigilada || !vigilada->isVisible(), sigue);
        if (!sigue) {
            // the coach stays where the values are, with them
            QVERIFY(vigilada);
            QCOMPARE(P::etiqueta(n2, "Label9")->text(), numero);
            QCOMPARE(P::texto(n2, "txtNombre")->text(), QStringLiteral("Ana Peña"));
        } else if (camino == "siguiente") {
            QCOMPARE(P::etiqueta(n2, "Label9")->text(), QStringLiteral("2"));
        }
    }

    // Nothing typed, or only what is stored: nothing is asked on any way out.
    void sinCambiosNoPregunta()
    {
        P p;
        QVERIFY(escribirArchivo(p.ruta("nivel2.dat"), registroAna()));
        Pantalla *n2 = abrirNivel2(p);
        QCOMPARE(P::texto(n2, "txtNombre")->text(), QStringLiteral("ANA"));
        P::texto(n2, "txtNombre")->setText(QStringLiteral("ANA"));  // typed again as stored
        for (const char *camino : {"siguiente", "anterior", "anterior", "salir de inicio"})
            dejar(p, n2, QString::fromLatin1(camino));
        QCOMPARE(p.escritorio.preguntas, QStringList());
        QCOMPARE(p.escritorio.terminaciones, 1);
    }

    // Every box of a test says its unit and the form its value takes, to the eye and to a
    // screen reader, with the same words as the station grid.
    void ayudaDeCadaCaja()
    {
        P p;
        P::pulsar(p.iniciarHastaInicio(), "Command1");
        for (const auto &[id, archivo] : {std::pair{IdPantalla::NIVEL3, DefArchivos[2]},
                                          std::pair{IdPantalla::fundamento, DefArchivos[ArchivoFundamentos]}}) {
            Pantalla *pantalla = p.mostrar(id);
            for (const DefPrueba &prueba : pruebasDe(archivo)) {
                QLineEdit *caja = P::texto(pantalla, cajaDeCampo(prueba.campo));
                QCOMPARE(caja->toolTip(), QString::fromUtf8(prueba.ayuda));
                QCOMPARE(caja->accessibleDescription(), QString::fromUtf8(prueba.ayuda));
                QCOMPARE(caja->accessibleName(), QString::fromUtf8(prueba.titulo));
            }
            QVERIFY(P::texto(pantalla, "txtedad")->toolTip().contains("Años"));
        }
    }
};

QTEST_MAIN(PruebaNadaSePierde)
#include "prueba_nada_se_pierde.moc"
