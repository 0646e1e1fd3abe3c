#pragma once
// A balloon hint: a small frameless window with a pointed arrow at one
// corner, an icon, a bold title and the text, that closes itself after its
// duration. ShowBalloon, CloseBalloons and ShowPictureBalloon drive it.

#include <QColor>
#include <QImage>
#include <QWidget>

namespace halvane {

class TBalloonHint : public QWidget
{
    Q_OBJECT
public:
    struct Style {
        QString fontName;
        int fontSize = 9;
        QColor border{255, 0, 0};
        QColor background{255, 255, 225};
        QColor text{255, 0, 0};
        QColor title{128, 0, 0};
        int kind = 1;       // 1 information, 2 warning, 3 error, else no icon
        int arrow = 0;      // 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right
        int durationMs = 5000;
        bool animate = true;
    };
    TBalloonHint(const QString &title, const QString &text, const Style &style, QWidget *anchor);
    TBalloonHint(const QImage &picture, int arrow, QWidget *anchor);

    // Places the balloon so its arrow tip touches the anchor's matching corner.
    void showAt(QWidget *anchor);
    QImage picture() const { return m_picture; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }
    int arrow() const { return m_style.arrow; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void layoutBalloon();
    QRect bodyRect() const;

    QString m_title;
    QString m_text;
    QImage m_picture;
    Style m_style;
};

} // namespace halvane
