// The scoreboard form sits above timing, display and the contest record:
// every member of frmScoreboard lives in src/scoreboard, and the folders
// below include nothing from there. The record sits above settings and
// display: nothing below it includes it.

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

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
