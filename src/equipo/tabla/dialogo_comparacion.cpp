#include "equipo/tabla/dialogo_comparacion.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace korva {

DialogoComparacion::DialogoComparacion(const QStringList &guardadas, const QString &actual, QWidget *padre)
    : QDialog(padre)
{
    setWindowTitle(QStringLiteral("Comparar con una evaluación guardada"));
    auto *v = new QVBoxLayout(this);
    auto *texto = new QLabel(QStringLiteral("Cada pestaña mostrará, junto a los resultados de hoy, los de la "
                                            "evaluación que elija y cuánto cambiaron:"),
                             this);
    texto->setWordWrap(true);
    m_lista = new QListWidget(this);
    m_lista->addItems(guardadas);
    auto *ninguna = new QListWidgetItem(QStringLiteral("(sin comparación)"), m_lista);
    ninguna->setData(Qt::UserRole, true);
    const int i = guardadas.indexOf(actual);
    m_lista->setCurrentRow(i >= 0 ? i : 0);
    texto->setBuddy(m_lista);
    auto *botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_lista, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    v->addWidget(texto);
    v->addWidget(m_lista);
    v->addWidget(botones);
    // wide enough for its title and the longest name
    setMinimumWidth(qMax(440, fontMetrics().horizontalAdvance(windowTitle()) + 160));
}

QString DialogoComparacion::elegida() const
{
    const QListWidgetItem *item = m_lista->currentItem();
    if (!item || item->data(Qt::UserRole).toBool())
        return QString();
    return item->text();
}

}  // namespace korva
