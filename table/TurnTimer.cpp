#include "TurnTimer.h"

#include "ScaleState.h"
#include "TableArt.h"
#include "TablePainting.h"
#include "TextDrawing.h"

#include <QFontMetrics>

namespace halvane {

QString TurnTimer::PictureName(int seconds)
{
    return seconds < 8 ? QStringLiteral("GTimerR") : QStringLiteral("GTimerY");
}

QColor TurnTimer::DigitColour(int seconds)
{
    return seconds < 8 ? QColor(255, 255, 0) : QColor(255, 0, 0);
}

void TurnTimer::DrawTurnTimer(QImage &square, const QImage &under, const TableArt &art, int seconds)
{
    square = under.copy();
    if (seconds == -1)
        return;
    QPainter p(&square);
    const QImage picture = Resampled(art.picture(PictureName(seconds)), square.size());
    if (!picture.isNull())
        p.drawImage(0, 0, picture);
    p.setFont(FamilyFont("serif", Scaled(18), true));
    p.setPen(DigitColour(seconds));
    const int h = square.height();
    CentreText(QString::number(seconds), 0, h, p, RoundHalfEven((h - QFontMetrics(p.font()).height()) / 2.0));
}

} // namespace halvane
