#include "LanguagePictures.h"

#include "CardVoice.h"
#include "PhraseForms.h"
#include "platform/ResourceRegistry.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace halvane {

namespace {

bool ValidIndex(int languageIndex) { return languageIndex >= 0 && languageIndex < LanguageCount; }

void Stripes(QPainter &p, const QRectF &r, std::initializer_list<QColor> colours, bool vertical, std::initializer_list<double> weights = {})
{
    std::vector<double> w(weights);
    if (w.empty())
        w.assign(colours.size(), 1.0);
    double total = 0;
    for (double x : w)
        total += x;
    double at = 0;
    std::size_t i = 0;
    for (const QColor &c : colours) {
        const double part = w[i++] / total;
        const QRectF band = vertical ? QRectF(r.left() + at * r.width(), r.top(), part * r.width() + 0.5, r.height())
                                     : QRectF(r.left(), r.top() + at * r.height(), r.width(), part * r.height() + 0.5);
        p.fillRect(band, c);
        at += part;
    }
}

QPainterPath Star(QPointF centre, double radius)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = (i % 2) ? radius * 0.4 : radius;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void UnionFlag(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(1, 33, 105));
    const double u = r.height() / 6.0;
    p.setPen(QPen(Qt::white, u * 1.2));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(QColor(200, 16, 46), u * 0.45));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.fillRect(QRectF(r.left(), r.center().y() - u, r.width(), 2 * u), Qt::white);
    p.fillRect(QRectF(r.center().x() - u, r.top(), 2 * u, r.height()), Qt::white);
    p.fillRect(QRectF(r.left(), r.center().y() - u * 0.6, r.width(), 1.2 * u), QColor(200, 16, 46));
    p.fillRect(QRectF(r.center().x() - u * 0.6, r.top(), 1.2 * u, r.height()), QColor(200, 16, 46));
}

void KoreanFlag(QPainter &p, const QRectF &r)
{
    p.fillRect(r, Qt::white);
    const double radius = r.height() * 0.25;
    const QRectF disc(r.center().x() - radius, r.center().y() - radius, 2 * radius, 2 * radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 46, 58));
    p.drawPie(disc, 0, 180 * 16);
    p.setBrush(QColor(0, 71, 160));
    p.drawPie(disc, 180 * 16, 180 * 16);
    p.setBrush(QColor(205, 46, 58));
    p.drawEllipse(QRectF(disc.left(), r.center().y() - radius / 2, radius, radius));
    p.setBrush(QColor(0, 71, 160));
    p.drawEllipse(QRectF(r.center().x(), r.center().y() - radius / 2, radius, radius));
    // The four trigrams, as plain bars in the corners.
    p.setBrush(Qt::black);
    const double bar = r.height() * 0.06;
    const double len = r.height() * 0.2;
    for (const QPointF corner : {QPointF(0.2, 0.25), QPointF(0.8, 0.25), QPointF(0.2, 0.75), QPointF(0.8, 0.75)}) {
        const QPointF c(r.left() + corner.x() * r.width(), r.top() + corner.y() * r.height());
        for (int k = -1; k <= 1; ++k)
            p.drawRect(QRectF(c.x() - len / 2, c.y() + k * bar * 1.8 - bar / 2, len, bar));
    }
}

} // namespace

QString ImageLanguageCode(int languageIndex)
{
    if (languageIndex == 8 || languageIndex == 9)
        return QStringLiteral("Eng");
    return LanguageCode(languageIndex);
}

QString LanguagePictureName(const QString &base, int languageIndex)
{
    return base + ImageLanguageCode(languageIndex);
}

QString BigFlagName(int languageIndex)
{
    return QStringLiteral("FlagO") + LanguageCode(languageIndex);
}

QString LanguageListName(int languageIndex)
{
    static const char *const names[LanguageCount] = {"English", "Русский", "Deutsche", "Français", "Español",
                                                     "中文", "Italiano", "Čeština", "日本", "한국인"};
    return QString::fromUtf8(names[ValidIndex(languageIndex) ? languageIndex : 0]);
}

QImage LanguagePicture(const QString &base, int languageIndex)
{
    return QImage::fromData(ResourceRegistry::instance().data(ResourceType::RcData, LanguagePictureName(base, languageIndex)));
}

QImage BigFlag(int languageIndex)
{
    return QImage::fromData(ResourceRegistry::instance().data(ResourceType::RcData, BigFlagName(languageIndex)));
}

QImage DrawLanguageFlag(int languageIndex, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    switch (ValidIndex(languageIndex) ? languageIndex : 0) {
    case 0: UnionFlag(p, r); break;
    case 1: Stripes(p, r, {Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}, false); break;
    case 2: Stripes(p, r, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false); break;
    case 3: Stripes(p, r, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}, true); break;
    case 4: Stripes(p, r, {QColor(170, 21, 27), QColor(241, 191, 0), QColor(170, 21, 27)}, false, {1, 2, 1}); break;
    case 5:
        p.fillRect(r, QColor(222, 41, 16));
        p.fillPath(Star(QPointF(r.width() * 0.2, r.height() * 0.28), r.height() * 0.18), QColor(255, 222, 0));
        break;
    case 6: Stripes(p, r, {QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)}, true); break;
    case 7: {
        Stripes(p, r, {Qt::white, QColor(215, 20, 26)}, false);
        QPainterPath wedge;
        wedge.moveTo(r.topLeft());
        wedge.lineTo(r.width() * 0.5, r.height() * 0.5);
        wedge.lineTo(r.bottomLeft());
        wedge.closeSubpath();
        p.fillPath(wedge, QColor(17, 69, 126));
        break;
    }
    case 8:
        p.fillRect(r, Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(188, 0, 45));
        p.drawEllipse(r.center(), r.height() * 0.3, r.height() * 0.3);
        break;
    case 9: KoreanFlag(p, r); break;
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0, 0, 0, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    return image;
}

} // namespace halvane
