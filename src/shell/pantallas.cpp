#include "pantallas.h"

#include "escritorio.h"

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

ConjuntoPantallas::ConjuntoPantallas(Escritorio &escritorio, Fabrica fabrica, QString carpeta)
    : m_escritorio(escritorio), m_carpeta(std::move(carpeta)), m_fabrica(std::move(fabrica))
{
}

ConjuntoPantallas::~ConjuntoPantallas()
{
    for (auto &r : m_ranuras)
        delete r.data();
}

Pantalla *ConjuntoPantallas::mostrar(IdPantalla id)
{
    QPointer<Pantalla> &ranura = m_ranuras[std::size_t(id)];
    QString falla;
    const bool nueva = !ranura;
    if (nueva) {
        ranura = m_fabrica(*this, id);
        falla = ranura->cargar();
    }
    Pantalla *p = ranura;
    const bool maximizada = abreMaximizada(id);
    if (nueva && maximizada)
        p->showMaximized();
    else if (p->isMinimized())
        p->setWindowState(p->windowState() & ~Qt::WindowMinimized);
    else
        p->show();
    p->raise();
    p->activateWindow();
    if (!falla.isEmpty())
        m_escritorio.mensaje(p, falla);
    return p;
}

Pantalla *ConjuntoPantallas::existente(IdPantalla id) const
{
    return m_ranuras[std::size_t(id)];
}

void ConjuntoPantallas::terminar()
{
    m_escritorio.terminar();
}

}  // namespace korva
