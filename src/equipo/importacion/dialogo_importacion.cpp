#include "equipo/importacion/dialogo_importacion.h"

#include "equipo/comun/dialogo_de_archivos.h"
#include "nucleo/comun/archivos_del_sistema.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korva {

namespace {

enum Columna { Incluir, Nombre, Edad, Pestana, Registro, Fundamentos, Nota, Columnas };

QString titulo(int pestana)
{
    return QString::fromUtf8(DefArchivos[std::size_t(pestana)].titulo);
}

// Sentences of their own: each with a capital letter.
QStringList conMayuscula(QStringList frases)
{
    for (QString &f : frases)
        if (!f.isEmpty())
            f[0] = f[0].toUpper();
    return frases;
}

}  // namespace

DialogoImportacion::DialogoImportacion(const QString &carpeta, int pestana, const ListaDeAtletas &lista, Releer releer,
                                       QWidget *padre)
    : QDialog(padre), m_lista(lista), m_releer(std::move(releer))
{
    m_destino.archivo = pestana;
    if (const auto archivos = leerLosCincoArchivos(carpeta); archivos)
        m_archivos = archivos.valor();
    else
        m_razonDeLectura = archivos.razon();
    m_destino.conFundamentos = pestana < 0;
    setWindowTitle(pestana < 0 ? QStringLiteral("Importar la plantilla")
                               : QStringLiteral("Importar atletas: %1").arg(titulo(pestana)));
    auto *v = new QVBoxLayout(this);
    auto *arriba = new QHBoxLayout;
    if (m_lista.hojas.size() > 1) {
        // first, the sheets that name their names' column, together (a book that KORVA
        // exported holds the squad in several); then each sheet alone
        auto *etiqueta = new QLabel(QStringLiteral("&Hoja del libro:"), this);
        m_hoja = new QComboBox(this);
        m_hoja->addItem(QStringLiteral("Las hojas con nombres"));
        m_hoja->addItems(m_lista.hojas);
        m_hoja->setCurrentIndex(0);
        etiqueta->setBuddy(m_hoja);
        connect(m_hoja, &QComboBox::currentIndexChanged, this,
                [this](int i) { cambiarHoja(i <= 0 ? QString() : m_hoja->itemText(i)); });
        arriba->addWidget(etiqueta);
        arriba->addWidget(m_hoja);
    }
    if (pestana < 0) {
        m_fundamentos =
            new QCheckBox(QStringLiteral("Poner también a todos en %1").arg(titulo(ArchivoFundamentos)), this);
        m_fundamentos->setChecked(true);
        connect(m_fundamentos, &QCheckBox::toggled, this, [this](bool si) {
            m_destino.conFundamentos = si;
            replanear();
        });
        arriba->addWidget(m_fundamentos);
    }
    arriba->addStretch();
    v->addLayout(arriba);
    m_resumen = new QLabel(this);
    m_resumen->setWordWrap(true);
    v->addWidget(m_resumen);
    m_tabla = new QTableWidget(0, Columnas, this);
    m_tabla->setHorizontalHeaderLabels({QString(), QStringLiteral("Nombre"), QStringLiteral("Edad"),
                                        QStringLiteral("Pestaña"), QStringLiteral("Registro"),
                                        QStringLiteral("En fundamentos"), QStringLiteral("Nota")});
    m_tabla->verticalHeader()->hide();
    m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabla->horizontalHeader()->setStretchLastSection(true);
    m_tabla->setColumnHidden(Fundamentos, pestana >= 0);
    v->addWidget(m_tabla, 1);
    m_fuera = new QLabel(this);
    m_fuera->setWordWrap(true);
    m_fuera->setTextInteractionFlags(Qt::TextSelectableByMouse);
    v->addWidget(m_fuera);
    m_botones = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_botones->addButton(QStringLiteral("&Importar"), QDialogButtonBox::AcceptRole);
    connect(m_botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(m_botones);
    llenarTabla();
    resize(900, 560);
}

void DialogoImportacion::cambiarHoja(const QString &hoja)
{
    const ResultadoDe<ListaDeAtletas> otra = m_releer(hoja);
    if (!otra) {
        QMessageBox::warning(this, QStringLiteral("KORVA 4"),
                             QStringLiteral("No se pudo leer la hoja «%1».\nMotivo: %2").arg(hoja, otra.razon()));
        return;
    }
    m_lista = otra.valor();
    m_destino.asignadas.clear();
    m_destino.quitadas.clear();
    llenarTabla();
}

void DialogoImportacion::llenarTabla()
{
    m_tabla->setRowCount(int(m_lista.atletas.size()));
    const PlanDeImportacion inicial = planDeImportacion(m_archivos, m_lista.atletas, m_destino);
    for (int r = 0; r < int(m_lista.atletas.size()); ++r) {
        auto *incluir = new QTableWidgetItem;
        incluir->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        incluir->setCheckState(Qt::Checked);
        incluir->setToolTip(QStringLiteral("Quite la marca para dejar fuera a este atleta"));
        m_tabla->setItem(r, Incluir, incluir);
        for (int c = Nombre; c < Columnas; ++c)
            if (c != Pestana)
                m_tabla->setItem(r, c, new QTableWidgetItem);
        m_tabla->item(r, Edad)->setText(m_lista.atletas[std::size_t(r)].edad);
        if (m_destino.archivo >= 0) {
            m_tabla->setItem(r, Pestana, new QTableWidgetItem(titulo(m_destino.archivo)));
            continue;
        }
        // the level by age, which the coach may change (or give where there is none)
        auto *nivel = new QComboBox(m_tabla);
        nivel->addItem(QStringLiteral("(sin nivel)"), -1);
        for (int p = 0; p < int(DefArchivos.size()); ++p)
            if (DefArchivos[std::size_t(p)].esDeNivel())
                nivel->addItem(titulo(p), p);
        const int porEdad = r < int(inicial.filas.size()) ? inicial.filas[std::size_t(r)].nivelPorEdad : -1;
        nivel->setCurrentIndex(nivel->findData(porEdad));
        nivel->setAccessibleName(QStringLiteral("Nivel de %1").arg(m_lista.atletas[std::size_t(r)].nombre));
        connect(nivel, &QComboBox::currentIndexChanged, this, [this, r, nivel, porEdad] {
            const int elegido = nivel->currentData().toInt();
            if (elegido == porEdad)
                m_destino.asignadas.erase(r);
            else
                m_destino.asignadas[r] = elegido;
            replanear();
        });
        m_tabla->setCellWidget(r, Pestana, nivel);
    }
    connect(
        m_tabla, &QTableWidget::itemChanged, this,
        [this](QTableWidgetItem *item) {
            if (item->column() != Incluir)
                return;
            auto &q = m_destino.quitadas;
            q.erase(std::remove(q.begin(), q.end(), item->row()), q.end());
            if (item->checkState() != Qt::Checked)
                q.push_back(item->row());
            replanear();
        },
        Qt::UniqueConnection);
    QStringList fuera = m_lista.omitidas + m_lista.avisos;
    m_fuera->setText(fuera.isEmpty() ? QString()
                                     : QStringLiteral("No se importan o se leyeron con cuidado:\n• ")
                             + fuera.join(QStringLiteral("\n• ")));
    m_fuera->setVisible(!fuera.isEmpty());
    replanear();
    m_tabla->resizeColumnsToContents();
    m_tabla->setColumnWidth(Pestana,
                            qMax(m_tabla->columnWidth(Pestana), fontMetrics().horizontalAdvance(titulo(3)) + 40));
}

void DialogoImportacion::replanear()
{
    if (!m_razonDeLectura.isEmpty()) {
        m_resumen->setText(
            QStringLiteral("No se pueden leer los archivos de la carpeta.\nMotivo: %1").arg(m_razonDeLectura));
        permitirImportar(false);
        return;
    }
    // over the files as read when the preview opened: the import reads them again under the lock
    m_plan = planDeImportacion(m_archivos, m_lista.atletas, m_destino);
    const QSignalBlocker quieto(m_tabla);
    for (int r = 0; r < int(m_plan.filas.size()) && r < m_tabla->rowCount(); ++r) {
        const PlanDeImportacion::Fila &f = m_plan.filas[std::size_t(r)];
        m_tabla->item(r, Nombre)->setText(f.guardado);
        QStringList registro, fundamentos;
        for (const PlanDeImportacion::Lugar &l : f.lugares) {
            const QString texto = l.yaEsta ? QStringLiteral("ya está")
                : l.registro               ? QString::number(l.registro)
                                           : QStringLiteral("no cabe");
            (l.archivo == ArchivoFundamentos && m_destino.archivo < 0 ? fundamentos : registro) << texto;
        }
        m_tabla->item(r, Registro)->setText(registro.join(QStringLiteral(", ")));
        m_tabla->item(r, Fundamentos)->setText(fundamentos.join(QStringLiteral(", ")));
        m_tabla->item(r, Nota)->setText(f.nota());
        // a row left out in grey; a note to look at in amber
        const bool fuera = f.quitada || f.sinNivel;
        const bool aviso = f.sinNivel || f.fueraDeEdad || !f.enOtras.isEmpty()
            || std::any_of(f.lugares.begin(), f.lugares.end(), [](const auto &l) { return !l.yaEsta && !l.registro; });
        for (int c = Nombre; c < Columnas; ++c)
            if (QTableWidgetItem *i = m_tabla->item(r, c))
                i->setForeground(c == Nota && aviso ? QColor(160, 70, 0)
                                     : fuera        ? palette().placeholderText().color()
                                                    : palette().text().color());
    }
    QStringList porPestana;
    for (std::size_t p = 0; p < DefArchivos.size(); ++p)
        if (m_plan.aImportar[p] > 0)
            porPestana << QStringLiteral("%1: %2 (quedan %3 libres)")
                              .arg(titulo(int(p)), QString::number(m_plan.aImportar[p]),
                                   QString::number(m_plan.libres[p]));
    const int sinNivel = int(std::count_if(m_plan.filas.begin(), m_plan.filas.end(),
                                           [](const auto &f) { return f.sinNivel && !f.quitada; }));
    QString texto;
    if (const QString hojas = hojasLeidasEnPalabras(m_lista); !hojas.isEmpty())
        texto = hojas.toHtmlEscaped() + QStringLiteral("<br>");
    if (!m_plan.cabe())
        texto +=
            QStringLiteral("<b>No caben todos: no se importará nada</b> hasta que quite atletas de la lista o libere "
                           "registros.<br>")
            + conMayuscula(m_plan.queNoCabe()).join(QStringLiteral(".<br>")).toHtmlEscaped() + QLatin1Char('.');
    else if (m_plan.nuevos() == 0)
        texto += QStringLiteral("No hay ningún atleta nuevo que importar.");
    else
        texto += QStringLiteral("Se importarán %1 registros nuevos. %2.")
                     .arg(QString::number(m_plan.nuevos()), porPestana.join(QStringLiteral("; ")).toHtmlEscaped());
    if (sinNivel > 0)
        texto += QStringLiteral("<br>%1 sin nivel para su edad: elija su nivel en la columna «Pestaña» o se "
                                "dejarán fuera.")
                     .arg(sinNivel);
    m_resumen->setText(texto);
    permitirImportar(m_plan.cabe() && m_plan.nuevos() > 0);
}

void DialogoImportacion::permitirImportar(bool si)
{
    for (QAbstractButton *b : m_botones->buttons())
        if (m_botones->buttonRole(b) == QDialogButtonBox::AcceptRole)
            b->setEnabled(si);
}

ResultadoDe<int> DialogoImportacion::importar(const QString &carpeta, int pestana, QWidget *padre)
{
    using R = ResultadoDe<int>;
    // While KORVA 4 is open in the folder, nothing to ask: it is said at once.
    if (const Resultado libre = carpetaLibre(carpeta); !libre)
        return R::falla(libre);
    const QString donde = pestana < 0 ? QStringLiteral("del equipo") : QStringLiteral("de «%1»").arg(titulo(pestana));
    QMessageBox origen(QMessageBox::Question,
                       pestana < 0 ? QStringLiteral("Importar la plantilla") : QStringLiteral("Importar atletas"),
                       QStringLiteral("¿De dónde vienen los atletas %1?\n\nElija el archivo de la plantilla (.xlsx, "
                                      ".ods, CSV o texto), o copie en la hoja de cálculo la columna de los nombres (y "
                                      "la de las edades o las fechas de nacimiento al lado) y elija «Pegar».")
                           .arg(donde),
                       QMessageBox::Cancel, padre);
    QPushButton *deArchivo = origen.addButton(QStringLiteral("Desde un archivo…"), QMessageBox::AcceptRole);
    QPushButton *pegar = origen.addButton(QStringLiteral("Pegar"), QMessageBox::AcceptRole);
    origen.setDefaultButton(deArchivo);
    origen.exec();
    ListaDeAtletas lista;
    Releer releer = [](const QString &) { return ResultadoDe<ListaDeAtletas>::falla(QString()); };
    if (origen.clickedButton() == pegar) {
        lista = leerLista(QGuiApplication::clipboard()->text());
    } else if (origen.clickedButton() == deArchivo) {
        const QString ruta = DialogoDeArchivos::abrir(
            padre, QStringLiteral("Elegir la plantilla"), carpeta,
            QStringLiteral("Listas de atletas (*.xlsx *.ods *.csv *.txt);;Todos los archivos (*)"));
        if (ruta.isEmpty())
            return R::exito(0);
        const ResultadoDe<ListaDeAtletas> leida = leerArchivoDeLista(ruta);
        if (!leida)
            return R::falla(leida);
        lista = leida.valor();
        releer = [ruta](const QString &hoja) { return leerArchivoDeLista(ruta, hoja); };
    } else {
        return R::exito(0);
    }
    if (lista.atletas.empty())
        return R::falla(lista.omitidas.isEmpty() ? QStringLiteral("no se encontró ningún nombre que importar")
                                                 : QStringLiteral("no se encontró ningún nombre que importar: ")
                                + lista.omitidas.join(QStringLiteral("; ")));
    DialogoImportacion dialogo(carpeta, pestana, lista, releer, padre);
    if (dialogo.exec() != QDialog::Accepted)
        return R::exito(0);
    return importarAtletas(carpeta, dialogo.atletas(), dialogo.destino());
}

}  // namespace korva
