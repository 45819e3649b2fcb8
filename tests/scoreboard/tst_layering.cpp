// The scoreboard form sits above timing and display: every member of
// frmScoreboard lives in src/scoreboard, and src/timing and src/display
// include nothing from there. The settings and their dialogs sit above
// display too: display is handed what it needs of them. The rule sets sit
// just above timing: src/rules includes nothing of the program but rules and
// timing.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void lowerFolders_includeNothingFromAbove_data();
    void lowerFolders_includeNothingFromAbove();
    void rules_importNothingAboveTiming();
};

void TestLayering::lowerFolders_includeNothingFromAbove_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("above");
    const QStringList scoreboard { QStringLiteral("scoreboard") };
    QTest::newRow("timing") << "timing" << scoreboard;
    QTest::newRow("display") << "display" << QStringList { "scoreboard", "settings" };
    QTest::newRow("platform") << "platform" << scoreboard;
    QTest::newRow("rules") << "rules" << QStringList { "scoreboard", "settings", "display", "platform" };
}

void TestLayering::lowerFolders_includeNothingFromAbove()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, above);
    const QByteArray sourceDir = qgetenv("KORVELIN_SOURCE_DIR");
    if (sourceDir.isEmpty())
        QSKIP("KORVELIN_SOURCE_DIR is not set (ctest sets it)");
    const QDir src(QString::fromLocal8Bit(sourceDir) + QStringLiteral("/src/") + folder);
    QVERIFY2(src.exists(), qPrintable(src.path()));
    // An include from a folder above, or a member of the scoreboard form defined here.
    const QRegularExpression forbidden(
        QStringLiteral(R"(#include\s+"(%1)/|\bfrmScoreboard::)").arg(above.join(u'|')));
    QStringList offenders;
    int files = 0;
    QDirIterator it(src.path(), { QStringLiteral("*.cpp"), QStringLiteral("*.h") }, QDir::Files,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        ++files;
        if (forbidden.match(QString::fromUtf8(file.readAll())).hasMatch())
            offenders << QFileInfo(file).fileName();
    }
    QVERIFY(files > 0);
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QStringLiteral(", "))));
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
