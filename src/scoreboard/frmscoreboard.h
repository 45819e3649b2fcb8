#pragma once

#include "display/form.h"
#include "scoreboard/contestrecorder.h"
#include "timing/clockentry.h"
#include "timing/fixedpoint.h"

#include <QVector>

#include <memory>
#include <optional>

namespace kv {

class Image;
class JournalKeeper;
class Label;
class Line;
class MMControl;
class NumberLED;
class PictureBox;
struct RuleSet;
class Shape;
class TimeKeeper;
class TimeLED;
class Timer;
class WindowedControl;

// The contest length: the reset puts the contest clock back to it; typing a
// new contest time on the contest clock replaces it.
extern Fixed4 PeriodLength;

// The scoreboard: the audience display, the operator's control surface and
// the whole match model of the one contest it keeps.
class frmScoreboard final : public Form
{
    Q_OBJECT

public:
    explicit frmScoreboard(QWidget* parent = nullptr);
    // Closes the buzzer device.
    ~frmScoreboard() override;

    // The load step, run once by the start-up code before the form is first shown.
    void Load();

    // ---- Match state (0 = none, 1 = Home, 2 = Visitor where a field names a side)
    bool BuzzerPlaying = false;
    bool PlayedBuzzerPeriod = false;
    bool DelayPlayBuzzerPeriod = false;
    qint16 PenaltySH = 0;
    qint16 PenaltySV = 0;
    qint16 Ippon = 0;
    qint16 MedHome = 0;
    qint16 MedVisitor = 0;
    qint16 Winner = 0;
    // The osaekomi selection: the last accepted arrow key (37 Home, 38 none,
    // 39 Visitor, 40 clocks to zero); 0 until the first one, meaning none.
    qint32 TimePin = 0;
    // Regular time ended level under a rule set with golden score: the
    // contest clock counts up from 0:00 and the first score decides. Stays
    // set (with the caption "GOLDEN SCORE") until the reset.
    bool GoldenScore = false;

    // ---- Public procedures
    void EndMatch();
    void RefreshTime();
    void AllKeyCode(qint16 KeyCode);
    void ShidoHome(qint16 ShidoDirection);
    void ShidoVisitor(qint16 ShidoDirection);
    void UpdatePenaltyColors();
    void UpdatePinStatus();
    void AllKeyUp(qint16 KeyCode, qint16 Shift);
    void Buzzer(const QString& FileName);
    // Opens the buzzer file as Buzzer would and readies the sound output,
    // so that the first buzzer sounds as quickly as every later one. Run by
    // the start-up once the board is on screen.
    void PrepareBuzzer();
    qint16 KeyCodeToAsci(qint16 KeyCode) const;
    void ObjectSelected(QWidget* SelectedObject);
    void UpdateLabels();
    void UpdateFormColors();
    void UpdateNumLock();
    void UpdateOtherColors();
    // The full match reset of the reset key.
    void ResetMatch();

    // The refresh runs when a display can change, not on a fixed beat: at the
    // next whole second of a running clock (a displayed second, a hold
    // threshold, the end of time), right after an operator's action, and
    // after anything set a clock. Nanoseconds of the clock source from now
    // to that next moment; nothing while no clock runs.
    std::optional<qint64> NextRefreshNanoseconds() const;

    // The ippon and winner toggles of a side (1 Home, 2 Visitor): the side
    // gets the mark, or loses it if it had it. Giving either freezes the contest.
    void IpponToggle(qint16 side);
    void WinnerToggle(qint16 side);

    // ---- Rule sets (scoreboardrules.cpp)
    // The rule set the contest runs under: BoardSettings.RuleSet.
    const RuleSet& Rules() const;
    // True while the contest is at its start state: nothing given, the clock
    // stopped at its length, no golden score. The rule set changes only then.
    bool AtStartState() const;
    // Shows what the rule set scores: the yuko displays, the shido lamps and
    // their captions, the winner marks and the clock's caption.
    void UpdateRuleDisplay();
    // The hold-score step: the hold of side (1 Home, 2 Visitor) that ran for
    // `held` ended, or reached ippon; the holder gets what it earned.
    void ScoreHold(qint16 side, Fixed4 held);
    // Level at the end of regular time: golden score begins, the clock at
    // 0:00 counting up from the next start.
    void StartGoldenScore();

    // The contest journal kept since the load (null while the program keeps none).
    JournalKeeper* Journal() const { return m_journal.get(); }
    // The contest's log, undo and results, kept since the load.
    ContestRecorder* Recorder() const { return m_recorder.get(); }
    // The undo key: takes back the last change to the contest.
    void UndoLastChange();
    // F3: the day's results.
    void ShowResults();

    // ---- Window title: "Korvelin", then " - " and the note of every source
    // that has one, in the order the sources first set a note ("Korvelin -
    // contest restored - http://192.168.1.20:8090"). Several parts of the
    // program report here without overwriting one another; an empty note
    // takes the source's note away.
    void SetTitleNote(const QString& source, const QString& note);
    QString TitleNote(const QString& source) const;

signals:
    // The board's texts, pictures, digit style or colours were applied
    // again (load, options, resize): whatever copies its look reads it anew.
    void LooksChanged();
    // The options dialog was closed: the settings may have changed.
    void OptionsClosed();
    // Something the board shows may have changed: emitted after every
    // handled key, mouse and focus action and after every refresh that
    // changed a display or a clock. Cheap to receive; the receiver reads the
    // board itself.
    void BoardChanged();

public:
    // ---- Controls, by their design names
    Label* lblTitle;
    Line* Line2;
    Shape* shpContestTime;
    Label* Label25;
    TimeLED* tledPeriod;
    Label* lblCreatedBy;
    TimeKeeper* tkPeriod;
    Timer* tmrClock1;
    MMControl* mmcBuzzer;
    Label* lblHomeName;
    Label* lblVisitorName;
    PictureBox* picContainerHoldHome;
    NumberLED* nledHoldHome;
    Shape* shpHoldHome;
    PictureBox* picContainerHoldVisitor;
    NumberLED* nledHoldVisitor;
    Shape* shpHoldVisitor;
    TimeKeeper* tkHoldHome;
    TimeKeeper* tkHoldVisitor;
    Line* Line1;
    PictureBox* picMedHome;
    PictureBox* picMedVisitor;
    QVector<Label*> lblMedHome; // indexes 0..1
    QVector<Label*> lblMedVisitor; // indexes 0..1
    Label* Label18;
    Label* Label17;
    Label* Label5; // yuko captions "Y": Home, Visitor
    Label* Label8;
    Label* Label9; // third shido lamp captions: Home, Visitor
    Label* Label10;
    Label* Label2; // fourth shido lamp captions: Home, Visitor
    Label* Label1;
    PictureBox* picWinnerHome;
    PictureBox* picWinnerVisitor;
    Shape* shpWinnerHome;
    Shape* shpWinnerVisitor;
    PictureBox* picHomePicContainer;
    PictureBox* picVisitorPicContainer;
    Image* imgHomePic;
    Image* imgVisitorPic;
    PictureBox* picIpponHome;
    PictureBox* picIpponVisitor;
    Label* lblIpponHome;
    Label* lblIpponVisitor;
    NumberLED* nledWHome;
    NumberLED* nledYHome;
    NumberLED* nledWVisitor;
    NumberLED* nledYVisitor;
    PictureBox* picHomeS;
    PictureBox* picVisitorS;
    QVector<Shape*> shpHomeS; // indexes 1..4 (element 0 unused)
    QVector<Shape*> shpVisitorS; // indexes 1..4 (element 0 unused)
    Shape* shpObjectSelected;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    template <typename T> T* Find(const char* name, int index = -1);
    // A handler run as one step of the contest's record.
    template <typename Handler> auto Stepped(Handler handler)
    {
        return [this, handler](auto... args) {
            const ContestRecorder::Step step(m_recorder.get());
            handler(args...);
        };
    }
    void BindControls();
    void ConnectHandlers();

    // Has tmrClock1 run the refresh at NextRefreshNanoseconds, or not at all.
    void ScheduleRefresh();
    // A clock was set: one refresh as soon as the event loop is free.
    void ClockChanged();
    // The end of one operator action: a refresh follows at once (rules
    // that read the scores may apply now) and BoardChanged goes out.
    void ActionHandled();

    void StartStop();
    // The end-of-time rule of the refresh: at or below 0 a running contest
    // clock stops and the buzzer sounds, or is owed while a hold runs.
    void CheckEndOfTime();
    // The contest time is up: the contest clock stops and the buzzer sounds,
    // or is owed while a hold runs; once per expiry.
    void ExpireContestClock();
    // Sounds the end-of-time buzzer owed for a held-over hold and ends that
    // hold; does nothing when none is owed.
    void PayOwedBuzzer();
    void ShowHelp();
    void ShowOptions();

    // Item key handlers
    void tledPeriod_KeyDown(qint16 KeyCode);
    void ScoreDisplay_KeyDown(NumberLED* display, qint16 KeyCode);
    void picHomeS_KeyDown(qint16 KeyCode);
    void picVisitorS_KeyDown(qint16 KeyCode);
    void picMedHome_KeyDown(qint16 KeyCode);
    void picMedVisitor_KeyDown(qint16 KeyCode);
    void IpponMark_KeyDown(qint16 side, qint16 KeyCode);
    void WinnerMark_KeyDown(qint16 side, qint16 KeyCode);
    void mmcBuzzer_Done();

    // Rule-set steps behind the procedures above.
    void CheckHoldScores();
    void EndOfTimeDecision();
    void CheckGoldenScore();
    void DecideFor(qint16 side);
    void HansokuMake(qint16 opponentCode);
    bool TimeIsUp() const;
    void ApplyCategoryLength(bool toClock);

    void ApplyShido(qint16& penalty, qint16 ShidoDirection, NumberLED* opponentW, NumberLED* opponentY,
        qint16 opponentCode);
    void ApplyMedical(qint16& count, qint16 KeyCode);

    ClockEntryBuffer m_clockEntry;
    bool m_loaded = false;
    // Set when a clock changes; read and cleared by the refresh.
    bool m_clockChanged = false;
    QList<std::pair<QString, QString>> m_titleNotes;
    std::unique_ptr<JournalKeeper> m_journal;
    std::unique_ptr<ContestRecorder> m_recorder;
};

} // namespace kv
