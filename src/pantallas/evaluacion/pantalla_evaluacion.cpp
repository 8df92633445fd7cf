#include "pantallas/evaluacion/pantalla_evaluacion.h"

#include "pantallas/evaluacion/hoja_de_evaluacion.h"
#include "pantallas/base/conjunto_pantallas.h"
#include "nucleo/calificacion/pruebas.h"
#include "pantallas/base/escritorio.h"

#include <QDate>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QPainter>

namespace korva {

using namespace control;

namespace {

// What every evaluation screen has in its top-left corner: the record number with its
// heading, and the name and age rows.
std::vector<DefControl> cabeceraEvaluacion()
{
    return {
        etiqueta(Label10, QString::fromUtf8("REGISTRO Nº"), {16, 32, 129, 20})
            .conLetra({12, true, true})
            .centrado()
            .ajustado(),
        etiqueta(Label9, "", {32, 56, 97, 33}).centrado().borde(),
        etiqueta("Label1", "Nombre", {32, 112, 81, 33}),
        etiqueta("Label2", "Edad", {32, 168, 81, 33}),
        caja(txtNombre, {168, 112, 257, 33}).leida("Nombre"),
        caja(txtedad, {168, 160, 81, 33}).leida("Edad"),
    };
}

// The button bar along the foot of the screen, inside its frame "Opciones".
std::vector<DefControl> barraEvaluacion(const DefBarra &b)
{
    const auto x = [&b](int i) { return b.izquierda + 88 * i; };
    return {
        marco(Frame1, "Opciones", {24, 448, 745, 73}, b.marco),
        boton(cmdGuardarReg, "Guardar Registro", {x(0), 480, 81, 33}, b.guardar),
        boton(cmdRegSiguiente, "Registro Siguiente", {x(1), 480, 81, 33}, color::naranja),
        boton(cmdRegAnterior, "Registro Anterior", {x(2), 480, 81, 33}, color::naranja),
        boton(cmdRegresar, "Regresar", {x(3), 480, 81, 33}, color::naranja),
        boton(Command1, "Borrar", {x(4), 480, 81, 33}, color::naranja),
        boton(Command3, "Procesar Datos", {x(5), 480, b.anchoProcesar, 33}, b.procesar).conLetra(b.letraProcesar),
        boton(Command2, "IMPRIMIR", {576, 480, 81, 33}, color::verde),
        boton(cmdSalir, "Salir", {672, 480, 81, 33}, color::rojo),
    };
}

// The keyboard order: the boxes of the field map, then the buttons of the bar.
std::vector<const char *> ordenTeclado(const DefEvaluacion &def)
{
    std::vector<const char *> orden;
    for (const Campo campo : *def.mapa)
        orden.push_back(cajaDeCampo(campo));
    orden.insert(orden.end(), {cmdGuardarReg, cmdRegSiguiente, cmdRegAnterior, cmdRegresar});
    if (!def.barra.salirAlFinal)
        orden.push_back(cmdSalir);
    orden.insert(orden.end(), {Command1, Command3, Command2});
    if (def.barra.salirAlFinal)
        orden.push_back(cmdSalir);
    return orden;
}

}  // namespace

std::vector<DefControl> controlesEvaluacion(const DefEvaluacion &def)
{
    std::vector<DefControl> todos = cabeceraEvaluacion();
    todos.insert(todos.end(), def.controles.begin(), def.controles.end());
    const std::vector<DefControl> barra = barraEvaluacion(def.barra);
    todos.insert(todos.end(), barra.begin(), barra.end());
    // each record box carries its field's unit and form, stated once in the core
    for (DefControl &d : todos)
        if (const auto campo = d.tipo == Tipo::Texto ? campoDeCaja(d.nombre) : std::nullopt)
            d = d.conAyuda(ayudaDeCampo(*campo));
    return todos;
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
        etiqueta("Label22", "EVALUACION INDIVIDUAL", {480, 112, 251, 24}).conColor(color::marino).centrado().ajustado(),
        etiqueta("Label21", t.columna, {440, 152, 161, 25}).centrado(),
        etiqueta("Label14", "NIVEL Y %", {616, 152, 113, 33}).centrado(),
        etiqueta("Label15", t.filas[0], {448, 200, t.anchoFila1, 33}),
        etiqueta(Label23, "", {616, 200, 7, 24}).ajustado(),
        etiqueta(Label11, "", {672, 200, 81, t.altoPrimerPorcentaje}).centrado(),
        etiqueta("Label16", t.filas[1], {456, 248, 129, 33}),
        etiqueta(Label24, "", {616, 248, 7, 24}).ajustado(),
        etiqueta(Label12, "", {672, 248, 81, 33}).centrado(),
        etiqueta("Label17", t.filas[2], {472, 296, 97, 33}).centrado(t.terceraCentrada),
        etiqueta(Label25, "", {616, 296, 7, 24}).ajustado(),
        etiqueta(Label13, "", {672, 296, 81, 33}).centrado(),
        etiqueta("Label18", "NIVEL PROMEDIO", {448, 344, 145, 57}).centrado().partido(),
        etiqueta(Label26, "", {616, 352, 65, 49}),
        etiqueta(Label19, "", {672, 352, 81, 33}).conColor(color::marino).centrado(),
        etiqueta("Label20", "%", {736, 352, 41, 33}),
    };
}

PantallaEvaluacion::PantallaEvaluacion(ConjuntoPantallas &conjunto, IdPantalla id, DefEvaluacion def)
    : Pantalla(conjunto, id), m_def(std::move(def)),
      // The file lies in the folder the program was started from, whose absolute path the
      // program took when it started: a folder that goes away (a memory stick pulled out)
      // and comes back under the same path is found again, and "/" is never taken for it.
      m_libro(QDir(conjunto.carpeta()).filePath(m_def.archivo), *m_def.mapa, *this)
{
    m_libro.vigilarEscritura([&conjunto] { return conjunto.permisoDeEscritura(); });
    setWindowTitle(m_def.titulo);
    ponerFondo(this, color::fondo);
    construir(m_def.lineas, controlesEvaluacion(m_def));
    ordenTabulacion(controles(), ordenTeclado(m_def));
    enfocarNombre();

    alPulsar(cmdGuardarReg, [this] { guardar(); });
    alPulsar(cmdRegSiguiente, [this] {
        if (confirmarCambios())
            m_libro.registroSiguiente();
    });
    alPulsar(cmdRegAnterior, [this] {
        if (confirmarCambios())
            m_libro.registroAnterior();
    });
    alPulsar(cmdRegresar, [this] { mostrar(m_def.regreso); });
    alPulsar(Command1, [this] { borrar(); });
    alPulsar(Command3, [this] { procesar(); });
    alPulsar(Command2, [this] { imprimir(); });
    alPulsar(cmdSalir, [this] { salir(); });
}

QString PantallaEvaluacion::cargar()
{
    control<Etiqueta>(m_def.etiquetaFecha)->ponerTexto(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    const Resultado r = m_libro.cargar();
    if (!r)
        return QStringLiteral("No se pudieron leer los registros del archivo «%1».\nMotivo: %2")
            .arg(rutaArchivo(), r.razon());
    const QString otra = conjunto().usoDeArchivos().reclamar(m_libro.archivo(), windowTitle());
    if (otra.isEmpty())
        return {};
    m_libro.bloquearEscritura(QStringLiteral("es el mismo archivo que usa la pantalla «%1»").arg(otra));
    return QStringLiteral("El archivo «%1» es el mismo archivo que usa la pantalla «%2» (un enlace).\n\n"
                          "Esta pantalla muestra sus registros, pero no los guardará, para no escribir encima "
                          "de los atletas de la otra pantalla. Para que cada pantalla guarde los suyos, cierre "
                          "KORVA 4 y deje en la carpeta un archivo propio para cada pantalla.")
        .arg(rutaArchivo(), otra);
}

QString PantallaEvaluacion::textoCampo(Campo campo) const
{
    return control<QLineEdit>(cajaDeCampo(campo))->text();
}

void PantallaEvaluacion::ponerTextoCampo(Campo campo, const QString &texto)
{
    // The blanks that only pad the field are not shown: a name typed after them would be
    // pushed past the field's width and cut. Storing pads the field again.
    control<QLineEdit>(cajaDeCampo(campo))->setText(sinRelleno(texto));
}

QStringList PantallaEvaluacion::textosDeCampos() const
{
    QStringList textos;
    for (const Campo campo : *m_def.mapa)
        textos << textoCampo(campo);
    return textos;
}

void PantallaEvaluacion::ponerNumeroRegistro(const QString &texto)
{
    control<Etiqueta>(Label9)->ponerTexto(texto);
}

void PantallaEvaluacion::limpiarResultados()
{
    ponerResultados({});
}

void PantallaEvaluacion::enfocarNombre()
{
    control<QLineEdit>(txtNombre)->setFocus();
}

TipoResultados PantallaEvaluacion::resultados() const
{
    TipoResultados r;
    for (int i = 0; i < TipoResultados::Cantidad; ++i)
        r[i] = control<Etiqueta>(EtiquetasResultado[std::size_t(i)])->text();
    return r;
}

void PantallaEvaluacion::ponerResultados(const TipoResultados &r)
{
    for (int i = 0; i < TipoResultados::Cantidad; ++i)
        control<Etiqueta>(EtiquetasResultado[std::size_t(i)])->ponerTexto(r[i]);
}

QString PantallaEvaluacion::rutaArchivo() const
{
    return QDir::toNativeSeparators(m_libro.archivo());
}

bool PantallaEvaluacion::guardar()
{
    const Resultado r = m_libro.guardarRegistro();
    if (!r)
        avisar(QStringLiteral("No se pudo guardar el registro %1 en el archivo «%2».\nMotivo: %3\n\n"
                              "Los datos siguen en la pantalla; puede intentarlo de nuevo.")
                   .arg(QString::number(m_libro.IndiceReg), rutaArchivo(), r.razon()));
    return r.ok();
}

bool PantallaEvaluacion::confirmarCambios()
{
    if (!m_libro.pantallaCambiada())
        return true;
    const QString nombre = textoCampo(Campo::Nombre).trimmed();
    const QString texto =
        QStringLiteral("¿Guardar los datos de %1 (registro %2)?")
            .arg(nombre.isEmpty() ? QStringLiteral("este atleta") : nombre, QString::number(m_libro.IndiceReg));
    switch (escritorio().preguntar(this, texto)) {
    case Respuesta::Si:
        return guardar();
    case Respuesta::No:
        return true;
    case Respuesta::Cancelar:
        break;
    }
    return false;
}

void PantallaEvaluacion::closeEvent(QCloseEvent *evento)
{
    // the window's close box: what was typed and not stored is not lost without a word
    if (confirmarCambios())
        Pantalla::closeEvent(evento);
    else
        evento->ignore();
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
    for (const Campo campo : *m_def.mapa)
        ponerTextoCampo(campo, QString());
    limpiarResultados();
    enfocarNombre();
}

Hoja PantallaEvaluacion::hojaImpresa() const
{
    DatosHoja datos;
    for (const Campo campo : *m_def.mapa)
        datos.cajas.emplace_back(cajaDeCampo(campo), textoCampo(campo));
    datos.resultados = resultados();
    datos.fecha = control<Etiqueta>(m_def.etiquetaFecha)->text();
    return hojaDeEvaluacion(m_def, datos);
}

void PantallaEvaluacion::imprimir()
{
    const Resultado r = escritorio().imprimir(hojaImpresa());
    if (!r)
        avisar(QStringLiteral("No se imprimió la hoja de evaluación.\nMotivo: %1").arg(r.razon()));
}

void PantallaEvaluacion::salir()
{
    if (!confirmarCambios())
        return;
    const Resultado r = m_libro.escribirTodos();
    if (!r) {
        avisar(QStringLiteral("No se pudieron guardar los registros en el archivo «%1».\nMotivo: %2\n\n"
                              "El programa sigue abierto para que pueda intentarlo de nuevo.")
                   .arg(rutaArchivo(), r.razon()));
        return;
    }
    conjunto().terminar(this);
}

}  // namespace korva
