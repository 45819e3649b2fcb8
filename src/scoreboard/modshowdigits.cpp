#include "scoreboard/modshowdigits.h"

#include "display/leds.h"
#include "scoreboard/frmscoreboard.h"

#include <limits>

namespace kv {

TypedEntry& TypedEntryBuffer()
{
    static TypedEntry buffer;
    return buffer;
}

namespace {

// The integer part of the number a text starts with (an optional sign, then
// digits); no digits count as 0. Saturates instead of overflowing.
qint64 LeadingInteger(QStringView text)
{
    qsizetype position = 0;
    bool negative = false;
    if (position < text.size() && (text[position] == u'+' || text[position] == u'-')) {
        negative = text[position] == u'-';
        ++position;
    }
    qint64 value = 0;
    constexpr qint64 Limit = std::numeric_limits<qint32>::max();
    for (; position < text.size() && text[position].isDigit() && text[position].unicode() < 128; ++position) {
        value = qMin<qint64>(Limit, value * 10 + (text[position].unicode() - u'0'));
    }
    return negative ? -value : value;
}

} // namespace

std::optional<qint64> EntryResult(qint64 current, const QString& text)
{
    if (current == -1)
        current = 0;
    if (text.isEmpty())
        return std::nullopt;
    const QChar first = text.front();
    if (first.unicode() == 0)
        return -1;
    if (first.unicode() >= u'0' && first.unicode() <= u'9')
        return LeadingInteger(text);
    if (first == u'+')
        return current + LeadingInteger(QStringView(text).mid(1));
    if (first == u'-')
        return current - LeadingInteger(QStringView(text).mid(1));
    return std::nullopt;
}

void ShowDigits(NumberLED& display, const QString& text, qint16 Min, qint16 Max)
{
    const std::optional<qint64> result = EntryResult(display.Caption().toLongLong(), text);
    if (result && *result >= Min && *result <= Max)
        display.SetCaption(QString::number(*result));
}

void TypeDigit(frmScoreboard& form, NumberLED& display, qint16 code, qint16 Min, qint16 Max)
{
    TypedEntry& entry = TypedEntryBuffer();
    form.AllKeyCode(code);
    if (display.objectName() != entry.TypedControl) {
        entry.TypedText.clear();
        entry.TypedControl = display.objectName();
    }
    if (code >= 48 && code <= 57)
        entry.TypedText += QChar(code);
    if (code == 43 || code == 45)
        entry.TypedText += QChar(code);
    if (code == 32)
        entry.TypedText.clear();
    if (code == 0)
        ShowDigits(display, QString(QChar(0)), Min, Max);
    const bool startsWithSign = entry.TypedText.startsWith(u'+') || entry.TypedText.startsWith(u'-');
    if (QString::number(Max).trimmed().size() == 1 && !startsWithSign) {
        ShowDigits(display, entry.TypedText, Min, Max);
        entry.TypedText.clear();
    }
    if (entry.TypedText.size() >= 2 && startsWithSign && entry.TypedText[1].isDigit()) {
        ShowDigits(display, entry.TypedText, Min, Max);
        entry.TypedText.clear();
    }
    if (code == 13) {
        ShowDigits(display, entry.TypedText, Min, Max);
        entry.TypedText.clear();
    }
}

} // namespace kv
