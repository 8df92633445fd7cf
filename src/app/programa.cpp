#include "programa.h"

#include "fundamentals/pantalla_fundamentos.h"
#include "physical/pantalla_nivel.h"
#include "shell/aspecto.h"
#include "shell/inicio.h"
#include "shell/referencia.h"
#include "shell/secreto.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>

namespace korva {

Pantalla *crearPantalla(ConjuntoPantallas &conjunto, IdPantalla id)
{
    switch (id) {
    case IdPantalla::INICIO:
        return new PantallaInicio(conjunto);
    case IdPantalla::MENU:
        return new PantallaMenu(conjunto);
    case IdPantalla::NIVEL1:
        return new PantallaNivel(conjunto, id, 1);
    case IdPantalla::NIVEL2:
        return new PantallaNivel(conjunto, id, 2);
    case IdPantalla::NIVEL3:
        return new PantallaNivel(conjunto, id, 3);
    case IdPantalla::nivel4:
        return new PantallaNivel(conjunto, id, 4);
    case IdPantalla::fundamento:
        return new PantallaFundamentos(conjunto);
    case IdPantalla::SECRETO:
        return new PantallaSecreto(conjunto);
    case IdPantalla::METODOLOGIA:
    case IdPantalla::formas:
        return new PantallaReferencia(conjunto, id);
    }
    return nullptr;
}

Programa::Programa(Escritorio &escritorio)
    : m_pantallas(std::make_unique<ConjuntoPantallas>(escritorio, &crearPantalla))
{
}

Programa::~Programa() = default;

void Programa::iniciar()
{
    instalarAspecto();
    // The access screen comes first; the start screen only after the right code.
    m_pantallas->mostrar(IdPantalla::SECRETO);
}

int ejecutarPrograma(Escritorio &escritorio)
{
    // Two copies in one folder would each hold their own records, and the one that left
    // last would write over what the other saved. A copy that crashed leaves a lock whose
    // process is gone, which does not count.
    QLockFile cerrojo(QDir::current().filePath(NombreCerrojo));
    cerrojo.setStaleLockTime(0);
    if (!cerrojo.tryLock(0) && cerrojo.error() == QLockFile::LockFailedError) {
        instalarAspecto();
        escritorio.mensaje(nullptr, QStringLiteral("KORVA 4 ya está abierto en esta carpeta.\n\n"
                                                   "Use la ventana que ya está abierta: dos copias en la misma "
                                                   "carpeta guardarían los atletas una encima de la otra."));
        return 1;
    }
    Programa programa(escritorio);
    programa.iniciar();
    return QApplication::exec();
}

}  // namespace korva
