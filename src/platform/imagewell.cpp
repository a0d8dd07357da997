// Corvanthelix - a control that shows one picture and reports mouse-downs.
#include "platform/imagewell.h"

#include "platform/contrast.h"
#include "platform/picture.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <algorithm>

namespace {

class ImageWellAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    // A well the player can press is a push button. One that only shows a
    // picture is read as the words its name gives, with the text around it:
    // a screen reader reads a window's text as it opens, but not its pictures.
    QAccessible::Role role() const override
    {
        return static_cast<ImageWell *>(widget())->isPressable() ? QAccessible::Button : QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checked = static_cast<ImageWell *>(widget())->isChecked();
        return state;
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

void ImageWell::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
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
    if (!showsFocusFrame()) {
        QPainter painter(this);
        paintWell(painter);
        return;
    }
    // The focus frame: two pixels around the tile, each made black or white,
    // whichever differs more from what it covers, so every one changes by
    // 4.5:1 or more on any palette, over the window and the tile's edge
    // alike (the style's dotted line changed them by 1.7:1 at most).
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    {
        QPainter painter(&image);
        paintWell(painter);
    }
    const int ring = qRound(2 * ratio * std::max<qreal>(m_scale, 1.0));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (std::min({x, y, image.width() - 1 - x, image.height() - 1 - y}) < ring)
                image.setPixelColor(x, y, RelativeLuminance(image.pixelColor(x, y)) > 0.179 ? Qt::black : Qt::white);
    QPainter(this).drawImage(0, 0, image);
}

void ImageWell::paintWell(QPainter &painter) const
{
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

