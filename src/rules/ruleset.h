#pragma once

// The competition rules the board can run a contest under, as data: one row
// per rule set, and the few decisions that read them. Nothing here knows a
// form or a widget; the scoreboard applies what these tell it.

#include "timing/fixedpoint.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace kv {

enum class RuleSetId
{
    Classic,
    Ijf2018,
    Ijf2025
};

// What a side's shido do.
enum class ShidoRule
{
    // 2nd: the opponent gets a yuko, 3rd: that yuko becomes a waza-ari,
    // 4th: the opponent gets ippon.
    OpponentScores,
    // Never a score; the last one (ShidoLimit) is hansoku-make: the opponent
    // gets ippon.
    HansokuMake
};

// One rule set. Hold thresholds are whole seconds; 0 means the hold never
// gives that score.
struct RuleSet
{
    RuleSetId Id;
    const char* Name; // as stored and shown: "Classic", "IJF 2018", "IJF 2025"
    bool Yuko; // yuko are scored and shown
    ShidoRule Shido;
    int ShidoLimit; // shido a side can get (and lamps shown)
    std::array<const char*, 4> ShidoCaptions; // lamp captions 1..4; empty: not shown
    bool HoldsScore; // the board may score holds by itself
    int HoldYuko;
    int HoldWazaAri;
    int HoldIppon;
    bool GoldenScore; // a level contest goes on in golden score
    bool Decides; // the board names the winner (and shows the winner marks)
};

// The table, in the order the options dialog lists it.
const std::array<RuleSet, 3>& RuleSets();
const RuleSet& RuleSetFor(RuleSetId id);
// The rule set of a stored name; nothing for a name that is none of them.
std::optional<RuleSetId> ParseRuleSet(const QString& name);
// The rule set of a stored name, Classic for anything unknown.
const RuleSet& RuleSetNamed(const QString& name);
inline const QString DefaultRuleSetName = QStringLiteral("Classic");

// A category preset: its contest length and golden-score limit.
struct CategoryPreset
{
    const char* Name;
    int LengthSeconds;
    int GoldenScoreLimit; // seconds; -1 unlimited, 0 none
};
const std::array<CategoryPreset, 6>& CategoryPresets();
// The preset of a stored name; nothing for no preset or an unknown name.
std::optional<CategoryPreset> CategoryNamed(const QString& name);

// Golden-score limits the board offers, in seconds (-1 unlimited, 0 none).
inline constexpr std::array<int, 7> GoldenScoreLimits = { -1, 60, 120, 180, 240, 300, 0 };
inline constexpr int DefaultGoldenScoreLimit = -1;
bool IsGoldenScoreLimit(int seconds);

// The score one side holds.
struct SideScore
{
    int WazaAri = 0;
    int Yuko = 0;
};

enum class HoldAward
{
    None,
    Yuko,
    WazaAri,
    Ippon
};

// The score a hold of `held` seconds earns under `rules` (with scoring
// holds switched on): the highest threshold reached. A holder who already has
// a waza-ari gets ippon at the waza-ari threshold.
HoldAward HoldScore(const RuleSet& rules, Fixed4 held, bool holderHasWazaAri);

// The side ahead when time runs out with no ippon: more waza-ari, then (when
// the rule set scores them) more yuko; 0 when level. Shido never count.
int LeaderOnScores(const RuleSet& rules, SideScore home, SideScore visitor);

} // namespace kv
