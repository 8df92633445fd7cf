#include "pantallas/generales/pantalla_secreto.h"

#include "pantallas/base/conjunto_pantallas.h"
#include "pantallas/base/escritorio.h"

#include <QDate>
#include <QLineEdit>
#include <QTime>

#include <limits>

namespace korva {

namespace {

const std::vector<DefControl> &controlesSecreto()
{
    static const std::vector<DefControl> c{
        etiqueta("Label1", "BIENVENIDO", {56, 8, 209, 37})
            .conLetra({24, true})
            .conColor(color::verdeVivo)
            .centrado()
            .ajustado(),
        etiqueta("Label5", "KORVA4", {64, 40, 185, 41}).conLetra({24, true}).conColor(color::azulOscuro).centrado(),
        imagen("Image1", ":/korva4/icono.png", {232, 40, 32, 32}),
        etiqueta("Label2", "Dar la clave por favor", {56, 80, 199, 24}).conColor(color::naranja).centrado().ajustado(),
        etiqueta("Label3", "USUARIO", {72, 120, 69, 16}).conLetra({9.75, true}).conColor(color::verdeVivo).ajustado(),
        caja("Text1", {144, 112, 89, 25})
            .leida("USUARIO")
            .conLetra(letra::Subtitulo)
            .conColor(color::verdeVivo)
            .clave()
            .sobre(color::negro),
        etiqueta("Label4", "", {40, 144, 113, 33})
            .conColor(color::verdeVivo)
            .centrado()
            .borde()
            .opaco()
            .sobre(color::negro),
        etiqueta("Label6", "", {160, 144, 105, 33}).conColor(color::verdeVivo).centrado().borde(),
        boton("Command1", "ENTRAR", {32, 184, 89, 25}, color::naranja),
        boton("Command2", "SALIR", {184, 184, 89, 25}, color::rojo),
    };
    return c;
}

}  // namespace

QString horaDelSistema(const QTime &hora, const QLocale &locale)
{
    // The long format is the one with the seconds; its time zone goes, and with it the
    // brackets and blanks around it ("H:mm:ss (t)" under es_ES, "h:mm:ss a t" in English).
    // Quoted text is the format's own and stays.
    const QString formato = locale.timeFormat(QLocale::LongFormat);
    QString sinZona;
    bool citado = false;
    for (int i = 0; i < formato.size(); ++i) {
        const QChar c = formato[i];
        if (c == QLatin1Char('\''))
            citado = !citado;
        if (citado || c != QLatin1Char('t')) {
            sinZona += c;
            continue;
        }
        while (i + 1 < formato.size() && formato[i + 1] == QLatin1Char('t'))
            ++i;
        const auto blancosAlFinal = [&] {
            while (sinZona.endsWith(QLatin1Char(' ')))
                sinZona.chop(1);
        };
        blancosAlFinal();
        if (sinZona.endsWith(QLatin1Char('(')) || sinZona.endsWith(QLatin1Char('['))) {
            sinZona.chop(1);
            blancosAlFinal();
            int j = i + 1;
            while (j < formato.size() && formato[j] == QLatin1Char(' '))
                ++j;
            if (j < formato.size() && (formato[j] == QLatin1Char(')') || formato[j] == QLatin1Char(']')))
                i = j;
        }
    }
    return locale.toString(hora, sinZona.trimmed());
}

PantallaSecreto::PantallaSecreto(ConjuntoPantallas &conjunto) : Pantalla(conjunto, IdPantalla::SECRETO)
{
    setWindowTitle(TituloPrograma);
    ponerFondo(this, color::negro);
    setFont(fuente(letra::Titulo));
    setFixedSize(312, 213);
    setGeometry(238, 175, 312, 213);
    construir({}, controlesSecreto());
    auto *clave = control<QLineEdit>("Text1");
    clave->setMaxLength(std::numeric_limits<int>::max());
    ordenTabulacion(controles(), {"Text1", "Command1", "Command2"});
    clave->setFocus();

    alPulsar("Command1", [this] { entrar(); });
    alPulsar("Command2", [this] { this->conjunto().terminar(); });
}

QString PantallaSecreto::cargar()
{
    const QDateTime ahora = QDateTime::currentDateTime();
    control<Etiqueta>("Label4")->ponerTexto(horaDelSistema(ahora.time()));
    control<Etiqueta>("Label6")->ponerTexto(QLocale().toString(ahora.date(), QLocale::ShortFormat));
    return {};
}

void PantallaSecreto::entrar()
{
    auto *clave = control<QLineEdit>("Text1");
    if (clave->text() == ClaveDeAcceso) {
        mostrar(IdPantalla::INICIO);
        return;
    }
    avisar(QStringLiteral(" Dar la clave correcta por favor"));
    clave->setFocus();
}

}  // namespace korva
