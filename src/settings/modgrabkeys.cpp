#include "settings/modgrabkeys.h"

namespace kv {

QString ChooseKeyAction;
qint16 ChooseKeyCurrent = 0;
QString ChooseKeyResult = QStringLiteral("0");

QString KeyCodeToStr(qint16 KeyCode)
{
    switch (KeyCode) {
    case 8:
        return QStringLiteral("Backspace");
    case 13:
        return QStringLiteral("Enter");
    case 17:
        return QStringLiteral("Ctrl");
    case 19:
        return QStringLiteral("Pause/Break");
    case 33:
        return QStringLiteral("Page Up");
    case 34:
        return QStringLiteral("Page Down");
    case 35:
        return QStringLiteral("End");
    case 36:
        return QStringLiteral("Home");
    case 45:
        return QStringLiteral("Insert");
    case 46:
        return QStringLiteral("Delete");
    case 106:
        return QStringLiteral("Numpad *");
    case 111:
        return QStringLiteral("Numpad /");
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
