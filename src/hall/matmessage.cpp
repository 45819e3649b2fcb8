#include "hall/matmessage.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <optional>

namespace kv {

namespace {

constexpr int MaxClockSeconds = 99 * 60 + 59;
constexpr qsizetype MaxNameLength = 256;
constexpr qsizetype MaxShownLength = 16;

// Reads the fields of one JSON object; the first missing or wrong field
// is kept as the reason.
class Fields final
{
public:
    Fields(const QJsonObject& object, QString where)
        : m_object(object)
        , m_where(std::move(where))
    { }

    bool Bool(const char* key, bool* out)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isBool())
            return Fail(key, "true or false");
        *out = value.toBool();
        return true;
    }
    bool Int(const char* key, int min, int max, int* out)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || std::floor(number) != number || number < min || number > max)
            return Fail(key, qPrintable(QStringLiteral("a whole number from %1 to %2").arg(min).arg(max)));
        *out = static_cast<int>(number);
        return true;
    }
    bool Text(const char* key, qsizetype maxLength, QString* out, bool optional = false)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (optional && value.isUndefined())
            return true;
        if (!value.isString() || value.toString().size() > maxLength)
            return Fail(key, qPrintable(QStringLiteral("a text of at most %1 characters").arg(maxLength)));
        *out = value.toString();
        return true;
    }
    bool Object(const char* key, QJsonObject* out)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isObject())
            return Fail(key, "an object");
        *out = value.toObject();
        return true;
    }
    const QString& Why() const { return m_why; }

private:
    bool Fail(const char* key, const char* wanted)
    {
        if (m_why.isEmpty())
            m_why = QStringLiteral("%1%2 is not %3").arg(m_where, QLatin1String(key), QLatin1String(wanted));
        return false;
    }

    QJsonObject m_object;
    QString m_where;
    QString m_why;
};

bool ReadSide(const QJsonObject& root, const char* key, MatSide* side, QString* why)
{
    Fields top(root, QString());
    QJsonObject object;
    if (!top.Object(key, &object)) {
        *why = top.Why();
        return false;
    }
    Fields f(object, QLatin1String(key) + QLatin1Char('.'));
    const bool ok = f.Text("name", MaxNameLength, &side->Name) && f.Bool("ippon", &side->Ippon)
        && f.Int("waza_ari", 0, 99, &side->WazaAri) && f.Int("yuko", 0, 99, &side->Yuko)
        && f.Int("shido", 0, 9, &side->Shido) && f.Int("medical", 0, 9, &side->Medical)
        && f.Bool("winner", &side->Winner) && f.Int("hold", 0, 999, &side->Hold)
        && f.Bool("hold_running", &side->HoldRunning);
    if (!ok)
        *why = f.Why();
    return ok;
}

// The mat of "korvelin/mat/N/<leaf>", written as the boards write it (no
// leading zeros); 0 when the topic is not of that form, -1 when N is a
// number outside the mats.
int TopicMat(const QByteArray& topic, QByteArray* leaf)
{
    const QList<QByteArray> parts = topic.split('/');
    if (parts.size() != 4 || parts[0] != "korvelin" || parts[1] != "mat")
        return 0;
    const QByteArray& number = parts[2];
    if (number.isEmpty() || number.size() > 9)
        return 0;
    for (const char c : number) {
        if (c < '0' || c > '9')
            return 0;
    }
    *leaf = parts[3];
    const int mat = number.toInt();
    if (number.size() > 1 && number.startsWith('0'))
        return -1;
    return mat >= MinMat && mat <= MaxMat ? mat : -1;
}

MatMessage Ignored(int mat, QString why)
{
    MatMessage message;
    message.Mat = mat;
    message.Why = std::move(why);
    return message;
}

} // namespace

QByteArray MatTopic(int mat, const char* leaf)
{
    return "korvelin/mat/" + QByteArray::number(mat) + '/' + leaf;
}

MatMessage ParseMatMessage(const QByteArray& topic, const QByteArray& payload)
{
    QByteArray leaf;
    const int mat = TopicMat(topic, &leaf);
    if (mat == 0 || (leaf != "state" && leaf != "online"))
        return Ignored(0, QStringLiteral("not a mat's state or presence"));
    if (mat < 0)
        return Ignored(0, QStringLiteral("not a mat from %1 to %2").arg(MinMat).arg(MaxMat));
    if (payload.size() > MaxMatMessageBytes)
        return Ignored(mat, QStringLiteral("%1 bytes, over 64 KiB").arg(payload.size()));

    if (leaf == "online") {
        MatMessage message;
        message.Mat = mat;
        if (payload == OnlinePayload || payload == OfflinePayload) {
            message.What = MatMessage::Kind::Presence;
            message.Online = payload == OnlinePayload;
            return message;
        }
        return Ignored(mat, QStringLiteral("presence is neither \"true\" nor \"false\""));
    }

    if (payload.isEmpty()) {
        MatMessage message;
        message.What = MatMessage::Kind::Cleared;
        message.Mat = mat;
        return message;
    }
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return Ignored(mat,
            QStringLiteral("not the documented JSON (%1)")
                .arg(error.error != QJsonParseError::NoError ? error.errorString()
                                                             : QStringLiteral("no object")));
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(QLatin1String("version"));
    const double number = version.toDouble(std::nan(""));
    if (!version.isDouble() || std::floor(number) != number || number < 1)
        return Ignored(mat, QStringLiteral("not the documented JSON (no format version)"));
    if (number > MatStateVersion)
        return Ignored(
            mat, QStringLiteral("of format version %1, later than %2").arg(number).arg(MatStateVersion));

    MatMessage message;
    message.Mat = mat;
    MatState& s = message.State;
    Fields f(root, QString());
    QJsonObject clock;
    bool ok = f.Text("rule_set", 64, &s.RuleSet) && f.Text("title", MaxNameLength, &s.Title, true)
        && f.Object("clock", &clock);
    if (ok && root.contains(QLatin1String("yuko_shown")))
        ok = f.Bool("yuko_shown", &s.YukoShown);
    QString why = f.Why();
    if (ok) {
        Fields c(clock, QStringLiteral("clock."));
        ok = c.Text("shown", MaxShownLength, &s.ClockShown)
            && c.Int("seconds", 0, MaxClockSeconds, &s.ClockSeconds) && c.Bool("running", &s.ClockRunning)
            && c.Bool("golden_score", &s.GoldenScore);
        why = c.Why();
    }
    ok = ok && ReadSide(root, "home", &s.Home, &why) && ReadSide(root, "visitor", &s.Visitor, &why);
    if (!ok)
        return Ignored(mat, QStringLiteral("not the documented JSON (%1)").arg(why));
    message.What = MatMessage::Kind::State;
    return message;
}

} // namespace kv
