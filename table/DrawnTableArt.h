#pragma once
// Table pictures drawn by our own code: a felt background in the table
// colour, plain panels, bubbles, frames and signs, and simple card faces.
// They stand in wherever no pack or built-in picture supplies a name.

#include "TableArt.h"

#include <QColor>
#include <QHash>

namespace halvane {

class DrawnTableArt : public TableArt
{
public:
    void setTableColour(const QColor &colour) { m_colour = colour; }

    QImage background(const QSize &clientSize) const override;
    QImage picture(const QString &name) const override;
    void drawCard(QPainter &painter, int x, int y, Card card) const override;
    void drawCardBack(QPainter &painter, int x, int y) const override;

private:
    QImage make(const QString &name) const;

    QColor m_colour{0, 128, 0};
    mutable QHash<QString, QImage> m_cache;
};

} // namespace halvane
