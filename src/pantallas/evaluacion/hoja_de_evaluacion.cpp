#include "pantallas/evaluacion/hoja_de_evaluacion.h"

#include <QLineEdit>
#include <QPainter>

namespace korva {

using namespace control;

namespace {

// What "IMPRIMIR" hides: the bar, the record number and the screen's own extras.
std::vector<const char *> ocultosAlImprimir(const DefEvaluacion &def)
{
    std::vector<const char *> ocultos{Frame1,      Label9,   Label10,  cmdGuardarReg, cmdRegAnterior, cmdRegSiguiente,
                                      cmdRegresar, cmdSalir, Command1, Command3,      Command2};
    ocultos.insert(ocultos.end(), def.ocultarTambien.begin(), def.ocultarTambien.end());
    return ocultos;
}

}  // namespace

Hoja hojaDeEvaluacion(const DefEvaluacion &def, const DatosHoja &datos)
{
    // The form made again off the screen, in its printing look: white, without the button
    // bar and the record number. No open screen is touched.
    QWidget forma;
    forma.setAttribute(Qt::WA_DontShowOnScreen);
    forma.resize(TamanoHoja);
    ponerFondo(&forma, color::blanco);
    const Controles c = construirFormulario(&forma, def.lineas, controlesEvaluacion(def), nullptr);
    for (const auto &[nombre, texto] : datos.cajas)
        buscar<QLineEdit>(c, nombre)->setText(texto);
    for (int i = 0; i < TipoResultados::Cantidad; ++i)
        buscar<Etiqueta>(c, EtiquetasResultado[std::size_t(i)])->ponerTexto(datos.resultados[i]);
    buscar<Etiqueta>(c, def.etiquetaFecha)->ponerTexto(datos.fecha);
    for (const char *nombre : ocultosAlImprimir(def))
        buscar<QWidget>(c, nombre)->hide();
    forma.show();
    Hoja hoja;
    hoja.tamano = TamanoHoja;
    {
        // Recorded, not rendered on the printer itself: a widget rendered straight onto a
        // printer goes through a picture of the screen.
        QPainter pintor(&hoja.dibujo);
        forma.render(&pintor, QPoint(), QRegion(QRect(QPoint(0, 0), TamanoHoja)));
    }
    return hoja;
}

}  // namespace korva
