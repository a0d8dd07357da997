// Corvanthelix - tests of numbers kept as texts.
#include "platform/textnumbers.h"

#include <QTest>

class TestTextNumbers : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plusOne");
        QTest::newRow("zero") << "0" << "1";
        QTest::newRow("whole numbers print without a fraction") << "11" << "12";
        QTest::newRow("millions stay digits") << "999999" << "1000000";
        QTest::newRow("fraction kept") << "1.5" << "2.5";
        QTest::newRow("spaces around") << " 4 " << "5";
        QTest::newRow("not a number reads as 0") << "abc" << "1";
        QTest::newRow("infinity reads as 0") << "inf" << "1";
        QTest::newRow("not-a-number reads as 0") << "nan" << "1";
        QTest::newRow("empty") << "" << "1";
    }

    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QString, plusOne);
        QCOMPARE(Str(Val(text) + 1), plusOne);
    }
};

QTEST_GUILESS_MAIN(TestTextNumbers)
#include "tst_textnumbers.moc"
