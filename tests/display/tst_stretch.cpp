// Proportional resizing of the scoreboard: the layout snapshot, the scaling
// of every recorded quantity on a resize, the single repaint, the minimised
// window, the snapshot taken again after the options dialog, and windows up
// to 8K.

#include "boardfixture.h"
#include "display/modstretch.h"
#include "display/sevensegment.h"
#include "display/twips.h"
#include "settings/optionsdialog.h"

#include <QResizeEvent>
#include <QTest>

#include <cmath>

using namespace kv;
using kv::test::Board;

namespace {

// The properties a snapshot element holds, by name, with their values.
QList<QPair<const char*, qint32>> RecordedFields(const ControlLayout& layout)
{
    const QList<QPair<const char*, qint32>> all = {
        { "Left", layout.Left },
        { "Top", layout.Top },
        { "Height", layout.Height },
        { "Width", layout.Width },
        { "FontSize", layout.FontSize },
        { "BorderWidth", layout.BorderWidth },
        { "Size", layout.Size },
        { "PaddingD", layout.PaddingD },
        { "PaddingI", layout.PaddingI },
        { "PaddingH", layout.PaddingH },
        { "PaddingV", layout.PaddingV },
        { "X1", layout.X1 },
        { "X2", layout.X2 },
        { "Y1", layout.Y1 },
        { "Y2", layout.Y2 },
    };
    QList<QPair<const char*, qint32>> recorded;
    for (const auto& field : all) {
        if (field.second != 0)
            recorded.append(field);
    }
    return recorded;
}

bool IsExtent(const char* name)
{
    const QByteArray field(name);
    return field != "Left" && field != "Top" && field != "X1" && field != "X2" && field != "Y1"
        && field != "Y2";
}

bool IsHorizontal(const char* name)
{
    const QByteArray field(name);
    return field == "Left" || field == "Width" || field == "X1" || field == "X2";
}

// Resizes the shown board and lets the resize pass and its repaint run.
[[nodiscard]] bool ResizeBoard(Board& board, int width, int height)
{
    board->resize(width, height);
    QCoreApplication::processEvents();
    return board->size() == QSize(width, height);
}

double Property(const Form& form, const QString& name, const char* property)
{
    const QObject* control = form.Control(name);
    if (!control)
        qFatal("no control %s", qPrintable(name));
    return control->property(property).toDouble();
}

// Counts the resize and paint events of one widget.
class EventCounter final : public QObject
{
public:
    explicit EventCounter(QObject* watched)
        : m_watched(watched)
    {
        watched->installEventFilter(this);
    }
    ~EventCounter() override { m_watched->removeEventFilter(this); }

    int resizes = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_watched) {
            if (event->type() == QEvent::Resize)
                ++resizes;
            else if (event->type() == QEvent::Paint)
                ++paints;
        }
        return false;
    }

private:
    QObject* m_watched;
};

} // namespace

class TestStretch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }
    void cleanup() { SetOptionsDialogRunner({}); }

    void snapshot_recordsListedClassesOnly();
    void snapshotSize_setsEveryQuantityToItself_data();
    void snapshotSize_setsEveryQuantityToItself();
    void snapshotSize_fontsBecomeWholePoints_data();
    void snapshotSize_fontsBecomeWholePoints();
    void scaled_data();
    void scaled();
    void scaled_ledExtentFollowsSize();
    void verySmall_extentsStayAtLeastOne_data();
    void verySmall_extentsStayAtLeastOne();
    void zeroPositions_neverMove_data();
    void zeroPositions_neverMove();
    void move_keepsLedExtent_data();
    void move_keepsLedExtent();
    void resize_onePassAndOneRepaint();
    void minimised_changesNothingUntilRestored();
    void optionsAfterMaximised_restoreReturnsToDesign();
    void largeWindows_scaleWithoutOverflow_data();
    void largeWindows_scaleWithoutOverflow();
};

void TestStretch::snapshot_recordsListedClassesOnly()
{
    Board board;
    const QList<QObject*>& controls = board->Controls();
    QCOMPARE(LayoutTable.size(), controls.size() + 1);
    QCOMPARE(DesignWidth, 9480);
    QCOMPARE(DesignHeight, 6795);
    int recorded = 0;
    for (const ControlLayout& layout : LayoutTable) {
        if (!layout.Control) {
            QVERIFY(RecordedFields(layout).isEmpty());
            continue;
        }
        ++recorded;
        const QString type = TypeName(layout.Control);
        QVERIFY2(type != QLatin1String("TimeKeeper") && type != QLatin1String("Timer")
                && type != QLatin1String("MMControl"),
            qPrintable(type));
        // LED extents follow their digit size and paddings; lines have no corner.
        if (type.endsWith(QLatin1String("LED"))) {
            QCOMPARE(layout.Width, 0);
            QCOMPARE(layout.Height, 0);
        }
        if (type == QLatin1String("Line")) {
            QCOMPARE(layout.Left, 0);
            QCOMPARE(layout.Top, 0);
        }
    }
    // Three stopwatches, the buzzer player and the clock timer are left out.
    QCOMPARE(controls.size(), 69);
    QCOMPARE(recorded, 64);
    // Recorded elements come first, in collection order.
    QVERIFY(LayoutTable.at(recorded - 1).Control);
    QVERIFY(!LayoutTable.at(recorded).Control);
}

void TestStretch::snapshotSize_setsEveryQuantityToItself_data()
{
    QTest::addColumn<bool>("again");
    QTest::newRow("shown") << false;
    QTest::newRow("pass again") << true;
}

void TestStretch::snapshotSize_setsEveryQuantityToItself()
{
    // The snapshot is taken at load, before the window (and any frame the
    // window system adds) exists; the pass run when it is shown must leave
    // the design as it is. A further pass changes nothing either.
    Board board;
    QCOMPARE(board->size(), QSize(632, 453));
    QFETCH(bool, again);
    if (again)
        StretchLayout(*board);
    for (const ControlLayout& layout : LayoutTable) {
        // The focus placed the selection frame once the window was shown.
        if (!layout.Control || (!again && layout.Control == board->shpObjectSelected))
            continue;
        for (const auto& [name, value] : RecordedFields(layout)) {
            const QString where = layout.Control->objectName() + QLatin1Char('.') + QLatin1String(name);
            QVERIFY2(layout.Control->property(name).toDouble() == value, qPrintable(where));
        }
    }
}

void TestStretch::snapshotSize_fontsBecomeWholePoints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("points");
    QTest::newRow("21.75 pt caption") << "Label25" << 22.0;
    QTest::newRow("12.75 pt maker") << "lblCreatedBy" << 13.0;
    QTest::newRow("21.75 pt home name") << "lblHomeName" << 22.0;
    QTest::newRow("36 pt title") << "lblTitle" << 36.0;
}

void TestStretch::snapshotSize_fontsBecomeWholePoints()
{
    QFETCH(QString, name);
    QFETCH(double, points);
    Board board;
    QVERIFY(ResizeBoard(board, 700, 500));
    QVERIFY(ResizeBoard(board, 632, 453));
    QCOMPARE(Property(*board, name, "FontSize"), points);
}

void TestStretch::scaled_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<double>("expected");
    QTest::newRow("label left") << "Label3" << QByteArray("Left") << 2520.0;
    QTest::newRow("label top") << "Label3" << QByteArray("Top") << 7470.0;
    QTest::newRow("label width") << "Label3" << QByteArray("Width") << 1470.0;
    QTest::newRow("label height") << "Label3" << QByteArray("Height") << 922.5;
    QTest::newRow("label font") << "Label3" << QByteArray("FontSize") << 36.0;
    QTest::newRow("line x1") << "Line1" << QByteArray("X1") << 9466.0;
    QTest::newRow("line y1") << "Line1" << QByteArray("Y1") << 4530.0;
    QTest::newRow("line x2") << "Line1" << QByteArray("X2") << 9466.0;
    QTest::newRow("line y2") << "Line1" << QByteArray("Y2") << 10185.0;
    QTest::newRow("line width 10.5 to even") << "Line1" << QByteArray("BorderWidth") << 10.0;
    QTest::newRow("frame width 10.5 to even") << "shpContestTime" << QByteArray("BorderWidth") << 10.0;
    QTest::newRow("title font by height") << "lblTitle" << QByteArray("FontSize") << 54.0;
    QTest::newRow("negative top") << "lblIpponHome" << QByteArray("Top") << -45.0;
    QTest::newRow("clock size") << "tledPeriod" << QByteArray("Size") << 97.5;
    QTest::newRow("clock left") << "tledPeriod" << QByteArray("Left") << 6796.0;
    QTest::newRow("clock padding by height") << "tledPeriod" << QByteArray("PaddingH") << 270.0;
    QTest::newRow("clock divider padding") << "tledPeriod" << QByteArray("PaddingD") << 270.0;
    QTest::newRow("picture box width") << "picHomeS" << QByteArray("Width") << 9150.0;
    QTest::newRow("image height") << "imgHomePic" << QByteArray("Height") << 1282.5;
    QTest::newRow("shido mark border 3") << "shpWinnerHome" << QByteArray("BorderWidth") << 3.0;
}

void TestStretch::scaled()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(double, expected);
    Board board;
    // A design window 453 1/3 pixels high, so that 680 pixels are exactly 1.5 times it.
    DesignHeight = 6800;
    QVERIFY(ResizeBoard(board, 1264, 680));
    QCOMPARE(Property(*board, name, property.constData()), expected);
}

void TestStretch::scaled_ledExtentFollowsSize()
{
    Board board;
    QVERIFY(ResizeBoard(board, 1264, 906));
    for (const QString& name : { QStringLiteral("nledWHome"), QStringLiteral("nledHoldVisitor") }) {
        const auto* led = board->ControlAs<NumberLED>(name);
        QCOMPARE(led->Size(), 130.0);
        const QSizeF extent = NumberLedExtent(led->Size(),
            { led->PaddingH(), led->PaddingV(), led->PaddingI(), 0 }, QString::number(led->Max()).size());
        QCOMPARE(led->Width(), extent.width());
        QCOMPARE(led->Height(), extent.height());
    }
    const TimeLED* clock = board->tledPeriod;
    const QSizeF extent = TimeLedExtent(clock->Size(),
        { clock->PaddingH(), clock->PaddingV(), clock->PaddingI(), clock->PaddingD() }, { 1, 2 });
    QCOMPARE(clock->Width(), extent.width());
    QCOMPARE(clock->Height(), extent.height());
}

void TestStretch::verySmall_extentsStayAtLeastOne_data()
{
    QTest::addColumn<QSize>("window");
    QTest::newRow("40 x 30") << QSize(40, 30);
    QTest::newRow("10 x 10") << QSize(10, 10);
    QTest::newRow("1 x 1") << QSize(1, 1);
}

void TestStretch::verySmall_extentsStayAtLeastOne()
{
    QFETCH(QSize, window);
    Board board;
    const QVector<ControlLayout> design = LayoutTable;
    QVERIFY(ResizeBoard(board, window.width(), window.height()));
    const double widthRatio = board->ScaleWidth() / DesignWidth;
    const double heightRatio = board->ScaleHeight() / DesignHeight;
    for (const ControlLayout& layout : design) {
        if (!layout.Control)
            continue;
        for (const auto& [name, value] : RecordedFields(layout)) {
            const QString where = layout.Control->objectName() + QLatin1Char('.') + QLatin1String(name);
            const double actual = layout.Control->property(name).toDouble();
            const double scaled = (IsHorizontal(name) ? widthRatio : heightRatio) * value;
            if (IsExtent(name)) {
                QVERIFY2(actual >= 1, qPrintable(where));
                if (scaled >= 1.5)
                    QVERIFY2(std::abs(actual - scaled) <= 0.5, qPrintable(where));
            } else {
                // Positions shrink in proportion, without a minimum.
                QVERIFY2(std::abs(actual - scaled) <= 1e-3, qPrintable(where));
            }
        }
    }
}

void TestStretch::zeroPositions_neverMove_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::newRow("home name left") << "lblHomeName" << QByteArray("Left");
    QTest::newRow("home ippon left") << "lblIpponHome" << QByteArray("Left");
    QTest::newRow("visitor ippon top") << "lblIpponVisitor" << QByteArray("Top");
    QTest::newRow("home picture left") << "imgHomePic" << QByteArray("Left");
    QTest::newRow("home picture top") << "imgHomePic" << QByteArray("Top");
    QTest::newRow("visitor picture left") << "imgVisitorPic" << QByteArray("Left");
    QTest::newRow("title top") << "lblTitle" << QByteArray("Top");
    QTest::newRow("medical mark left") << "lblMedHome" << QByteArray("Left");
}

void TestStretch::zeroPositions_neverMove()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    Board board;
    QObject* control = name == QLatin1String("lblMedHome") ? board->Control(name, 1) : board->Control(name);
    QVERIFY(control);
    for (const QSize& window : { QSize(1264, 906), QSize(300, 700), QSize(20, 20), QSize(632, 453) }) {
        QVERIFY(ResizeBoard(board, window.width(), window.height()));
        QCOMPARE(control->property(property.constData()).toDouble(), 0.0);
    }
}

void TestStretch::move_keepsLedExtent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ownExtent");
    QTest::newRow("number display") << "nledYVisitor" << true;
    QTest::newRow("time display") << "tledPeriod" << true;
    QTest::newRow("label") << "Label3" << false;
    QTest::newRow("picture box") << "picMedHome" << false;
}

void TestStretch::move_keepsLedExtent()
{
    QFETCH(QString, name);
    QFETCH(bool, ownExtent);
    Board board;
    auto* control = board->ControlAs<kv::Control>(name);
    QVERIFY(control);
    const QSizeF before(control->Width(), control->Height());
    EventCounter counter(control);
    control->Move(150, 300, 45, 60);
    QCOMPARE(control->Left(), 150.0);
    QCOMPARE(control->Top(), 300.0);
    QCOMPARE(control->geometry().topLeft(), QPoint(10, 20));
    if (ownExtent) {
        QCOMPARE(QSizeF(control->Width(), control->Height()), before);
    } else {
        QCOMPARE(QSizeF(control->Width(), control->Height()), QSizeF(45, 60));
        QCOMPARE(control->geometry().size(), QSize(3, 4));
    }
    // The new place is taken in one step, not through intermediate extents.
    QVERIFY(counter.resizes <= 1);
}

void TestStretch::resize_onePassAndOneRepaint()
{
    Board board;
    QCoreApplication::processEvents();
    QVERIFY(QTest::qWaitForWindowExposed(board.form.get()));
    QCoreApplication::processEvents();
    EventCounter counter(board.form.get());
    QVERIFY(ResizeBoard(board, 948, 680));
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QCOMPARE(counter.resizes, 1);
    QCOMPARE(counter.paints, 1);
    QVERIFY(board->updatesEnabled());
    QVERIFY(
        std::abs(board->ControlAs<Label>(QStringLiteral("Label3"))->FontSize() - 24.0 * 680 / 453) < 1e-4);
    // The selection frame is hidden by the pass.
    QVERIFY(!board->shpObjectSelected->Visible());
}

void TestStretch::minimised_changesNothingUntilRestored()
{
    Board board;
    board->showMinimized();
    QCoreApplication::processEvents();
    QCOMPARE(board->WindowState(), 1);
    const QRect label = board->ControlAs<Label>(QStringLiteral("Label3"))->geometry();
    const double font = board->ControlAs<Label>(QStringLiteral("Label3"))->FontSize();
    const double clockSize = board->tledPeriod->Size();
    board->resize(1264, 906);
    QCoreApplication::processEvents();
    StretchLayout(*board);
    QCOMPARE(board->ControlAs<Label>(QStringLiteral("Label3"))->geometry(), label);
    QCOMPARE(board->ControlAs<Label>(QStringLiteral("Label3"))->FontSize(), font);
    QCOMPARE(board->tledPeriod->Size(), clockSize);
    QCOMPARE(board->Line1->Y2(), 6790.0);

    board->showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(board->WindowState(), 0);
    QCOMPARE(board->size(), QSize(1264, 906));
    QCOMPARE(board->ControlAs<Label>(QStringLiteral("Label3"))->Left(), 2520.0);
    QCOMPARE(board->ControlAs<Label>(QStringLiteral("Label3"))->Top(), 9960.0);
    QCOMPARE(board->ControlAs<Label>(QStringLiteral("Label3"))->FontSize(), 48.0);
    QCOMPARE(board->tledPeriod->Size(), 130.0);
}

void TestStretch::optionsAfterMaximised_restoreReturnsToDesign()
{
    Board board;
    const QVector<ControlLayout> design = LayoutTable;
    QVERIFY(ResizeBoard(board, 1920, 1080));
    int runs = 0;
    SetOptionsDialogRunner([&runs] { ++runs; });
    QTest::keyClick(board->tledPeriod, Qt::Key_F2);
    QCOMPARE(runs, 1);
    // The snapshot now holds the large window.
    QCOMPARE(DesignWidth, 28800);
    QCOMPARE(DesignHeight, 16200);

    QVERIFY(ResizeBoard(board, 632, 453));
    for (const ControlLayout& layout : design) {
        if (!layout.Control)
            continue;
        for (const auto& [name, value] : RecordedFields(layout)) {
            const QString where = layout.Control->objectName() + QLatin1Char('.') + QLatin1String(name);
            const double actual = layout.Control->property(name).toDouble();
            QVERIFY2(std::abs(actual - value) <= 1.0,
                qPrintable(QStringLiteral("%1: %2 instead of %3").arg(where).arg(actual).arg(value)));
        }
    }
}

void TestStretch::largeWindows_scaleWithoutOverflow_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<qint32>("twipsWide");
    QTest::addColumn<qint32>("twipsHigh");
    QTest::newRow("4K") << QSize(3840, 2160) << 57600 << 32400;
    QTest::newRow("8K") << QSize(7680, 4320) << 115200 << 64800;
}

void TestStretch::largeWindows_scaleWithoutOverflow()
{
    QFETCH(QSize, window);
    QFETCH(qint32, twipsWide);
    QFETCH(qint32, twipsHigh);
    Board board;
    QVERIFY(ResizeBoard(board, window.width(), window.height()));
    const double widthRatio = twipsWide / 9480.0;
    const double heightRatio = twipsHigh / 6795.0;
    QVERIFY(std::abs(board->Line2->X2() - 9413 * widthRatio) < 0.01);
    QVERIFY(std::abs(board->lblTitle->Width() - 9255 * widthRatio) < 0.01);
    QVERIFY(std::abs(board->ControlAs<Label>(QStringLiteral("Label3"))->Top() - 4980 * heightRatio) < 0.01);

    // The snapshot taken after the options dialog holds the large window.
    SetOptionsDialogRunner([] {});
    QTest::keyClick(board->tledPeriod, Qt::Key_F2);
    QCOMPARE(DesignWidth, twipsWide);
    QCOMPARE(DesignHeight, twipsHigh);
    const qint32 titleWidth = static_cast<qint32>(std::lround(board->lblTitle->Width()));
    const qint32 lineEnd = static_cast<qint32>(std::lround(board->Line2->X2()));
    const auto recorded = [](const QObject* control) {
        for (const ControlLayout& layout : LayoutTable) {
            if (layout.Control == control)
                return layout;
        }
        return ControlLayout();
    };
    QCOMPARE(recorded(board->lblTitle).Width, titleWidth);
    QCOMPARE(recorded(board->Line2).X2, lineEnd);

    // Half the snapshot's size is exactly half of every recorded position.
    QVERIFY(ResizeBoard(board, window.width() / 2, window.height() / 2));
    QCOMPARE(board->Line2->X2(), lineEnd / 2.0);
    QCOMPARE(board->lblTitle->Width(), titleWidth / 2.0);
    QCOMPARE(board->ControlAs<Label>(QStringLiteral("Label3"))->Left(),
        recorded(board->ControlAs<Label>(QStringLiteral("Label3"))).Left / 2.0);
}

QTEST_MAIN(TestStretch)
#include "tst_stretch.moc"
