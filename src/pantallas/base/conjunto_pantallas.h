#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/registros/uso_de_archivos.h"
#include "pantallas/base/pantalla.h"

#include <QPointer>

#include <array>
#include <functional>

namespace korva {

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
    // Ends the program, once every open screen lets it (the one given has asked already).
    void terminar(Pantalla *yaPreguntada = nullptr);
    Escritorio &escritorio() const { return m_escritorio; }
    const QString &carpeta() const { return m_carpeta; }
    UsoDeArchivos &usoDeArchivos() { return m_archivos; }
    // What every record write asks first (the folder is still the one this copy locked).
    void vigilarEscritura(std::function<Resultado()> permiso) { m_permiso = std::move(permiso); }
    Resultado permisoDeEscritura() const { return m_permiso ? m_permiso() : Resultado::exito(); }

private:
    Escritorio &m_escritorio;
    QString m_carpeta;
    UsoDeArchivos m_archivos;
    Fabrica m_fabrica;
    std::function<Resultado()> m_permiso;
    std::array<QPointer<Pantalla>, NumeroPantallas> m_ranuras;
};

}  // namespace korva
