#include "pantalla_evaluacion.h"

#include "shell/escritorio.h"
#include "shell/inicio.h"

#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QPointer>

namespace korva {

namespace {
const char *const EtiquetasResultado[] = {"Label11", "Label12", "Label13", "Label19",
                                          "Label23", "Label24", "Label25", "Label26"};
}

std::vector<DefLinea> lineasEvaluacion(int x)
{
    return {
        {"Line17", 24, 96, 24, 440, 4},
        {"Line18", 24, 96, 768, 96, 4},
        {"Line19", 768, 96, 768, 440, 4},
        {"Line20", 24, 440, 768, 440, 4},
        {"Line21", 160, 96, 160, 440, 2},
        {"Line15", x, 112, 760, 112, 3, color::azulOscuro},
        {"Line14", x, 112, x, 144, 3, color::azulOscuro},
        {"Line16", 760, 112, 760, 144, 3, color::azulOscuro},
        {"Line12", x, 144, 760, 144, 3, color::azulOscuro},
        {"Line10", x, 184, x, 144, 3, color::azulOscuro},
        {"Line11", 760, 184, 760, 144, 3, color::azulOscuro},
        {"Line13", 600, 184, 600, 144, 3, color::azulOscuro},
        {"Line2", x, 184, 760, 184, 3, color::azulOscuro},
        {"Line3", x, 184, x, 416, 3, color::azulOscuro},
        {"Line4", 760, 184, 760, 416, 3, color::azulOscuro},
        {"Line5", x, 416, 760, 416, 3, color::azulOscuro},
        {"Line6", 600, 184, 600, 416, 2, color::marino},
        {"Line7", 448, 232, 592, 232, 1},
        {"Line8", 448, 280, 592, 280, 1},
        {"Line9", 448, 328, 592, 328, 1},
        {"Line1", 616, 336, 744, 336, 2},
    };
}

std::vector<DefControl> panelResultados(const TextosResultados &t)
{
    return {
        {Tipo::Etiqueta, "Label22", "EVALUACION INDIVIDUAL", {480, 112, 251, 24}, {13.5, true}, color::marino,
         Centrado | Ajustado},
        {Tipo::Etiqueta, "Label21", t.columna, {440, 152, 161, 25}, {13.5, true}, {}, Centrado},
        {Tipo::Etiqueta, "Label14", "NIVEL Y %", {616, 152, 113, 33}, {13.5, true}, {}, Centrado},
        {Tipo::Etiqueta, "Label15", t.filas[0], {448, 200, t.anchoFila1, 33}},
        {Tipo::Etiqueta, "Label23", "", {616, 200, 7, 24}, {13.5, true}, {}, Ajustado},
        {Tipo::Etiqueta, "Label11", "", {672, 200, 81, t.altoPrimerPorcentaje}, {13.5, true}, {}, Centrado},
        {Tipo::Etiqueta, "Label16", t.filas[1], {456, 248, 129, 33}},
        {Tipo::Etiqueta, "Label24", "", {616, 248, 7, 24}, {13.5, true}, {}, Ajustado},
        {Tipo::Etiqueta, "Label12", "", {672, 248, 81, 33}, {13.5, true}, {}, Centrado},
        {Tipo::Etiqueta, "Label17", t.filas[2], {472, 296, 97, 33}, {13.5, true}, {},
         t.terceraCentrada ? Centrado : Ninguna},
        {Tipo::Etiqueta, "Label25", "", {616, 296, 7, 24}, {13.5, true}, {}, Ajustado},
        {Tipo::Etiqueta, "Label13", "", {672, 296, 81, 33}, {13.5, true}, {}, Centrado},
        {Tipo::Etiqueta, "Label18", "NIVEL PROMEDIO", {448, 344, 145, 57}, {13.5, true}, {}, Centrado | Partido},
        {Tipo::Etiqueta, "Label26", "", {616, 352, 65, 49}},
        {Tipo::Etiqueta, "Label19", "", {672, 352, 81, 33}, {13.5, true}, color::marino, Centrado},
        {Tipo::Etiqueta, "Label20", "%", {736, 352, 41, 33}},
    };
}

std::vector<DefControl> cabeceraEvaluacion()
{
    return {
        {Tipo::Etiqueta, "Label10", QString::fromUtf8("REGISTRO Nº"), {16, 32, 129, 20}, {12, true, true}, {},
         Centrado | Ajustado},
        {Tipo::Etiqueta, "Label9", "", {32, 56, 97, 33}, {13.5, true}, {}, Centrado | Borde},
        {Tipo::Etiqueta, "Label1", "Nombre", {32, 112, 81, 33}},
        {Tipo::Etiqueta, "Label2", "Edad", {32, 168, 81, 33}},
        {Tipo::Texto, "txtNombre", "", {168, 112, 257, 33}},
        {Tipo::Texto, "txtedad", "", {168, 160, 81, 33}},
    };
}

PantallaEvaluacion::PantallaEvaluacion(ConjuntoPantallas &conjunto, IdPantalla id, DefEvaluacion def)
    : Pantalla(conjunto, id),
      m_def(std::move(def)),
      // The file lies in the folder the program was started from. Its full path is taken
      // now, so that a folder that goes away (a memory stick pulled out) and comes back
      // under the same path is found again.
      m_libro(QDir::current().absoluteFilePath(m_def.archivo), *m_def.mapa, *this)
{
    setWindowTitle(m_def.titulo);
    ponerFondo(this, color::fondo);
    m_controles = construirFormulario(this, m_def.lineas, m_def.controles);
    ordenTabulacion(m_controles, m_def.ordenTabulacion);
    m_controles.value(QStringLiteral("txtNombre"))->setFocus();

    alPulsar(m_controles, "cmdGuardarReg", [this] { guardar(); });
    alPulsar(m_controles, "cmdRegSiguiente", [this] { m_libro.registroSiguiente(); });
    alPulsar(m_controles, "cmdRegAnterior", [this] { m_libro.registroAnterior(); });
    alPulsar(m_controles, "cmdRegresar", [this] { mostrar(m_def.regreso); });
    alPulsar(m_controles, "Command1", [this] { borrar(); });
    alPulsar(m_controles, "Command3", [this] { procesar(); });
    alPulsar(m_controles, "Command2", [this] { imprimir(); });
    alPulsar(m_controles, "cmdSalir", [this] { salir(); });
}

QString PantallaEvaluacion::cargar()
{
    etiqueta(m_def.etiquetaFecha)->ponerTexto(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    const Resultado r = m_libro.cargar();
    if (r)
        return {};
    return QStringLiteral("No se pudieron leer los registros del archivo «%1».\nMotivo: %2")
        .arg(m_def.archivo, r.razon);
}

Etiqueta *PantallaEvaluacion::etiqueta(const char *nombre) const
{
    auto *e = qobject_cast<Etiqueta *>(m_controles.value(QString::fromLatin1(nombre)));
    Q_ASSERT(e);
    return e;
}

QString PantallaEvaluacion::textoCampo(const char *control) const
{
    auto *t = qobject_cast<QLineEdit *>(m_controles.value(QString::fromLatin1(control)));
    Q_ASSERT(t);
    return t->text();
}

void PantallaEvaluacion::ponerTextoCampo(const char *control, const QString &texto)
{
    auto *t = qobject_cast<QLineEdit *>(m_controles.value(QString::fromLatin1(control)));
    Q_ASSERT(t);
    t->setText(texto);
}

void PantallaEvaluacion::ponerNumeroRegistro(const QString &texto)
{
    etiqueta("Label9")->ponerTexto(texto);
}

void PantallaEvaluacion::limpiarResultados()
{
    for (const char *nombre : EtiquetasResultado)
        etiqueta(nombre)->ponerTexto(QString());
}

void PantallaEvaluacion::enfocarNombre()
{
    m_controles.value(QStringLiteral("txtNombre"))->setFocus();
}

TipoResultados PantallaEvaluacion::resultados() const
{
    TipoResultados r;
    QString *campos[] = {&r.Label11, &r.Label12, &r.Label13, &r.Label19,
                         &r.Label23, &r.Label24, &r.Label25, &r.Label26};
    for (int i = 0; i < 8; ++i)
        *campos[i] = etiqueta(EtiquetasResultado[i])->text();
    return r;
}

void PantallaEvaluacion::ponerResultados(const TipoResultados &r)
{
    const QString *campos[] = {&r.Label11, &r.Label12, &r.Label13, &r.Label19,
                               &r.Label23, &r.Label24, &r.Label25, &r.Label26};
    for (int i = 0; i < 8; ++i)
        etiqueta(EtiquetasResultado[i])->ponerTexto(*campos[i]);
}

void PantallaEvaluacion::guardar()
{
    const Resultado r = m_libro.guardarRegistro();
    if (!r)
        avisar(QStringLiteral("No se pudo guardar el registro %1 en el archivo «%2».\nMotivo: %3\n\n"
                              "Los datos siguen en la pantalla; puede intentarlo de nuevo.")
                   .arg(QString::number(m_libro.IndiceReg), m_def.archivo, r.razon));
}

void PantallaEvaluacion::procesar()
{
    // Every result on the sheet comes from the values on screen now: no caption of an
    // earlier run is left for this run to keep or to average in.
    limpiarResultados();
    ponerResultados(calificar(resultados()));
    enfocarNombre();
}

void PantallaEvaluacion::borrar()
{
    enfocarNombre();
    for (const ParCampo &par : *m_def.mapa)
        ponerTextoCampo(par.control, QString());
    limpiarResultados();
    enfocarNombre();
}

QImage PantallaEvaluacion::imagenHoja()
{
    QList<QWidget *> ocultos;
    for (const QString &nombre : m_def.ocultarAlImprimir)
        ocultos << m_controles.value(nombre);
    // No box keeps the focus while the image is taken: the sheet shows no cursor and no
    // focus frame, and hiding the focused button does not send the focus elsewhere.
    QPointer<QWidget> foco = focusWidget();
    setFocus();
    for (QWidget *w : ocultos)
        w->hide();
    ponerFondo(this, color::blanco);
    const QImage imagen = grab(QRect(QPoint(0, 0), TamanoHoja)).toImage();
    ponerFondo(this, color::fondo);
    for (QWidget *w : ocultos)
        w->show();
    if (foco)
        foco->setFocus();
    return imagen;
}

void PantallaEvaluacion::imprimir()
{
    const Resultado r = escritorio().imprimir(imagenHoja());
    if (!r)
        avisar(QStringLiteral("No se imprimió la hoja de evaluación.\nMotivo: %1").arg(r.razon));
}

void PantallaEvaluacion::salir()
{
    const Resultado r = m_libro.escribirTodos();
    if (!r) {
        avisar(QStringLiteral("No se pudieron guardar los registros en el archivo «%1».\nMotivo: %2\n\n"
                              "El programa sigue abierto para que pueda intentarlo de nuevo.")
                   .arg(m_def.archivo, r.razon));
        return;
    }
    conjunto().terminar();
}

}  // namespace korva
