#pragma once

#include "physical/resultados.h"
#include "records/libro.h"
#include "shell/formulario.h"
#include "shell/pantallas.h"

#include <QImage>

class QLineEdit;

namespace korva {

// What sets one evaluation screen apart from the others: its window, its file and field
// map, its controls and lines, its keyboard order, what "IMPRIMIR" hides and where
// "Regresar" leads.
struct DefEvaluacion {
    QString titulo;
    QString archivo;
    const MapaCampos *mapa = nullptr;
    const char *etiquetaFecha = nullptr;
    std::vector<DefLinea> lineas;
    std::vector<DefControl> controles;
    QStringList ordenTabulacion;
    QStringList ocultarAlImprimir;
    IdPantalla regreso;
};

// The region of the screen that holds every control, the printed evaluation sheet.
inline constexpr QSize TamanoHoja(785, 521);

// The lines of an evaluation screen: the body frame, the divider of the input column,
// and the results box whose left side stands at x = izquierda.
std::vector<DefLinea> lineasEvaluacion(int izquierda);

// The results panel of an evaluation screen: headings, the eight result labels and the "%".
struct TextosResultados {
    const char *columna;                // Label21
    const char *filas[3];               // Label15, Label16, Label17
    int anchoFila1;                     // width of Label15
    bool terceraCentrada;               // Label17 centred
    int altoPrimerPorcentaje;           // height of Label11
};
std::vector<DefControl> panelResultados(const TextosResultados &t);

// What every evaluation screen has in its top-left corner: the record number with its
// heading, and the name and age rows.
std::vector<DefControl> cabeceraEvaluacion();

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

    // The sheet as "IMPRIMIR" prints it: white, without the buttons and the record number.
    QImage imagenHoja();

    // The record book's view of the screen.
    QString textoCampo(const char *control) const override;
    void ponerTextoCampo(const char *control, const QString &texto) override;
    void ponerNumeroRegistro(const QString &texto) override;
    void limpiarResultados() override;
    void enfocarNombre() override;

protected:
    // The scoring of this screen over the test boxes, from the captions given.
    virtual TipoResultados calificar(const TipoResultados &actuales) const = 0;
    QString texto(const char *control) const { return textoCampo(control); }

private:
    void guardar();
    void procesar();
    void borrar();
    void imprimir();
    void salir();
    void ponerResultados(const TipoResultados &r);
    Etiqueta *etiqueta(const char *nombre) const;

    DefEvaluacion m_def;
    QHash<QString, QWidget *> m_controles;
    LibroRegistros m_libro;
};

}  // namespace korva
