#pragma once
// The two animated pictures of the main menu, RxGIFAn1 ("GifMenu1") and
// RxGIFAn2 ("GifMenu2"), 160 x 200 pixels each, unscaled, left and right of
// the member list. With GifAnimation on both play from frame 0; off, the
// first stands on frame 0 and the second on frame 1.

#include <QLabel>
#include <QMovie>
#include <QPoint>

namespace halvane {

class MenuGifPictures
{
public:
    static constexpr int Width = 160;
    static constexpr int Height = 200;

    // Their places in the current scale.
    static QPoint FirstPos();
    static QPoint SecondPos();

    explicit MenuGifPictures(QWidget *window);

    // Loads the pictures (false when either is missing; that one stays hidden).
    bool Load();
    // Places and shows them, playing or standing by the GifAnimation setting.
    void Show();
    void Hide();

    QLabel *first() { return &m_label1; }
    QLabel *second() { return &m_label2; }
    QMovie *firstMovie() { return &m_movie1; }
    QMovie *secondMovie() { return &m_movie2; }

private:
    QLabel m_label1;
    QLabel m_label2;
    QMovie m_movie1;
    QMovie m_movie2;
    bool m_loaded1 = false;
    bool m_loaded2 = false;
};

} // namespace halvane
