#include "equipo/estacion/dialogo_elegir_prueba.h"

#include "nucleo/calificacion/pruebas.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korva {

DialogoElegirPrueba::DialogoElegirPrueba(int pestana, QWidget *padre) : QDialog(padre)
{
    setWindowTitle(QStringLiteral("Tomar una prueba"));
    auto *v = new QVBoxLayout(this);
    auto *texto = new QLabel(QStringLiteral("Una prueba para todos los atletas de una pestaña, como en una estación: "
                                            "escriba el valor de cada uno y pulse Intro para pasar al siguiente."),
                             this);
    texto->setWordWrap(true);
    v->addWidget(texto);
    auto *formulario = new QFormLayout;
    m_pestana = new QComboBox(this);
    for (const DefArchivo &d : DefArchivos)
        m_pestana->addItem(QString::fromUtf8(d.titulo));
    m_pestana->setCurrentIndex(qBound(0, pestana, int(DefArchivos.size()) - 1));
    m_prueba = new QComboBox(this);
    m_forma = new QLabel(this);
    m_forma->setWordWrap(true);
    formulario->addRow(QStringLiteral("&Pestaña:"), m_pestana);
    formulario->addRow(QStringLiteral("P&rueba:"), m_prueba);
    formulario->addRow(QStringLiteral("Se escribe:"), m_forma);
    v->addLayout(formulario);
    auto *botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botones->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Tomar la prueba"));
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(botones);
    connect(m_pestana, &QComboBox::currentIndexChanged, this, &DialogoElegirPrueba::llenarPruebas);
    connect(m_prueba, &QComboBox::currentIndexChanged, this, [this](int i) {
        const auto &pruebas = pruebasDe(DefArchivos[std::size_t(m_pestana->currentIndex())]);
        m_forma->setText(i >= 0 && i < int(pruebas.size()) ? QString::fromUtf8(pruebas[std::size_t(i)].ayuda)
                                                           : QString());
    });
    llenarPruebas();
    setMinimumWidth(440);
}

void DialogoElegirPrueba::llenarPruebas()
{
    m_prueba->clear();
    for (const DefPrueba &p : pruebasDe(DefArchivos[std::size_t(m_pestana->currentIndex())]))
        m_prueba->addItem(QString::fromUtf8(p.titulo));
}

int DialogoElegirPrueba::pestana() const
{
    return m_pestana->currentIndex();
}

int DialogoElegirPrueba::prueba() const
{
    return m_prueba->currentIndex();
}

}  // namespace korva
