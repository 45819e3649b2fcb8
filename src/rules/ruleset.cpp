#include "rules/ruleset.h"

#include <algorithm>

namespace kv {

const std::array<RuleSet, 3>& RuleSets()
{
    // clang-format off
    static const std::array<RuleSet, 3> table = {{
        // Id                  Name        Yuko   Shido                       Limit  Lamp captions                Holds  Y   W   I   Golden Decides
        {RuleSetId::Classic,  "Classic",  true,  ShidoRule::OpponentScores, 4,     {"S1", "S2", "S3", "S4-H"},  false, 0,  0,  0,  false, false},
        {RuleSetId::Ijf2018,  "IJF 2018", false, ShidoRule::HansokuMake,    3,     {"S1", "S2", "H", ""},       true,  0,  10, 20, true,  true},
        // The rules trialled from January 2025; check against the final 2026 text.
        {RuleSetId::Ijf2025,  "IJF 2025", true,  ShidoRule::HansokuMake,    3,     {"S1", "S2", "H", ""},       true,  5,  10, 20, true,  true},
    }};
    // clang-format on
    return table;
}

const RuleSet& RuleSetFor(RuleSetId id)
{
    for (const RuleSet& rules : RuleSets()) {
        if (rules.Id == id)
            return rules;
    }
    return RuleSets().front();
}

std::optional<RuleSetId> ParseRuleSet(const QString& name)
{
    for (const RuleSet& rules : RuleSets()) {
        if (name == QLatin1String(rules.Name))
            return rules.Id;
    }
    return std::nullopt;
}

const RuleSet& RuleSetNamed(const QString& name)
{
    return RuleSetFor(ParseRuleSet(name).value_or(RuleSetId::Classic));
}

const std::array<CategoryPreset, 6>& CategoryPresets()
{
    static const std::array<CategoryPreset, 6> presets = { {
        { "Seniors", 240, -1 },
        { "U21", 240, -1 },
        { "U18", 240, -1 },
        { "U15", 180, -1 },
        { "Veterans", 180, -1 },
        // A level contest is decided by the referees.
        { "Children", 120, 0 },
    } };
    return presets;
}

std::optional<CategoryPreset> CategoryNamed(const QString& name)
{
    for (const CategoryPreset& preset : CategoryPresets()) {
        if (name == QLatin1String(preset.Name))
            return preset;
    }
    return std::nullopt;
}

bool IsGoldenScoreLimit(int seconds)
{
    return std::find(GoldenScoreLimits.begin(), GoldenScoreLimits.end(), seconds) != GoldenScoreLimits.end();
}

HoldAward HoldScore(const RuleSet& rules, Fixed4 held, bool holderHasWazaAri)
{
    if (!rules.HoldsScore)
        return HoldAward::None;
    const auto reached
        = [held](int threshold) { return threshold > 0 && held >= Fixed4::FromSeconds(threshold); };
    if (reached(rules.HoldIppon))
        return HoldAward::Ippon;
    if (reached(rules.HoldWazaAri))
        return holderHasWazaAri ? HoldAward::Ippon : HoldAward::WazaAri;
    if (rules.Yuko && reached(rules.HoldYuko))
        return HoldAward::Yuko;
    return HoldAward::None;
}

int LeaderOnScores(const RuleSet& rules, SideScore home, SideScore visitor)
{
    if (home.WazaAri != visitor.WazaAri)
        return home.WazaAri > visitor.WazaAri ? 1 : 2;
    if (rules.Yuko && home.Yuko != visitor.Yuko)
        return home.Yuko > visitor.Yuko ? 1 : 2;
    return 0;
}

} // namespace kv
