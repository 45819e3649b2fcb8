#include "scoreboard/frmscoreboard.h"

#include "display/controls.h"
#include "display/leds.h"
#include "display/modstretch.h"
#include "display/scoreboarddesign.h"
#include "help/helpwindow.h"
#include "platform/keyboardstate.h"
#include "platform/keytranslator.h"
#include "record/frmresults.h"
#include "record/resultsfiles.h"
#include "rules/ruleset.h"
#include "scoreboard/contestjournal.h"
#include "scoreboard/keycodes.h"
#include "scoreboard/modshowdigits.h"
#include "settings/boardsettings.h"
#include "settings/optionsdialog.h"
#include "timing/mmcontrol.h"
#include "timing/timekeeper.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace kv {

Fixed4 PeriodLength = Fixed4::FromSeconds(120);

namespace {
constexpr qint16 KeyEnter = 13;
constexpr qint16 KeyLeft = 37;
constexpr qint16 KeyDown = 40;
constexpr qint16 KeyF1 = 112;
constexpr qint16 KeyF2 = 113;
constexpr qint16 KeyF3 = 114;
constexpr qint16 KeyNumLock = 144;

bool IsPlusKey(qint16 keyCode)
{
    return keyCode == 107 || keyCode == 187;
}

bool IsMinusKey(qint16 keyCode)
{
    return keyCode == 109 || keyCode == 189;
}
} // namespace

frmScoreboard::frmScoreboard(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("frmScoreboard"));
    setWindowTitle(QStringLiteral("Korvelin"));
    setAutoFillBackground(true);
    const QStringList problems = BuildForm(*this, ScoreboardDesign());
    if (!problems.isEmpty())
        throw std::logic_error(("scoreboard design: " + problems.join(u"; ")).toStdString());
    BindControls();
    ConnectHandlers();
    SetClientSize(ScoreboardDesignWidth, ScoreboardDesignHeight);
}

frmScoreboard::~frmScoreboard()
{
    // The form object is going: close the buzzer device.
    mmcBuzzer->SetCommand(QStringLiteral("Close"));
}

template <typename T> T* frmScoreboard::Find(const char* name, int index)
{
    T* control = ControlAs<T>(QString::fromLatin1(name), index);
    if (!control)
        throw std::logic_error(std::string("scoreboard design lacks ") + name);
    return control;
}

void frmScoreboard::BindControls()
{
    lblTitle = Find<Label>("lblTitle");
    Line2 = Find<Line>("Line2");
    shpContestTime = Find<Shape>("shpContestTime");
    Label25 = Find<Label>("Label25");
    tledPeriod = Find<TimeLED>("tledPeriod");
    lblCreatedBy = Find<Label>("lblCreatedBy");
    tkPeriod = Find<TimeKeeper>("tkPeriod");
    tmrClock1 = Find<Timer>("tmrClock1");
    mmcBuzzer = Find<MMControl>("mmcBuzzer");
    lblHomeName = Find<Label>("lblHomeName");
    lblVisitorName = Find<Label>("lblVisitorName");
    picContainerHoldHome = Find<PictureBox>("picContainerHoldHome");
    nledHoldHome = Find<NumberLED>("nledHoldHome");
    shpHoldHome = Find<Shape>("shpHoldHome");
    picContainerHoldVisitor = Find<PictureBox>("picContainerHoldVisitor");
    nledHoldVisitor = Find<NumberLED>("nledHoldVisitor");
    shpHoldVisitor = Find<Shape>("shpHoldVisitor");
    tkHoldHome = Find<TimeKeeper>("tkHoldHome");
    tkHoldVisitor = Find<TimeKeeper>("tkHoldVisitor");
    Line1 = Find<Line>("Line1");
    picMedHome = Find<PictureBox>("picMedHome");
    picMedVisitor = Find<PictureBox>("picMedVisitor");
    lblMedHome = { Find<Label>("lblMedHome", 0), Find<Label>("lblMedHome", 1) };
    lblMedVisitor = { Find<Label>("lblMedVisitor", 0), Find<Label>("lblMedVisitor", 1) };
    Label18 = Find<Label>("Label18");
    Label17 = Find<Label>("Label17");
    Label5 = Find<Label>("Label5");
    Label8 = Find<Label>("Label8");
    Label9 = Find<Label>("Label9");
    Label10 = Find<Label>("Label10");
    Label2 = Find<Label>("Label2");
    Label1 = Find<Label>("Label1");
    picWinnerHome = Find<PictureBox>("picWinnerHome");
    picWinnerVisitor = Find<PictureBox>("picWinnerVisitor");
    shpWinnerHome = Find<Shape>("shpWinnerHome");
    shpWinnerVisitor = Find<Shape>("shpWinnerVisitor");
    picHomePicContainer = Find<PictureBox>("picHomePicContainer");
    picVisitorPicContainer = Find<PictureBox>("picVisitorPicContainer");
    imgHomePic = Find<Image>("imgHomePic");
    imgVisitorPic = Find<Image>("imgVisitorPic");
    picIpponHome = Find<PictureBox>("picIpponHome");
    picIpponVisitor = Find<PictureBox>("picIpponVisitor");
    lblIpponHome = Find<Label>("lblIpponHome");
    lblIpponVisitor = Find<Label>("lblIpponVisitor");
    nledWHome = Find<NumberLED>("nledWHome");
    nledYHome = Find<NumberLED>("nledYHome");
    nledWVisitor = Find<NumberLED>("nledWVisitor");
    nledYVisitor = Find<NumberLED>("nledYVisitor");
    picHomeS = Find<PictureBox>("picHomeS");
    picVisitorS = Find<PictureBox>("picVisitorS");
    shpHomeS = { nullptr, Find<Shape>("shpHomeS", 1), Find<Shape>("shpHomeS", 2), Find<Shape>("shpHomeS", 3),
        Find<Shape>("shpHomeS", 4) };
    shpVisitorS = { nullptr, Find<Shape>("shpVisitorS", 1), Find<Shape>("shpVisitorS", 2),
        Find<Shape>("shpVisitorS", 3), Find<Shape>("shpVisitorS", 4) };
    shpObjectSelected = Find<Shape>("shpObjectSelected");
}

void frmScoreboard::ConnectHandlers()
{
    const auto keyUp = [this](qint16 keyCode, qint16 shift) { AllKeyUp(keyCode, shift); };
    // Every handler that can change the contest runs as one step of its
    // record: a change and its consequences are one event and one undo.
    const auto commandKeys = Stepped([this](qint16 keyCode, qint16) { AllKeyCode(keyCode); });
    const auto selects = [this](WindowedControl* item) {
        connect(item, &WindowedControl::GotFocus, this, [this, item] { ObjectSelected(item); });
    };

    // Contest clock: commands, then the typed contest length.
    connect(tledPeriod, &WindowedControl::KeyDown, this,
        Stepped([this](qint16 keyCode, qint16) { tledPeriod_KeyDown(keyCode); }));
    connect(tledPeriod, &WindowedControl::KeyUp, this, keyUp);
    selects(tledPeriod);

    // Osaekomi containers carry the commands; the displays in them take no
    // keys and hand a click's focus to their container.
    for (PictureBox* container : { picContainerHoldHome, picContainerHoldVisitor }) {
        connect(container, &WindowedControl::KeyDown, this, commandKeys);
        connect(container, &WindowedControl::KeyUp, this, keyUp);
    }
    connect(nledHoldHome, &kv::Control::Click, this,
        [this] { picContainerHoldHome->setFocus(Qt::MouseFocusReason); });
    connect(nledHoldVisitor, &kv::Control::Click, this,
        [this] { picContainerHoldVisitor->setFocus(Qt::MouseFocusReason); });

    // The side-picture containers are tab stops too: every key pressed on the
    // board reaches the commands, wherever the focus rests.
    for (PictureBox* container : { picHomePicContainer, picVisitorPicContainer }) {
        connect(container, &WindowedControl::KeyDown, this, commandKeys);
        connect(container, &WindowedControl::KeyUp, this, keyUp);
    }

    // Score displays: commands, then the typed entry.
    for (NumberLED* display : { nledWHome, nledYHome, nledWVisitor, nledYVisitor }) {
        connect(display, &WindowedControl::KeyDown, this,
            Stepped([this, display](qint16 keyCode, qint16) { ScoreDisplay_KeyDown(display, keyCode); }));
        connect(display, &WindowedControl::KeyUp, this, keyUp);
        selects(display);
    }

    // Shido panels: plus/minus and the mouse give and take back shido. Their
    // key-up is not handled.
    connect(picHomeS, &WindowedControl::KeyDown, this,
        Stepped([this](qint16 keyCode, qint16) { picHomeS_KeyDown(keyCode); }));
    connect(picVisitorS, &WindowedControl::KeyDown, this,
        Stepped([this](qint16 keyCode, qint16) { picVisitorS_KeyDown(keyCode); }));
    connect(picHomeS, &kv::Control::MouseDown, this,
        Stepped([this](qint16 button, qint16, double, double) { ShidoHome(button); }));
    connect(picVisitorS, &kv::Control::MouseDown, this,
        Stepped([this](qint16 button, qint16, double, double) { ShidoVisitor(button); }));
    selects(picHomeS);
    selects(picVisitorS);

    // Medical marks: keys on the display, buttons on the crosses.
    connect(picMedHome, &WindowedControl::KeyDown, this,
        Stepped([this](qint16 keyCode, qint16) { picMedHome_KeyDown(keyCode); }));
    connect(picMedVisitor, &WindowedControl::KeyDown, this,
        Stepped([this](qint16 keyCode, qint16) { picMedVisitor_KeyDown(keyCode); }));
    connect(picMedHome, &WindowedControl::KeyUp, this, keyUp);
    connect(picMedVisitor, &WindowedControl::KeyUp, this, keyUp);
    for (Label* cross : lblMedHome) {
        connect(cross, &kv::Control::MouseDown, this, Stepped([this](qint16 button, qint16, double, double) {
            picMedHome_KeyDown(static_cast<qint16>(105 + 2 * button));
        }));
        connect(cross, &kv::Control::Click, this, [this] { picMedHome->setFocus(Qt::MouseFocusReason); });
    }
    for (Label* cross : lblMedVisitor) {
        connect(cross, &kv::Control::MouseDown, this, Stepped([this](qint16 button, qint16, double, double) {
            picMedVisitor_KeyDown(static_cast<qint16>(105 + 2 * button));
        }));
        connect(cross, &kv::Control::Click, this, [this] { picMedVisitor->setFocus(Qt::MouseFocusReason); });
    }
    selects(picMedHome);
    selects(picMedVisitor);

    // Ippon marks: Enter on the mark or a click on its label toggles ippon.
    // Winner marks (laid out hidden): Enter or a click toggles the winner.
    for (const qint16 side : { qint16(1), qint16(2) }) {
        PictureBox* ippon = side == 1 ? picIpponHome : picIpponVisitor;
        Label* ipponLabel = side == 1 ? lblIpponHome : lblIpponVisitor;
        PictureBox* winner = side == 1 ? picWinnerHome : picWinnerVisitor;
        connect(ippon, &WindowedControl::KeyDown, this,
            Stepped([this, side](qint16 keyCode, qint16) { IpponMark_KeyDown(side, keyCode); }));
        connect(ippon, &WindowedControl::KeyUp, this, keyUp);
        connect(ipponLabel, &kv::Control::Click, this, Stepped([this, side] { IpponToggle(side); }));
        selects(ippon);
        connect(winner, &WindowedControl::KeyDown, this,
            Stepped([this, side](qint16 keyCode, qint16) { WinnerMark_KeyDown(side, keyCode); }));
        connect(winner, &WindowedControl::KeyUp, this, keyUp);
        connect(
            winner, &kv::Control::Click, this, Stepped([this, side] { WinnerMark_KeyDown(side, KeyEnter); }));
        selects(winner);
    }

    // The refresh: the clocks' own changes (time up, golden score, a hold's
    // score) are steps too; the undo's title note goes after its two seconds.
    connect(tmrClock1, &Timer::Tick, this, Stepped([this] { RefreshTime(); }));
    connect(tmrClock1, &Timer::Tick, this, [this] {
        if (m_recorder)
            m_recorder->Tick();
    });
    connect(mmcBuzzer, &MMControl::Done, this, &frmScoreboard::mmcBuzzer_Done);

    // The refresh follows the clocks: any clock set, started or stopped, by
    // whatever code, is refreshed at once and rescheduled.
    for (TimeKeeper* keeper : { tkPeriod, tkHoldHome, tkHoldVisitor })
        connect(keeper, &TimeKeeper::Changed, this, &frmScoreboard::ClockChanged);
    // Every operator action on an item, after its own handler above.
    for (kv::Control* control : findChildren<kv::Control*>()) {
        connect(control, &kv::Control::MouseDown, this, &frmScoreboard::ActionHandled);
        connect(control, &kv::Control::Click, this, &frmScoreboard::ActionHandled);
        connect(control, &kv::Control::DblClick, this, &frmScoreboard::ActionHandled);
        if (auto* windowed = qobject_cast<WindowedControl*>(control)) {
            connect(windowed, &WindowedControl::GotFocus, this, &frmScoreboard::ActionHandled);
            connect(windowed, &WindowedControl::KeyDown, this, &frmScoreboard::ActionHandled);
            connect(windowed, &WindowedControl::KeyUp, this, &frmScoreboard::ActionHandled);
        }
    }
}

void frmScoreboard::Load()
{
    RecordLayout(*this);
    PeriodLength = Fixed4::FromSeconds(120);
    tkPeriod->SetTime(Fixed4::FromSeconds(120));
    tkHoldHome->SetTime(Fixed4::FromSeconds(0));
    tkHoldVisitor->SetTime(Fixed4::FromSeconds(0));
    // A category preset gives its own contest length.
    ApplyCategoryLength(true);
    RefreshTime();
    UpdateLabels();
    UpdateFormColors();
    m_loaded = true;
    // The options dialog keeps the rule set while a contest is under way.
    SetContestUnderWayCheck(
        [board = QPointer<frmScoreboard>(this)] { return board && !board->AtStartState(); });
    // The contest's record; the day's results go beside the journal.
    m_recorder = std::make_unique<ContestRecorder>(*this);
    // Contest journal: bring back a contest the last run did not finish.
    if (!ContestJournalPath().isEmpty()) {
        m_journal = std::make_unique<JournalKeeper>(*this, ContestJournalPath());
        m_journal->RestoreAtLoad();
        m_recorder->UseResults(QFileInfo(ContestJournalPath()).absolutePath());
        const ResultsWriter* results = m_recorder->Results();
        // An open Results window shows each new result.
        connect(results, &ResultsWriter::Written, this, [folder = results->Folder()] {
            if (frmResults* window = ResultsWindow(); window && window->Folder() == folder)
                window->Load(folder);
        });
    }
}

// ---------------------------------------------------------------- lifecycle

void frmScoreboard::closeEvent(QCloseEvent* event)
{
    // Contest journal: a running contest asks first, and may stay open.
    if (m_journal && !m_journal->CloseAllowed()) {
        event->ignore();
        return;
    }
    if (!mmcBuzzer->FileName().isEmpty())
        mmcBuzzer->SetCommand(QStringLiteral("Close"));
    event->accept();
    // Closing the board ends the program, with every other window.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->close();
    }
    QCoreApplication::exit(0);
}

void frmScoreboard::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    if (!m_loaded)
        return;
    StretchLayout(*this);
    ObjectSelected(nullptr);
    UpdateLabels();
}

void frmScoreboard::focusInEvent(QFocusEvent* event)
{
    Form::focusInEvent(event);
    ObjectSelected(tledPeriod);
    ActionHandled();
}

void frmScoreboard::keyPressEvent(QKeyEvent* event)
{
    // Keys reach the form itself only while none of its controls has the focus.
    if (const std::optional<qint16> keyCode = KeyTranslator::Instance().Press(*event)) {
        const ContestRecorder::Step step(m_recorder.get());
        AllKeyCode(*keyCode);
    }
    event->accept();
    ActionHandled();
}

void frmScoreboard::keyReleaseEvent(QKeyEvent* event)
{
    if (const std::optional<qint16> keyCode = KeyTranslator::Instance().Release(*event))
        AllKeyUp(*keyCode, ShiftMask(event->modifiers()));
    event->accept();
    ActionHandled();
}

// ---------------------------------------------------------------- match

void frmScoreboard::EndMatch()
{
    tkPeriod->SetRunning(false);
    tkHoldHome->SetRunning(false);
    tkHoldVisitor->SetRunning(false);
    // A hold held over past the end of time ends here (ippon, fourth shido,
    // winner): the end-of-time buzzer it held back sounds now.
    PayOwedBuzzer();
}

void frmScoreboard::ResetMatch()
{
    // The contest ends here: its record closes before anything is cleared.
    if (m_recorder)
        m_recorder->BeforeReset();
    tkPeriod->SetRunning(false);
    GoldenScore = false;
    tkPeriod->SetCountDirection(0);
    tkPeriod->SetTime(PeriodLength);
    tkHoldHome->SetRunning(false);
    tkHoldVisitor->SetRunning(false);
    tkHoldHome->SetTime(Fixed4());
    tkHoldVisitor->SetTime(Fixed4());
    TimePin = 38;
    MedHome = 0;
    MedVisitor = 0;
    Winner = 0;
    Ippon = 0;
    nledYHome->SetValue(0);
    nledWHome->SetValue(0);
    nledWVisitor->SetValue(0);
    nledYVisitor->SetValue(0);
    PenaltySH = 0;
    PenaltySV = 0;
    UpdateRuleDisplay();
    UpdateOtherColors();
    UpdatePenaltyColors();
    RefreshTime();
    if (m_recorder)
        m_recorder->AfterReset();
}

// ---------------------------------------------------------------- window title

void frmScoreboard::SetTitleNote(const QString& source, const QString& note)
{
    auto it = std::find_if(m_titleNotes.begin(), m_titleNotes.end(),
        [&source](const std::pair<QString, QString>& entry) { return entry.first == source; });
    if (it == m_titleNotes.end()) {
        if (note.isEmpty())
            return;
        m_titleNotes.append({ source, note });
    } else {
        it->second = note;
    }
    QString title = QStringLiteral("Korvelin");
    for (const auto& [from, text] : m_titleNotes) {
        if (!text.isEmpty())
            title += QStringLiteral(" - ") + text;
    }
    setWindowTitle(title);
}

QString frmScoreboard::TitleNote(const QString& source) const
{
    for (const auto& [from, text] : m_titleNotes) {
        if (from == source)
            return text;
    }
    return {};
}

// ---------------------------------------------------------------- keyboard

void frmScoreboard::AllKeyCode(qint16 KeyCode)
{
    if (KeyCode >= KeyLeft && KeyCode <= KeyDown) {
        if (tkPeriod->Running() || DelayPlayBuzzerPeriod)
            TimePin = KeyCode;
        UpdatePinStatus();
    }
    if (KeyCode == BoardSettings.StartStopPeriodClockKey)
        StartStop();
    else if (KeyCode == BoardSettings.ResetPeriodClockKey)
        ResetMatch();
    else if (KeyCode == BoardSettings.BuzzerKey)
        Buzzer(BoardSettings.BuzzerFile);
    else if (KeyCode == BoardSettings.UndoKey)
        UndoLastChange();
    else if (KeyCode == KeyF1)
        ShowHelp();
    else if (KeyCode == KeyF2)
        ShowOptions();
    else if (KeyCode == KeyF3)
        ShowResults();
}

void frmScoreboard::UndoLastChange()
{
    if (m_recorder)
        m_recorder->Undo();
}

void frmScoreboard::ShowResults()
{
    // The results beside the journal; without one, where it would be.
    const ResultsWriter* results = m_recorder ? m_recorder->Results() : nullptr;
    const QString journal = ContestJournalPath().isEmpty() ? StandardJournalPath() : ContestJournalPath();
    OpenResultsWindow(results ? results->Folder() : QFileInfo(journal).absolutePath());
}

void frmScoreboard::StartStop()
{
    // Time that ran out since the last refresh ends the contest first, with
    // its buzzer, whatever this key then does.
    if (tkPeriod->Running()) {
        CheckEndOfTime();
        if (!tkPeriod->Running()) {
            RefreshTime();
            return;
        }
    }
    if (!tkPeriod->Running() && TimeIsUp()) {
        // With the time up the start starts nothing: it only sounds the end
        // of time if that has not sounded since the clock last had time left.
        ExpireContestClock();
    } else if (!tkPeriod->Running()) {
        tkPeriod->SetRunning(true);
        if (TimePin == 37)
            tkHoldHome->SetRunning(true);
        else if (TimePin == 39)
            tkHoldVisitor->SetRunning(true);
    } else {
        tkPeriod->SetRunning(false);
        tkHoldHome->SetRunning(false);
        tkHoldVisitor->SetRunning(false);
    }
    RefreshTime();
}

void frmScoreboard::ShowHelp()
{
    ShowHelpWindow();
}

void frmScoreboard::ShowOptions()
{
    const QString category = BoardSettings.Category;
    const bool atStart = AtStartState();
    {
        // The clocks go on while the dialog is open: their steps are their own.
        const ContestRecorder::Outside outside(m_recorder.get());
        if (!RunOptionsDialog())
            return;
    }
    // A new category gives the next contest its length, and this one too
    // while it has not begun.
    if (BoardSettings.Category != category)
        ApplyCategoryLength(atStart);
    UpdateLabels();
    UpdateFormColors();
    RefreshTime();
    RecordLayout(*this);
    emit OptionsClosed();
}

void frmScoreboard::AllKeyUp(qint16 KeyCode, qint16 Shift)
{
    Q_UNUSED(Shift);
    if (KeyCode == KeyNumLock)
        UpdateNumLock();
}

qint16 frmScoreboard::KeyCodeToAsci(qint16 KeyCode) const
{
    return kv::KeyCodeToAsci(KeyCode, BoardSettings.ClearKey);
}

void frmScoreboard::UpdateNumLock()
{
    if (BoardSettings.NumLockForce == 1)
        SetNumLock(true);
    else if (BoardSettings.NumLockForce == 2)
        SetNumLock(false);
}

// ---------------------------------------------------------------- scores

void frmScoreboard::ScoreDisplay_KeyDown(NumberLED* display, qint16 KeyCode)
{
    AllKeyCode(KeyCode);
    TypeDigit(*this, *display, KeyCodeToAsci(KeyCode), 0, 9);
    UpdatePenaltyColors();
    CheckGoldenScore();
}

void frmScoreboard::IpponToggle(qint16 side)
{
    if (Ippon == side) {
        Ippon = 0;
        // Under a rule set that names winners, the winner goes with the ippon.
        if (Rules().Decides && Winner == side)
            Winner = 0;
    } else {
        Ippon = side;
        DecideFor(side);
    }
    (side == 1 ? picIpponHome : picIpponVisitor)->setFocus(Qt::OtherFocusReason);
    UpdateOtherColors();
}

void frmScoreboard::IpponMark_KeyDown(qint16 side, qint16 KeyCode)
{
    AllKeyCode(KeyCode);
    if (KeyCode == KeyEnter)
        IpponToggle(side);
}

// ---------------------------------------------------------------- penalties and medical marks

void frmScoreboard::ApplyShido(
    qint16& penalty, qint16 ShidoDirection, NumberLED* opponentW, NumberLED* opponentY, qint16 opponentCode)
{
    const RuleSet& rules = Rules();
    if (rules.Shido == ShidoRule::HansokuMake) {
        // Shido give nothing; the last one is hansoku-make.
        if (ShidoDirection == 1 && penalty < rules.ShidoLimit) {
            ++penalty;
            if (penalty == rules.ShidoLimit)
                HansokuMake(opponentCode);
        } else if (ShidoDirection == 2 && penalty > 0) {
            --penalty;
        }
        UpdatePenaltyColors();
        return;
    }
    if (ShidoDirection == 1 && penalty < 4) {
        ++penalty;
        switch (penalty) {
        case 2:
            ShowDigits(*opponentY, QStringLiteral("+1"), 0, 9);
            break;
        case 3:
            ShowDigits(*opponentW, QStringLiteral("+1"), 0, 9);
            ShowDigits(*opponentY, QString::number(opponentY->Value() - 1), 0, 9);
            break;
        case 4:
            Ippon = opponentCode;
            UpdateOtherColors();
            ShowDigits(*opponentW, QStringLiteral("0"), 0, 9);
            EndMatch();
            break;
        default:
            break;
        }
    } else if (ShidoDirection == 2 && penalty > 0) {
        --penalty;
    }
    UpdatePenaltyColors();
}

void frmScoreboard::ShidoHome(qint16 ShidoDirection)
{
    ApplyShido(PenaltySH, ShidoDirection, nledWVisitor, nledYVisitor, 2);
}

void frmScoreboard::ShidoVisitor(qint16 ShidoDirection)
{
    ApplyShido(PenaltySV, ShidoDirection, nledWHome, nledYHome, 1);
}

void frmScoreboard::picHomeS_KeyDown(qint16 KeyCode)
{
    if (IsPlusKey(KeyCode))
        ShidoHome(1);
    else if (IsMinusKey(KeyCode))
        ShidoHome(2);
    AllKeyCode(KeyCode);
}

void frmScoreboard::picVisitorS_KeyDown(qint16 KeyCode)
{
    if (IsPlusKey(KeyCode))
        ShidoVisitor(1);
    else if (IsMinusKey(KeyCode))
        ShidoVisitor(2);
    AllKeyCode(KeyCode);
}

void frmScoreboard::ApplyMedical(qint16& count, qint16 KeyCode)
{
    AllKeyCode(KeyCode);
    if (IsPlusKey(KeyCode) && count < 2)
        ++count;
    else if (IsMinusKey(KeyCode) && count > 0)
        --count;
    UpdateOtherColors();
}

void frmScoreboard::picMedHome_KeyDown(qint16 KeyCode)
{
    ApplyMedical(MedHome, KeyCode);
}

void frmScoreboard::picMedVisitor_KeyDown(qint16 KeyCode)
{
    ApplyMedical(MedVisitor, KeyCode);
}

// ---------------------------------------------------------------- selection and winner marks

void frmScoreboard::ObjectSelected(QWidget* SelectedObject)
{
    const int gap = BoardSettings.LEDSelectedWidth * 15;
    shpObjectSelected->SetVisible(false);
    // Whatever goes wrong from here leaves the frame hidden: no item, an item
    // that is not placed in the form's own coordinates, or a gap too wide for
    // the 16-bit twips the frame is measured in.
    if (gap < std::numeric_limits<qint16>::min() || gap > std::numeric_limits<qint16>::max())
        return;
    auto* item = qobject_cast<kv::Control*>(SelectedObject);
    if (!item || item->parentWidget() != this)
        return;
    shpObjectSelected->Move(
        item->Left() - gap, item->Top() - gap, item->Width() + 2 * gap + 15, item->Height() + 2 * gap + 15);
    shpObjectSelected->SetVisible(true);
}

void frmScoreboard::WinnerToggle(qint16 side)
{
    if (Winner == side) {
        Winner = 0;
    } else {
        Winner = side;
        EndMatch();
    }
    UpdateOtherColors();
}

void frmScoreboard::WinnerMark_KeyDown(qint16 side, qint16 KeyCode)
{
    AllKeyCode(KeyCode);
    if (KeyCode == KeyEnter)
        WinnerToggle(side);
}

} // namespace kv
