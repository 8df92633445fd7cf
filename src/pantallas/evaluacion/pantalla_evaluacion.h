#pragma once

#include "pantallas/evaluacion/controles.h"
#include "nucleo/comun/tipo_resultados.h"
#include "nucleo/registros/libro_registros.h"
#include "pantallas/base/escritorio.h"
#include "pantallas/base/pantalla.h"

namespace korva {

// How the button bar of one evaluation screen differs from the other's.
struct DefBarra {
    QColor marco;       // Frame1
    int izquierda;      // left of "Guardar Registro"; the next four follow 88 px apart
    QColor guardar;     // face of "Guardar Registro"
    int anchoProcesar;  // "Procesar Datos"
    Fuente letraProcesar;
    QColor procesar;
    bool salirAlFinal;  // "Salir" last in the keyboard order, or right after "Regresar"
};

// What sets one evaluation screen apart from the others: its window, its file and field
// map, its own controls and lines, its button bar, what else "IMPRIMIR" hides and where
// "Regresar" leads. The keyboard runs through the field map's boxes, then the bar.
struct DefEvaluacion {
    QString titulo;
    QString archivo;
    const MapaCampos *mapa = nullptr;
    const char *etiquetaFecha = nullptr;
    std::vector<DefLinea> lineas;
    std::vector<DefControl> controles;  // the record number, name and age rows come first
    DefBarra barra;
    std::vector<const char *> ocultarTambien;  // beyond the bar and the record number
    IdPantalla regreso = IdPantalla::INICIO;
};

// The lines of an evaluation screen: the body frame, the divider of the input column,
// and the results box whose left side stands at x = izquierda.
std::vector<DefLinea> lineasEvaluacion(int izquierda);

// The results panel of an evaluation screen: headings, the eight result labels and the "%".
struct TextosResultados {
    const char *columna;       // Label21
    const char *filas[3];      // Label15, Label16, Label17
    int anchoFila1;            // width of Label15
    bool terceraCentrada;      // Label17 centred
    int altoPrimerPorcentaje;  // height of Label11
};
std::vector<DefControl> panelResultados(const TextosResultados &t);

// Every control of an evaluation screen: the record number, name and age rows, the screen's
// own controls, the button bar.
std::vector<DefControl> controlesEvaluacion(const DefEvaluacion &def);

// One of the five evaluation screens: a coach types an athlete's tests, has them scored,
// steps through the 30 records of the screen's file, clears, prints and leaves.
class PantallaEvaluacion : public Pantalla, public FormularioRegistros
{
    Q_OBJECT
public:
    PantallaEvaluacion(ConjuntoPantallas &conjunto, IdPantalla id, DefEvaluacion def);

    QString cargar() override;
    LibroRegistros &libro() { return m_libro; }
    TipoResultados resultados() const;
    // The boxes' texts in the order of the field map, as the scoring takes them.
    QStringList textosDeCampos() const;

    // The sheet as "IMPRIMIR" prints it: white, without the buttons and the record number,
    // recorded as drawing commands.
    Hoja hojaImpresa() const;

    // The record book's view of the screen.
    QString textoCampo(Campo campo) const override;
    void ponerTextoCampo(Campo campo, const QString &texto) override;
    void ponerNumeroRegistro(const QString &texto) override;
    void limpiarResultados() override;
    void enfocarNombre() override;

protected:
    // The scoring of this screen over the test boxes, from the captions given.
    virtual TipoResultados calificar(const TipoResultados &actuales) const = 0;

    bool puedeTerminar() override { return confirmarCambios(); }

protected:
    void closeEvent(QCloseEvent *evento) override;

private:
    // Typed values not stored, when there are: the coach says whether to store them ("Sí",
    // as "Guardar Registro"), leave them ("No") or stay ("Cancelar"). Whether to go on.
    bool confirmarCambios();
    bool guardar();
    void procesar();
    void borrar();
    void imprimir();
    void salir();
    void ponerResultados(const TipoResultados &r);
    // The full path of the screen's file, as the messages name it.
    QString rutaArchivo() const;

    DefEvaluacion m_def;
    LibroRegistros m_libro;
};

}  // namespace korva
