// Corvanthelix - a picture resource as the program uses it.
#include "platform/picture.h"

#include <QString>

Picture::Picture(QImage image, QImage image2x)
    : m_image(std::move(image))
    , m_image2x(std::move(image2x))
    // QImage keeps dots per metre; the PNG stores them too, so rounding back
    // to inches gives the whole number the picture was saved with.
    , m_verticalResolution(qRound(m_image.dotsPerMeterY() * 0.0254))
{
    if (!m_image2x.isNull())
        m_image2x.setDevicePixelRatio(2.0);
}

const QImage &Picture::imageFor(qreal devicePixelRatio) const
{
    return devicePixelRatio > 1.0 && !m_image2x.isNull() ? m_image2x : m_image;
}

std::unique_ptr<Picture> ReadPictureResource(int number)
{
    const QString path = QStringLiteral(":/pictures/%1.png").arg(number);
    QImage image(path);
    if (image.isNull())
        return nullptr;
    return std::make_unique<Picture>(std::move(image),
                                     QImage(QStringLiteral(":/pictures/%1@2x.png").arg(number)));
}
