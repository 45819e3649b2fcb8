#pragma once

#include "language/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace kv::test {

// The folder the build places the program in (translations and guides beside it).
inline QString BuiltProgramFolder()
{
    const QByteArray binaryDir = qgetenv("KORVELIN_BINARY_DIR");
    if (!binaryDir.isEmpty())
        return QString::fromLocal8Bit(binaryDir);
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
}

inline QString BuiltTranslationsFolder()
{
    return QDir(BuiltProgramFolder()).filePath(QStringLiteral("translations"));
}

// Every language the program lists but English, then the test language.
inline QStringList TranslatedLanguages(bool withPseudo)
{
    QStringList codes;
    for (const Language& language : Languages()) {
        if (QLatin1String(language.Code) != QLatin1String(SourceLanguage))
            codes << QString::fromLatin1(language.Code);
    }
    if (withPseudo)
        codes << QString::fromLatin1(PseudoLanguage);
    return codes;
}

// Puts a language in effect for a scope, English again at its end; the
// windows' language change is delivered before either returns.
class InLanguage final
{
public:
    explicit InLanguage(const QString& code)
    {
        m_loaded = ApplyLanguage(code, BuiltTranslationsFolder());
        QCoreApplication::processEvents();
    }
    ~InLanguage()
    {
        ApplyLanguage(QString::fromLatin1(SourceLanguage));
        QCoreApplication::processEvents();
    }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

    bool Loaded() const { return m_loaded; }

private:
    bool m_loaded = false;
};

} // namespace kv::test
