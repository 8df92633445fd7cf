#include "equipo/estacion/rejilla_de_prueba.h"

#include "equipo/estacion/delegado_de_valor.h"
#include "equipo/estacion/dialogo_elegir_prueba.h"
#include "nucleo/escritura/importacion.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

namespace korva {

namespace {

enum Columna { ColNumero, ColNombre, ColEdad, ColAntes, ColValor, ColResultado, Columnas };

const QColor Ambar(255, 224, 160);
const QColor Rojo(170, 0, 0);
const QColor Gris(90, 90, 90);

// One taken value, undone and redone over the whole grid.
class CambioDeValor : public QUndoCommand
{
public:
    CambioDeValor(RejillaDePrueba &rejilla, int fila, QString antes, QString despues, QUndoCommand *padre = nullptr)
        : QUndoCommand(padre), m_rejilla(rejilla), m_fila(fila), m_antes(std::move(antes)),
          m_despues(std::move(despues))
    {}
    void undo() override { m_rejilla.ponerValor(m_fila, m_antes); }
    void redo() override { m_rejilla.ponerValor(m_fila, m_despues); }

private:
    RejillaDePrueba &m_rejilla;
    int m_fila;
    QString m_antes, m_despues;
};

}  // namespace

RejillaDePrueba::RejillaDePrueba(TomaDePrueba toma, const QString &soloLectura, QWidget *padre)
    : QDialog(padre), m_toma(std::move(toma)), m_soloLectura(!soloLectura.isEmpty())
{
    const QString prueba = QString::fromUtf8(m_toma.prueba().titulo);
    setWindowTitle(QStringLiteral("%1: %2").arg(prueba, QString::fromUtf8(m_toma.archivo().titulo)));
    auto *v = new QVBoxLayout(this);
    auto *forma = new QLabel(QStringLiteral("<b>%1</b> — %2. Escriba el valor y pulse Intro para pasar al siguiente; "
                                            "en blanco: no la hizo.")
                                 .arg(prueba.toHtmlEscaped(), QString::fromUtf8(m_toma.prueba().ayuda).toHtmlEscaped()),
                             this);
    forma->setWordWrap(true);
    v->addWidget(forma);
    if (m_soloLectura) {
        auto *aviso = new QLabel(QStringLiteral("Sólo se puede mirar: %1.").arg(soloLectura), this);
        aviso->setWordWrap(true);
        aviso->setStyleSheet(QStringLiteral("color: #aa0000; font-weight: bold"));
        v->addWidget(aviso);
    }
    const auto &filas = m_toma.filas();
    m_tabla = new QTableWidget(int(filas.size()), Columnas, this);
    m_tabla->setHorizontalHeaderLabels({QStringLiteral("Nº"), QStringLiteral("Nombre"), QStringLiteral("Edad"),
                                        m_toma.evaluacionAntes().isEmpty()
                                            ? QStringLiteral("Antes")
                                            : QStringLiteral("Antes (%1)").arg(m_toma.evaluacionAntes()),
                                        prueba, QStringLiteral("Resultado")});
    m_tabla->verticalHeader()->hide();
    m_tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabla->setEditTriggers(m_soloLectura ? QAbstractItemView::NoEditTriggers
                                           : QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                                     | QAbstractItemView::EditKeyPressed);
    m_tabla->setItemDelegateForColumn(ColValor,
                                      new DelegadoDeValor([this](int f, const QString &t) { return tomar(f, t); },
                                                          [this](int f, const QString &t) { mostrarFila(f, t); },
                                                          [this](int f, int paso) { moverse(f, paso); }, this));
    for (int f = 0; f < int(filas.size()); ++f) {
        const TomaDePrueba::Fila &fila = filas[std::size_t(f)];
        const QStringList textos{
            QString::number(fila.numero), fila.nombre, fila.edad, fila.antes, fila.valor, QString()};
        for (int c = 0; c < Columnas; ++c) {
            auto *item = new QTableWidgetItem(textos[c]);
            item->setFlags(c == ColValor && !m_soloLectura ? item->flags() | Qt::ItemIsEditable
                                                           : item->flags() & ~Qt::ItemIsEditable);
            if (c != ColNombre)
                item->setTextAlignment(Qt::AlignCenter);
            m_tabla->setItem(f, c, item);
        }
        m_valores.push_back(fila.valor);
        m_guardados.push_back(fila.valor);
        mostrarFila(f, fila.valor);
    }
    m_tabla->resizeColumnsToContents();
    m_tabla->setColumnWidth(ColValor, qMax(m_tabla->columnWidth(ColValor), 110));
    m_tabla->setColumnWidth(ColResultado, qMax(m_tabla->columnWidth(ColResultado), 120));
    m_tabla->horizontalHeader()->setSectionResizeMode(ColNombre, QHeaderView::Stretch);
    m_tabla->installEventFilter(this);
    v->addWidget(m_tabla, 1);
    m_mensaje = new QLabel(this);
    m_mensaje->setWordWrap(true);
    m_mensaje->setMinimumHeight(fontMetrics().height() * 2 + 4);
    v->addWidget(m_mensaje);

    m_deshacer = new QUndoStack(this);
    QAction *atras = m_deshacer->createUndoAction(this, QStringLiteral("&Deshacer"));
    atras->setShortcut(QKeySequence::Undo);
    QAction *adelante = m_deshacer->createRedoAction(this, QStringLiteral("&Rehacer"));
    adelante->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
    addActions({atras, adelante});
    auto *botones = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_guardar = botones->addButton(QStringLiteral("&Guardar"), QDialogButtonBox::AcceptRole);
    m_guardar->setShortcut(QKeySequence::Save);
    m_guardar->setToolTip(QStringLiteral("Guarda los valores cambiados (Ctrl+S)"));
    m_guardar->setEnabled(false);
    m_guardar->setAutoDefault(false);
    connect(m_guardar, &QPushButton::clicked, this, [this] {
        if (const ResultadoDe<int> r = guardar(); !r)
            QMessageBox::warning(this, QStringLiteral("KORVA 4"),
                                 QStringLiteral("No se guardaron los valores.\nMotivo: %1").arg(r.razon()));
    });
    connect(botones, &QDialogButtonBox::rejected, this, &RejillaDePrueba::reject);
    connect(m_deshacer, &QUndoStack::cleanChanged, this,
            [this] { m_guardar->setEnabled(!m_soloLectura && hayCambios()); });
    v->addWidget(botones);
    decir(m_soloLectura ? QString() : QStringLiteral("Pegar (Ctrl+V) llena la columna desde la fila elegida."), Gris);
    m_tabla->setCurrentCell(0, ColValor);
    m_tabla->setFocus();
    QSize tamano(qMax(640, m_tabla->horizontalHeader()->length() + 60), 640);
    if (const QScreen *s = screen())
        tamano = tamano.boundedTo(s->availableGeometry().size() - QSize(40, 80));
    resize(tamano);
}

RejillaDePrueba::~RejillaDePrueba()
{
    // the undo stack and the table go after the values they would still ask about
    disconnect(m_deshacer, nullptr, this, nullptr);
    m_tabla->setItemDelegateForColumn(ColValor, nullptr);
}

int RejillaDePrueba::tomarUnaPrueba(const QString &carpeta, int pestana, QWidget *padre)
{
    DialogoElegirPrueba elegir(pestana, padre);
    if (elegir.exec() != QDialog::Accepted)
        return -1;
    const ResultadoDe<TomaDePrueba> toma = TomaDePrueba::abrir(carpeta, elegir.pestana(), elegir.prueba());
    if (!toma) {
        QMessageBox::warning(padre, QStringLiteral("KORVA 4"),
                             QStringLiteral("No se puede tomar la prueba.\nMotivo: %1").arg(toma.razon()));
        return -1;
    }
    const ::korva::Resultado libre = carpetaLibre(carpeta, 0);
    RejillaDePrueba rejilla(toma.valor(), libre ? QString() : libre.razon(), padre);
    QTimer::singleShot(0, &rejilla, [&rejilla] { rejilla.ofrecerRecuperacion(); });
    rejilla.exec();
    return elegir.pestana();
}

void RejillaDePrueba::decir(const QString &texto, const QColor &color)
{
    m_mensaje->setText(texto);
    QPalette p = m_mensaje->palette();
    p.setColor(QPalette::WindowText, color);
    m_mensaje->setPalette(p);
}

QString RejillaDePrueba::mensaje() const
{
    return m_mensaje->text();
}

void RejillaDePrueba::mostrarFila(int fila, const QString &texto)
{
    const std::size_t f = std::size_t(fila);
    const LecturaDeValor lectura = leerValor(m_toma.prueba(), texto);
    m_tabla->item(fila, ColResultado)->setText(lectura.valida ? m_toma.resultadoCon(f, texto).enTexto() : QString());
    const QStringList avisos = lectura.valida && lectura.numero ? m_toma.avisos(f, *lectura.numero) : QStringList();
    QTableWidgetItem *celda = m_tabla->item(fila, ColValor);
    celda->setBackground(avisos.isEmpty() ? QBrush() : QBrush(Ambar));
    celda->setToolTip(avisos.join(QLatin1Char('\n')));
}

bool RejillaDePrueba::tomar(int fila, const QString &texto)
{
    if (m_soloLectura || fila < 0 || fila >= m_tabla->rowCount())
        return false;
    const LecturaDeValor lectura = valorParaGuardar(m_toma.prueba(), texto);
    const QString valor = lectura.texto;
    const QString &nombre = m_toma.filas()[std::size_t(fila)].nombre;
    if (!lectura.valida) {
        decir(QStringLiteral("%1: no se tomó. %2").arg(nombre, lectura.razon), Rojo);
        mostrarFila(fila, m_valores[std::size_t(fila)]);
        return false;
    }
    if (valor != m_valores[std::size_t(fila)])
        m_deshacer->push(new CambioDeValor(*this, fila, m_valores[std::size_t(fila)], valor));
    const QStringList avisos = lectura.numero ? m_toma.avisos(std::size_t(fila), *lectura.numero) : QStringList();
    if (!avisos.isEmpty())
        decir(QStringLiteral("%1: ¿seguro? %2. Se guarda igual; corríjalo si fue un error.")
                  .arg(nombre, avisos.join(QStringLiteral("; "))),
              QColor(150, 80, 0));
    else
        decir(valor.isEmpty() ? QStringLiteral("%1: no la hizo (en blanco).").arg(nombre) : QString(), Gris);
    return true;
}

void RejillaDePrueba::ponerValor(int fila, const QString &valor)
{
    m_valores[std::size_t(fila)] = valor;
    m_tabla->item(fila, ColValor)->setText(valor);
    mostrarFila(fila, valor);
    m_guardar->setEnabled(!m_soloLectura && hayCambios());
    // kept beside the record files at every value, for a crash or a power cut
    if (const ::korva::Resultado r = m_toma.guardarRecuperacion(sinGuardar()); !r)
        decir(QStringLiteral("No se pudo guardar la copia de seguridad de los valores: %1").arg(r.razon()), Rojo);
}

QString RejillaDePrueba::valor(int fila) const
{
    return m_valores[std::size_t(fila)];
}

QString RejillaDePrueba::resultado(int fila) const
{
    return m_tabla->item(fila, ColResultado)->text();
}

void RejillaDePrueba::moverse(int fila, int paso)
{
    const int destino = qBound(0, fila + paso, m_tabla->rowCount() - 1);
    m_tabla->setCurrentCell(destino, ColValor);
}

std::map<int, QString> RejillaDePrueba::sinGuardar() const
{
    std::map<int, QString> cambios;
    for (std::size_t f = 0; f < m_valores.size(); ++f)
        if (m_valores[f] != m_guardados[f])
            cambios[m_toma.filas()[f].numero] = m_valores[f];
    return cambios;
}

bool RejillaDePrueba::hayCambios() const
{
    return !sinGuardar().empty();
}

ResultadoDe<int> RejillaDePrueba::guardar()
{
    const ResultadoDe<int> r = m_toma.guardar(sinGuardar());
    if (!r)
        return r;
    m_guardados = m_valores;
    m_toma.quitarRecuperacion();
    m_deshacer->setClean();
    m_guardar->setEnabled(false);
    decir(QStringLiteral("Guardados %1 valores de «%2».")
              .arg(QString::number(r.valor()), QString::fromUtf8(m_toma.prueba().titulo)),
          Gris);
    return r;
}

bool RejillaDePrueba::ofrecerRecuperacion()
{
    QDateTime cuando;
    const std::map<int, QString> guardados = m_toma.leerRecuperacion(&cuando);
    if (guardados.empty() || m_soloLectura)
        return false;
    QMessageBox pregunta(
        QMessageBox::Question, QStringLiteral("KORVA 4"),
        QStringLiteral("Hay %1 valores de «%2» escritos el %3 que no se guardaron (el programa se "
                       "cerró antes).\n\n¿Recuperarlos?")
            .arg(QString::number(guardados.size()), QString::fromUtf8(m_toma.prueba().titulo),
                 QLocale(QLocale::Spanish).toString(cuando, QStringLiteral("d 'de' MMMM 'a las' HH:mm"))),
        QMessageBox::NoButton, this);
    QPushButton *recuperar = pregunta.addButton(QStringLiteral("Recuperar"), QMessageBox::AcceptRole);
    pregunta.addButton(QStringLiteral("Descartar"), QMessageBox::DestructiveRole);
    pregunta.setDefaultButton(recuperar);
    pregunta.exec();
    if (pregunta.clickedButton() != recuperar) {
        m_toma.quitarRecuperacion();
        return false;
    }
    auto *todos = new QUndoCommand(QStringLiteral("Recuperar"));
    for (int f = 0; f < m_tabla->rowCount(); ++f)
        if (const auto it = guardados.find(m_toma.filas()[std::size_t(f)].numero); it != guardados.end())
            new CambioDeValor(*this, f, m_valores[std::size_t(f)], it->second, todos);
    m_deshacer->push(todos);
    return true;
}

bool RejillaDePrueba::pegar(const QString &texto)
{
    QStringList lineas = texto.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    while (!lineas.isEmpty() && lineas.last().trimmed().isEmpty())
        lineas.removeLast();
    const int desde = qMax(0, m_tabla->currentRow());
    if (m_soloLectura || lineas.isEmpty())
        return false;
    if (desde + lineas.size() > m_tabla->rowCount()) {
        decir(QStringLiteral("No se pegó: son %1 valores y desde esta fila sólo hay %2 atletas.")
                  .arg(QString::number(lineas.size()), QString::number(m_tabla->rowCount() - desde)),
              Rojo);
        return false;
    }
    auto *todos = new QUndoCommand(QStringLiteral("Pegar"));
    for (int i = 0; i < lineas.size(); ++i) {
        const LecturaDeValor l = valorParaGuardar(m_toma.prueba(), lineas[i].section(QLatin1Char('\t'), 0, 0));
        if (!l.valida) {
            delete todos;
            decir(QStringLiteral("No se pegó nada: en la línea %1, %2").arg(QString::number(i + 1), l.razon), Rojo);
            return false;
        }
        new CambioDeValor(*this, desde + i, m_valores[std::size_t(desde + i)], l.texto, todos);
    }
    m_deshacer->push(todos);
    decir(QStringLiteral("Pegados %1 valores, de %2 a %3.")
              .arg(QString::number(lineas.size()), m_toma.filas()[std::size_t(desde)].nombre,
                   m_toma.filas()[std::size_t(desde + lineas.size() - 1)].nombre),
          Gris);
    return true;
}

bool RejillaDePrueba::eventFilter(QObject *objeto, QEvent *evento)
{
    // Outside the editor: Enter moves down as in a spreadsheet, Delete leaves "not done",
    // Ctrl+V pastes a column.
    // (while a value is typed, the keys go to its editor, not to the table)
    if (objeto == m_tabla && evento->type() == QEvent::KeyPress) {
        const auto *tecla = static_cast<QKeyEvent *>(evento);
        const int fila = m_tabla->currentRow();
        if (tecla->matches(QKeySequence::Paste)) {
            pegar(QApplication::clipboard()->text());
            return true;
        }
        if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
            moverse(fila, tecla->modifiers() & Qt::ShiftModifier ? -1 : 1);
            return true;
        }
        if ((tecla->key() == Qt::Key_Delete || tecla->key() == Qt::Key_Backspace) && fila >= 0) {
            tomar(fila, QString());
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

bool RejillaDePrueba::puedeCerrar()
{
    if (!hayCambios())
        return true;
    QMessageBox pregunta(QMessageBox::Question, QStringLiteral("KORVA 4"),
                         QStringLiteral("¿Guardar los valores de «%1»?").arg(QString::fromUtf8(m_toma.prueba().titulo)),
                         QMessageBox::NoButton, this);
    QPushButton *si = pregunta.addButton(QStringLiteral("Guardar"), QMessageBox::AcceptRole);
    QPushButton *no = pregunta.addButton(QStringLiteral("Descartar"), QMessageBox::DestructiveRole);
    pregunta.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    pregunta.setDefaultButton(si);
    pregunta.exec();
    if (pregunta.clickedButton() == si) {
        const ResultadoDe<int> r = guardar();
        if (!r)
            QMessageBox::warning(this, QStringLiteral("KORVA 4"),
                                 QStringLiteral("No se guardaron los valores.\nMotivo: %1\n\nLos valores siguen en la "
                                                "tabla.")
                                     .arg(r.razon()));
        return r.ok();
    }
    if (pregunta.clickedButton() == no) {
        m_toma.quitarRecuperacion();
        return true;
    }
    return false;
}

void RejillaDePrueba::reject()
{
    // Esc, "Cerrar" and the window's close box all come here
    if (puedeCerrar())
        QDialog::reject();
}

}  // namespace korva
