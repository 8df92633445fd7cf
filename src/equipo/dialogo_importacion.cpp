#include "equipo/dialogo_importacion.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korva {

DialogoImportacion::DialogoImportacion(const DefArchivo &archivo, const PlanDeImportacion &p, QWidget *padre)
    : QDialog(padre)
{
    setWindowTitle(QStringLiteral("Importar atletas: %1").arg(QString::fromUtf8(archivo.titulo)));
    auto *v = new QVBoxLayout(this);
    auto *tabla = new QTableWidget(int(p.filas.size()), 4, this);
    tabla->setHorizontalHeaderLabels(
        {QStringLiteral("Nombre"), QStringLiteral("Edad"), QStringLiteral("Registro"), QStringLiteral("Nota")});
    tabla->verticalHeader()->hide();
    tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < int(p.filas.size()); ++r) {
        const PlanDeImportacion::Fila &f = p.filas[std::size_t(r)];
        QString nota;
        if (f.yaEsta)
            nota = QStringLiteral("ya está en el archivo: no se importa");
        else if (f.registro == 0)
            nota = QStringLiteral("no cabe");
        else if (f.cortado)
            nota = QStringLiteral("se guardará como «%1»").arg(f.guardado);
        tabla->setItem(r, 0, new QTableWidgetItem(f.atleta.nombre));
        tabla->setItem(r, 1, new QTableWidgetItem(f.atleta.edad));
        tabla->setItem(r, 2, new QTableWidgetItem(f.registro ? QString::number(f.registro) : QString()));
        tabla->setItem(r, 3, new QTableWidgetItem(nota));
    }
    tabla->resizeColumnsToContents();
    v->addWidget(new QLabel(p.cabe() ? QStringLiteral("Se importarán %1 atletas en los registros libres (%2 libres).")
                                           .arg(p.aImportar)
                                           .arg(p.libres)
                                     : QStringLiteral("La lista tiene %1 atletas nuevos y sólo caben %2: no se "
                                                      "importará ninguno. Quite algunos de la lista o use otra "
                                                      "pestaña.")
                                           .arg(p.aImportar)
                                           .arg(p.libres),
                            this));
    v->addWidget(tabla);
    auto *botones = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    if (p.cabe() && p.aImportar > 0)
        botones->addButton(QStringLiteral("Importar"), QDialogButtonBox::AcceptRole);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(botones);
    resize(640, 480);
}

ResultadoDe<int> DialogoImportacion::importar(const QString &carpeta, const DefArchivo &archivo, QWidget *padre)
{
    using R = ResultadoDe<int>;
    QMessageBox origen(QMessageBox::Question, QStringLiteral("Importar atletas"),
                       QStringLiteral("¿De dónde vienen los atletas de «%1»?\n\nCopie en la hoja de cálculo la "
                                      "columna de los nombres (y la de las edades al lado, si la tiene) y elija "
                                      "«Pegar», o elija un archivo CSV o de texto.")
                           .arg(QString::fromUtf8(archivo.titulo)),
                       QMessageBox::Cancel, padre);
    QPushButton *pegar = origen.addButton(QStringLiteral("Pegar"), QMessageBox::AcceptRole);
    QPushButton *deArchivo = origen.addButton(QStringLiteral("Desde un archivo…"), QMessageBox::AcceptRole);
    origen.exec();
    QString texto;
    if (origen.clickedButton() == pegar) {
        texto = QGuiApplication::clipboard()->text();
    } else if (origen.clickedButton() == deArchivo) {
        const QString ruta = QFileDialog::getOpenFileName(padre, QStringLiteral("Importar atletas"), carpeta,
                                                          QStringLiteral("Listas de atletas (*.csv *.txt);;Todos (*)"));
        if (ruta.isEmpty())
            return R::exito(0);
        const ResultadoDe<QString> leido = leerArchivoDeLista(ruta);
        if (!leido)
            return R::falla(leido);
        texto = leido.valor();
    } else {
        return R::exito(0);
    }
    const std::vector<AtletaImportado> lista = leerLista(texto);
    if (lista.empty())
        return R::falla(QStringLiteral("no se encontró ningún nombre que importar"));
    const ResultadoDe<PlanDeImportacion> plan = planearImportacion(carpeta, archivo, lista);
    if (!plan)
        return R::falla(plan);
    DialogoImportacion dialogo(archivo, plan.valor(), padre);
    if (dialogo.exec() != QDialog::Accepted)
        return R::exito(0);
    return importarAtletas(carpeta, archivo, lista);
}

}  // namespace korva
