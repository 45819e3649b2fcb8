#include "settings/modgrabkeys.h"

#include <QCoreApplication>

namespace kv {

namespace {
// A named key in the program's language; letters and signs name themselves.
QString KeyName(const char* english)
{
    return QCoreApplication::translate("kv::KeyNames", english);
}
} // namespace

QString ChooseKeyAction;
qint16 ChooseKeyCurrent = 0;
QString ChooseKeyResult = QStringLiteral("0");

QString KeyCodeToStr(qint16 KeyCode)
{
    switch (KeyCode) {
    case 8:
        //: A key's name as the keyboards of the language print it.
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "Backspace"));
    case 13:
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "Enter"));
    case 17:
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "Ctrl"));
    case 19:
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "Pause/Break"));
    case 33:
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "Page Up"));
    case 34:
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "Page Down"));
    case 35:
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "End"));
    case 36:
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "Home"));
    case 45:
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "Insert"));
    case 46:
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "Delete"));
    case 106:
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "Numpad *"));
    case 111:
        return KeyName(QT_TRANSLATE_NOOP("kv::KeyNames", "Numpad /"));
    case 186:
        return QStringLiteral(";");
    case 188:
        return QStringLiteral(",");
    case 190:
        return QStringLiteral(".");
    case 191:
        return QStringLiteral("/");
    case 192:
        return QStringLiteral("`");
    case 219:
        return QStringLiteral("[");
    case 220:
        return QStringLiteral("\\");
    case 221:
        return QStringLiteral("]");
    case 222:
        return QStringLiteral("\"");
    default:
        break;
    }
    if (KeyCode >= 65 && KeyCode <= 90)
        return QString(QChar(KeyCode));
    if (KeyCode >= 114 && KeyCode <= 123)
        return QStringLiteral("F%1").arg(KeyCode - 111);
    return {};
}

bool ChooseKeyAccepts(qint16 K, qint16 current, const PendingCommandKeys& pending)
{
    if (K == current)
        return true;
    if (KeyCodeToStr(K).isEmpty())
        return false;
    if (K == pending.Buzzer || K == pending.Reset || K == pending.StartStop || K == pending.Undo)
        return false;
    return K != 112 && K != 113;
}

} // namespace kv
