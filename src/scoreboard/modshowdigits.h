#pragma once

#include <QString>

#include <optional>

namespace kv {

class NumberLED;
class frmScoreboard;

// The typed-entry buffer shared by all score displays: the characters typed
// so far and the name of the display they belong to.
struct TypedEntry
{
    QString TypedText;
    QString TypedControl;
};
TypedEntry& TypedEntryBuffer();

// The value an entry text gives a display now showing current (-1, a blank
// display, counts as 0), or nothing when the text is no entry: a digit sets,
// "+"/"-" followed by a number adds or takes away, the character 0 (the clear
// key) gives -1. Bounds are not applied here.
std::optional<qint64> EntryResult(qint64 current, const QString& text);

// Applies an entry text to a display when the result lies within Min..Max.
void ShowDigits(NumberLED& display, const QString& text, qint16 Min, qint16 Max);

// Feeds one key (already converted by KeyCodeToAsci) to a display's entry.
void TypeDigit(frmScoreboard& form, NumberLED& display, qint16 code, qint16 Min, qint16 Max);

} // namespace kv
