// The command line: only the single argument "bypass" skips the splash; the
// program's own --audience options are not arguments, Qt's own options are.

#include "startup/application.h"
#include "startup/commandline.h"
#include "startup/frmsplash.h"

#include <QTest>

using namespace kv;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void qtOptions_keptAsTyped();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("raw");
    QTest::addColumn<bool>("bypass");
    QTest::addColumn<bool>("audience");
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("error");
    QTest::newRow("bypass") << QStringList { "bypass" } << true << false << 0 << false;
    QTest::newRow("no argument") << QStringList {} << false << false << 0 << false;
    QTest::newRow("--audience bypass")
        << QStringList { "--audience", "bypass" } << true << true << 0 << false;
    QTest::newRow("bypass --audience")
        << QStringList { "bypass", "--audience" } << true << true << 0 << false;
    QTest::newRow("-style fusion bypass")
        << QStringList { "-style", "fusion", "bypass" } << false << false << 0 << false;
    QTest::newRow("BYPASS") << QStringList { "BYPASS" } << false << false << 0 << false;
    QTest::newRow("bypass x") << QStringList { "bypass", "x" } << false << false << 0 << false;
    QTest::newRow("--audience=2") << QStringList { "--audience=2" } << false << true << 2 << false;
    QTest::newRow("--audience=2 bypass")
        << QStringList { "--audience=2", "bypass" } << true << true << 2 << false;
    QTest::newRow("--audience=x") << QStringList { "--audience=x" } << false << false << 0 << true;
    QTest::newRow("--audience=0 bypass")
        << QStringList { "--audience=0", "bypass" } << true << false << 0 << true;
    QTest::newRow("--audience= (empty)") << QStringList { "--audience=" } << false << false << 0 << true;
    QTest::newRow("-audience is no option")
        << QStringList { "-audience", "bypass" } << false << false << 0 << false;
    QTest::newRow("after --, an argument")
        << QStringList { "--", "--audience" } << false << false << 0 << false;
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, raw);
    QFETCH(bool, bypass);
    QFETCH(bool, audience);
    QFETCH(int, screen);
    QFETCH(bool, error);
    const CommandLine line = ParseCommandLine(raw);
    QCOMPARE(IsBypass(line.Arguments), bypass);
    QCOMPARE(line.Audience, audience);
    QCOMPARE(line.AudienceScreen, screen);
    QCOMPARE(!line.Error.isEmpty(), error);
    if (error)
        QVERIFY(line.Error.contains(QStringLiteral("is not a screen number")));
}

void TestCommandLine::qtOptions_keptAsTyped()
{
    // QApplication takes -style fusion out of argv; the program still sees it.
    QCOMPARE(KorvelinApplication::RawArguments(), (QStringList { "-style", "fusion", "bypass" }));
    QVERIFY(!QCoreApplication::arguments().contains(QStringLiteral("-style")));
    QVERIFY(!IsBypass(ParseCommandLine(KorvelinApplication::RawArguments()).Arguments));
}

int main(int argc, char** argv)
{
    // The program's own command line, as the operator typed it.
    char program[] = "korvelin";
    char style[] = "-style";
    char fusion[] = "fusion";
    char bypass[] = "bypass";
    char* programArgv[] = { program, style, fusion, bypass, nullptr };
    int programArgc = 4;
    KorvelinApplication application(programArgc, programArgv);
    TestCommandLine test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_commandline.moc"
