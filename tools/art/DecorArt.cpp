#include "DecorArt.h"

#include "AssetWriter.h"
#include "CardArt.h"
#include "GifWriter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <array>
#include <tuple>

namespace halvane::art {

namespace {

const QColor Gold(222, 184, 84);
const QColor DarkGold(140, 104, 30);
const QColor Wine(96, 16, 40);
const QColor Purple(70, 24, 96);
const QColor Parchment(246, 236, 206); // light field, so the panel's blue and brown lines read

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage finish(QImage &image) { return image.convertToFormat(QImage::Format_ARGB32); }

void setup(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont decorFont(double pixels, bool bold = true)
{
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(std::max(6, int(pixels)));
    f.setBold(bold);
    return f;
}

// Text with a dark drop shadow.
void shadowText(QPainter &p, const QRectF &r, const QString &text, const QColor &colour, int flags = Qt::AlignCenter)
{
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(r.translated(1.5, 1.5), flags, text);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

// A framed panel: dark gradient field in a gold bevelled border.
QImage framedPanel(int w, int h, const QColor &field, double unit)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    setup(p);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    const double radius = 7 * unit;
    QLinearGradient border(r.topLeft(), r.bottomRight());
    border.setColorAt(0, Gold.lighter(120));
    border.setColorAt(0.5, DarkGold);
    border.setColorAt(1, Gold);
    p.setPen(QPen(QColor(60, 40, 10), 1));
    p.setBrush(border);
    p.drawRoundedRect(r, radius, radius);
    const double b = 3.5 * unit;
    const QRectF inner = r.adjusted(b, b, -b, -b);
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0, field.lighter(135));
    g.setColorAt(1, field.darker(115));
    p.setPen(QPen(QColor(40, 25, 5, 200), 1));
    p.setBrush(g);
    p.drawRoundedRect(inner, radius * 0.7, radius * 0.7);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(1.5, 1.5, -1.5, -1.5), radius * 0.6, radius * 0.6);
    p.end();
    return finish(image);
}

// A speech-bubble name plate in a colour.
QImage plate(int w, int h, const QColor &colour)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    setup(p);
    const QRectF r(1, 1, w - 2, h - 2);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour.lighter(170));
    g.setColorAt(0.45, colour.lighter(115));
    g.setColorAt(1, colour.darker(130));
    p.setPen(QPen(colour.darker(200), std::max(1.0, h / 30.0)));
    p.setBrush(g);
    p.drawRoundedRect(r, h * 0.35, h * 0.35);
    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(r.left() + h * 0.2, r.top() + 2, r.width() - h * 0.4, r.height() * 0.42), h * 0.2, h * 0.2);
    p.fillPath(gloss, QColor(255, 255, 255, 70));
    p.end();
    return finish(image);
}

QImage glossyBar(int w, int h, const QColor &colour, bool withStar)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    setup(p);
    const QRectF r(1, 1, w - 2, h - 2);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(0.5, colour);
    g.setColorAt(1, colour.darker(150));
    p.setPen(QPen(Gold, 2));
    p.setBrush(g);
    p.drawRoundedRect(r, h * 0.22, h * 0.22);
    p.fillRect(QRectF(r.left() + 8, r.top() + 3, r.width() - 16, r.height() * 0.35), QColor(255, 255, 255, 45));
    if (withStar) {
        p.setBrush(Gold);
        p.setPen(Qt::NoPen);
        for (int side = 0; side < 2; ++side) {
            QPolygonF star;
            const QPointF c(side ? w - h * 0.5 : h * 0.5, h * 0.5);
            for (int k = 0; k < 10; ++k) {
                const double a = -M_PI / 2 + k * M_PI / 5;
                const double rr = (k % 2 ? 0.16 : 0.36) * h;
                star << c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
            }
            p.drawPolygon(star);
        }
    }
    p.end();
    return finish(image);
}

// A dialog header cap: a dark plum plaque with gold rims, for a title written over it.
QImage headerCap(int w, int h)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    setup(p);
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.lineTo(w, 0);
    shape.lineTo(w - h * 0.35, h * 0.55);
    shape.quadTo(w / 2.0, h * 1.05, h * 0.35, h * 0.55);
    shape.closeSubpath();
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, Purple.lighter(150));
    g.setColorAt(1, Wine);
    p.setPen(QPen(Gold, 2.5));
    p.setBrush(g);
    p.drawPath(shape);
    p.setPen(QPen(QColor(255, 230, 150, 120), 1));
    p.drawLine(QPointF(h * 0.5, h * 0.1), QPointF(w - h * 0.5, h * 0.1));
    p.end();
    return finish(image);
}

// A red ribbon with folded ends, for the "red ribbons" dialog design.
QImage ribbon(int w, int h)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    setup(p);
    const double band = h * 0.55, top = h * 0.12;
    const double tail = w * 0.12;
    QLinearGradient dark(0, top, 0, top + band);
    dark.setColorAt(0, QColor(150, 10, 20));
    dark.setColorAt(1, QColor(90, 0, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    for (int side = 0; side < 2; ++side) {
        QPolygonF end;
        const double x0 = side ? w - tail * 1.6 : 0, x1 = side ? w : tail * 1.6;
        const double notch = side ? w - tail * 0.6 : tail * 0.6;
        end << QPointF(x0, top + h * 0.2) << QPointF(x1, top + h * 0.2) << QPointF(x1, top + band + h * 0.2)
            << QPointF(x0, top + band + h * 0.2) << QPointF(notch, top + band / 2 + h * 0.2);
        if (side)
            end[1] = QPointF(w, top + h * 0.2), end[2] = QPointF(w, top + band + h * 0.2);
        p.drawPolygon(end);
    }
    QLinearGradient g(0, top, 0, top + band);
    g.setColorAt(0, QColor(240, 60, 60));
    g.setColorAt(0.5, QColor(200, 20, 30));
    g.setColorAt(1, QColor(140, 0, 15));
    p.setBrush(g);
    QPainterPath body;
    body.moveTo(tail, top + h * 0.1);
    body.quadTo(w / 2.0, top - h * 0.08, w - tail, top + h * 0.1);
    body.lineTo(w - tail, top + band + h * 0.1);
    body.quadTo(w / 2.0, top + band - h * 0.08, tail, top + band + h * 0.1);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(QPen(Gold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.end();
    return finish(image);
}

QImage roundIcon(int size, const QColor &colour, const std::function<void(QPainter &, const QRectF &)> &glyph)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    setup(p);
    const QRectF r(1.5, 1.5, size - 3, size - 3);
    QRadialGradient g(r.center() - QPointF(size * 0.15, size * 0.2), size * 0.7);
    g.setColorAt(0, colour.lighter(170));
    g.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(220), 1.2));
    p.setBrush(g);
    p.drawEllipse(r);
    glyph(p, r.adjusted(size * 0.2, size * 0.2, -size * 0.2, -size * 0.2));
    QPainterPath gloss;
    gloss.addEllipse(QRectF(r.left() + size * 0.18, r.top() + size * 0.06, size * 0.64, size * 0.36));
    p.fillPath(gloss, QColor(255, 255, 255, 60));
    p.end();
    return finish(image);
}

void personGlyph(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 235));
    p.drawEllipse(QRectF(r.center().x() - r.width() * 0.2, r.top(), r.width() * 0.4, r.height() * 0.42));
    QPainterPath body;
    body.addRoundedRect(QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.5, r.width() * 0.8, r.height() * 0.5),
                        r.width() * 0.3, r.width() * 0.3);
    p.drawPath(body);
}

void globeGlyph(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(255, 250, 235), std::max(1.0, r.width() / 14)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r);
    p.drawEllipse(r.adjusted(r.width() * 0.3, 0, -r.width() * 0.3, 0));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
}

void chartGlyph(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    const std::array<double, 4> heights = {0.4, 0.7, 0.55, 1.0};
    for (int i = 0; i < 4; ++i) {
        const double bw = r.width() / 5;
        p.setBrush(i == 3 ? Gold : QColor(255, 250, 235));
        p.drawRect(QRectF(r.left() + i * bw * 1.3, r.bottom() - r.height() * heights[size_t(i)], bw, r.height() * heights[size_t(i)]));
    }
}

void giftGlyph(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(90, 40, 0), 1));
    p.setBrush(QColor(255, 250, 235));
    p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.35, r.width(), r.height() * 0.65));
    p.setBrush(Gold);
    p.drawRect(QRectF(r.center().x() - r.width() * 0.1, r.top() + r.height() * 0.35, r.width() * 0.2, r.height() * 0.65));
    p.drawEllipse(QRectF(r.center().x() - r.width() * 0.35, r.top(), r.width() * 0.35, r.height() * 0.35));
    p.drawEllipse(QRectF(r.center().x(), r.top(), r.width() * 0.35, r.height() * 0.35));
}

void phoneGlyph(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 235));
    p.drawRoundedRect(QRectF(r.center().x() - r.width() * 0.3, r.top(), r.width() * 0.6, r.height()), 3, 3);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(r.center().x() - r.width() * 0.22, r.top() + r.height() * 0.12, r.width() * 0.44, r.height() * 0.7));
}

void windowsGlyph(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    const double s = r.width() * 0.46;
    const std::array<QColor, 4> colours = {QColor(240, 80, 40), QColor(120, 190, 40), QColor(30, 160, 240), QColor(250, 190, 20)};
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRectF(r.left() + (i % 2) * (s + r.width() * 0.08), r.top() + (i / 2) * (s + r.width() * 0.08), s, s),
                   colours[size_t(i)]);
}

void textGlyph(QPainter &p, const QRectF &r, const QString &text)
{
    p.setFont(decorFont(r.height() * 0.95));
    shadowText(p, r.adjusted(-r.width(), -r.height(), r.width(), r.height()), text, QColor(255, 250, 235));
}

QImage lamp(int size, const QColor &colour)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    setup(p);
    QRadialGradient g(QPointF(size * 0.38, size * 0.35), size * 0.6);
    g.setColorAt(0, colour.lighter(190));
    g.setColorAt(0.6, colour);
    g.setColorAt(1, colour.darker(200));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
    p.end();
    return finish(image);
}

QImage medal(int size, const QColor &metal, const QString &label)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    setup(p);
    QRadialGradient g(QPointF(size * 0.35, size * 0.3), size * 0.7);
    g.setColorAt(0, metal.lighter(160));
    g.setColorAt(1, metal.darker(160));
    p.setPen(QPen(metal.darker(220), std::max(1.0, size / 24.0)));
    p.setBrush(g);
    p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    p.setFont(decorFont(size * 0.55));
    shadowText(p, QRectF(0, 0, size, size), label, QColor(255, 255, 240));
    p.end();
    return finish(image);
}

QImage ribbonMedal(int w, int h)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    setup(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 20, 30));
    p.drawPolygon(QPolygonF{QPointF(w * 0.2, 0), QPointF(w * 0.45, 0), QPointF(w * 0.6, h * 0.5), QPointF(w * 0.35, h * 0.5)});
    p.setBrush(QColor(30, 60, 170));
    p.drawPolygon(QPolygonF{QPointF(w * 0.8, 0), QPointF(w * 0.55, 0), QPointF(w * 0.4, h * 0.5), QPointF(w * 0.65, h * 0.5)});
    const QImage disc = medal(int(w * 0.9), Gold, QString());
    p.drawImage(QPointF(w * 0.05, h - w * 0.9 - 1), disc);
    p.end();
    return finish(image);
}

QImage coin(int size, bool stack)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    setup(p);
    const int count = stack ? 4 : 1;
    for (int i = count - 1; i >= 0; --i) {
        const QRectF r(size * 0.12 + (stack ? i * size * 0.04 : 0), size * 0.12 + (stack ? i * size * 0.1 - size * 0.1 : 0),
                       size * 0.76, size * 0.76);
        QRadialGradient g(r.center() - QPointF(r.width() * 0.2, r.height() * 0.2), r.width() * 0.7);
        g.setColorAt(0, QColor(255, 240, 160));
        g.setColorAt(1, QColor(180, 130, 20));
        p.setPen(QPen(QColor(120, 80, 0), size / 40.0));
        p.setBrush(g);
        p.drawEllipse(r);
        p.setPen(QPen(QColor(150, 105, 10), size / 50.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(r.adjusted(r.width() * 0.1, r.height() * 0.1, -r.width() * 0.1, -r.height() * 0.1));
        if (i == 0) {
            p.setFont(decorFont(r.height() * 0.5));
            shadowText(p, r, QStringLiteral("V"), QColor(255, 250, 210));
        }
    }
    p.end();
    return finish(image);
}

QImage handPointer(int w, int h, bool up)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    setup(p);
    if (!up) {
        p.translate(w, h);
        p.rotate(180);
    }
    QPainterPath hand;
    const double fx = w * 0.38, fw = w * 0.24;
    hand.addRoundedRect(QRectF(fx, h * 0.02, fw, h * 0.55), fw / 2, fw / 2);
    hand.addRoundedRect(QRectF(w * 0.15, h * 0.42, w * 0.7, h * 0.5), w * 0.18, w * 0.18);
    p.setPen(QPen(QColor(80, 40, 10), std::max(1.0, w / 20.0)));
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(255, 225, 180));
    g.setColorAt(1, QColor(220, 170, 120));
    p.setBrush(g);
    p.drawPath(hand.simplified());
    p.setBrush(QColor(180, 30, 40));
    p.drawRect(QRectF(w * 0.2, h * 0.88, w * 0.6, h * 0.11));
    p.end();
    return finish(image);
}

QImage noHearts(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    setup(p);
    QImage heart = RenderSuitSymbol(0, 1, QSize(int(size * 0.7), int(size * 0.7)), false);
    p.drawImage(QPointF(size * 0.15, size * 0.15), heart);
    p.setPen(QPen(QColor(20, 20, 20), size / 9.0));
    p.setBrush(Qt::NoBrush);
    const QRectF r(size * 0.06, size * 0.06, size * 0.88, size * 0.88);
    p.drawEllipse(r);
    p.drawLine(QPointF(r.left() + r.width() * 0.15, r.top() + r.height() * 0.15),
               QPointF(r.right() - r.width() * 0.15, r.bottom() - r.height() * 0.15));
    p.end();
    return finish(image);
}

// Seven-segment digits for the clocks and timers.
QImage segmentDigit(int w, int h, int digit, const QColor &on)
{
    static const std::array<int, 11> segments = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F, 0x40};
    QImage image = canvas(w, h);
    QPainter p(&image);
    setup(p);
    const double t = std::max(2.0, w * 0.18);
    const double m = t * 0.6;
    const std::array<QRectF, 7> rects = {QRectF(m + t / 2, 0, w - 2 * m - t, t),
                                         QRectF(w - t, m, t, h / 2.0 - m),
                                         QRectF(w - t, h / 2.0, t, h / 2.0 - m),
                                         QRectF(m + t / 2, h - t, w - 2 * m - t, t),
                                         QRectF(0, h / 2.0, t, h / 2.0 - m),
                                         QRectF(0, m, t, h / 2.0 - m),
                                         QRectF(m + t / 2, h / 2.0 - t / 2, w - 2 * m - t, t)};
    const int bits = segments[size_t(std::clamp(digit, 0, 10))];
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 7; ++s) {
        p.setBrush((bits >> s) & 1 ? on : QColor(on.red() / 6, on.green() / 6, on.blue() / 6, 90));
        p.drawRoundedRect(rects[size_t(s)], t / 2, t / 2);
    }
    p.end();
    return finish(image);
}

QImage lcdPanel(int w, int h, const QColor &glass)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    setup(p);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(70, 70, 78));
    g.setColorAt(1, QColor(20, 20, 24));
    p.setPen(QPen(QColor(160, 160, 170), 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawRoundedRect(QRectF(5, 5, w - 10, h - 10), 4, 4);
    p.end();
    return finish(image);
}

QImage strip(int frameSize, int frames, const std::function<void(QPainter &, int, double)> &frame)
{
    QImage image = canvas(frameSize * frames, frameSize);
    QPainter p(&image);
    setup(p);
    for (int i = 0; i < frames; ++i) {
        p.save();
        p.translate(i * frameSize, 0);
        p.setClipRect(0, 0, frameSize, frameSize);
        frame(p, i, double(i) / frames);
        p.restore();
    }
    p.end();
    return finish(image);
}

// The main menu picture: the felt with a gold frame and the four suits.
QImage menuPicture(const QColor &tint, bool purple)
{
    QImage image = RenderBackground(purple ? 6 : 2, purple ? 6 : 0, QSize(760, 500)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    setup(p);
    p.setPen(QPen(Gold, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(10, 10, 740, 480), 18, 18);
    p.setPen(QPen(tint, 1.5));
    p.drawRoundedRect(QRectF(18, 18, 724, 464), 13, 13);
    for (int corner = 0; corner < 4; ++corner) {
        const QPointF c(corner % 2 ? 712 : 48, corner / 2 ? 452 : 48);
        const QImage suit = RenderSuitSymbol(0, corner + 1, QSize(34, 34), false);
        p.drawImage(c - QPointF(17, 17), suit);
    }
    // A soft halo behind the title area.
    QRadialGradient halo(QPointF(380, 60), 300);
    halo.setColorAt(0, QColor(255, 230, 150, 60));
    halo.setColorAt(1, QColor(255, 230, 150, 0));
    p.fillRect(image.rect(), halo);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The red pieces of the card-style button: end caps and middle, classic ("R")
// and new ("Q") looks, at the three standard heights.
QColor classicRow(double t)
{
    // Border, near-black line, pink highlight fading to mid red, dark divider,
    // pure red rising in brightness, border.
    struct Stop { double at; QColor c; };
    static const std::array<Stop, 8> stops = {{{0.0, QColor(0x80, 0, 0)}, {0.035, QColor(0x11, 0, 0)},
                                               {0.07, QColor(0x87, 0x5B, 0x5B)}, {0.11, QColor(0xE8, 0xAD, 0xAD)},
                                               {0.48, QColor(0xB0, 0x50, 0x50)}, {0.52, QColor(0x98, 0x24, 0x24)},
                                               {0.55, QColor(0x88, 0, 0)}, {0.97, QColor(0xEE, 0, 0)}}};
    if (t >= 0.985)
        return QColor(0x80, 0, 0);
    for (size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].at) {
            const double f = (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at);
            const QColor &a = stops[i - 1].c, &b = stops[i].c;
            return QColor(int(a.red() + (b.red() - a.red()) * f), int(a.green() + (b.green() - a.green()) * f),
                          int(a.blue() + (b.blue() - a.blue()) * f));
        }
    return stops.back().c;
}

QColor newRow(double t)
{
    // Pure red body with a soft pale gloss over the upper third.
    if (t < 0.04 || t > 0.96)
        return QColor(150, 0, 0);
    if (t < 0.42) {
        const double f = t / 0.42;
        return QColor(255, int(200 - 150 * f), int(200 - 150 * f));
    }
    return QColor(int(230 + 25 * (t - 0.42) / 0.54), 0, 0);
}

QImage buttonPiece(int w, int h, int part, bool nuvo) // part 0 left, 1 right, 2 middle
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < h; ++y) {
        const QColor c = nuvo ? newRow(double(y) / (h - 1)) : classicRow(double(y) / (h - 1));
        for (int x = 0; x < w; ++x) {
            double alpha = 1.0;
            if (part != 2) {
                // A rounded end: half an ellipse as wide as the piece.
                const double cx = part == 0 ? w : 0.0;
                const double ex = (x + 0.5 - cx) / w;
                const double ey = (y + 0.5 - h / 2.0) / (h / 2.0);
                const double d = std::sqrt(ex * ex + ey * ey);
                alpha = std::clamp((1.0 - d) * std::min(double(w), h / 2.0) + 0.5, 0.0, 1.0);
            }
            QColor pixel = c;
            if (part != 2 && !nuvo) {
                // A darker rim toward the outer edge.
                const double edge = part == 0 ? (w - x) / double(w) : (x + 1) / double(w);
                pixel = c.darker(100 + int(25 * edge * edge));
            }
            image.setPixel(x, y, qRgba(pixel.red(), pixel.green(), pixel.blue(), int(alpha * 255)));
        }
    }
    return image;
}

void writeButtonPieces(AssetWriter &out)
{
    struct Size { const char *tag; int end; int height; };
    for (const Size &s : {Size{"29", 8, 29}, Size{"44", 13, 44}, Size{"59", 17, 59}})
        for (const bool nuvo : {false, true}) {
            const QString prefix = QLatin1String(nuvo ? "Q" : "R") + QLatin1String(s.tag);
            out.png(prefix + QStringLiteral("_L"), buttonPiece(s.end, s.height, 0, nuvo));
            out.png(prefix + QStringLiteral("_R"), buttonPiece(s.end, s.height, 1, nuvo));
            out.png(prefix + QStringLiteral("_2"), buttonPiece(2, s.height, 2, nuvo));
        }
}

QImage arrowCursor(bool hand)
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    setup(p);
    if (hand) {
        p.drawImage(QRectF(2, 0, 18, 26), handPointer(18, 26, true));
    } else {
        QPolygonF arrow{QPointF(1, 1), QPointF(1, 22), QPointF(6, 17), QPointF(10, 26), QPointF(13, 25), QPointF(9, 16), QPointF(16, 16)};
        QLinearGradient g(0, 0, 16, 26);
        g.setColorAt(0, Gold.lighter(130));
        g.setColorAt(1, DarkGold);
        p.setPen(QPen(QColor(40, 20, 0), 1.2));
        p.setBrush(g);
        p.drawPolygon(arrow);
    }
    p.end();
    return finish(image);
}

QImage editCursor()
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    setup(p);
    p.setPen(QPen(QColor(255, 255, 255), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 5), QPointF(16, 27));
    p.drawLine(QPointF(11, 5), QPointF(21, 5));
    p.drawLine(QPointF(11, 27), QPointF(21, 27));
    p.setPen(QPen(QColor(120, 20, 30), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 5), QPointF(16, 27));
    p.drawLine(QPointF(11, 5), QPointF(21, 5));
    p.drawLine(QPointF(11, 27), QPointF(21, 27));
    p.end();
    return finish(image);
}

QImage waitCursorStrip()
{
    return strip(32, 8, [](QPainter &p, int i, double) {
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(16, 16);
            p.rotate(i * 45 + k * 90);
            const QImage suit = RenderSuitSymbol(0, k + 1, QSize(12, 12), false);
            p.drawImage(QPointF(-6, -15), suit);
            p.restore();
        }
    });
}

const std::array<const char *, 8> LanguageCodes = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};

QImage titleWord(int w, int h, const QString &text, const QColor &colour)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    setup(p);
    p.setFont(decorFont(h * 0.6));
    QPainterPath path;
    path.addText(0, 0, p.font(), text);
    const QRectF b = path.boundingRect();
    path.translate(w / 2.0 - b.center().x(), h / 2.0 - b.center().y());
    p.setPen(QPen(QColor(60, 20, 0, 200), std::max(1.0, h / 45.0)));
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour.darker(120));
    p.setBrush(g);
    p.drawPath(path);
    p.end();
    return finish(image);
}


QList<QImage> frames(int w, int h, int count, const std::function<void(QPainter &, double)> &draw)
{
    QList<QImage> list;
    for (int i = 0; i < count; ++i) {
        QImage image = canvas(w, h);
        QPainter p(&image);
        setup(p);
        draw(p, double(i) / count);
        p.end();
        list << finish(image);
    }
    return list;
}

// A fan of the four aces opening and closing.
void cardFan(QPainter &p, double t, int w, int h)
{
    const double spread = 6 + 16 * (0.5 - 0.5 * std::cos(t * 2 * M_PI));
    for (int k = 0; k < 4; ++k) {
        p.save();
        p.translate(w / 2.0, h * 0.86);
        p.rotate((k - 1.5) * spread);
        const QImage face = RenderFace(0, k + 1, 14, QSize(int(w * 0.4), int(w * 0.55)));
        p.drawImage(QPointF(-w * 0.2, -h * 0.6), face);
        p.restore();
    }
}

// A suit symbol turning about its upright axis, with a gold glow.
void turningSuit(QPainter &p, double t, int w, int h, int suit)
{
    QRadialGradient glow(QPointF(w / 2.0, h / 2.0), std::min(w, h) / 2.0);
    glow.setColorAt(0, QColor(255, 220, 120, int(120 + 100 * std::sin(t * 2 * M_PI))));
    glow.setColorAt(1, QColor(255, 220, 120, 0));
    p.fillRect(QRectF(0, 0, w, h), glow);
    const int s = int(std::min(w, h) * 0.6);
    const QImage symbol = RenderSuitSymbol(0, suit, QSize(s, s), false);
    p.translate(w / 2.0, h / 2.0);
    p.scale(std::max(0.06, std::abs(std::cos(t * M_PI))), 1);
    p.drawImage(QPointF(-s / 2.0, -s / 2.0), symbol);
}

void sparkleCup(QPainter &p, double t, int w, int h)
{
    QPainterPath cup;
    cup.moveTo(w * 0.25, h * 0.2);
    cup.lineTo(w * 0.75, h * 0.2);
    cup.quadTo(w * 0.74, h * 0.55, w * 0.52, h * 0.62);
    cup.lineTo(w * 0.52, h * 0.75);
    cup.lineTo(w * 0.66, h * 0.85);
    cup.lineTo(w * 0.34, h * 0.85);
    cup.lineTo(w * 0.48, h * 0.75);
    cup.lineTo(w * 0.48, h * 0.62);
    cup.quadTo(w * 0.26, h * 0.55, w * 0.25, h * 0.2);
    QLinearGradient g(w * 0.25, 0, w * 0.75, 0);
    g.setColorAt(0, QColor(160, 110, 20));
    g.setColorAt(0.4, QColor(255, 235, 140));
    g.setColorAt(1, QColor(170, 120, 20));
    p.setPen(QPen(QColor(110, 70, 0), 1.5));
    p.setBrush(g);
    p.drawPath(cup);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 5; ++k) {
        const double phase = std::fmod(t + k / 5.0, 1.0);
        const double a = k * 1.3;
        const QPointF c(w / 2.0 + std::cos(a) * w * 0.38, h * 0.4 + std::sin(a) * h * 0.3);
        p.setBrush(QColor(255, 255, 200, int(255 * (1 - phase))));
        const double r = 1 + 4 * std::sin(phase * M_PI);
        p.drawPolygon(QPolygonF{c + QPointF(0, -r * 2), c + QPointF(r / 2, 0), c + QPointF(0, r * 2), c + QPointF(-r / 2, 0)});
        p.drawPolygon(QPolygonF{c + QPointF(-r * 2, 0), c + QPointF(0, r / 2), c + QPointF(r * 2, 0), c + QPointF(0, -r / 2)});
    }
}

void rainCloud(QPainter &p, double t, int w, int h)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 130, 150));
    for (const auto &[x, y, r] : {std::tuple{0.35, 0.35, 0.18}, {0.55, 0.3, 0.22}, {0.7, 0.4, 0.15}, {0.5, 0.42, 0.2}})
        p.drawEllipse(QPointF(w * x, h * y), w * r, w * r);
    p.setBrush(QColor(80, 140, 230));
    for (int k = 0; k < 6; ++k) {
        const double fall = std::fmod(t + k / 6.0, 1.0);
        p.drawEllipse(QPointF(w * (0.3 + 0.08 * k), h * (0.55 + 0.4 * fall)), 2.0, 3.5);
    }
}

void writeAnimations(AssetWriter &out)
{
    const auto gif = [&](const QString &name, const QList<QImage> &list, int delay) {
        out.raw(QStringLiteral("GIF"), name + QStringLiteral(".gif"), EncodeGif(list, delay));
    };
    gif(QStringLiteral("GifMenu1"), frames(160, 200, 16, [](QPainter &p, double t) { cardFan(p, t, 160, 200); }), 8);
    gif(QStringLiteral("GifMenu2"), frames(160, 200, 16, [](QPainter &p, double t) { turningSuit(p, t, 160, 200, 1); }), 8);
    // The kind of game: account (A, B), computer (C, D, F), tournament (E), network (G).
    const std::array<int, 7> clubSuits = {1, 2, 3, 4, 3, 4, 2};
    for (int k = 0; k < 7; ++k) {
        const int suit = clubSuits[size_t(k)];
        gif(QStringLiteral("GClub") + QChar(u'A' + k), frames(60, 75, 12, [suit](QPainter &p, double t) { turningSuit(p, t, 60, 75, suit); }), 10);
    }
    gif(QStringLiteral("GGenCount"), frames(60, 75, 20, [](QPainter &p, double t) { turningSuit(p, t, 60, 75, 1 + int(t * 4) % 4); }), 10);
    gif(QStringLiteral("GEndBest"), frames(120, 120, 15, [](QPainter &p, double t) { sparkleCup(p, t, 120, 120); }), 8);
    gif(QStringLiteral("GEndGood"), frames(120, 120, 15, [](QPainter &p, double t) { turningSuit(p, t, 120, 120, 1); }), 8);
    gif(QStringLiteral("GEndBads"), frames(120, 120, 12, [](QPainter &p, double t) { rainCloud(p, t, 120, 120); }), 8);
}

} // namespace

void WriteDecor(AssetWriter &out)
{
    writeButtonPieces(out);
    writeAnimations(out);

    // Frames of the contract panel and the message board, the score tablet.
    out.png(QStringLiteral("RamkaABSm"), framedPanel(110, 160, Parchment, 1.0));
    out.png(QStringLiteral("RamkaABBg"), framedPanel(220, 320, Parchment, 2.0));
    out.png(QStringLiteral("RamkaERSm"), framedPanel(120, 80, QColor(240, 228, 196), 1.0));
    out.png(QStringLiteral("RamkaERBg"), framedPanel(240, 160, QColor(240, 228, 196), 2.0));
    out.png(QStringLiteral("TabloSm"), framedPanel(155, 95, QColor(222, 238, 220), 1.0));
    out.png(QStringLiteral("TabloBg"), framedPanel(310, 190, QColor(222, 238, 220), 2.0));

    // Name plates by colour letter.
    const std::array<std::pair<const char *, QColor>, 5> plates = {
        {{"SPBlue", QColor(40, 90, 200)}, {"SPGreen", QColor(40, 150, 60)}, {"SPRed", QColor(200, 40, 40)},
         {"SPYellow", QColor(196, 128, 8)}, {"SPFiolet", QColor(140, 60, 180)}}};
    for (const auto &[name, colour] : plates) {
        out.png(QString::fromLatin1(name), plate(150, 40, colour));
        out.png(QString::fromLatin1(name) + QStringLiteral("B"), plate(300, 80, colour));
    }
    out.png(QStringLiteral("NOCH"), noHearts(24));
    out.png(QStringLiteral("NOCHB"), noHearts(30));
    out.png(QStringLiteral("Hand_Up"), handPointer(40, 60, true));
    out.png(QStringLiteral("Hand_Down"), handPointer(40, 60, false));

    out.png(QStringLiteral("AdvBar1"), glossyBar(391, 81, Wine, true));
    out.png(QStringLiteral("AdvBar2"), glossyBar(391, 81, QColor(150, 30, 60), true));
    out.png(QStringLiteral("AdvBar3"), glossyBar(391, 81, Purple, false));
    out.png(QStringLiteral("AdvBar4"), glossyBar(391, 81, QColor(24, 80, 50), false));
    out.png(QStringLiteral("AdvButR"), roundIcon(51, QColor(190, 30, 30), [](QPainter &p, const QRectF &r) { textGlyph(p, r, QStringLiteral("\u21BB")); }));
    out.png(QStringLiteral("AdvButG"), roundIcon(51, QColor(30, 150, 60), [](QPainter &p, const QRectF &r) { textGlyph(p, r, QStringLiteral("\u21BB")); }));

    for (const int w : {280, 300, 430, 550})
        out.png(QStringLiteral("GCap%1").arg(w), headerCap(w, 64));
    out.png(QStringLiteral("GLenta280x090"), ribbon(280, 90));
    out.png(QStringLiteral("GLenta300x100"), ribbon(300, 100));
    out.png(QStringLiteral("GLenta360x100"), ribbon(360, 100));
    out.png(QStringLiteral("GLenta380x120"), ribbon(380, 120));
    out.png(QStringLiteral("GTitle"), titleWord(400, 70, QStringLiteral("Halvane"), Gold));

    out.png(QStringLiteral("Account48"), roundIcon(48, QColor(40, 90, 180), personGlyph));
    out.png(QStringLiteral("Earth48"), roundIcon(48, QColor(30, 120, 170), globeGlyph));
    out.png(QStringLiteral("Stats"), roundIcon(48, QColor(120, 60, 150), chartGlyph));
    out.png(QStringLiteral("Android"), roundIcon(48, QColor(90, 160, 40), phoneGlyph));
    out.png(QStringLiteral("Windows"), roundIcon(48, QColor(50, 60, 80), windowsGlyph));
    out.png(QStringLiteral("AdvGiftR"), roundIcon(48, QColor(190, 30, 40), giftGlyph));
    out.png(QStringLiteral("AdvGiftG"), roundIcon(48, QColor(30, 140, 60), giftGlyph));
    out.png(QStringLiteral("LampR24"), lamp(24, QColor(220, 30, 30)));
    out.png(QStringLiteral("LampY24"), lamp(24, QColor(240, 200, 30)));
    out.png(QStringLiteral("LampG24"), lamp(24, QColor(40, 200, 60)));

    out.png(QStringLiteral("GMEDAL01"), medal(24, QColor(230, 180, 40), QStringLiteral("1")));
    out.png(QStringLiteral("GMEDAL02"), medal(24, QColor(180, 180, 190), QStringLiteral("2")));
    out.png(QStringLiteral("GMEDAL03"), medal(24, QColor(190, 110, 50), QStringLiteral("3")));
    out.png(QStringLiteral("GMedal"), ribbonMedal(80, 110));
    for (int place = 1; place <= 10; ++place)
        out.png(QStringLiteral("GPlace%1").arg(place, 2, 10, QLatin1Char('0')),
                medal(44, place <= 3 ? QColor(200, 40, 40) : QColor(60, 90, 170), QString::number(place)));
    out.png(QStringLiteral("GVyxs128"), coin(128, false));
    out.png(QStringLiteral("GVyxsT128"), coin(128, true));

    // Timers and clocks.
    out.png(QStringLiteral("GTimerR"), lcdPanel(60, 40, QColor(170, 20, 20)));
    out.png(QStringLiteral("GTimerY"), lcdPanel(60, 40, QColor(220, 180, 30)));
    out.png(QStringLiteral("GClockBG"), lcdPanel(110, 56, QColor(16, 30, 20)));
    for (int d = 0; d <= 9; ++d)
        out.png(QStringLiteral("GBClock%1").arg(d), segmentDigit(18, 26, d, QColor(90, 255, 120)));
    out.png(QStringLiteral("GBClockP"), segmentDigit(6, 14, 10, QColor(90, 255, 120)).transformed(QTransform().rotate(90)));
    const std::array<std::pair<const char *, QColor>, 7> clocks = {
        {{"GRClock", QColor(255, 60, 60)}, {"GAClock", QColor(80, 200, 255)}, {"GGClock", QColor(80, 255, 110)},
         {"GYClock", QColor(255, 230, 60)}, {"GVClock", QColor(220, 120, 255)}, {"GLClock", QColor(200, 255, 200)},
         {"GNClock", QColor(255, 160, 60)}}};
    for (const auto &[name, colour] : clocks) {
        for (int d = 0; d <= 9; ++d)
            out.png(QString::fromLatin1(name) + QString::number(d), segmentDigit(14, 20, d, colour));
        out.png(QString::fromLatin1(name) + QStringLiteral("M"), segmentDigit(14, 20, 10, colour));
    }

    out.png(QStringLiteral("PngMenu1"), menuPicture(QColor(250, 220, 140), false));
    out.png(QStringLiteral("PngMenu2"), menuPicture(QColor(230, 180, 255), true));
    // The lettered language pictures ("Cap", "Elite", "Net__" + code) come
    // from the language art tool, in each language's own words.

    // Cursors: PNG files of 32 x 32 pixels; the wait cursor is a strip of eight frames.
    out.raw(QStringLiteral("CURSOR"), QStringLiteral("CURARROW.png"), EncodeImage(arrowCursor(false), "PNG"));
    out.raw(QStringLiteral("ANICURSOR"), QStringLiteral("CURHAND.png"), EncodeImage(arrowCursor(true), "PNG"));
    out.raw(QStringLiteral("ANICURSOR"), QStringLiteral("CUREDIT.png"), EncodeImage(editCursor(), "PNG"));
    out.raw(QStringLiteral("ANICURSOR"), QStringLiteral("CURWAIT.png"), EncodeImage(waitCursorStrip(), "PNG"));
}

void AddDecorPack(const PackSink &sink)
{
    const auto png = [&](const QString &name, const QImage &image) { sink(QStringLiteral("RCDATA"), name, EncodeImage(image, "PNG")); };
    const auto jpeg = [&](const QString &name, const QImage &image) {
        sink(QStringLiteral("JPEG"), name, EncodeImage(image.convertToFormat(QImage::Format_RGB888), "JPEG", 90));
    };
    // The lilac table of the decor design.
    QImage lilac = RenderBackground(6, 6, QSize(1520, 1000));
    jpeg(QStringLiteral("BGLilu"), lilac);

    // Purple window pictures and their language headers.
    struct Form { const char *name; const char *title; QSize size; };
    const std::array<Form, 8> forms = {{{"GFormOpt", "Options", {410, 520}},
                                        {"GFormSpeed", "Speed", {310, 300}},
                                        {"GFormEndG", "Game over", {600, 620}},
                                        {"GFormStat", "Statistics", {530, 480}},
                                        {"GFormRadio", "Radio", {325, 330}},
                                        {"GFormAdv", "Our games", {400, 470}},
                                        {"GFormThank", "Support us!", {480, 500}},
                                        {"GFormKing", "Contract", {400, 300}}}};
    for (const Form &f : forms) {
        QImage window = RenderBackground(6, 6, f.size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        {
            QPainter p(&window);
            setup(p);
            p.setPen(QPen(Gold, 3));
            p.drawRoundedRect(QRectF(4, 4, f.size.width() - 8, f.size.height() - 8), 12, 12);
        }
        jpeg(QString::fromLatin1(f.name), window);
        for (const char *code : LanguageCodes)
            png(QString::fromLatin1(f.name) + QLatin1String(code), titleWord(300, 70, QString::fromUtf8(f.title), Gold));
    }
    png(QStringLiteral("GFormStatL"), titleWord(300, 70, QStringLiteral("Statistics"), Gold));
    png(QStringLiteral("GFormRadioL"), titleWord(260, 70, QStringLiteral("Radio"), Gold));
    png(QStringLiteral("SupportUs"), titleWord(400, 80, QStringLiteral("Support us!"), Gold));

    // 48-pixel icon strips: a suit that turns and glows.
    struct Strip { const char *name; int frames; int suit; };
    for (const Strip &s : {Strip{"GIcon48Opt", 10, 1}, Strip{"GIcon48Speed", 10, 2}, Strip{"GIcon48WT", 20, 4},
                           Strip{"GIcon48Stat", 19, 3}})
        png(QString::fromLatin1(s.name), strip(48, s.frames, [&s](QPainter &p, int, double t) {
                const double scale = std::abs(std::cos(t * M_PI));
                QRadialGradient glow(QPointF(24, 24), 24);
                glow.setColorAt(0, QColor(255, 230, 150, int(160 * (1 - scale))));
                glow.setColorAt(1, QColor(255, 230, 150, 0));
                p.fillRect(QRectF(0, 0, 48, 48), glow);
                const QImage suit = RenderSuitSymbol(0, s.suit, QSize(36, 36), false);
                p.translate(24, 24);
                p.scale(std::max(0.08, scale), 1);
                p.drawImage(QPointF(-18, -18), suit);
            }));

    // The purple look's game-kind animations.
    const std::array<int, 7> suits = {1, 2, 3, 4, 3, 4, 2};
    for (int k = 0; k < 7; ++k) {
        const int suit = suits[size_t(k)];
        sink(QStringLiteral("GIF"), QStringLiteral("Gif") + QChar(u'A' + k),
             EncodeGif(frames(60, 75, 12, [suit](QPainter &p, double t) { turningSuit(p, t, 60, 75, suit); }), 10));
    }

    // The touch effect: 30 frames of 100 x 100, rings spreading from the centre.
    png(QStringLiteral("GTouch"), strip(100, 30, [](QPainter &p, int, double t) {
            for (int ring = 0; ring < 3; ++ring) {
                const double r = std::fmod(t + ring / 3.0, 1.0);
                p.setPen(QPen(QColor(255, 220, 120, int(230 * (1 - r))), 3 * (1 - r) + 1));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPointF(50, 50), 6 + 42 * r, 6 + 42 * r);
            }
        }));
}

} // namespace halvane::art
