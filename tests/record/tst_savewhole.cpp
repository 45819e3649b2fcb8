// Saving one file again and again, as the contest journal does every second.

#include "record/savewhole.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class TestSaveWhole final : public QObject
{
    Q_OBJECT

private slots:
    void repeatedSaves_eachTextWholeWithNoOldTail_data();
    void repeatedSaves_eachTextWholeWithNoOldTail();
    void repeatedSaves_leaveNoFilesBehind();
    void remove_takesTheSideFileToo();
    void missingFolder_isMade();
    void unwritableSideFile_keepsTheFileAndSaysWhy();
};

void TestSaveWhole::repeatedSaves_eachTextWholeWithNoOldTail_data()
{
    QTest::addColumn<QByteArrayList>("texts");
    QTest::newRow("one save") << QByteArrayList { "{\"Period\": 120}\n" };
    QTest::newRow("shorter after longer")
        << QByteArrayList { "{\"Period\": 119, \"Log\": [1, 2, 3]}\n", "{\"Period\": 118}\n" };
    QTest::newRow("longer, shorter, longer")
        << QByteArrayList { "abc", "a much longer second text", "x", "the fourth" };
    QTest::newRow("empty text") << QByteArrayList { "something", "" };
}

void TestSaveWhole::repeatedSaves_eachTextWholeWithNoOldTail()
{
    QFETCH(QByteArrayList, texts);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contest.json"));
    RepeatedSave save(path);
    for (const QByteArray& text : texts) {
        QString error = QStringLiteral("stale");
        QVERIFY(save.Save(text, &error));
        QCOMPARE(error, QString());
        QCOMPARE(ReadAll(path), text);
    }
}

void TestSaveWhole::repeatedSaves_leaveNoFilesBehind()
{
    QTemporaryDir dir;
    RepeatedSave save(dir.filePath(QStringLiteral("contest.json")));
    for (int i = 0; i < 20; ++i)
        QVERIFY(save.Save(QByteArray::number(i), nullptr));
    QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    files.removeAll(QStringLiteral("contest.json.next")); // the previous text, where names swap
    QCOMPARE(files, QStringList { QStringLiteral("contest.json") });
    QCOMPARE(ReadAll(dir.filePath(QStringLiteral("contest.json"))), QByteArray("19"));
}

void TestSaveWhole::remove_takesTheSideFileToo()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contest.json"));
    RepeatedSave save(path);
    QVERIFY(save.Save("first", nullptr));
    QVERIFY(save.Save("second", nullptr));
    QString error;
    QVERIFY(save.Remove(&error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(save.Remove(&error)); // nothing left to remove
    // And the next contest saves again from nothing.
    QVERIFY(save.Save("next contest", nullptr));
    QCOMPARE(ReadAll(path), QByteArray("next contest"));
}

void TestSaveWhole::missingFolder_isMade()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Korvelin/Korvelin/contest.json"));
    RepeatedSave save(path);
    QVERIFY(save.Save("made", nullptr));
    QCOMPARE(ReadAll(path), QByteArray("made"));
}

void TestSaveWhole::unwritableSideFile_keepsTheFileAndSaysWhy()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contest.json"));
    RepeatedSave save(path);
    QVERIFY(save.Save("kept", nullptr));
    // A folder where the side file goes: the new text cannot be written.
    QVERIFY(QDir(dir.path()).mkpath(RepeatedSave::SideName(path)));
#ifdef Q_OS_LINUX
    QString error;
    QVERIFY(!save.Save("lost", &error));
    QVERIFY2(error.contains(QStringLiteral("contest.json.next")), qPrintable(error));
    QCOMPARE(ReadAll(path), QByteArray("kept"));
#else
    // Without swapping, the side file plays no part.
    QVERIFY(save.Save("saved", nullptr));
    QCOMPARE(ReadAll(path), QByteArray("saved"));
#endif
}

QTEST_GUILESS_MAIN(TestSaveWhole)
#include "tst_savewhole.moc"
