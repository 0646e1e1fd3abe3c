#include "DigitalClock.h"

#include "ScaleState.h"
#include "TableArt.h"

#include <QPainter>

namespace halvane {

std::vector<DigitalClock::Digit> DigitalClock::Digits(const QTime &time)
{
    std::vector<Digit> digits;
    const int h = time.hour();
    const int m = time.minute();
    if (h / 10 != 0)
        digits.push_back({14, h / 10});
    digits.push_back({34, h % 10});
    digits.push_back({61, m / 10});
    digits.push_back({81, m % 10});
    return digits;
}

bool DigitalClock::Shown()
{
    return CurrentScale().scaleFactor >= 1.6;
}

void DigitalClock::DrawClock(QImage &image, const TableArt &art, const QTime &time)
{
    image = QImage(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.drawImage(0, 0, art.picture(QStringLiteral("GClockBG")));
    for (const Digit &d : Digits(time))
        p.drawImage(d.x, 15, art.picture(QStringLiteral("GBClock%1").arg(d.value)));
    if (ColonShown(time))
        p.drawImage(55, 24, art.picture(QStringLiteral("GBClockP")));
}

} // namespace halvane
