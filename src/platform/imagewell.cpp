// Corvanthelix - a control that shows one picture and reports mouse-downs.
#include "platform/imagewell.h"

#include "platform/picture.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

class ImageWellAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    // A well the player can press is a push button; one that only shows a picture is a graphic.
    QAccessible::Role role() const override
    {
        return static_cast<ImageWell *>(widget())->isPressable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && role() == QAccessible::Button)
            static_cast<ImageWell *>(widget())->press();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface *imageWellFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ImageWell"))
        return new ImageWellAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

ImageWell::ImageWell(QWidget *parent)
    : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(imageWellFactory), true);
    Q_UNUSED(accessible);
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

void ImageWell::setScale(qreal scale)
{
    m_scale = scale;
    update();
}

bool ImageWell::isPressable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ImageWell::mouseDown));
}

void ImageWell::press()
{
    emit mouseDown(width() / 2, height() / 2);
}

void ImageWell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (m_picture) {
        // The sharp copy serves a larger scale as it serves a denser screen.
        const QImage &image = m_picture->imageFor(devicePixelRatioF() * m_scale);
        // Centred at its own size: a well larger than its picture shows a margin
        // rather than a blurred enlargement.
        const QSize size = (QSizeF(m_picture->size()) * m_scale).toSize();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, m_scale != 1.0);
        painter.drawImage(QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size), image);
    }
    if (showsFocusFrame()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void ImageWell::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_keyboardFocus = false;
    const QPoint at = event->position().toPoint();
    emit mouseDown(at.x(), at.y());
}

void ImageWell::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
        return QWidget::keyPressEvent(event);
    m_keyboardFocus = true;
    update();
    if (!event->isAutoRepeat())
        press();
}

void ImageWell::focusInEvent(QFocusEvent *event)
{
    // Coming back to the window keeps whatever frame the well had.
    if (event->reason() != Qt::ActiveWindowFocusReason)
        m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    update();
}

void ImageWell::focusOutEvent(QFocusEvent *)
{
    update();
}

