#include "MessageBoard.h"

#include "ScaleState.h"
#include "TableArt.h"
#include "TablePainting.h"
#include "TextDrawing.h"

#include <QFontMetrics>

namespace halvane {

QColor MessageBoard::KindColour(int kind)
{
    switch (kind) {
    case 2: return QColor(0, 0, 128);
    case 3: return QColor(0, 128, 0);
    case 4: return QColor(128, 128, 0);
    default: return QColor(128, 0, 0);
    }
}

QString MessageBoard::ShortenLine(const QString &text, int limit, const std::function<int(const QString &)> &width)
{
    QString shown = text.mid(1);
    int cuts = 0;
    while (cuts < MaxCuts && !shown.isEmpty() && width(shown) > limit) {
        shown.chop(1);
        ++cuts;
    }
    if (cuts > 0)
        shown += QStringLiteral("...");
    return shown;
}

void MessageBoard::DrawMessageBoard(QImage &board, const QImage &under, const TableArt &art, int kind,
                                    const QString &text)
{
    const QFontMetrics fm(SlotFont(2, Scaled(14)));
    const auto width = [&fm](const QString &t) { return fm.horizontalAdvance(t); };
    m_lines.push_back({ShortenLine(text, Scaled(85), width), kind});
    while (int(m_lines.size()) > LineCount)
        m_lines.pop_front();
    Redraw(board, under, art);
}

void MessageBoard::Redraw(QImage &board, const QImage &under, const TableArt &art) const
{
    board = under.copy();
    QPainter p(&board);
    const QImage frame = PanelPictureOf(art, QStringLiteral("RamkaERSm"), QStringLiteral("RamkaERBg"), board.size());
    if (!frame.isNull())
        p.drawImage(0, 0, frame);
    p.setFont(SlotFont(2, Scaled(14)));
    for (size_t k = 0; k < m_lines.size(); ++k) {
        p.setPen(KindColour(m_lines[k].kind));
        TextAt(p, Scaled(20), Scaled(14 * int(k + 1) + 3), m_lines[k].text);
    }
}

} // namespace halvane
