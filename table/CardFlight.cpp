#include "CardFlight.h"

#include "platform/InputBlocker.h"
#include "ScaleState.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace halvane {

namespace {

bool &FlightFlag()
{
    static bool flying = false;
    return flying;
}

// The picture the window shows during a flight: the clean table with the
// sprites on it, painted over the whole client area.
class FlightOverlay : public QWidget
{
public:
    FlightOverlay(QWidget *window, const QImage &work) : QWidget(window), m_work(work)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, work.width(), work.height());
        raise();
        show();
    }
    const QImage &work() const { return m_work; }
    QImage &work() { return m_work; }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter p(this);
        for (const QRect &r : event->region())
            p.drawImage(r.topLeft(), m_work, r);
    }

private:
    QImage m_work;
};

QPoint Interpolated(const std::vector<QPoint> &path, QPoint from, int step, int totalSteps)
{
    if (path.empty() || step <= 0)
        return from;
    const int n = int(path.size());
    const int index = n == totalSteps ? step : RoundHalfEven(double(step) * n / totalSteps);
    return index <= 0 ? from : path[size_t(std::min(index, n) - 1)];
}

} // namespace

std::vector<QPoint> CardFlight::Path(QPoint from, QPoint to)
{
    std::vector<QPoint> path;
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    if (std::abs(dx) >= std::abs(dy)) {
        const int sx = dx >= 0 ? 1 : -1;
        for (int x = from.x() + sx, k = 1; k <= std::abs(dx); x += sx, ++k)
            path.emplace_back(x, RoundHalfEven(double(dy) * (x - from.x()) / dx + from.y()));
    } else {
        const int sy = dy >= 0 ? 1 : -1;
        for (int y = from.y() + sy, k = 1; k <= std::abs(dy); y += sy, ++k)
            path.emplace_back(RoundHalfEven(double(dx) * (y - from.y()) / dy + from.x()), y);
    }
    return path;
}

CardFlight::Pace CardFlight::PaceOf(int speed, int step)
{
    Pace pace;
    switch (speed) {
    case 1: pace.sleepMs = 2; break;
    case 2: pace.sleepMs = 1; break;
    case 3: pace.sleepMs = step % 2 == 0 ? 1 : 0; break;
    case 4: pace.sleepMs = step % 3 == 0 ? 1 : 0; break;
    case 6: pace.painted = step != 1; break;
    default: break;
    }
    return pace;
}

bool CardFlight::InProgress()
{
    return FlightFlag();
}

CardFlight::Stats CardFlight::Fly(QWidget *window, const QImage &cleanTable, const std::vector<Sprite> &sprites,
                                  bool eraseAtEnd, int speed)
{
    Stats stats;
    if (FlightFlag() || !window) {
        stats.refused = true;
        return stats;
    }
    FlightFlag() = true;
    InputBlocker blocker;

    std::vector<std::vector<QPoint>> paths;
    int total = 0;
    for (const Sprite &s : sprites) {
        paths.push_back(Path(s.from, s.to));
        total = std::max(total, int(paths.back().size()));
    }
    stats.steps = total;

    FlightOverlay overlay(window, cleanTable.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    std::vector<QPoint> at;
    for (const Sprite &s : sprites)
        at.push_back(s.from);
    auto spriteRect = [&](size_t i) { return QRect(at[i], sprites[i].picture.size()); };
    auto drawSprites = [&]() {
        QPainter p(&overlay.work());
        for (size_t i = 0; i < sprites.size(); ++i)
            if (!sprites[i].picture.isNull())
                p.drawImage(at[i], sprites[i].picture);
    };
    auto restore = [&](const QRect &r) {
        QPainter p(&overlay.work());
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(r.topLeft(), cleanTable, r);
    };

    drawSprites();
    overlay.repaint();
    QCoreApplication::processEvents();

    for (int step = 1; step <= total; ++step) {
        QRegion dirty;
        for (size_t i = 0; i < sprites.size(); ++i) {
            const QRect old = spriteRect(i);
            restore(old);
            dirty += old.adjusted(-2, -2, 2, 2);
        }
        for (size_t i = 0; i < sprites.size(); ++i) {
            at[i] = Interpolated(paths[i], sprites[i].from, step, total);
            dirty += spriteRect(i).adjusted(-2, -2, 2, 2);
        }
        drawSprites();
        const Pace pace = PaceOf(speed, step);
        if (pace.painted) {
            overlay.repaint(dirty);
            ++stats.stepPaints;
        }
        // Let the window answer its paint and timer events; input is dropped.
        QCoreApplication::processEvents();
        if (pace.sleepMs > 0) {
            QThread::msleep(ulong(pace.sleepMs));
            ++stats.sleeps;
            stats.sleptMs += pace.sleepMs;
        }
    }

    if (eraseAtEnd) {
        QRegion dirty;
        for (size_t i = 0; i < sprites.size(); ++i) {
            restore(spriteRect(i).adjusted(-2, -2, 2, 2));
            dirty += spriteRect(i).adjusted(-2, -2, 2, 2);
        }
        overlay.repaint(dirty);
    }
    FlightFlag() = false;
    return stats;
}

CardFlight::Stats CardFlight::FlyCard(QWidget *window, const QImage &cleanTable, int x1, int y1, bool eraseAtEnd,
                                      const QImage &card, int x2, int y2, int speed)
{
    return Fly(window, cleanTable, {Sprite{card, QPoint(x1, y1), QPoint(x2, y2)}}, eraseAtEnd, speed);
}

} // namespace halvane
