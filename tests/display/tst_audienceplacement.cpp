// Which screen the audience display takes.

#include "display/audiencedisplay.h"

#include <QTest>

using namespace kv;

class TestAudiencePlacement : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
};

void TestAudiencePlacement::choose_data()
{
    QTest::addColumn<int>("screens");
    QTest::addColumn<int>("boardScreen");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("one screen: a window beside the board") << 1 << 0 << 0 << 0 << false;
    QTest::newRow("board on the first: the second, filled") << 2 << 0 << 0 << 1 << true;
    QTest::newRow("board on the second: the first, filled") << 2 << 1 << 0 << 0 << true;
    QTest::newRow("three screens: the first free one") << 3 << 0 << 0 << 1 << true;
    QTest::newRow("board screen unknown: the first") << 2 << -1 << 0 << 0 << true;
    QTest::newRow("by number: the third") << 3 << 0 << 3 << 2 << true;
    QTest::newRow("by number, the board's: a window") << 2 << 0 << 1 << 0 << false;
    QTest::newRow("by number, not there: none") << 2 << 0 << 3 << -1 << false;
    QTest::newRow("no screen at all: none") << 0 << -1 << 0 << -1 << false;
}

void TestAudiencePlacement::choose()
{
    QFETCH(int, screens);
    QFETCH(int, boardScreen);
    QFETCH(int, requested);
    QFETCH(int, screen);
    QFETCH(bool, fullScreen);
    const AudiencePlacement placement = ChooseAudienceScreen(screens, boardScreen, requested);
    QCOMPARE(placement.Screen, screen);
    QCOMPARE(placement.FullScreen, fullScreen);
}

QTEST_APPLESS_MAIN(TestAudiencePlacement)
#include "tst_audienceplacement.moc"
