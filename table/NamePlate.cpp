#include "NamePlate.h"

#include "ScaleState.h"
#include "TableArt.h"
#include "TablePainting.h"
#include "TextDrawing.h"

#include "FontSlots.h"

#include <QFontMetrics>

namespace halvane {

namespace {
QString WithoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}
} // namespace

QString NamePlate::BubbleName(char colour)
{
    switch (colour) {
    case 'b': return QStringLiteral("SPBlue");
    case 'g': return QStringLiteral("SPGreen");
    case 'r': return QStringLiteral("SPRed");
    case 'y': return QStringLiteral("SPYellow");
    case 'o': return QStringLiteral("SPFiolet");
    default: return {};
    }
}

int NamePlate::FontHeightFor(const QString &text)
{
    const QString shown = WithoutTrailingBlanks(text);
    const int limit = Scaled(150);
    for (int size : {18, 16}) {
        const int h = FontHeight(Scaled(size), "serif");
        if (QFontMetrics(SlotFont(2, h, true)).horizontalAdvance(shown) <= limit)
            return h;
    }
    return FontHeight(Scaled(14), "serif");
}

void NamePlate::Draw(QImage &plate, const QImage &under, const TableArt &art, const QString &text, char colour)
{
    plate = under.copy();
    const QString bubble = BubbleName(colour);
    if (text.isEmpty() || bubble.isEmpty())
        return;
    QPainter p(&plate);
    const QImage picture = PanelPictureOf(art, bubble, bubble + QStringLiteral("B"), plate.size());
    if (!picture.isNull())
        p.drawImage(0, 0, picture);
    const QString shown = WithoutTrailingBlanks(text);
    p.setFont(SlotFont(2, FontHeightFor(shown), true));
    p.setPen(Qt::white);
    const int textHeight = QFontMetrics(p.font()).height();
    CentreText(shown, 0, Scaled(160), p, RoundHalfEven((plate.height() - textHeight) / 2.0));
}

} // namespace halvane
