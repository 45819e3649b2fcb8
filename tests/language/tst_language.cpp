// Which language the program speaks and how it gets there: the setting and
// the system's languages resolved to one the program has, the translations
// (the program's and Qt's own) put in effect and taken away, the guide for
// the language, design texts translated as they are applied, and the
// default names shown in the language but stored in English.

#include "display/formdesign.h"
#include "help/frmhelp.h"
#include "languagefixture.h"
#include "settings/boardsettings.h"
#include "settings/settingsstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace kv;
using kv::test::InLanguage;

namespace {

// A translator for one context, from a table.
class TableTranslator final : public QTranslator
{
public:
    TableTranslator(const char* context, QHash<QString, QString> table)
        : m_context(context)
        , m_table(std::move(table))
    { }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return qstrcmp(context, m_context) == 0 ? m_table.value(QString::fromUtf8(source)) : QString();
    }
    bool isEmpty() const override { return false; }

private:
    const char* m_context;
    QHash<QString, QString> m_table;
};

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ApplyLanguage(QString::fromLatin1(SourceLanguage)); }

    void resolve_data();
    void resolve();

    void apply_programAndQtTexts_data();
    void apply_programAndQtTexts();
    void apply_englishOrUnknown_removesTranslations();
    void apply_missingTranslation_staysEnglish();

    void helpFile_languageOrEnglish();

    void designText_translatedUnlessEntriesDiffer();

    void names_defaultsShownTranslated_storedEnglish_data();
    void names_defaultsShownTranslated_storedEnglish();

    void languageSetting_unknownReadsAsSystem();
};

void TestLanguage::resolve_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("expected");
    QTest::newRow("system German") << "System" << QStringList { "de-DE", "en-US" } << "de";
    QTest::newRow("system Austrian: the language") << "System" << QStringList { "de-AT" } << "de";
    QTest::newRow("system Brazilian") << "System" << QStringList { "pt_BR.UTF-8" } << "pt";
    QTest::newRow("system Japanese") << "System" << QStringList { "ja-JP" } << "ja";
    QTest::newRow("system first spoken wins") << "System" << QStringList { "sv-SE", "fr-CA", "de" } << "fr";
    QTest::newRow("system none spoken: English") << "System" << QStringList { "sv-SE", "zh-CN" } << "en";
    QTest::newRow("system empty: English") << "System" << QStringList {} << "en";
    QTest::newRow("system C locale: English") << "System" << QStringList { "C" } << "en";
    QTest::newRow("chosen over the system") << "it" << QStringList { "de-DE" } << "it";
    QTest::newRow("English chosen") << "en" << QStringList { "ja-JP" } << "en";
    QTest::newRow("unknown setting: the system") << "Klingon" << QStringList { "nl-BE" } << "nl";
    QTest::newRow("translated word: the system") << "Deutsch" << QStringList { "es-ES" } << "es";
}

void TestLanguage::resolve()
{
    QFETCH(QString, setting);
    QFETCH(QStringList, system);
    QFETCH(QString, expected);
    QCOMPARE(ResolveLanguage(setting, system), expected);
}

void TestLanguage::apply_programAndQtTexts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("contestTime");
    QTest::addColumn<QString>("yes");
    QTest::newRow("de") << "de"
                        << "KAMPFZEIT"
                        << "&Ja";
    QTest::newRow("fr") << "fr"
                        << "TEMPS DE COMBAT"
                        << "&Oui";
    // Qt ships Brazilian Portuguese only; Portuguese falls back to it.
    QTest::newRow("pt") << "pt"
                        << "TEMPO DE LUTA"
                        << "&Sim";
    QTest::newRow("ja") << "ja"
                        << "\u8a66\u5408\u6642\u9593"
                        << "\u306f\u3044(&Y)";
}

void TestLanguage::apply_programAndQtTexts()
{
    QFETCH(QString, code);
    QFETCH(QString, contestTime);
    QFETCH(QString, yes);
    QVERIFY(ApplyLanguage(code, kv::test::BuiltTranslationsFolder()));
    QCOMPARE(CurrentLanguage(), code);
    QCOMPARE(QCoreApplication::translate("kv::frmScoreboard", "CONTEST TIME"), contestTime);
    // The message boxes' Yes button, from Qt's own translations.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
}

void TestLanguage::apply_englishOrUnknown_removesTranslations()
{
    QVERIFY(ApplyLanguage(QStringLiteral("de"), kv::test::BuiltTranslationsFolder()));
    QVERIFY(ApplyLanguage(QStringLiteral("en"), kv::test::BuiltTranslationsFolder()));
    QCOMPARE(CurrentLanguage(), QStringLiteral("en"));
    QCOMPARE(
        QCoreApplication::translate("kv::frmScoreboard", "CONTEST TIME"), QStringLiteral("CONTEST TIME"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));

    QVERIFY(ApplyLanguage(QStringLiteral("de"), kv::test::BuiltTranslationsFolder()));
    QVERIFY(!ApplyLanguage(QStringLiteral("xx"), kv::test::BuiltTranslationsFolder()));
    QCOMPARE(CurrentLanguage(), QStringLiteral("en"));
    QCOMPARE(QCoreApplication::translate("kv::frmScoreboard", "WINNER"), QStringLiteral("WINNER"));
}

void TestLanguage::apply_missingTranslation_staysEnglish()
{
    QTemporaryDir empty;
    QVERIFY(!ApplyLanguage(QStringLiteral("nl"), empty.path()));
    QCOMPARE(CurrentLanguage(), QStringLiteral("en"));
    QCOMPARE(QCoreApplication::translate("kv::frmScoreboard", "WINNER"), QStringLiteral("WINNER"));
}

void TestLanguage::helpFile_languageOrEnglish()
{
    QTemporaryDir folder;
    const auto write = [&folder](const QString& name) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1 x}");
    };
    write(QStringLiteral("korvelinhelpfile.rtf"));
    write(QStringLiteral("korvelinhelpfile.de.rtf"));
    const QString english = folder.path() + QDir::separator() + QStringLiteral("korvelinhelpfile.rtf");
    QCOMPARE(HelpFilePathFor(folder.path(), QStringLiteral("de")),
        folder.path() + QDir::separator() + QStringLiteral("korvelinhelpfile.de.rtf"));
    QCOMPARE(HelpFilePathFor(folder.path(), QStringLiteral("fr")), english);
    QCOMPARE(HelpFilePathFor(folder.path(), QStringLiteral("en")), english);
    QCOMPARE(HelpFileName(QStringLiteral("ja")), QStringLiteral("korvelinhelpfile.ja.rtf"));
}

void TestLanguage::designText_translatedUnlessEntriesDiffer()
{
    TableTranslator translator("kv::frmTest",
        { { "Change", "\u00c4ndern" }, { "Lines|Dots", "Linien|Punkte" },
            { "Key Controls|Color Controls", "Tasten und Farben" } });
    QCoreApplication::installTranslator(&translator);
    QCOMPARE(TranslateDesignText("kv::frmTest", QStringLiteral("Change")), QStringLiteral("\u00c4ndern"));
    QCOMPARE(
        TranslateDesignText("kv::frmTest", QStringLiteral("Lines|Dots")), QStringLiteral("Linien|Punkte"));
    // One entry for two would put every later entry in the wrong place.
    QCOMPARE(TranslateDesignText("kv::frmTest", QStringLiteral("Key Controls|Color Controls")),
        QStringLiteral("Key Controls|Color Controls"));
    QCOMPARE(TranslateDesignText("kv::frmOther", QStringLiteral("Change")), QStringLiteral("Change"));
    QCoreApplication::removeTranslator(&translator);
}

void TestLanguage::names_defaultsShownTranslated_storedEnglish_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("default kept") << "Home"
                                  << "Heim"
                                  << "Heim"
                                  << "Home";
    QTest::newRow("visitor default kept") << "Visitor"
                                          << "Gast"
                                          << "Gast"
                                          << "Visitor";
    QTest::newRow("typed name kept") << "Judokai Ajax"
                                     << "Judokai Ajax"
                                     << "Judokai Ajax"
                                     << "Judokai Ajax";
    QTest::newRow("typed name over the default") << "Home"
                                                 << "Heim"
                                                 << "TSV Kirchheim"
                                                 << "TSV Kirchheim";
    QTest::newRow("default typed in the language") << "Judokai"
                                                   << "Judokai"
                                                   << "Gast"
                                                   << "Visitor";
    // A name that happens to be another language's word for the default is
    // stored as typed and never changes while it is not edited.
    QTest::newRow("untouched name equal to a translation") << "Heim"
                                                           << "Heim"
                                                           << "Heim"
                                                           << "Heim";
    QTest::newRow("empty name") << ""
                                << ""
                                << ""
                                << "";
}

void TestLanguage::names_defaultsShownTranslated_storedEnglish()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(QString, storedAfter);
    InLanguage german(QStringLiteral("de"));
    QVERIFY(german.Loaded());
    QCOMPARE(ShownName(stored), shown);
    QCOMPARE(StoredName(typed, stored), storedAfter);
}

void TestLanguage::languageSetting_unknownReadsAsSystem()
{
    QTemporaryDir folder;
    SettingsStore::SetFileForTesting(folder.filePath(QStringLiteral("korvelin.ini")));
    QCOMPARE(ReadLanguageSetting(), QStringLiteral("System"));
    for (const QString& value : { QStringLiteral("ja"), QStringLiteral("System"), QStringLiteral("en") }) {
        QVERIFY(SettingsStore().Write(QStringLiteral("TextSettings"), QStringLiteral("Language"), value));
        QCOMPARE(ReadLanguageSetting(), value);
    }
    for (const QString& bad : { QStringLiteral("Deutsch"), QStringLiteral(""), QStringLiteral("DE") }) {
        QVERIFY(SettingsStore().Write(QStringLiteral("TextSettings"), QStringLiteral("Language"), bad));
        QCOMPARE(ReadLanguageSetting(), QStringLiteral("System"));
    }
    SettingsStore::SetFileForTesting(QString());
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
