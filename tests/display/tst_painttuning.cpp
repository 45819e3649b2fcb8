// The painting choices the program makes before its application object
// exists, and a guard that they change no pixel: a board resized after it
// was shown holds, in its window's backing store, the same picture as a
// board shown at that size from the start.

#include "boardfixture.h"
#include "display/painttuning.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

using namespace kv;
using kv::test::Board;

class TestPaintTuning final : public QObject
{
    Q_OBJECT

private slots:
    void tuning_setsEachChoiceOnlyWhenUnset_data();
    void tuning_setsEachChoiceOnlyWhenUnset();
    void resizedBoard_paintsAsABoardMadeAtThatSize_data();
    void resizedBoard_paintsAsABoardMadeAtThatSize();
};

void TestPaintTuning::tuning_setsEachChoiceOnlyWhenUnset_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("before"); // empty: not set
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("glyph cache limit unset")
        << QByteArray("QT_MAX_CACHED_GLYPH_SIZE") << QByteArray() << QByteArray("512");
    QTest::newRow("glyph cache limit the user's")
        << QByteArray("QT_MAX_CACHED_GLYPH_SIZE") << QByteArray("64") << QByteArray("64");
    QTest::newRow("moves repainted unset")
        << QByteArray("QT_NO_FAST_MOVE") << QByteArray() << QByteArray("1");
    QTest::newRow("moves copied, the user's")
        << QByteArray("QT_NO_FAST_MOVE") << QByteArray("0") << QByteArray("0");
}

void TestPaintTuning::tuning_setsEachChoiceOnlyWhenUnset()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    // Qt has read the choices already (main below): changing them here
    // changes nothing on screen.
    const QByteArray kept = qgetenv(name.constData());
    if (before.isEmpty())
        qunsetenv(name.constData());
    else
        qputenv(name.constData(), before);
    TunePainting();
    const QByteArray seen = qgetenv(name.constData());
    qputenv(name.constData(), kept);
    QCOMPARE(seen, after);
}

void TestPaintTuning::resizedBoard_paintsAsABoardMadeAtThatSize_data()
{
    QTest::addColumn<QSize>("first");
    QTest::addColumn<QSize>("then");
    QTest::newRow("full HD to 4K") << QSize(1920, 1080) << QSize(3840, 2160);
    QTest::newRow("4K to a little smaller") << QSize(3840, 2160) << QSize(3820, 2148);
    QTest::newRow("4K down to 1280 x 720") << QSize(3840, 2160) << QSize(1280, 720);
}

void TestPaintTuning::resizedBoard_paintsAsABoardMadeAtThatSize()
{
    QFETCH(QSize, first);
    QFETCH(QSize, then);
    // What the window shows: the offscreen platform reads its backing store.
    const auto shown = [](QWidget& window) {
        QCoreApplication::processEvents();
        return window.screen()->grabWindow(window.winId()).toImage();
    };
    QImage resized;
    {
        Board board(false);
        board->resize(first);
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*board));
        shown(*board);
        board->resize(then);
        resized = shown(*board);
    }
    QImage direct;
    {
        Board board(false);
        board->resize(then);
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*board));
        direct = shown(*board);
    }
    QCOMPARE(resized.size(), then);
    QCOMPARE(direct.size(), then);
    QVERIFY2(resized == direct, "the resized board shows other pixels than a board made at that size");
}

int main(int argc, char** argv)
{
    TunePainting();
    QApplication app(argc, argv);
    TestPaintTuning test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_painttuning.moc"
