// The program as built for Linux starts on Qt's widgets alone: the network
// and sound libraries come with the services module, loaded once the board
// is on screen, and everything of the program the module calls is there for
// it to find.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString BuiltFile(const QString& name)
{
    return QDir(QString::fromLocal8Bit(qgetenv("KORVELIN_BINARY_DIR"))).filePath(name);
}

// The program's own symbols (namespace kv) in a binary's dynamic table.
QSet<QString> ProgramSymbols(const QString& binary, const QString& which)
{
    QSet<QString> symbols;
    const QString table = Run(QStringLiteral("nm"), { QStringLiteral("-DC"), which, binary });
    for (const QString& line : table.split(QLatin1Char('\n'))) {
        const QString name = line.section(QRegularExpression(QStringLiteral("^\\s*\\S*\\s+\\S\\s+")), 1);
        if (name.contains(QLatin1String("kv::")))
            symbols.insert(name);
    }
    return symbols;
}

} // namespace

class TestProgramLibraries : public QObject
{
    Q_OBJECT

private slots:
    void program_startsWithoutNetworkOrSoundLibraries();
    void module_findsEveryProgramSymbolItCalls();
};

void TestProgramLibraries::program_startsWithoutNetworkOrSoundLibraries()
{
#ifdef Q_OS_WIN
    QSKIP("the Windows program links its services in");
#endif
    const QString program = Run(QStringLiteral("ldd"), { BuiltFile(QStringLiteral("korvelin")) });
    const QString module = Run(QStringLiteral("ldd"), { BuiltFile(QStringLiteral("korvelin-services.so")) });
    QVERIFY2(program.contains(QLatin1String("libQt6Widgets")), qPrintable(program));
    for (const char* library :
        { "libQt6Network", "libQt6Multimedia", "libQt6HttpServer", "libQt6WebSockets", "libmosquitto" }) {
        QVERIFY2(!program.contains(QLatin1String(library)), library);
        QVERIFY2(module.contains(QLatin1String(library)), library);
    }
}

void TestProgramLibraries::module_findsEveryProgramSymbolItCalls()
{
#ifdef Q_OS_WIN
    QSKIP("the Windows program links its services in");
#endif
    const QSet<QString> needed = ProgramSymbols(
        BuiltFile(QStringLiteral("korvelin-services.so")), QStringLiteral("--undefined-only"));
    const QSet<QString> offered
        = ProgramSymbols(BuiltFile(QStringLiteral("korvelin")), QStringLiteral("--defined-only"));
    // The module uses the board, the settings and the record.
    QVERIFY(needed.size() > 20);
    QStringList missing = (needed - offered).values();
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestProgramLibraries)
#include "tst_programlibraries.moc"
