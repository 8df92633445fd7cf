// A campaign of bad inputs and faults against every evaluation screen: random record
// files, random texts in every box, and record operations against faults of the file system.
#include "pantallas/evaluacion/controles.h"
#include "nucleo/calificacion/calificar_fundamentos.h"
#include "nucleo/calificacion/calificar_nivel.h"
#include "pantallas/evaluacion/pantalla_nivel.h"
#include "apoyo/programa_prueba.h"
#include "nucleo/registros/mapa_campos.h"
#include "apoyo/campana_ayuda.h"
#include "apoyo/registros_ayuda.h"

#include <QRandomGenerator>

using namespace korva;
using P = ProgramaDePrueba;

namespace {

const IdPantalla Evaluaciones[] = {IdPantalla::NIVEL1, IdPantalla::NIVEL2, IdPantalla::NIVEL3, IdPantalla::nivel4,
                                   IdPantalla::fundamento};

const char *archivoDe(IdPantalla id)
{
    switch (id) {
    case IdPantalla::NIVEL1:
        return "nivel1.dat";
    case IdPantalla::NIVEL2:
        return "nivel2.dat";
    case IdPantalla::NIVEL3:
        return "nivel3.dat";
    case IdPantalla::nivel4:
        return "nivel4.dat";
    default:
        return "fundamentos.dat";
    }
}

const MapaCampos &mapaDe(IdPantalla id)
{
    return id == IdPantalla::fundamento ? mapaFundamentos() : mapaNivel();
}

// The bytes of a record that the screen's map never stores into.
QByteArray fueraDelMapa(const QByteArray &registro, IdPantalla id)
{
    return id == IdPantalla::fundamento ? registro.mid(40, 50) : registro.mid(90, 40);
}

}  // namespace

class PruebaCampana : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // Random files load on every screen, each through the screen's own load step (the
    // screen closed with its close box and opened again); with nothing touched "Salir"
    // writes them back as they were (up to 30 records, zero bytes where the file was
    // shorter); after some steps and a save, the bytes outside the screen's map and the
    // records not visited stay.
    void archivosAlAzar()
    {
        P p;
        p.iniciarHastaInicio();
        QRandomGenerator azar(20261208);
        for (int i = 0; i < 2500; ++i) {
            const IdPantalla id = Evaluaciones[i % 5];
            if (Pantalla *anterior = p.existente(id)) {
                anterior->close();
                QCoreApplication::sendPostedEvents();  // the deferred delete, and all the rest
            }
            const QString ruta = p.ruta(archivoDe(id));
            const QByteArray original = archivoAlAzar(azar);
            QVERIFY(escribirArchivo(ruta, original));
            Pantalla *pantalla = p.mostrar(id);
            QByteArray esperado = original;
            if (esperado.size() < 3900)
                esperado.append(ceros(3900 - esperado.size()));

            const int pasos = i % 7 == 0 ? azar.bounded(1, 6) : 0;
            for (int k = 0; k < pasos; ++k)
                P::pulsar(pantalla, "cmdRegSiguiente");
            if (pasos > 0) {
                P::pulsar(pantalla, "cmdGuardarReg");
                P::pulsar(pantalla, "cmdRegAnterior");
            }
            const int terminaciones = p.escritorio.terminaciones;
            P::pulsar(pantalla, "cmdSalir");
            QCOMPARE(p.escritorio.terminaciones, terminaciones + 1);
            const QByteArray escrito = leerArchivo(ruta);
            QCOMPARE(escrito.size(), esperado.size());
            if (pasos == 0) {
                QCOMPARE(escrito, esperado);
            } else {
                for (int r = 0; r < 30; ++r) {
                    const QByteArray antes = esperado.mid(r * 130, 130), despues = escrito.mid(r * 130, 130);
                    QCOMPARE(fueraDelMapa(despues, id), fueraDelMapa(antes, id));
                    if (r > pasos)
                        QCOMPARE(despues, antes);
                }
                QCOMPARE(escrito.mid(3900), esperado.mid(3900));
            }
            QVERIFY(p.escritorio.mensajes.isEmpty());
        }
    }

    // Anything typed into the boxes scores without a crash, exactly as the scoring
    // functions score it on their own.
    void textosAlAzar()
    {
        P p;
        p.iniciarHastaInicio();
        QRandomGenerator azar(8122026);
        for (int i = 0; i < 3000; ++i) {
            const IdPantalla id = Evaluaciones[i % 5];
            Pantalla *pantalla = p.mostrar(id);
            QStringList textos;
            for (const Campo campo : mapaDe(id)) {
                textos << textoAlAzar(azar);
                P::texto(pantalla, cajaDeCampo(campo))->setText(textos.last());
            }
            P::pulsar(pantalla, "Command3");
            TipoResultados esperado;
            if (id == IdPantalla::fundamento) {
                esperado = Calificar_Fundamentos(
                    {textos[2], textos[3], textos[4], textos[5], textos[6], textos[7], textos[8], textos[9]}, {});
            } else {
                const int nivel = qobject_cast<PantallaNivel *>(pantalla)->nivel();
                esperado = Calificar_Nivel(nivel, {textos[2], textos[3], textos[4], textos[5], textos[6]}, {});
            }
            QCOMPARE(
                P::resultados(pantalla),
                (QStringList{esperado.porcentaje[0], esperado.porcentaje[1], esperado.porcentaje[2], esperado.promedio,
                             esperado.grado[0], esperado.grado[1], esperado.grado[2], esperado.gradoGeneral}));
        }
    }

    // Each record operation against each fault: a message, the program goes on, and once the
    // fault is mended the records held in memory reach the file.
    void fallas_data()
    {
        QTest::addColumn<int>("pantalla");
        QTest::addColumn<QString>("falla");
        QTest::addColumn<QString>("operacion");
        for (IdPantalla id : Evaluaciones)
            for (const char *falla : {"directorio", "lleno", "carpeta borrada"})
                for (const char *op : {"carga", "guardar", "salir"})
                    QTest::addRow("%s, %s, %s", qPrintable(nombrePantalla(id)), falla, op) << int(id) << falla << op;
    }
    void fallas()
    {
        QFETCH(int, pantalla);
        QFETCH(QString, falla);
        QFETCH(QString, operacion);
        const auto id = IdPantalla(pantalla);
        P p;
        p.iniciarHastaInicio();
        auto *w = qobject_cast<PantallaEvaluacion *>(p.mostrar(id));
        const QString carpeta = p.ruta(".");
        const QString ruta = p.ruta(archivoDe(id));
        const MapaCampos &mapa = mapaDe(id);

        // an athlete saved as record 1, another typed and stepped into the table as record 2
        for (const Campo campo : mapa)
            P::texto(w, cajaDeCampo(campo))->setText(QStringLiteral("A1"));
        P::pulsar(w, "cmdGuardarReg");
        P::pulsar(w, "cmdRegSiguiente");
        for (const Campo campo : mapa)
            P::texto(w, cajaDeCampo(campo))->setText(QStringLiteral("B2"));
        P::pulsar(w, "cmdRegSiguiente");
        P::pulsar(w, "cmdRegAnterior");
        const TablaRegistros tabla = w->libro().TablaReg();

        auto romper = [&] {
            if (falla == "directorio") {
                QVERIFY(QFile::remove(ruta));
                QVERIFY(QDir(carpeta).mkdir(archivoDe(id)));
            } else if (falla == "lleno") {
                QVERIFY(QFile::remove(ruta));
                QVERIFY(QFile::link("/dev/full", ruta));
            } else {
                QVERIFY(QDir(carpeta).removeRecursively());
            }
        };
        auto arreglar = [&] {
            if (falla == "directorio")
                QVERIFY(QDir(carpeta).rmdir(archivoDe(id)));
            else if (falla == "lleno")
                QVERIFY(QFile::remove(ruta));
            else
                QVERIFY(QDir().mkpath(carpeta));
        };
        romper();
        if (operacion == "carga") {
            // a device in the file's place (/dev/full) is refused like the others
            const QString mensaje = w->cargar();
            QVERIFY(mensaje.contains(archivoDe(id)));
            QVERIFY(mensaje.contains("Motivo: "));
            QVERIFY(w->libro().TablaReg() == tabla);
        } else {
            P::pulsar(w, operacion == "guardar" ? "cmdGuardarReg" : "cmdSalir");
            QCOMPARE(p.escritorio.mensajes.size(), 1);
            QVERIFY(p.escritorio.mensajes[0].contains(archivoDe(id)));
            QVERIFY(w->libro().TablaReg() == tabla);
            QCOMPARE(P::texto(w, "txtNombre")->text(), QStringLiteral("B2"));  // its padding not shown
        }
        QCOMPARE(p.escritorio.terminaciones, 0);
        arreglar();
        P::pulsar(w, "cmdGuardarReg");
        P::pulsar(w, "cmdSalir");
        QCOMPARE(p.escritorio.terminaciones, 1);
        const QByteArray bytes = leerArchivo(ruta);
        QCOMPARE(bytes.size(), 3900);
        if (operacion != "carga" || falla == "lleno") {
            QCOMPARE(bytes.left(130), tabla[1].bytes());
            QCOMPARE(bytes.mid(130, 130), tabla[2].bytes());
        }
        QCOMPARE(TipoReg::desdeBytes(bytes.mid(130, 130)).campo(Campo::Nombre),
                 QStringLiteral("B2") + QString(28, ' '));
    }

    // A file replaced behind the screen's back by a longer one: "Guardar Registro" writes its
    // record in place and "Salir" its 30, and what lies past the 30th stays.
    void archivoMasLargoEntreAcciones()
    {
        for (IdPantalla id : Evaluaciones) {
            P p;
            p.iniciarHastaInicio();
            Pantalla *w = p.mostrar(id);
            const QString ruta = p.ruta(archivoDe(id));
            P::texto(w, "txtNombre")->setText(QStringLiteral("ANA"));
            QByteArray largo;
            for (int r = 0; r < 45; ++r)
                largo += registroAjeno(char(r));
            QVERIFY(escribirArchivo(ruta, largo));
            P::pulsar(w, "cmdGuardarReg");
            QByteArray bytes = leerArchivo(ruta);
            QCOMPARE(bytes.size(), largo.size());
            QCOMPARE(bytes.left(30), relleno("ANA", 30));
            QCOMPARE(bytes.mid(130), largo.mid(130));
            P::pulsar(w, "cmdSalir");
            bytes = leerArchivo(ruta);
            QCOMPARE(bytes.size(), largo.size());
            QCOMPARE(bytes.left(30), relleno("ANA", 30));
            QCOMPARE(bytes.mid(130, 29 * 130), ceros(29 * 130));  // the screen's own empty slots
            QCOMPARE(bytes.mid(3900), largo.mid(3900));
            QVERIFY(p.escritorio.mensajes.isEmpty());
        }
    }
};

int main(int argc, char *argv[])
{
    // Thousands of flushed writes: on a memory file system when there is one.
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        qputenv("TMPDIR", "/dev/shm");
    QApplication app(argc, argv);
    PruebaCampana prueba;
    return QTest::qExec(&prueba, argc, argv);
}

#include "prueba_campana.moc"
