#include "record/contestevent.h"

#include <QJsonValue>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace kv {

namespace {

struct KindEntry
{
    EventKind Kind;
    const char* Name; // in the files
    const char* Words; // what the operator reads
};

// Every kind, its file name and its words, in one place.
constexpr std::array<KindEntry, 15> Kinds { {
    { EventKind::ClockStarted, "ClockStarted", "clock started" },
    { EventKind::ClockStopped, "ClockStopped", "clock stopped" },
    { EventKind::TimeUp, "TimeUp", "time up" },
    { EventKind::HoldStarted, "HoldStarted", "osaekomi" },
    { EventKind::HoldEnded, "HoldEnded", "toketa" },
    { EventKind::Ippon, "Ippon", "ippon" },
    { EventKind::WazaAri, "WazaAri", "waza-ari" },
    { EventKind::Yuko, "Yuko", "yuko" },
    { EventKind::Shido, "Shido", "shido" },
    { EventKind::Medical, "Medical", "medical" },
    { EventKind::Winner, "Winner", "winner" },
    { EventKind::GoldenScore, "GoldenScore", "golden score" },
    { EventKind::ContestLength, "ContestLength", "contest length" },
    { EventKind::Undo, "Undo", "undo" },
    { EventKind::Reset, "Reset", "reset" },
} };

const KindEntry& Entry(EventKind kind)
{
    for (const KindEntry& entry : Kinds) {
        if (entry.Kind == kind)
            return entry;
    }
    return Kinds.front();
}

// A count as scored: a blank display (-1) counts as 0.
int Counted(qint16 value)
{
    return std::max<int>(value, 0);
}

qint16 Sign(int difference)
{
    return static_cast<qint16>(difference > 0 ? 1 : (difference < 0 ? -1 : 0));
}

ContestEvent Made(EventKind kind, qint16 side, qint16 change)
{
    ContestEvent event;
    event.Kind = kind;
    event.Side = side;
    event.Change = change;
    return event;
}

ContestEvent CountChange(EventKind kind, qint16 side, qint16 before, qint16 after)
{
    ContestEvent event = Made(kind, side, Sign(Counted(after) - Counted(before)));
    event.Count = after;
    return event;
}

// A mark that names a side (ippon, winner): given to the side that has it
// now, or taken from the side that had it.
ContestEvent Marked(EventKind kind, qint16 before, qint16 after)
{
    return after != 0 ? Made(kind, after, 1) : Made(kind, before, -1);
}

// Keys of the scored state: the names the board and its journal use.
constexpr auto KeyWHome = "nledWHome";
constexpr auto KeyYHome = "nledYHome";
constexpr auto KeyWVisitor = "nledWVisitor";
constexpr auto KeyYVisitor = "nledYVisitor";
constexpr auto KeyPenaltySH = "PenaltySH";
constexpr auto KeyPenaltySV = "PenaltySV";
constexpr auto KeyMedHome = "MedHome";
constexpr auto KeyMedVisitor = "MedVisitor";
constexpr auto KeyIppon = "Ippon";
constexpr auto KeyWinner = "Winner";
constexpr auto KeyPeriodLength = "PeriodLength";
constexpr auto KeyGoldenScore = "GoldenScore";

// Keys of an event.
constexpr auto KeySeq = "Seq";
constexpr auto KeyKind = "Kind";
constexpr auto KeySide = "Side";
constexpr auto KeyChange = "Change";
constexpr auto KeyClock = "Clock";
constexpr auto KeyWall = "Wall";
constexpr auto KeyCount = "Count";
constexpr auto KeySeconds = "Seconds";
constexpr auto KeyUndoes = "Undoes";
constexpr auto KeyBefore = "Before";

// The longest time an event carries: a contest clock of 9:59, a hold or a
// golden score of nine hours.
constexpr double MaxSeconds = 32767;

std::optional<qint64> WholeNumber(const QJsonObject& object, const char* key, qint64 low, qint64 high)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::floor(number) != number || number < static_cast<double>(low)
        || number > static_cast<double>(high))
        return std::nullopt;
    return static_cast<qint64>(number);
}

std::optional<Fixed4> SecondsValue(const QJsonObject& object, const char* key, double low, double high)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || number < low || number > high)
        return std::nullopt;
    return Fixed4::FromDouble(number);
}

} // namespace

bool NothingScored(const ScoredState& s)
{
    return Counted(s.WHome) == 0 && Counted(s.YHome) == 0 && Counted(s.WVisitor) == 0
        && Counted(s.YVisitor) == 0 && s.PenaltySH == 0 && s.PenaltySV == 0 && s.MedHome == 0
        && s.MedVisitor == 0 && s.Ippon == 0 && s.Winner == 0 && !s.GoldenScore;
}

QString EventKindName(EventKind kind)
{
    return QLatin1String(Entry(kind).Name);
}

std::optional<EventKind> EventKindFromName(const QString& name)
{
    for (const KindEntry& entry : Kinds) {
        if (name == QLatin1String(entry.Name))
            return entry.Kind;
    }
    return std::nullopt;
}

QString SideName(qint16 side)
{
    if (side == 1)
        return QStringLiteral("Home");
    if (side == 2)
        return QStringLiteral("Visitor");
    return {};
}

QString EventText(const ContestEvent& event)
{
    const QString words = QLatin1String(Entry(event.Kind).Words);
    const QString side = SideName(event.Side);
    return side.isEmpty() ? words : words + QLatin1Char(' ') + side;
}

std::optional<ContestEvent> DescribeChange(const ScoredState& before, const ScoredState& after)
{
    if (before == after)
        return std::nullopt;
    // A shido carries its consequences (the opponent's score, hansoku-make).
    if (before.PenaltySH != after.PenaltySH)
        return CountChange(EventKind::Shido, 1, before.PenaltySH, after.PenaltySH);
    if (before.PenaltySV != after.PenaltySV)
        return CountChange(EventKind::Shido, 2, before.PenaltySV, after.PenaltySV);
    // The second waza-ari became ippon and the count went back to 0.
    for (const qint16 side : { qint16(1), qint16(2) }) {
        const qint16 wBefore = side == 1 ? before.WHome : before.WVisitor;
        const qint16 wAfter = side == 1 ? after.WHome : after.WVisitor;
        if (after.Ippon == side && before.Ippon != side && Counted(wAfter) < Counted(wBefore)) {
            ContestEvent event = Made(EventKind::WazaAri, side, 1);
            event.Count = static_cast<qint16>(Counted(wBefore) + 1);
            return event;
        }
    }
    if (before.WHome != after.WHome)
        return CountChange(EventKind::WazaAri, 1, before.WHome, after.WHome);
    if (before.YHome != after.YHome)
        return CountChange(EventKind::Yuko, 1, before.YHome, after.YHome);
    if (before.WVisitor != after.WVisitor)
        return CountChange(EventKind::WazaAri, 2, before.WVisitor, after.WVisitor);
    if (before.YVisitor != after.YVisitor)
        return CountChange(EventKind::Yuko, 2, before.YVisitor, after.YVisitor);
    if (before.Ippon != after.Ippon)
        return Marked(EventKind::Ippon, before.Ippon, after.Ippon);
    if (before.Winner != after.Winner)
        return Marked(EventKind::Winner, before.Winner, after.Winner);
    if (before.MedHome != after.MedHome)
        return CountChange(EventKind::Medical, 1, before.MedHome, after.MedHome);
    if (before.MedVisitor != after.MedVisitor)
        return CountChange(EventKind::Medical, 2, before.MedVisitor, after.MedVisitor);
    if (before.GoldenScore != after.GoldenScore)
        return Made(EventKind::GoldenScore, 0, after.GoldenScore ? 1 : -1);
    ContestEvent event = Made(EventKind::ContestLength, 0, 0);
    event.Seconds = after.PeriodLength;
    return event;
}

QJsonObject ScoredStateToJson(const ScoredState& s)
{
    QJsonObject object;
    object.insert(QLatin1String(KeyWHome), s.WHome);
    object.insert(QLatin1String(KeyYHome), s.YHome);
    object.insert(QLatin1String(KeyWVisitor), s.WVisitor);
    object.insert(QLatin1String(KeyYVisitor), s.YVisitor);
    object.insert(QLatin1String(KeyPenaltySH), s.PenaltySH);
    object.insert(QLatin1String(KeyPenaltySV), s.PenaltySV);
    object.insert(QLatin1String(KeyMedHome), s.MedHome);
    object.insert(QLatin1String(KeyMedVisitor), s.MedVisitor);
    object.insert(QLatin1String(KeyIppon), s.Ippon);
    object.insert(QLatin1String(KeyWinner), s.Winner);
    object.insert(QLatin1String(KeyPeriodLength), s.PeriodLength.ToDouble());
    object.insert(QLatin1String(KeyGoldenScore), s.GoldenScore);
    return object;
}

std::optional<ScoredState> ScoredStateFromJson(const QJsonObject& object)
{
    bool ok = true;
    const auto read = [&](const char* key, qint64 low, qint64 high) {
        const std::optional<qint64> value = WholeNumber(object, key, low, high);
        ok = ok && value.has_value();
        return static_cast<qint16>(value.value_or(0));
    };
    ScoredState s;
    s.WHome = read(KeyWHome, -1, 9);
    s.YHome = read(KeyYHome, -1, 9);
    s.WVisitor = read(KeyWVisitor, -1, 9);
    s.YVisitor = read(KeyYVisitor, -1, 9);
    s.PenaltySH = read(KeyPenaltySH, 0, 4);
    s.PenaltySV = read(KeyPenaltySV, 0, 4);
    s.MedHome = read(KeyMedHome, 0, 2);
    s.MedVisitor = read(KeyMedVisitor, 0, 2);
    s.Ippon = read(KeyIppon, 0, 2);
    s.Winner = read(KeyWinner, 0, 2);
    const std::optional<Fixed4> length = SecondsValue(object, KeyPeriodLength, 0, 599);
    const QJsonValue golden = object.value(QLatin1String(KeyGoldenScore));
    if (!ok || !length || !(golden.isBool() || golden.isUndefined()))
        return std::nullopt;
    s.PeriodLength = *length;
    s.GoldenScore = golden.toBool(false);
    return s;
}

QJsonObject EventToJson(const ContestEvent& e)
{
    QJsonObject object;
    object.insert(QLatin1String(KeySeq), e.Seq);
    object.insert(QLatin1String(KeyKind), EventKindName(e.Kind));
    if (e.Side != 0)
        object.insert(QLatin1String(KeySide), SideName(e.Side));
    if (e.Change != 0)
        object.insert(QLatin1String(KeyChange), e.Change);
    object.insert(QLatin1String(KeyClock), e.Clock.ToDouble());
    object.insert(QLatin1String(KeyWall), WallText(e.Wall));
    if (e.Count)
        object.insert(QLatin1String(KeyCount), *e.Count);
    if (e.Seconds)
        object.insert(QLatin1String(KeySeconds), e.Seconds->ToDouble());
    if (e.Undoes != 0)
        object.insert(QLatin1String(KeyUndoes), e.Undoes);
    if (e.Before)
        object.insert(QLatin1String(KeyBefore), ScoredStateToJson(*e.Before));
    return object;
}

std::optional<ContestEvent> EventFromJson(const QJsonObject& object)
{
    ContestEvent e;
    const std::optional<qint64> seq = WholeNumber(object, KeySeq, 1, qint64(1) << 52);
    const std::optional<EventKind> kind = EventKindFromName(object.value(QLatin1String(KeyKind)).toString());
    const std::optional<Fixed4> clock = SecondsValue(object, KeyClock, -MaxSeconds, MaxSeconds);
    if (!seq || !kind || !clock)
        return std::nullopt;
    e.Seq = *seq;
    e.Kind = *kind;
    e.Clock = *clock;
    e.Wall = WallFromText(object.value(QLatin1String(KeyWall)).toString());

    const QJsonValue side = object.value(QLatin1String(KeySide));
    if (side.toString() == SideName(1))
        e.Side = 1;
    else if (side.toString() == SideName(2))
        e.Side = 2;
    else if (!side.isUndefined())
        return std::nullopt;
    if (object.contains(QLatin1String(KeyChange))) {
        const std::optional<qint64> change = WholeNumber(object, KeyChange, -1, 1);
        if (!change)
            return std::nullopt;
        e.Change = static_cast<qint16>(*change);
    }
    if (object.contains(QLatin1String(KeyCount))) {
        const std::optional<qint64> count = WholeNumber(object, KeyCount, -1, 9);
        if (!count)
            return std::nullopt;
        e.Count = static_cast<qint32>(*count);
    }
    if (object.contains(QLatin1String(KeySeconds))) {
        e.Seconds = SecondsValue(object, KeySeconds, 0, MaxSeconds);
        if (!e.Seconds)
            return std::nullopt;
    }
    if (object.contains(QLatin1String(KeyUndoes))) {
        const std::optional<qint64> undoes = WholeNumber(object, KeyUndoes, 1, qint64(1) << 52);
        if (!undoes)
            return std::nullopt;
        e.Undoes = *undoes;
    }
    if (object.contains(QLatin1String(KeyBefore))) {
        const QJsonValue before = object.value(QLatin1String(KeyBefore));
        e.Before = before.isObject() ? ScoredStateFromJson(before.toObject()) : std::nullopt;
        if (!e.Before)
            return std::nullopt;
    }
    return e;
}

QString WallText(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QDateTime WallFromText(const QString& text)
{
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

} // namespace kv
