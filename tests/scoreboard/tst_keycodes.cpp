#include "scoreboard/keycodes.h"

#include <QTest>

using namespace kv;

class TestKeyCodes : public QObject
{
    Q_OBJECT

private slots:
    void keyCodeToAsci_data();
    void keyCodeToAsci();
};

void TestKeyCodes::keyCodeToAsci_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("clearKey");
    QTest::addColumn<int>("asci");

    QTest::newRow("Space") << 32 << 46 << 32;
    QTest::newRow("Enter") << 13 << 46 << 13;
    QTest::newRow("Delete as clear key") << 46 << 46 << 0;
    QTest::newRow("Delete when not the clear key") << 46 << 8 << -1;
    QTest::newRow("Backspace as clear key") << 8 << 8 << 0;
    QTest::newRow("main plus") << 187 << 46 << 43;
    QTest::newRow("keypad plus") << 107 << 46 << 43;
    QTest::newRow("main minus") << 189 << 46 << 45;
    QTest::newRow("keypad minus") << 109 << 46 << 45;
    QTest::newRow("keypad 0") << 96 << 46 << 48;
    QTest::newRow("keypad 5") << 101 << 46 << 53;
    QTest::newRow("keypad 9") << 105 << 46 << 57;
    QTest::newRow("main 0") << 48 << 46 << 48;
    QTest::newRow("main 9") << 57 << 46 << 57;
    QTest::newRow("keypad decimal") << 110 << 46 << 46;
    QTest::newRow("main full stop") << 190 << 46 << 46;
    QTest::newRow("keypad multiply") << 106 << 46 << -1;
    QTest::newRow("keypad divide") << 111 << 46 << -1;
    QTest::newRow("main comma") << 188 << 46 << -1;
    QTest::newRow("before the digits") << 47 << 46 << -1;
    QTest::newRow("after the digits") << 58 << 46 << -1;
    QTest::newRow("letter S") << 83 << 46 << -1;
    QTest::newRow("zero") << 0 << 46 << -1;
    QTest::newRow("negative") << -1 << 46 << -1;
    // Space and Enter are tested before the clear key.
    QTest::newRow("Space as clear key") << 32 << 32 << 32;
    QTest::newRow("Enter as clear key") << 13 << 13 << 13;
    // The clear key is tested before the digits and signs.
    QTest::newRow("keypad 0 as clear key") << 96 << 96 << 0;
    QTest::newRow("main plus as clear key") << 187 << 187 << 0;
    QTest::newRow("full stop as clear key") << 190 << 190 << 0;
    QTest::newRow("other digits with keypad 0 as clear key") << 97 << 96 << 49;
}

void TestKeyCodes::keyCodeToAsci()
{
    QFETCH(int, keyCode);
    QFETCH(int, clearKey);
    QFETCH(int, asci);
    QCOMPARE(KeyCodeToAsci(qint16(keyCode), qint16(clearKey)), qint16(asci));
}

QTEST_APPLESS_MAIN(TestKeyCodes)
#include "tst_keycodes.moc"
