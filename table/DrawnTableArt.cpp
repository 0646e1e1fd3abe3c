#include "DrawnTableArt.h"

#include "ScaleState.h"

#include <QLinearGradient>

#include <tuple>
#include <QPainterPath>
#include <QTransform>
#include <QRadialGradient>

namespace halvane {

namespace {

QImage Blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QString RankText(Card card)
{
    switch (RankValue(card)) {
    case 1: return QStringLiteral("7");
    case 2: return QStringLiteral("8");
    case 3: return QStringLiteral("9");
    case 4: return QStringLiteral("10");
    case 5: return QStringLiteral("J");
    case 6: return QStringLiteral("Q");
    case 7: return QStringLiteral("K");
    case 8: return QStringLiteral("A");
    default: return {};
    }
}

QString SuitText(Card card)
{
    switch (SuitIndex(card.suit)) {
    case 1: return QStringLiteral("\u2665");
    case 2: return QStringLiteral("\u2666");
    case 3: return QStringLiteral("\u2663");
    case 4: return QStringLiteral("\u2660");
    default: return {};
    }
}

QImage Panel(int w, int h, const QColor &fill, const QColor &edge, double radius)
{
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1.5, 1.5, w - 3, h - 3);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, fill.lighter(125));
    g.setColorAt(1, fill);
    p.setPen(QPen(edge, 2));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    return image;
}

QImage Bubble(int w, int h, const QColor &fill)
{
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, fill.lighter(140));
    g.setColorAt(1, fill.darker(120));
    p.setPen(QPen(fill.darker(170), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), h / 2.0, h / 2.0);
    return image;
}

QImage HandMark(bool down)
{
    QImage image = Blank(20, 30);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(10, 1);
    arrow.lineTo(19, 15);
    arrow.lineTo(14, 15);
    arrow.lineTo(14, 29);
    arrow.lineTo(6, 29);
    arrow.lineTo(6, 15);
    arrow.lineTo(1, 15);
    arrow.closeSubpath();
    if (down) // the same arrow turned upside down in its 30-pixel box
        arrow = QTransform(1, 0, 0, -1, 0, 30).map(arrow);
    p.setPen(QPen(QColor(90, 40, 0), 1.2));
    p.setBrush(QColor(255, 190, 60));
    p.drawPath(arrow);
    return image;
}

QImage NoHearts(int size)
{
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(size * 2 / 3);
    p.setFont(f);
    p.setPen(QColor(200, 0, 0));
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("\u2665"));
    p.setPen(QPen(QColor(40, 40, 40), size / 10.0));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(size * 0.08, size * 0.08, size * 0.84, size * 0.84);
    p.drawEllipse(ring);
    p.drawLine(ring.topLeft() + QPointF(size * 0.12, size * 0.12), ring.bottomRight() - QPointF(size * 0.12, size * 0.12));
    return image;
}

QImage Digit(const QString &text, const QColor &colour, int w, int h)
{
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setPixelSize(h * 9 / 10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, text);
    return image;
}

QImage Lettering(int w, int h, const QString &text, const QColor &colour)
{
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setBold(true);
    f.setPixelSize(h * 7 / 10);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(QRect(3, 3, w, h), Qt::AlignCenter, text);
    p.setPen(colour);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, text);
    return image;
}

QImage RoundIcon(int size, const QColor &fill, const QString &letter)
{
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(size * 0.35, size * 0.3, size * 0.7);
    g.setColorAt(0, fill.lighter(160));
    g.setColorAt(1, fill.darker(130));
    p.setPen(QPen(fill.darker(200), 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(size / 2);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, letter);
    return image;
}

} // namespace

QImage DrawnTableArt::background(const QSize &clientSize) const
{
    QImage image(clientSize, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    QRadialGradient felt(QPointF(clientSize.width() / 2.0, clientSize.height() / 2.0),
                         clientSize.width() * 0.65);
    felt.setColorAt(0, m_colour.lighter(130));
    felt.setColorAt(1, m_colour.darker(160));
    p.fillRect(image.rect(), felt);
    return image;
}

QImage DrawnTableArt::picture(const QString &name) const
{
    auto it = m_cache.constFind(name);
    if (it != m_cache.constEnd())
        return *it;
    const QImage image = make(name);
    m_cache.insert(name, image);
    return image;
}

QImage DrawnTableArt::make(const QString &name) const
{
    const QString n = name.toLower();
    const bool big = !n.endsWith(QLatin1String("sm"));
    if (n.startsWith(QLatin1String("tablo")))
        return big ? Panel(310, 190, QColor(230, 220, 170), QColor(110, 80, 20), 16)
                   : Panel(155, 95, QColor(230, 220, 170), QColor(110, 80, 20), 8);
    if (n.startsWith(QLatin1String("ramkaab")))
        return big ? Panel(220, 320, QColor(250, 240, 200), QColor(128, 64, 0), 20)
                   : Panel(110, 160, QColor(250, 240, 200), QColor(128, 64, 0), 10);
    if (n.startsWith(QLatin1String("ramkaer")))
        return big ? Panel(260, 180, QColor(245, 245, 235), QColor(60, 60, 90), 16)
                   : Panel(130, 90, QColor(245, 245, 235), QColor(60, 60, 90), 8);
    if (n.startsWith(QLatin1String("sp"))) {
        const bool b = n.endsWith(QLatin1Char('b'));
        const QString colour = b ? n.mid(2, n.size() - 3) : n.mid(2);
        QColor fill(40, 90, 200);
        if (colour == QLatin1String("green")) fill = QColor(30, 140, 50);
        else if (colour == QLatin1String("red")) fill = QColor(190, 30, 30);
        else if (colour == QLatin1String("yellow")) fill = QColor(200, 150, 0);
        else if (colour == QLatin1String("fiolet")) fill = QColor(130, 40, 170);
        return b ? Bubble(320, 40, fill) : Bubble(160, 20, fill);
    }
    if (n == QLatin1String("noch"))
        return NoHearts(24);
    if (n == QLatin1String("nochb"))
        return NoHearts(30);
    if (n == QLatin1String("hand_up"))
        return HandMark(false);
    if (n == QLatin1String("hand_down"))
        return HandMark(true);
    if (n == QLatin1String("gtimerr"))
        return Panel(40, 40, QColor(200, 20, 20), QColor(90, 0, 0), 20);
    if (n == QLatin1String("gtimery"))
        return Panel(40, 40, QColor(240, 210, 40), QColor(120, 90, 0), 20);
    if (n == QLatin1String("advbar3"))
        return Panel(350, 80, QColor(250, 230, 120), QColor(150, 90, 0), 14);
    if (n == QLatin1String("gclockbg"))
        return Panel(115, 64, QColor(20, 20, 30), QColor(120, 120, 140), 8);
    if (n == QLatin1String("gbclockp"))
        return Digit(QStringLiteral(":"), QColor(80, 200, 255), 6, 16);
    if (n.startsWith(QLatin1String("gbclock")) && n.size() == 8)
        return Digit(n.right(1), QColor(80, 200, 255), 18, 34);
    if (n.startsWith(QLatin1String("cap")))
        return Lettering(400, 70, QStringLiteral("Halvane"), QColor(250, 200, 40));
    if (n.startsWith(QLatin1String("elite")))
        return Lettering(350, 40, QStringLiteral("Elite"), QColor(250, 200, 40));
    if (n.startsWith(QLatin1String("net__")))
        return Lettering(350, 40, QStringLiteral("Network game"), QColor(250, 200, 40));
    if (n == QLatin1String("gtitle"))
        return Lettering(300, 90, QStringLiteral("Halvane"), QColor(255, 230, 150));
    static const std::tuple<const char *, QColor, const char *> icons[] = {
        {"advgiftr", QColor(200, 30, 30), "+"}, {"advgiftg", QColor(30, 150, 40), "♥"},
        {"android", QColor(120, 190, 30), "A"}, {"googleplay", QColor(30, 120, 200), "▶"},
        {"earth48", QColor(30, 90, 200), "10"}, {"stats", QColor(150, 90, 20), "%"},
        {"account48", QColor(90, 90, 110), "☺"}, {"help48", QColor(40, 110, 200), "?"},
        {"tour48", QColor(170, 120, 0), "T"}, {"windows", QColor(30, 110, 210), "W"},
        {"gvyxs128", QColor(200, 160, 0), "V"}};
    for (const auto &[icon, colour, letter] : icons)
        if (n == QLatin1String(icon))
            return RoundIcon(48, colour, QString::fromUtf8(letter));
    if (n == QLatin1String("lampr24"))
        return RoundIcon(24, QColor(220, 0, 0), QString());
    if (n == QLatin1String("lampy24"))
        return RoundIcon(24, QColor(230, 200, 0), QString());
    if (n == QLatin1String("lampg24"))
        return RoundIcon(24, QColor(0, 190, 0), QString());
    if (n == QLatin1String("gmedal01"))
        return RoundIcon(32, QColor(230, 180, 0), QStringLiteral("1"));
    if (n == QLatin1String("gmedal02"))
        return RoundIcon(32, QColor(170, 170, 180), QStringLiteral("2"));
    if (n == QLatin1String("gmedal03"))
        return RoundIcon(32, QColor(180, 110, 50), QStringLiteral("3"));
    static const std::pair<const char *, QColor> counterColours[] = {
        {"grclock", QColor(255, 60, 60)}, {"gaclock", QColor(255, 160, 40)}, {"ggclock", QColor(60, 220, 60)},
        {"gyclock", QColor(255, 230, 40)}, {"gvclock", QColor(200, 90, 255)}, {"glclock", QColor(90, 200, 255)},
        {"gnclock", QColor(230, 230, 230)}};
    for (const auto &[prefix, colour] : counterColours)
        if (n.startsWith(QLatin1String(prefix)) && n.size() == 8) {
            const QString c = n.right(1);
            return Digit(c == QLatin1String("m") ? QStringLiteral("-") : c, colour, 18, 40);
        }
    return {};
}

namespace {
// The rounded white card of the current size at (x, y); returns its outline.
QRectF CardFrame(QPainter &p, int x, int y, const QColor &paper)
{
    const ScaleState &s = CurrentScale();
    const QRectF r(x + 0.5, y + 0.5, s.cardWidth - 1, s.cardHeight - 1);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(paper);
    p.drawRoundedRect(r, s.cardWidth / 12.0, s.cardWidth / 12.0);
    return r;
}
} // namespace

void DrawnTableArt::drawCard(QPainter &p, int x, int y, Card card) const
{
    const ScaleState &s = CurrentScale();
    p.save();
    const QRectF r = CardFrame(p, x, y, QColor(253, 252, 245));
    const int suit = SuitIndex(card.suit);
    p.setPen(suit == 1 || suit == 2 ? QColor(200, 0, 0) : QColor(15, 15, 15));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(std::max(6, s.cardHeight / 5));
    p.setFont(f);
    const QRectF corner(x + s.cardWidth * 0.06, y + s.cardHeight * 0.03, s.cardWidth * 0.4, s.cardHeight * 0.22);
    p.drawText(corner, Qt::AlignLeft | Qt::AlignTop, RankText(card));
    f.setPixelSize(std::max(6, s.cardHeight / 6));
    p.setFont(f);
    p.drawText(corner.translated(0, s.cardHeight * 0.2), Qt::AlignLeft | Qt::AlignTop, SuitText(card));
    f.setPixelSize(std::max(8, s.cardHeight * 2 / 5));
    p.setFont(f);
    p.drawText(r.adjusted(s.cardWidth * 0.2, s.cardHeight * 0.2, 0, 0), Qt::AlignCenter, SuitText(card));
    p.restore();
}

void DrawnTableArt::drawCardBack(QPainter &p, int x, int y) const
{
    const ScaleState &s = CurrentScale();
    p.save();
    const QRectF r = CardFrame(p, x, y, QColor(250, 250, 250));
    const QRectF inner = r.adjusted(s.cardWidth * 0.08, s.cardWidth * 0.08, -s.cardWidth * 0.08, -s.cardWidth * 0.08);
    p.setBrush(QBrush(QColor(30, 60, 150), Qt::DiagCrossPattern));
    p.setPen(QPen(QColor(30, 60, 150), 1));
    p.drawRoundedRect(inner, 3, 3);
    p.restore();
}

} // namespace halvane
