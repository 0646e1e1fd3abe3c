#pragma once
// An animated GIF of the executable's resources in a dialog. It runs while
// GIF animation is switched on; otherwise it stands still on a chosen frame.

#include <QLabel>

class QMovie;

namespace halvane {

class AnimatedPicture : public QLabel
{
    Q_OBJECT
public:
    explicit AnimatedPicture(QWidget *parent = nullptr);

    // Shows the GIF named `name`; false (and an empty picture) when there is none.
    bool setGif(const QString &name);
    // Runs the animation (looping or once, stopping on `lastFrame`), or shows
    // `standFrame` when animations are off.
    void start(bool animate, bool loop, int lastFrame, int standFrame);
    void clear();
    int currentFrame() const;
    bool running() const;

private:
    QMovie *m_movie = nullptr;
    QByteArray m_bytes;
    int m_lastFrame = -1;
    bool m_loop = true;
};

} // namespace halvane
