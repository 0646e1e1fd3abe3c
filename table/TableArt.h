#pragma once
// The pictures the table drawing needs: the background, named pictures, card
// faces and backs. The table draws through this interface so it works with
// the pack loaders and with the drawn-by-code stand-ins alike.

#include "core/Card.h"

#include <QImage>
#include <QPainter>
#include <QString>

namespace halvane {

class TableArt
{
public:
    virtual ~TableArt() = default;
    // The table background as it lies on a client area of the given size.
    virtual QImage background(const QSize &clientSize) const = 0;
    // A named picture ("TabloSm", "SPBlue", "NOCH", ...); null when unknown.
    virtual QImage picture(const QString &name) const = 0;
    // One card of CardWidth x CardHeight with its top left at (x, y).
    virtual void drawCard(QPainter &painter, int x, int y, Card card) const = 0;
    virtual void drawCardBack(QPainter &painter, int x, int y) const = 0;
};

} // namespace halvane
