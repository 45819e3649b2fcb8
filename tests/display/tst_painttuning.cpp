// The painting choices the program makes before its application object
// exists, and guards that they change no pixel: a board resized after it
// was shown holds, in its window's backing store, the same picture as a
// board shown at that size from the start, and its captions are painted.

#include "boardfixture.h"
#include "display/controls.h"
#include "display/painttuning.h"
#include "display/vbcolor.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

using namespace kv;
using kv::test::Board;

namespace {

// What the window shows: the offscreen platform reads its backing store.
QImage Shown(QWidget& window)
{
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage();
}

// How many pixels of the label's box on the window show its caption colour.
int CaptionPixels(const QImage& shown, const frmScoreboard& board, const char* name)
{
    const auto* label = board.ControlAs<Label>(QString::fromLatin1(name));
    if (!label)
        return -1;
    const QRect box(label->mapTo(&board, QPoint(0, 0)), label->size());
    const QRgb caption = ToQColor(label->ForeColor()).rgb();
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            count += (shown.pixel(x, y) & 0xFFFFFF) == (caption & 0xFFFFFF) ? 1 : 0;
    }
    return count;
}

} // namespace

class TestPaintTuning final : public QObject
{
    Q_OBJECT

private slots:
    void tuning_setsEachChoiceOnlyWhenUnset_data();
    void tuning_setsEachChoiceOnlyWhenUnset();
    void resizedBoard_paintsAsABoardMadeAtThatSize_data();
    void resizedBoard_paintsAsABoardMadeAtThatSize();
    void largeCaptions_arePainted_data();
    void largeCaptions_arePainted();
};

void TestPaintTuning::tuning_setsEachChoiceOnlyWhenUnset_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("before"); // empty: not set
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("moves repainted unset")
        << QByteArray("QT_NO_FAST_MOVE") << QByteArray() << QByteArray("1");
    QTest::newRow("moves copied, the user's")
        << QByteArray("QT_NO_FAST_MOVE") << QByteArray("0") << QByteArray("0");
    // Raised, the board's large captions were not drawn at all.
    QTest::newRow("glyph cache limit left alone")
        << QByteArray("QT_MAX_CACHED_GLYPH_SIZE") << QByteArray() << QByteArray();
}

void TestPaintTuning::tuning_setsEachChoiceOnlyWhenUnset()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    // Qt has read the choices already (main below): changing them here
    // changes nothing on screen.
    const bool wasSet = qEnvironmentVariableIsSet(name.constData());
    const QByteArray kept = qgetenv(name.constData());
    if (before.isEmpty())
        qunsetenv(name.constData());
    else
        qputenv(name.constData(), before);
    TunePainting();
    const QByteArray seen = qgetenv(name.constData());
    if (wasSet)
        qputenv(name.constData(), kept);
    else
        qunsetenv(name.constData());
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
    // The first caption painted at a size can differ in a few edge pixels
    // from later ones (Qt's glyph cache filling): one board at the size
    // first, so that both pictures below are later ones.
    {
        Board board(false);
        board->resize(then);
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*board));
        Shown(*board);
    }
    QImage resized;
    {
        Board board(false);
        board->resize(first);
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*board));
        Shown(*board);
        board->resize(then);
        resized = Shown(*board);
    }
    QImage direct;
    {
        Board board(false);
        board->resize(then);
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*board));
        direct = Shown(*board);
    }
    QCOMPARE(resized.size(), then);
    QCOMPARE(direct.size(), then);
    QVERIFY2(resized == direct, "the resized board shows other pixels than a board made at that size");
}

void TestPaintTuning::largeCaptions_arePainted_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("label");
    // The title (36 pt), a name (21.75 pt, black on white) and a shido
    // caption (24 pt): 80 to 230 pixels high on these windows.
    for (const QSize& size : { QSize(1920, 1080), QSize(3840, 2160) }) {
        for (const char* label : { "lblTitle", "lblHomeName", "Label2" }) {
            QTest::addRow("%s at %dx%d", label, size.width(), size.height()) << size << QByteArray(label);
        }
    }
}

void TestPaintTuning::largeCaptions_arePainted()
{
    QFETCH(QSize, size);
    QFETCH(QByteArray, label);
    Board board(false);
    board->resize(size);
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*board));
    const QImage shown = Shown(*board);
    QCOMPARE(shown.size(), size);
    // A painted caption fills whole pixels with its colour inside its strokes:
    // at these sizes some hundreds at least.
    const int pixels = CaptionPixels(shown, *board, label.constData());
    QVERIFY2(pixels >= 200, qPrintable(QStringLiteral("%1 caption pixels").arg(pixels)));
}

int main(int argc, char** argv)
{
    TunePainting();
    QApplication app(argc, argv);
    TestPaintTuning test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_painttuning.moc"
