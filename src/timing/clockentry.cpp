#include "timing/clockentry.h"

#include <QStringList>

namespace kv {

namespace {

// Numeric value of a run of ASCII digits; an empty run counts 0.
qint64 DigitsValue(QStringView digits)
{
    qint64 value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

} // namespace

std::optional<Fixed4> ParseClockEntry(const QString& text)
{
    if (text.size() >= 9)
        return std::nullopt;
    for (const QChar c : text) {
        if ((c < QLatin1Char('0') || c > QLatin1Char('9')) && c != QLatin1Char('.'))
            return std::nullopt;
    }
    const QStringList pieces = text.split(QLatin1Char('.'));
    if (pieces.size() > 2)
        return std::nullopt;

    const qint64 minutes = DigitsValue(pieces.at(0));
    qint64 seconds = 0;
    qint64 tenths = 0;
    if (pieces.size() == 2) {
        const QString& second = pieces.at(1);
        if (second.size() <= 2) {
            seconds = DigitsValue(second);
        } else {
            seconds = DigitsValue(QStringView(second).left(2));
            tenths = DigitsValue(QStringView(second).mid(2, 1));
        }
    }
    if (minutes > 99 || seconds > 99 || tenths > 9)
        return std::nullopt;
    return Fixed4::FromRaw((minutes * 60 + seconds) * Fixed4::Scale + tenths * (Fixed4::Scale / 10));
}

std::optional<Fixed4> EnterClockDigit(
    ClockEntryBuffer& buffer, const QString& displayName, int ch, Fixed4 max)
{
    if (displayName != buffer.Control) {
        buffer.Text.clear();
        buffer.Control = displayName;
    }
    if ((ch >= '0' && ch <= '9') || ch == '.') {
        buffer.Text += QChar(ch);
    } else if (ch == ' ') {
        buffer.Text.clear();
    } else if (ch == 13) {
        // Enter with nothing typed is a stray key: it changes nothing.
        if (buffer.Text.isEmpty())
            return std::nullopt;
        const std::optional<Fixed4> result = ParseClockEntry(buffer.Text);
        buffer.Text.clear();
        if (result && *result <= max)
            return result;
    }
    return std::nullopt;
}

} // namespace kv
