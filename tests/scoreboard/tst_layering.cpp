// The scoreboard form sits above timing and display: every member of
// frmScoreboard lives in src/scoreboard, and src/timing and src/display
// include nothing from there.

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
};

void TestLayering::lowerFolders_knowNothingOfTheScoreboard_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("timing") << "timing";
    QTest::newRow("display") << "display";
    QTest::newRow("platform") << "platform";
}

void TestLayering::lowerFolders_knowNothingOfTheScoreboard()
{
    QFETCH(QString, folder);
    const QByteArray sourceDir = qgetenv("KORVELIN_SOURCE_DIR");
    if (sourceDir.isEmpty())
        QSKIP("KORVELIN_SOURCE_DIR is not set (ctest sets it)");
    const QDir src(QString::fromLocal8Bit(sourceDir) + QStringLiteral("/src/") + folder);
    QVERIFY2(src.exists(), qPrintable(src.path()));
    // An include of the scoreboard, or a member of its form defined here.
    const QRegularExpression forbidden(QStringLiteral(R"(#include\s+"scoreboard/|\bfrmScoreboard::)"));
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
