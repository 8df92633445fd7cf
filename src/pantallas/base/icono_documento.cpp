#include "pantallas/base/icono_documento.h"

#include "nucleo/comun/archivos_del_sistema.h"

#include "pantallas/aspecto/aspecto.h"
#include "pantallas/base/escritorio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>

namespace korva {

namespace {

// The copies handed to the editor live in a temporary folder of this run. The folder stays
// when the program ends: the editor starts on its own and may read its copy only later, and
// the coach may still have it open. The system's temporary folder is cleaned in its time.
QTemporaryDir &carpetaDeCopias()
{
    static QTemporaryDir carpeta = [] {
        QTemporaryDir c(QDir::tempPath() + QStringLiteral("/korva4-XXXXXX"));
        c.setAutoRemove(false);
        return c;
    }();
    return carpeta;
}

// A fresh copy of the stored document in a folder of its own, so that an editor that still
// holds an earlier copy is never disturbed. Carries the copy's path.
ResultadoDe<QString> copiarDocumento(const QString &recurso)
{
    using R = ResultadoDe<QString>;
    QTemporaryDir &carpeta = carpetaDeCopias();
    if (!carpeta.isValid())
        return R::falla(QStringLiteral("No se pudo crear una carpeta temporal para el documento."));
    static int numero = 0;
    const QString sub = QString::number(++numero);
    if (!QDir(carpeta.path()).mkpath(sub))
        return R::falla(QStringLiteral("No se pudo crear la carpeta temporal %1.").arg(carpeta.filePath(sub)));
    const QString ruta = QDir(carpeta.filePath(sub)).filePath(QFileInfo(recurso).fileName());
    QFile origen(recurso);  // compiled into the program: it always opens
    if (!origen.open(QIODevice::ReadOnly))
        return R::falla(QStringLiteral("No se encontró el documento %1.").arg(recurso));
    if (const Resultado r = escribirArchivoEntero(ruta, origen.readAll()); !r)
        return R::falla(r);
    return R::exito(ruta);
}

}  // namespace

IconoDocumento::IconoDocumento(const QString &recurso, Escritorio &escritorio, QWidget *padre)
    : QWidget(padre), m_recurso(recurso), m_escritorio(escritorio)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Doble clic para abrir el documento"));
}

void IconoDocumento::abrir()
{
    const ResultadoDe<QString> copia = copiarDocumento(m_recurso);
    const Resultado r = copia ? m_escritorio.abrirDocumento(copia.valor()) : Resultado::falla(copia);
    if (!r)
        m_escritorio.mensaje(window(),
                             QStringLiteral("No se pudo abrir el documento «%1».\nMotivo: %2")
                                 .arg(QFileInfo(m_recurso).completeBaseName(), r.razon()));
}

void IconoDocumento::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int alto = qMin(height() - 20, 46), ancho = alto * 36 / 46;
    const QRectF hoja((width() - ancho) / 2.0, 3, ancho, alto);
    const double doblez = ancho * 0.3;
    QPainterPath contorno;
    contorno.moveTo(hoja.topLeft());
    contorno.lineTo(hoja.right() - doblez, hoja.top());
    contorno.lineTo(hoja.right(), hoja.top() + doblez);
    contorno.lineTo(hoja.bottomRight());
    contorno.lineTo(hoja.bottomLeft());
    contorno.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPath(contorno);
    p.setBrush(QColor(210, 210, 210));
    p.drawPolygon(QPolygonF{{hoja.right() - doblez, hoja.top()},
                            {hoja.right() - doblez, hoja.top() + doblez},
                            {hoja.right(), hoja.top() + doblez}});
    p.fillRect(QRectF(hoja.left() + 4, hoja.top() + doblez + 2, ancho * 0.45, 7), QColor(40, 80, 170));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (double y = hoja.top() + doblez + 13; y < hoja.bottom() - 4; y += 5)
        p.drawLine(QPointF(hoja.left() + 4, y), QPointF(hoja.right() - 4, y));
    p.setFont(fuente({8.25}));
    p.setPen(Qt::black);
    const QRect texto(0, int(hoja.bottom()) + 2, width(), height() - int(hoja.bottom()) - 2);
    p.drawText(texto, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Documento"));
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void IconoDocumento::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        abrir();
}

void IconoDocumento::keyPressEvent(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        abrir();
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}

void IconoDocumento::focusInEvent(QFocusEvent *e)
{
    QWidget::focusInEvent(e);
    update();
}

void IconoDocumento::focusOutEvent(QFocusEvent *e)
{
    QWidget::focusOutEvent(e);
    update();
}

}  // namespace korva
