#include "pantallas/base/conjunto_pantallas.h"

#include "pantallas/base/escritorio.h"

namespace korva {

ConjuntoPantallas::ConjuntoPantallas(Escritorio &escritorio, Fabrica fabrica, QString carpeta)
    : m_escritorio(escritorio), m_carpeta(std::move(carpeta)), m_fabrica(std::move(fabrica))
{}

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

void ConjuntoPantallas::terminar(Pantalla *yaPreguntada)
{
    for (const QPointer<Pantalla> &p : m_ranuras)
        if (p && p != yaPreguntada && !p->puedeTerminar())
            return;
    m_escritorio.terminar();
}

}  // namespace korva
