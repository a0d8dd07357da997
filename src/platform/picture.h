// Corvanthelix - a picture resource as the program uses it.
#pragma once

#include <QImage>
#include <QString>

// A picture read once from the resources and shared by every well that shows
// it. Its vertical resolution is data, not decoration: a tile's hidden number
// is that resolution minus 70, so the file itself is the truth.
class Picture
{
public:
    // sharpFile names an optional twice-as-dense copy for HiDPI screens and
    // larger fonts, read only when one asks for it; it never decides the
    // resolution.
    explicit Picture(QImage image, QString sharpFile = {});
    // A picture drawn by the program, with its sharp copy.
    Picture(QImage image, QImage sharp);

    // Whole dots per inch, as stored in the file (a file without a resolution
    // chunk reads as Qt's default of 96).
    int verticalResolution() const { return m_verticalResolution; }

    QSize size() const { return m_image.size(); }
    // The sharpest copy for a screen of the given device pixel ratio.
    const QImage &imageFor(qreal devicePixelRatio) const;

private:
    QImage m_image;
    mutable QString m_sharpFile;
    mutable QImage m_image2x;
    int m_verticalResolution;
};

// Reads the picture resource of the given number; null when there is none.
std::unique_ptr<Picture> ReadPictureResource(int number);
