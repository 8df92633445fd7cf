#include "equipo/tabla/dialogo_evaluacion.h"

#include "nucleo/escritura/importacion.h"
#include "nucleo/escritura/nueva_evaluacion.h"
#include "nucleo/evaluaciones/evaluaciones.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korva {

DialogoEvaluacion::DialogoEvaluacion(Tipo tipo, QWidget *padre) : QDialog(padre)
{
    const bool nueva = tipo == Tipo::Nueva;
    setWindowTitle(nueva ? QStringLiteral("Nueva evaluación") : QStringLiteral("Guardar evaluación"));
    auto *v = new QVBoxLayout(this);
    auto *texto = new QLabel(
        nueva ? QStringLiteral("Se guardará la evaluación actual y luego se borrarán los resultados de las pruebas de "
                               "todos los atletas de las cinco pestañas; sus nombres y edades se quedan.\n\nNombre de "
                               "la evaluación que se guarda (opcional):")
              : QStringLiteral("Se guardará una copia de los cinco archivos de hoy.\nNombre (opcional), por ejemplo "
                               "«Fin de trimestre»:"),
        this);
    texto->setWordWrap(true);
    m_etiqueta = new QLineEdit(this);
    m_etiqueta->setMaxLength(LargoDeEtiqueta);
    texto->setBuddy(m_etiqueta);
    auto *botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botones->button(QDialogButtonBox::Ok)->setText(nueva ? QStringLiteral("Empezar") : QStringLiteral("Guardar"));
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(texto);
    v->addWidget(m_etiqueta);
    v->addWidget(botones);
    setMinimumWidth(460);
}

QString DialogoEvaluacion::etiqueta() const
{
    return m_etiqueta->text();
}

ResultadoDe<QString> DialogoEvaluacion::hacer(bool nueva, const QString &carpeta, QWidget *padre)
{
    using R = ResultadoDe<QString>;
    if (nueva)
        if (const Resultado libre = carpetaLibre(carpeta); !libre)
            return R::falla(libre);
    DialogoEvaluacion dialogo(nueva ? Tipo::Nueva : Tipo::Guardar, padre);
    if (dialogo.exec() != QDialog::Accepted)
        return R::exito();
    return nueva ? nuevaEvaluacion(carpeta, dialogo.etiqueta()) : guardarEvaluacion(carpeta, dialogo.etiqueta());
}

}  // namespace korva
