#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kv {

// A language the program speaks: its code, which names its files
// (korvelin_<code>.qm, korvelinhelpfile.<code>.rtf), and its name written in
// itself, as the options list it.
struct Language
{
    const char* Code;
    const char* NativeName;
};

// The languages offered, in the order the options list them after "System".
// English is the program's own language and needs no translation file.
const std::vector<Language>& Languages();

// The stored setting that follows the system's locale.
inline constexpr char SystemLanguage[] = "System";
// The language the program is written in.
inline constexpr char SourceLanguage[] = "en";
// A language for tests only, never listed: every text marked and made 40 %
// longer, so that a text left untranslated or cut shows at once.
inline constexpr char PseudoLanguage[] = "pseudo";

// Whether a stored language setting is one the program knows: "System", a
// listed code or the test language.
bool IsLanguageSetting(const QString& setting);

// The language a setting asks for: a known code as it stands; "System", or
// a setting the program does not know, the first of the system's languages
// (most preferred first, as "de-AT" or "pt_BR") that the program speaks, and
// English when it speaks none of them.
QString ResolveLanguage(const QString& setting, const QStringList& systemLanguages);
// The same with the languages of the system's locale.
QString ResolveLanguage(const QString& setting);

// Where the program's translation files lie: "translations" beside the program.
QString TranslationsFolder();
// Tests put the build's translations folder here; an empty path restores
// the program's own.
void SetTranslationsFolderForTesting(const QString& folder);

// Puts the language in effect: installs the program's translation from
// folder and Qt's own (the dialogs' buttons and the colour and file dialogs)
// from folder or from Qt's translations, in place of those installed before;
// English installs none. Every window is told of the change and translates
// itself again. Returns false when the program's translation of a language
// other than English could not be loaded; the program then speaks English.
bool ApplyLanguage(const QString& code, const QString& folder = TranslationsFolder());

// The language in effect: English until ApplyLanguage puts another in effect.
QString CurrentLanguage();

} // namespace kv
