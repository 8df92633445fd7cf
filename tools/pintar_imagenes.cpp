// Draws the program's pictures with QPainter and writes them as PNG files into the
// folder given; hacer_imagenes.sh turns them into the kinds the screens use.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <QtMath>

namespace {

QPolygonF poligono(QPointF centro, double radio, int lados, double giro)
{
    QPolygonF p;
    for (int i = 0; i < lados; ++i) {
        const double a = giro + 2 * M_PI * i / lados;
        p << centro + QPointF(radio * std::cos(a), radio * std::sin(a));
    }
    return p;
}

// A black-and-white football: a central pentagon, five around it cut by the rim. The cut is
// a clip, or, for a painter that keeps no clip (an SVG file), the pentagons' outlines cut by
// the rim's own.
void balonFutbol(QPainter &p, QPointF c, double r, bool cortarContornos = false)
{
    p.save();
    QRadialGradient brillo(c - QPointF(r * 0.35, r * 0.35), r * 1.4);
    brillo.setColorAt(0, Qt::white);
    brillo.setColorAt(1, QColor(190, 190, 190));
    p.setPen(QPen(Qt::black, qMax(1.0, r / 18)));
    p.setBrush(brillo);
    p.drawEllipse(c, r, r);
    QPainterPath borde;
    borde.addEllipse(c, r, r);
    if (!cortarContornos)
        p.setClipPath(borde);
    p.setBrush(QColor(20, 20, 20));
    const double giro = -M_PI / 2;
    const QPolygonF centro = poligono(c, r * 0.36, 5, giro);
    p.drawPolygon(centro);
    for (int i = 0; i < 5; ++i) {
        const double a = giro + 2 * M_PI * i / 5 + M_PI / 5;
        const QPointF cc = c + QPointF(std::cos(a), std::sin(a)) * r * 0.98;
        const QPolygonF exterior = poligono(cc, r * 0.34, 5, a + M_PI / 5);
        if (cortarContornos) {
            QPainterPath pieza;
            pieza.addPolygon(exterior);
            pieza.closeSubpath();
            p.drawPath(pieza.intersected(borde));
        } else {
            p.drawPolygon(exterior);
        }
        const QPointF v = centro[i];
        p.drawLine(v, c + (v - c) * 1.75);
    }
    p.restore();
}

void balonBaloncesto(QPainter &p, QPointF c, double r)
{
    p.save();
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    g.setColorAt(0, QColor(255, 170, 80));
    g.setColorAt(1, QColor(200, 90, 10));
    p.setPen(QPen(QColor(40, 20, 0), qMax(1.0, r / 14)));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
    p.drawLine(c - QPointF(0, r), c + QPointF(0, r));
    p.drawArc(QRectF(c.x() - r * 1.6, c.y() - r, r * 1.2, r * 2), -60 * 16, 120 * 16);
    p.drawArc(QRectF(c.x() + r * 0.4, c.y() - r, r * 1.2, r * 2), 120 * 16, 120 * 16);
    p.restore();
}

void pelotaTenis(QPainter &p, QPointF c, double r)
{
    p.save();
    p.setPen(QPen(QColor(90, 110, 0), 1));
    p.setBrush(QColor(215, 235, 40));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::white, qMax(1.0, r / 6)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 1.5, c.y() - r * 0.8, r * 1.2, r * 1.6), -50 * 16, 100 * 16);
    p.drawArc(QRectF(c.x() + r * 0.3, c.y() - r * 0.8, r * 1.2, r * 1.6), 130 * 16, 100 * 16);
    p.restore();
}

// A running figure in a team shirt.
void jugador(QPainter &p, QPointF pies, double alto, QColor camiseta, bool patea)
{
    p.save();
    const double u = alto / 10;
    const QPointF cadera = pies - QPointF(0, u * 4.5);
    const QPointF hombro = cadera - QPointF(-u * 0.3, u * 3.2);
    p.setPen(QPen(QColor(60, 40, 30), u * 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cadera, cadera + QPointF(patea ? u * 2.5 : u * 1.2, u * (patea ? 3.2 : 4.5)));
    p.drawLine(cadera, cadera + QPointF(-u * 1.5, u * 4.3));
    p.setPen(QPen(camiseta.darker(130), u * 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hombro, hombro + QPointF(u * 1.8, u * 1.2));
    p.drawLine(hombro, hombro + QPointF(-u * 1.8, u * 1.6));
    p.setPen(QPen(camiseta, u * 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cadera, hombro);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 180, 140));
    p.drawEllipse(hombro - QPointF(0, u * 1.3), u * 0.9, u * 0.9);
    p.restore();
}

void cesped(QPainter &p, const QRectF &r, int franjas)
{
    for (int i = 0; i < franjas; ++i) {
        const QRectF f(r.x() + r.width() * i / franjas, r.y(), r.width() / franjas + 1, r.height());
        p.fillRect(f, i % 2 ? QColor(46, 139, 52) : QColor(58, 160, 64));
    }
}

// A scene drawn on a fresh picture of the given size, antialiased.
using Escena = void (*)(QPainter &p, double w, double h);

QImage pintar(QSize tam, Escena escena)
{
    QImage img(tam, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    escena(p, tam.width(), tam.height());
    return img;
}

void escenaFutbol(QPainter &p, double w, double h)
{
    QLinearGradient cielo(0, 0, 0, h * 0.35);
    cielo.setColorAt(0, QColor(90, 150, 230));
    cielo.setColorAt(1, QColor(180, 215, 250));
    p.fillRect(QRectF(0, 0, w, h * 0.35), cielo);
    p.fillRect(QRectF(0, h * 0.28, w, h * 0.07), QColor(120, 120, 130));  // stands
    for (int i = 0; i < int(w / 6); ++i)
        p.fillRect(QRectF(i * 6 + 1, h * 0.29 + (i % 3), 3, 3), QColor::fromHsv((i * 47) % 360, 160, 220));
    cesped(p, QRectF(0, h * 0.35, w, h * 0.65), 8);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(0, h * 0.42), QPointF(w, h * 0.42));
    p.drawEllipse(QPointF(w * 0.5, h * 0.42), w * 0.18, h * 0.06);
    // the goal
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(w * 0.72, h * 0.40), QPointF(w * 0.72, h * 0.58));
    p.drawLine(QPointF(w * 0.72, h * 0.40), QPointF(w * 0.95, h * 0.36));
    p.drawLine(QPointF(w * 0.95, h * 0.36), QPointF(w * 0.95, h * 0.52));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    for (int i = 1; i < 8; ++i) {
        const double x = w * 0.72 + (w * 0.23) * i / 8;
        p.drawLine(QPointF(x, h * 0.40 - (h * 0.04) * i / 8), QPointF(x, h * 0.58 - (h * 0.06) * i / 8));
    }
    jugador(p, QPointF(w * 0.32, h * 0.93), h * 0.5, QColor(220, 30, 30), true);
    jugador(p, QPointF(w * 0.62, h * 0.80), h * 0.36, QColor(30, 60, 200), false);
    balonFutbol(p, QPointF(w * 0.47, h * 0.86), h * 0.06);
}

void pista(QPainter &p, double w, double h)
{
    p.fillRect(QRectF(0, 0, w, h), QColor(58, 150, 64));
    p.setBrush(QColor(196, 82, 48));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(-w * 0.2, h * 0.25, w * 1.4, h * 0.7), h * 0.3, h * 0.3);
    p.setPen(QPen(Qt::white, 2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(0, h * (0.3 + i * 0.11)), QPointF(w, h * (0.3 + i * 0.11)));
    for (int i = 0; i < 3; ++i)
        jugador(p, QPointF(w * (0.25 + i * 0.25), h * (0.45 + i * 0.2)), h * 0.35, QColor::fromHsv(i * 110, 200, 220),
                false);
}

void cancha(QPainter &p, double w, double h)
{
    QLinearGradient piso(0, 0, w, h);
    piso.setColorAt(0, QColor(222, 170, 110));
    piso.setColorAt(1, QColor(190, 135, 80));
    p.fillRect(QRectF(0, 0, w, h), piso);
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(QRectF(w * 0.05, h * 0.1, w * 0.9, h * 0.8));
    p.drawEllipse(QPointF(w * 0.5, h * 0.5), w * 0.1, w * 0.1);
    p.drawLine(QPointF(w * 0.5, h * 0.1), QPointF(w * 0.5, h * 0.9));
    balonBaloncesto(p, QPointF(w * 0.7, h * 0.35), h * 0.12);
    jugador(p, QPointF(w * 0.35, h * 0.85), h * 0.55, QColor(250, 200, 0), false);
}

void alberca(QPainter &p, double w, double h)
{
    QLinearGradient agua(0, 0, 0, h);
    agua.setColorAt(0, QColor(40, 150, 220));
    agua.setColorAt(1, QColor(10, 90, 170));
    p.fillRect(QRectF(0, 0, w, h), agua);
    for (int i = 1; i < 5; ++i) {
        const double y = h * i / 5;
        for (int k = 0; k < int(w / 10); ++k)
            p.fillRect(QRectF(k * 10, y - 2, 8, 4), k % 2 ? Qt::white : QColor(220, 30, 30));
    }
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    for (int i = 0; i < 30; ++i)
        p.drawArc(QRectF((i * 37) % int(w), (i * 53) % int(h), 16, 6), 0, 180 * 16);
}

void tenis(QPainter &p, double w, double h)
{
    p.fillRect(QRectF(0, 0, w, h), QColor(40, 110, 170));
    p.fillRect(QRectF(w * 0.08, h * 0.12, w * 0.84, h * 0.76), QColor(60, 140, 200));
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(QRectF(w * 0.08, h * 0.12, w * 0.84, h * 0.76));
    p.drawLine(QPointF(w * 0.5, h * 0.12), QPointF(w * 0.5, h * 0.88));
    p.drawLine(QPointF(w * 0.08, h * 0.5), QPointF(w * 0.92, h * 0.5));
    pelotaTenis(p, QPointF(w * 0.3, h * 0.3), h * 0.08);
    jugador(p, QPointF(w * 0.7, h * 0.85), h * 0.5, Qt::white, false);
}

void gimnasio(QPainter &p, double w, double h)
{
    p.fillRect(QRectF(0, 0, w, h), QColor(120, 120, 140));
    p.fillRect(QRectF(0, h * 0.7, w, h * 0.3), QColor(70, 90, 160));
    // a figure doing push-ups
    p.setPen(QPen(QColor(60, 40, 30), h * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.2, h * 0.68), QPointF(w * 0.7, h * 0.55));
    p.drawLine(QPointF(w * 0.62, h * 0.57), QPointF(w * 0.64, h * 0.7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 180, 140));
    p.drawEllipse(QPointF(w * 0.76, h * 0.52), h * 0.05, h * 0.05);
    p.setPen(QPen(QColor(40, 40, 40), h * 0.04));
    p.drawLine(QPointF(w * 0.15, h * 0.2), QPointF(w * 0.85, h * 0.2));
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(w * 0.1, h * 0.1, w * 0.06, h * 0.2));
    p.drawRect(QRectF(w * 0.84, h * 0.1, w * 0.06, h * 0.2));
}

// The start screen's collage of sports photographs, 708 x 538.
QImage coleccion()
{
    QImage img(708, 538, QImage::Format_RGB32);
    img.fill(QColor(30, 30, 30));
    QPainter p(&img);
    struct Foto {
        QRect r;
        Escena escena;
    };
    const Foto fotos[] = {
        {{0, 0, 300, 250}, escenaFutbol}, {{304, 0, 200, 160}, cancha}, {{508, 0, 200, 160}, tenis},
        {{304, 164, 404, 96}, alberca},   {{0, 254, 240, 284}, pista},  {{244, 264, 312, 274}, escenaFutbol},
        {{560, 264, 148, 274}, gimnasio},
    };
    for (const Foto &f : fotos)
        p.drawImage(f.r.topLeft(), pintar(f.r.size(), f.escena));
    return img;
}

QImage balonSobreCesped(int lado)
{
    QImage img(lado, lado, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    cesped(p, img.rect(), 4);
    balonFutbol(p, QPointF(lado / 2.0, lado / 2.0), lado * 0.42);
    return img;
}

QImage banner()
{
    QImage img(140, 40, QImage::Format_RGB32);
    img.fill(QColor(255, 255, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    balonFutbol(p, QPointF(11, 20), 9.5);
    balonBaloncesto(p, QPointF(30, 13), 8);
    pelotaTenis(p, QPointF(30, 31), 6);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(19);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 160));
    p.drawText(QRect(40, 0, 100, 40), Qt::AlignCenter, QStringLiteral("DEPORTES"));
    return img;
}

// The program's icon, one design at every size: an orange tile with a football.
void dibujarIcono(QPainter &p, double lado)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 128, 0));
    p.drawRoundedRect(QRectF(0, 0, lado, lado), lado * 0.18, lado * 0.18);
    balonFutbol(p, QPointF(lado / 2.0, lado / 2.0), lado * 0.40, true);
}

QImage icono(int lado)
{
    QImage img(lado, lado, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    dibujarIcono(p, lado);
    return img;
}

// The same icon as a scalable SVG picture, for the menus that scale their icons.
bool iconoSvg(const QString &ruta)
{
    QSvgGenerator svg;
    svg.setFileName(ruta);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("KORVA 4"));
    svg.setDescription(QStringLiteral("Icono de KORVA 4"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    dibujarIcono(p, 256);
    return p.end();
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir destino(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = coleccion().save(destino.filePath("coleccion.png"));
    ok &= balonSobreCesped(100).save(destino.filePath("balon.png"));
    ok &= banner().save(destino.filePath("deportes.png"));
    ok &= pintar(QSize(283, 212), escenaFutbol).save(destino.filePath("nivel.png"));
    ok &= icono(32).save(destino.filePath("icono.png"));
    QDir().mkpath(destino.filePath("iconos"));
    for (int lado : {16, 32, 48, 64, 128, 256})
        ok &= icono(lado).save(destino.filePath(QStringLiteral("iconos/%1.png").arg(lado)));
    ok &= iconoSvg(destino.filePath("iconos/korva4.svg"));
    return ok ? 0 : 1;
}
