#include "MenuGifPictures.h"

#include "PackPictures.h"
#include "ScaleState.h"

#include "records/codec/Settings.h"

namespace halvane {

namespace {
int GifX(int x)
{
    const double sx = CurrentScale().scaleX;
    return RoundHalfEven(x * sx) + RoundHalfEven((sx - 1) * MenuGifPictures::Width / 2.0);
}

int GifY()
{
    const double sy = CurrentScale().scaleY;
    return RoundHalfEven(290 * sy) + RoundHalfEven((sy - 1) * MenuGifPictures::Height / 2.0);
}
} // namespace

QPoint MenuGifPictures::FirstPos()
{
    return QPoint(GifX(7), GifY());
}

QPoint MenuGifPictures::SecondPos()
{
    return QPoint(GifX(592), GifY());
}

MenuGifPictures::MenuGifPictures(QWidget *window) : m_label1(window), m_label2(window)
{
    m_label1.setObjectName(QStringLiteral("RxGIFAn1"));
    m_label2.setObjectName(QStringLiteral("RxGIFAn2"));
    for (QLabel *label : {&m_label1, &m_label2}) {
        label->setFixedSize(Width, Height);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->hide();
    }
    m_label1.setMovie(&m_movie1);
    m_label2.setMovie(&m_movie2);
}

bool MenuGifPictures::Load()
{
    m_loaded1 = LoadPackGif(QStringLiteral("GifMenu1"), QString(), m_movie1);
    m_loaded2 = LoadPackGif(QStringLiteral("GifMenu2"), QString(), m_movie2);
    return m_loaded1 && m_loaded2;
}

void MenuGifPictures::Show()
{
    const bool animate = CurrentSettings().GifAnimation;
    auto show = [animate](QLabel &label, QMovie &movie, bool loaded, QPoint at, int stillFrame) {
        if (!loaded) {
            label.hide();
            return;
        }
        label.move(at);
        movie.stop();
        if (animate) {
            movie.jumpToFrame(0);
            movie.start();
        } else if (!movie.jumpToFrame(stillFrame)) {
            movie.jumpToFrame(0);
        }
        label.show();
        label.raise();
    };
    show(m_label1, m_movie1, m_loaded1, FirstPos(), 0);
    show(m_label2, m_movie2, m_loaded2, SecondPos(), 1);
}

void MenuGifPictures::Hide()
{
    m_movie1.stop();
    m_movie2.stop();
    m_label1.hide();
    m_label2.hide();
}

} // namespace halvane
