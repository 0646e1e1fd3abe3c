#pragma once
// The message board of network play (ImageMemo): the last four lines, each in
// the colour of its kind, over the board's frame picture.

#include <QColor>
#include <QImage>
#include <QString>

#include <deque>
#include <functional>

namespace halvane {

class TableArt;

class MessageBoard
{
public:
    struct Line {
        QString text;
        int kind = 1;
    };
    static constexpr int LineCount = 4;
    static constexpr int MaxCuts = 12;

    // Colour of a line kind 1..4 (others read as kind 1).
    static QColor KindColour(int kind);
    // The shown form of a text: its first character dropped, then the last
    // character removed while the text is wider than `limit` (at most 12
    // times), with "..." appended when anything was cut.
    static QString ShortenLine(const QString &text, int limit, const std::function<int(const QString &)> &width);

    // Adds a line (a fifth pushes the oldest out) and redraws the board.
    void DrawMessageBoard(QImage &board, const QImage &under, const TableArt &art, int kind, const QString &text);
    void Redraw(QImage &board, const QImage &under, const TableArt &art) const;
    const std::deque<Line> &lines() const { return m_lines; }
    void clear() { m_lines.clear(); }

private:
    std::deque<Line> m_lines;
};

} // namespace halvane
