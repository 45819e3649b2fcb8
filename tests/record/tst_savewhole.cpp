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
    void unusableSideFile_savesAnyway_data();
    void unusableSideFile_savesAnyway();
    void unwritableFolder_failsAndSaysWhy();
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

void TestSaveWhole::unusableSideFile_savesAnyway_data()
{
    QTest::addColumn<bool>("link");
    QTest::newRow("a folder in its place") << false;
    QTest::newRow("a link in its place") << true;
}

void TestSaveWhole::unusableSideFile_savesAnyway()
{
    QFETCH(bool, link);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contest.json"));
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere.txt"));
    QFile other(elsewhere);
    QVERIFY(other.open(QIODevice::WriteOnly) && other.write("not the journal's") > 0);
    other.close();
    RepeatedSave save(path);
    QVERIFY(save.Save("first", nullptr));
    QFile::remove(RepeatedSave::SideName(path));
    if (link)
        QVERIFY(QFile::link(elsewhere, RepeatedSave::SideName(path)));
    else
        QVERIFY(QDir(dir.path()).mkpath(RepeatedSave::SideName(path)));
    QString error = QStringLiteral("stale");
    QVERIFY(save.Save("saved", &error));
    QCOMPARE(error, QString());
    QCOMPARE(ReadAll(path), QByteArray("saved"));
    // Nothing written through the link.
    QCOMPARE(ReadAll(elsewhere), QByteArray("not the journal's"));
}

void TestSaveWhole::unwritableFolder_failsAndSaysWhy()
{
    QTemporaryDir dir;
    // A file where the folder should be: nothing can be saved there.
    const QString blocker = dir.filePath(QStringLiteral("data"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    RepeatedSave save(blocker + QStringLiteral("/contest.json"));
    QString error;
    QVERIFY(!save.Save("lost", &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestSaveWhole)
#include "tst_savewhole.moc"
