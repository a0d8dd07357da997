// Corvanthelix - tests of the picture resources and their accessors.
//
// A tile's hidden number is the vertical resolution stored in its PNG. An
// editor that re-saves a tile without its resolution chunk would make it read
// as 96 dpi and silently break the game; these tests stop that.
#include "platform/pictures.h"

#include <QImageReader>
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
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("resolution"); // 0: not read by the game
        QTest::addColumn<QSize>("size");

        const QSize tile(40, 40);
        QTest::newRow("pic1") << Accessor(pic1) << "pic1" << 168 << 71 << tile;
        QTest::newRow("pic9") << Accessor(pic9) << "pic9" << 169 << 79 << tile;
        QTest::newRow("pic2") << Accessor(pic2) << "pic2" << 170 << 72 << tile;
        QTest::newRow("pic3") << Accessor(pic3) << "pic3" << 171 << 73 << tile;
        QTest::newRow("pic4") << Accessor(pic4) << "pic4" << 172 << 74 << tile;
        QTest::newRow("pic5") << Accessor(pic5) << "pic5" << 173 << 75 << tile;
        QTest::newRow("pic6") << Accessor(pic6) << "pic6" << 174 << 76 << tile;
        QTest::newRow("pic7") << Accessor(pic7) << "pic7" << 175 << 77 << tile;
        QTest::newRow("pic8") << Accessor(pic8) << "pic8" << 176 << 78 << tile;
        QTest::newRow("gamepic") << Accessor(gamepic) << "gamepic" << 177 << 0 << QSize(175, 180);
        QTest::newRow("numpic2") << Accessor(numpic2) << "numpic2" << 178 << 0 << QSize(148, 180);
        QTest::newRow("scoreshot") << Accessor(scoreshot) << "scoreshot" << 179 << 0 << QSize(120, 119);
        QTest::newRow("picA") << Accessor(picA) << "picA" << 180 << 70 << tile;
    }

    void resources()
    {
        QFETCH(Accessor, accessor);
        QFETCH(QString, file);
        QFETCH(int, number);
        QFETCH(int, resolution);
        QFETCH(QSize, size);

        const Picture *picture = accessor();
        QVERIFY(picture);
        QCOMPARE(accessor(), picture); // cached: the same object every time
        QCOMPARE(picture->size(), size);

        // The committed file itself carries the resolution, and the resource
        // number maps to that file.
        QImageReader source(QStringLiteral(ASSETS_DIR "/%1.png").arg(file));
        const QImage image = source.read();
        QVERIFY2(!image.isNull(), qPrintable(source.errorString()));
        const std::unique_ptr<Picture> byNumber = ReadPictureResource(number);
        QVERIFY(byNumber);
        QCOMPARE(byNumber->verticalResolution(), picture->verticalResolution());
        QCOMPARE(byNumber->size(), size);
        if (resolution) {
            QCOMPARE(qRound(image.dotsPerMeterY() * 0.0254), resolution);
            QCOMPARE(picture->verticalResolution(), resolution);
        }

        // The sharp copy for HiDPI screens is twice the size and never decides a number.
        const QImage &sharp = picture->imageFor(2.0);
        QCOMPARE(sharp.size(), size * 2);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(picture->imageFor(1.0).size(), size);
    }

};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
