#include "CardArt.h"

#include "Noise.h"
#include "SvgDeck.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QLinearGradient>
#include <QtMath>
#include <array>
#include <memory>

namespace halvane::art {

namespace {

const QColor White(255, 255, 255);
const QColor Cream(255, 248, 232);
const QColor Ivory(250, 246, 236);
const QColor Pearl(244, 246, 252);
const QColor Linen(252, 242, 226);

// Face sets by index. Each name is matched to the deck whose look fits it
// best; where no deck fits, a deck is reused under another paper.
const std::array<CardSetLook, 48> Looks = {{
    {"kde:standard", White},             // 0 Classical-1
    {"ais:ancient_french", Cream},       // 1 Medieval-1
    {"ais:anglo_modern", White},         // 2 Modern
    {"kde:ancient-egyptians", White},    // 3 Ancient Egypt
    {"ais:lattmann", Pearl},             // 4 Baronesse
    {"kde:nicu-ornamental", White},      // 5 Celtic
    {"kde:jolly-royal", White},          // 6 Corona
    {"ais:guyenne-classic", Ivory},      // 7 Crown
    {"ais:anglo", White},                // 8 English Pattern
    {"ais:berlin", White},               // 9 Frankfurt
    {"ais:swiss-xvii", Cream},           // 10 Historical costumes
    {"ais:tango", Linen},                // 11 Native Americans
    {"ais:gnomangelo", Cream},           // 12 Old Garden Roses
    {"kde:konqi-modern", White},         // 13 Parrots
    {"ais:bellot", Ivory},               // 14 Royal
    {"ais:lattmann", Cream},             // 15 Shakespeare
    {"ais:neoclassical", White},         // 16 Big Ben
    {"ais:anglo_bitmap", Ivory},         // 17 Four Reigns of English History
    {"kde:oxygen-white", White},         // 18 Large Print London
    {"ais:paris", White},                // 19 Classical-2
    {"ais:neoclassical_4_color", Pearl}, // 20 Hearts
    {"kde:oxygen", White},               // 21 Seasons
    {"ais:rheinland", Cream},            // 22 Rhine Style
    {"kde:dondorf", Ivory},              // 23 Medieval-2
    {"ais:tango", White},                // 24 Doods
    {"kde:oxygen-air", White},           // 25 Playboy
    {"ais:gnomangelo_bitmap", White},    // 26 Epic
    {"ais:atlasnye", White},             // 27 USSR
    {"ais:plastic", White},              // 28 Plastic
    {"kde:xskat-german", Cream},         // 29 Skat - German suits
    {"ais:anglo_modern_4_color", White}, // 30 Skat - Tournament suits
    {"kde:xskat-french", White},         // 31 Skat - French suits
    {"kde:nicu-white", White},           // 32 White palekh
    {"ais:dondorf", Ivory},              // 33 Diana
    {"ais:orell", Cream},                // 34 Princely
    {"kde:gm-paris", White},             // 35 For solitaires
    {"ais:Атласные", Pearl},             // 36 Satin
    {"ais:slavic_costumes", Cream},      // 37 Slavic
    {"ais:tango_nuevo", Linen},          // 38 Maya
    {"ais:atlasnye_skat", Linen},        // 39 Bast
    {"ais:ancient_french", White},       // 40 French
    {"ais:tarocco", Cream},              // 41 Spanish 1
    {"ais:tigullio", Ivory},             // 42 Spanish 2
    {"kde:tigullio-international", White}, // 43 Spanish 3
    {"ais:tigullio", Linen},             // 44 Spanish 4
    {"kde:penguins", White},             // 45 Chinese
    {"kde:tigullio-international", Ivory}, // 46 Italian
    {"ais:orell", White},                // 47 Czech
}};

const SvgDeck *deckOf(const QString &shortName)
{
    static QHash<QString, std::shared_ptr<SvgDeck>> decks;
    auto it = decks.find(shortName);
    if (it == decks.end()) {
        const QString file = DeckFile(shortName);
        it = decks.insert(shortName, file.isEmpty() ? nullptr : std::make_shared<SvgDeck>(file));
    }
    return it.value() && it.value()->isValid() ? it.value().get() : nullptr;
}

// Multiplies the near-white paper of a face by the set's tint, leaving inks alone.
void tintPaper(QImage &image, const QColor &paper)
{
    if (paper == White)
        return;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            if (qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235)
                line[x] = qRgba(qRed(c) * paper.red() / 255, qGreen(c) * paper.green() / 255,
                                qBlue(c) * paper.blue() / 255, qAlpha(c));
        }
    }
}

QPainterPath suitPath(int suit, const QRectF &r)
{
    QPainterPath path;
    const double w = r.width(), h = r.height(), x = r.x(), y = r.y();
    const QPointF c = r.center();
    switch (suit) {
    case 1: // heart
        path.moveTo(c.x(), y + h * 0.95);
        path.cubicTo(x - w * 0.05, y + h * 0.55, x + w * 0.05, y + h * 0.02, c.x(), y + h * 0.25);
        path.cubicTo(x + w * 0.95, y + h * 0.02, x + w * 1.05, y + h * 0.55, c.x(), y + h * 0.95);
        break;
    case 2: // diamond
        path.moveTo(c.x(), y + h * 0.02);
        path.quadTo(x + w * 0.62, y + h * 0.36, x + w * 0.92, c.y());
        path.quadTo(x + w * 0.62, y + h * 0.64, c.x(), y + h * 0.98);
        path.quadTo(x + w * 0.38, y + h * 0.64, x + w * 0.08, c.y());
        path.quadTo(x + w * 0.38, y + h * 0.36, c.x(), y + h * 0.02);
        break;
    case 3: { // club
        const double rr = w * 0.22;
        path.addEllipse(QPointF(c.x(), y + h * 0.27), rr, rr);
        path.addEllipse(QPointF(x + w * 0.27, y + h * 0.56), rr, rr);
        path.addEllipse(QPointF(x + w * 0.73, y + h * 0.56), rr, rr);
        QPainterPath stem;
        stem.moveTo(c.x() - w * 0.05, y + h * 0.5);
        stem.quadTo(c.x() - w * 0.06, y + h * 0.85, x + w * 0.28, y + h * 0.97);
        stem.lineTo(x + w * 0.72, y + h * 0.97);
        stem.quadTo(c.x() + w * 0.06, y + h * 0.85, c.x() + w * 0.05, y + h * 0.5);
        stem.closeSubpath();
        path = path.united(stem);
        break;
    }
    default: { // spade
        QPainterPath blade;
        blade.moveTo(c.x(), y + h * 0.02);
        blade.cubicTo(x + w * 1.05, y + h * 0.45, x + w * 0.95, y + h * 0.85, c.x(), y + h * 0.66);
        blade.cubicTo(x + w * 0.05, y + h * 0.85, x - w * 0.05, y + h * 0.45, c.x(), y + h * 0.02);
        QPainterPath stem;
        stem.moveTo(c.x() - w * 0.04, y + h * 0.6);
        stem.quadTo(c.x() - w * 0.06, y + h * 0.86, x + w * 0.28, y + h * 0.97);
        stem.lineTo(x + w * 0.72, y + h * 0.97);
        stem.quadTo(c.x() + w * 0.06, y + h * 0.86, c.x() + w * 0.04, y + h * 0.6);
        stem.closeSubpath();
        path = blade.united(stem);
        break;
    }
    }
    return path;
}

// A fallback face in our own drawing, for a machine without the decks.
QImage drawnFace(int suit, int rank, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(White);
    p.drawRoundedRect(r, size.width() * 0.08, size.width() * 0.08);
    const QColor ink = suit <= 2 ? QColor(200, 20, 30) : QColor(20, 20, 20);
    static const char *const ranks[] = {"", "", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(true);
    f.setPixelSize(std::max(8, size.height() / 7));
    p.setFont(f);
    p.setPen(ink);
    p.drawText(QRectF(3, 2, size.width() / 3.0, size.height() / 6.0), Qt::AlignCenter,
               QString::fromLatin1(ranks[rank]));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const double s = size.width() * 0.45;
    p.drawPath(suitPath(suit, QRectF(size.width() / 2.0 - s / 2, size.height() / 2.0 - s / 2, s, s)));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The ink of back number 1..10: deep, card-like colours.
QColor backInk(int index)
{
    static const std::array<QColor, 10> inks = {
        QColor(150, 24, 36),  QColor(24, 52, 130), QColor(22, 104, 60), QColor(96, 34, 120), QColor(18, 110, 120),
        QColor(120, 30, 70),  QColor(40, 40, 48),  QColor(130, 80, 20), QColor(60, 80, 110), QColor(90, 100, 30)};
    return inks[size_t((index - 1) % 10)];
}

const QColor Gold(212, 175, 80);

void drawTile(QPainter &p, int backSet, const QRectF &cell, const QColor &ink, const QColor &light, int i, int j)
{
    const QPointF c = cell.center();
    const double w = cell.width(), h = cell.height();
    switch (backSet) {
    case 1: { // quatrefoils
        p.setBrush(light);
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(c);
            p.rotate(45 + 90 * k);
            p.drawEllipse(QRectF(-w * 0.12, -h * 0.42, w * 0.24, h * 0.36));
            p.restore();
        }
        p.setBrush(Gold);
        p.drawEllipse(c, w * 0.08, w * 0.08);
        break;
    }
    case 2: { // lattice with beads
        p.setPen(QPen(light, w * 0.08));
        p.drawLine(cell.topLeft(), cell.bottomRight());
        p.drawLine(cell.topRight(), cell.bottomLeft());
        p.setPen(Qt::NoPen);
        p.setBrush(Gold);
        p.drawEllipse(c, w * 0.12, w * 0.12);
        break;
    }
    case 3: { // kilim rings
        for (int k = 3; k >= 1; --k) {
            p.setBrush(k % 2 ? light : ink.darker(130));
            QPolygonF d;
            d << QPointF(c.x(), c.y() - h * 0.16 * k) << QPointF(c.x() + w * 0.16 * k, c.y())
              << QPointF(c.x(), c.y() + h * 0.16 * k) << QPointF(c.x() - w * 0.16 * k, c.y());
            p.drawPolygon(d);
        }
        break;
    }
    case 4: { // crosses
        p.setBrush(light);
        p.drawRect(QRectF(c.x() - w * 0.1, c.y() - h * 0.35, w * 0.2, h * 0.7));
        p.drawRect(QRectF(c.x() - w * 0.35, c.y() - h * 0.1, w * 0.7, h * 0.2));
        break;
    }
    case 5: // chess board
        if ((i + j) % 2) {
            p.setBrush(light);
            p.drawRect(cell);
        }
        break;
    case 6: { // argyle
        QPolygonF d;
        d << QPointF(c.x(), cell.top()) << QPointF(cell.right(), c.y()) << QPointF(c.x(), cell.bottom())
          << QPointF(cell.left(), c.y());
        p.setBrush((i + j) % 2 ? light : ink.darker(125));
        p.drawPolygon(d);
        p.setPen(QPen(Gold, std::max(0.6, w * 0.03), Qt::DashLine));
        p.drawPolygon(d);
        p.setPen(Qt::NoPen);
        break;
    }
    case 8: { // paw prints
        if ((i + j) % 2)
            break;
        p.setBrush(light);
        p.drawEllipse(QPointF(c.x(), c.y() + h * 0.12), w * 0.2, h * 0.16);
        for (int k = 0; k < 4; ++k) {
            const double a = qDegreesToRadians(-135.0 + k * 30.0 + 22.5);
            p.drawEllipse(QPointF(c.x() + std::cos(a) * w * 0.3, c.y() + h * 0.05 + std::sin(a) * h * 0.3), w * 0.08,
                          h * 0.1);
        }
        break;
    }
    case 9: { // rosettes
        for (int k = 0; k < 6; ++k) {
            p.save();
            p.translate(c);
            p.rotate(k * 60 + (i + j) * 15);
            p.setBrush(k % 2 ? light : light.lighter(115));
            p.drawEllipse(QRectF(-w * 0.09, -h * 0.4, w * 0.18, h * 0.36));
            p.restore();
        }
        p.setBrush(Gold);
        p.drawEllipse(c, w * 0.09, w * 0.09);
        break;
    }
    case 12: { // golden petals on red and black
        p.setBrush((i + j) % 2 ? QColor(190, 30, 30) : Gold);
        for (int k = 0; k < 5; ++k) {
            p.save();
            p.translate(c);
            p.rotate(k * 72 + i * 20);
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.quadTo(w * 0.18, -h * 0.2, 0, -h * 0.42);
            leaf.quadTo(-w * 0.18, -h * 0.2, 0, 0);
            p.drawPath(leaf);
            p.restore();
        }
        break;
    }
    default: { // knightly lattice
        p.setPen(QPen(light, std::max(0.8, w * 0.06)));
        p.drawRect(cell.adjusted(w * 0.15, h * 0.15, -w * 0.15, -h * 0.15));
        p.setPen(Qt::NoPen);
        break;
    }
    }
}

void drawEmblem(QPainter &p, int backSet, const QRectF &r, const QColor &ink)
{
    const QPointF c = r.center();
    const double s = std::min(r.width(), r.height());
    if (backSet == 7) { // a shield
        QPainterPath shield;
        shield.moveTo(c.x() - s * 0.3, c.y() - s * 0.34);
        shield.lineTo(c.x() + s * 0.3, c.y() - s * 0.34);
        shield.quadTo(c.x() + s * 0.32, c.y() + s * 0.15, c.x(), c.y() + s * 0.4);
        shield.quadTo(c.x() - s * 0.32, c.y() + s * 0.15, c.x() - s * 0.3, c.y() - s * 0.34);
        p.setPen(QPen(Gold, s * 0.04));
        p.setBrush(ink.darker(140));
        p.drawPath(shield);
        p.setPen(Qt::NoPen);
        p.setBrush(Gold);
        p.drawPath(suitPath(4, QRectF(c.x() - s * 0.14, c.y() - s * 0.2, s * 0.28, s * 0.34)));
        return;
    }
    // An oval medallion with a suit, as on classic backs.
    p.setPen(QPen(Gold, s * 0.025));
    p.setBrush(ink.darker(135));
    p.drawEllipse(c, s * 0.26, s * 0.34);
    p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    p.drawPath(suitPath(1 + backSet % 4, QRectF(c.x() - s * 0.13, c.y() - s * 0.15, s * 0.26, s * 0.3)));
}

// Backs of the sets "Places" and "Other" come from the decks' own backs.
const char *const DeckBacks[2][10] = {
    {"ais:paris", "ais:bellot", "ais:berlin", "ais:dondorf", "ais:guyenne-classic", "ais:lattmann", "ais:orell",
     "ais:rheinland", "ais:swiss-xvii", "ais:tigullio"},
    {"kde:standard", "kde:oxygen", "kde:penguins", "kde:konqi-modern", "kde:jolly-royal", "kde:future",
     "kde:nicu-ornamental", "kde:ancient-egyptians", "kde:gm-paris", "kde:xskat-german"}};

} // namespace

CardSetLook LookOf(int cardSet)
{
    return Looks[size_t(std::clamp(cardSet, 0, 47))];
}

QImage RenderFace(int cardSet, int suit, int rank, QSize size)
{
    const CardSetLook look = LookOf(cardSet);
    const SvgDeck *deck = deckOf(QString::fromUtf8(look.deck));
    QImage image = deck ? deck->face(suit, rank, size) : drawnFace(suit, rank, size);
    tintPaper(image, look.paper);
    return image;
}

QImage RenderBack(int backSet, int index, QSize size)
{
    if (backSet == 10 || backSet == 11) {
        if (const SvgDeck *deck = deckOf(QString::fromLatin1(DeckBacks[backSet - 10][(index - 1) % 10])))
            return deck->back(size);
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    const double radius = w * 0.08;
    const QRectF outer(0.5, 0.5, w - 1, h - 1);
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Cream);
    p.drawRoundedRect(outer, radius, radius);

    const QColor ink = backSet == 12 ? QColor(24, 20, 20) : backInk(index + backSet);
    const QColor light = mix(ink, White, 0.35);
    const double margin = std::max(3.0, w * 0.06);
    const QRectF inner = outer.adjusted(margin, margin, -margin, -margin);
    QPainterPath clip;
    clip.addRoundedRect(inner, radius * 0.6, radius * 0.6);
    p.setClipPath(clip);
    QLinearGradient g(inner.topLeft(), inner.bottomRight());
    g.setColorAt(0, ink.lighter(115));
    g.setColorAt(1, ink.darker(120));
    p.fillRect(inner, g);

    const int columns = backSet == 5 ? 6 : backSet == 3 || backSet == 7 ? 4 : 5;
    const double cw = inner.width() / columns;
    const int rows = int(std::ceil(inner.height() / cw));
    const double top = inner.center().y() - rows * cw / 2;
    p.setPen(Qt::NoPen);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i)
            drawTile(p, backSet, QRectF(inner.left() + i * cw, top + j * cw, cw, cw), ink, light, i, j);
    if (backSet == 0 || backSet == 4 || backSet == 5 || backSet == 6 || backSet == 7)
        drawEmblem(p, backSet, inner, ink);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Gold, std::max(1.0, w * 0.015)));
    p.drawRoundedRect(inner, radius * 0.6, radius * 0.6);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QColor TableColour(int colour)
{
    static const std::array<QColor, 7> colours = {QColor(22, 112, 58),  QColor(150, 28, 34), QColor(196, 104, 24),
                                                  QColor(196, 162, 40), QColor(30, 84, 160), QColor(20, 116, 140),
                                                  QColor(104, 44, 140)};
    return colours[size_t(std::clamp(colour, 0, 6))];
}

QImage RenderBackground(int picture, int colour, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const QColor base = TableColour(colour);
    const double w = size.width(), h = size.height();
    const double unit = w / 760.0;
    const ValueNoise noise(uint32_t(picture * 7919 + colour * 104729 + 17));
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double u = x / unit, v = y / unit;
            double shade = 0; // -1 .. 1, darker .. lighter
            switch (picture) {
            case 1: // fine felt
                shade = 0.35 * noise.fractal(u / 3, v / 3, 4) + 0.12 * noise.at(u * 1.7, v * 1.7);
                break;
            case 2: // classic felt with soft fibres
                shade = 0.28 * noise.fractal(u / 6, v / 6, 5) + 0.15 * noise.at(u * 2.1, v * 0.7);
                break;
            case 3: { // woven cloth
                const double warp = std::sin(u * 1.6) * 0.5 + 0.5, weft = std::sin(v * 1.6) * 0.5 + 0.5;
                shade = 0.25 * (((int(u / 2) + int(v / 2)) % 2) ? warp : weft) - 0.12 + 0.1 * noise.at(u, v);
                break;
            }
            case 4: { // damask diagonals
                const double d = std::sin((u + v) / 9.0) * std::sin((u - v) / 9.0);
                shade = 0.18 * d + 0.1 * noise.fractal(u / 4, v / 4, 3);
                break;
            }
            case 5: // wood grain
                shade = 0.14 * std::sin(u / 5.0 + 9 * noise.fractal(u / 120, v / 12, 3)) + 0.1 * noise.fractal(u / 2, v / 20, 2);
                break;
            case 6: // velvet
                shade = 0.35 * noise.fractal(u / 40, v / 40, 4) + 0.08 * noise.at(u * 2, v * 2);
                break;
            case 7: { // diamonds
                const double a = std::fmod(std::abs(u - 380) + std::abs(v - 250), 40.0);
                shade = (a < 2 ? 0.22 : 0.0) + 0.12 * noise.fractal(u / 5, v / 5, 3) - 0.05;
                break;
            }
            case 8: // satin stripes
                shade = 0.16 * std::sin(u / 6.0) + 0.08 * noise.fractal(u / 3, v / 30, 3);
                break;
            case 9: // leather
                shade = 0.3 * std::abs(noise.fractal(u / 9, v / 9, 4)) - 0.1 + 0.08 * noise.at(u * 1.5, v * 1.5);
                break;
            default: { // marble
                const double m = std::sin(u / 30.0 + v / 50.0 + 5 * noise.fractal(u / 60, v / 60, 5));
                shade = 0.3 * m * m - 0.08;
                break;
            }
            }
            // A light from the centre of the table, falling off to the edges.
            const double dx = (x - w / 2) / (w / 2), dy = (y - h / 2) / (h / 2);
            shade += 0.18 - 0.3 * (dx * dx * 0.7 + dy * dy);
            const double f = 1.0 + shade;
            line[x] = qRgb(std::clamp(int(base.red() * f), 0, 255), std::clamp(int(base.green() * f), 0, 255),
                           std::clamp(int(base.blue() * f), 0, 255));
        }
    }
    return image;
}

QImage RenderSuitSymbol(int cardSet, int suit, QSize size, bool silver)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(silver ? QColor(192, 192, 192) : QColor(Qt::transparent));
    QPainter p(&image);
    // The small bitmaps are keyed on silver: edge pixels must not blend into it.
    p.setRenderHint(QPainter::Antialiasing, !silver);
    const bool red = suit <= 2;
    const bool fourColour = cardSet == 30 || cardSet == 20;
    QColor ink = red ? QColor(204, 16, 28) : QColor(16, 16, 16);
    if (fourColour && suit == 2)
        ink = QColor(20, 70, 200);
    if (fourColour && suit == 3)
        ink = QColor(10, 120, 40);
    const QRectF r(size.width() * 0.06, size.height() * 0.06, size.width() * 0.88, size.height() * 0.88);
    p.setPen(silver ? Qt::NoPen : QPen(ink.darker(160), std::max(0.5, size.width() / 40.0)));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, ink.lighter(150));
    g.setColorAt(1, ink);
    p.setBrush(silver ? QBrush(ink) : QBrush(g));
    p.drawPath(suitPath(suit, r));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace halvane::art
