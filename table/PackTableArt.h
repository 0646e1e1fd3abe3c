#pragma once
// The table's pictures from the program's caches and resources: the cached
// faces, backs and background of the pack loaders, named pictures from the
// executable, and our drawn stand-ins for any name it does not carry.

#include "DrawnTableArt.h"

#include <QHash>

namespace halvane {

class PackTableArt : public TableArt
{
public:
    // The window colour shown where no background picture covers the table.
    void setTableColour(const QColor &colour) { m_drawn.setTableColour(colour); }

    QImage background(const QSize &clientSize) const override;
    QImage picture(const QString &name) const override;
    void drawCard(QPainter &painter, int x, int y, Card card) const override;
    void drawCardBack(QPainter &painter, int x, int y) const override;

private:
    DrawnTableArt m_drawn;
    mutable QHash<QString, QImage> m_cache;
};

} // namespace halvane
