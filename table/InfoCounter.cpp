#include "InfoCounter.h"

#include "Dictionary.h"
#include "TableArt.h"
#include "TablePainting.h"
#include "phrases/AccountPhrases.h"
#include "phrases/CommonPhrases.h"
#include "phrases/GameTablePhrases.h"

#include <QPainter>

namespace halvane {

std::pair<QString, QString> InfoCounter::ShortenCount(long long count)
{
    if (count > 999'999'999)
        return {QString::number(count / 1'000'000'000), QStringLiteral("G")};
    if (count > 999'999)
        return {QString::number(count / 1'000'000), QStringLiteral("M")};
    if (count > 999)
        return {QString::number(count / 1'000), QStringLiteral("K")};
    return {QString::number(count), QString()};
}

QString InfoCounter::DigitPrefix(int mode)
{
    static const char *const prefixes[] = {"GRClock", "GAClock", "GGClock", "GYClock",
                                           "GVClock", "GLClock", "GNClock"};
    return QString::fromLatin1(prefixes[(mode >= 1 && mode <= 7 ? mode : 7) - 1]);
}

std::vector<int> InfoCounter::DigitPositions(int count)
{
    switch (count) {
    case 1: return {50};
    case 2: return {38, 58};
    case 3: return {29, 49, 69};
    case 4: return {27, 42, 57, 72};
    case 5: return {28, 40, 52, 64, 76};
    case 6: return {15, 24, 33, 42, 51, 60};
    default: return {};
    }
}

int InfoCounter::DigitWidth(int count)
{
    switch (count) {
    case 4: return 15;
    case 5: return 12;
    case 6: return 9;
    default: return 0;
    }
}

InfoCounter::Display InfoCounter::Compose(int mode, const InfoFigures &f)
{
    if (mode < 1 || mode > 7)
        mode = 7;
    if (mode == 6 && !f.loggedIn)
        mode = 7;
    Display d;
    d.mode = mode;
    const QString noConnect = QStringLiteral("NO CONNECT");
    auto best = [&](const std::optional<std::pair<QString, long long>> &who, const QString &phrase) {
        if (!f.connected) {
            d.digits = QStringLiteral("00");
            d.hint = phrase + noConnect;
        } else if (!who) {
            d.digits = QStringLiteral("00");
            d.hint = phrase + Phrase(ph::No);
        } else {
            d.digits = QString::number(who->second);
            d.hint = phrase + who->first;
        }
    };
    switch (mode) {
    case 1:
        d.icon = QStringLiteral("Windows");
        d.hint = Phrase(ph::DynamicIq);
        d.label = QStringLiteral("IQ");
        d.labelColour = QColor(255, 0, 0);
        d.digits = f.connected && f.wins + f.losses > 0 ? QString::number(f.wins * 100 / (f.wins + f.losses))
                                                         : QStringLiteral("00");
        if (!f.connected)
            d.hint += QStringLiteral(": ") + noConnect;
        break;
    case 2:
        d.icon = QStringLiteral("Windows");
        d.hint = Phrase(ph::GamesPlayedWithPc);
        d.label = QStringLiteral("D");
        d.labelColour = QColor(0, 255, 255);
        if (f.connected)
            std::tie(d.digits, d.suffix) = ShortenCount(f.gamesPlayed);
        else {
            d.digits = QStringLiteral("00");
            d.hint += QStringLiteral(": ") + noConnect;
        }
        break;
    case 3:
        d.icon = QStringLiteral("Windows");
        best(f.bestWindows, Phrase(ph::BestWindowsPlayer));
        break;
    case 4:
        d.icon = QStringLiteral("Android");
        best(f.bestAndroid, Phrase(ph::BestAndroidPlayer));
        break;
    case 5:
        d.icon = QStringLiteral("Account48");
        best(f.bestAccount, Phrase(ph::BestAccountPlayer));
        break;
    case 6:
        d.icon = QStringLiteral("GVyxs128");
        d.hint = Phrase(ph::Vyxs);
        d.digits = f.connected ? QString::number(f.balance) : QStringLiteral("00");
        if (!f.connected)
            d.hint += QStringLiteral(": ") + noConnect;
        break;
    default:
        d.icon = QStringLiteral("Account48");
        d.hint = Phrase(ph::ClubMembers);
        if (f.connected) {
            d.digits = QString::number(f.clubMembers);
            d.hint += d.digits;
        } else {
            d.digits = QStringLiteral("00");
            d.hint += QLatin1Char(' ') + noConnect;
        }
        break;
    }
    // Six digit places at most: a longer figure keeps its leading six.
    d.digits = d.digits.left(6);
    return d;
}

void InfoCounter::DrawInfoCounter(QImage &image, const TableArt &art, const Display &d)
{
    image = QImage(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(0, 0, art.picture(QStringLiteral("GClockBG")));
    p.drawImage(QRect(10, 10, 16, 16), art.picture(d.icon));
    const QString prefix = DigitPrefix(d.mode);
    const int n = int(d.digits.size());
    const std::vector<int> xs = DigitPositions(n);
    const int w = DigitWidth(n);
    for (int i = 0; i < n && i < int(xs.size()); ++i) {
        const QChar c = d.digits[i];
        QImage digit = art.picture(prefix + (c == QLatin1Char('-') ? QStringLiteral("M") : QString(c)));
        if (w > 0)
            digit = Resampled(digit, QSize(w, 40));
        p.drawImage(xs[size_t(i)], 15, digit);
    }
    if (!d.label.isEmpty()) {
        QFont small(QStringLiteral("MS Sans Serif"));
        small.setPointSize(8);
        p.setFont(small);
        p.setPen(d.labelColour);
        p.drawText(90, 10 + p.fontMetrics().ascent(), d.label);
    }
    if (!d.suffix.isEmpty()) {
        QFont big(QStringLiteral("MS Sans Serif"));
        big.setPointSize(12);
        big.setBold(true);
        p.setFont(big);
        p.setPen(QColor(0, 255, 255));
        p.drawText(90, 25 + p.fontMetrics().ascent(), d.suffix);
    }
}

} // namespace halvane
