#include "pantallas/aspecto/aspecto.h"

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
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
    QApplication::setStyle(new EstiloKorva);
    QApplication::setFont(fuente({}));
    instalarTraducciones();
}

void instalarTraducciones()
{
    static bool hecho = false;
    if (hecho)
        return;
    hecho = true;
    auto *qt = new QTranslator(QCoreApplication::instance());
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

}  // namespace korva
