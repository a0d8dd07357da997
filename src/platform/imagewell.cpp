// Corvanthelix - a control that shows one picture and reports mouse-downs.
#include "platform/imagewell.h"

#include "platform/picture.h"

#include <QMouseEvent>
#include <QPainter>

ImageWell::ImageWell(QWidget *parent)
    : QWidget(parent)
{
    // The picture covers the whole well, so Qt need not clear behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageWell::setPicture(const Picture *picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    update();
}

void ImageWell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!m_picture)
        return;
    const QImage &image = m_picture->imageFor(devicePixelRatioF());
    // Centred at its own size: a well larger than its picture shows a margin
    // rather than a blurred enlargement.
    const QSize size = image.deviceIndependentSize().toSize();
    painter.drawImage(QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size), image);
}

void ImageWell::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    emit mouseDown(at.x(), at.y());
}
