#include "AnimatedPicture.h"

#include "platform/ResourceRegistry.h"

#include <QBuffer>
#include <QMovie>

namespace halvane {

AnimatedPicture::AnimatedPicture(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setScaledContents(true);
}

bool AnimatedPicture::setGif(const QString &name)
{
    clear();
    m_bytes = ResourceRegistry::instance().data(ResourceType::Gif, name);
    if (m_bytes.isEmpty())
        return false;
    auto *buffer = new QBuffer(&m_bytes, this);
    m_movie = new QMovie(buffer, QByteArray(), this);
    if (!m_movie->isValid()) {
        clear();
        return false;
    }
    setMovie(m_movie);
    connect(m_movie, &QMovie::frameChanged, this, [this](int frame) {
        if (!m_loop && m_lastFrame >= 0 && frame >= m_lastFrame)
            m_movie->setPaused(true);
    });
    return true;
}

void AnimatedPicture::start(bool animate, bool loop, int lastFrame, int standFrame)
{
    if (!m_movie)
        return;
    m_loop = loop;
    m_lastFrame = lastFrame;
    if (animate) {
        m_movie->start();
    } else {
        m_movie->jumpToFrame(std::min(standFrame, std::max(0, m_movie->frameCount() - 1)));
    }
}

void AnimatedPicture::clear()
{
    if (m_movie) {
        m_movie->stop();
        QLabel::clear();
        m_movie->deleteLater();
        m_movie = nullptr;
    }
}

int AnimatedPicture::currentFrame() const
{
    return m_movie ? m_movie->currentFrameNumber() : -1;
}

bool AnimatedPicture::running() const
{
    return m_movie && m_movie->state() == QMovie::Running;
}

} // namespace halvane
