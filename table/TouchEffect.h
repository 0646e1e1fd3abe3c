#pragma once
// The burst under the mouse when a button is pressed (with the salute option
// on): 30 frames of the 100 x 100 strip "GTouch" from the decor pack, 12 ms
// apart, in a small see-through window over the screen that closes itself.
// Without the strip nothing happens.

#include <QImage>
#include <QPoint>
#include <QWidget>

class QAbstractButton;
class QTimer;

namespace halvane {

class TouchEffect : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Size = 100;
    static constexpr int FrameCount = 30;
    static constexpr int FrameMs = 12;

    // Starts the burst centred on `screenPos`; returns the effect (it deletes
    // itself when done), or nullptr when the strip is null.
    static TouchEffect *Play(const QImage &strip, QPoint screenPos);
    // The burst at the mouse with the decor pack's strip; nullptr without the pack.
    static TouchEffect *PlayAtMouse();
    // A button that bursts when pressed while the SaluteButtons setting is on
    // (connected once, however often it is called for the same button).
    static void Attach(QAbstractButton *button);
    // The strip's picture shown at step k (0-based): strips shorter than 30
    // frames repeat.
    static int StripFrame(const QImage &strip, int step);

    int step() const { return m_step; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TouchEffect(const QImage &strip, QPoint screenPos);
    void advance();

    QImage m_strip;
    int m_step = 0;
    QTimer *m_timer = nullptr;
};

} // namespace halvane
