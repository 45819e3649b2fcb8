#include "network/boardstate.h"

#include "display/controls.h"
#include "display/leds.h"
#include "rules/ruleset.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"
#include "timing/timekeeper.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace kv {

namespace {

// The rule set the contest runs under, as stored, and whether it is in
// golden score.
QString BoardRuleSet(const frmScoreboard& board)
{
    return QString::fromLatin1(board.Rules().Name);
}

bool BoardGoldenScore(const frmScoreboard& board)
{
    return board.GoldenScore;
}

// A cleared number display shows nothing: it counts as 0.
int Shown(const NumberLED* display)
{
    return std::max(0, display->Value());
}

SideState ReadSide(const frmScoreboard& board, qint16 side)
{
    const bool home = side == 1;
    SideState s;
    s.Name = (home ? board.lblHomeName : board.lblVisitorName)->Caption();
    s.Ippon = board.Ippon == side;
    s.WazaAri = Shown(home ? board.nledWHome : board.nledWVisitor);
    s.Yuko = Shown(home ? board.nledYHome : board.nledYVisitor);
    s.Shido = home ? board.PenaltySH : board.PenaltySV;
    s.Medical = home ? board.MedHome : board.MedVisitor;
    s.Winner = board.Winner == side;
    s.Hold = Shown(home ? board.nledHoldHome : board.nledHoldVisitor);
    s.HoldRunning = (home ? board.tkHoldHome : board.tkHoldVisitor)->Running();
    return s;
}

QJsonObject SideJson(const SideState& s)
{
    return QJsonObject { { QStringLiteral("name"), s.Name }, { QStringLiteral("ippon"), s.Ippon },
        { QStringLiteral("waza_ari"), s.WazaAri }, { QStringLiteral("yuko"), s.Yuko },
        { QStringLiteral("shido"), s.Shido }, { QStringLiteral("medical"), s.Medical },
        { QStringLiteral("winner"), s.Winner }, { QStringLiteral("hold"), s.Hold },
        { QStringLiteral("hold_running"), s.HoldRunning } };
}

} // namespace

BoardState ReadBoardState(const frmScoreboard& board)
{
    BoardState s;
    s.RuleSet = BoardRuleSet(board);
    s.GoldenScore = BoardGoldenScore(board);
    s.Title = board.lblTitle->Caption();
    s.ClockShown = board.tledPeriod->DisplayText().trimmed();
    s.ClockSeconds = static_cast<int>(std::max(0.0f, board.tledPeriod->Caption()));
    s.ClockRunning = board.tkPeriod->Running();
    s.YukoShown = !board.nledYHome->isHidden();
    s.Home = ReadSide(board, 1);
    s.Visitor = ReadSide(board, 2);
    return s;
}

QByteArray BoardStateJson(const BoardState& s)
{
    const QJsonObject clock { { QStringLiteral("shown"), s.ClockShown },
        { QStringLiteral("seconds"), s.ClockSeconds }, { QStringLiteral("running"), s.ClockRunning },
        { QStringLiteral("golden_score"), s.GoldenScore } };
    const QJsonObject root { { QStringLiteral("version"), BoardStateVersion },
        { QStringLiteral("rule_set"), s.RuleSet }, { QStringLiteral("title"), s.Title },
        { QStringLiteral("yuko_shown"), s.YukoShown }, { QStringLiteral("clock"), clock },
        { QStringLiteral("home"), SideJson(s.Home) }, { QStringLiteral("visitor"), SideJson(s.Visitor) } };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace kv
