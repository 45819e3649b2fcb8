#include "settings/settingsstore.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace kv {

namespace {

constexpr auto ApplicationName = "Korvelin";

#ifdef Q_OS_WIN
// Where Windows builds of this program have always kept their sections.
constexpr auto RegistryRoot = "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Korvelin";
#endif

QString& TestFile()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> OpenStore()
{
    if (!TestFile().isEmpty())
        return std::make_unique<QSettings>(TestFile(), QSettings::IniFormat);
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QString::fromLatin1(RegistryRoot), QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
        QString::fromLatin1(ApplicationName), QString::fromLatin1(ApplicationName));
#endif
}

// A value edited by hand as a, b (without quotes) comes back from the INI
// reader as a list; give it back as the text it was.
QString AsText(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

} // namespace

QString SettingsStore::Read(const QString& section, const QString& key, const QString& defaultText) const
{
    const auto store = OpenStore();
    if (store->status() != QSettings::NoError)
        return defaultText;
    store->beginGroup(section);
    const bool present = store->contains(key);
    const QVariant value = present ? store->value(key) : QVariant();
    store->endGroup();
    if (!present)
        return defaultText;
    return AsText(value);
}

bool SettingsStore::Write(const QString& section, const QString& key, const QString& text)
{
    {
        const auto store = OpenStore();
        if (!store->isWritable())
            return false;
        store->beginGroup(section);
        store->setValue(key, text);
        store->endGroup();
        store->sync();
        switch (store->status()) {
        case QSettings::NoError:
            return true;
        case QSettings::AccessError:
            return false;
        case QSettings::FormatError:
            // Reported when the file replaced by this write held damaged
            // content; the write itself may well have succeeded.
            break;
        }
    }
    const QString probe = QStringLiteral("\x01absent");
    return Read(section, key, probe) == text;
}

void SettingsStore::SetFileForTesting(const QString& iniPath)
{
    TestFile() = iniPath;
}

std::optional<qint32> ParseStoredInteger(const QString& text, qint64 min, qint64 max)
{
    const QString trimmed = text.trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < trimmed.size() && trimmed.at(pos) == QLatin1Char('-')) {
        negative = true;
        ++pos;
    }
    if (pos == trimmed.size())
        return std::nullopt;
    qint64 magnitude = 0;
    for (; pos < trimmed.size(); ++pos) {
        const char16_t c = trimmed.at(pos).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        // Far outside any 32-bit range already; stop before 64 bits overflow.
        if (magnitude > (qint64(1) << 40))
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value < min || value > max)
        return std::nullopt;
    return static_cast<qint32>(value);
}

} // namespace kv
