// The scoreboard form sits above timing, display, the rule sets and the
// contest record: every member of frmScoreboard lives in src/scoreboard, and
// the folders below include nothing from there. The rule sets sit just above
// timing: src/rules includes nothing of the program but rules and timing.
// The record sits above settings and display: nothing below it includes it.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void lowerFolders_knowNothingOfTheScoreboard_data();
    void lowerFolders_knowNothingOfTheScoreboard();
    void rules_importNothingAboveTiming();
    void lowerFolders_knowNothingOfTheRecord_data();
    void lowerFolders_knowNothingOfTheRecord();

private:
    // The files of src/<folder> matching forbidden.
    static QStringList Offenders(
        const QByteArray& sourceDir, const QString& folder, const QRegularExpression& forbidden);
};

void TestLayering::lowerFolders_knowNothingOfTheScoreboard_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("timing") << "timing";
    QTest::newRow("display") << "display";
    QTest::newRow("platform") << "platform";
    QTest::newRow("rules") << "rules";
    QTest::newRow("record") << "record";
}

void TestLayering::lowerFolders_knowNothingOfTheScoreboard()
{
    QFETCH(QString, folder);
    const QByteArray sourceDir = qgetenv("KORVELIN_SOURCE_DIR");
    if (sourceDir.isEmpty())
        QSKIP("KORVELIN_SOURCE_DIR is not set (ctest sets it)");
    // An include of the scoreboard, or a member of its form defined here.
    const QRegularExpression forbidden(QStringLiteral(R"(#include\s+"scoreboard/|\bfrmScoreboard::)"));
    const QStringList offenders = Offenders(sourceDir, folder, forbidden);
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QStringLiteral(", "))));
}

void TestLayering::lowerFolders_knowNothingOfTheRecord_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("timing") << "timing";
    QTest::newRow("display") << "display";
    QTest::newRow("platform") << "platform";
    QTest::newRow("settings") << "settings";
    QTest::newRow("help") << "help";
    QTest::newRow("rules") << "rules";
}

void TestLayering::lowerFolders_knowNothingOfTheRecord()
{
    QFETCH(QString, folder);
    const QByteArray sourceDir = qgetenv("KORVELIN_SOURCE_DIR");
    if (sourceDir.isEmpty())
        QSKIP("KORVELIN_SOURCE_DIR is not set (ctest sets it)");
    const QStringList offenders
        = Offenders(sourceDir, folder, QRegularExpression(QStringLiteral(R"(#include\s+"record/)")));
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QStringLiteral(", "))));
}

QStringList TestLayering::Offenders(
    const QByteArray& sourceDir, const QString& folder, const QRegularExpression& forbidden)
{
    const QDir src(QString::fromLocal8Bit(sourceDir) + QStringLiteral("/src/") + folder);
    QStringList offenders;
    int files = 0;
    QDirIterator it(src.path(), { QStringLiteral("*.cpp"), QStringLiteral("*.h") }, QDir::Files,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly)) {
            offenders << QFileInfo(file).fileName() + QStringLiteral(" (unreadable)");
            continue;
        }
        ++files;
        if (forbidden.match(QString::fromUtf8(file.readAll())).hasMatch())
            offenders << QFileInfo(file).fileName();
    }
    if (files == 0)
        offenders << src.path() + QStringLiteral(" holds no source");
    return offenders;
}

void TestLayering::rules_importNothingAboveTiming()
{
    const QByteArray sourceDir = qgetenv("KORVELIN_SOURCE_DIR");
    if (sourceDir.isEmpty())
        QSKIP("KORVELIN_SOURCE_DIR is not set (ctest sets it)");
    const QDir src(QString::fromLocal8Bit(sourceDir) + QStringLiteral("/src/rules"));
    QVERIFY2(src.exists(), qPrintable(src.path()));
    // Every include of a program header ("folder/name.h").
    const QRegularExpression include(QStringLiteral(R"(#include\s+"([a-z]+)/)"));
    QStringList offenders;
    int files = 0;
    QDirIterator it(src.path(), { QStringLiteral("*.cpp"), QStringLiteral("*.h") }, QDir::Files,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        ++files;
        QRegularExpressionMatchIterator includes = include.globalMatch(QString::fromUtf8(file.readAll()));
        while (includes.hasNext()) {
            const QString folder = includes.next().captured(1);
            if (folder != QLatin1String("rules") && folder != QLatin1String("timing"))
                offenders << QFileInfo(file).fileName() + QStringLiteral(": ") + folder;
        }
    }
    QVERIFY(files > 0);
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QStringLiteral(", "))));
}

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
