// The scoreboard form sits above timing and display: every member of
// frmScoreboard lives in src/scoreboard, and src/timing and src/display
// include nothing from there. The settings and their dialogs sit above
// display too: display is handed what it needs of them. The hall (the
// broker and the hall view) sits above the scoreboard and the settings, and
// only start-up reaches it.

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
};

void TestLayering::lowerFolders_includeNothingFromAbove_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("above");
    const QStringList scoreboard { QStringLiteral("scoreboard"), QStringLiteral("hall") };
    QTest::newRow("timing") << "timing" << scoreboard;
    QTest::newRow("display") << "display" << QStringList { "scoreboard", "settings", "hall" };
    QTest::newRow("platform") << "platform" << scoreboard;
    QTest::newRow("scoreboard") << "scoreboard" << QStringList { "hall", "startup" };
    QTest::newRow("settings") << "settings" << QStringList { "hall", "startup" };
    QTest::newRow("hall") << "hall" << QStringList { "startup" };
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
    // An include from a folder above, or (outside the scoreboard's own
    // folder) a member of the scoreboard form defined here.
    const QString members
        = folder == QLatin1String("scoreboard") ? QString() : QStringLiteral(R"(|\bfrmScoreboard::)");
    const QRegularExpression forbidden(
        QStringLiteral(R"(#include\s+"(%1)/%2)").arg(above.join(u'|'), members));
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

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
