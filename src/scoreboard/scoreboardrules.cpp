// The rule set applied to the contest: what the board shows under it, the
// scores holds earn, hansoku-make, the decision when time runs out and
// golden score. The rules themselves are the table in rules/ruleset.

#include "display/controls.h"
#include "display/leds.h"
#include "rules/ruleset.h"
#include "scoreboard/contestjournal.h"
#include "scoreboard/frmscoreboard.h"
#include "scoreboard/modshowdigits.h"
#include "settings/boardsettings.h"
#include "timing/timekeeper.h"

namespace kv {

namespace {

int Count(const NumberLED* display)
{
    // A blank display (-1) counts as 0.
    return qMax(0, int(display->Value()));
}

} // namespace

const RuleSet& frmScoreboard::Rules() const
{
    return RuleSetNamed(BoardSettings.RuleSet);
}

bool frmScoreboard::AtStartState() const
{
    return !GoldenScore && IsStartState(SnapshotOf(*this));
}

void frmScoreboard::UpdateRuleDisplay()
{
    const RuleSet& rules = Rules();
    for (kv::Control* yuko : std::initializer_list<kv::Control*> { nledYHome, nledYVisitor, Label5, Label8 })
        yuko->SetVisible(rules.Yuko);
    // Lamps 3 and 4 of each side: the captions and whether they are shown.
    const QString third = QString::fromLatin1(rules.ShidoCaptions[2]);
    Label9->SetCaption(third);
    Label10->SetCaption(third);
    const bool fourth = rules.ShidoLimit >= 4;
    for (kv::Control* lamp :
        std::initializer_list<kv::Control*> { shpHomeS[4], shpVisitorS[4], Label2, Label1 })
        lamp->SetVisible(fourth);
    // The winner marks: there to click for a decision wherever the rule set
    // names winners; the caption "WINNER" over the winner only.
    picWinnerHome->SetVisible(rules.Decides);
    picWinnerVisitor->SetVisible(rules.Decides);
    Label18->SetVisible(rules.Decides && Winner == 1);
    Label17->SetVisible(rules.Decides && Winner == 2);
    Label25->SetCaption(GoldenScore ? tr("GOLDEN SCORE") : tr("CONTEST TIME"));
}

// ---------------------------------------------------------------- holds

void frmScoreboard::CheckHoldScores()
{
    // Only ippon ends a hold by itself; lesser scores wait for its end.
    if (!BoardSettings.ScoreHolds)
        return;
    const RuleSet& rules = Rules();
    if (!rules.HoldsScore)
        return;
    for (const qint16 side : { qint16(1), qint16(2) }) {
        TimeKeeper* hold = side == 1 ? tkHoldHome : tkHoldVisitor;
        if (!hold->Running())
            continue;
        const Fixed4 held = hold->Time();
        const bool hasWazaAri = Count(side == 1 ? nledWHome : nledWVisitor) >= 1;
        if (HoldScore(rules, held, hasWazaAri) == HoldAward::Ippon)
            ScoreHold(side, held);
    }
}

void frmScoreboard::ScoreHold(qint16 side, Fixed4 held)
{
    if (!BoardSettings.ScoreHolds || (side != 1 && side != 2))
        return;
    const RuleSet& rules = Rules();
    NumberLED* wazaAri = side == 1 ? nledWHome : nledWVisitor;
    NumberLED* yuko = side == 1 ? nledYHome : nledYVisitor;
    switch (HoldScore(rules, held, Count(wazaAri) >= 1)) {
    case HoldAward::None:
        return;
    case HoldAward::Yuko:
        ShowDigits(*yuko, QStringLiteral("+1"), 0, 9);
        break;
    case HoldAward::WazaAri:
        ShowDigits(*wazaAri, QStringLiteral("+1"), 0, 9);
        break;
    case HoldAward::Ippon:
        // The hold ends here, with the buzzer. A second waza-ari makes the
        // ippon through the two-waza-ari rule below.
        (side == 1 ? tkHoldHome : tkHoldVisitor)->SetRunning(false);
        if (Count(wazaAri) == 1)
            ShowDigits(*wazaAri, QStringLiteral("+1"), 0, 9);
        else if (Ippon != side)
            IpponToggle(side);
        Buzzer(BoardSettings.BuzzerFile);
        break;
    }
    UpdatePenaltyColors();
    CheckGoldenScore();
}

// ---------------------------------------------------------------- shido

void frmScoreboard::HansokuMake(qint16 opponentCode)
{
    const RuleSet& rules = Rules();
    if (PenaltySH >= rules.ShidoLimit && PenaltySV >= rules.ShidoLimit) {
        // Both sides disqualified: both lose, the operator decides.
        Ippon = 0;
        Winner = 0;
        UpdateOtherColors();
        EndMatch();
        return;
    }
    Ippon = opponentCode;
    DecideFor(opponentCode);
}

// ---------------------------------------------------------------- decisions

void frmScoreboard::DecideFor(qint16 side)
{
    if (Rules().Decides)
        Winner = side;
    UpdateOtherColors();
    EndMatch();
    if (GoldenScore)
        Buzzer(BoardSettings.BuzzerFile);
}

void frmScoreboard::CheckGoldenScore()
{
    // The first score of either side ends golden score.
    if (!GoldenScore || Ippon != 0 || Winner != 0)
        return;
    const RuleSet& rules = Rules();
    const int leader = LeaderOnScores(
        rules, { Count(nledWHome), Count(nledYHome) }, { Count(nledWVisitor), Count(nledYVisitor) });
    if (leader != 0)
        DecideFor(static_cast<qint16>(leader));
}

void frmScoreboard::EndOfTimeDecision()
{
    const RuleSet& rules = Rules();
    if (!rules.Decides || Ippon != 0 || Winner != 0)
        return;
    // At the golden-score limit, or both sides disqualified, the operator
    // gives the decision with a winner mark.
    if (GoldenScore || (PenaltySH >= rules.ShidoLimit && PenaltySV >= rules.ShidoLimit))
        return;
    const int leader = LeaderOnScores(
        rules, { Count(nledWHome), Count(nledYHome) }, { Count(nledWVisitor), Count(nledYVisitor) });
    if (leader != 0) {
        Winner = static_cast<qint16>(leader);
        UpdateOtherColors();
    } else if (rules.GoldenScore && BoardSettings.GoldenScoreLimit != 0) {
        StartGoldenScore();
    }
}

void frmScoreboard::StartGoldenScore()
{
    GoldenScore = true;
    tkPeriod->SetRunning(false);
    tkPeriod->SetCountDirection(1);
    tkPeriod->SetTime(Fixed4());
    tledPeriod->SetCaption(0);
    UpdateRuleDisplay();
}

bool frmScoreboard::TimeIsUp() const
{
    if (!GoldenScore)
        return tkPeriod->Time() <= Fixed4();
    const qint32 limit = BoardSettings.GoldenScoreLimit;
    return limit > 0 && tkPeriod->Time() >= Fixed4::FromSeconds(limit);
}

void frmScoreboard::ApplyCategoryLength(bool toClock)
{
    const std::optional<CategoryPreset> category = CategoryNamed(BoardSettings.Category);
    if (!category)
        return;
    PeriodLength = Fixed4::FromSeconds(category->LengthSeconds);
    if (toClock)
        tkPeriod->SetTime(PeriodLength);
}

} // namespace kv
