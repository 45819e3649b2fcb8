#include "settings/boardsettings.h"

#include "rules/ruleset.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QDir>

#include <limits>

namespace kv {

BoardSettingsRecord BoardSettings;

namespace {

const QString ColorSection = QStringLiteral("ColorSettings");
const QString KeySection = QStringLiteral("KeySettings");
const QString TextSection = QStringLiteral("TextSettings");
const QString PicSection = QStringLiteral("PicSettings");
const QString RuleSection = QStringLiteral("RuleSettings");
const QString Yes = QStringLiteral("Yes");
const QString No = QStringLiteral("No");
const QString NetworkSection = QStringLiteral("NetworkSettings");

constexpr qint32 DefaultTimeColor = 33023;
constexpr qint32 DefaultLEDBack = 0;
constexpr qint32 DefaultHoldColor = 255;
constexpr qint32 DefaultScoreColor = 49152;
constexpr qint32 DefaultFormBack = 4210752;
constexpr qint32 DefaultBorderColor = 16777215;
constexpr qint16 DefaultLEDSelectedWidth = 0;
constexpr qint16 DefaultStartStopKey = 83;
constexpr qint16 DefaultResetKey = 82;
constexpr qint16 DefaultClearKey = 46;
constexpr qint16 DefaultBuzzerKey = 66;
constexpr qint16 DefaultUndoKey = 8; // Backspace
constexpr qint32 DefaultNumLockForce = 0;
constexpr qint16 DefaultLEDType = 0;
constexpr quint16 DefaultServePort = 8090;

// What the options dialog can produce for each kind of field.
constexpr qint64 ColorMin = 0;
constexpr qint64 ColorMax = 16777215;
constexpr qint64 WidthMin = 0;
constexpr qint64 WidthMax = 5;
constexpr qint64 KeyMin = 1;
constexpr qint64 KeyMax = 254;
constexpr qint64 LedTypeMin = 0;
constexpr qint64 LedTypeMax = 1;
constexpr qint64 PortMin = 1;
constexpr qint64 PortMax = 65535;

QString DefaultBuzzerFile()
{
    QString folder = ProgramFolder();
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder + QStringLiteral("buzzer.wav");
}

qint32 ReadInteger(const SettingsStore& store, const QString& section, const QString& key,
    qint32 defaultValue, qint64 min, qint64 max)
{
    const QString text = store.Read(section, key, QString::number(defaultValue));
    return ParseStoredInteger(text, min, max).value_or(defaultValue);
}

qint32 ReadColor(const SettingsStore& store, const QString& key, qint32 defaultValue)
{
    return ReadInteger(store, ColorSection, key, defaultValue, ColorMin, ColorMax);
}

qint16 ReadKey(const SettingsStore& store, const QString& key, qint16 defaultValue)
{
    return static_cast<qint16>(ReadInteger(store, KeySection, key, defaultValue, KeyMin, KeyMax));
}

// Runs every write even after a failure, so one bad key loses nothing else.
class Writer final
{
public:
    void Text(const QString& section, const QString& key, const QString& text)
    {
        m_ok = m_store.Write(section, key, text) && m_ok;
    }
    void Number(const QString& section, const QString& key, qint64 value)
    {
        Text(section, key, QString::number(value));
    }
    bool Ok() const { return m_ok; }

private:
    SettingsStore m_store;
    bool m_ok = true;
};

} // namespace

QString ProgramFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

BoardSettingsRecord DefaultBoardSettings()
{
    BoardSettingsRecord r;
    r.TimeColor = DefaultTimeColor;
    r.LEDBack = DefaultLEDBack;
    r.HoldColor = DefaultHoldColor;
    r.ScoreColor = DefaultScoreColor;
    r.FormBack = DefaultFormBack;
    r.LEDSelected = DefaultFormBack;
    r.BorderColor = DefaultBorderColor;
    r.LEDSelectedWidth = DefaultLEDSelectedWidth;
    r.StartStopPeriodClockKey = DefaultStartStopKey;
    r.ResetPeriodClockKey = DefaultResetKey;
    r.ClearKey = DefaultClearKey;
    r.BuzzerKey = DefaultBuzzerKey;
    r.UndoKey = DefaultUndoKey;
    r.BuzzerFile = DefaultBuzzerFile();
    r.NumLockForce = DefaultNumLockForce;
    r.TitleText = QStringLiteral("Home");
    r.HomeText = QStringLiteral("Home");
    r.VisitorText = QStringLiteral("Visitor");
    r.HomePic = QString();
    r.VisitorPic = QString();
    r.LEDType = DefaultLEDType;
    r.RuleSet = DefaultRuleSetName;
    r.Category = QString();
    r.GoldenScoreLimit = DefaultGoldenScoreLimit;
    r.ScoreHolds = true;
    r.Serve = false;
    r.ServePort = DefaultServePort;
    return r;
}

void LoadBoardSettings()
{
    const SettingsStore store;
    BoardSettingsRecord& s = BoardSettings;

    s.TimeColor = ReadColor(store, QStringLiteral("TimeColor"), DefaultTimeColor);
    s.LEDBack = ReadColor(store, QStringLiteral("LEDBack"), DefaultLEDBack);
    s.HoldColor = ReadColor(store, QStringLiteral("HoldColor"), DefaultHoldColor);
    s.ScoreColor = ReadColor(store, QStringLiteral("ScoreColor"), DefaultScoreColor);
    s.FormBack = ReadColor(store, QStringLiteral("FormBack"), DefaultFormBack);
    s.LEDSelected = ReadColor(store, QStringLiteral("LEDSelected"), s.FormBack);
    s.BorderColor = ReadColor(store, QStringLiteral("BorderColor"), DefaultBorderColor);
    s.LEDSelectedWidth = static_cast<qint16>(ReadInteger(store, ColorSection,
        QStringLiteral("LEDSelectedWidth"), DefaultLEDSelectedWidth, WidthMin, WidthMax));

    s.StartStopPeriodClockKey
        = ReadKey(store, QStringLiteral("StartStopPeriodClockKey"), DefaultStartStopKey);
    s.ResetPeriodClockKey = ReadKey(store, QStringLiteral("ResetPeriodClockKey"), DefaultResetKey);
    s.ClearKey = ReadKey(store, QStringLiteral("ClearKey"), DefaultClearKey);
    s.BuzzerKey = ReadKey(store, QStringLiteral("BuzzerKey"), DefaultBuzzerKey);
    s.UndoKey = ReadKey(store, QStringLiteral("UndoKey"), DefaultUndoKey);
    s.BuzzerFile = store.Read(KeySection, QStringLiteral("BuzzerFile"), DefaultBuzzerFile());
    s.NumLockForce = ReadInteger(store, KeySection, QStringLiteral("NumLockForce"), DefaultNumLockForce,
        std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    // Read for the record only; nothing depends on it.
    static_cast<void>(store.Read(KeySection, QStringLiteral("IsKeyCode"), QStringLiteral("No")));

    s.TitleText = store.Read(TextSection, QStringLiteral("TitleText"), QStringLiteral("Home"));
    s.HomeText = store.Read(TextSection, QStringLiteral("HomeText"), QStringLiteral("Home"));
    s.VisitorText = store.Read(TextSection, QStringLiteral("VisitorText"), QStringLiteral("Visitor"));

    s.HomePic = store.Read(PicSection, QStringLiteral("HomePic"), QString());
    s.VisitorPic = store.Read(PicSection, QStringLiteral("VisitorPic"), QString());
    s.LEDType = static_cast<qint16>(
        ReadInteger(store, PicSection, QStringLiteral("LEDType"), DefaultLEDType, LedTypeMin, LedTypeMax));

    // A value outside the known sets, presets and limits is taken as absent.
    const QString ruleSet = store.Read(RuleSection, QStringLiteral("RuleSet"), DefaultRuleSetName);
    s.RuleSet = ParseRuleSet(ruleSet) ? ruleSet : DefaultRuleSetName;
    const QString category = store.Read(RuleSection, QStringLiteral("Category"), QString());
    s.Category = CategoryNamed(category) ? category : QString();
    const qint32 limit = ReadInteger(store, RuleSection, QStringLiteral("GoldenScoreLimit"),
        DefaultGoldenScoreLimit, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    s.GoldenScoreLimit = IsGoldenScoreLimit(limit) ? limit : DefaultGoldenScoreLimit;
    s.ScoreHolds = store.Read(RuleSection, QStringLiteral("ScoreHolds"), Yes) != No;
    s.Serve
        = store.Read(NetworkSection, QStringLiteral("Serve"), QStringLiteral("No")) == QStringLiteral("Yes");
    s.ServePort = static_cast<quint16>(
        ReadInteger(store, NetworkSection, QStringLiteral("ServePort"), DefaultServePort, PortMin, PortMax));
}

bool SaveBoardSettingsGroup(int group)
{
    const BoardSettingsRecord& s = BoardSettings;
    Writer w;
    switch (group) {
    case 1:
        w.Number(ColorSection, QStringLiteral("TimeColor"), s.TimeColor);
        w.Number(ColorSection, QStringLiteral("LEDBack"), s.LEDBack);
        w.Number(ColorSection, QStringLiteral("LEDSelected"), s.LEDSelected);
        w.Number(ColorSection, QStringLiteral("ScoreColor"), s.ScoreColor);
        w.Number(ColorSection, QStringLiteral("HoldColor"), s.HoldColor);
        w.Number(ColorSection, QStringLiteral("FormBack"), s.FormBack);
        w.Number(ColorSection, QStringLiteral("BorderColor"), s.BorderColor);
        w.Number(ColorSection, QStringLiteral("LEDSelectedWidth"), s.LEDSelectedWidth);
        break;
    case 2:
        w.Number(KeySection, QStringLiteral("StartStopPeriodClockKey"), s.StartStopPeriodClockKey);
        w.Number(KeySection, QStringLiteral("ResetPeriodClockKey"), s.ResetPeriodClockKey);
        w.Number(KeySection, QStringLiteral("ClearKey"), s.ClearKey);
        w.Number(KeySection, QStringLiteral("BuzzerKey"), s.BuzzerKey);
        w.Text(KeySection, QStringLiteral("BuzzerFile"), s.BuzzerFile);
        w.Number(KeySection, QStringLiteral("UndoKey"), s.UndoKey);
        break;
    case 3:
        w.Number(KeySection, QStringLiteral("NumLockForce"), s.NumLockForce);
        break;
    case 4:
        w.Text(TextSection, QStringLiteral("TitleText"), s.TitleText);
        w.Text(TextSection, QStringLiteral("HomeText"), s.HomeText);
        w.Text(TextSection, QStringLiteral("VisitorText"), s.VisitorText);
        break;
    case 5:
        w.Text(PicSection, QStringLiteral("HomePic"), s.HomePic);
        w.Text(PicSection, QStringLiteral("VisitorPic"), s.VisitorPic);
        w.Number(PicSection, QStringLiteral("LEDType"), s.LEDType);
        break;
    case NetworkSettingsGroup:
        w.Text(
            NetworkSection, QStringLiteral("Serve"), s.Serve ? QStringLiteral("Yes") : QStringLiteral("No"));
        w.Number(NetworkSection, QStringLiteral("ServePort"), s.ServePort);
        break;
    default:
        return false;
    }
    return w.Ok();
}

bool SaveRuleSettings()
{
    const BoardSettingsRecord& s = BoardSettings;
    Writer w;
    w.Text(RuleSection, QStringLiteral("RuleSet"), s.RuleSet);
    w.Text(RuleSection, QStringLiteral("Category"), s.Category);
    w.Number(RuleSection, QStringLiteral("GoldenScoreLimit"), s.GoldenScoreLimit);
    w.Text(RuleSection, QStringLiteral("ScoreHolds"), s.ScoreHolds ? Yes : No);
    return w.Ok();
}

bool SaveIsKeyCode()
{
    return SettingsStore().Write(KeySection, QStringLiteral("IsKeyCode"), QStringLiteral("Yes"));
}

bool SaveAllBoardSettings()
{
    bool ok = true;
    for (int group = 1; group <= 5; ++group)
        ok = SaveBoardSettingsGroup(group) && ok;
    ok = SaveRuleSettings() && ok;
    ok = SaveIsKeyCode() && ok;
    return SaveBoardSettingsGroup(NetworkSettingsGroup) && ok;
}

} // namespace kv
