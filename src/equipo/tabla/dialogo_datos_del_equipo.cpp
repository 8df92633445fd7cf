#include "equipo/tabla/dialogo_datos_del_equipo.h"

#include "nucleo/informe/datos_del_equipo.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QVBoxLayout>

namespace korva {

DialogoDatosDelEquipo::DialogoDatosDelEquipo(const QString &carpeta, bool entrenador, QWidget *padre) : QDialog(padre)
{
    setWindowTitle(entrenador ? QStringLiteral("Entrenador") : QStringLiteral("Nombre del equipo"));
    const DatosDelEquipo datos = leerDatosDelEquipo(carpeta);
    auto *v = new QVBoxLayout(this);
    auto *texto =
        new QLabel(QStringLiteral("Se guardan con los registros de esta carpeta (en «%1») y salen en el título, "
                                  "el informe impreso, la hoja de cálculo y los informes para las familias.")
                       .arg(ArchivoDatosDelEquipo),
                   this);
    texto->setWordWrap(true);
    v->addWidget(texto);
    auto *formulario = new QFormLayout;
    m_nombre = new QLineEdit(datos.nombre, this);
    m_nombre->setPlaceholderText(QFileInfo(QDir(carpeta).absolutePath()).fileName());
    m_nombre->setMaxLength(80);
    m_entrenador = new QLineEdit(datos.entrenador, this);
    m_entrenador->setMaxLength(80);
    formulario->addRow(QStringLiteral("&Nombre del equipo:"), m_nombre);
    formulario->addRow(QStringLiteral("&Entrenador:"), m_entrenador);
    v->addLayout(formulario);
    auto *botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(botones);
    (entrenador ? m_entrenador : m_nombre)->setFocus();
    setMinimumWidth(460);
}

bool DialogoDatosDelEquipo::editar(const QString &carpeta, bool entrenador, QWidget *padre)
{
    DialogoDatosDelEquipo d(carpeta, entrenador, padre);
    if (d.exec() != QDialog::Accepted)
        return false;
    const Resultado r = guardarDatosDelEquipo(carpeta, {d.m_nombre->text(), d.m_entrenador->text()});
    if (!r)
        QMessageBox::warning(
            padre, QStringLiteral("KORVA 4"),
            QStringLiteral("No se guardaron el nombre del equipo y el del entrenador.\nMotivo: %1").arg(r.razon()));
    return r.ok();
}

void DialogoDatosDelEquipo::agregarAcciones(QMenu *menu, std::function<QString()> carpeta,
                                            std::function<void()> cambiado)
{
    for (const bool entrenador : {false, true})
        menu->addAction(entrenador ? QStringLiteral("&Entrenador…") : QStringLiteral("&Nombre del equipo…"), menu,
                        [menu, carpeta, cambiado, entrenador] {
                            if (editar(carpeta(), entrenador, menu->parentWidget()))
                                cambiado();
                        });
}

}  // namespace korva
