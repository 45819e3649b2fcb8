#pragma once

#include <QString>

#include <optional>

namespace kv {

// The per-user store of text values, addressed by section and key under the
// application name "Korvelin". On Windows it lives in the current user's
// registry; elsewhere in a per-user INI file.
//
// Every value is kept as text and comes back exactly as written. A store that
// is damaged or cannot be read never stops the program: reads then give the
// caller's default.
class SettingsStore final
{
public:
    // The stored text, or defaultText when the key or its section does not
    // exist or the store cannot be read. An existing empty text stays empty.
    QString Read(const QString& section, const QString& key, const QString& defaultText) const;

    // Creates section and key as needed and replaces any earlier text.
    // Returns false when the text could not be stored.
    bool Write(const QString& section, const QString& key, const QString& text);

    // Redirects every store to the INI file iniPath (also on Windows), so tests
    // never touch the user's real settings. An empty path restores the default.
    static void SetFileForTesting(const QString& iniPath);
};

// The integer written as stored text, or nothing when the text is not a plain
// decimal integer (an optional leading "-" and digits; surrounding blanks are
// tolerated) or the number lies outside min..max. min and max must lie within
// the 32-bit range.
std::optional<qint32> ParseStoredInteger(const QString& text, qint64 min, qint64 max);

} // namespace kv
