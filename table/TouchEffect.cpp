#include "TouchEffect.h"

#include "PackPictures.h"
#include "platform/PackNames.h"
#include "records/codec/Settings.h"

#include <QAbstractButton>
#include <QCursor>
#include <QPainter>
#include <QTimer>

namespace halvane {

TouchEffect *TouchEffect::Play(const QImage &strip, QPoint screenPos)
{
    if (strip.isNull() || strip.height() < Size || strip.width() < Size)
        return nullptr;
    return new TouchEffect(strip, screenPos);
}

TouchEffect *TouchEffect::PlayAtMouse()
{
    QImage strip;
    if (!LoadPackPng(QStringLiteral("GTouch"), QString::fromLatin1(PackFile::Decor), strip))
        return nullptr;
    return Play(strip, QCursor::pos());
}

void TouchEffect::Attach(QAbstractButton *button)
{
    static const char *const attached = "halvaneTouchEffect";
    if (!button || button->property(attached).toBool())
        return;
    button->setProperty(attached, true);
    QObject::connect(button, &QAbstractButton::pressed, button, [] {
        if (CurrentSettings().SaluteButtons)
            PlayAtMouse();
    });
}

int TouchEffect::StripFrame(const QImage &strip, int step)
{
    const int frames = std::max(1, strip.width() / Size);
    return step % frames;
}

TouchEffect::TouchEffect(const QImage &strip, QPoint screenPos)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_strip(strip)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setGeometry(screenPos.x() - Size / 2, screenPos.y() - Size / 2, Size, Size);
    m_timer = new QTimer(this);
    m_timer->setInterval(FrameMs);
    connect(m_timer, &QTimer::timeout, this, &TouchEffect::advance);
    show();
    m_timer->start();
}

void TouchEffect::advance()
{
    ++m_step;
    if (m_step >= FrameCount) {
        m_timer->stop();
        close();
        return;
    }
    update();
}

void TouchEffect::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(0, 0, m_strip, StripFrame(m_strip, m_step) * Size, 0, Size, Size);
}

} // namespace halvane
