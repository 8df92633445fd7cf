#include "equipo/ventana_equipo.h"

#include "equipo/delegado_texto.h"
#include "equipo/exportar.h"
#include "equipo/grafica_grados.h"
#include "equipo/impresion.h"

#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace korva {

namespace {

std::unique_ptr<QPrinter> nuevaImpresora()
{
    auto impresora = std::make_unique<QPrinter>(QPrinter::HighResolution);
    impresora->setPageOrientation(QPageLayout::Landscape);  // the table is wide
    impresora->setColorMode(QPrinter::Color);               // the chart's colours
    impresora->setDocName(QStringLiteral("KORVA 4 Informe del equipo"));
    return impresora;
}

}  // namespace

VentanaEquipo::VentanaEquipo(const QString &carpeta, QWidget *padre)
    : QMainWindow(padre), m_carpeta(QDir(carpeta).absolutePath())
{
    setObjectName(QStringLiteral("EQUIPO"));
    setWindowTitle(QStringLiteral("KORVA 4 Informe del equipo"));
    setWindowIcon(QIcon(QStringLiteral(":/korva4/icono.png")));

    auto *central = new QWidget(this);
    auto *columna = new QVBoxLayout(central);
    auto *barra = new QHBoxLayout;
    auto *hoja = new QPushButton(QStringLiteral("Exportar a hoja de cálculo"), central);
    hoja->setObjectName(QStringLiteral("cmdExportarHoja"));
    auto *menu = new QMenu(hoja);
    menu->addAction(QStringLiteral("Esta pestaña…"), this, [this] { preguntarHoja(false); });
    menu->addAction(QStringLiteral("Las cinco pestañas…"), this, [this] { preguntarHoja(true); });
    hoja->setMenu(menu);
    auto *csv = new QPushButton(QStringLiteral("Exportar CSV…"), central);
    csv->setObjectName(QStringLiteral("cmdExportarCsv"));
    auto *previa = new QPushButton(QStringLiteral("Vista previa…"), central);
    previa->setObjectName(QStringLiteral("cmdVistaPrevia"));
    auto *imprimirBoton = new QPushButton(QStringLiteral("Imprimir…"), central);
    imprimirBoton->setObjectName(QStringLiteral("cmdImprimir"));
    auto *releer = new QPushButton(QStringLiteral("Volver a leer"), central);
    releer->setObjectName(QStringLiteral("cmdReleer"));
    releer->setToolTip(QStringLiteral("Lee otra vez los archivos, con lo que se haya guardado desde entonces"));
    connect(csv, &QPushButton::clicked, this, &VentanaEquipo::preguntarCsv);
    connect(previa, &QPushButton::clicked, this, &VentanaEquipo::vistaPrevia);
    connect(imprimirBoton, &QPushButton::clicked, this, &VentanaEquipo::imprimir);
    connect(releer, &QPushButton::clicked, this, &VentanaEquipo::leer);
    for (QPushButton *b : {hoja, csv, previa, imprimirBoton, releer})
        barra->addWidget(b);
    barra->addStretch();
    columna->addLayout(barra);
    auto *carpetaEtiqueta = new QLabel(QStringLiteral("Carpeta de registros: %1").arg(QDir::toNativeSeparators(m_carpeta)),
                                       central);
    columna->addWidget(carpetaEtiqueta);

    // Each tab's page is filled when it is first looked at: the program opens on one.
    m_pestanasWidget = new QTabWidget(central);
    for (std::size_t i = 0; i < DefArchivos.size(); ++i)
        m_pestanasWidget->addTab(new QWidget(m_pestanasWidget), QString::fromUtf8(DefArchivos[i].titulo));
    columna->addWidget(m_pestanasWidget, 1);
    connect(m_pestanasWidget, &QTabWidget::currentChanged, this, [this](int i) { leida(i); });
    setCentralWidget(central);
    resize(1280, 760);
    leer();
}

void VentanaEquipo::leer()
{
    for (Pestana &p : m_pestanas)
        p.leida = false;
    leida(pestanaAbierta());
}

void VentanaEquipo::llenar(int i)
{
    Pestana &p = m_pestanas[std::size_t(i)];
    QWidget *pagina = m_pestanasWidget->widget(i);
    auto *v = new QVBoxLayout(pagina);
    p.aviso = new QLabel(pagina);
    p.aviso->setWordWrap(true);
    p.modelo = new ModeloEquipo(pagina);
    p.orden = new OrdenEquipo(pagina);
    p.orden->setSourceModel(p.modelo);
    p.orden->setSortRole(ModeloEquipo::RolOrden);
    p.tabla = new QTableView(pagina);
    p.tabla->setModel(p.orden);
    p.tabla->setItemDelegate(new DelegadoTexto(p.tabla));
    p.tabla->setSortingEnabled(true);
    p.tabla->sortByColumn(0, Qt::AscendingOrder);
    p.tabla->setAlternatingRowColors(true);
    p.tabla->setShowGrid(false);  // the rows alternate their colour instead
    p.tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    p.tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    p.tabla->verticalHeader()->hide();
    p.tabla->verticalHeader()->setDefaultSectionSize(p.tabla->fontMetrics().height() + 8);
    auto *caja = new QGroupBox(QStringLiteral("Resumen del equipo"), pagina);
    auto *pie = new QHBoxLayout(caja);
    p.resumen = new QLabel(caja);
    p.resumen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    p.grafica = new GraficaGrados(caja);
    pie->addWidget(p.resumen, 1);
    pie->addWidget(p.grafica, 1);
    v->addWidget(p.aviso);
    v->addWidget(p.tabla, 1);
    caja->setMaximumHeight(230);
    v->addWidget(caja);
}

VentanaEquipo::Pestana &VentanaEquipo::leida(int i)
{
    Pestana &p = m_pestanas[std::size_t(i)];
    if (!p.tabla)
        llenar(i);
    if (!p.leida) {
        p.leida = true;
        Equipo e = leerEquipo(m_carpeta, DefArchivos[std::size_t(i)]);
        const QString ruta = QDir::toNativeSeparators(e.ruta);
        switch (e.estado) {
        case Equipo::Estado::Leido:
            p.aviso->setText(e.atletas.empty() ? QStringLiteral("No hay atletas guardados en «%1».").arg(ruta)
                                               : QString());
            break;
        case Equipo::Estado::SinArchivo:
            p.aviso->setText(QStringLiteral("Todavía no hay atletas: no existe el archivo «%1».").arg(ruta));
            break;
        case Equipo::Estado::Ilegible:
            p.aviso->setText(QStringLiteral("No se pudo leer el archivo «%1».\nMotivo: %2").arg(ruta, e.razon));
            break;
        }
        p.aviso->setVisible(!p.aviso->text().isEmpty());
        const Resumen r = resumir(e);
        p.resumen->setText(textoResumen(e, r).join(QLatin1Char('\n')));
        p.grafica->ponerResumen(r);
        p.modelo->ponerEquipo(std::move(e));
        // Widths from the texts themselves: asking the view to measure every cell costs
        // more than reading and scoring the file.
        const std::vector<int> anchos = p.modelo->anchos(p.tabla->fontMetrics());
        const int margen = p.tabla->fontMetrics().averageCharWidth() * 3;
        for (std::size_t c = 0; c < anchos.size(); ++c)
            p.tabla->setColumnWidth(int(c), anchos[c] + margen);
    }
    return p;
}

const Equipo &VentanaEquipo::equipo(int pestana)
{
    return leida(pestana).modelo->equipo();
}

QTableView *VentanaEquipo::tabla(int pestana)
{
    return leida(pestana).tabla;
}

int VentanaEquipo::pestanaAbierta() const
{
    return m_pestanasWidget->currentIndex();
}

void VentanaEquipo::abrirPestana(int i)
{
    m_pestanasWidget->setCurrentIndex(i);
}

QString VentanaEquipo::aviso(int pestana)
{
    return leida(pestana).aviso->text();
}

Resultado VentanaEquipo::exportarHoja(const QString &ruta, bool todas)
{
    std::vector<const Equipo *> equipos;
    for (int i = 0; i < int(m_pestanas.size()); ++i)
        if (todas || i == pestanaAbierta())
            equipos.push_back(&equipo(i));
    return exportarXlsx(ruta, equipos);
}

Resultado VentanaEquipo::exportarCsv(const QString &ruta)
{
    return korva::exportarCsv(ruta, equipo(pestanaAbierta()));
}

int VentanaEquipo::imprimirEn(QPrinter &impresora)
{
    return pintarInforme(impresora, equipo(pestanaAbierta()));
}

QString VentanaEquipo::nombrePropuesto(const QString &extension, bool todas) const
{
    const QString base = todas ? QStringLiteral("equipo")
                               : QStringLiteral("equipo-")
            + QFileInfo(QString::fromLatin1(DefArchivos[std::size_t(pestanaAbierta())].archivo)).completeBaseName();
    return QDir(m_carpeta).filePath(base + extension);
}

void VentanaEquipo::decir(const QString &texto)
{
    QMessageBox caja(QMessageBox::NoIcon, QStringLiteral("KORVA 4"), texto, QMessageBox::Ok, this);
    caja.exec();
}

void VentanaEquipo::preguntarHoja(bool todas)
{
    const QString ruta = QFileDialog::getSaveFileName(this, QStringLiteral("Exportar a hoja de cálculo"),
                                                      nombrePropuesto(QStringLiteral(".xlsx"), todas),
                                                      QStringLiteral("Hoja de cálculo (*.xlsx)"));
    if (ruta.isEmpty())
        return;
    const Resultado r = exportarHoja(ruta, todas);
    if (!r)
        decir(QStringLiteral("No se pudo guardar la hoja de cálculo «%1».\nMotivo: %2\n\n"
                             "Los registros no cambiaron; puede intentarlo en otra carpeta.")
                  .arg(QDir::toNativeSeparators(ruta), r.razon()));
}

void VentanaEquipo::preguntarCsv()
{
    const QString ruta = QFileDialog::getSaveFileName(this, QStringLiteral("Exportar CSV"),
                                                      nombrePropuesto(QStringLiteral(".csv"), false),
                                                      QStringLiteral("Texto separado (*.csv)"));
    if (ruta.isEmpty())
        return;
    const Resultado r = exportarCsv(ruta);
    if (!r)
        decir(QStringLiteral("No se pudo guardar el archivo «%1».\nMotivo: %2\n\n"
                             "Los registros no cambiaron; puede intentarlo en otra carpeta.")
                  .arg(QDir::toNativeSeparators(ruta), r.razon()));
}

void VentanaEquipo::vistaPrevia()
{
    const std::unique_ptr<QPrinter> impresora = nuevaImpresora();
    QPrintPreviewDialog dialogo(impresora.get(), this);
    dialogo.setWindowTitle(QStringLiteral("Vista previa del informe"));
    connect(&dialogo, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *p) { imprimirEn(*p); });
    dialogo.exec();
}

void VentanaEquipo::imprimir()
{
    const std::unique_ptr<QPrinter> impresora = nuevaImpresora();
    QPrintDialog dialogo(impresora.get(), this);
    dialogo.setWindowTitle(QStringLiteral("Imprimir el informe"));
    if (dialogo.exec() != QDialog::Accepted)
        return;
    if (imprimirEn(*impresora) == 0)
        decir(QStringLiteral("No se imprimió el informe.\nMotivo: la impresora «%1» no aceptó el trabajo.")
                  .arg(impresora->printerName()));
}

}  // namespace korva
