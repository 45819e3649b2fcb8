// The board's colours: every mark for each state, the whole-board colouring
// with its exclusions, LED colours on control arrays, the fitting of the side
// pictures, and the selection frame.

#include "boardfixture.h"
#include "display/form.h"
#include "display/formdesign.h"
#include "display/modcolor.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;
using kv::test::Board;

namespace {

// Settings colours that differ from each other and from the defaults, so
// that every comparison names exactly one role.
void UseDistinctColours()
{
    BoardSettings.FormBack = 0x101010;
    BoardSettings.TimeColor = 0x202020;
    BoardSettings.HoldColor = 0x303030;
    BoardSettings.ScoreColor = 0x404040;
    BoardSettings.LEDBack = 0x505050;
    BoardSettings.BorderColor = 0x606060;
    BoardSettings.LEDSelected = 0x707070;
}

constexpr int Sentinel = 0x00ABCDEF;

QString WritePicture(const QTemporaryDir& folder, const QString& name, int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString path = folder.filePath(name);
    if (!picture.save(path))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

// A small form: a picture container holding an image, two number displays
// sharing one name, another display and a label array.
std::unique_ptr<Form> SmallForm()
{
    auto form = std::make_unique<Form>();
    const QStringList problems = BuildForm(*form,
        {
            { "picBox", -1, "PictureBox", "", 0, 0, 1215, 1335, {} },
            { "imgPic", -1, "Image", "picBox", 0, 0, 975, 855, {} },
            { "nledPair", 0, "NumberLED", "", 1500, 0, 735, 1125, {} },
            { "nledPair", 1, "NumberLED", "", 2400, 0, 735, 1125, {} },
            { "nledSingle", -1, "NumberLED", "", 3300, 0, 735, 1125, {} },
            { "lblPair", 0, "Label", "", 0, 1500, 600, 300, {} },
            { "lblPair", 1, "Label", "", 700, 1500, 600, 300, {} },
            { "lblOther", -1, "Label", "", 1400, 1500, 600, 300, {} },
        });
    if (!problems.isEmpty())
        qWarning("%s", qPrintable(problems.join(u"; ")));
    return form;
}

} // namespace

class TestColors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }

    void ippon_data();
    void ippon();
    void medical_data();
    void medical();
    void winner_data();
    void winner();
    void penalty_data();
    void penalty();
    void changedHoldColour_recoloursLitIppon();

    void formColours_roles();
    void formColours_everyControlByKind();
    void setLedColors_controlArray();
    void applyBoardColors_excludesWholeArray();

    void fitPicture_data();
    void fitPicture();
    void fitPicture_notAPicture();
    void fitPicture_missingFileShowsNone();

    void objectSelected_data();
    void objectSelected();
    void objectSelected_hiddenOnNullAndResize();
    void tab_frameStaysOnClockThroughHoldContainers();
    void ipponLabelClicks_moveIpponAndFocus();
};

// ---------------------------------------------------------------- marks

void TestColors::ippon_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("visitor");
    QTest::newRow("0") << 0 << 0x101010 << 0x101010;
    QTest::newRow("1") << 1 << 0x303030 << 0x101010;
    QTest::newRow("2") << 2 << 0x101010 << 0x303030;
    QTest::newRow("3 leaves unchanged") << 3 << Sentinel << Sentinel;
    QTest::newRow("-1 leaves unchanged") << -1 << Sentinel << Sentinel;
}

void TestColors::ippon()
{
    QFETCH(int, state);
    QFETCH(int, home);
    QFETCH(int, visitor);
    Board board(false);
    UseDistinctColours();
    board->lblIpponHome->SetForeColor(Sentinel);
    board->lblIpponVisitor->SetForeColor(Sentinel);
    board->Ippon = static_cast<qint16>(state);
    board->UpdateOtherColors();
    QCOMPARE(board->lblIpponHome->ForeColor(), home);
    QCOMPARE(board->lblIpponVisitor->ForeColor(), visitor);
}

void TestColors::medical_data()
{
    QTest::addColumn<bool>("homeSide");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("cross0");
    QTest::addColumn<int>("cross1");
    for (const bool home : { true, false }) {
        const QByteArray side = home ? "Home " : "Visitor ";
        QTest::newRow(side + "0") << home << 0 << 0x101010 << 0x101010;
        QTest::newRow(side + "1") << home << 1 << 0x303030 << 0x101010;
        QTest::newRow(side + "2") << home << 2 << 0x303030 << 0x303030;
        QTest::newRow(side + "3 unchanged") << home << 3 << Sentinel << Sentinel;
    }
}

void TestColors::medical()
{
    QFETCH(bool, homeSide);
    QFETCH(int, state);
    QFETCH(int, cross0);
    QFETCH(int, cross1);
    Board board(false);
    UseDistinctColours();
    const QVector<Label*>& crosses = homeSide ? board->lblMedHome : board->lblMedVisitor;
    const QVector<Label*>& others = homeSide ? board->lblMedVisitor : board->lblMedHome;
    for (Label* cross : crosses + others)
        cross->SetForeColor(Sentinel);
    (homeSide ? board->MedHome : board->MedVisitor) = static_cast<qint16>(state);
    board->UpdateOtherColors();
    QCOMPARE(crosses[0]->ForeColor(), cross0);
    QCOMPARE(crosses[1]->ForeColor(), cross1);
    // The other side's count is 0: both its crosses off.
    QCOMPARE(others[0]->ForeColor(), 0x101010);
    QCOMPARE(others[1]->ForeColor(), 0x101010);
}

void TestColors::winner_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("visitor");
    QTest::newRow("0") << 0 << 0x101010 << 0x101010;
    QTest::newRow("1") << 1 << 0x404040 << 0x101010;
    QTest::newRow("2") << 2 << 0x101010 << 0x404040;
    QTest::newRow("7 unchanged") << 7 << Sentinel << Sentinel;
}

void TestColors::winner()
{
    QFETCH(int, state);
    QFETCH(int, home);
    QFETCH(int, visitor);
    Board board(false);
    UseDistinctColours();
    board->shpWinnerHome->SetFillColor(Sentinel);
    board->shpWinnerVisitor->SetFillColor(Sentinel);
    board->Winner = static_cast<qint16>(state);
    board->UpdateOtherColors();
    QCOMPARE(board->shpWinnerHome->FillColor(), home);
    QCOMPARE(board->shpWinnerVisitor->FillColor(), visitor);
}

void TestColors::penalty_data()
{
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("visitor");
    for (int home = 0; home <= 4; ++home)
        QTest::addRow("Home %d, Visitor %d", home, 4 - home) << home << 4 - home;
}

void TestColors::penalty()
{
    QFETCH(int, home);
    QFETCH(int, visitor);
    Board board(false);
    UseDistinctColours();
    board->PenaltySH = static_cast<qint16>(home);
    board->PenaltySV = static_cast<qint16>(visitor);
    board->UpdatePenaltyColors();
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(board->shpHomeS[i]->FillColor(), i <= home ? 0x303030 : 0x101010);
        QCOMPARE(board->shpVisitorS[i]->FillColor(), i <= visitor ? 0x303030 : 0x101010);
    }
}

void TestColors::changedHoldColour_recoloursLitIppon()
{
    Board board(false);
    board->Ippon = 1;
    board->MedVisitor = 2;
    board->PenaltySV = 1;
    board->UpdateOtherColors();
    QCOMPARE(board->lblIpponHome->ForeColor(), BoardSettings.HoldColor);
    BoardSettings.HoldColor = 0x00FF00;
    board->UpdateFormColors();
    QCOMPARE(board->lblIpponHome->ForeColor(), 0x00FF00);
    QCOMPARE(board->lblIpponVisitor->ForeColor(), BoardSettings.FormBack);
    QCOMPARE(board->lblMedVisitor[1]->ForeColor(), 0x00FF00);
    QCOMPARE(board->shpVisitorS[1]->FillColor(), 0x00FF00);
    QCOMPARE(board->shpVisitorS[2]->FillColor(), BoardSettings.FormBack);
}

// ---------------------------------------------------------------- the whole board

void TestColors::formColours_roles()
{
    Board board(false);
    UseDistinctColours();
    board->UpdateFormColors();
    QCOMPARE(board->palette().color(QPalette::Window), QColor(0x10, 0x10, 0x10));
    QCOMPARE(board->tledPeriod->LitColor(), 0x202020);
    QCOMPARE(board->tledPeriod->BackColor(), 0x505050);
    QCOMPARE(board->tledPeriod->BorderColor(), 0x606060);
    for (NumberLED* hold : { board->nledHoldHome, board->nledHoldVisitor }) {
        QCOMPARE(hold->LitColor(), 0x303030);
        QCOMPARE(hold->BackColor(), 0x505050);
    }
    for (NumberLED* score :
        { board->nledWHome, board->nledYHome, board->nledWVisitor, board->nledYVisitor }) {
        QCOMPARE(score->LitColor(), 0x404040);
        QCOMPARE(score->BackColor(), 0x505050);
    }
    // The side names keep their design colours.
    QCOMPARE(board->lblHomeName->ForeColor(), 0x000000);
    QCOMPARE(board->lblHomeName->BackColor(), 0xFFFFFF);
    QCOMPARE(board->lblVisitorName->ForeColor(), 0xFFFFFF);
    QCOMPARE(board->lblVisitorName->BackColor(), 0xFF9900);
    // Mark backgrounds are the LED background.
    for (Label* mark : { board->lblIpponHome, board->lblIpponVisitor, board->lblMedHome[0],
             board->lblMedHome[1], board->lblMedVisitor[0], board->lblMedVisitor[1] }) {
        QCOMPARE(mark->BackColor(), 0x505050);
        QCOMPARE(mark->ForeColor(), 0x101010); // all off
    }
    QCOMPARE(board->shpContestTime->BorderColor(), 0x606060);
    QCOMPARE(board->shpHoldHome->FillColor(), 0x606060);
    QCOMPARE(board->shpHoldVisitor->FillColor(), 0x606060);
    QCOMPARE(board->shpObjectSelected->FillColor(), 0x707070);
    QCOMPARE(board->shpWinnerHome->FillColor(), 0x101010);
}

void TestColors::formColours_everyControlByKind()
{
    Board board(false);
    UseDistinctColours();
    board->UpdateFormColors();
    const QStringList marks = { "lblMedHome", "lblMedVisitor", "lblIpponHome", "lblIpponVisitor" };
    const QStringList names = { "lblHomeName", "lblVisitorName" };
    int labels = 0;
    int boxes = 0;
    int shapes = 0;
    int lines = 0;
    for (QObject* control : board->Controls()) {
        const QString type = TypeName(control);
        const QString name = control->objectName();
        if (type == QLatin1String("Label")) {
            if (marks.contains(name) || names.contains(name))
                continue;
            ++labels;
            QVERIFY2(control->property("ForeColor").toInt() == 0x606060, qPrintable(name));
        } else if (type == QLatin1String("PictureBox")) {
            ++boxes;
            const bool hold = name.startsWith(QLatin1String("picContainerHold"));
            QVERIFY2(
                control->property("BackColor").toInt() == (hold ? 0x505050 : 0x101010), qPrintable(name));
        } else if (type == QLatin1String("Shape")) {
            ++shapes;
            const int border = name == QLatin1String("shpContestTime") ? 0x606060 : 0x505050;
            QVERIFY2(control->property("BorderColor").toInt() == border, qPrintable(name));
        } else if (type == QLatin1String("Line")) {
            ++lines;
            QVERIFY2(control->property("BorderColor").toInt() == 0x606060, qPrintable(name));
        }
    }
    // Title, CONTEST TIME, created-by, two WINNER, two I, W/Y twice, S1..S4-H twice.
    QCOMPARE(labels, 19);
    QCOMPARE(boxes, 12);
    QCOMPARE(shapes, 14);
    QCOMPARE(lines, 2);
}

void TestColors::setLedColors_controlArray()
{
    const auto form = SmallForm();
    auto* first = form->ControlAs<NumberLED>(QStringLiteral("nledPair"), 0);
    auto* second = form->ControlAs<NumberLED>(QStringLiteral("nledPair"), 1);
    auto* single = form->ControlAs<NumberLED>(QStringLiteral("nledSingle"));
    QVERIFY(first && second && single);
    single->SetLitColor(Sentinel);
    SetLedColors(*form, QStringLiteral("nledPair"), 0x123456, 0x050505);
    QCOMPARE(first->LitColor(), 0x123456);
    QCOMPARE(second->LitColor(), 0x123456);
    QCOMPARE(first->BackColor(), 0x050505);
    QCOMPARE(second->BackColor(), 0x050505);
    QCOMPARE(single->LitColor(), Sentinel);
    SetLedColors(*form, QStringLiteral("nledSingle"), 0x654321, 0x050505);
    QCOMPARE(single->LitColor(), 0x654321);
    QCOMPARE(single->BackColor(), 0x050505);
    QCOMPARE(first->LitColor(), 0x123456);
}

void TestColors::applyBoardColors_excludesWholeArray()
{
    const auto form = SmallForm();
    auto* first = form->ControlAs<Label>(QStringLiteral("lblPair"), 0);
    auto* second = form->ControlAs<Label>(QStringLiteral("lblPair"), 1);
    auto* other = form->ControlAs<Label>(QStringLiteral("lblOther"));
    for (Label* label : { first, second, other })
        label->SetForeColor(Sentinel);
    // Listing one element's name excludes both; a name that merely contains
    // another's is no exclusion.
    ApplyBoardColors(*form, { first->objectName(), QStringLiteral("lblOth") },
        { .FormBack = 0x010203, .LEDBack = 0x050505, .BorderColor = 0x0A0B0C });
    QCOMPARE(first->ForeColor(), Sentinel);
    QCOMPARE(second->ForeColor(), Sentinel);
    QCOMPARE(other->ForeColor(), 0x0A0B0C);
    QCOMPARE(form->ControlAs<PictureBox>(QStringLiteral("picBox"))->BackColor(), 0x010203);
    // LED displays are left alone.
    QCOMPARE(form->ControlAs<NumberLED>(QStringLiteral("nledSingle"))->BackColor(), NumberLED().BackColor());
}

// ---------------------------------------------------------------- side pictures

void TestColors::fitPicture_data()
{
    QTest::addColumn<int>("pixelsWide");
    QTest::addColumn<int>("pixelsHigh");
    QTest::addColumn<QRectF>("twips");
    // The container is 1215 x 1335 twips.
    QTest::newRow("wide: fits the width, centred vertically")
        << 300 << 100 << QRectF(0, (1335 - 405) / 2.0, 1215, 405);
    QTest::newRow("tall: fits the height, centred horizontally")
        << 100 << 300 << QRectF((1215 - 445) / 2.0, 0, 445, 1335);
    QTest::newRow("same ratio as the container") << 81 << 89 << QRectF(0, 0, 1215, 1335);
    QTest::newRow("tiny picture grows") << 2 << 1 << QRectF(0, (1335 - 607.5) / 2.0, 1215, 607.5);
}

void TestColors::fitPicture()
{
    QFETCH(int, pixelsWide);
    QFETCH(int, pixelsHigh);
    QFETCH(QRectF, twips);
    QTemporaryDir folder;
    const QString path = WritePicture(folder, QStringLiteral("side.png"), pixelsWide, pixelsHigh);
    const auto form = SmallForm();
    auto* image = form->ControlAs<Image>(QStringLiteral("imgPic"));
    FitPicture(*image, *form->ControlAs<PictureBox>(QStringLiteral("picBox")), path);
    QVERIFY(image->HasPicture());
    QVERIFY(image->Stretch());
    QVERIFY(image->Visible());
    QCOMPARE(image->PictureSize(), QSizeF(pixelsWide * 15.0, pixelsHigh * 15.0));
    QCOMPARE(image->Left(), twips.left());
    QCOMPARE(image->Top(), twips.top());
    QCOMPARE(image->Width(), twips.width());
    QCOMPARE(image->Height(), twips.height());
}

void TestColors::fitPicture_notAPicture()
{
    QTemporaryDir folder;
    const QString good = WritePicture(folder, QStringLiteral("good.png"), 40, 20);
    const QString bad = folder.filePath(QStringLiteral("bad.png"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is no picture at all\n");
    file.close();
    const auto form = SmallForm();
    auto* image = form->ControlAs<Image>(QStringLiteral("imgPic"));
    auto* box = form->ControlAs<PictureBox>(QStringLiteral("picBox"));
    FitPicture(*image, *box, good);
    QVERIFY(image->HasPicture());
    FitPicture(*image, *box, bad);
    QVERIFY(!image->HasPicture());
    QVERIFY(image->Visible());
    QVERIFY(image->Stretch());
    // A folder is no picture file either; nothing changes and nothing breaks.
    FitPicture(*image, *box, folder.path());
    QVERIFY(!image->HasPicture());
    form->show();
    QVERIFY(!form->grab().isNull());
}

void TestColors::fitPicture_missingFileShowsNone()
{
    // A cleared picture (empty path) or one whose file is gone shows
    // nothing, rather than the picture the image held before.
    QTemporaryDir folder;
    const QString good = WritePicture(folder, QStringLiteral("good.png"), 100, 300);
    const auto form = SmallForm();
    auto* image = form->ControlAs<Image>(QStringLiteral("imgPic"));
    auto* box = form->ControlAs<PictureBox>(QStringLiteral("picBox"));
    for (const QString& path : { folder.filePath(QStringLiteral("gone.png")), QString() }) {
        FitPicture(*image, *box, good);
        QVERIFY(image->HasPicture());
        FitPicture(*image, *box, path);
        QVERIFY(!image->HasPicture());
        QVERIFY(image->Visible());
    }
}

// ---------------------------------------------------------------- selection frame

void TestColors::objectSelected_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("item");
    QTest::addColumn<double>("leftTop");
    QTest::addColumn<double>("rightBottom");
    for (const char* item : { "nledWHome", "picHomeS", "tledPeriod", "picMedVisitor" }) {
        QTest::addRow("width 0, %s", item) << 0 << QString::fromLatin1(item) << 0.0 << 15.0;
        QTest::addRow("width 3, %s", item) << 3 << QString::fromLatin1(item) << 45.0 << 60.0;
        QTest::addRow("width 5, %s", item) << 5 << QString::fromLatin1(item) << 75.0 << 90.0;
    }
}

void TestColors::objectSelected()
{
    QFETCH(int, width);
    QFETCH(QString, item);
    QFETCH(double, leftTop);
    QFETCH(double, rightBottom);
    Board board(false);
    BoardSettings.LEDSelectedWidth = static_cast<qint16>(width);
    auto* control = board->ControlAs<kv::Control>(item);
    QVERIFY(control);
    board->ObjectSelected(control);
    const Shape* frame = board->shpObjectSelected;
    QVERIFY(frame->Visible());
    QCOMPARE(control->Left() - frame->Left(), leftTop);
    QCOMPARE(control->Top() - frame->Top(), leftTop);
    QCOMPARE((frame->Left() + frame->Width()) - (control->Left() + control->Width()), rightBottom);
    QCOMPARE((frame->Top() + frame->Height()) - (control->Top() + control->Height()), rightBottom);
}

void TestColors::objectSelected_hiddenOnNullAndResize()
{
    Board board;
    BoardSettings.LEDSelectedWidth = 2;
    board->ObjectSelected(board->nledYVisitor);
    QVERIFY(board->shpObjectSelected->Visible());
    board->ObjectSelected(nullptr);
    QVERIFY(!board->shpObjectSelected->Visible());
    // Something that is no board item leaves the frame hidden.
    board->ObjectSelected(board->nledYVisitor);
    QWidget stranger;
    board->ObjectSelected(&stranger);
    QVERIFY(!board->shpObjectSelected->Visible());
    // An item inside a container is not in the form's coordinates.
    board->ObjectSelected(board->nledHoldHome);
    QVERIFY(!board->shpObjectSelected->Visible());
    // A width whose gap does not fit 16 bits is a failure, not a wrapped gap.
    BoardSettings.LEDSelectedWidth = 3000;
    board->ObjectSelected(board->nledYVisitor);
    QVERIFY(!board->shpObjectSelected->Visible());
    BoardSettings.LEDSelectedWidth = 2;
    // A resize hides it until the focus moves; then it is at the new place.
    board->picHomeS->setFocus();
    QVERIFY(board->shpObjectSelected->Visible());
    board->resize(board->width() * 3 / 2, board->height() * 3 / 2);
    QVERIFY(!board->shpObjectSelected->Visible());
    board->picVisitorS->setFocus();
    QVERIFY(board->shpObjectSelected->Visible());
    QCOMPARE(board->shpObjectSelected->Left(), board->picVisitorS->Left() - 30);
    QCOMPARE(board->shpObjectSelected->Width(), board->picVisitorS->Width() + 75);
}

void TestColors::tab_frameStaysOnClockThroughHoldContainers()
{
    Board board;
    BoardSettings.LEDSelectedWidth = 3;
    board->picHomeS->setFocus();
    board->tledPeriod->setFocus();
    QCOMPARE(QApplication::focusWidget(), board->tledPeriod);
    QVERIFY(board->shpObjectSelected->Visible());
    const double clockLeft = board->tledPeriod->Left() - 45;
    QCOMPARE(board->shpObjectSelected->Left(), clockLeft);
    for (PictureBox* container : { board->picContainerHoldHome, board->picContainerHoldVisitor }) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), container);
        QVERIFY(board->shpObjectSelected->Visible());
        QCOMPARE(board->shpObjectSelected->Left(), clockLeft);
    }
    // The hidden winner marks are skipped: medical Home, then medical Visitor.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), board->picMedHome);
    QCOMPARE(board->shpObjectSelected->Left(), board->picMedHome->Left() - 45);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), board->picMedVisitor);
    QCOMPARE(board->shpObjectSelected->Top(), board->picMedVisitor->Top() - 45);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), board->picIpponHome);
    QVERIFY(!board->picWinnerHome->isVisible());
    QVERIFY(!board->picWinnerVisitor->isVisible());
}

void TestColors::ipponLabelClicks_moveIpponAndFocus()
{
    Board board;
    UseDistinctColours();
    board->UpdateFormColors();
    BoardSettings.LEDSelectedWidth = 1;
    board->nledWVisitor->setFocus();
    board->Ippon = 2;
    board->UpdateOtherColors();
    QTest::mouseClick(board->lblIpponHome, Qt::LeftButton);
    QCOMPARE(board->Ippon, 1);
    QCOMPARE(QApplication::focusWidget(), board->picIpponHome);
    QCOMPARE(board->shpObjectSelected->Left(), board->picIpponHome->Left() - 15);
    QCOMPARE(board->lblIpponHome->ForeColor(), 0x303030);
    QCOMPARE(board->lblIpponVisitor->ForeColor(), 0x101010);
    QTest::mouseClick(board->lblIpponVisitor, Qt::LeftButton);
    QCOMPARE(board->Ippon, 2);
    QCOMPARE(QApplication::focusWidget(), board->picIpponVisitor);
    QCOMPARE(board->shpObjectSelected->Top(), board->picIpponVisitor->Top() - 15);
    QCOMPARE(board->lblIpponHome->ForeColor(), 0x101010);
    QCOMPARE(board->lblIpponVisitor->ForeColor(), 0x303030);
}

QTEST_MAIN(TestColors)
#include "tst_colors.moc"
