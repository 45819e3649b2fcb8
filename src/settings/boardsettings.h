#pragma once

#include <QString>

namespace kv {

// Everything the operator can adjust, one field per settings key, each named
// exactly as its key. Colours are 0x00BBGGRR; keys are Windows virtual-key codes.
struct BoardSettingsRecord
{
    // "ColorSettings"
    qint32 TimeColor = 0;
    qint32 LEDBack = 0;
    qint32 HoldColor = 0;
    qint32 ScoreColor = 0;
    qint32 FormBack = 0;
    qint32 LEDSelected = 0;
    qint32 BorderColor = 0;
    qint16 LEDSelectedWidth = 0;
    // "KeySettings"
    qint16 StartStopPeriodClockKey = 0;
    qint16 ResetPeriodClockKey = 0;
    qint16 ClearKey = 0;
    qint16 BuzzerKey = 0;
    QString BuzzerFile;
    qint32 NumLockForce = 0;
    qint16 UndoKey = 0; // takes back the last change to the contest
    // "TextSettings"
    QString TitleText;
    QString HomeText;
    QString VisitorText;
    // "PicSettings"
    QString HomePic;
    QString VisitorPic;
    qint16 LEDType = 0;
    // "RuleSettings"
    QString RuleSet = QStringLiteral("Classic"); // "Classic", "IJF 2018" or "IJF 2025"
    QString Category; // a category preset's name; empty for none
    qint32 GoldenScoreLimit = -1; // seconds; -1 unlimited, 0 none
    bool ScoreHolds = true; // stored as "Yes" / "No"

    // "NetworkSettings": the board shown in browsers on the hall's network.
    bool Serve = false; // stored as "Yes" / "No"
    quint16 ServePort = 8090;

    friend bool operator==(const BoardSettingsRecord&, const BoardSettingsRecord&) = default;
};

// The process-wide settings: empty until LoadBoardSettings() runs at start-up,
// then changed only by the options dialog's OK.
extern BoardSettingsRecord BoardSettings;

// The folder that holds the program's executable, with native separators.
QString ProgramFolder();

// The record a fresh store gives (LEDSelected follows FormBack).
BoardSettingsRecord DefaultBoardSettings();

// Fills BoardSettings from the settings store. Absent keys, and stored values
// that are not numbers where one is expected or lie outside what the options
// dialog can produce, give the defaults.
void LoadBoardSettings();

// Writes the keys of one saving group (1 colours, 2 keys and buzzer file,
// 3 NumLock mode, 4 names, 5 pictures and digit style, 7 network) from
// BoardSettings.
// Returns false when a write failed or the group does not exist.
bool SaveBoardSettingsGroup(int group);

// Writes the "RuleSettings" keys from BoardSettings.
bool SaveRuleSettings();

// Writes the "KeySettings" / "IsKeyCode" marker as "Yes".
bool SaveIsKeyCode();

// The saving group of the network settings.
inline constexpr int NetworkSettingsGroup = 7;

// Groups 1 to 5, the rule settings, the marker and the network group, in
// that order; false if any write failed.
bool SaveAllBoardSettings();

} // namespace kv
