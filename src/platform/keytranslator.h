#pragma once

#include <QHash>
#include <Qt>

#include <functional>
#include <optional>

class QKeyEvent;

namespace kv {

// Key codes throughout the program are Windows virtual-key codes, on every
// platform. These functions turn Qt key events into them.

// What a key event tells about its key.
struct KeyEventFacts
{
    int QtKey = 0;
    Qt::KeyboardModifiers Modifiers;
    quint32 NativeScanCode = 0;
    quint32 NativeVirtualKey = 0;
    bool AutoRepeat = false;
};

KeyEventFacts FactsOf(const QKeyEvent& event);

// Where the virtual-key code of an event comes from.
enum class KeySource
{
    Windows, // the event's native virtual key
    X11, // the X keycode in the scan code (evdev code + 8), as xcb, Wayland and evdev-based platforms give it
    QtKey, // the Qt key alone
};

// The symbols (X keysyms) a key prints unshifted and shifted in the active
// layout; 0 where it prints nothing or is not known.
struct KeySymbols
{
    quint32 Unshifted = 0;
    quint32 Shifted = 0;
};

// The symbols of a key by its X keycode, in the active layout.
using KeySymbolLookup = std::function<KeySymbols(quint32 x11Keycode)>;

// The layout of the running X display, asked afresh on each call, so that a
// layout switched while the program runs is followed. Empty where there is no
// X display (another platform plugin, or Windows).
KeySymbolLookup PlatformKeySymbols();

// From X11 facts: letters follow the layout through the Qt key (Shift does not
// matter). The punctuation keys that print "+", "-", "." or "," (unshifted or
// shifted) give 187, 189, 190 and 188 on every layout, as Windows gives them;
// a punctuation key that prints none of these four where a US keyboard has one
// gives 223, so it is never taken for plus or minus. The symbols come from
// symbols, or without it from the event's own keysym. The digit row and every
// other key are found by their position, as on a US keyboard. Keypad keys give
// their digits with NumLock on and their navigation keys with NumLock off.
// Falls back on the Qt key for positions it does not know.
qint16 VirtualKeyFromX11(const KeyEventFacts& facts, const KeySymbolLookup& symbols = {});

// From Windows facts: the native virtual key, left and right modifier keys
// folded together. Falls back on the Qt key when the native key is missing.
qint16 VirtualKeyFromWindows(const KeyEventFacts& facts);

// From the Qt key alone (events without native facts, such as synthesised
// ones): letters, digits (keypad ones with Qt::KeypadModifier), F-keys,
// arrows, editing and navigation keys, + - . = , on both keyboards, modifiers.
// 0 for a key it does not know.
qint16 VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

// The code from the given source; an X11 source with no usable keycode uses
// the Qt key. symbols is the layout an X11 source reads punctuation from.
qint16 VirtualKeyFromFacts(const KeyEventFacts& facts, KeySource source, const KeySymbolLookup& symbols = {});

// The source this build and the running platform plugin provide.
KeySource PlatformKeySource();

// Shift state as Windows programs see it: 1 Shift, 2 Ctrl, 4 Alt.
qint16 ShiftMask(Qt::KeyboardModifiers modifiers);

// Turns press and release events into key-down and key-up codes as Windows
// reports them: a release gives the code its press gave, and auto-repeat
// shows only as repeated key-downs.
class KeyTranslator final
{
public:
    static KeyTranslator& Instance();

    explicit KeyTranslator(
        KeySource source = PlatformKeySource(), KeySymbolLookup symbols = PlatformKeySymbols());

    // The key-down code, or nothing for a key without a code.
    std::optional<qint16> Press(const QKeyEvent& event);
    std::optional<qint16> Release(const QKeyEvent& event);

    std::optional<qint16> Press(const KeyEventFacts& facts);
    std::optional<qint16> Release(const KeyEventFacts& facts);

    // Forgets the keys held down.
    void Reset() { m_held.clear(); }

private:
    KeySource m_source;
    KeySymbolLookup m_symbols;
    QHash<quint32, qint16> m_held; // code given at press, by scan code
};

} // namespace kv
