// The rich-text reader: each construct on a small input, checked on the
// document's text, character formats and blocks; damaged input ending
// cleanly; the shipped operator's guide read without loss.

#include "help/rtfreader.h"

#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace kv;
using namespace Qt::StringLiterals;

namespace {

// The document's text with blocks joined by "\n" and nothing else replaced.
QString Text(const QTextDocument& document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks.append(block.text());
    return blocks.join(u'\n');
}

QTextCharFormat FormatOf(QTextDocument& document, int position)
{
    QTextCursor cursor(&document);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

QByteArray HelpFileSource()
{
    QFile file(qEnvironmentVariable("KORVELIN_SOURCE_DIR") + QStringLiteral("/data/korvelinhelpfile.rtf"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void characterFormat_data();
    void characterFormat();
    void blockFormat_data();
    void blockFormat();
    void damaged_data();
    void damaged();
    void binaryJunk_endsWithBoundedDocument();
    void unknownWords_reportedOnceOutsideSkippedGroups();
    void unknownWords_listBounded();
    void replacesEarlierContent();
    void shippedGuide_readsWithoutLoss();
    void shippedGuide_coversEveryKeyAndOption_data();
    void shippedGuide_coversEveryKeyAndOption();
};

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("paragraphs") << QByteArray(R"({\rtf1 one\par two})") << u"one\ntwo"_s;
    QTest::newRow("last paragraph mark opens nothing") << QByteArray(R"({\rtf1 one\par})") << u"one"_s;
    QTest::newRow("empty paragraph kept") << QByteArray(R"({\rtf1 a\par\par b})") << u"a\n\nb"_s;
    QTest::newRow("line break") << QByteArray(R"({\rtf1 a\line b})") << u"a\u2028b"_s;
    QTest::newRow("tab") << QByteArray(R"({\rtf1 a\tab b})") << u"a\tb"_s;
    QTest::newRow("escaped specials") << QByteArray(R"({\rtf1 \\\{\}})") << u"\\{}"_s;
    QTest::newRow("backslash newline is a paragraph") << QByteArray("{\\rtf1 a\\\nb}") << u"a\nb"_s;
    QTest::newRow("raw line ends ignored") << QByteArray("{\\rtf1 a\r\nb}") << u"ab"_s;
    QTest::newRow("space ends a control word") << QByteArray(R"({\rtf1\b  a})") << u" a"_s;
    QTest::newRow("cp1252 by default") << QByteArray(R"({\rtf1\ansi caf\'e9 \'80\'96})") << u"café €–"_s;
    QTest::newRow("document code page 1250") << QByteArray(R"({\rtf1\ansi\ansicpg1250 \'b9})") << u"ą"_s;
    QTest::newRow("font charset 204 is Cyrillic")
        << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset204 Arial;}}\f0 \'c0})") << u"А"_s;
    QTest::newRow("unicode skips one") << QByteArray(R"({\rtf1\uc1 \u8364?x})") << u"€x"_s;
    QTest::newRow("unicode skips two escapes") << QByteArray(R"({\rtf1\uc2 \u8364\'80\'80x})") << u"€x"_s;
    QTest::newRow("negative unicode") << QByteArray(R"({\rtf1 \u-3913?})") << u"\uF0B7"_s;
    QTest::newRow("uc belongs to its group") << QByteArray(R"({\rtf1{\uc0\u233 x}\u233 yz})") << u"éxéz"_s;
    QTest::newRow("lone surrogate replaced") << QByteArray(R"({\rtf1 \u55357?a})") << u"\uFFFDa"_s;
    QTest::newRow("surrogate pair kept")
        << QByteArray(R"({\rtf1 \u-10179?\u-8704?})") << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("star destination skipped")
        << QByteArray(R"({\rtf1 a{\*\generator Foo 1.0;}b})") << u"ab"_s;
    QTest::newRow("picture skipped") << QByteArray(R"({\rtf1 a{\pict\wmetafile8 0102ff}b})") << u"ab"_s;
    QTest::newRow("binary in a picture skipped") << QByteArray(R"({\rtf1 a{\pict\bin3 }}\}b})") << u"ab"_s;
    QTest::newRow("info and stylesheet skipped")
        << QByteArray(R"({\rtf1{\info{\title T}{\author A}}{\stylesheet{\s0 Normal;}}x})") << u"x"_s;
    QTest::newRow("font and colour tables not shown")
        << QByteArray(R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red1\green2\blue3;}x})") << u"x"_s;
    QTest::newRow("named characters")
        << QByteArray(R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})") << u"—–•‘’“”"_s;
    QTest::newRow("non-breaking space and hyphen")
        << QByteArray(R"({\rtf1 a\~b\_c\-d})") << u"a\u00A0b\u2011cd"_s;
    QTest::newRow("hidden text") << QByteArray(R"({\rtf1 a{\v secret}b})") << u"ab"_s;
    QTest::newRow("field shows its result")
        << QByteArray(R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})") << u"link"_s;
    QTest::newRow("WordPad bullet") << QByteArray(
        R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\pntext\f1\'b7\tab}{\*\pn\pnlvlblt\pnf1{\pntxtb\'b7}}\fi-360\li720 item\par})")
                                    << u"•\titem"_s;
    QTest::newRow("Word bullet") << QByteArray(
        R"({\rtf1{\fonttbl{\f3\fbidi\froman\fcharset2{\*\panose 05050102010706020507}Symbol;}}{\listtext\pard\plain\f3 \'b7\tab}\ls1\ilvl0 item})")
                                 << u"•\titem"_s;
    QTest::newRow("numbered list") << QByteArray(
        R"({\rtf1{\listtext 1.\tab}First\par{\listtext 2.\tab}Second})")
                                   << u"1.\tFirst\n2.\tSecond"_s;
    QTest::newRow("table rows as text rows") << QByteArray(
        R"({\rtf1\trowd\cellx1000\cellx2000\intbl A\cell B\cell\row\trowd\intbl C\cell\cell E\cell\row})")
                                             << u"A\tB\nC\t\tE"_s;
    QTest::newRow("text before the header read") << QByteArray("plain words") << u"plain words"_s;
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    const RtfReadResult result = ReadRtf(rtf, document);
    QCOMPARE(Text(document), text);
    QCOMPARE(result.IsRtf, rtf.startsWith("{\\rtf"));
    QVERIFY(!result.Damaged);
}

void TestRtfReader::characterFormat_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");
    const QByteArray fonts = R"({\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}})";
    const QByteArray colours = R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})";
    QTest::newRow("bold on") << QByteArray(R"({\rtf1 a\b b\b0 c})") << 1 << "bold" << QVariant(true);
    QTest::newRow("bold off") << QByteArray(R"({\rtf1 a\b b\b0 c})") << 2 << "bold" << QVariant(false);
    QTest::newRow("bold ends with its group")
        << QByteArray(R"({\rtf1{\b a}b})") << 1 << "bold" << QVariant(false);
    QTest::newRow("italic") << QByteArray(R"({\rtf1\i a})") << 0 << "italic" << QVariant(true);
    QTest::newRow("italic zero") << QByteArray(R"({\rtf1\i\i0 a})") << 0 << "italic" << QVariant(false);
    QTest::newRow("underline") << QByteArray(R"({\rtf1\ul a})") << 0 << "underline" << QVariant(true);
    QTest::newRow("underline none") << QByteArray(R"({\rtf1\ul\ulnone a})") << 0 << "underline"
                                    << QVariant(false);
    QTest::newRow("strike") << QByteArray(R"({\rtf1\strike a})") << 0 << "strike" << QVariant(true);
    QTest::newRow("default size 12") << QByteArray(R"({\rtf1 a})") << 0 << "size" << QVariant(12.0);
    QTest::newRow("size in half points") << QByteArray(R"({\rtf1\fs36 a})") << 0 << "size" << QVariant(18.0);
    QTest::newRow("huge size bounded")
        << QByteArray(R"({\rtf1\fs99999999999999999999 a})") << 0 << "size" << QVariant(300.0);
    QTest::newRow("plain resets") << QByteArray(R"({\rtf1\b\fs40 a\plain b})") << 1 << "bold"
                                  << QVariant(false);
    QTest::newRow("plain resets size")
        << QByteArray(R"({\rtf1\b\fs40 a\plain b})") << 1 << "size" << QVariant(12.0);
    QTest::newRow("font from the table")
        << QByteArray(R"({\rtf1)" + fonts + R"(\f1 a})") << 0 << "family" << QVariant(u"Courier New"_s);
    QTest::newRow("default font") << QByteArray(R"({\rtf1\deff0)" + fonts + R"( a})") << 0 << "family"
                                  << QVariant(u"Arial"_s);
    QTest::newRow("unknown font number")
        << QByteArray(R"({\rtf1)" + fonts + R"(\f9 a})") << 0 << "family" << QVariant(QString());
    QTest::newRow("colour from the table")
        << QByteArray(R"({\rtf1)" + colours + R"(\cf2 a})") << 0 << "color" << QVariant(QColor(0, 0, 255));
    QTest::newRow("colour 0 is automatic")
        << QByteArray(R"({\rtf1)" + colours + R"(\cf0 a})") << 0 << "color" << QVariant(QColor());
    QTest::newRow("colour beyond the table")
        << QByteArray(R"({\rtf1)" + colours + R"(\cf99 a})") << 0 << "color" << QVariant(QColor());
    QTest::newRow("highlight") << QByteArray(R"({\rtf1)" + colours + R"(\highlight1 a})") << 0 << "background"
                               << QVariant(QColor(255, 0, 0));
    QTest::newRow("superscript") << QByteArray(R"({\rtf1\super a})") << 0 << "super" << QVariant(true);
}

void TestRtfReader::characterFormat()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, position);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    QTextDocument document;
    ReadRtf(rtf, document);
    const QTextCharFormat format = FormatOf(document, position);
    QVariant actual;
    if (property == u"bold")
        actual = format.fontWeight() >= QFont::Bold;
    else if (property == u"italic")
        actual = format.fontItalic();
    else if (property == u"underline")
        actual = format.fontUnderline();
    else if (property == u"strike")
        actual = format.fontStrikeOut();
    else if (property == u"size")
        actual = format.fontPointSize();
    else if (property == u"family")
        actual = format.fontFamilies().toStringList().value(0);
    else if (property == u"color")
        actual = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor();
    else if (property == u"background")
        actual = format.background().color();
    else if (property == u"super")
        actual = format.verticalAlignment() == QTextCharFormat::AlignSuperScript;
    QCOMPARE(actual, expected);
}

void TestRtfReader::blockFormat_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("block");
    QTest::addColumn<QString>("property");
    QTest::addColumn<double>("expected");
    QTest::newRow("centred") << QByteArray(R"({\rtf1\qc a})") << 0 << "align" << double(Qt::AlignHCenter);
    QTest::newRow("right") << QByteArray(R"({\rtf1\qr a\par})") << 0 << "align" << double(Qt::AlignRight);
    QTest::newRow("justified") << QByteArray(R"({\rtf1\qj a})") << 0 << "align" << double(Qt::AlignJustify);
    QTest::newRow("pard resets") << QByteArray(R"({\rtf1\qc a\par\pard b})") << 1 << "align"
                                 << double(Qt::AlignLeft);
    QTest::newRow("properties at the mark count")
        << QByteArray(R"({\rtf1 a\qc\par b})") << 0 << "align" << double(Qt::AlignHCenter);
    QTest::newRow("space before 240 twips") << QByteArray(R"({\rtf1\sb240 a})") << 0 << "top" << 16.0;
    QTest::newRow("space after 120 twips") << QByteArray(R"({\rtf1\sa120 a})") << 0 << "bottom" << 8.0;
    QTest::newRow("left indent") << QByteArray(R"({\rtf1\li720 a})") << 0 << "left" << 48.0;
    QTest::newRow("right indent") << QByteArray(R"({\rtf1\ri360 a})") << 0 << "right" << 24.0;
    QTest::newRow("hanging first line") << QByteArray(R"({\rtf1\li720\fi-360 a})") << 0 << "indent" << -24.0;
    QTest::newRow("hanging tab at the text edge")
        << QByteArray(R"({\rtf1\li720\fi-360 a})") << 0 << "tab" << 24.0;
    QTest::newRow("indent bounded") << QByteArray(R"({\rtf1\li2000000000 a})") << 0 << "left" << 2112.0;
    QTest::newRow("negative space refused") << QByteArray(R"({\rtf1\sb-500 a})") << 0 << "top" << 0.0;
    QTest::newRow("line spacing 1.5") << QByteArray(R"({\rtf1\sl360\slmult1 a})") << 0 << "line" << 150.0;
    QTest::newRow("paragraph props end with the group")
        << QByteArray(R"({\rtf1{\qc a\par}b})") << 1 << "align" << double(Qt::AlignLeft);
}

void TestRtfReader::blockFormat()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, block);
    QFETCH(QString, property);
    QFETCH(double, expected);
    QTextDocument document;
    ReadRtf(rtf, document);
    QVERIFY(block < document.blockCount());
    const QTextBlockFormat format = document.findBlockByNumber(block).blockFormat();
    double actual = -1;
    if (property == u"align")
        actual = double(format.alignment() & Qt::AlignHorizontal_Mask);
    else if (property == u"top")
        actual = format.topMargin();
    else if (property == u"bottom")
        actual = format.bottomMargin();
    else if (property == u"left")
        actual = format.leftMargin();
    else if (property == u"right")
        actual = format.rightMargin();
    else if (property == u"indent")
        actual = format.textIndent();
    else if (property == u"tab")
        actual = format.tabPositions().value(0).position;
    else if (property == u"line")
        actual = format.lineHeight();
    QCOMPARE(actual, expected);
}

void TestRtfReader::damaged_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("unclosed groups") << QByteArray(R"({\rtf1 {\b abc)") << u"abc"_s << true;
    QTest::newRow("extra closing brace") << QByteArray(R"({\rtf1 a}}b)") << u"ab"_s << true;
    QTest::newRow("truncated hex escape") << QByteArray(R"({\rtf1 a\'4)") << u"a"_s << true;
    QTest::newRow("bad hex escape") << QByteArray(R"({\rtf1 a\'zzb})") << u"azzb"_s << true;
    QTest::newRow("backslash at the end") << QByteArray(R"({\rtf1 a\)") << u"a"_s << true;
    QTest::newRow("huge binary length") << QByteArray(R"({\rtf1 a\bin99999999999999 xyz})") << u"a"_s << true;
    QTest::newRow("negative binary length") << QByteArray(R"({\rtf1 a\bin-5 b})") << u"ab"_s << false;
    QTest::newRow("huge skip count") << QByteArray(R"({\rtf1\uc999999 \u233 abc})") << u"é"_s << false;
    QTest::newRow("huge parameter") << QByteArray(R"({\rtf1\li-99999999999999999999 a})") << u"a"_s << false;
    QTest::newRow("star at document level keeps the text")
        << QByteArray(R"({\rtf1\*\generator x;b})") << u"x;b"_s << false;
    QByteArray deep = "{\\rtf1 ";
    for (int i = 0; i < 100000; ++i)
        deep += "{\\b ";
    deep += "x";
    deep += QByteArray(100000, '}');
    deep += "y}";
    QTest::newRow("deep nesting") << deep << u"xy"_s << true;
    QByteArray longWord = "{\\rtf1 \\" + QByteArray(100000, 'a') + " b}";
    QTest::newRow("endless control word") << longWord << u"b"_s << false;
}

void TestRtfReader::damaged()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(bool, damaged);
    QTextDocument document;
    const RtfReadResult result = ReadRtf(rtf, document);
    QCOMPARE(Text(document), text);
    QCOMPARE(result.Damaged, damaged);
}

void TestRtfReader::binaryJunk_endsWithBoundedDocument()
{
    QRandomGenerator random(20261207);
    QByteArray junk(256 * 1024, '\0');
    for (char& byte : junk)
        byte = static_cast<char>(random.bounded(256));
    junk.prepend("{\\rtf1 ");
    QTextDocument document;
    const RtfReadResult result = ReadRtf(junk, document);
    QVERIFY(result.IsRtf);
    // Never more characters than bytes read.
    QVERIFY(document.characterCount() <= junk.size() + 1);
    QVERIFY(result.UnknownControlWords.size() <= MaxUnknownWords);
}

void TestRtfReader::unknownWords_reportedOnceOutsideSkippedGroups()
{
    QTextDocument document;
    const RtfReadResult result = ReadRtf(R"({\rtf1\foo a\bar1 b\foo{\*\baz c}{\pict\qux d}})", document);
    QCOMPARE(result.UnknownControlWords, QStringList({ u"foo"_s, u"bar"_s }));
    QCOMPARE(Text(document), u"ab"_s);
}

void TestRtfReader::unknownWords_listBounded()
{
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 1000; ++i)
        rtf += "\\zz" + QByteArray(1, char('a' + i % 26)) + QByteArray(1, char('a' + i / 26)) + " ";
    rtf += "}";
    QTextDocument document;
    QCOMPARE(ReadRtf(rtf, document).UnknownControlWords.size(), MaxUnknownWords);
}

void TestRtfReader::replacesEarlierContent()
{
    QTextDocument document;
    document.setPlainText(u"old text"_s);
    ReadRtf(R"({\rtf1 new})", document);
    QCOMPARE(Text(document), u"new"_s);
    QVERIFY(!document.isUndoAvailable());
}

void TestRtfReader::shippedGuide_readsWithoutLoss()
{
    const QByteArray guide = HelpFileSource();
    QVERIFY2(!guide.isEmpty(), "data/korvelinhelpfile.rtf not found");
    QTextDocument document;
    const RtfReadResult result = ReadRtf(guide, document);
    QVERIFY(result.IsRtf);
    QVERIFY(!result.Damaged);
    QCOMPARE(result.UnknownControlWords, QStringList());
    // Headings are bold and larger than the body, lists carry bullets.
    int headings = 0;
    int bullets = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextCharFormat format = block.begin().fragment().charFormat();
        if (format.fontWeight() >= QFont::Bold && format.fontPointSize() > 12)
            ++headings;
        if (block.text().startsWith(u"\u2022\t"))
            ++bullets;
    }
    QVERIFY2(headings >= 8, qPrintable(QString::number(headings)));
    QVERIFY2(bullets >= 20, qPrintable(QString::number(bullets)));
}

void TestRtfReader::shippedGuide_coversEveryKeyAndOption_data()
{
    QTest::addColumn<QString>("phrase");
    for (const char* phrase : { "Running a contest", "Start / Stop Contest Clock", "Reset Contest", "Delete",
             "Left arrow", "Right arrow", "Up arrow", "Down arrow", "F1", "F2", "NumLock", "Normal Mode",
             "Keep Numlock On", "Keep Numlock Off", "Reset Keys", "Reset Colors", "Back Color",
             "LED Background", "Border Color", "Score Color", "Hold Color", "Time Color", "LED Selected",
             "Board Name", "Home Name", "Visitor Name", "Home Picture", "Visitor Picture", "Digit Type",
             "Lines", "Dots", "Change Sound", "No Sound", "Select Sound Key", "S4-H", "waza-ari", "yuko",
             "shido", "ippon", "osaekomi", "medical", "9:59", "bypass", "--audience", "contest restored",
             "completed seconds", "A contest is running. Close Korvelin anyway?" })
        QTest::newRow(phrase) << QString::fromUtf8(phrase);
}

void TestRtfReader::shippedGuide_coversEveryKeyAndOption()
{
    QFETCH(QString, phrase);
    QTextDocument document;
    ReadRtf(HelpFileSource(), document);
    QVERIFY2(Text(document).contains(phrase, Qt::CaseInsensitive), qPrintable(phrase));
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
