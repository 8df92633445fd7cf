#include "programa/programa.h"

#include "pantallas/evaluacion/pantalla_fundamentos.h"
#include "pantallas/evaluacion/pantalla_nivel.h"
#include "pantallas/aspecto/aspecto.h"
#include "pantallas/generales/pantalla_inicio.h"
#include "pantallas/generales/pantalla_menu.h"
#include "pantallas/generales/pantalla_referencia.h"
#include "pantallas/generales/pantalla_secreto.h"

#include "nucleo/registros/una_copia.h"

#include <QApplication>
#include <QDir>

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

Programa::Programa(Escritorio &escritorio, const QString &carpeta)
    : m_pantallas(std::make_unique<ConjuntoPantallas>(escritorio, &crearPantalla, QDir(carpeta).absolutePath()))
{}

Programa::~Programa() = default;

void Programa::iniciar()
{
    instalarAspecto();
    // The access screen comes first; the start screen only after the right code.
    m_pantallas->mostrar(IdPantalla::SECRETO);
}

int ejecutarPrograma(Escritorio &escritorio)
{
    // The folder the program was started in, once: every record file lies there.
    const QString carpeta = QDir::currentPath();
    const QString nativa = QDir::toNativeSeparators(carpeta);
    // Two copies in one folder would each hold their own records, and the one that left
    // last would write over what the other saved.
    UnaCopia cerrojo(carpeta);
    switch (cerrojo.estado()) {
    case UnaCopia::Estado::Unica:
        break;
    case UnaCopia::Estado::OtraAbierta:
        instalarAspecto();
        escritorio.mensaje(nullptr,
                           QStringLiteral("KORVA 4 ya está abierto en esta carpeta.\n%1\n\n"
                                          "Use la ventana que ya está abierta (búsquela en la barra de "
                                          "tareas): dos copias en la misma carpeta guardarían los atletas "
                                          "una encima de la otra.")
                               .arg(nativa));
        return 1;
    case UnaCopia::Estado::SinCerrojo:
        instalarAspecto();
        escritorio.mensaje(nullptr,
                           QStringLiteral("KORVA 4 no puede asegurarse de ser la única copia abierta en la "
                                          "carpeta\n%1\nMotivo: %2\n\n"
                                          "Para no arriesgar los atletas guardados, no se abre. Ábralo "
                                          "desde el menú del escritorio, que usa su carpeta «KORVA 4» de "
                                          "Documentos, o desde una carpeta suya en la que pueda escribir.")
                               .arg(nativa, cerrojo.razon()));
        return 1;
    }
    Programa programa(escritorio, carpeta);
    // A folder removed and made again while the program runs is locked again before a
    // write, or the write is refused while another copy runs there.
    programa.pantallas().vigilarEscritura([&cerrojo] { return cerrojo.confirmar(); });
    programa.iniciar();
    return QApplication::exec();
}

}  // namespace korva
