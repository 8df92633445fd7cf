#include "secreto.h"

#include "escritorio.h"
#include "inicio.h"

#include <QDate>
#include <QLineEdit>
#include <QTime>

#include <limits>

namespace korva {

namespace {

const Fuente LetraPantalla{13.5, true};
const Fuente Boton{8.25};

const std::vector<DefControl> &controlesSecreto()
{
    static const std::vector<DefControl> c{
        {Tipo::Etiqueta, "Label1", "BIENVENIDO", {56, 8, 209, 37}, {24, true}, color::verdeVivo, Centrado | Ajustado},
        {Tipo::Etiqueta, "Label5", "KORVA4", {64, 40, 185, 41}, {24, true}, color::azulOscuro, Centrado},
        {Tipo::Imagen, "Image1", ":/korva4/icono.png", {232, 40, 32, 32}},
        {Tipo::Etiqueta, "Label2", "Dar la clave por favor", {56, 80, 199, 24}, LetraPantalla, color::naranja,
         Centrado | Ajustado},
        {Tipo::Etiqueta, "Label3", "USUARIO", {72, 120, 69, 16}, {9.75, true}, color::verdeVivo, Ajustado},
        {Tipo::Texto, "Text1", "", {144, 112, 89, 25}, {12, true}, color::verdeVivo, Clave, nullptr, color::negro},
        {Tipo::Etiqueta, "Label4", "", {40, 144, 113, 33}, LetraPantalla, color::verdeVivo, Centrado | Borde | Opaco,
         nullptr, color::negro},
        {Tipo::Etiqueta, "Label6", "", {160, 144, 105, 33}, LetraPantalla, color::verdeVivo, Centrado | Borde},
        {Tipo::Boton, "Command1", "ENTRAR", {32, 184, 89, 25}, Boton, color::naranja},
        {Tipo::Boton, "Command2", "SALIR", {184, 184, 89, 25}, Boton, color::rojo},
    };
    return c;
}

// The system's time format with its seconds, without the time zone.
QString horaDelSistema(const QTime &hora)
{
    QString formato = QLocale().timeFormat(QLocale::LongFormat);
    formato.remove(QLatin1Char('t'));
    return QLocale().toString(hora, formato.trimmed());
}

}  // namespace

PantallaSecreto::PantallaSecreto(ConjuntoPantallas &conjunto) : Pantalla(conjunto, IdPantalla::SECRETO)
{
    setWindowTitle(TituloPrograma);
    ponerFondo(this, color::negro);
    setFont(fuente(LetraPantalla));
    setFixedSize(312, 213);
    setGeometry(238, 175, 312, 213);
    m_controles = construirFormulario(this, {}, controlesSecreto());
    auto *clave = qobject_cast<QLineEdit *>(m_controles.value("Text1"));
    clave->setMaxLength(std::numeric_limits<int>::max());
    ordenTabulacion(m_controles, {"Text1", "Command1", "Command2"});
    clave->setFocus();

    alPulsar(m_controles, "Command1", [this] { entrar(); });
    alPulsar(m_controles, "Command2", [this] { this->conjunto().terminar(); });
}

QString PantallaSecreto::cargar()
{
    const QDateTime ahora = QDateTime::currentDateTime();
    qobject_cast<Etiqueta *>(m_controles.value("Label4"))->ponerTexto(horaDelSistema(ahora.time()));
    qobject_cast<Etiqueta *>(m_controles.value("Label6"))
        ->ponerTexto(QLocale().toString(ahora.date(), QLocale::ShortFormat));
    return {};
}

void PantallaSecreto::entrar()
{
    auto *clave = qobject_cast<QLineEdit *>(m_controles.value("Text1"));
    if (clave->text() == ClaveDeAcceso) {
        mostrar(IdPantalla::INICIO);
        return;
    }
    avisar(QStringLiteral(" Dar la clave correcta por favor"));
    clave->setFocus();
}

}  // namespace korva
