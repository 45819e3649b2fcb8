#include "language/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

namespace kv {

namespace {

struct Installed
{
    QString code = QString::fromLatin1(SourceLanguage);
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

QString& TestFolder()
{
    static QString folder;
    return folder;
}

Installed& Current()
{
    static Installed installed;
    return installed;
}

bool IsListedCode(const QString& code)
{
    for (const Language& language : Languages()) {
        if (code == QLatin1String(language.Code))
            return true;
    }
    return false;
}

void Remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

} // namespace

const std::vector<Language>& Languages()
{
    static const std::vector<Language> languages = {
        { "de", "Deutsch" },
        { "es", "Espa\u00f1ol" },
        { "fr", "Fran\u00e7ais" },
        { "it", "Italiano" },
        { "nl", "Nederlands" },
        { "pt", "Portugu\u00eas" },
        { "ja", "\u65e5\u672c\u8a9e" },
        { "en", "English" },
    };
    return languages;
}

bool IsLanguageSetting(const QString& setting)
{
    return setting == QLatin1String(SystemLanguage) || setting == QLatin1String(PseudoLanguage)
        || IsListedCode(setting);
}

QString ResolveLanguage(const QString& setting, const QStringList& systemLanguages)
{
    if (setting != QLatin1String(SystemLanguage) && IsLanguageSetting(setting))
        return setting;
    for (const QString& name : systemLanguages) {
        // "de-AT", "de_AT.UTF-8" and "DE" all speak "de".
        const QString code = name.section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0).toLower();
        if (IsListedCode(code))
            return code;
    }
    return QString::fromLatin1(SourceLanguage);
}

QString ResolveLanguage(const QString& setting)
{
    return ResolveLanguage(setting, QLocale::system().uiLanguages());
}

QString TranslationsFolder()
{
    if (!TestFolder().isEmpty())
        return TestFolder();
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"));
}

void SetTranslationsFolderForTesting(const QString& folder)
{
    TestFolder() = folder;
}

bool ApplyLanguage(const QString& code, const QString& folder)
{
    Installed& current = Current();
    Remove(current.program);
    Remove(current.qt);
    current.code = QString::fromLatin1(SourceLanguage);
    if (code == QLatin1String(SourceLanguage) || !IsLanguageSetting(code)
        || code == QLatin1String(SystemLanguage))
        return code == QLatin1String(SourceLanguage);

    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral("korvelin_") + code, folder))
        return false;
    QCoreApplication::installTranslator(program.get());
    current.program = std::move(program);
    current.code = code;

    // Qt's own texts: a copy beside the program first (as a Windows
    // installation keeps them), else Qt's translations folder. Portuguese
    // falls back to Brazilian Portuguese, the one Qt ships.
    auto qt = std::make_unique<QTranslator>();
    const QLocale locale(code);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)
        || qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        current.qt = std::move(qt);
    }
    return true;
}

QString CurrentLanguage()
{
    return Current().code;
}

} // namespace kv
