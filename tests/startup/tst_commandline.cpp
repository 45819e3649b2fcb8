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
    void hallOptions_data();
    void hallOptions();
    void qtOptions_keptAsTyped();
    void serve_data();
    void serve();
    void help_listsEveryOption();
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

void TestCommandLine::serve_data()
{
    QTest::addColumn<QStringList>("raw");
    QTest::addColumn<bool>("bypass");
    QTest::addColumn<bool>("serve");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("error");
    QTest::addColumn<bool>("help");
    QTest::newRow("--serve") << QStringList { "--serve" } << false << true << 0 << false << false;
    QTest::newRow("--serve bypass") << QStringList { "--serve", "bypass" } << true << true << 0 << false
                                    << false;
    QTest::newRow("bypass --serve=8091")
        << QStringList { "bypass", "--serve=8091" } << true << true << 8091 << false << false;
    QTest::newRow("--serve=65535") << QStringList { "--serve=65535" } << false << true << 65535 << false
                                   << false;
    QTest::newRow("--serve=0") << QStringList { "--serve=0", "bypass" } << true << false << 0 << true
                               << false;
    QTest::newRow("--serve=65536") << QStringList { "--serve=65536" } << false << false << 0 << true << false;
    QTest::newRow("--serve=abc") << QStringList { "--serve=abc" } << false << false << 0 << true << false;
    QTest::newRow("--serve= (empty)") << QStringList { "--serve=" } << false << false << 0 << true << false;
    QTest::newRow("--serve with --audience=x")
        << QStringList { "--serve", "--audience=x", "bypass" } << true << true << 0 << true << false;
    QTest::newRow("--help") << QStringList { "--help" } << false << false << 0 << false << true;
    QTest::newRow("-h") << QStringList { "-h" } << false << false << 0 << false << true;
    QTest::newRow("-stylesheet is Qt's")
        << QStringList { "-stylesheet", "a.qss" } << false << false << 0 << false << false;
}

void TestCommandLine::serve()
{
    QFETCH(QStringList, raw);
    QFETCH(bool, bypass);
    QFETCH(bool, serve);
    QFETCH(int, port);
    QFETCH(bool, error);
    QFETCH(bool, help);
    const CommandLine line = ParseCommandLine(raw);
    QCOMPARE(IsBypass(line.Arguments), bypass);
    QCOMPARE(line.Serve, serve);
    QCOMPARE(int(line.ServePort), port);
    QCOMPARE(!line.Error.isEmpty(), error);
    QCOMPARE(line.Help, help);
    if (error && raw.first().startsWith("--serve="))
        QVERIFY(line.Error.contains(QStringLiteral("is not a port number")));
}

void TestCommandLine::help_listsEveryOption()
{
    const QString help = CommandLineHelp();
    for (const char* option : { "bypass", "--audience", "--audience=N", "--serve", "--serve=PORT", "--help",
             "--hall", "--mat=N", "--broker=HOST[:PORT]", "--broker-tls", "--broker-user=NAME" })
        QVERIFY2(help.contains(QLatin1String(option)), option);
}

void TestCommandLine::hallOptions_data()
{
    QTest::addColumn<QStringList>("raw");
    QTest::addColumn<bool>("bypass");
    QTest::addColumn<bool>("hall");
    QTest::addColumn<int>("mat");
    QTest::addColumn<QString>("broker");
    QTest::addColumn<bool>("tls");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("error");
    QTest::newRow("a board on a broker") << QStringList { "--mat=3", "--broker=hall.local:1884", "bypass" }
                                         << true << false << 3 << "hall.local:1884" << false << ""
                                         << "";
    QTest::newRow("the hall view") << QStringList { "--hall", "--broker=127.0.0.1" } << false << true << 0
                                   << "127.0.0.1" << false << ""
                                   << "";
    QTest::newRow("TLS and a user") << QStringList { "bypass", "--broker=broker", "--broker-tls",
        "--broker-user=mat3" } << true
                                    << false << 0 << "broker" << true << "mat3"
                                    << "";
    QTest::newRow("mat 0") << QStringList { "--mat=0", "bypass" } << true << false << 0 << "" << false << ""
                           << "\"0\" is not a mat number";
    QTest::newRow("mat 100") << QStringList { "--mat=100" } << false << false << 0 << "" << false << ""
                             << "\"100\" is not a mat number";
    QTest::newRow("mat x") << QStringList { "--mat=x" } << false << false << 0 << "" << false << ""
                           << "\"x\" is not a mat number";
    QTest::newRow("broker with a bad port")
        << QStringList { "--broker=hall:99999", "bypass" } << true << false << 0 << "" << false << ""
        << "\"99999\" is not a port number";
    QTest::newRow("broker empty") << QStringList { "--broker=" } << false << false << 0 << "" << false << ""
                                  << "names no host";
    QTest::newRow("--mat without = is no option")
        << QStringList { "--mat", "3" } << false << false << 0 << "" << false << ""
        << "";
    QTest::newRow("after --, arguments")
        << QStringList { "--", "--hall", "--mat=3" } << false << false << 0 << "" << false << ""
        << "";
}

void TestCommandLine::hallOptions()
{
    QFETCH(QStringList, raw);
    QFETCH(bool, bypass);
    QFETCH(bool, hall);
    QFETCH(int, mat);
    QFETCH(QString, broker);
    QFETCH(bool, tls);
    QFETCH(QString, user);
    QFETCH(QString, error);
    const CommandLine line = ParseCommandLine(raw);
    QCOMPARE(IsBypass(line.Arguments), bypass);
    QCOMPARE(line.Hall, hall);
    QCOMPARE(line.Mat, mat);
    QCOMPARE(line.Broker, broker);
    QCOMPARE(line.BrokerTls, tls);
    QCOMPARE(line.BrokerUser, user);
    QCOMPARE(line.BrokerOff, !error.isEmpty());
    QVERIFY2(error.isEmpty() ? line.Error.isEmpty() : line.Error.contains(error), qPrintable(line.Error));
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
