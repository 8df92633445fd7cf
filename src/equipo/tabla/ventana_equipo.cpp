#include "equipo/tabla/ventana_equipo.h"

#include "equipo/tabla/dialogo_comparacion.h"
#include "equipo/comun/dialogo_de_archivos.h"
#include "equipo/tabla/dialogo_datos_del_equipo.h"
#include "equipo/tabla/dialogo_evaluacion.h"
#include "equipo/importacion/dialogo_importacion.h"
#include "equipo/exportaciones/exportar.h"
#include "equipo/documentos/informe_impreso.h"
#include "equipo/tabla/menu_de_hojas.h"
#include "equipo/tabla/menu_de_recientes.h"
#include "equipo/tabla/pagina_equipo.h"
#include "equipo/estacion/rejilla_de_prueba.h"
#include "nucleo/evaluaciones/evaluaciones.h"
#include "nucleo/informe/datos_del_equipo.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTime>
#include <QVBoxLayout>

namespace korva {

VentanaEquipo::VentanaEquipo(const QString &carpeta, QWidget *padre) : QMainWindow(padre)
{
    setObjectName(QStringLiteral("EQUIPO"));
    setWindowIcon(QIcon(QStringLiteral(":/korva4/icono.png")));

    auto *central = new QWidget(this);
    auto *columna = new QVBoxLayout(central);
    m_carpetaEtiqueta = new QLabel(central);
    m_carpetaEtiqueta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    columna->addWidget(m_carpetaEtiqueta);
    // Each tab's page is built and filled when it is first looked at: the program opens on one.
    m_pestanasWidget = new QTabWidget(central);
    for (std::size_t i = 0; i < DefArchivos.size(); ++i)
        m_pestanasWidget->addTab(new QWidget(m_pestanasWidget), QString::fromUtf8(DefArchivos[i].titulo));
    columna->addWidget(m_pestanasWidget, 1);
    connect(m_pestanasWidget, &QTabWidget::currentChanged, this, [this](int i) { pagina(i); });
    setCentralWidget(central);
    m_hojas = new MenuDeHojas([this] { return equipoEnOrden(pestanaAbierta()); },
                              [this] { return comparacion(pestanaAbierta()); }, [this] { return m_carpeta; }, this);
    connect(m_hojas, &MenuDeHojas::hecho, this, [this](const QString &t) { statusBar()->showMessage(t, 10000); });
    connect(m_hojas, &MenuDeHojas::falla, this, &VentanaEquipo::decir);
    construirMenus();
    statusBar();

    abrirCarpeta(carpeta);
    ajustarAPantalla();
}

void VentanaEquipo::construirMenus()
{
    // The menus hold everything, with the desktop's shortcuts; the bar above the tabs the
    // actions of every day.
    QMenu *archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->addAction(QStringLiteral("&Abrir otra carpeta…"), QKeySequence::Open, this,
                       &VentanaEquipo::preguntarCarpeta);
    m_recientes = new MenuDeRecientes(this);
    connect(m_recientes, &MenuDeRecientes::elegida, this, &VentanaEquipo::abrirCarpeta);
    archivo->addMenu(m_recientes);
    QAction *releer =
        archivo->addAction(QStringLiteral("&Volver a leer"), QKeySequence::Refresh, this, &VentanaEquipo::leer);
    releer->setToolTip(QStringLiteral("Lee otra vez los archivos, con lo que se haya guardado desde entonces"));
    DialogoDatosDelEquipo::agregarAcciones(
        archivo, [this] { return m_carpeta; },
        [this] { setWindowTitle(QStringLiteral("%1 — KORVA 4 Informe del equipo").arg(nombreDelEquipo(m_carpeta))); });
    archivo->addSeparator();
    auto *libro = new QMenu(QStringLiteral("Exportar a hoja de cálculo"), this);
    libro->addAction(QStringLiteral("Exportar esta pestaña a hoja de cálculo…"), this,
                     [this] { preguntarLibro(false); });
    libro->addAction(QStringLiteral("Exportar las cinco pestañas a hoja de cálculo…"), QKeySequence::SaveAs, this,
                     [this] { preguntarLibro(true); });
    archivo->addActions(libro->actions());
    QAction *csv = archivo->addAction(QStringLiteral("Exportar CSV…"), this, &VentanaEquipo::preguntarCsv);
    archivo->addSeparator();
    QAction *previa =
        archivo->addAction(QStringLiteral("Vista previa del informe…"), this, &VentanaEquipo::vistaPrevia);
    QAction *imprimir = archivo->addAction(QStringLiteral("&Imprimir el informe…"), QKeySequence::Print, this,
                                           &VentanaEquipo::imprimir);
    archivo->addSeparator();
    archivo->addAction(QStringLiteral("&Salir"), QKeySequence::Quit, this, &QWidget::close);
    QMenu *evaluaciones = menuBar()->addMenu(QStringLiteral("&Evaluaciones"));
    evaluaciones->addAction(QStringLiteral("&Guardar evaluación…"), QKeySequence::Save, this,
                            [this] { preguntarEvaluacion(false); });
    evaluaciones->addAction(QStringLiteral("&Comparar con…"), this, &VentanaEquipo::preguntarComparacion);
    QAction *anteriores = evaluaciones->addAction(QStringLiteral("&Mostrar los valores anteriores"));
    anteriores->setCheckable(true);
    connect(anteriores, &QAction::toggled, this, [this](bool si) {
        m_anteriores = si;
        for (const Pestana &p : m_pestanas)
            if (p.pagina)
                p.pagina->mostrarAnteriores(si);
    });
    evaluaciones->addSeparator();
    evaluaciones->addAction(QStringLiteral("&Tomar una prueba…"), QKeySequence(Qt::CTRL | Qt::Key_T), this,
                            &VentanaEquipo::tomarPrueba);
    evaluaciones->addAction(QStringLiteral("&Nueva evaluación…"), this, [this] { preguntarEvaluacion(true); });
    evaluaciones->addAction(QStringLiteral("Importar la &plantilla…"), this, [this] { preguntarImportacion(true); });
    evaluaciones->addAction(QStringLiteral("&Importar atletas en esta pestaña…"), this,
                            [this] { preguntarImportacion(false); });
    menuBar()->addMenu(m_hojas);

    QToolBar *barra = addToolBar(QStringLiteral("Acciones"));
    barra->setObjectName(QStringLiteral("barraAcciones"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
    barra->addAction(libro->menuAction());
    barra->addAction(csv);
    barra->addAction(previa);
    barra->addAction(imprimir);
    barra->addAction(m_hojas->menuAction());
    barra->addAction(releer);
    for (QAction *a : {libro->menuAction(), m_hojas->menuAction()})
        if (auto *boton = qobject_cast<QToolButton *>(barra->widgetForAction(a)))
            boton->setPopupMode(QToolButton::InstantPopup);
}

void VentanaEquipo::ajustarAPantalla()
{
    // Within the screen's free area (without the desktop's panels), its frame and the title
    // bar the window manager adds included, from the area's top.
    const QScreen *s = screen();
    if (!s) {
        resize(QSize(1280, 760).expandedTo(minimumSizeHint()));
        return;
    }
    const QRect libre = s->availableGeometry();
    const QSize marco(16, 48);
    const QSize tamano = QSize(1280, 760).boundedTo(libre.size() - marco).expandedTo(minimumSizeHint());
    resize(tamano);
    move(libre.left() + qMax(0, (libre.width() - tamano.width() - marco.width()) / 2), libre.top());
}

QString VentanaEquipo::carpeta() const
{
    return m_carpeta;
}

void VentanaEquipo::abrirCarpeta(const QString &carpeta)
{
    m_carpeta = QDir(carpeta).absolutePath();
    setWindowTitle(QStringLiteral("%1 — KORVA 4 Informe del equipo").arg(nombreDelEquipo(m_carpeta)));
    m_carpetaEtiqueta->setText(QStringLiteral("Carpeta de registros: %1").arg(QDir::toNativeSeparators(m_carpeta)));
    m_recientes->recordar(m_carpeta);
    m_comparadaCon.clear();
    leer();
    // It opens on the first tab that has athletes.
    for (int i = 0; i < int(m_pestanas.size()); ++i)
        if (!equipo(i).atletas.empty()) {
            abrirPestana(i);
            break;
        }
}

void VentanaEquipo::preguntarCarpeta()
{
    const QString c =
        DialogoDeArchivos::carpetaExistente(this, QStringLiteral("Abrir la carpeta de otro equipo"), m_carpeta);
    if (!c.isEmpty())
        abrirCarpeta(c);
}

void VentanaEquipo::leer()
{
    for (Pestana &p : m_pestanas)
        p.leida = false;
    pagina(pestanaAbierta());
    statusBar()->showMessage(
        QStringLiteral("Archivos leídos de «%1» a las %2.")
            .arg(QDir::toNativeSeparators(m_carpeta), QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
}

PaginaEquipo &VentanaEquipo::pagina(int i)
{
    Pestana &p = m_pestanas[std::size_t(i)];
    if (!p.pagina) {
        // The tab's placeholder gives way to its page.
        p.pagina = new PaginaEquipo;
        p.pagina->mostrarAnteriores(m_anteriores);
        auto *lugar = new QVBoxLayout(m_pestanasWidget->widget(i));
        lugar->setContentsMargins(0, 0, 0, 0);
        lugar->addWidget(p.pagina);
    }
    if (!p.leida) {
        p.leida = true;
        Equipo e = leerEquipo(m_carpeta, DefArchivos[std::size_t(i)]);
        std::optional<Comparacion> comparacion;
        if (!m_comparadaCon.isEmpty())
            comparacion = compararConGuardada(m_carpeta, m_comparadaCon, e);
        p.pagina->ponerEquipo(std::move(e), std::move(comparacion));
    }
    return *p.pagina;
}

const Equipo &VentanaEquipo::equipo(int pestana)
{
    return pagina(pestana).equipo();
}

QTableView *VentanaEquipo::tabla(int pestana)
{
    return pagina(pestana).tabla();
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
    return pagina(pestana).aviso();
}

Resultado VentanaEquipo::exportarLibro(const QString &ruta, bool todas)
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
    return pagina(pestana).comparacion();
}

Equipo VentanaEquipo::equipoEnOrden(int pestana)
{
    return pagina(pestana).equipoEnOrden();
}

TablaEquipo VentanaEquipo::tablaEnOrden(int pestana)
{
    return pagina(pestana).tablaEnOrden();
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
    statusBar()->showMessage(evaluacion.isEmpty()
                                 ? QStringLiteral("Sin comparación.")
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
    DialogoComparacion dialogo(guardadas, m_comparadaCon, this);
    if (dialogo.exec() == QDialog::Accepted)
        compararCon(dialogo.elegida());
}

void VentanaEquipo::preguntarEvaluacion(bool nueva)
{
    const ResultadoDe<QString> r = DialogoEvaluacion::hacer(nueva, m_carpeta, this);
    if (!r)
        decir((nueva ? QStringLiteral("No se empezó una nueva evaluación.\nMotivo: %1")
                     : QStringLiteral("No se guardó la evaluación.\nMotivo: %1"))
                  .arg(r.razon()));
    else if (!nueva && !r.valor().isEmpty())
        statusBar()->showMessage(
            QStringLiteral("Evaluación guardada en «%1».").arg(QDir::toNativeSeparators(r.valor())));
    else if (!r.valor().isEmpty()) {
        leer();
        decir(QStringLiteral("Nueva evaluación lista: los atletas siguen, sus pruebas están en blanco.\n\nLa "
                             "evaluación anterior quedó guardada en «%1»; puede compararla con «Comparar con…».")
                  .arg(QDir::toNativeSeparators(r.valor())));
    }
}

void VentanaEquipo::preguntarImportacion(bool todoElEquipo)
{
    const int pestana = todoElEquipo ? -1 : pestanaAbierta();
    if (const ResultadoDe<int> r = DialogoImportacion::importar(m_carpeta, pestana, this); r && r.valor() > 0) {
        leer();
        statusBar()->showMessage(
            todoElEquipo
                ? QStringLiteral("%1 registros nuevos en las pestañas del equipo.").arg(r.valor())
                : QStringLiteral("%1 atletas importados en «%2».")
                      .arg(QString::number(r.valor()), QString::fromUtf8(DefArchivos[std::size_t(pestana)].titulo)));
    } else if (!r) {
        decir(QStringLiteral("No se importaron los atletas.\nMotivo: %1").arg(r.razon()));
    }
}

void VentanaEquipo::tomarPrueba()
{
    if (const int pestana = RejillaDePrueba::tomarUnaPrueba(m_carpeta, pestanaAbierta(), this); pestana >= 0) {
        abrirPestana(pestana);
        leer();
    }
}

int VentanaEquipo::imprimirHojasEn(QPrinter &impresora)
{
    return m_hojas->imprimirEn(impresora);
}

Resultado VentanaEquipo::guardarHojas(const QString &carpeta)
{
    return m_hojas->guardarEn(carpeta);
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

void VentanaEquipo::preguntarLibro(bool todas)
{
    avisarDeExportacion(DialogoDeArchivos::exportar(
        this, QStringLiteral("Exportar a hoja de cálculo"), nombrePropuesto(QStringLiteral(".xlsx"), todas),
        QStringLiteral("Hoja de cálculo (*.xlsx)"),
        [this, todas](const QString &ruta) { return exportarLibro(ruta, todas); }));
}

void VentanaEquipo::preguntarCsv()
{
    avisarDeExportacion(DialogoDeArchivos::exportar(
        this, QStringLiteral("Exportar CSV"), nombrePropuesto(QStringLiteral(".csv"), false),
        QStringLiteral("Texto separado (*.csv)"), [this](const QString &ruta) { return exportarCsv(ruta); }));
}

void VentanaEquipo::avisarDeExportacion(const ResultadoDe<QString> &r)
{
    if (!r)
        decir(r.razon());
    else if (!r.valor().isEmpty())
        statusBar()->showMessage(QStringLiteral("Guardado en «%1».").arg(QDir::toNativeSeparators(r.valor())));
}

void VentanaEquipo::vistaPrevia()
{
    InformeImpreso::vistaPrevia(this, nombreDeImpresion(), [this](QPrinter &p) { return imprimirEn(p); });
}

void VentanaEquipo::imprimir()
{
    if (const Resultado r =
            InformeImpreso::imprimir(this, nombreDeImpresion(), [this](QPrinter &p) { return imprimirEn(p); });
        !r)
        decir(QStringLiteral("No se imprimió el informe.\nMotivo: %1").arg(r.razon()));
}

QString VentanaEquipo::nombreDeImpresion() const
{
    // also the name a print to a file proposes
    return QStringLiteral("%1 - %2").arg(nombreDelEquipo(m_carpeta),
                                         QString::fromUtf8(DefArchivos[std::size_t(pestanaAbierta())].titulo));
}

}  // namespace korva
