#include "pantallas/base/pantalla.h"

#include "pantallas/base/conjunto_pantallas.h"
#include "pantallas/base/escritorio.h"

#include <QIcon>

namespace korva {

QString nombrePantalla(IdPantalla id)
{
    static const char *const nombres[] = {"INICIO", "MENU",   "SECRETO", "METODOLOGIA", "formas",
                                          "NIVEL1", "NIVEL2", "NIVEL3",  "nivel4",      "fundamento"};
    return QString::fromLatin1(nombres[int(id)]);
}

bool abreMaximizada(IdPantalla id)
{
    switch (id) {
    case IdPantalla::NIVEL1:
    case IdPantalla::NIVEL2:
    case IdPantalla::NIVEL3:
    case IdPantalla::nivel4:
    case IdPantalla::fundamento:
        return true;
    case IdPantalla::INICIO:
    case IdPantalla::MENU:
    case IdPantalla::SECRETO:
    case IdPantalla::METODOLOGIA:
    case IdPantalla::formas:
        return false;
    }
    return false;
}

Pantalla::Pantalla(ConjuntoPantallas &conjunto, IdPantalla id) : QWidget(nullptr), m_conjunto(conjunto), m_id(id)
{
    setObjectName(nombrePantalla(id));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/korva4/icono.png")));
}

Escritorio &Pantalla::escritorio() const
{
    return m_conjunto.escritorio();
}

void Pantalla::mostrar(IdPantalla id) const
{
    m_conjunto.mostrar(id);
}

void Pantalla::avisar(const QString &texto)
{
    escritorio().mensaje(this, texto);
}

void Pantalla::construir(const std::vector<DefLinea> &lineas, const std::vector<DefControl> &controles)
{
    m_controles = construirFormulario(this, lineas, controles, &escritorio());
}

void Pantalla::alPulsar(const char *nombre, std::function<void()> accion) const
{
    korva::alPulsar(m_controles, nombre, std::move(accion));
}

}  // namespace korva
