// Corvanthelix - tests of the picture resources and their accessors.
//
// A tile's hidden number is the vertical resolution stored in its PNG. An
// editor that re-saves a tile without its resolution chunk would make it read
// as 96 dpi and silently break the game; these tests stop that.
#include "platform/pictures.h"

#include <QTest>

using Accessor = const Picture *(*)();
Q_DECLARE_METATYPE(Accessor)

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void resources_data()
    {
        QTest::addColumn<Accessor>("accessor");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("resolution"); // 0: not read by the game
        QTest::addColumn<QSize>("size");
        const Accessor tiles[] = {pic1, pic2, pic3, pic4, pic5, pic6, pic7, pic8, pic9};
        const int numbers[] = {168, 170, 171, 172, 173, 174, 175, 176, 169}; // pic9 between pic1 and pic2
        for (int n = 1; n <= 9; ++n)
            QTest::addRow("pic%d", n) << tiles[n - 1] << numbers[n - 1] << 70 + n << QSize(40, 40);
        QTest::newRow("gamepic") << Accessor(gamepic) << 177 << 0 << QSize(175, 180);
        QTest::newRow("numpic2") << Accessor(numpic2) << 178 << 0 << QSize(148, 180);
        QTest::newRow("scoreshot") << Accessor(scoreshot) << 179 << 0 << QSize(120, 119);
        QTest::newRow("picA") << Accessor(picA) << 180 << 70 << QSize(40, 40);
    }

    void resources()
    {
        QFETCH(Accessor, accessor);
        QFETCH(int, number);
        QFETCH(int, resolution);
        QFETCH(QSize, size);
        const Picture *picture = accessor();
        QVERIFY(picture);
        QCOMPARE(accessor(), picture); // cached: the same object every time
        const std::unique_ptr<Picture> byNumber = ReadPictureResource(number);
        QVERIFY(byNumber);
        QCOMPARE(byNumber->size(), size);
        if (resolution)
            QCOMPARE(byNumber->verticalResolution(), resolution);
        // The sharp copy for HiDPI screens is twice the size and never decides a number.
        QCOMPARE(picture->imageFor(2.0).size(), size * 2);
        QCOMPARE(picture->imageFor(2.0).devicePixelRatio(), 2.0);
        QCOMPARE(picture->imageFor(1.0).size(), size);
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
