// Renders every screen of the program, and the team report, to a PNG, offscreen, for a look
// next to the layout tables. Usage: korva4_capturas FOLDER (run it from a scratch directory: the
// evaluation screens read and write their record files there).
#include "pantallas/evaluacion/pantalla_evaluacion.h"
#include "programa/programa.h"
#include "equipo/tabla/dialogo_comparacion.h"
#include "equipo/tabla/dialogo_datos_del_equipo.h"
#include "equipo/estacion/dialogo_elegir_prueba.h"
#include "equipo/tabla/dialogo_evaluacion.h"
#include "equipo/importacion/dialogo_importacion.h"
#include "equipo/estacion/rejilla_de_prueba.h"
#include "equipo/tabla/ventana_equipo.h"
#include "nucleo/evaluaciones/evaluaciones.h"

#include <QPrinter>
#include "apoyo/escritorio_falso.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QUndoStack>

using namespace korva;

namespace {

void teclear(QWidget *pantalla, const char *caja, const QString &texto)
{
    pantalla->findChild<QLineEdit *>(QString::fromLatin1(caja))->setText(texto);
}

void pulsar(QWidget *pantalla, const char *boton)
{
    pantalla->findChild<QPushButton *>(QString::fromLatin1(boton))->click();
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir destino(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    destino.mkpath(QStringLiteral("."));
    EscritorioFalso escritorio;
    Programa programa(escritorio);
    programa.iniciar();
    ConjuntoPantallas &pantallas = programa.pantallas();

    for (int i = 0; i < NumeroPantallas; ++i) {
        const auto id = IdPantalla(i);
        Pantalla *p = pantallas.mostrar(id);
        if (id == IdPantalla::NIVEL2) {
            teclear(p, "txtNombre", QStringLiteral("Ana Peña"));
            teclear(p, "txtedad", QStringLiteral("10"));
            teclear(p, "txtresistencia", QStringLiteral("1.25"));
            teclear(p, "txtvelocidad", QStringLiteral("8.5"));
            teclear(p, "txtlagartijas", QStringLiteral("25"));
            teclear(p, "txtabdominales", QStringLiteral("26"));
            teclear(p, "txtsentadillas", QStringLiteral("27"));
            pulsar(p, "Command3");
        }
        QApplication::processEvents();
        const QString archivo = destino.filePath(nombrePantalla(id) + QStringLiteral(".png"));
        p->grab().save(archivo);
        if (qobject_cast<PantallaEvaluacion *>(p)) {  // and the sheet that "IMPRIMIR" prints
            pulsar(p, "Command2");
            escritorio.impresas.last().save(
                destino.filePath(nombrePantalla(id) + QStringLiteral("-hoja-en-pantalla.png")));
        }
    }

    // The team report on the same folder, its level 2 tab open.
    VentanaEquipo equipo(QDir::currentPath());
    equipo.abrirPestana(1);
    equipo.show();
    QApplication::processEvents();
    equipo.grab().save(destino.filePath(QStringLiteral("EQUIPO.png")));
    // and compared with the newest saved evaluation, where the folder has one
    if (const QStringList guardadas = evaluacionesGuardadas(QDir::currentPath()); !guardadas.isEmpty()) {
        equipo.compararCon(guardadas.front());
        equipo.abrirPestana(1);
        QApplication::processEvents();
        equipo.grab().save(destino.filePath(QStringLiteral("EQUIPO-comparado.png")));
        // scrolled to the far right: the number and the name stay in view
        equipo.tabla(1)->horizontalScrollBar()->setValue(equipo.tabla(1)->horizontalScrollBar()->maximum());
        QApplication::processEvents();
        equipo.grab().save(destino.filePath(QStringLiteral("EQUIPO-comparado-derecha.png")));
        // and its printed report, as a PDF
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(destino.filePath(QStringLiteral("EQUIPO-comparado.pdf")));
        impresora.setPageOrientation(QPageLayout::Landscape);
        impresora.setColorMode(QPrinter::Color);
        equipo.imprimirEn(impresora);
    }

    // The team report's smaller dialogs, each as it opens.
    const auto dialogo = [&destino](QDialog &d, const char *nombre) {
        d.show();
        QApplication::processEvents();
        d.grab().save(destino.filePath(QString::fromLatin1(nombre)));
    };
    DialogoComparacion comparacion({QStringLiteral("2026-12-01 Fin de trimestre"), QStringLiteral("2026-09-15 Inicio")},
                                   QString());
    dialogo(comparacion, "EQUIPO-dialogo-comparar.png");
    DialogoDatosDelEquipo datos(QDir::currentPath(), false);
    dialogo(datos, "EQUIPO-dialogo-equipo.png");
    DialogoElegirPrueba elegir(1);
    dialogo(elegir, "EQUIPO-dialogo-prueba.png");
    DialogoEvaluacion nueva(DialogoEvaluacion::Tipo::Nueva);
    dialogo(nueva, "EQUIPO-dialogo-nueva.png");

    // The import preview of a mixed-age squad, one without a level among them.
    const ListaDeAtletas plantilla = leerLista(QStringLiteral(
        "Nombre;Apellidos;Edad\nJosé;Núñez;7\nAna;Peña;9\nIñaki;Güell;10\nMaría José;López Fernández de la Vega;11\n"
        "Luis;Pérez;12\nRenée;D'Arcy;15\nÑoño;Martínez;17\n---;;12\n"));
    DialogoImportacion vista(QDir::currentPath(), -1, plantilla, {});
    vista.show();
    QApplication::processEvents();
    vista.grab().save(destino.filePath(QStringLiteral("EQUIPO-plantilla.png")));

    // Last season's export as the roster: its summary first, the squad in the level sheets.
    const QString temporada = QDir::current().filePath(QStringLiteral("temporada"));
    QDir().mkpath(temporada);
    const QString libro = QDir::current().filePath(QStringLiteral("temporada.xlsx"));
    if (importarAtletas(temporada, plantilla.atletas, DestinoDeImportacion()) && [&] {
            VentanaEquipo exportado(temporada);
            return exportado.exportarLibro(libro, true).ok();
        }()) {
        if (const ResultadoDe<ListaDeAtletas> lista = leerArchivoDeLista(libro); lista) {
            DialogoImportacion deLibro(QDir::currentPath(), -1, lista.valor(),
                                       [libro](const QString &hoja) { return leerArchivoDeLista(libro, hoja); });
            deLibro.show();
            QApplication::processEvents();
            deLibro.grab().save(destino.filePath(QStringLiteral("EQUIPO-plantilla-libro.png")));
        }
    }

    // The station grid of level 2's speed: a value taken, one that looks wrong (amber), one
    // refused (its reason under the grid).
    if (const ResultadoDe<TomaDePrueba> toma = TomaDePrueba::abrir(QDir::currentPath(), 1, 1); toma) {
        RejillaDePrueba rejilla(toma.valor());
        rejilla.resize(900, 640);
        rejilla.show();
        rejilla.tomar(0, QStringLiteral("8,45"));
        rejilla.tomar(1, QStringLiteral("25"));
        rejilla.tomar(2, QStringLiteral("1:35"));
        rejilla.tabla()->setCurrentCell(2, 4);
        QApplication::processEvents();
        rejilla.grab().save(destino.filePath(QStringLiteral("EQUIPO-prueba.png")));
        rejilla.deshacer()->clear();
        rejilla.toma().quitarRecuperacion();
    }
    return 0;
}
