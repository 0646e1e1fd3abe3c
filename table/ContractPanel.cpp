#include "ContractPanel.h"

#include "Dictionary.h"
#include "ScaleState.h"
#include "TableArt.h"
#include "TablePainting.h"
#include "TextDrawing.h"
#include "phrases/GameTablePhrases.h"

#include <algorithm>

namespace halvane {

QStringList ContractPanel::ContractLines(int contract)
{
    if (contract < 1 || contract > 14)
        return {};
    const bool negative = contract <= 7;
    const int object = negative ? contract : contract - 7;
    QStringList lines;
    if (negative)
        lines << Phrase(ph::ToNot) << Phrase(ph::TakeWord);
    else
        lines << QString() << Phrase(ph::ToTake);
    switch (object) {
    case 1: lines << Phrase(ph::Tricks); break;
    case 2: lines << Phrase(ph::Boys); break;
    case 3: lines << Phrase(ph::Girls); break;
    case 4: lines << Phrase(ph::Hearts); break;
    case 5: lines << Phrase(ph::King); break;
    case 6: lines << Phrase(ph::Two) << Phrase(ph::Last); break;
    default: lines << Phrase(ph::All); break;
    }
    return lines;
}

bool ContractPanel::ForbidsHeartLead(int contract)
{
    switch (contract) {
    case 4: case 5: case 7: case 11: case 12: case 14: return true;
    default: return false;
    }
}

QImage ContractPanel::FrameOver(const QImage &under, const TableArt &art)
{
    QImage face = under.copy();
    QPainter p(&face);
    const QImage frame = PanelPicture(art, QStringLiteral("RamkaAB"), under.size());
    if (!frame.isNull())
        p.drawImage(0, 0, frame);
    return face;
}

void ContractPanel::Draw(QImage &panel, const QImage &under, const TableArt &art, int round, int contract)
{
    panel = FrameOver(under, art);
    QPainter p(&panel);
    p.setFont(FamilyFont("decor", Scaled(26)));
    p.setPen(QColor(0, 0, 255));
    CentreText(Phrase(ph::Round) + QLatin1Char(' ') + QString::number(round), 0, panel.width(), p, Scaled(15));

    const bool noHearts = ForbidsHeartLead(contract);
    const int firstY = noHearts ? 40 : 45;
    p.setFont(FamilyFont("decor", Scaled(16), true));
    p.setPen(QColor(128, 64, 0));
    const QStringList lines = ContractLines(contract);
    for (int k = 0; k < lines.size(); ++k)
        CentreText(lines[k], 0, panel.width(), p, Scaled(firstY + 15 * k));
    if (!noHearts)
        return;
    if (CurrentScale().windowSize == 1) {
        p.drawImage(43, 100, art.picture(QStringLiteral("NOCH")));
    } else {
        p.drawImage(RoundHalfEven(panel.width() / 2.0) - 15, Scaled(100), art.picture(QStringLiteral("NOCHB")));
    }
}

void ContractPanel::ThinkingFrame(QImage &panel, int percent)
{
    percent = std::clamp(percent, 0, 100);
    QPainter p(&panel);
    const QRect bar(QPoint(Scaled(20), Scaled(125)), QPoint(Scaled(90) - 1, Scaled(140) - 1));
    p.setPen(QColor(128, 0, 0));
    p.setBrush(QColor(255, 255, 200));
    p.drawRect(bar.adjusted(0, 0, -1, -1));
    const int filled = Scaled(RoundHalfEven(percent * 70 / 100.0));
    if (filled > 0) {
        p.setPen(QColor(128, 0, 0));
        p.setBrush(QColor(255, 200, 200));
        p.drawRect(QRect(bar.left(), bar.top(), filled, bar.height()).adjusted(0, 0, -1, -1));
    }
    p.setFont(FamilyFont("serif", Scaled(16)));
    p.setPen(QColor(255, 0, 0));
    CentreText(QString::number(percent) + QLatin1Char('%'), 0, Scaled(110), p, Scaled(125));
}

void ContractPanel::ClearThinkingFrame(QImage &panel, const QImage &under, const TableArt &art)
{
    const QImage face = FrameOver(under, art);
    const QRect area(Scaled(20), Scaled(125), Scaled(70), Scaled(25));
    QPainter p(&panel);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(area.topLeft(), face, area);
}

} // namespace halvane
