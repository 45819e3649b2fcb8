#include "settings/boardsettings.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace kv;

namespace {

// Every settings key of the record, by section.
const QList<std::pair<QString, QString>> AllKeys = {
    { "ColorSettings", "TimeColor" },
    { "ColorSettings", "LEDBack" },
    { "ColorSettings", "HoldColor" },
    { "ColorSettings", "ScoreColor" },
    { "ColorSettings", "FormBack" },
    { "ColorSettings", "LEDSelected" },
    { "ColorSettings", "BorderColor" },
    { "ColorSettings", "LEDSelectedWidth" },
    { "KeySettings", "StartStopPeriodClockKey" },
    { "KeySettings", "ResetPeriodClockKey" },
    { "KeySettings", "ClearKey" },
    { "KeySettings", "BuzzerKey" },
    { "KeySettings", "BuzzerFile" },
    { "KeySettings", "NumLockForce" },
    { "KeySettings", "UndoKey" },
    { "TextSettings", "TitleText" },
    { "TextSettings", "HomeText" },
    { "TextSettings", "VisitorText" },
    { "PicSettings", "HomePic" },
    { "PicSettings", "VisitorPic" },
    { "PicSettings", "LEDType" },
    { "RuleSettings", "RuleSet" },
    { "RuleSettings", "Category" },
    { "RuleSettings", "GoldenScoreLimit" },
    { "RuleSettings", "ScoreHolds" },
    { "NetworkSettings", "Serve" },
    { "NetworkSettings", "ServePort" },
    { "NetworkSettings", "Mat" },
    { "NetworkSettings", "Broker" },
    { "NetworkSettings", "BrokerTls" },
    { "NetworkSettings", "BrokerUser" },
    { "NetworkSettings", "BrokerPassword" },
};

QVariant Field(const BoardSettingsRecord& r, const QString& key)
{
    const QHash<QString, QVariant> fields = {
        { "TimeColor", r.TimeColor },
        { "LEDBack", r.LEDBack },
        { "HoldColor", r.HoldColor },
        { "ScoreColor", r.ScoreColor },
        { "FormBack", r.FormBack },
        { "LEDSelected", r.LEDSelected },
        { "BorderColor", r.BorderColor },
        { "LEDSelectedWidth", int(r.LEDSelectedWidth) },
        { "StartStopPeriodClockKey", int(r.StartStopPeriodClockKey) },
        { "ResetPeriodClockKey", int(r.ResetPeriodClockKey) },
        { "ClearKey", int(r.ClearKey) },
        { "BuzzerKey", int(r.BuzzerKey) },
        { "BuzzerFile", r.BuzzerFile },
        { "NumLockForce", r.NumLockForce },
        { "UndoKey", int(r.UndoKey) },
        { "TitleText", r.TitleText },
        { "HomeText", r.HomeText },
        { "VisitorText", r.VisitorText },
        { "HomePic", r.HomePic },
        { "VisitorPic", r.VisitorPic },
        { "LEDType", int(r.LEDType) },
        { "RuleSet", r.RuleSet },
        { "Category", r.Category },
        { "GoldenScoreLimit", r.GoldenScoreLimit },
        { "ScoreHolds", r.ScoreHolds },
        { "Serve", r.Serve },
        { "ServePort", int(r.ServePort) },
        { "Mat", int(r.Mat) },
        { "Broker", r.Broker },
        { "BrokerTls", r.BrokerTls },
        { "BrokerUser", r.BrokerUser },
        { "BrokerPassword", r.BrokerPassword },
    };
    return fields.value(key);
}

const QString Absent = QStringLiteral("<absent>");

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void parseStoredInteger_data();
    void parseStoredInteger();

    void freshStoreGivesDefaults();
    void storedValueLoads_data();
    void storedValueLoads();
    void ledSelectedFollowsLoadedFormBack_data();
    void ledSelectedFollowsLoadedFormBack();
    void isKeyCodeChangesNothing_data();
    void isKeyCodeChangesNothing();

    void textRoundTrips_data();
    void textRoundTrips();
    void emptyTextIsNotAbsent();
    void handEditedListReadsAsText();

    void saveAllThenLoadGivesSameRecord();
    void whiteIsWrittenAsDecimalText();
    void saveGroupWritesOnlyItsKeys_data();
    void saveGroupWritesOnlyItsKeys();

    void garbageFileGivesDefaults();
    void directoryInPlaceOfFileGivesDefaults();
    void failedWriteReturnsFalse();

private:
    void WriteRaw(const QByteArray& bytes);

    QTemporaryDir m_dir;
    QString m_file;
};

void TestSettings::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    m_file = m_dir.filePath("korvelin.ini");
    SettingsStore::SetFileForTesting(m_file);
}

void TestSettings::init()
{
    QFile::remove(m_file);
    QDir(m_file).removeRecursively();
    SettingsStore::SetFileForTesting(m_file);
    BoardSettings = {};
}

void TestSettings::cleanupTestCase()
{
    SettingsStore::SetFileForTesting(QString());
}

void TestSettings::WriteRaw(const QByteArray& bytes)
{
    QFile f(m_file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void TestSettings::parseStoredInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("min");
    QTest::addColumn<qint64>("max");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    const qint64 i32min = std::numeric_limits<qint32>::min();
    const qint64 i32max = std::numeric_limits<qint32>::max();
    QTest::newRow("plain") << "33023" << 0ll << 16777215ll << true << 33023;
    QTest::newRow("zero") << "0" << 0ll << 5ll << true << 0;
    QTest::newRow("negative") << "-7" << i32min << i32max << true << -7;
    QTest::newRow("minus zero") << "-0" << 0ll << 5ll << true << 0;
    QTest::newRow("blanks around") << "  42\t" << 0ll << 100ll << true << 42;
    QTest::newRow("leading zeros") << "007" << 0ll << 100ll << true << 7;
    QTest::newRow("int32 max") << "2147483647" << i32min << i32max << true << 2147483647;
    QTest::newRow("int32 min") << "-2147483648" << i32min << i32max << true << int(i32min);
    QTest::newRow("int32 max + 1") << "2147483648" << i32min << i32max << false << 0;
    QTest::newRow("huge") << "99999999999999999999999" << i32min << i32max << false << 0;
    QTest::newRow("at max") << "16777215" << 0ll << 16777215ll << true << 16777215;
    QTest::newRow("above max") << "16777216" << 0ll << 16777215ll << false << 0;
    QTest::newRow("below min") << "0" << 1ll << 254ll << false << 0;
    QTest::newRow("empty") << "" << 0ll << 5ll << false << 0;
    QTest::newRow("blanks only") << "   " << 0ll << 5ll << false << 0;
    QTest::newRow("minus only") << "-" << i32min << i32max << false << 0;
    QTest::newRow("plus sign") << "+5" << 0ll << 9ll << false << 0;
    QTest::newRow("double minus") << "--5" << i32min << i32max << false << 0;
    QTest::newRow("inner blank") << "1 2" << 0ll << 100ll << false << 0;
    QTest::newRow("decimal") << "1.0" << 0ll << 100ll << false << 0;
    QTest::newRow("hex") << "0x10" << 0ll << 100ll << false << 0;
    QTest::newRow("exponent") << "1e3" << 0ll << 10000ll << false << 0;
    QTest::newRow("word") << "red" << 0ll << 100ll << false << 0;
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0661\u0662") << 0ll << 100ll << false << 0;
}

void TestSettings::parseStoredInteger()
{
    QFETCH(QString, text);
    QFETCH(qint64, min);
    QFETCH(qint64, max);
    QFETCH(bool, valid);
    QFETCH(int, value);

    const std::optional<qint32> parsed = ParseStoredInteger(text, min, max);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestSettings::freshStoreGivesDefaults()
{
    LoadBoardSettings();
    const BoardSettingsRecord& s = BoardSettings;
    QCOMPARE(s.TimeColor, 33023);
    QCOMPARE(s.LEDBack, 0);
    QCOMPARE(s.HoldColor, 255);
    QCOMPARE(s.ScoreColor, 49152);
    QCOMPARE(s.FormBack, 4210752);
    QCOMPARE(s.LEDSelected, 4210752);
    QCOMPARE(s.BorderColor, 16777215);
    QCOMPARE(s.LEDSelectedWidth, qint16(0));
    QCOMPARE(s.StartStopPeriodClockKey, qint16(83));
    QCOMPARE(s.ResetPeriodClockKey, qint16(82));
    QCOMPARE(s.ClearKey, qint16(46));
    QCOMPARE(s.BuzzerKey, qint16(66));
    const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    QCOMPARE(s.BuzzerFile, folder + QDir::separator() + "buzzer.wav");
    QCOMPARE(s.NumLockForce, 0);
    QCOMPARE(s.UndoKey, qint16(8));
    QCOMPARE(s.TitleText, QStringLiteral("Home"));
    QCOMPARE(s.HomeText, QStringLiteral("Home"));
    QCOMPARE(s.VisitorText, QStringLiteral("Visitor"));
    QVERIFY(s.HomePic.isEmpty());
    QVERIFY(s.VisitorPic.isEmpty());
    QCOMPARE(s.LEDType, qint16(0));
    QCOMPARE(s.Serve, false);
    QCOMPARE(s.ServePort, quint16(8090));
    QCOMPARE(s.Mat, qint16(1));
    QVERIFY(s.Broker.isEmpty());
    QCOMPARE(s.BrokerTls, false);
    QCOMPARE(s, DefaultBoardSettings());
    // Loading writes nothing.
    QVERIFY(!QFile::exists(m_file));
}

void TestSettings::storedValueLoads_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QVariant>("expected");

    auto row = [](const char* name, const char* section, const char* key, const QString& stored,
                   const QVariant& expected) {
        QTest::newRow(name) << QString(section) << QString(key) << stored << expected;
    };
    // Values the options dialog writes.
    row("TimeColor", "ColorSettings", "TimeColor", "65535", 65535);
    row("LEDBack", "ColorSettings", "LEDBack", "8421504", 8421504);
    row("LEDSelectedWidth 5", "ColorSettings", "LEDSelectedWidth", "5", 5);
    row("start key", "KeySettings", "StartStopPeriodClockKey", "32", 32);
    row("clear key", "KeySettings", "ClearKey", "110", 110);
    row("buzzer key 254", "KeySettings", "BuzzerKey", "254", 254);
    row("undo key Delete", "KeySettings", "UndoKey", "46", 46);
    row("NumLockForce 2", "KeySettings", "NumLockForce", "2", 2);
    row("LEDType 1", "PicSettings", "LEDType", "1", 1);
    row("title", "TextSettings", "TitleText", "Mat 3", QString("Mat 3"));
    row("picture", "PicSettings", "HomePic", "C:\\Pics\\club a.bmp", QString("C:\\Pics\\club a.bmp"));
    // Values outside the dialog's choices that still load unchanged.
    row("NumLockForce 7", "KeySettings", "NumLockForce", "7", 7);
    row("NumLockForce negative", "KeySettings", "NumLockForce", "-1", -1);
    row("blanks around a number", "ColorSettings", "HoldColor", " 12 ", 12);
    // Empty texts stay empty.
    row("empty BuzzerFile", "KeySettings", "BuzzerFile", "", QString(""));
    row("empty TitleText", "TextSettings", "TitleText", "", QString(""));
    row("empty HomeText", "TextSettings", "HomeText", "", QString(""));
    row("empty VisitorText", "TextSettings", "VisitorText", "", QString(""));
    // Damaged values give the default.
    row("colour as text", "ColorSettings", "TimeColor", "orange", 33023);
    row("colour above white", "ColorSettings", "ScoreColor", "16777216", 49152);
    row("negative colour", "ColorSettings", "LEDBack", "-1", 0);
    row("colour beyond 32 bits", "ColorSettings", "HoldColor", "4294967296", 255);
    row("empty colour", "ColorSettings", "FormBack", "", 4210752);
    row("LEDSelectedWidth 6", "ColorSettings", "LEDSelectedWidth", "6", 0);
    row("LEDType 2", "PicSettings", "LEDType", "2", 0);
    row("LEDType as text", "PicSettings", "LEDType", "Dots", 0);
    row("key 0", "KeySettings", "StartStopPeriodClockKey", "0", 83);
    row("key 300", "KeySettings", "ResetPeriodClockKey", "300", 82);
    row("undo key 0", "KeySettings", "UndoKey", "0", 8);
    row("undo key as text", "KeySettings", "UndoKey", "Backspace", 8);
    row("key 16-bit overflow", "KeySettings", "BuzzerKey", "65602", 66);
    row("key fraction", "KeySettings", "ClearKey", "46.5", 46);
    row("NumLockForce beyond 32 bits", "KeySettings", "NumLockForce", "2147483648", 0);
    row("NumLockForce as text", "KeySettings", "NumLockForce", "on", 0);
    // Rule settings: the known sets, presets and limits; anything else is
    // taken as absent (Classic, no preset, unlimited, Yes).
    row("RuleSet IJF 2018", "RuleSettings", "RuleSet", "IJF 2018", QString("IJF 2018"));
    row("RuleSet IJF 2025", "RuleSettings", "RuleSet", "IJF 2025", QString("IJF 2025"));
    row("RuleSet unknown", "RuleSettings", "RuleSet", "IJF 2030", QString("Classic"));
    row("RuleSet empty", "RuleSettings", "RuleSet", "", QString("Classic"));
    row("Category U15", "RuleSettings", "Category", "U15", QString("U15"));
    row("Category unknown", "RuleSettings", "Category", "Masters", QString(""));
    row("GoldenScoreLimit 3 minutes", "RuleSettings", "GoldenScoreLimit", "180", 180);
    row("GoldenScoreLimit none", "RuleSettings", "GoldenScoreLimit", "0", 0);
    row("GoldenScoreLimit 90 s", "RuleSettings", "GoldenScoreLimit", "90", -1);
    row("GoldenScoreLimit as text", "RuleSettings", "GoldenScoreLimit", "unlimited", -1);
    row("ScoreHolds No", "RuleSettings", "ScoreHolds", "No", false);
    row("ScoreHolds Yes", "RuleSettings", "ScoreHolds", "Yes", true);
    row("ScoreHolds damaged", "RuleSettings", "ScoreHolds", "maybe", true);
    // The network settings.
    row("Serve Yes", "NetworkSettings", "Serve", "Yes", true);
    row("Serve No", "NetworkSettings", "Serve", "No", false);
    row("Serve lower case", "NetworkSettings", "Serve", "yes", false);
    row("ServePort 8091", "NetworkSettings", "ServePort", "8091", 8091);
    row("ServePort 65535", "NetworkSettings", "ServePort", "65535", 65535);
    row("ServePort 0", "NetworkSettings", "ServePort", "0", 8090);
    row("ServePort 65536", "NetworkSettings", "ServePort", "65536", 8090);
    row("ServePort as text", "NetworkSettings", "ServePort", "http", 8090);
    row("Mat 99", "NetworkSettings", "Mat", "99", 99);
    row("Mat 0", "NetworkSettings", "Mat", "0", 1);
    row("Mat 100", "NetworkSettings", "Mat", "100", 1);
    row("Broker with a port", "NetworkSettings", "Broker", "hallpc:1884", QString("hallpc:1884"));
    row("Broker blanks trimmed", "NetworkSettings", "Broker", " hallpc ", QString("hallpc"));
    row("BrokerTls Yes", "NetworkSettings", "BrokerTls", "Yes", true);
    row("BrokerTls damaged", "NetworkSettings", "BrokerTls", "1", false);
    row("BrokerPassword kept as it is", "NetworkSettings", "BrokerPassword", " p=ss;\"word ",
        QString(" p=ss;\"word "));
}

void TestSettings::storedValueLoads()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QVariant, expected);

    QVERIFY(SettingsStore().Write(section, key, stored));
    LoadBoardSettings();
    QCOMPARE(Field(BoardSettings, key), expected);

    // Every other field keeps its default.
    const BoardSettingsRecord defaults = DefaultBoardSettings();
    for (const auto& [s, k] : AllKeys) {
        if (k != key && !(key == "FormBack" && k == "LEDSelected"))
            QCOMPARE(Field(BoardSettings, k), Field(defaults, k));
    }
}

void TestSettings::ledSelectedFollowsLoadedFormBack_data()
{
    QTest::addColumn<QString>("ledSelected");
    QTest::addColumn<int>("expected");

    QTest::newRow("absent") << Absent << 255;
    QTest::newRow("damaged") << "grey" << 255;
    QTest::newRow("stored") << "65280" << 65280;
}

void TestSettings::ledSelectedFollowsLoadedFormBack()
{
    QFETCH(QString, ledSelected);
    QFETCH(int, expected);

    SettingsStore store;
    QVERIFY(store.Write("ColorSettings", "FormBack", "255"));
    if (ledSelected != Absent)
        QVERIFY(store.Write("ColorSettings", "LEDSelected", ledSelected));
    LoadBoardSettings();
    QCOMPARE(BoardSettings.FormBack, 255);
    QCOMPARE(BoardSettings.LEDSelected, expected);
}

void TestSettings::isKeyCodeChangesNothing_data()
{
    QTest::addColumn<QString>("marker");
    QTest::newRow("absent") << Absent;
    QTest::newRow("No") << "No";
    QTest::newRow("Yes") << "Yes";
}

void TestSettings::isKeyCodeChangesNothing()
{
    QFETCH(QString, marker);
    SettingsStore store;
    QVERIFY(store.Write("KeySettings", "ClearKey", "8"));
    if (marker != Absent)
        QVERIFY(store.Write("KeySettings", "IsKeyCode", marker));
    LoadBoardSettings();
    BoardSettingsRecord expected = DefaultBoardSettings();
    expected.ClearKey = 8;
    QCOMPARE(BoardSettings, expected);
}

void TestSettings::textRoundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("windows path with spaces") << "C:\\Program Files\\Korvelin\\buzzer.wav";
    QTest::newRow("unc path") << "\\\\server\\share\\a b\\c.wav";
    QTest::newRow("unix path") << "/home/ref/Korvelin sounds/buzzer.wav";
    QTest::newRow("commas") << "Judo Club, Lyon, France";
    QTest::newRow("comma only") << ",";
    QTest::newRow("quotes") << "The \"Tigers\"";
    QTest::newRow("semicolon and equals") << "a;b=c";
    QTest::newRow("hash") << "#1 club";
    QTest::newRow("brackets") << "[Home]";
    QTest::newRow("leading and trailing blanks") << "  Visitor  ";
    QTest::newRow("variant lookalike") << "@Variant(abc)";
    QTest::newRow("at sign") << "@home";
    QTest::newRow("line break") << "two\nlines";
    QTest::newRow("tab") << "a\tb";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Jūdō Łódź 柔道");
    QTest::newRow("number with minus") << "-2147483648";
    QTest::newRow("lone backslash") << "\\";
}

void TestSettings::textRoundTrips()
{
    QFETCH(QString, text);
    QVERIFY(SettingsStore().Write("TextSettings", "TitleText", text));
    QCOMPARE(SettingsStore().Read("TextSettings", "TitleText", Absent), text);
}

void TestSettings::emptyTextIsNotAbsent()
{
    SettingsStore store;
    QCOMPARE(store.Read("PicSettings", "HomePic", "default"), QStringLiteral("default"));
    QVERIFY(store.Write("PicSettings", "HomePic", ""));
    const QString read = store.Read("PicSettings", "HomePic", "default");
    QVERIFY(read.isEmpty());
    QCOMPARE(store.Read("PicSettings", "VisitorPic", "default"), QStringLiteral("default"));
    QCOMPARE(store.Read("NoSuchSection", "HomePic", "default"), QStringLiteral("default"));
}

void TestSettings::handEditedListReadsAsText()
{
    WriteRaw("[TextSettings]\nHomeText=Club A, Club B\n");
    QCOMPARE(SettingsStore().Read("TextSettings", "HomeText", Absent), QStringLiteral("Club A, Club B"));
}

void TestSettings::saveAllThenLoadGivesSameRecord()
{
    BoardSettingsRecord r;
    r.TimeColor = 1;
    r.LEDBack = 2;
    r.HoldColor = 3;
    r.ScoreColor = 4;
    r.FormBack = 5;
    r.LEDSelected = 6;
    r.BorderColor = 16777215;
    r.LEDSelectedWidth = 5;
    r.StartStopPeriodClockKey = 32;
    r.ResetPeriodClockKey = 113;
    r.ClearKey = 8;
    r.BuzzerKey = 254;
    r.BuzzerFile = "C:\\Program Files\\Korvelin\\gong, loud.wav";
    r.NumLockForce = 7;
    r.UndoKey = 220;
    r.TitleText = "Mat 1";
    r.HomeText = "";
    r.VisitorText = "Kodokan \"B\"";
    r.HomePic = "/srv/pics/home team.png";
    r.VisitorPic = "";
    r.LEDType = 1;
    r.RuleSet = "IJF 2025";
    r.Category = "Veterans";
    r.GoldenScoreLimit = 120;
    r.ScoreHolds = false;
    r.Serve = true;
    r.ServePort = 65000;
    r.Mat = 7;
    r.Broker = "127.0.0.1:1884";
    r.BrokerTls = true;
    r.BrokerUser = "mat7";
    r.BrokerPassword = "Sekret, \"judo\" 7";
    BoardSettings = r;

    QVERIFY(SaveAllBoardSettings());
    BoardSettings = {};
    LoadBoardSettings();
    QCOMPARE(BoardSettings, r);

    // Nothing written at all: every key and the marker exist afterwards.
    QFile::remove(m_file);
    BoardSettings = DefaultBoardSettings();
    QVERIFY(SaveAllBoardSettings());
    SettingsStore store;
    for (const auto& [section, key] : AllKeys)
        QVERIFY2(store.Read(section, key, Absent) != Absent, qPrintable(key));
    QCOMPARE(store.Read("KeySettings", "IsKeyCode", Absent), QStringLiteral("Yes"));
    QCOMPARE(store.Read("ColorSettings", "TimeColor", Absent), QStringLiteral("33023"));
    QCOMPARE(store.Read("KeySettings", "StartStopPeriodClockKey", Absent), QStringLiteral("83"));
}

void TestSettings::whiteIsWrittenAsDecimalText()
{
    LoadBoardSettings();
    BoardSettings.TimeColor = 16777215;
    QVERIFY(SaveBoardSettingsGroup(1));
    QCOMPARE(SettingsStore().Read("ColorSettings", "TimeColor", Absent), QStringLiteral("16777215"));
    BoardSettings = {};
    LoadBoardSettings();
    QCOMPARE(BoardSettings.TimeColor, 16777215);
}

void TestSettings::saveGroupWritesOnlyItsKeys_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("colours") << 1
                             << QStringList { "TimeColor", "LEDBack", "LEDSelected", "ScoreColor",
                                    "HoldColor", "FormBack", "BorderColor", "LEDSelectedWidth" };
    QTest::newRow("keys") << 2
                          << QStringList { "StartStopPeriodClockKey", "ResetPeriodClockKey", "ClearKey",
                                 "BuzzerKey", "BuzzerFile", "UndoKey" };
    QTest::newRow("NumLock") << 3 << QStringList { "NumLockForce" };
    QTest::newRow("names") << 4 << QStringList { "TitleText", "HomeText", "VisitorText" };
    QTest::newRow("pictures") << 5 << QStringList { "HomePic", "VisitorPic", "LEDType" };
    QTest::newRow("no group 0") << 0 << QStringList {};
    QTest::newRow("no group 6") << 6 << QStringList {};
    QTest::newRow("network") << 7
                             << QStringList { "Serve", "ServePort", "Mat", "Broker", "BrokerTls",
                                    "BrokerUser", "BrokerPassword" };
}

void TestSettings::saveGroupWritesOnlyItsKeys()
{
    QFETCH(int, group);
    QFETCH(QStringList, keys);

    LoadBoardSettings();
    QCOMPARE(SaveBoardSettingsGroup(group), !keys.isEmpty());
    SettingsStore store;
    for (const auto& [section, key] : AllKeys)
        QCOMPARE(store.Read(section, key, Absent) != Absent, keys.contains(key));
    QCOMPARE(store.Read("KeySettings", "IsKeyCode", Absent), Absent);
}

void TestSettings::garbageFileGivesDefaults()
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 7919 + 13) % 256));
    junk.append("\n[ColorSettings\n=\n\\\n\"unterminated\n");
    WriteRaw(junk);

    LoadBoardSettings();
    QCOMPARE(BoardSettings, DefaultBoardSettings());

    // Saving replaces the damaged file with a sound one.
    QVERIFY(SaveAllBoardSettings());
    BoardSettings = {};
    LoadBoardSettings();
    QCOMPARE(BoardSettings, DefaultBoardSettings());
    QCOMPARE(SettingsStore().Read("KeySettings", "IsKeyCode", Absent), QStringLiteral("Yes"));
}

void TestSettings::directoryInPlaceOfFileGivesDefaults()
{
    QVERIFY(QDir().mkpath(m_file));
    LoadBoardSettings();
    QCOMPARE(BoardSettings, DefaultBoardSettings());
    QVERIFY(!SettingsStore().Write("TextSettings", "TitleText", "Mat 2"));
    QVERIFY(!SaveAllBoardSettings());
    QVERIFY(QFileInfo(m_file).isDir());
}

void TestSettings::failedWriteReturnsFalse()
{
    // The store's folder cannot be created: its parent is a file.
    WriteRaw("[TextSettings]\nTitleText=Mat 1\n");
    SettingsStore::SetFileForTesting(m_file + "/sub/korvelin.ini");
    QVERIFY(!SettingsStore().Write("TextSettings", "TitleText", "Mat 2"));
    QCOMPARE(SettingsStore().Read("TextSettings", "TitleText", Absent), Absent);
    QVERIFY(!SaveBoardSettingsGroup(4));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
