#include "equipo/ventana_equipo.h"

#include "equipo/delegado_texto.h"
#include "equipo/exportar.h"
#include "equipo/grafica_grados.h"
#include "equipo/hojas_del_equipo.h"
#include "nucleo/evaluaciones/evaluaciones.h"
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
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTableWidget>
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

VentanaEquipo::VentanaEquipo(const QString &carpeta, QWidget *padre) : QMainWindow(padre)
{
    setObjectName(QStringLiteral("EQUIPO"));
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
    auto *hojas = new QPushButton(QStringLiteral("Hojas de evaluación"), central);
    hojas->setObjectName(QStringLiteral("cmdHojas"));
    auto *menuHojas = new QMenu(hojas);
    auto *releer = new QPushButton(QStringLiteral("Volver a leer"), central);
    releer->setObjectName(QStringLiteral("cmdReleer"));
    releer->setToolTip(QStringLiteral("Lee otra vez los archivos, con lo que se haya guardado desde entonces"));
    connect(csv, &QPushButton::clicked, this, &VentanaEquipo::preguntarCsv);
    connect(previa, &QPushButton::clicked, this, &VentanaEquipo::vistaPrevia);
    connect(imprimirBoton, &QPushButton::clicked, this, &VentanaEquipo::imprimir);
    connect(releer, &QPushButton::clicked, this, &VentanaEquipo::leer);
    for (QPushButton *b : {hoja, csv, previa, imprimirBoton, hojas, releer})
        barra->addWidget(b);
    barra->addStretch();
    columna->addLayout(barra);
    m_carpetaEtiqueta = new QLabel(central);
    m_carpetaEtiqueta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    columna->addWidget(m_carpetaEtiqueta);

    // Each tab's page is filled when it is first looked at: the program opens on one.
    m_pestanasWidget = new QTabWidget(central);
    for (std::size_t i = 0; i < DefArchivos.size(); ++i)
        m_pestanasWidget->addTab(new QWidget(m_pestanasWidget), QString::fromUtf8(DefArchivos[i].titulo));
    columna->addWidget(m_pestanasWidget, 1);
    connect(m_pestanasWidget, &QTabWidget::currentChanged, this, [this](int i) { leida(i); });
    setCentralWidget(central);

    // The menus hold everything the buttons do, with the desktop's shortcuts.
    QMenu *archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->addAction(QStringLiteral("&Abrir otra carpeta…"), QKeySequence::Open, this, &VentanaEquipo::preguntarCarpeta);
    m_recientes = archivo->addMenu(QStringLiteral("Carpetas &recientes"));
    archivo->addAction(QStringLiteral("&Volver a leer"), QKeySequence::Refresh, this, &VentanaEquipo::leer);
    archivo->addSeparator();
    archivo->addAction(QStringLiteral("Exportar esta pestaña a hoja de cálculo…"), this, [this] { preguntarHoja(false); });
    archivo->addAction(QStringLiteral("Exportar las cinco pestañas a hoja de cálculo…"), QKeySequence::SaveAs, this,
                       [this] { preguntarHoja(true); });
    archivo->addAction(QStringLiteral("Exportar CSV…"), this, &VentanaEquipo::preguntarCsv);
    archivo->addSeparator();
    archivo->addAction(QStringLiteral("Vista previa del informe…"), this, &VentanaEquipo::vistaPrevia);
    archivo->addAction(QStringLiteral("&Imprimir el informe…"), QKeySequence::Print, this, &VentanaEquipo::imprimir);
    archivo->addSeparator();
    archivo->addAction(QStringLiteral("&Salir"), QKeySequence::Quit, this, &QWidget::close);
    QMenu *evaluaciones = menuBar()->addMenu(QStringLiteral("&Evaluaciones"));
    evaluaciones->addAction(QStringLiteral("&Guardar evaluación…"), QKeySequence::Save, this,
                            &VentanaEquipo::preguntarGuardarEvaluacion);
    evaluaciones->addAction(QStringLiteral("&Comparar con…"), this, &VentanaEquipo::preguntarComparacion);
    evaluaciones->addSeparator();
    evaluaciones->addAction(QStringLiteral("&Nueva evaluación…"), this, &VentanaEquipo::preguntarNuevaEvaluacion);
    evaluaciones->addAction(QStringLiteral("&Importar atletas…"), this, &VentanaEquipo::preguntarImportacion);
    QMenu *menuDeHojas = menuBar()->addMenu(QStringLiteral("&Hojas de evaluación"));
    for (QMenu *m : {menuDeHojas, menuHojas}) {
        m->addAction(QStringLiteral("Imprimir las hojas…"), this, &VentanaEquipo::imprimirHojas);
        m->addAction(QStringLiteral("Vista previa de las hojas…"), this, &VentanaEquipo::vistaPreviaHojas);
        m->addAction(QStringLiteral("Guardar las hojas en PDF…"), this, &VentanaEquipo::preguntarCarpetaPdf);
    }
    hojas->setMenu(menuHojas);
    statusBar();

    abrirCarpeta(carpeta);
    ajustarAPantalla();
}

void VentanaEquipo::ajustarAPantalla()
{
    // Within the screen's free area (without the desktop's panels), with room for the title
    // bar the window manager adds.
    QSize tamano(1280, 760);
    if (const QScreen *s = screen()) {
        const QRect libre = s->availableGeometry();
        tamano = tamano.boundedTo(libre.size() - QSize(16, 40));
    }
    resize(tamano.expandedTo(minimumSizeHint()));
}

QString VentanaEquipo::carpeta() const
{
    return m_carpeta;
}

void VentanaEquipo::abrirCarpeta(const QString &carpeta)
{
    m_carpeta = QDir(carpeta).absolutePath();
    const QString nombre = QFileInfo(m_carpeta).fileName().isEmpty() ? QDir::toNativeSeparators(m_carpeta)
                                                                     : QFileInfo(m_carpeta).fileName();
    setWindowTitle(QStringLiteral("%1 — KORVA 4 Informe del equipo").arg(nombre));
    m_carpetaEtiqueta->setText(QStringLiteral("Carpeta de registros: %1").arg(QDir::toNativeSeparators(m_carpeta)));
    recordarCarpeta();
    m_comparadaCon.clear();
    leer();
    // It opens on the first tab that has athletes.
    for (int i = 0; i < int(m_pestanas.size()); ++i)
        if (!equipo(i).atletas.empty()) {
            abrirPestana(i);
            break;
        }
}

void VentanaEquipo::recordarCarpeta()
{
    QSettings ajustes(QStringLiteral("KORVA 4"), QStringLiteral("korva4-equipo"));
    QStringList recientes = ajustes.value(QStringLiteral("carpetasRecientes")).toStringList();
    recientes.removeAll(m_carpeta);
    recientes.prepend(m_carpeta);
    while (recientes.size() > 6)
        recientes.removeLast();
    ajustes.setValue(QStringLiteral("carpetasRecientes"), recientes);
    m_recientes->clear();
    for (const QString &c : recientes.mid(1))
        m_recientes->addAction(QDir::toNativeSeparators(c), this, [this, c] { abrirCarpeta(c); });
    m_recientes->setEnabled(recientes.size() > 1);
}

void VentanaEquipo::preguntarCarpeta()
{
    const QString c = QFileDialog::getExistingDirectory(this, QStringLiteral("Abrir la carpeta de otro equipo"), m_carpeta);
    if (!c.isEmpty())
        abrirCarpeta(c);
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
    p.resumen->setWordWrap(true);
    p.grafica = new GraficaGrados(caja);
    auto *leyenda = new QLabel(LeyendaGrados, caja);
    leyenda->setWordWrap(true);
    auto *derecha = new QVBoxLayout;
    derecha->addWidget(p.grafica, 1);
    derecha->addWidget(leyenda);
    pie->addWidget(p.resumen, 1);
    pie->addLayout(derecha, 1);
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
        QStringList lineas = textoResumen(e, r);
        std::optional<Comparacion> comparacion;
        if (!m_comparadaCon.isEmpty()) {
            comparacion = compararConGuardada(m_carpeta, m_comparadaCon, e);
            lineas << textoCambiosMedios(*comparacion, e);
            p.grafica->ponerResumen(r, resumir(comparacion->antes));
        } else {
            p.grafica->ponerResumen(r);
        }
        p.resumen->setText(lineas.join(QLatin1Char('\n')));
        p.modelo->ponerEquipo(std::move(e), std::move(comparacion));
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
    std::vector<const Comparacion *> comparaciones;
    for (int i = 0; i < int(m_pestanas.size()); ++i)
        if (todas || i == pestanaAbierta()) {
            equipos.push_back(&equipo(i));
            comparaciones.push_back(comparacion(i));
        }
    return exportarXlsx(ruta, equipos, comparaciones);
}

Resultado VentanaEquipo::exportarCsv(const QString &ruta)
{
    return korva::exportarCsv(ruta, equipo(pestanaAbierta()), QLocale(), comparacion(pestanaAbierta()));
}

const Comparacion *VentanaEquipo::comparacion(int pestana)
{
    const std::optional<Comparacion> &c = leida(pestana).modelo->comparacion();
    return c ? &*c : nullptr;
}

Equipo VentanaEquipo::equipoEnOrden(int pestana)
{
    Pestana &p = leida(pestana);
    Equipo e = p.modelo->equipo();
    e.atletas.clear();
    for (int fila = 0; fila < p.orden->rowCount(); ++fila) {
        const std::size_t n = std::size_t(p.orden->mapToSource(p.orden->index(fila, 0)).row());
        if (n < p.modelo->equipo().atletas.size())  // not an athlete who is no longer there
            e.atletas.push_back(p.modelo->equipo().atletas[n]);
    }
    return e;
}

TablaEquipo VentanaEquipo::tablaEnOrden(int pestana)
{
    Pestana &p = leida(pestana);
    TablaEquipo t = p.modelo->tabla();
    t.filas.clear();
    for (int fila = 0; fila < p.orden->rowCount(); ++fila)
        t.filas.push_back(p.modelo->tabla().filas[std::size_t(p.orden->mapToSource(p.orden->index(fila, 0)).row())]);
    return t;
}

int VentanaEquipo::imprimirEn(QPrinter &impresora)
{
    const int i = pestanaAbierta();
    return pintarInforme(impresora, equipo(i), tablaEnOrden(i), comparacion(i));
}

void VentanaEquipo::compararCon(const QString &evaluacion)
{
    m_comparadaCon = evaluacion;
    leer();
    statusBar()->showMessage(evaluacion.isEmpty() ? QStringLiteral("Sin comparación.")
                                                  : QStringLiteral("Comparado con la evaluación «%1».").arg(evaluacion));
}

void VentanaEquipo::preguntarComparacion()
{
    const QStringList guardadas = evaluacionesGuardadas(m_carpeta);
    if (guardadas.isEmpty()) {
        decir(QStringLiteral("Todavía no hay evaluaciones guardadas en esta carpeta.\n\n"
                             "Use «Guardar evaluación…» al terminar de evaluar al equipo."));
        return;
    }
    const QString ninguna = QStringLiteral("(sin comparación)");
    bool ok = false;
    const QString elegida = QInputDialog::getItem(this, QStringLiteral("Comparar con una evaluación guardada"),
                                                  QStringLiteral("Evaluación:"), QStringList{guardadas} << ninguna, 0,
                                                  false, &ok);
    if (ok)
        compararCon(elegida == ninguna ? QString() : elegida);
}

void VentanaEquipo::preguntarGuardarEvaluacion()
{
    bool ok = false;
    const QString etiqueta = QInputDialog::getText(
        this, QStringLiteral("Guardar evaluación"),
        QStringLiteral("Se guardará una copia de los cinco archivos de hoy.\nNombre (opcional), por ejemplo «Fin de "
                       "trimestre»:"),
        QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return;
    const ResultadoDe<QString> r = guardarEvaluacion(m_carpeta, etiqueta);
    if (!r) {
        decir(QStringLiteral("No se guardó la evaluación.\nMotivo: %1").arg(r.razon()));
        return;
    }
    statusBar()->showMessage(QStringLiteral("Evaluación guardada en «%1».").arg(QDir::toNativeSeparators(r.valor())));
}

void VentanaEquipo::preguntarNuevaEvaluacion()
{
    bool ok = false;
    const QString etiqueta = QInputDialog::getText(
        this, QStringLiteral("Nueva evaluación"),
        QStringLiteral("Se guardará la evaluación actual y luego se borrarán los resultados de las pruebas de todos "
                       "los atletas de las cinco pestañas; sus nombres y edades se quedan.\n\nNombre de la "
                       "evaluación que se guarda (opcional):"),
        QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return;
    const ResultadoDe<QString> r = nuevaEvaluacion(m_carpeta, etiqueta);
    if (!r) {
        decir(QStringLiteral("No se empezó una nueva evaluación.\nMotivo: %1").arg(r.razon()));
        return;
    }
    leer();
    decir(QStringLiteral("Nueva evaluación lista: los atletas siguen, sus pruebas están en blanco.\n\nLa evaluación "
                         "anterior quedó guardada en «%1»; puede compararla con «Comparar con…».")
              .arg(QDir::toNativeSeparators(r.valor())));
}

void VentanaEquipo::preguntarImportacion()
{
    const int i = pestanaAbierta();
    const DefArchivo &archivo = DefArchivos[std::size_t(i)];
    QMessageBox origen(QMessageBox::Question, QStringLiteral("Importar atletas"),
                       QStringLiteral("¿De dónde vienen los atletas de «%1»?\n\nCopie en la hoja de cálculo la "
                                      "columna de los nombres (y la de las edades al lado, si la tiene) y elija "
                                      "«Pegar», o elija un archivo CSV o de texto.")
                           .arg(QString::fromUtf8(archivo.titulo)),
                       QMessageBox::Cancel, this);
    QPushButton *pegar = origen.addButton(QStringLiteral("Pegar"), QMessageBox::AcceptRole);
    QPushButton *deArchivo = origen.addButton(QStringLiteral("Desde un archivo…"), QMessageBox::AcceptRole);
    origen.exec();
    QString texto;
    if (origen.clickedButton() == pegar) {
        texto = QGuiApplication::clipboard()->text();
    } else if (origen.clickedButton() == deArchivo) {
        const QString ruta = QFileDialog::getOpenFileName(this, QStringLiteral("Importar atletas"), m_carpeta,
                                                          QStringLiteral("Listas de atletas (*.csv *.txt);;Todos (*)"));
        if (ruta.isEmpty())
            return;
        QFile f(ruta);
        if (!f.open(QIODevice::ReadOnly)) {
            decir(QStringLiteral("No se pudo leer «%1».").arg(QDir::toNativeSeparators(ruta)));
            return;
        }
        texto = textoDeLista(f.readAll());
    } else {
        return;
    }
    const std::vector<AtletaImportado> lista = leerLista(texto);
    if (lista.empty()) {
        decir(QStringLiteral("No se encontró ningún nombre que importar."));
        return;
    }
    if (const ResultadoDe<int> r = importarConVistaPrevia(archivo, lista); r && r.valor() > 0) {
        leer();
        statusBar()->showMessage(QStringLiteral("%1 atletas importados en «%2».").arg(r.valor()).arg(QString::fromUtf8(archivo.titulo)));
    } else if (!r) {
        decir(QStringLiteral("No se importaron los atletas.\nMotivo: %1").arg(r.razon()));
    }
}

ResultadoDe<int> VentanaEquipo::importarConVistaPrevia(const DefArchivo &archivo, const std::vector<AtletaImportado> &lista)
{
    using R = ResultadoDe<int>;
    const ResultadoDe<PlanDeImportacion> plan = planearImportacion(m_carpeta, archivo, lista);
    if (!plan)
        return R::falla(plan);
    const PlanDeImportacion &p = plan.valor();
    QDialog dialogo(this);
    dialogo.setWindowTitle(QStringLiteral("Importar atletas: %1").arg(QString::fromUtf8(archivo.titulo)));
    auto *v = new QVBoxLayout(&dialogo);
    auto *tabla = new QTableWidget(int(p.filas.size()), 4, &dialogo);
    tabla->setHorizontalHeaderLabels({QStringLiteral("Nombre"), QStringLiteral("Edad"), QStringLiteral("Registro"),
                                      QStringLiteral("Nota")});
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
                            &dialogo));
    v->addWidget(tabla);
    auto *botones = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialogo);
    if (p.cabe() && p.aImportar > 0)
        botones->addButton(QStringLiteral("Importar"), QDialogButtonBox::AcceptRole);
    connect(botones, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    v->addWidget(botones);
    dialogo.resize(640, 480);
    if (dialogo.exec() != QDialog::Accepted)
        return R::exito(0);
    return importarAtletas(m_carpeta, archivo, lista);
}

int VentanaEquipo::imprimirHojasEn(QPrinter &impresora)
{
    std::vector<Hoja> hojas = hojasDelEquipo(equipoEnOrden(pestanaAbierta()));
    // the pages the dialog asked for
    if (impresora.printRange() == QPrinter::PageRange && impresora.fromPage() > 0) {
        const int desde = impresora.fromPage(), hasta = qMin(impresora.toPage(), int(hojas.size()));
        hojas = std::vector<Hoja>(hojas.begin() + qMin(desde - 1, int(hojas.size())), hojas.begin() + qMax(hasta, desde - 1));
    }
    prepararImpresora(impresora);
    return !hojas.empty() && pintarHojas(impresora, hojas) ? int(hojas.size()) : 0;
}

void VentanaEquipo::imprimirHojas()
{
    if (equipo(pestanaAbierta()).atletas.empty()) {
        decir(QStringLiteral("No hay atletas guardados en esta pestaña: no hay hojas que imprimir."));
        return;
    }
    QPrinter impresora(QPrinter::ScreenResolution);
    impresora.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialogo(&impresora, this);
    dialogo.setWindowTitle(QStringLiteral("Imprimir las hojas de evaluación"));
    dialogo.setMinMax(1, int(equipo(pestanaAbierta()).atletas.size()));
    dialogo.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    const int hojas = imprimirHojasEn(impresora);
    if (hojas == 0)
        decir(QStringLiteral("No se imprimieron las hojas.\nMotivo: la impresora «%1» no aceptó el trabajo.")
                  .arg(impresora.printerName()));
    else
        statusBar()->showMessage(QStringLiteral("%1 hojas enviadas a «%2».").arg(hojas).arg(impresora.printerName()), 10000);
}

void VentanaEquipo::vistaPreviaHojas()
{
    QPrinter impresora(QPrinter::ScreenResolution);
    impresora.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dialogo(&impresora, this);
    dialogo.setWindowTitle(QStringLiteral("Vista previa de las hojas de evaluación"));
    connect(&dialogo, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *p) { imprimirHojasEn(*p); });
    dialogo.exec();
}

Resultado VentanaEquipo::guardarHojas(const QString &carpeta)
{
    const ResultadoDe<int> r = guardarHojasEnPdf(equipoEnOrden(pestanaAbierta()), carpeta);
    if (!r)
        return Resultado::falla(r);
    statusBar()->showMessage(
        QStringLiteral("%1 hojas guardadas en «%2».").arg(r.valor()).arg(QDir::toNativeSeparators(carpeta)));
    return Resultado::exito();
}

void VentanaEquipo::preguntarCarpetaPdf()
{
    if (equipo(pestanaAbierta()).atletas.empty()) {
        decir(QStringLiteral("No hay atletas guardados en esta pestaña: no hay hojas que guardar."));
        return;
    }
    const QString c = QFileDialog::getExistingDirectory(this, QStringLiteral("Guardar las hojas en PDF en la carpeta"),
                                                        m_carpeta);
    if (c.isEmpty())
        return;
    if (const Resultado r = guardarHojas(c); !r)
        decir(QStringLiteral("No se pudieron guardar las hojas en «%1».\nMotivo: %2")
                  .arg(QDir::toNativeSeparators(c), r.razon()));
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
    if (r)
        statusBar()->showMessage(QStringLiteral("Guardado en «%1».").arg(QDir::toNativeSeparators(ruta)));
    else
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
    if (r)
        statusBar()->showMessage(QStringLiteral("Guardado en «%1».").arg(QDir::toNativeSeparators(ruta)));
    else
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
