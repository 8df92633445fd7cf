#include "aspecto.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionFocusRect>
#include <QTranslator>

namespace korva {

// The faces the screens were designed in, and the metric-compatible faces that stand for them.
// Asking for the stand-in by name spares the font system a search for a face that is not
// there; the substitutions below serve any other request for the designed faces.
QString caraDisponible(const char *familia)
{
    if (qstrcmp(familia, "MS Sans Serif") == 0)
        return QStringLiteral("Liberation Sans");
    if (qstrcmp(familia, "Courier New") == 0)
        return QStringLiteral("Liberation Mono");
    return QString::fromLatin1(familia);
}

QFont fuente(const Fuente &f)
{
    QFont q(caraDisponible(f.familia));
    q.setPixelSize(qRound(f.puntos * 96.0 / 72.0));
    q.setBold(f.negrita);
    q.setItalic(f.cursiva);
    return q;
}

namespace {

// The desktop's own style, but a password box shows "*" for each character.
class EstiloKorva : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *opcion, const QWidget *widget,
                  QStyleHintReturn *devuelto) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, opcion, widget, devuelto);
    }
};

}  // namespace

void instalarAspecto()
{
    static bool hecho = false;
    if (hecho)
        return;
    hecho = true;
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
    QApplication::setStyle(new EstiloKorva);
    QApplication::setFont(fuente({}));

    auto *qt = new QTranslator(qApp);
    if (qt->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

void ponerFondo(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

BotonPlano::BotonPlano(const QString &texto, const QColor &cara, QWidget *padre)
    : QPushButton(texto, padre), m_cara(cara)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void BotonPlano::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_cara);
    p.setPen(isDown() ? QColor(0, 0, 0) : QColor(64, 64, 64));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (isDown())
        p.drawRect(r.adjusted(1, 1, -2, -2));
    const QRect texto = r.adjusted(3, 2, -3, -2).translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
    p.setFont(font());
    p.setPen(QColor(0, 0, 0));
    p.drawText(texto, Qt::AlignCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QPen punteado(QColor(0, 0, 0), 1, Qt::DotLine);
        p.setPen(punteado);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

Etiqueta::Etiqueta(const QString &texto, QWidget *padre, bool ajustada)
    : QLabel(texto, padre), m_ajustada(ajustada)
{
    setTextFormat(Qt::PlainText);
}

void Etiqueta::fijarGeometria(const QRect &r)
{
    m_disenio = r.size();
    setGeometry(r);
    ajustar();
}

void Etiqueta::ponerTexto(const QString &texto)
{
    setText(texto);
    ajustar();
}

void Etiqueta::ajustar()
{
    if (!m_ajustada)
        return;
    if (text().isEmpty())
        resize(m_disenio);
    else
        resize(sizeHint());
}

Marco::Marco(const QString &titulo, const QColor &fondo, const QFont &fuenteTitulo, QWidget *padre)
    : QWidget(padre), m_titulo(titulo), m_fondo(fondo)
{
    setFont(fuenteTitulo);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Marco::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_fondo);
    const QFontMetrics fm(font());
    const int y = fm.height() / 2;
    const QRect borde = rect().adjusted(0, y, -1, -1);
    // an etched line: dark, with a light line inside it
    p.setPen(QColor(128, 128, 128));
    p.drawRect(borde.adjusted(0, 0, -1, -1));
    p.setPen(QColor(255, 255, 255));
    p.drawRect(borde.adjusted(1, 1, 0, 0));
    if (!m_titulo.isEmpty()) {
        const int ancho = fm.horizontalAdvance(m_titulo) + 4;
        const QRect caja(6, 0, ancho, fm.height());
        p.fillRect(caja, m_fondo);
        p.setPen(QColor(0, 0, 0));
        p.drawText(caja, Qt::AlignCenter, m_titulo);
    }
}

CajaImagen::CajaImagen(const QPixmap &imagen, QWidget *padre) : QWidget(padre), m_imagen(imagen)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CajaImagen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.drawPixmap(Borde, Borde, m_imagen);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(64, 64, 64));
    p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
    p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
    p.setPen(QColor(255, 255, 255));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(QColor(212, 208, 200));
    p.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    p.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
}

}  // namespace korva
