#pragma once

#include "pantallas/base/formulario.h"

#include <QWidget>

#include <functional>

namespace korva {

class Escritorio;

// The ten screens of the program, each in a slot of its own.
enum class IdPantalla { INICIO, MENU, SECRETO, METODOLOGIA, formas, NIVEL1, NIVEL2, NIVEL3, nivel4, fundamento };
constexpr int NumeroPantallas = 10;

QString nombrePantalla(IdPantalla id);
// The evaluation screens open maximized; the others keep their designed size.
bool abreMaximizada(IdPantalla id);

// The caption of the shell's screens (two blanks after the 4).
inline const QString TituloPrograma = QStringLiteral("KORVA 4  ENTRENAMIENTO DEPORTIVO");

class ConjuntoPantallas;

// A screen of the program. Its load step runs once per creation, before it is shown;
// what it returns, when not empty, is a failure message shown once the screen is up.
class Pantalla : public QWidget
{
    Q_OBJECT
public:
    Pantalla(ConjuntoPantallas &conjunto, IdPantalla id);
    virtual QString cargar() { return {}; }
    IdPantalla id() const { return m_id; }
    // Before the program ends: whether this screen lets it (a screen with typed values not
    // stored asks what to do with them first).
    virtual bool puedeTerminar() { return true; }

    // A control of this screen by its name and kind; see buscar().
    template <typename T> T *control(const char *nombre) const { return buscar<T>(m_controles, nombre); }

protected:
    ConjuntoPantallas &conjunto() const { return m_conjunto; }
    Escritorio &escritorio() const;
    void mostrar(IdPantalla id) const;
    void avisar(const QString &texto);
    // Builds the screen's form; its controls are then found by name.
    void construir(const std::vector<DefLinea> &lineas, const std::vector<DefControl> &controles);
    const Controles &controles() const { return m_controles; }
    void alPulsar(const char *nombre, std::function<void()> accion) const;

private:
    ConjuntoPantallas &m_conjunto;
    IdPantalla m_id;
    Controles m_controles;
};

}  // namespace korva
