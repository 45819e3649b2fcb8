// Scores, penalties and medical marks on the scoreboard: the typed entry on
// the score displays, two waza-ari making ippon, the ippon toggles, the shido
// rules, the medical marks and the mouse on all of them.

#include "boardfixture.h"
#include "settings/optionsdialog.h"

#include <QApplication>
#include <QTest>

using namespace kv;
using kv::test::Board;

namespace {

// Types a key script on a widget: digits, '+' / '-' (main keyboard),
// 'p' / 'm' (keypad plus / minus), 'k' + digit (keypad digit), ' ' Space,
// '\n' Enter, 'D' Delete (the default clear key).
void Type(QWidget* widget, const QString& script)
{
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script[i];
        if (c.isDigit())
            QTest::keyClick(widget, Qt::Key(Qt::Key_0 + c.digitValue()));
        else if (c == u'k' && i + 1 < script.size())
            QTest::keyClick(widget, Qt::Key(Qt::Key_0 + script[++i].digitValue()), Qt::KeypadModifier);
        else if (c == u'+')
            QTest::keyClick(widget, Qt::Key_Equal);
        else if (c == u'-')
            QTest::keyClick(widget, Qt::Key_Minus);
        else if (c == u'p')
            QTest::keyClick(widget, Qt::Key_Plus, Qt::KeypadModifier);
        else if (c == u'm')
            QTest::keyClick(widget, Qt::Key_Minus, Qt::KeypadModifier);
        else if (c == u' ')
            QTest::keyClick(widget, Qt::Key_Space);
        else if (c == u'\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else if (c == u'D')
            QTest::keyClick(widget, Qt::Key_Delete);
        else
            QFAIL(qPrintable(QStringLiteral("unknown key script character ") + c));
    }
}

NumberLED* ScoreDisplay(const Board& board, const QString& name)
{
    return board->ControlAs<NumberLED>(name);
}

int LitLamps(const QVector<Shape*>& lamps)
{
    int lit = 0;
    for (int i = 1; i <= 4; ++i)
        lit += lamps[i]->FillColor() == BoardSettings.HoldColor ? 1 : 0;
    return lit;
}

bool AnyClockRunning(const Board& board)
{
    return board->tkPeriod->Running() || board->tkHoldHome->Running() || board->tkHoldVisitor->Running();
}

// A point of a shido panel that lies on no lamp and no caption.
const QPoint EmptySpotOfShidoPanel(85, 5);

} // namespace

class TestScores : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }
    void cleanup() { SetOptionsDialogRunner({}); }

    void typedEntry_data();
    void typedEntry();
    void typedEntry_pendingSignBelongsToItsDisplay();
    void typedEntry_bufferSurvivesResetAndFocus();
    void startStopOnDigit_data();
    void startStopOnDigit();

    void twoWazaAri_data();
    void twoWazaAri();
    void twoWazaAri_movesFocusAndFrame();
    void ipponToggle_enterAndLabels();

    void shido_sequence_data();
    void shido_sequence();
    void shido_thirdWithOneWazaAri_makesIppon();
    void shido_fifthChangesNothing();
    void shido_takeBack_data();
    void shido_takeBack();
    void shido_yukoBounds_data();
    void shido_yukoBounds();
    void shido_mouse_data();
    void shido_mouse();
    void shido_commandKeyStillWorks();

    void medical_keys_data();
    void medical_keys();
    void medical_mouse_data();
    void medical_mouse();
    void medical_middleButtonOpensOptions();
    void medical_crossClickFocusesDisplay();
};

// ---------------------------------------------------------------- typed entry

void TestScores::typedEntry_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("after");
    QTest::newRow("digit sets") << 4 << "7" << 7;
    QTest::newRow("digit on blank") << -1 << "7" << 7;
    QTest::newRow("keypad digit") << 2 << "k5" << 5;
    QTest::newRow("plus three") << 4 << "+3" << 7;
    QTest::newRow("minus two") << 4 << "-2" << 2;
    QTest::newRow("keypad plus three") << 4 << "p3" << 7;
    QTest::newRow("keypad minus two") << 4 << "m2" << 2;
    QTest::newRow("plus nine refused at 5") << 5 << "+9" << 5;
    QTest::newRow("plus to exactly 9") << 5 << "+4" << 9;
    QTest::newRow("minus one refused at 0") << 0 << "-1" << 0;
    QTest::newRow("minus to exactly 0") << 3 << "-3" << 0;
    QTest::newRow("space discards the sign") << 4 << "+ 3" << 3;
    QTest::newRow("plus then enter keeps value") << 4 << "+\n" << 4;
    QTest::newRow("clear key leaves value") << 4 << "D" << 4;
    QTest::newRow("clear key after sign") << 4 << "+D" << 4;
    QTest::newRow("blank plus one") << -1 << "+1" << 1;
    QTest::newRow("blank minus one refused") << -1 << "-1" << -1;
    QTest::newRow("two digits: the last wins") << 0 << "38" << 8;
    QTest::newRow("double sign waits for enter") << 4 << "+-\n" << 4;
}

void TestScores::typedEntry()
{
    QFETCH(int, before);
    QFETCH(QString, keys);
    QFETCH(int, after);
    // Yuko displays: the two-waza-ari rule stays out of the way.
    for (const char* name : { "nledYHome", "nledYVisitor" }) {
        Board board;
        NumberLED* display = ScoreDisplay(board, QString::fromLatin1(name));
        display->SetValue(before);
        display->setFocus();
        Type(display, keys);
        QCOMPARE(display->Value(), after);
        QCOMPARE(board->Ippon, 0);
    }
}

void TestScores::typedEntry_pendingSignBelongsToItsDisplay()
{
    Board board;
    board->nledYHome->SetValue(4);
    board->nledYVisitor->SetValue(6);
    Type(board->nledYHome, QStringLiteral("+"));
    QCOMPARE(TypedEntryBuffer().TypedText, QStringLiteral("+"));
    QCOMPARE(TypedEntryBuffer().TypedControl, QStringLiteral("nledYHome"));
    Type(board->nledYVisitor, QStringLiteral("2"));
    QCOMPARE(board->nledYVisitor->Value(), 2);
    QCOMPARE(board->nledYHome->Value(), 4);
    // The "+" was dropped: a digit back on the first display sets, not adds.
    Type(board->nledYHome, QStringLiteral("1"));
    QCOMPARE(board->nledYHome->Value(), 1);
}

void TestScores::typedEntry_bufferSurvivesResetAndFocus()
{
    Board board;
    board->nledYHome->SetValue(3);
    Type(board->nledYHome, QStringLiteral("+"));
    board->picHomeS->setFocus();
    board->AllKeyCode(BoardSettings.ResetPeriodClockKey);
    QCOMPARE(TypedEntryBuffer().TypedText, QStringLiteral("+"));
    // The reset wrote 0; the pending "+" now adds to it.
    Type(board->nledYHome, QStringLiteral("2"));
    QCOMPARE(board->nledYHome->Value(), 2);
}

void TestScores::startStopOnDigit_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("running");
    // The main-keyboard 1 is dispatched twice (key, then typed character);
    // the keypad 1 (97) only once, as character 49.
    QTest::newRow("main keyboard 1") << "1" << false;
    QTest::newRow("keypad 1") << "k1" << true;
}

void TestScores::startStopOnDigit()
{
    QFETCH(QString, keys);
    QFETCH(bool, running);
    Board board;
    BoardSettings.StartStopPeriodClockKey = 49;
    board->nledYHome->setFocus();
    Type(board->nledYHome, keys);
    QCOMPARE(board->nledYHome->Value(), 1);
    QCOMPARE(board->tkPeriod->Running(), running);
}

// ---------------------------------------------------------------- two waza-ari and ippon

void TestScores::twoWazaAri_data()
{
    QTest::addColumn<bool>("home");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("ipponBefore");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("wazaAri");
    QTest::addColumn<int>("ippon");
    QTest::addColumn<bool>("stopped");
    for (const bool home : { true, false }) {
        const int self = home ? 1 : 2;
        const int other = home ? 2 : 1;
        const QByteArray side = home ? "Home: " : "Visitor: ";
        QTest::newRow(side + "typed 2") << home << 0 << 0 << "2" << 0 << self << true;
        QTest::newRow(side + "plus 1 from 1") << home << 1 << 0 << "+1" << 0 << self << true;
        QTest::newRow(side + "keypad 2") << home << 0 << 0 << "k2" << 0 << self << true;
        QTest::newRow(side + "typed 3: no ippon") << home << 0 << 0 << "3" << 3 << 0 << false;
        QTest::newRow(side + "minus 1 from 3 reaches 2") << home << 3 << 0 << "-1" << 0 << self << true;
        QTest::newRow(side + "own ippon taken away") << home << 1 << self << "+1" << 0 << 0 << false;
        QTest::newRow(side + "opponent's ippon moves") << home << 0 << other << "2" << 0 << self << true;
    }
}

void TestScores::twoWazaAri()
{
    QFETCH(bool, home);
    QFETCH(int, before);
    QFETCH(int, ipponBefore);
    QFETCH(QString, keys);
    QFETCH(int, wazaAri);
    QFETCH(int, ippon);
    QFETCH(bool, stopped);
    Board board;
    NumberLED* display = home ? board->nledWHome : board->nledWVisitor;
    display->SetValue(before);
    board->Ippon = static_cast<qint16>(ipponBefore);
    board->AllKeyCode(83);
    board->TimePin = home ? 37 : 39;
    board->AllKeyCode(home ? 37 : 39);
    QVERIFY(board->tkPeriod->Running());
    display->setFocus();
    Type(display, keys);
    QCOMPARE(display->Value(), wazaAri);
    QCOMPARE(board->Ippon, ippon);
    QCOMPARE(!AnyClockRunning(board), stopped);
    const int hold = BoardSettings.HoldColor;
    const int off = BoardSettings.FormBack;
    QCOMPARE(board->lblIpponHome->ForeColor(), ippon == 1 ? hold : off);
    QCOMPARE(board->lblIpponVisitor->ForeColor(), ippon == 2 ? hold : off);
}

void TestScores::twoWazaAri_movesFocusAndFrame()
{
    BoardSettings.LEDSelectedWidth = 2;
    for (const bool home : { true, false }) {
        Board board;
        BoardSettings.LEDSelectedWidth = 2;
        NumberLED* display = home ? board->nledWHome : board->nledWVisitor;
        PictureBox* mark = home ? board->picIpponHome : board->picIpponVisitor;
        display->setFocus();
        QCOMPARE(QApplication::focusWidget(), display);
        QCOMPARE(board->shpObjectSelected->Left(), display->Left() - 30);
        Type(display, QStringLiteral("2"));
        QCOMPARE(QApplication::focusWidget(), mark);
        QVERIFY(board->shpObjectSelected->Visible());
        QCOMPARE(board->shpObjectSelected->Left(), mark->Left() - 30);
        QCOMPARE(board->shpObjectSelected->Top(), mark->Top() - 30);
        QCOMPARE(board->shpObjectSelected->Width(), mark->Width() + 75);
    }
}

void TestScores::ipponToggle_enterAndLabels()
{
    Board board;
    board->AllKeyCode(83);
    // Enter on Home's mark gives Home ippon and stops the clock.
    board->picIpponHome->setFocus();
    QTest::keyClick(board->picIpponHome, Qt::Key_Return);
    QCOMPARE(board->Ippon, 1);
    QVERIFY(!board->tkPeriod->Running());
    // Other keys on the mark do not toggle.
    QTest::keyClick(board->picIpponHome, Qt::Key_Space);
    QCOMPARE(board->Ippon, 1);
    // A click on Visitor's label moves ippon and focus to Visitor.
    QTest::mouseClick(board->lblIpponVisitor, Qt::LeftButton);
    QCOMPARE(board->Ippon, 2);
    QCOMPARE(QApplication::focusWidget(), board->picIpponVisitor);
    QCOMPARE(board->lblIpponVisitor->ForeColor(), BoardSettings.HoldColor);
    QCOMPARE(board->lblIpponHome->ForeColor(), BoardSettings.FormBack);
    // Toggling it off does not restart the clocks.
    board->AllKeyCode(83);
    QVERIFY(board->tkPeriod->Running());
    board->EndMatch();
    QTest::mouseClick(board->lblIpponVisitor, Qt::LeftButton);
    QCOMPARE(board->Ippon, 0);
    QVERIFY(!AnyClockRunning(board));
    QCOMPARE(board->lblIpponVisitor->ForeColor(), BoardSettings.FormBack);
    // A right click is no click.
    QTest::mouseClick(board->lblIpponHome, Qt::RightButton);
    QCOMPARE(board->Ippon, 0);
    QTest::mouseClick(board->lblIpponHome, Qt::LeftButton);
    QCOMPARE(board->Ippon, 1);
    QCOMPARE(QApplication::focusWidget(), board->picIpponHome);
}

// ---------------------------------------------------------------- shido

void TestScores::shido_sequence_data()
{
    QTest::addColumn<bool>("home");
    QTest::addColumn<bool>("keypad");
    QTest::newRow("Home, main-keyboard plus") << true << false;
    QTest::newRow("Home, keypad plus") << true << true;
    QTest::newRow("Visitor, main-keyboard plus") << false << false;
    QTest::newRow("Visitor, keypad plus") << false << true;
}

void TestScores::shido_sequence()
{
    QFETCH(bool, home);
    QFETCH(bool, keypad);
    Board board;
    PictureBox* panel = home ? board->picHomeS : board->picVisitorS;
    const QVector<Shape*>& lamps = home ? board->shpHomeS : board->shpVisitorS;
    const QVector<Shape*>& otherLamps = home ? board->shpVisitorS : board->shpHomeS;
    const qint16& count = home ? board->PenaltySH : board->PenaltySV;
    NumberLED* opponentW = home ? board->nledWVisitor : board->nledWHome;
    NumberLED* opponentY = home ? board->nledYVisitor : board->nledYHome;
    NumberLED* ownW = home ? board->nledWHome : board->nledWVisitor;
    NumberLED* ownY = home ? board->nledYHome : board->nledYVisitor;
    const int opponentCode = home ? 2 : 1;
    board->AllKeyCode(83);
    panel->setFocus();

    struct Step
    {
        int wazaAri;
        int yuko;
        int ippon;
        bool running;
    };
    const Step steps[]
        = { { 0, 0, 0, true }, { 0, 1, 0, true }, { 1, 0, 0, true }, { 0, 0, opponentCode, false } };
    for (int shido = 1; shido <= 4; ++shido) {
        if (keypad)
            QTest::keyClick(panel, Qt::Key_Plus, Qt::KeypadModifier);
        else
            QTest::keyClick(panel, Qt::Key_Equal);
        const Step& step = steps[shido - 1];
        QCOMPARE(count, shido);
        QCOMPARE(LitLamps(lamps), shido);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(lamps[i]->FillColor(), i <= shido ? BoardSettings.HoldColor : BoardSettings.FormBack);
        QCOMPARE(LitLamps(otherLamps), 0);
        QCOMPARE(opponentW->Value(), step.wazaAri);
        QCOMPARE(opponentY->Value(), step.yuko);
        QCOMPARE(board->Ippon, step.ippon);
        QCOMPARE(board->tkPeriod->Running(), step.running);
        QCOMPARE(ownW->Value(), 0);
        QCOMPARE(ownY->Value(), 0);
    }
    QVERIFY(!AnyClockRunning(board));
    const Label* opponentMark = home ? board->lblIpponVisitor : board->lblIpponHome;
    QCOMPARE(opponentMark->ForeColor(), BoardSettings.HoldColor);
}

void TestScores::shido_thirdWithOneWazaAri_makesIppon()
{
    for (const bool home : { true, false }) {
        Board board;
        NumberLED* opponentW = home ? board->nledWVisitor : board->nledWHome;
        NumberLED* opponentY = home ? board->nledYVisitor : board->nledYHome;
        PictureBox* opponentMark = home ? board->picIpponVisitor : board->picIpponHome;
        const qint16 opponentCode = home ? 2 : 1;
        const auto shido = [&board, home] { home ? board->ShidoHome(1) : board->ShidoVisitor(1); };
        opponentW->SetValue(1);
        board->AllKeyCode(83);
        (home ? board->picHomeS : board->picVisitorS)->setFocus();
        shido();
        shido();
        QCOMPARE(opponentY->Value(), 1);
        QVERIFY(board->tkPeriod->Running());
        shido();
        QCOMPARE(board->Ippon, opponentCode);
        QCOMPARE(opponentW->Value(), 0);
        QCOMPARE(opponentY->Value(), 0);
        QVERIFY(!AnyClockRunning(board));
        QCOMPARE(QApplication::focusWidget(), opponentMark);
        // The fourth still names the opponent.
        shido();
        QCOMPARE(board->Ippon, opponentCode);
        QCOMPARE(opponentW->Value(), 0);
    }
}

void TestScores::shido_fifthChangesNothing()
{
    Board board;
    for (int i = 0; i < 4; ++i)
        board->ShidoVisitor(1);
    board->nledYHome->SetValue(5);
    board->nledWHome->SetValue(1);
    board->Ippon = 2;
    QTest::keyClick(board->picVisitorS, Qt::Key_Equal);
    QCOMPARE(board->PenaltySV, 4);
    QCOMPARE(board->nledYHome->Value(), 5);
    QCOMPARE(board->nledWHome->Value(), 1);
    QCOMPARE(board->Ippon, 2);
}

void TestScores::shido_takeBack_data()
{
    QTest::addColumn<bool>("home");
    QTest::addColumn<int>("given");
    QTest::addColumn<bool>("keypad");
    QTest::newRow("Home from 4, main minus") << true << 4 << false;
    QTest::newRow("Home from 2, keypad minus") << true << 2 << true;
    QTest::newRow("Visitor from 3, main minus") << false << 3 << false;
    QTest::newRow("Visitor at 0, keypad minus") << false << 0 << true;
    QTest::newRow("Home at 0, main minus") << true << 0 << false;
}

void TestScores::shido_takeBack()
{
    QFETCH(bool, home);
    QFETCH(int, given);
    QFETCH(bool, keypad);
    Board board;
    for (int i = 0; i < given; ++i)
        home ? board->ShidoHome(1) : board->ShidoVisitor(1);
    const int ippon = board->Ippon;
    const int values[] = { board->nledWHome->Value(), board->nledYHome->Value(), board->nledWVisitor->Value(),
        board->nledYVisitor->Value() };
    PictureBox* panel = home ? board->picHomeS : board->picVisitorS;
    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_Minus, keypad ? Qt::KeypadModifier : Qt::NoModifier);
    const qint16 count = home ? board->PenaltySH : board->PenaltySV;
    QCOMPARE(count, qMax(0, given - 1));
    QCOMPARE(LitLamps(home ? board->shpHomeS : board->shpVisitorS), qMax(0, given - 1));
    QCOMPARE(board->Ippon, ippon);
    const int after[] = { board->nledWHome->Value(), board->nledYHome->Value(), board->nledWVisitor->Value(),
        board->nledYVisitor->Value() };
    for (int i = 0; i < 4; ++i)
        QCOMPARE(after[i], values[i]);
}

void TestScores::shido_yukoBounds_data()
{
    QTest::addColumn<int>("yukoBeforeSecond");
    QTest::addColumn<int>("yukoAfterSecond");
    QTest::addColumn<int>("yukoBeforeThird");
    QTest::addColumn<int>("yukoAfterThird");
    QTest::newRow("plain") << 0 << 1 << 1 << 0;
    QTest::newRow("yuko at 9 stays 9") << 9 << 9 << 9 << 8;
    QTest::newRow("corrected to 0 before the third") << 0 << 1 << 0 << 0;
    QTest::newRow("three yuko become two") << 2 << 3 << 3 << 2;
    QTest::newRow("blank yuko") << -1 << 1 << -1 << -1;
}

void TestScores::shido_yukoBounds()
{
    QFETCH(int, yukoBeforeSecond);
    QFETCH(int, yukoAfterSecond);
    QFETCH(int, yukoBeforeThird);
    QFETCH(int, yukoAfterThird);
    Board board;
    board->ShidoHome(1);
    board->nledYVisitor->SetValue(yukoBeforeSecond);
    board->ShidoHome(1);
    QCOMPARE(board->PenaltySH, 2);
    QCOMPARE(board->nledYVisitor->Value(), yukoAfterSecond);
    board->nledYVisitor->SetValue(yukoBeforeThird);
    board->ShidoHome(1);
    QCOMPARE(board->PenaltySH, 3);
    QCOMPARE(board->nledWVisitor->Value(), 1);
    QCOMPARE(board->nledYVisitor->Value(), yukoAfterThird);
}

void TestScores::shido_mouse_data()
{
    QTest::addColumn<bool>("home");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    for (const bool home : { true, false }) {
        const QByteArray side = home ? "Home: " : "Visitor: ";
        QTest::newRow(side + "left gives") << home << int(Qt::LeftButton) << 1 << 2;
        QTest::newRow(side + "right takes back") << home << int(Qt::RightButton) << 2 << 1;
        QTest::newRow(side + "middle nothing") << home << int(Qt::MiddleButton) << 2 << 2;
        QTest::newRow(side + "right at 0") << home << int(Qt::RightButton) << 0 << 0;
    }
}

void TestScores::shido_mouse()
{
    QFETCH(bool, home);
    QFETCH(int, button);
    QFETCH(int, before);
    QFETCH(int, after);
    Board board;
    qint16& count = home ? board->PenaltySH : board->PenaltySV;
    count = static_cast<qint16>(before);
    PictureBox* panel = home ? board->picHomeS : board->picVisitorS;
    QCOMPARE(panel->childAt(EmptySpotOfShidoPanel), nullptr);
    QTest::mousePress(panel, Qt::MouseButton(button), {}, EmptySpotOfShidoPanel);
    QTest::mouseRelease(panel, Qt::MouseButton(button), {}, EmptySpotOfShidoPanel);
    QCOMPARE(count, after);
    QCOMPARE(LitLamps(home ? board->shpHomeS : board->shpVisitorS), after);
    // The lamps take no mouse input: a press on one lands on the panel.
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(
            panel->childAt((home ? board->shpHomeS : board->shpVisitorS)[i]->geometry().center()), nullptr);
}

void TestScores::shido_commandKeyStillWorks()
{
    Board board;
    board->picVisitorS->setFocus();
    QTest::keyClick(board->picVisitorS, Qt::Key_S);
    QVERIFY(board->tkPeriod->Running());
    QCOMPARE(board->PenaltySV, 0);
    QTest::keyClick(board->picVisitorS, Qt::Key_Equal);
    QCOMPARE(board->PenaltySV, 1);
}

// ---------------------------------------------------------------- medical marks

void TestScores::medical_keys_data()
{
    QTest::addColumn<bool>("home");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("count");
    for (const bool home : { true, false }) {
        const QByteArray side = home ? "Home: " : "Visitor: ";
        QTest::newRow(side + "one") << home << "+" << 1;
        QTest::newRow(side + "two keypad") << home << "pp" << 2;
        QTest::newRow(side + "third refused") << home << "+p+" << 2;
        QTest::newRow(side + "take one away") << home << "++-" << 1;
        QTest::newRow(side + "keypad minus") << home << "++m" << 1;
        QTest::newRow(side + "minus at 0") << home << "-m" << 0;
        QTest::newRow(side + "digits change nothing") << home << "12\n" << 0;
    }
}

void TestScores::medical_keys()
{
    QFETCH(bool, home);
    QFETCH(QString, keys);
    QFETCH(int, count);
    Board board;
    PictureBox* display = home ? board->picMedHome : board->picMedVisitor;
    const QVector<Label*>& crosses = home ? board->lblMedHome : board->lblMedVisitor;
    display->setFocus();
    Type(display, keys);
    QCOMPARE(home ? board->MedHome : board->MedVisitor, count);
    QCOMPARE(home ? board->MedVisitor : board->MedHome, 0);
    QCOMPARE(crosses[0]->ForeColor(), count >= 1 ? BoardSettings.HoldColor : BoardSettings.FormBack);
    QCOMPARE(crosses[1]->ForeColor(), count >= 2 ? BoardSettings.HoldColor : BoardSettings.FormBack);
}

void TestScores::medical_mouse_data()
{
    QTest::addColumn<bool>("home");
    QTest::addColumn<int>("cross");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    for (const bool home : { true, false }) {
        const QByteArray side = home ? "Home: " : "Visitor: ";
        QTest::newRow(side + "left adds, cross 0") << home << 0 << int(Qt::LeftButton) << 0 << 1;
        QTest::newRow(side + "left adds, cross 1") << home << 1 << int(Qt::LeftButton) << 1 << 2;
        QTest::newRow(side + "left at 2") << home << 0 << int(Qt::LeftButton) << 2 << 2;
        QTest::newRow(side + "right takes away") << home << 1 << int(Qt::RightButton) << 2 << 1;
        QTest::newRow(side + "right at 0") << home << 0 << int(Qt::RightButton) << 0 << 0;
    }
}

void TestScores::medical_mouse()
{
    QFETCH(bool, home);
    QFETCH(int, cross);
    QFETCH(int, button);
    QFETCH(int, before);
    QFETCH(int, after);
    Board board;
    qint16& count = home ? board->MedHome : board->MedVisitor;
    count = static_cast<qint16>(before);
    Label* target = (home ? board->lblMedHome : board->lblMedVisitor)[cross];
    QTest::mousePress(target, Qt::MouseButton(button));
    QTest::mouseRelease(target, Qt::MouseButton(button));
    QCOMPARE(count, after);
    const QVector<Label*>& crosses = home ? board->lblMedHome : board->lblMedVisitor;
    QCOMPARE(crosses[0]->ForeColor(), after >= 1 ? BoardSettings.HoldColor : BoardSettings.FormBack);
}

void TestScores::medical_middleButtonOpensOptions()
{
    Board board;
    int runs = 0;
    SetOptionsDialogRunner([&runs] { ++runs; });
    board->MedVisitor = 1;
    QTest::mousePress(board->lblMedVisitor[1], Qt::MiddleButton);
    QTest::mouseRelease(board->lblMedVisitor[1], Qt::MiddleButton);
    QCOMPARE(runs, 1);
    QCOMPARE(board->MedVisitor, 1);
    QTest::mousePress(board->lblMedHome[0], Qt::MiddleButton);
    QTest::mouseRelease(board->lblMedHome[0], Qt::MiddleButton);
    QCOMPARE(runs, 2);
    QCOMPARE(board->MedHome, 0);
    SetOptionsDialogRunner({});
    // Uninstalled: the middle button does nothing at all.
    QTest::mousePress(board->lblMedHome[0], Qt::MiddleButton);
    QCOMPARE(runs, 2);
}

void TestScores::medical_crossClickFocusesDisplay()
{
    BoardSettings.LEDSelectedWidth = 1;
    for (const bool home : { true, false }) {
        Board board;
        BoardSettings.LEDSelectedWidth = 1;
        board->nledYVisitor->setFocus();
        PictureBox* display = home ? board->picMedHome : board->picMedVisitor;
        QTest::mouseClick((home ? board->lblMedHome : board->lblMedVisitor)[1], Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), display);
        QCOMPARE(board->shpObjectSelected->Left(), display->Left() - 15);
        QCOMPARE(board->shpObjectSelected->Top(), display->Top() - 15);
        QCOMPARE(home ? board->MedHome : board->MedVisitor, 1);
    }
}

QTEST_MAIN(TestScores)
#include "tst_scores.moc"
