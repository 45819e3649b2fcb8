// The scoreboard form sits above timing and display: every member of
// frmScoreboard lives in src/scoreboard, and src/timing and src/display
// include nothing from there. The settings and their dialogs sit above
// display too: display is handed what it needs of them. The rule sets sit
// just above timing: src/rules includes nothing of the program but rules and
// timing. The contest record sits above settings and display and below the
// scoreboard: nothing under it includes it.

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
    void network_importsOnlyDownward_data();
    void network_importsOnlyDownward();
};

namespace {
// The files of a folder under src/ whose text matches the pattern.
QStringList Offenders(const QString& folder, const QRegularExpression& forbidden, int* files)
{
    const QDir src(QString::fromLocal8Bit(qgetenv("KORVELIN_SOURCE_DIR")) + QStringLiteral("/src/") + folder);
    QStringList offenders;
    QDirIterator it(src.path(), { QStringLiteral("*.cpp"), QStringLiteral("*.h") }, QDir::Files,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        ++*files;
        if (forbidden.match(QString::fromUtf8(file.readAll())).hasMatch())
            offenders << QFileInfo(file).fileName();
    }
    return offenders;
}
} // namespace

void TestLayering::network_importsOnlyDownward_data()
{
    // The network part may use the scoreboard, display, settings, timing and
    // platform parts; only start-up may use it.
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("forbidden");
    QTest::newRow("network uses nothing above it")
        << QStringLiteral("network") << QStringLiteral(R"(#include\s+"(startup|help)/)");
    for (const char* lower : { "scoreboard", "display", "settings", "timing", "platform", "help" })
        QTest::newRow(lower) << QString::fromLatin1(lower) << QStringLiteral(R"(#include\s+"network/)");
}

void TestLayering::network_importsOnlyDownward()
{
    QFETCH(QString, folder);
    QFETCH(QString, forbidden);
    if (qEnvironmentVariableIsEmpty("KORVELIN_SOURCE_DIR"))
        QSKIP("KORVELIN_SOURCE_DIR is not set (ctest sets it)");
    int files = 0;
    const QStringList offenders = Offenders(folder, QRegularExpression(forbidden), &files);
    QVERIFY(files > 0);
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QStringLiteral(", "))));
}

void TestLayering::lowerFolders_includeNothingFromAbove_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("above");
    const QStringList scoreboard { QStringLiteral("scoreboard"), QStringLiteral("record") };
    QTest::newRow("timing") << "timing" << scoreboard;
    QTest::newRow("display") << "display" << QStringList { "scoreboard", "settings", "record" };
    QTest::newRow("platform") << "platform" << scoreboard;
    QTest::newRow("rules") << "rules"
                           << QStringList { "scoreboard", "settings", "display", "platform", "record" };
    QTest::newRow("settings") << "settings" << scoreboard;
    QTest::newRow("help") << "help" << scoreboard;
    QTest::newRow("record") << "record" << QStringList { "scoreboard", "startup", "help" };
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
