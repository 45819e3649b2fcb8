#include "platform/keytranslator.h"

#include <QKeyEvent>

#include <array>

namespace kv {

namespace {

// Windows virtual-key codes used below.
enum Vk : qint16
{
    VkBack = 8,
    VkTab = 9,
    VkClear = 12,
    VkReturn = 13,
    VkShift = 16,
    VkControl = 17,
    VkMenu = 18,
    VkPause = 19,
    VkCapital = 20,
    VkEscape = 27,
    VkSpace = 32,
    VkPrior = 33,
    VkNext = 34,
    VkEnd = 35,
    VkHome = 36,
    VkLeft = 37,
    VkUp = 38,
    VkRight = 39,
    VkDown = 40,
    VkSnapshot = 44,
    VkInsert = 45,
    VkDelete = 46,
    Vk0 = 48,
    VkA = 65,
    VkLWin = 91,
    VkRWin = 92,
    VkApps = 93,
    VkNumpad0 = 96,
    VkMultiply = 106,
    VkAdd = 107,
    VkSubtract = 109,
    VkDecimal = 110,
    VkDivide = 111,
    VkF1 = 112,
    VkNumLock = 144,
    VkScroll = 145,
    VkLShift = 160,
    VkRShift = 161,
    VkLControl = 162,
    VkRControl = 163,
    VkLMenu = 164,
    VkRMenu = 165,
    VkOem1 = 186, // ; on US keyboards
    VkOemPlus = 187,
    VkOemComma = 188,
    VkOemMinus = 189,
    VkOemPeriod = 190,
    VkOem2 = 191, // /
    VkOem3 = 192, // `
    VkOem4 = 219, // [
    VkOem5 = 220, // backslash
    VkOem6 = 221, // ]
    VkOem7 = 222, // '
    VkOem8 = 223, // a layout's own key
    VkOem102 = 226, // the extra key of ISO keyboards
};

constexpr quint32 X11KeycodeOffset = 8;

// Linux evdev codes 1 to 88 are the PC set-1 scan codes, so their codes are
// those of a US keyboard under Windows. The keypad block 71..83 is decided
// separately (it depends on NumLock).
constexpr std::array<qint16, 89> EvdevToVk = {
    0, // 0
    VkEscape, // 1
    49, 50, 51, 52, 53, 54, 55, 56, 57, 48, // 2..11: 1..9, 0
    VkOemMinus, VkOemPlus, VkBack, VkTab, // 12..15
    81, 87, 69, 82, 84, 89, 85, 73, 79, 80, // 16..25: Q W E R T Y U I O P
    VkOem4, VkOem6, VkReturn, VkControl, // 26..29
    65, 83, 68, 70, 71, 72, 74, 75, 76, // 30..38: A S D F G H J K L
    VkOem1, VkOem7, VkOem3, VkShift, VkOem5, // 39..43
    90, 88, 67, 86, 66, 78, 77, // 44..50: Z X C V B N M
    VkOemComma, VkOemPeriod, VkOem2, VkShift, VkMultiply, VkMenu, VkSpace, VkCapital, // 51..58
    112, 113, 114, 115, 116, 117, 118, 119, 120, 121, // 59..68: F1..F10
    VkNumLock, VkScroll, // 69..70
    0, 0, 0, VkSubtract, 0, 0, 0, VkAdd, 0, 0, 0, 0, 0, // 71..83: keypad, see KeypadVk
    0, 0, VkOem102, 122, 123, // 84..88: F11 F12 at 87 88
};
static_assert(EvdevToVk[57] == VkSpace && EvdevToVk[69] == VkNumLock && EvdevToVk[88] == 123);

struct KeypadKey
{
    quint32 Evdev;
    qint16 Numeric; // with NumLock on
    qint16 Navigation; // with NumLock off
};

constexpr std::array<KeypadKey, 11> KeypadKeys = { {
    { 71, VkNumpad0 + 7, VkHome },
    { 72, VkNumpad0 + 8, VkUp },
    { 73, VkNumpad0 + 9, VkPrior },
    { 75, VkNumpad0 + 4, VkLeft },
    { 76, VkNumpad0 + 5, VkClear },
    { 77, VkNumpad0 + 6, VkRight },
    { 79, VkNumpad0 + 1, VkEnd },
    { 80, VkNumpad0 + 2, VkDown },
    { 81, VkNumpad0 + 3, VkNext },
    { 82, VkNumpad0 + 0, VkInsert },
    { 83, VkDecimal, VkDelete },
} };

struct ExtendedKey
{
    quint32 Evdev;
    qint16 Vk;
};

constexpr std::array<ExtendedKey, 19> ExtendedKeys = { {
    { 96, VkReturn }, // keypad Enter
    { 97, VkControl }, // right Ctrl
    { 98, VkDivide }, // keypad /
    { 99, VkSnapshot },
    { 100, VkMenu }, // right Alt
    { 102, VkHome },
    { 103, VkUp },
    { 104, VkPrior },
    { 105, VkLeft },
    { 106, VkRight },
    { 107, VkEnd },
    { 108, VkDown },
    { 109, VkNext },
    { 110, VkInsert },
    { 111, VkDelete },
    { 119, VkPause },
    { 125, VkLWin },
    { 126, VkRWin },
    { 127, VkApps },
} };

bool IsLetterKey(int qtKey)
{
    return qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
}

bool IsKeypadNumericKey(int qtKey)
{
    return (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || qtKey == Qt::Key_Period || qtKey == Qt::Key_Comma;
}

qint16 VirtualKeyFromEvdev(quint32 evdev, int qtKey)
{
    for (const KeypadKey& k : KeypadKeys) {
        if (k.Evdev == evdev)
            return IsKeypadNumericKey(qtKey) ? k.Numeric : k.Navigation;
    }
    if (evdev < EvdevToVk.size())
        return EvdevToVk[evdev];
    if (evdev >= 183 && evdev <= 194) // F13..F24
        return static_cast<qint16>(124 + (evdev - 183));
    for (const ExtendedKey& k : ExtendedKeys) {
        if (k.Evdev == evdev)
            return k.Vk;
    }
    return 0;
}

// X keysyms of the four punctuation marks Windows codes on every layout.
constexpr quint32 XkPlus = 0x2b;
constexpr quint32 XkComma = 0x2c;
constexpr quint32 XkMinus = 0x2d;
constexpr quint32 XkPeriod = 0x2e;

qint16 PunctuationVk(quint32 keysym)
{
    switch (keysym) {
    case XkPlus:
        return VkOemPlus;
    case XkComma:
        return VkOemComma;
    case XkMinus:
        return VkOemMinus;
    case XkPeriod:
        return VkOemPeriod;
    default:
        return 0;
    }
}

bool IsPunctuationVk(qint16 vk)
{
    return vk == VkOemPlus || vk == VkOemComma || vk == VkOemMinus || vk == VkOemPeriod;
}

// Keys whose meaning follows the layout's symbols: the punctuation keys, and
// the positions of US letters where a layout puts punctuation (the French ","
// sits where US has "M").
bool FollowsSymbols(qint16 positionVk)
{
    return (positionVk >= VkOem1 && positionVk <= 192) || (positionVk >= VkOem4 && positionVk <= VkOem8)
        || positionVk == VkOem102 || (positionVk >= VkA && positionVk <= VkA + 25);
}

bool LooksLikeX11Keycode(quint32 scanCode)
{
    return scanCode > X11KeycodeOffset && scanCode <= 255;
}

} // namespace

KeyEventFacts FactsOf(const QKeyEvent& event)
{
    return { event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey(),
        event.isAutoRepeat() };
}

qint16 VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (IsLetterKey(qtKey))
        return static_cast<qint16>(VkA + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<qint16>((keypad ? VkNumpad0 : Vk0) + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<qint16>(VkF1 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Left:
        return VkLeft;
    case Qt::Key_Up:
        return VkUp;
    case Qt::Key_Right:
        return VkRight;
    case Qt::Key_Down:
        return VkDown;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VkReturn;
    case Qt::Key_Space:
        return VkSpace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VkTab;
    case Qt::Key_Escape:
        return VkEscape;
    case Qt::Key_Backspace:
        return VkBack;
    case Qt::Key_Delete:
        return VkDelete;
    case Qt::Key_Insert:
        return VkInsert;
    case Qt::Key_Home:
        return VkHome;
    case Qt::Key_End:
        return VkEnd;
    case Qt::Key_PageUp:
        return VkPrior;
    case Qt::Key_PageDown:
        return VkNext;
    case Qt::Key_Clear:
        return VkClear;
    case Qt::Key_Pause:
        return VkPause;
    case Qt::Key_Print:
        return VkSnapshot;
    case Qt::Key_NumLock:
        return VkNumLock;
    case Qt::Key_ScrollLock:
        return VkScroll;
    case Qt::Key_CapsLock:
        return VkCapital;
    case Qt::Key_Shift:
        return VkShift;
    case Qt::Key_Control:
        return VkControl;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return VkMenu;
    case Qt::Key_Meta:
        return VkLWin;
    case Qt::Key_Menu:
        return VkApps;
    case Qt::Key_Plus:
        return keypad ? VkAdd : VkOemPlus;
    case Qt::Key_Equal:
        return VkOemPlus;
    case Qt::Key_Minus:
        return keypad ? VkSubtract : VkOemMinus;
    case Qt::Key_Period:
        return keypad ? VkDecimal : VkOemPeriod;
    case Qt::Key_Comma:
        return keypad ? VkDecimal : VkOemComma;
    case Qt::Key_Asterisk:
        return keypad ? VkMultiply : 0;
    case Qt::Key_Slash:
        return keypad ? VkDivide : VkOem2;
    case Qt::Key_Semicolon:
        return VkOem1;
    case Qt::Key_Apostrophe:
        return VkOem7;
    case Qt::Key_QuoteLeft:
        return VkOem3;
    case Qt::Key_BracketLeft:
        return VkOem4;
    case Qt::Key_Backslash:
        return VkOem5;
    case Qt::Key_BracketRight:
        return VkOem6;
    default:
        return 0;
    }
}

qint16 VirtualKeyFromX11(const KeyEventFacts& facts, const KeySymbolLookup& symbols)
{
    if (IsLetterKey(facts.QtKey))
        return static_cast<qint16>(VkA + (facts.QtKey - Qt::Key_A));
    if (LooksLikeX11Keycode(facts.NativeScanCode)) {
        const qint16 vk = VirtualKeyFromEvdev(facts.NativeScanCode - X11KeycodeOffset, facts.QtKey);
        if (vk != 0 && FollowsSymbols(vk)) {
            const KeySymbols layout = symbols ? symbols(facts.NativeScanCode) : KeySymbols {};
            const bool known = layout.Unshifted != 0 || layout.Shifted != 0;
            if (known) {
                if (const qint16 marked = PunctuationVk(layout.Unshifted))
                    return marked;
                if (const qint16 marked = PunctuationVk(layout.Shifted))
                    return marked;
                // This layout prints none of the four here: not plus, not minus.
                if (IsPunctuationVk(vk))
                    return VkOem8;
            } else if (const qint16 marked = PunctuationVk(facts.NativeVirtualKey)) {
                return marked;
            }
        }
        if (vk != 0)
            return vk;
    }
    return VirtualKeyFromQtKey(facts.QtKey, facts.Modifiers);
}

qint16 VirtualKeyFromWindows(const KeyEventFacts& facts)
{
    switch (facts.NativeVirtualKey) {
    case VkLShift:
    case VkRShift:
        return VkShift;
    case VkLControl:
    case VkRControl:
        return VkControl;
    case VkLMenu:
    case VkRMenu:
        return VkMenu;
    default:
        break;
    }
    if (facts.NativeVirtualKey >= 1 && facts.NativeVirtualKey <= 254)
        return static_cast<qint16>(facts.NativeVirtualKey);
    return VirtualKeyFromQtKey(facts.QtKey, facts.Modifiers);
}

qint16 VirtualKeyFromFacts(const KeyEventFacts& facts, KeySource source, const KeySymbolLookup& symbols)
{
    switch (source) {
    case KeySource::Windows:
        return VirtualKeyFromWindows(facts);
    case KeySource::X11:
        return VirtualKeyFromX11(facts, symbols);
    case KeySource::QtKey:
        break;
    }
    return VirtualKeyFromQtKey(facts.QtKey, facts.Modifiers);
}

KeySource PlatformKeySource()
{
#if defined(Q_OS_WIN)
    return KeySource::Windows;
#elif defined(Q_OS_MACOS) || defined(Q_OS_IOS)
    return KeySource::QtKey;
#else
    // xcb, Wayland and the evdev/libinput based plugins all report the X
    // keycode; offscreen and minimal report what the event was made with,
    // which is 0 for synthesised events (the X11 path then uses the Qt key).
    return KeySource::X11;
#endif
}

qint16 ShiftMask(Qt::KeyboardModifiers modifiers)
{
    qint16 mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        mask |= 1;
    if (modifiers.testFlag(Qt::ControlModifier))
        mask |= 2;
    if (modifiers.testFlag(Qt::AltModifier))
        mask |= 4;
    return mask;
}

KeyTranslator& KeyTranslator::Instance()
{
    static KeyTranslator translator;
    return translator;
}

KeyTranslator::KeyTranslator(KeySource source, KeySymbolLookup symbols)
    : m_source(source)
    , m_symbols(std::move(symbols))
{ }

std::optional<qint16> KeyTranslator::Press(const QKeyEvent& event)
{
    return Press(FactsOf(event));
}

std::optional<qint16> KeyTranslator::Release(const QKeyEvent& event)
{
    return Release(FactsOf(event));
}

std::optional<qint16> KeyTranslator::Press(const KeyEventFacts& facts)
{
    // A repeated key-down keeps the code of the first one.
    if (facts.AutoRepeat && facts.NativeScanCode != 0) {
        const auto held = m_held.constFind(facts.NativeScanCode);
        if (held != m_held.constEnd())
            return *held;
    }
    const qint16 vk = VirtualKeyFromFacts(facts, m_source, m_symbols);
    if (vk == 0)
        return std::nullopt;
    if (facts.NativeScanCode != 0)
        m_held.insert(facts.NativeScanCode, vk);
    return vk;
}

std::optional<qint16> KeyTranslator::Release(const KeyEventFacts& facts)
{
    // Qt reports a held key as release and press pairs; Windows sends only
    // the repeated key-downs.
    if (facts.AutoRepeat)
        return std::nullopt;
    qint16 vk = 0;
    if (facts.NativeScanCode != 0) {
        const auto held = m_held.find(facts.NativeScanCode);
        if (held != m_held.end()) {
            vk = *held;
            m_held.erase(held);
        }
    }
    if (vk == 0)
        vk = VirtualKeyFromFacts(facts, m_source, m_symbols);
    if (vk == 0)
        return std::nullopt;
    return vk;
}

} // namespace kv
