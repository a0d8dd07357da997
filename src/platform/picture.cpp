// Corvanthelix - a picture resource as the program uses it.
#include "platform/picture.h"

#include <QString>

Picture::Picture(QImage image, QString sharpFile)
    : m_image(std::move(image))
    , m_sharpFile(std::move(sharpFile))
    // QImage keeps dots per metre; the PNG stores them too, so rounding back
    // to inches gives the whole number the picture was saved with.
    , m_verticalResolution(qRound(m_image.dotsPerMeterY() * 0.0254))
{
}

Picture::Picture(QImage image, QImage sharp)
    : Picture(std::move(image))
{
    m_image2x = std::move(sharp);
}

const QImage &Picture::imageFor(qreal devicePixelRatio) const
{
    if (devicePixelRatio <= 1.0)
        return m_image;
    if (m_image2x.isNull() && !m_sharpFile.isEmpty()) {
        m_image2x.load(std::exchange(m_sharpFile, {}));
        m_image2x.setDevicePixelRatio(2.0);
    }
    return m_image2x.isNull() ? m_image : m_image2x;
}

std::unique_ptr<Picture> ReadPictureResource(int number)
{
    const QString path = QStringLiteral(":/pictures/%1.png").arg(number);
    QImage image(path);
    if (image.isNull())
        return nullptr;
    return std::make_unique<Picture>(std::move(image), QStringLiteral(":/pictures/%1@2x.png").arg(number));
}
