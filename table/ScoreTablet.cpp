#include "ScoreTablet.h"

#include "ScaleState.h"
#include "TableArt.h"
#include "TablePainting.h"
#include "TextDrawing.h"

namespace halvane {

namespace {
QRect DesignField(int x, int y, int w, int h)
{
    const double f = CurrentScale().scaleFactor;
    return QRect(RoundHalfEven(x * f), RoundHalfEven(y * f), RoundHalfEven(w * f), RoundHalfEven(h * f));
}
} // namespace

QRect ScoreTablet::FieldRect(Field field)
{
    switch (field) {
    case Field::Top: return DesignField(15, 15, 125, 31);
    case Field::Mark: return DesignField(15, 50, 35, 31);
    case Field::Middle: return DesignField(55, 50, 45, 31);
    case Field::Right: return DesignField(105, 50, 35, 31);
    }
    return {};
}

QString ScoreTablet::TopText(int value, bool signedDisplay)
{
    QString text = QString::number(value);
    if (signedDisplay && value > 0)
        text.prepend(QLatin1Char('+'));
    return text;
}

void ScoreTablet::Draw(QImage &image, const QImage &under, const TableArt &art, bool isTurn, bool fullRedraw,
                       int right, int middle, int top)
{
    if (fullRedraw || m_face.size() != under.size()) {
        m_face = under.copy();
        QPainter p(&m_face);
        const QImage tablet = PanelPicture(art, QStringLiteral("Tablo"), under.size());
        if (!tablet.isNull())
            p.drawImage(0, 0, tablet);
        p.end();
        image = m_face.copy();
        fullRedraw = true;
    }
    if (image.size() != m_face.size())
        image = m_face.copy();

    m_isTurn = isTurn;
    restoreField(image, Field::Mark);
    if (isTurn)
        drawMark(image, art);

    auto apply = [&](std::optional<int> &shown, int value, Field field, void (ScoreTablet::*write)(QImage &, int) const) {
        if (value == Keep) {
            // A full redraw repainted the tablet; what the field showed is written again.
            if (fullRedraw && shown)
                (this->*write)(image, *shown);
            return;
        }
        restoreField(image, field);
        if (value == Erase) {
            shown.reset();
            return;
        }
        shown = value;
        (this->*write)(image, value);
    };
    apply(m_top, top, Field::Top, &ScoreTablet::writeTop);
    apply(m_middle, middle, Field::Middle, &ScoreTablet::writeMiddle);
    apply(m_right, right, Field::Right, &ScoreTablet::writeRight);
}

void ScoreTablet::restoreField(QImage &image, Field field) const
{
    const QRect r = FieldRect(field);
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(r.topLeft(), m_face, r);
}

void ScoreTablet::writeTop(QImage &image, int value) const
{
    QPainter p(&image);
    p.setFont(FamilyFont("decor", Scaled(30)));
    p.setPen(m_signed ? QColor(255, 0, 0) : QColor(255, 0, 255));
    CentreText(TopText(value, m_signed), 0, Scaled(155), p, Scaled(14));
}

void ScoreTablet::writeMiddle(QImage &image, int value) const
{
    QPainter p(&image);
    p.setFont(FamilyFont("decor", Scaled(20)));
    p.setPen(QColor(0, 0, 255));
    CentreText(QString::number(value), 0, image.width(), p, Scaled(54));
}

void ScoreTablet::writeRight(QImage &image, int value) const
{
    const QString text = QString::number(value);
    QPainter p(&image);
    p.setFont(FamilyFont("decor", Scaled(text.size() > 3 ? 20 : 24), true));
    p.setPen(QColor(0, 0, 128));
    CentreText(text, Scaled(105), Scaled(140), p, Scaled(52));
}

void ScoreTablet::drawMark(QImage &image, const TableArt &art) const
{
    const bool down = m_seat == 3;
    const QImage hand = art.picture(down ? QStringLiteral("Hand_Down") : QStringLiteral("Hand_Up"));
    if (hand.isNull())
        return;
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (CurrentScale().windowSize == 1) {
        p.drawImage(QRect(22, down ? 50 : 49, 20, 30), hand);
    } else {
        const double f = CurrentScale().scaleFactor;
        const QRect r(QPoint(RoundHalfEven(23 * f), RoundHalfEven(49 * f)),
                      QPoint(RoundHalfEven(43 * f) - 1, RoundHalfEven(79 * f) - 1));
        p.drawImage(r, hand);
    }
}

} // namespace halvane
