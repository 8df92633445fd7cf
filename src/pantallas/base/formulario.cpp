#include "pantallas/base/formulario.h"

#include "pantallas/base/icono_documento.h"

#include <QAbstractButton>
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

QWidget *crear(const DefControl &d, QWidget *padre, Escritorio *escritorio)
{
    switch (d.tipo) {
    case Tipo::Etiqueta: {
        auto *e = new Etiqueta(d.texto, padre, d.banderas.testFlag(Bandera::Ajustado));
        e->setFont(fuente(d.letra));
        ponerColorTexto(e, d.color);
        Qt::Alignment a = (d.banderas.testFlag(Bandera::Centrado)) ? Qt::AlignHCenter : Qt::AlignLeft;
        e->setAlignment(a | Qt::AlignTop);
        // a label of fixed size wraps its caption at blanks, as the designed screens expect
        e->setWordWrap((d.banderas.testFlag(Bandera::Partido)) || !(d.banderas.testFlag(Bandera::Ajustado)));
        if (d.banderas.testFlag(Bandera::Borde)) {
            e->setFrameShape(QFrame::Box);
            e->setLineWidth(1);
            e->setAlignment(a | Qt::AlignVCenter);
        }
        if (d.banderas.testFlag(Bandera::Opaco))
            ponerFondo(e, d.fondo);
        e->fijarGeometria(d.geo);
        return e;
    }
    case Tipo::Texto: {
        auto *t = new QLineEdit(padre);
        t->setFont(fuente(d.letra));
        t->setAccessibleName(d.texto);
        if (!d.ayuda.isEmpty()) {
            t->setToolTip(d.ayuda);
            t->setAccessibleDescription(d.ayuda);
        }
        if (d.banderas.testFlag(Bandera::Clave))
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
        i->setScaledContents(d.banderas.testFlag(Bandera::Estirado));
        i->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (d.banderas.testFlag(Bandera::Borde)) {
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
    case Tipo::Documento: {
        Q_ASSERT(escritorio);
        auto *i = new IconoDocumento(d.texto, *escritorio, padre);
        i->setGeometry(d.geo);
        return i;
    }
    }
    return nullptr;
}

}  // namespace

Controles construirFormulario(QWidget *forma, const std::vector<DefLinea> &lineas,
                              const std::vector<DefControl> &controles, Escritorio *escritorio)
{
    Controles hechos;
    for (const DefLinea &l : lineas) {
        auto *w = new QWidget(forma);
        w->setObjectName(QString::fromLatin1(l.nombre));
        ponerFondo(w, l.color);
        w->setGeometry(rectLinea(l));
        hechos.insert(w->objectName(), w);
    }
    for (const DefControl &d : controles) {
        QWidget *padre = d.dentro ? hechos.value(QString::fromLatin1(d.dentro), forma) : forma;
        QWidget *w = crear(d, padre, escritorio);
        w->setObjectName(QString::fromLatin1(d.nombre));
        if (d.tipo == Tipo::Etiqueta || d.tipo == Tipo::Imagen || d.tipo == Tipo::Marco)
            w->setFocusPolicy(Qt::NoFocus);
        hechos.insert(w->objectName(), w);
    }
    return hechos;
}

QWidget *buscarControl(const Controles &controles, const char *nombre, const QMetaObject &tipo)
{
    QWidget *w = controles.value(QString::fromLatin1(nombre));
    if (!w)
        qFatal("KORVA 4: el formulario no tiene el control %s", nombre);
    if (!tipo.cast(w))
        qFatal("KORVA 4: el control %s es un %s, no un %s", nombre, w->metaObject()->className(), tipo.className());
    return w;
}

void ordenTabulacion(const Controles &controles, const std::vector<const char *> &orden)
{
    for (std::size_t i = 0; i + 1 < orden.size(); ++i)
        QWidget::setTabOrder(buscar<QWidget>(controles, orden[i]), buscar<QWidget>(controles, orden[i + 1]));
}

void alPulsar(const Controles &controles, const char *nombre, std::function<void()> accion)
{
    auto *b = buscar<QAbstractButton>(controles, nombre);
    QObject::connect(b, &QAbstractButton::clicked, b, std::move(accion));
}

namespace {
DefControl fila(Tipo tipo, const char *nombre, const QString &texto, const QRect &geo, const Fuente &letra)
{
    DefControl d{tipo, nombre, texto, geo, letra, {}, {}, nullptr, {}, {}};
    return d;
}
}  // namespace

DefControl etiqueta(const char *nombre, const QString &texto, const QRect &geo)
{
    return fila(Tipo::Etiqueta, nombre, texto, geo, letra::Titulo);
}

DefControl caja(const char *nombre, const QRect &geo)
{
    return fila(Tipo::Texto, nombre, {}, geo, letra::Titulo);
}

DefControl boton(const char *nombre, const QString &texto, const QRect &geo, const QColor &cara)
{
    return fila(Tipo::Boton, nombre, texto, geo, letra::Normal).conColor(cara);
}

DefControl imagen(const char *nombre, const char *recurso, const QRect &geo)
{
    return fila(Tipo::Imagen, nombre, QString::fromLatin1(recurso), geo, letra::Normal);
}

DefControl marco(const char *nombre, const QString &titulo, const QRect &geo, const QColor &fondo)
{
    return fila(Tipo::Marco, nombre, titulo, geo, letra::Titulo).conColor(fondo);
}

DefControl cajaImagen(const char *nombre, const char *recurso, const QRect &geo)
{
    return fila(Tipo::CajaImagen, nombre, QString::fromLatin1(recurso), geo, letra::Normal);
}

DefControl documento(const char *nombre, const char *recurso, const QRect &geo)
{
    return fila(Tipo::Documento, nombre, QString::fromLatin1(recurso), geo, letra::Normal);
}

}  // namespace korva
