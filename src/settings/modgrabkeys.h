#pragma once

#include <QString>

namespace kv {

// The key chooser's hand-over: the options dialog sets the action phrase and
// the key now pending for it before opening the chooser; the chooser leaves
// the accepted key code as decimal text in ChooseKeyResult, "0" for none.
extern QString ChooseKeyAction;
extern qint16 ChooseKeyCurrent;
extern QString ChooseKeyResult;

// The name shown for a key code; empty for a key that may not be assigned.
QString KeyCodeToStr(qint16 KeyCode);

// The options dialog's pending command keys the chooser compares against.
struct PendingCommandKeys
{
    qint16 StartStop = 0;
    qint16 Reset = 0;
    qint16 Buzzer = 0;
    qint16 Undo = 0;
};

// Whether the chooser accepts key K: the key already pending for the action
// always; otherwise a key with a name that no other command key holds and
// that is neither F1 (help) nor F2 (options).
bool ChooseKeyAccepts(qint16 K, qint16 current, const PendingCommandKeys& pending);

} // namespace kv
