#include "platform/keytranslator.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

using namespace kv;

namespace {

KeyEventFacts X11Facts(int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode, bool autoRepeat = false)
{
    return { qtKey, modifiers, scanCode, 0, autoRepeat };
}

// Records what the process-wide translator makes of the key events it gets.
class KeyRecorder final : public QWidget
{
public:
    KeyRecorder() { setFocusPolicy(Qt::StrongFocus); }

    QList<int> Downs;
    QList<int> Ups;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (const auto vk = KeyTranslator::Instance().Press(*event))
            Downs.append(*vk);
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        if (const auto vk = KeyTranslator::Instance().Release(*event))
            Ups.append(*vk);
    }
};

// The two levels of the keys that matter here, as `xmodmap -pke` lists them
// under `setxkbmap de` and `setxkbmap fr` (keycode = evdev code + 8).
KeySymbols RecordedLayout(const QString& layout, quint32 keycode)
{
    static const QHash<quint32, KeySymbols> german {
        { 10, { 0x31, 0x21 } }, // 1 !
        { 15, { 0x36, 0x26 } }, // 6 &
        { 20, { 0xdf, 0x3f } }, // ssharp question
        { 21, { 0xfe51, 0xfe50 } }, // dead_acute dead_grave
        { 29, { 0x7a, 0x5a } }, // z Z
        { 34, { 0xfc, 0xdc } }, // udiaeresis Udiaeresis
        { 35, { 0x2b, 0x2a } }, // plus asterisk
        { 52, { 0x79, 0x59 } }, // y Y
        { 59, { 0x2c, 0x3b } }, // comma semicolon
        { 60, { 0x2e, 0x3a } }, // period colon
        { 61, { 0x2d, 0x5f } }, // minus underscore
        { 94, { 0x3c, 0x3e } }, // less greater
    };
    static const QHash<quint32, KeySymbols> french {
        { 10, { 0x26, 0x31 } }, // ampersand 1
        { 15, { 0x2d, 0x36 } }, // minus 6
        { 20, { 0x29, 0xb0 } }, // parenright degree
        { 21, { 0x3d, 0x2b } }, // equal plus
        { 24, { 0x61, 0x41 } }, // a A
        { 47, { 0x6d, 0x4d } }, // m M
        { 58, { 0x2c, 0x3f } }, // comma question
        { 59, { 0x3b, 0x2e } }, // semicolon period
        { 60, { 0x3a, 0x2f } }, // colon slash
        { 61, { 0x21, 0xa7 } }, // exclam section
    };
    return (layout == u"de" ? german : french).value(keycode);
}

} // namespace

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class TestKeyTranslator : public QObject
{
    Q_OBJECT

private slots:
    void fromRecordedX11Events_data();
    void fromRecordedX11Events();
    void fromRecordedGermanAndFrenchEvents_data();
    void fromRecordedGermanAndFrenchEvents();
    void punctuationWithoutLayout_followsTheEventsSymbol_data();
    void punctuationWithoutLayout_followsTheEventsSymbol();
    void fromQtKey_data();
    void fromQtKey();
    void fromWindows_data();
    void fromWindows();
    void shiftMask_data();
    void shiftMask();

    void releaseReportsTheCodeOfItsPress();
    void autoRepeatGivesRepeatedKeyDownsOnly();
    void unknownKeyIsNotReported();
    void zeroScanCodeFallsBackOnQtKey();
    void syntheticEventsOnThisPlatform_data();
    void syntheticEventsOnThisPlatform();
};

void TestKeyTranslator::fromRecordedX11Events_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<int>("vk");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    // Events as Qt 6.4 on xcb delivers them with a US layout.
    QTest::newRow("S") << int(Qt::Key_S) << none << 39u << 83;
    QTest::newRow("Shift+S") << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 39u << 83;
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::ControlModifier) << 39u << 83;
    QTest::newRow("A") << int(Qt::Key_A) << none << 38u << 65;
    QTest::newRow("keypad 7, NumLock on") << int(Qt::Key_7) << keypad << 79u << 103;
    QTest::newRow("keypad 7, NumLock off") << int(Qt::Key_Home) << keypad << 79u << 36;
    QTest::newRow("keypad 0, NumLock on") << int(Qt::Key_0) << keypad << 90u << 96;
    QTest::newRow("keypad 0, NumLock off") << int(Qt::Key_Insert) << keypad << 90u << 45;
    QTest::newRow("keypad 5, NumLock off") << int(Qt::Key_Clear) << keypad << 84u << 12;
    QTest::newRow("keypad 9, NumLock on") << int(Qt::Key_9) << keypad << 81u << 105;
    QTest::newRow("keypad 2, NumLock off") << int(Qt::Key_Down) << keypad << 88u << 40;
    QTest::newRow("keypad decimal, NumLock on") << int(Qt::Key_Period) << keypad << 91u << 110;
    QTest::newRow("keypad decimal as comma") << int(Qt::Key_Comma) << keypad << 91u << 110;
    QTest::newRow("keypad decimal, NumLock off") << int(Qt::Key_Delete) << keypad << 91u << 46;
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << keypad << 86u << 107;
    QTest::newRow("keypad -") << int(Qt::Key_Minus) << keypad << 82u << 109;
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << keypad << 63u << 106;
    QTest::newRow("keypad /") << int(Qt::Key_Slash) << keypad << 106u << 111;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << keypad << 104u << 13;
    QTest::newRow("main =") << int(Qt::Key_Equal) << none << 21u << 187;
    QTest::newRow("main + (Shift+=)")
        << int(Qt::Key_Plus) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 21u << 187;
    QTest::newRow("main -") << int(Qt::Key_Minus) << none << 20u << 189;
    QTest::newRow("main .") << int(Qt::Key_Period) << none << 60u << 190;
    QTest::newRow("main ,") << int(Qt::Key_Comma) << none << 59u << 188;
    QTest::newRow("main 1") << int(Qt::Key_1) << none << 10u << 49;
    QTest::newRow("main ! (Shift+1)")
        << int(Qt::Key_Exclam) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 10u << 49;
    QTest::newRow("main 0") << int(Qt::Key_0) << none << 19u << 48;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << 67u << 112;
    QTest::newRow("F2") << int(Qt::Key_F2) << none << 68u << 113;
    QTest::newRow("F11") << int(Qt::Key_F11) << none << 95u << 122;
    QTest::newRow("F12") << int(Qt::Key_F12) << none << 96u << 123;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << 113u << 37;
    QTest::newRow("Up") << int(Qt::Key_Up) << none << 111u << 38;
    QTest::newRow("Right") << int(Qt::Key_Right) << none << 114u << 39;
    QTest::newRow("Down") << int(Qt::Key_Down) << none << 116u << 40;
    QTest::newRow("NumLock") << int(Qt::Key_NumLock) << none << 77u << 144;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << 119u << 46;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << 36u << 13;
    QTest::newRow("Space") << int(Qt::Key_Space) << none << 65u << 32;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << 23u << 9;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << 9u << 27;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << 22u << 8;
    QTest::newRow("left Shift") << int(Qt::Key_Shift) << none << 50u << 16;
    QTest::newRow("right Shift") << int(Qt::Key_Shift) << none << 62u << 16;
    QTest::newRow("left Ctrl") << int(Qt::Key_Control) << none << 37u << 17;
    QTest::newRow("right Ctrl") << int(Qt::Key_Control) << none << 105u << 17;
    QTest::newRow("left Alt") << int(Qt::Key_Alt) << none << 64u << 18;
    QTest::newRow("right Alt") << int(Qt::Key_AltGr) << none << 108u << 18;
    QTest::newRow("Home") << int(Qt::Key_Home) << none << 110u << 36;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << none << 117u << 34;
    // Letters follow the layout; other keys keep their US place.
    QTest::newRow("AZERTY A on the US Q key") << int(Qt::Key_A) << none << 24u << 65;
    QTest::newRow("AZERTY & on the US 1 key") << int(Qt::Key_Ampersand) << none << 10u << 49;
    QTest::newRow("Cyrillic letter on the US S key") << 0x44b << none << 39u << 83;
    // A keycode outside the table falls back on the Qt key.
    QTest::newRow("unknown keycode, known Qt key") << int(Qt::Key_F5) << none << 250u << 116;
    QTest::newRow("unknown keycode and Qt key") << int(Qt::Key_LaunchMail) << none << 171u << 0;
}

void TestKeyTranslator::fromRecordedX11Events()
{
    QFETCH(int, qtKey);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(quint32, scanCode);
    QFETCH(int, vk);

    QCOMPARE(VirtualKeyFromX11(X11Facts(qtKey, modifiers, scanCode)), qint16(vk));
    QCOMPARE(VirtualKeyFromFacts(X11Facts(qtKey, modifiers, scanCode), KeySource::X11), qint16(vk));
}

void TestKeyTranslator::fromRecordedGermanAndFrenchEvents_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<quint32>("keysym");
    QTest::addColumn<int>("vk");
    // Events as Qt 6.4 on xcb delivers them under `setxkbmap de` / `fr`.
    QTest::newRow("de: + is plus") << "de" << 0x2b << false << 35u << 0x2bu << 187;
    QTest::newRow("de: Shift+ (*) is still plus") << "de" << 0x2a << true << 35u << 0x2au << 187;
    QTest::newRow("de: - is minus") << "de" << 0x2d << false << 61u << 0x2du << 189;
    QTest::newRow("de: . is full stop") << "de" << 0x2e << false << 60u << 0x2eu << 190;
    QTest::newRow("de: ss on the US minus place is no minus") << "de" << 0xdf << false << 20u << 0xdfu << 223;
    QTest::newRow("de: dead acute on the US = place is no plus")
        << "de" << 0x1001251 << false << 21u << 0xfe51u << 223;
    QTest::newRow("fr: Shift= (+) is plus") << "fr" << 0x2b << true << 21u << 0x2bu << 187;
    QTest::newRow("fr: , on the US M place is comma") << "fr" << 0x2c << false << 58u << 0x2cu << 188;
    QTest::newRow("fr: Shift; (.) is full stop") << "fr" << 0x2e << true << 59u << 0x2eu << 190;
    QTest::newRow("fr: : on the US . place is no full stop") << "fr" << 0x3a << false << 60u << 0x3au << 223;
    QTest::newRow("fr: ) on the US minus place is no minus") << "fr" << 0x29 << false << 20u << 0x29u << 223;
    QTest::newRow("fr: - on the digit row stays digit 6") << "fr" << 0x2d << false << 15u << 0x2du << 54;
    QTest::newRow("fr: & is digit 1") << "fr" << 0x26 << false << 10u << 0x26u << 49;
    QTest::newRow("fr: M on the US ; place") << "fr" << 0x4d << false << 47u << 0x6du << 77;
}

void TestKeyTranslator::fromRecordedGermanAndFrenchEvents()
{
    QFETCH(QString, layout);
    QFETCH(int, qtKey);
    QFETCH(bool, shift);
    QFETCH(quint32, scanCode);
    QFETCH(quint32, keysym);
    QFETCH(int, vk);
    const KeySymbolLookup symbols = [layout](quint32 keycode) { return RecordedLayout(layout, keycode); };
    const Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
    const KeyEventFacts facts { qtKey, modifiers, scanCode, keysym, false };
    QCOMPARE(int(VirtualKeyFromX11(facts, symbols)), vk);
    // Pressed and released through the translator: the same code both ways.
    KeyTranslator translator(KeySource::X11, symbols);
    QCOMPARE(translator.Press(facts), std::optional<qint16>(vk));
    QCOMPARE(translator.Release(facts), std::optional<qint16>(vk));
}

void TestKeyTranslator::punctuationWithoutLayout_followsTheEventsSymbol_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<quint32>("keysym");
    QTest::addColumn<int>("vk");
    QTest::newRow("de + by its own symbol") << 0x2b << 35u << 0x2bu << 187;
    QTest::newRow("de - by its own symbol") << 0x2d << 61u << 0x2du << 189;
    QTest::newRow("fr . by its own symbol") << 0x2e << 59u << 0x2eu << 190;
    // Without the layout a key printing something else keeps its place.
    QTest::newRow("de ss keeps its US place") << 0xdf << 20u << 0xdfu << 189;
    QTest::newRow("US < (Shift+,) keeps its place") << 0x3c << 59u << 0x3cu << 188;
}

void TestKeyTranslator::punctuationWithoutLayout_followsTheEventsSymbol()
{
    QFETCH(int, qtKey);
    QFETCH(quint32, scanCode);
    QFETCH(quint32, keysym);
    QFETCH(int, vk);
    QCOMPARE(int(VirtualKeyFromX11({ qtKey, Qt::NoModifier, scanCode, keysym, false })), vk);
}

void TestKeyTranslator::fromQtKey_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("vk");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    QTest::newRow("S") << int(Qt::Key_S) << none << 83;
    QTest::newRow("Z") << int(Qt::Key_Z) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 90;
    QTest::newRow("main 5") << int(Qt::Key_5) << none << 53;
    QTest::newRow("keypad 5") << int(Qt::Key_5) << keypad << 101;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << 96;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << 112;
    QTest::newRow("F12") << int(Qt::Key_F12) << none << 123;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << 37;
    QTest::newRow("Down") << int(Qt::Key_Down) << none << 40;
    QTest::newRow("Return") << int(Qt::Key_Return) << none << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << keypad << 13;
    QTest::newRow("Space") << int(Qt::Key_Space) << none << 32;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << 46;
    QTest::newRow("main +") << int(Qt::Key_Plus) << none << 187;
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << keypad << 107;
    QTest::newRow("main =") << int(Qt::Key_Equal) << none << 187;
    QTest::newRow("main -") << int(Qt::Key_Minus) << none << 189;
    QTest::newRow("keypad -") << int(Qt::Key_Minus) << keypad << 109;
    QTest::newRow("main .") << int(Qt::Key_Period) << none << 190;
    QTest::newRow("keypad .") << int(Qt::Key_Period) << keypad << 110;
    QTest::newRow("NumLock") << int(Qt::Key_NumLock) << none << 144;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << none << 16;
    QTest::newRow("Ctrl") << int(Qt::Key_Control) << none << 17;
    QTest::newRow("Alt") << int(Qt::Key_Alt) << none << 18;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << 9;
    QTest::newRow("Backtab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 9;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << 27;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << 8;
    QTest::newRow("Home") << int(Qt::Key_Home) << none << 36;
    QTest::newRow("End") << int(Qt::Key_End) << none << 35;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << none << 33;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << none << 34;
    QTest::newRow("Insert") << int(Qt::Key_Insert) << none << 45;
    QTest::newRow("unknown") << int(Qt::Key_VolumeUp) << none << 0;
    QTest::newRow("none") << 0 << none << 0;
    QTest::newRow("non-Latin letter") << 0x44b << none << 0;
}

void TestKeyTranslator::fromQtKey()
{
    QFETCH(int, qtKey);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, vk);
    QCOMPARE(VirtualKeyFromQtKey(qtKey, modifiers), qint16(vk));
    QCOMPARE(VirtualKeyFromFacts({ qtKey, modifiers, 0, 0, false }, KeySource::QtKey), qint16(vk));
}

void TestKeyTranslator::fromWindows_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<quint32>("nativeVirtualKey");
    QTest::addColumn<int>("vk");

    QTest::newRow("S") << int(Qt::Key_S) << 83u << 83;
    QTest::newRow("keypad 7") << int(Qt::Key_7) << 103u << 103;
    QTest::newRow("OEM plus") << int(Qt::Key_Equal) << 187u << 187;
    QTest::newRow("left Shift") << int(Qt::Key_Shift) << 160u << 16;
    QTest::newRow("right Ctrl") << int(Qt::Key_Control) << 163u << 17;
    QTest::newRow("right Alt") << int(Qt::Key_Alt) << 165u << 18;
    QTest::newRow("no native key") << int(Qt::Key_F2) << 0u << 113;
    QTest::newRow("native key out of range") << int(Qt::Key_B) << 300u << 66;
}

void TestKeyTranslator::fromWindows()
{
    QFETCH(int, qtKey);
    QFETCH(quint32, nativeVirtualKey);
    QFETCH(int, vk);
    const KeyEventFacts facts { qtKey, Qt::NoModifier, 0x1f, nativeVirtualKey, false };
    QCOMPARE(VirtualKeyFromWindows(facts), qint16(vk));
    QCOMPARE(VirtualKeyFromFacts(facts, KeySource::Windows), qint16(vk));
}

void TestKeyTranslator::shiftMask_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("mask");

    QTest::newRow("none") << Qt::KeyboardModifiers(Qt::NoModifier) << 0;
    QTest::newRow("Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1;
    QTest::newRow("Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier) << 2;
    QTest::newRow("Alt") << Qt::KeyboardModifiers(Qt::AltModifier) << 4;
    QTest::newRow("all three") << (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 7;
    QTest::newRow("keypad and meta ignored")
        << (Qt::KeypadModifier | Qt::MetaModifier | Qt::ShiftModifier) << 1;
}

void TestKeyTranslator::shiftMask()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, mask);
    QCOMPARE(ShiftMask(modifiers), qint16(mask));
}

void TestKeyTranslator::releaseReportsTheCodeOfItsPress()
{
    KeyTranslator translator(KeySource::X11);
    // Keypad 7 pressed with NumLock on, released after NumLock went off.
    QCOMPARE(translator.Press(X11Facts(Qt::Key_7, Qt::KeypadModifier, 79)), std::optional<qint16>(103));
    QCOMPARE(translator.Release(X11Facts(Qt::Key_Home, Qt::KeypadModifier, 79)), std::optional<qint16>(103));
    // Once released, the key maps afresh.
    QCOMPARE(translator.Press(X11Facts(Qt::Key_Home, Qt::KeypadModifier, 79)), std::optional<qint16>(36));
    QCOMPARE(translator.Release(X11Facts(Qt::Key_7, Qt::KeypadModifier, 79)), std::optional<qint16>(36));
    // Two keys held at once are told apart.
    QCOMPARE(translator.Press(X11Facts(Qt::Key_Shift, Qt::NoModifier, 50)), std::optional<qint16>(16));
    QCOMPARE(translator.Press(X11Facts(Qt::Key_S, Qt::ShiftModifier, 39)), std::optional<qint16>(83));
    QCOMPARE(translator.Release(X11Facts(Qt::Key_Shift, Qt::ShiftModifier, 50)), std::optional<qint16>(16));
    QCOMPARE(translator.Release(X11Facts(Qt::Key_S, Qt::NoModifier, 39)), std::optional<qint16>(83));
    // A release whose press was not seen (focus came in between) maps by itself.
    QCOMPARE(translator.Release(X11Facts(Qt::Key_NumLock, Qt::NoModifier, 77)), std::optional<qint16>(144));
}

void TestKeyTranslator::autoRepeatGivesRepeatedKeyDownsOnly()
{
    KeyTranslator translator(KeySource::X11);
    QCOMPARE(translator.Press(X11Facts(Qt::Key_Up, Qt::NoModifier, 111)), std::optional<qint16>(38));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(translator.Release(X11Facts(Qt::Key_Up, Qt::NoModifier, 111, true)), std::nullopt);
        QCOMPARE(
            translator.Press(X11Facts(Qt::Key_Up, Qt::NoModifier, 111, true)), std::optional<qint16>(38));
    }
    QCOMPARE(translator.Release(X11Facts(Qt::Key_Up, Qt::NoModifier, 111)), std::optional<qint16>(38));

    // A repeat keeps the code of the first key-down even if NumLock changed meanwhile.
    QCOMPARE(translator.Press(X11Facts(Qt::Key_8, Qt::KeypadModifier, 80)), std::optional<qint16>(104));
    QCOMPARE(
        translator.Press(X11Facts(Qt::Key_Up, Qt::KeypadModifier, 80, true)), std::optional<qint16>(104));
}

void TestKeyTranslator::unknownKeyIsNotReported()
{
    KeyTranslator translator(KeySource::X11);
    QCOMPARE(translator.Press(X11Facts(Qt::Key_LaunchMail, Qt::NoModifier, 171)), std::nullopt);
    QCOMPARE(translator.Release(X11Facts(Qt::Key_LaunchMail, Qt::NoModifier, 171)), std::nullopt);
    QCOMPARE(translator.Press(X11Facts(0, Qt::NoModifier, 0)), std::nullopt);
}

void TestKeyTranslator::zeroScanCodeFallsBackOnQtKey()
{
    KeyTranslator translator(KeySource::X11);
    QCOMPARE(translator.Press(X11Facts(Qt::Key_7, Qt::KeypadModifier, 0)), std::optional<qint16>(103));
    QCOMPARE(translator.Release(X11Facts(Qt::Key_7, Qt::KeypadModifier, 0)), std::optional<qint16>(103));
    QCOMPARE(translator.Press(X11Facts(Qt::Key_Plus, Qt::NoModifier, 0)), std::optional<qint16>(187));
    // A scan code that cannot be an X keycode is no position either.
    QCOMPARE(translator.Press(X11Facts(Qt::Key_F3, Qt::NoModifier, 5)), std::optional<qint16>(114));
    QCOMPARE(translator.Press(X11Facts(Qt::Key_F4, Qt::NoModifier, 70000)), std::optional<qint16>(115));
}

void TestKeyTranslator::syntheticEventsOnThisPlatform_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QList<int>>("downs");
    QTest::addColumn<QList<int>>("ups");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("S") << int(Qt::Key_S) << none << QList<int> { 83 } << QList<int> { 83 };
    // QTest presses the modifier keys around the key.
    QTest::newRow("Shift+S") << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                             << QList<int> { 16, 83 } << QList<int> { 83, 16 };
    QTest::newRow("keypad 7") << int(Qt::Key_7) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                              << QList<int> { 103 } << QList<int> { 103 };
    QTest::newRow("main 7") << int(Qt::Key_7) << none << QList<int> { 55 } << QList<int> { 55 };
    QTest::newRow("F2") << int(Qt::Key_F2) << none << QList<int> { 113 } << QList<int> { 113 };
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << QList<int> { 13 } << QList<int> { 13 };
    QTest::newRow("unknown key") << int(Qt::Key_VolumeUp) << none << QList<int> {} << QList<int> {};
}

void TestKeyTranslator::syntheticEventsOnThisPlatform()
{
    QFETCH(int, qtKey);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QList<int>, downs);
    QFETCH(QList<int>, ups);

    // QTest delivers events without native facts (scan code 0), as the
    // offscreen platform does; the process-wide translator must still work.
    KeyTranslator::Instance().Reset();
    KeyRecorder recorder;
    recorder.show();
    QTest::keyClick(&recorder, Qt::Key(qtKey), modifiers);
    QCOMPARE(recorder.Downs, downs);
    QCOMPARE(recorder.Ups, ups);
}

QTEST_MAIN(TestKeyTranslator)
#include "tst_keytranslator.moc"
