#pragma once

#include "formulario.h"
#include "records/en_uso.h"

#include <QPointer>
#include <QWidget>

#include <array>
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

    // A control of this screen by its name and kind; see buscar().
    template <typename T>
    T *control(const char *nombre) const
    {
        return buscar<T>(m_controles, nombre);
    }

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

// The open-once rule: a screen is created on its first request and then only brought
// forward; its close box removes it, and the next request builds it anew.
class ConjuntoPantallas
{
public:
    using Fabrica = std::function<Pantalla *(ConjuntoPantallas &, IdPantalla)>;

    // The folder is the absolute path of the folder the program was started in, taken once:
    // every record file lies there, whatever happens to the current folder later.
    ConjuntoPantallas(Escritorio &escritorio, Fabrica fabrica, QString carpeta);
    ~ConjuntoPantallas();
    ConjuntoPantallas(const ConjuntoPantallas &) = delete;
    ConjuntoPantallas &operator=(const ConjuntoPantallas &) = delete;

    Pantalla *mostrar(IdPantalla id);
    Pantalla *existente(IdPantalla id) const;  // null when the screen does not exist now
    void terminar();
    Escritorio &escritorio() const { return m_escritorio; }
    const QString &carpeta() const { return m_carpeta; }
    ArchivosEnUso &archivosEnUso() { return m_archivos; }

private:
    Escritorio &m_escritorio;
    QString m_carpeta;
    ArchivosEnUso m_archivos;
    Fabrica m_fabrica;
    std::array<QPointer<Pantalla>, NumeroPantallas> m_ranuras;
};

}  // namespace korva
