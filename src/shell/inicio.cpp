#include "inicio.h"

#include <QAbstractButton>

namespace korva {

void alPulsar(const QHash<QString, QWidget *> &controles, const char *nombre, std::function<void()> accion)
{
    auto *b = qobject_cast<QAbstractButton *>(controles.value(QString::fromLatin1(nombre)));
    Q_ASSERT(b);
    QObject::connect(b, &QAbstractButton::clicked, b, std::move(accion));
}

namespace {

const Fuente Boton{8.25};

const std::vector<DefControl> &controlesInicio()
{
    static const std::vector<DefControl> c{
        {Tipo::CajaImagen, "Picture1", ":/korva4/coleccion.bmp", {48, 24, 712, 542}},
        {Tipo::Etiqueta, "Label1", "KORVA 4", {8, 256, 407, 110}, {72, true, false, "Courier New"}, color::rojo,
         Centrado | Ajustado, "Picture1"},
        {Tipo::Etiqueta, "Label2", "ENTRENAMIENTO DEPORTIVO ", {16, 344, 389, 29}, {18, true}, color::naranja,
         Ajustado, "Picture1"},
        {Tipo::Etiqueta, "Label4", "FUTBOL", {416, 344, 137, 33}, {24, false}, color::azulOscuro, Centrado,
         "Picture1"},
        {Tipo::Marco, "Frame1", "OPCIONES", {560, 264, 153, 273}, {12, true}, color::verdeOscuro, Ninguna,
         "Picture1"},
        {Tipo::Boton, "Command1", "CAPACIDADES FISICAS", {32, 24, 97, 33}, Boton, color::naranja, Ninguna, "Frame1"},
        {Tipo::Boton, "Command2", "FUNDAMENTOS", {32, 72, 97, 33}, Boton, color::naranja, Ninguna, "Frame1"},
        {Tipo::Boton, "Command3", "SALIR", {32, 224, 97, 33}, Boton, color::rojo, Ninguna, "Frame1"},
        {Tipo::Boton, "Command4", "METODOLOGIA", {640, 416, 97, 33}, Boton, color::naranja},
        {Tipo::Boton, "Command5", "FORMATO", {640, 464, 97, 33}, Boton, color::naranja},
    };
    return c;
}

const std::vector<DefControl> &controlesMenu()
{
    static const std::vector<DefControl> c{
        {Tipo::Etiqueta, "Label1", "MENU", {72, 8, 105, 41}, {24, true}, color::negro, Borde | Centrado | Ajustado},
        {Tipo::Imagen, "Image1", ":/korva4/balon.jpg", {56, 64, 140, 132}, {}, {}, Borde | Estirado},
        {Tipo::Boton, "Command1", "NIVEL 1", {216, 16, 81, 33}, Boton, color::azulClaro},
        {Tipo::Boton, "Command2", "NIVEL 2", {216, 56, 81, 33}, Boton, color::azulClaro},
        {Tipo::Boton, "Command3", "NIVEL 3", {216, 96, 81, 33}, Boton, color::azulClaro},
        {Tipo::Boton, "Command5", "NIVEL 4", {216, 136, 81, 33}, Boton, color::azulClaro},
        {Tipo::Boton, "Command4", "SALIR", {216, 176, 81, 33}, Boton, color::rojo},
    };
    return c;
}

}  // namespace

PantallaInicio::PantallaInicio(ConjuntoPantallas &conjunto) : Pantalla(conjunto, IdPantalla::INICIO)
{
    setWindowTitle(TituloPrograma);
    ponerFondo(this, color::fondo);
    setFixedSize(794, 567);
    setGeometry(3, 14, 794, 567);
    m_controles = construirFormulario(this, {}, controlesInicio());
    ordenTabulacion(m_controles, {"Picture1", "Command3", "Command2", "Command1", "Command4", "Command5"});
    m_controles.value("Picture1")->setFocus();

    alPulsar(m_controles, "Command1", [this] { mostrar(IdPantalla::MENU); });
    alPulsar(m_controles, "Command2", [this] { mostrar(IdPantalla::fundamento); });
    alPulsar(m_controles, "Command4", [this] { mostrar(IdPantalla::METODOLOGIA); });
    alPulsar(m_controles, "Command5", [this] { mostrar(IdPantalla::formas); });
    alPulsar(m_controles, "Command3", [this] { this->conjunto().terminar(); });
}

PantallaMenu::PantallaMenu(ConjuntoPantallas &conjunto) : Pantalla(conjunto, IdPantalla::MENU)
{
    setWindowTitle(TituloPrograma);
    ponerFondo(this, color::fondo);
    setFont(fuente({8.25}));
    setFixedSize(312, 213);
    m_controles = construirFormulario(this, {}, controlesMenu());
    ordenTabulacion(m_controles, {"Command1", "Command2", "Command3", "Command4", "Command5"});
    m_controles.value("Command1")->setFocus();

    alPulsar(m_controles, "Command1", [this] { mostrar(IdPantalla::NIVEL1); });
    alPulsar(m_controles, "Command2", [this] { mostrar(IdPantalla::NIVEL2); });
    alPulsar(m_controles, "Command3", [this] { mostrar(IdPantalla::NIVEL3); });
    alPulsar(m_controles, "Command5", [this] { mostrar(IdPantalla::nivel4); });
    alPulsar(m_controles, "Command4", [this] { mostrar(IdPantalla::INICIO); });
}

}  // namespace korva
