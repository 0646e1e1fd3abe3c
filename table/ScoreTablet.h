#pragma once
// A seat's score tablet (ImageTab1..3, design 155 x 95): the big top number,
// the turn mark, a middle and a right number. Each number field is cut back
// from the tablet picture before it is rewritten, so fields change alone.

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

namespace halvane {

class TableArt;

class ScoreTablet
{
public:
    // Number values with a meaning of their own.
    static constexpr int Erase = -1000;
    static constexpr int Keep = -2000;

    enum class Field { Top, Mark, Middle, Right };

    explicit ScoreTablet(int seat = 1) : m_seat(seat) {}

    // Draws the tablet into `image` (the control's picture, `under` the
    // background piece beneath it). The numbers take Erase and Keep.
    void Draw(QImage &image, const QImage &under, const TableArt &art, bool isTurn, bool fullRedraw, int right,
              int middle, int top);

    // The "signed" display: the top number red with a "+" for positive values.
    void setSignedDisplay(bool on) { m_signed = on; }
    bool signedDisplay() const { return m_signed; }

    // What the fields show now (nullopt: the field is empty).
    std::optional<int> top() const { return m_top; }
    std::optional<int> middle() const { return m_middle; }
    std::optional<int> right() const { return m_right; }
    bool isTurn() const { return m_isTurn; }

    // A field's rectangle on the tablet in the current scale.
    static QRect FieldRect(Field field);
    // The top number's text, with "+" for positive values in the signed display.
    static QString TopText(int value, bool signedDisplay);

private:
    void restoreField(QImage &image, Field field) const;
    void writeTop(QImage &image, int value) const;
    void writeMiddle(QImage &image, int value) const;
    void writeRight(QImage &image, int value) const;
    void drawMark(QImage &image, const TableArt &art) const;

    int m_seat;
    bool m_signed = false;
    bool m_isTurn = false;
    std::optional<int> m_top;
    std::optional<int> m_middle;
    std::optional<int> m_right;
    QImage m_face; // background and tablet picture, the source of the field cut-outs
};

} // namespace halvane
