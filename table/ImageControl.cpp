#include "ImageControl.h"

#include <QMouseEvent>
#include <QPainter>

namespace halvane {

ImageControl::ImageControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageControl::setPicture(const QImage &picture)
{
    m_picture = picture;
    resize(picture.size());
    update();
}

void ImageControl::resizePicture(const QSize &size, const QColor &fill)
{
    m_picture = QImage(size, QImage::Format_ARGB32_Premultiplied);
    m_picture.fill(fill);
    resize(size);
    update();
}

void ImageControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
}

void ImageControl::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->position().toPoint());
}

void ImageControl::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    emit mouseReleased(event->button(), pos);
    if (event->button() == Qt::LeftButton && rect().contains(pos))
        emit clicked(pos);
}

void ImageControl::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().toPoint());
}

} // namespace halvane
