// The translations are complete: lupdate run over the sources finds every
// text of the program in every .ts file, translated, and no text that the
// sources no longer hold; each translation keeps its placeholders, access
// keys and list entries; every language has its translation and its guide.

#include "help/rtfreader.h"
#include "language/language.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QXmlStreamReader>

using namespace kv;

namespace {

QString SourceDir()
{
    return QString::fromLocal8Bit(qgetenv("KORVELIN_SOURCE_DIR"));
}

struct Message
{
    QString Context;
    QString Source;
    QString Translation;
    QString Type; // "", "unfinished", "vanished", "obsolete"
};

QList<Message> ReadTs(const QString& path, QString* error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader reader(&file);
    QString context;
    Message message;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QStringView name = reader.name();
        if (name == u"name") {
            context = reader.readElementText();
        } else if (name == u"message") {
            message = Message { context, {}, {}, {} };
        } else if (name == u"source") {
            message.Source = reader.readElementText();
        } else if (name == u"translation") {
            message.Type = reader.attributes().value(QStringLiteral("type")).toString();
            message.Translation = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << message;
        }
    }
    if (reader.hasError())
        *error = reader.errorString();
    return messages;
}

QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// Single "&" marks an access key; "&&" is a literal ampersand.
int AccessKeys(const QString& text)
{
    return int(QString(text).remove(QStringLiteral("&&")).count(u'&'));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyText_translatedInEveryLanguage_data();
    void everyText_translatedInEveryLanguage();
    void translations_keepPlaceholdersKeysAndEntries_data();
    void translations_keepPlaceholdersKeysAndEntries();
    void everyLanguage_hasItsFiles();

private:
    QString m_sourceDir;
};

void TestTranslations::initTestCase()
{
    m_sourceDir = SourceDir();
    if (m_sourceDir.isEmpty())
        QSKIP("KORVELIN_SOURCE_DIR is not set (ctest sets it)");
}

void TestTranslations::everyText_translatedInEveryLanguage_data()
{
    QTest::addColumn<QString>("code");
    for (const Language& language : Languages()) {
        if (QLatin1String(language.Code) != QLatin1String(SourceLanguage))
            QTest::newRow(language.Code) << QString::fromLatin1(language.Code);
    }
}

void TestTranslations::everyText_translatedInEveryLanguage()
{
    QFETCH(QString, code);
    // lupdate, as the update_translations target runs it, on a copy of the
    // language's file: a text new in the sources comes in unfinished, a text
    // gone from them is marked vanished.
    QTemporaryDir work;
    const QString original = m_sourceDir + QStringLiteral("/translations/korvelin_%1.ts").arg(code);
    const QString copy = work.filePath(QStringLiteral("korvelin_%1.ts").arg(code));
    QVERIFY2(QFile::copy(original, copy), qPrintable(original));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(KORVELIN_LUPDATE),
        { QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-recursive"),
            m_sourceDir + QStringLiteral("/src"), QStringLiteral("-ts"), copy });
    QVERIFY2(lupdate.waitForFinished(60000), "lupdate did not finish");
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
        lupdate.readAll().constData());

    QString error;
    const QList<Message> messages = ReadTs(copy, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() >= 40);
    QStringList problems;
    for (const Message& message : messages) {
        if (message.Type == QLatin1String("unfinished"))
            problems << QStringLiteral("not translated: %1 \"%2\"").arg(message.Context, message.Source);
        else if (message.Type == QLatin1String("vanished") || message.Type == QLatin1String("obsolete"))
            problems
                << QStringLiteral("no longer in the sources: %1 \"%2\"").arg(message.Context, message.Source);
        else if (message.Translation.isEmpty())
            problems << QStringLiteral("empty: %1 \"%2\"").arg(message.Context, message.Source);
    }
    QVERIFY2(problems.isEmpty(),
        qPrintable(QStringLiteral("translations/korvelin_%1.ts (run the update_translations target and "
                                  "translate):\n  ")
                       .arg(code)
            + problems.join(QStringLiteral("\n  "))));
}

void TestTranslations::translations_keepPlaceholdersKeysAndEntries_data()
{
    everyText_translatedInEveryLanguage_data();
}

void TestTranslations::translations_keepPlaceholdersKeysAndEntries()
{
    QFETCH(QString, code);
    QString error;
    const QList<Message> messages
        = ReadTs(m_sourceDir + QStringLiteral("/translations/korvelin_%1.ts").arg(code), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList problems;
    for (const Message& message : messages) {
        if (message.Translation.isEmpty())
            continue;
        const QString where = QStringLiteral("%1 \"%2\"").arg(message.Context, message.Source);
        if (Placeholders(message.Translation) != Placeholders(message.Source))
            problems << QStringLiteral("placeholders differ: ") + where;
        if (AccessKeys(message.Translation) != AccessKeys(message.Source))
            problems << QStringLiteral("access keys differ: ") + where;
        if (message.Translation.count(u'|') != message.Source.count(u'|'))
            problems << QStringLiteral("list entries differ: ") + where;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
}

void TestTranslations::everyLanguage_hasItsFiles()
{
    // A translation and a guide for each listed language, and nothing for a
    // language the options do not list; the guides in plain ASCII rich text
    // (everything else as \uN), as the help reader expects of any file.
    QStringList expectedTs;
    QStringList expectedGuides { QStringLiteral("korvelinhelpfile.rtf") };
    for (const Language& language : Languages()) {
        const QString code = QString::fromLatin1(language.Code);
        if (code == QLatin1String(SourceLanguage))
            continue;
        expectedTs << QStringLiteral("korvelin_%1.ts").arg(code);
        expectedGuides << QStringLiteral("korvelinhelpfile.%1.rtf").arg(code);
    }
    expectedTs.sort();
    expectedGuides.sort();
    QDir translations(m_sourceDir + QStringLiteral("/translations"));
    QCOMPARE(translations.entryList({ QStringLiteral("*.ts") }, QDir::Files, QDir::Name), expectedTs);
    QDir data(m_sourceDir + QStringLiteral("/data"));
    QCOMPARE(
        data.entryList({ QStringLiteral("korvelinhelpfile*.rtf") }, QDir::Files, QDir::Name), expectedGuides);
    for (const QString& guide : expectedGuides) {
        QFile file(data.filePath(guide));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY2(content.startsWith("{\\rtf1"), qPrintable(guide));
        const auto outside
            = std::find_if(content.begin(), content.end(), [](char c) { return uchar(c) > 127; });
        QVERIFY2(outside == content.end(), qPrintable(guide + QStringLiteral(" holds a byte above 127")));
        // Read as the help window reads it: whole, with nothing unknown.
        QTextDocument document;
        const RtfReadResult read = ReadRtf(content, document);
        QVERIFY2(read.IsRtf && !read.Damaged, qPrintable(guide));
        QVERIFY2(read.UnknownControlWords.isEmpty(),
            qPrintable(guide + QStringLiteral(": ") + read.UnknownControlWords.join(u' ')));
        QVERIFY2(document.toPlainText().size() > 5000, qPrintable(guide));
    }
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
