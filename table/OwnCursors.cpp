#include "OwnCursors.h"

#include "platform/ResourceRegistry.h"
#include "records/codec/Settings.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace halvane {

namespace {

constexpr int JiffyMs = 1000 / 60;

QImage Canvas()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

CursorFrame RedArrow()
{
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 22);
    arrow.lineTo(6.5, 17);
    arrow.lineTo(10.5, 26);
    arrow.lineTo(14, 24.5);
    arrow.lineTo(10, 16);
    arrow.lineTo(17, 16);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(220, 0, 0));
    p.drawPath(arrow);
    return {image, QPoint(1, 1), 6};
}

CursorFrame Hand(int lift)
{
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(220, 0, 0));
    const int y = lift;
    p.drawRoundedRect(QRectF(8, 1 + y, 5, 15), 2.5, 2.5);      // the pointing finger
    p.drawRoundedRect(QRectF(5, 11 + y, 18, 14), 4, 4);        // the palm and fingers
    p.drawLine(QPointF(13, 13 + y), QPointF(13, 18 + y));
    p.drawLine(QPointF(18, 13 + y), QPointF(18, 18 + y));
    return {image, QPoint(10, 1 + y), 10};
}

CursorFrame Hourglass(int turn)
{
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.rotate(turn * 45.0);
    QPainterPath glass;
    glass.moveTo(-8, -11);
    glass.lineTo(8, -11);
    glass.lineTo(1.5, 0);
    glass.lineTo(8, 11);
    glass.lineTo(-8, 11);
    glass.lineTo(-1.5, 0);
    glass.closeSubpath();
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(255, 230, 150));
    p.drawPath(glass);
    p.setBrush(QColor(220, 0, 0));
    p.drawPolygon(QPolygonF({QPointF(-5, 9), QPointF(5, 9), QPointF(0, 3)}));
    return {image, QPoint(16, 16), 8};
}

CursorFrame Beam(bool bright)
{
    QImage image = Canvas();
    QPainter p(&image);
    p.setPen(QPen(bright ? QColor(220, 0, 0) : QColor(120, 0, 0), 2));
    p.drawLine(16, 4, 16, 27);
    p.drawLine(11, 3, 21, 3);
    p.drawLine(11, 28, 21, 28);
    return {image, QPoint(16, 16), 30};
}

const char *ResourceName(CursorRole role)
{
    switch (role) {
    case CursorRole::Arrow: return "CURARROW";
    case CursorRole::Hand: return "CURHAND";
    case CursorRole::Wait: return "CURWAIT";
    case CursorRole::Edit: return "CUREDIT";
    }
    return "";
}

Qt::CursorShape SystemShape(CursorRole role)
{
    switch (role) {
    case CursorRole::Hand: return Qt::PointingHandCursor;
    case CursorRole::Wait: return Qt::WaitCursor;
    case CursorRole::Edit: return Qt::IBeamCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

int OwnCursors::CursorNumber(CursorRole role, bool own)
{
    switch (role) {
    case CursorRole::Arrow: return own ? 31 : 0;
    case CursorRole::Hand: return own ? 32 : -21;
    case CursorRole::Wait: return own ? 33 : -11;
    case CursorRole::Edit: return own ? 34 : -4;
    }
    return 0;
}

OwnCursors::OwnCursors(QObject *parent) : QObject(parent)
{
    for (CursorRole role : {CursorRole::Arrow, CursorRole::Hand, CursorRole::Wait, CursorRole::Edit})
        m_frames[size_t(role)] = DrawnFrames(role);
    m_timer.setInterval(JiffyMs);
    connect(&m_timer, &QTimer::timeout, this, &OwnCursors::tick);
}

std::vector<CursorFrame> OwnCursors::DrawnFrames(CursorRole role)
{
    switch (role) {
    case CursorRole::Arrow: return {RedArrow()};
    case CursorRole::Hand: return {Hand(0), Hand(2)};
    case CursorRole::Wait: {
        std::vector<CursorFrame> frames;
        for (int k = 0; k < 8; ++k)
            frames.push_back(Hourglass(k));
        return frames;
    }
    case CursorRole::Edit: return {Beam(true), Beam(false)};
    }
    return {};
}

void OwnCursors::Load()
{
    const ResourceRegistry &registry = ResourceRegistry::instance();
    const CursorFrame arrow = AniCursor::ReadStatic(registry.data(ResourceType::Cursor, QString::fromLatin1(ResourceName(CursorRole::Arrow))));
    if (!arrow.image.isNull())
        m_frames[size_t(CursorRole::Arrow)] = {arrow};
    for (CursorRole role : {CursorRole::Hand, CursorRole::Wait, CursorRole::Edit}) {
        std::vector<CursorFrame> frames =
            AniCursor::ReadAnimated(registry.data(ResourceType::AniCursor, QString::fromLatin1(ResourceName(role))));
        if (!frames.empty())
            m_frames[size_t(role)] = std::move(frames);
    }
}

QCursor OwnCursors::cursor(CursorRole role) const
{
    if (!CurrentSettings().OwnCursor)
        return QCursor(SystemShape(role));
    const std::vector<CursorFrame> &frames = m_frames[size_t(role)];
    if (frames.empty())
        return QCursor(SystemShape(role));
    const CursorFrame &f = frames[size_t(m_frame[size_t(role)]) % frames.size()];
    return QCursor(QPixmap::fromImage(f.image), f.hotSpot.x(), f.hotSpot.y());
}

void OwnCursors::apply(QWidget *widget, CursorRole role)
{
    if (!widget)
        return;
    bool known = false;
    for (Use &use : m_uses)
        if (use.widget == widget) {
            use.role = role;
            known = true;
        }
    if (!known)
        m_uses.push_back({widget, role});
    widget->setCursor(cursor(role));
    refresh();
}

void OwnCursors::refresh()
{
    std::erase_if(m_uses, [](const Use &use) { return use.widget.isNull(); });
    bool animated = false;
    for (const Use &use : m_uses) {
        use.widget->setCursor(cursor(use.role));
        animated = animated || m_frames[size_t(use.role)].size() > 1;
    }
    if (animated && CurrentSettings().OwnCursor) {
        if (!m_timer.isActive())
            m_timer.start();
    } else {
        m_timer.stop();
    }
}

void OwnCursors::tick()
{
    std::array<bool, 4> changed{};
    for (size_t r = 0; r < 4; ++r) {
        const std::vector<CursorFrame> &frames = m_frames[r];
        if (frames.size() < 2)
            continue;
        if (++m_jiffies[r] < frames[size_t(m_frame[r]) % frames.size()].jiffies)
            continue;
        m_jiffies[r] = 0;
        m_frame[r] = (m_frame[r] + 1) % int(frames.size());
        changed[r] = true;
    }
    std::erase_if(m_uses, [](const Use &use) { return use.widget.isNull(); });
    for (const Use &use : m_uses)
        if (changed[size_t(use.role)])
            use.widget->setCursor(cursor(use.role));
}

} // namespace halvane
