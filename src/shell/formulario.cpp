#include "formulario.h"

#include <QLineEdit>

namespace korva {

QRect rectLinea(const DefLinea &l)
{
    const int medio = l.ancho / 2;
    const int x = qMin(l.x1, l.x2), y = qMin(l.y1, l.y2);
    const int largo = qAbs(l.x2 - l.x1) + qAbs(l.y2 - l.y1);
    if (l.y1 == l.y2)
        return QRect(x - medio, y - medio, largo + l.ancho, l.ancho);
    return QRect(x - medio, y - medio, l.ancho, largo + l.ancho);
}

namespace {

void ponerColorTexto(QWidget *w, const QColor &c)
{
    if (!c.isValid())
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

QWidget *crear(const DefControl &d, QWidget *padre)
{
    switch (d.tipo) {
    case Tipo::Etiqueta: {
        auto *e = new Etiqueta(d.texto, padre, d.banderas & Ajustado);
        e->setFont(fuente(d.letra));
        ponerColorTexto(e, d.color);
        Qt::Alignment a = (d.banderas & Centrado) ? Qt::AlignHCenter : Qt::AlignLeft;
        e->setAlignment(a | Qt::AlignTop);
        // a label of fixed size wraps its caption at blanks, as the designed screens expect
        e->setWordWrap((d.banderas & Partido) || !(d.banderas & Ajustado));
        if (d.banderas & Borde) {
            e->setFrameShape(QFrame::Box);
            e->setLineWidth(1);
            e->setAlignment(a | Qt::AlignVCenter);
        }
        if (d.banderas & Opaco)
            ponerFondo(e, d.fondo);
        e->fijarGeometria(d.geo);
        return e;
    }
    case Tipo::Texto: {
        auto *t = new QLineEdit(padre);
        t->setFont(fuente(d.letra));
        if (d.banderas & Clave)
            t->setEchoMode(QLineEdit::Password);  // "*" for each character: the program's style
        if (d.color.isValid() || d.fondo.isValid()) {
            QPalette p = t->palette();
            if (d.color.isValid())
                p.setColor(QPalette::Text, d.color);
            if (d.fondo.isValid())
                p.setColor(QPalette::Base, d.fondo);
            t->setPalette(p);
        }
        t->setGeometry(d.geo);
        return t;
    }
    case Tipo::Boton: {
        auto *b = new BotonPlano(d.texto, d.color, padre);
        b->setFont(fuente(d.letra));
        b->setGeometry(d.geo);
        return b;
    }
    case Tipo::Imagen: {
        auto *i = new QLabel(padre);
        i->setPixmap(QPixmap(d.texto));
        i->setScaledContents(d.banderas & Estirado);
        i->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (d.banderas & Borde) {
            i->setFrameShape(QFrame::Box);
            i->setLineWidth(1);
        }
        i->setGeometry(d.geo);
        return i;
    }
    case Tipo::Marco: {
        auto *m = new Marco(d.texto, d.color, fuente(d.letra), padre);
        m->setGeometry(d.geo);
        return m;
    }
    case Tipo::CajaImagen: {
        auto *c = new CajaImagen(QPixmap(d.texto), padre);
        c->setGeometry(d.geo);
        return c;
    }
    }
    return nullptr;
}

}  // namespace

QHash<QString, QWidget *> construirFormulario(QWidget *forma, const std::vector<DefLinea> &lineas,
                                              const std::vector<DefControl> &controles)
{
    QHash<QString, QWidget *> hechos;
    for (const DefLinea &l : lineas) {
        auto *w = new QWidget(forma);
        w->setObjectName(QString::fromLatin1(l.nombre));
        ponerFondo(w, l.color);
        w->setGeometry(rectLinea(l));
        hechos.insert(w->objectName(), w);
    }
    for (const DefControl &d : controles) {
        QWidget *padre = d.dentro ? hechos.value(QString::fromLatin1(d.dentro), forma) : forma;
        QWidget *w = crear(d, padre);
        w->setObjectName(QString::fromLatin1(d.nombre));
        if (d.tipo == Tipo::Etiqueta || d.tipo == Tipo::Imagen || d.tipo == Tipo::Marco)
            w->setFocusPolicy(Qt::NoFocus);
        hechos.insert(w->objectName(), w);
    }
    return hechos;
}

void ordenTabulacion(const QHash<QString, QWidget *> &controles, const QStringList &orden)
{
    for (int i = 0; i + 1 < orden.size(); ++i)
        QWidget::setTabOrder(controles.value(orden[i]), controles.value(orden[i + 1]));
}

}  // namespace korva
