#include "equipo/tabla/menu_de_recientes.h"

#include <QDir>
#include <QSettings>

namespace korva {

namespace {

// Where the program keeps them: ~/.config/KORVA 4/korva4-equipo.conf
const QString Organizacion = QStringLiteral("KORVA 4");
const QString Programa = QStringLiteral("korva4-equipo");
const QString Clave = QStringLiteral("carpetasRecientes");

}  // namespace

MenuDeRecientes::MenuDeRecientes(QWidget *padre) : QMenu(QStringLiteral("Carpetas &recientes"), padre)
{
    connect(this, &QMenu::aboutToShow, this, &MenuDeRecientes::llenar);
}

void MenuDeRecientes::recordar(const QString &carpeta)
{
    m_actual = carpeta;
    QSettings guardados(Organizacion, Programa);
    QStringList recientes = guardados.value(Clave).toStringList();
    recientes.removeAll(carpeta);
    recientes.prepend(carpeta);
    while (recientes.size() > 6)
        recientes.removeLast();
    guardados.setValue(Clave, recientes);
}

void MenuDeRecientes::llenar()
{
    clear();
    const QStringList recientes = QSettings(Organizacion, Programa).value(Clave).toStringList();
    for (const QString &c : recientes)
        if (c != m_actual)
            addAction(QDir::toNativeSeparators(c), this, [this, c] { emit elegida(c); });
    if (isEmpty())
        addAction(QStringLiteral("(ninguna otra todavía)"))->setEnabled(false);
}

}  // namespace korva
