#pragma once
// A picture control: it shows its own picture, which the game draws on, and
// reports mouse presses and releases with the position inside the picture.

#include <QImage>
#include <QWidget>

namespace halvane {

class ImageControl : public QWidget
{
    Q_OBJECT
public:
    explicit ImageControl(QWidget *parent = nullptr);

    QImage &picture() { return m_picture; }
    const QImage &picture() const { return m_picture; }
    // Replaces the picture and resizes the control to it.
    void setPicture(const QImage &picture);
    // Resizes control and picture together, clearing the picture to `fill`.
    void resizePicture(const QSize &size, const QColor &fill = Qt::transparent);

signals:
    void clicked(QPoint position);
    void mousePressed(Qt::MouseButton button, QPoint position);
    void mouseReleased(Qt::MouseButton button, QPoint position);
    void mouseMoved(QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
};

} // namespace halvane
