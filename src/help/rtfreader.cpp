#include "help/rtfreader.h"

#include <QColor>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace kv {

namespace {

// Lengths in the file are twips; the document counts logical pixels.
constexpr double TwipsPerDocumentPixel = 15.0;
// Bounds on what a file may ask for, so that a hostile number cannot make a
// layout of absurd size: 22 inches of indent or spacing, 1..300 pt type.
constexpr int MaxTwips = 31680;
constexpr int MinHalfPoints = 2;
constexpr int MaxHalfPoints = 600;
constexpr int DefaultHalfPoints = 24;
constexpr int MaxControlWordLength = 32;
constexpr int MaxSkipCount = 16;
constexpr int SymbolCodePage = 42;

// Windows-1252 bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> Cp1252High = { 0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020,
    0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C,
    0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178 };

char16_t FromCp1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return Cp1252High[byte - 0x80];
    return byte;
}

// The bullets word processors write in the Symbol and Wingdings fonts.
char16_t FromSymbolFont(unsigned char byte)
{
    switch (byte) {
    case 0xB7:
        return 0x2022; // bullet
    case 0xA7:
        return 0x25AA; // small square
    case 0xD8:
        return 0x27A2; // arrowhead
    case 0xFC:
        return 0x2713; // check mark
    default:
        return FromCp1252(byte);
    }
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int CodePageOfCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 2:
        return SymbolCodePage;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return documentCodePage;
    }
}

QByteArray CodecName(int codePage)
{
    switch (codePage) {
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 10000:
        return "macintosh";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

enum class Destination
{
    Text, // visible text
    Skip, // read past: pictures, document information, unknown \* groups
    FontTable,
    ColorTable,
};

struct CharProps
{
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strike = false;
    bool Hidden = false;
    int Font = -1;
    int HalfPoints = DefaultHalfPoints;
    int Color = 0;
    int Highlight = 0;
    int VerticalAlign = 0; // 0 normal, 1 superscript, 2 subscript
    bool operator==(const CharProps&) const = default;
};

struct ParaProps
{
    Qt::Alignment Align = Qt::AlignLeft;
    int SpaceBefore = 0;
    int SpaceAfter = 0;
    int LeftIndent = 0;
    int RightIndent = 0;
    int FirstIndent = 0;
    int LineSpacing = 0;
    bool LineMultiple = false;
    bool operator==(const ParaProps&) const = default;
};

struct GroupState
{
    Destination Dest = Destination::Text;
    CharProps Char;
    ParaProps Para;
    int SkipCount = 1; // \ucN: characters that follow each \uN
};

struct FontEntry
{
    QString Name;
    int CodePage = 0;
};

enum class Word
{
    Unknown,
    Ignored,
    // destinations
    FontTable,
    ColorTable,
    SkipDestination,
    TextDestination,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    // font table
    Font,
    FontCharset,
    FontCodePage,
    // colour table
    Red,
    Green,
    Blue,
    // characters
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    FontSize,
    ForeColor,
    BackColor,
    Super,
    Sub,
    NoSuperSub,
    Unicode,
    UnicodeSkip,
    Binary,
    // paragraphs
    Pard,
    Par,
    Line,
    Tab,
    Cell,
    Row,
    AlignLeft,
    AlignRight,
    AlignCenter,
    AlignJustify,
    SpaceBefore,
    SpaceAfter,
    LeftIndent,
    RightIndent,
    FirstIndent,
    LineSpacing,
    LineMultiple,
    // single characters
    Character,
};

struct WordInfo
{
    Word Kind;
    char16_t Character = 0;
};

const QHash<QByteArray, WordInfo>& Words()
{
    static const QHash<QByteArray, WordInfo> words = [] {
        QHash<QByteArray, WordInfo> w;
        const auto add = [&w](const char* name, Word kind, char16_t character = 0) {
            w.insert(QByteArray(name), WordInfo { kind, character });
        };
        add("fonttbl", Word::FontTable);
        add("colortbl", Word::ColorTable);
        for (const char* name : { "stylesheet", "info", "pict", "object", "header", "headerl", "headerr",
                 "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation", "fldinst",
                 "listtable", "listoverridetable", "revtbl", "rsidtbl", "themedata", "colorschememapping",
                 "latentstyles", "datastore", "xmlnstbl", "filetbl", "pn", "pnseclvl", "nonshppict", "xe",
                 "tc", "txe", "do", "shp", "template", "private", "generator", "userprops", "mmathPr",
                 "wgrffmtfilter", "defchp", "defpap", "pgdsctbl", "fchars", "lchars" })
            add(name, Word::SkipDestination);
        for (const char* name : { "listtext", "pntext", "field", "fldrslt", "result" })
            add(name, Word::TextDestination);
        add("ansi", Word::Ansi);
        add("mac", Word::Mac);
        add("pc", Word::Pc);
        add("pca", Word::Pca);
        add("ansicpg", Word::AnsiCodePage);
        add("deff", Word::DefaultFont);
        add("f", Word::Font);
        add("fcharset", Word::FontCharset);
        add("cpg", Word::FontCodePage);
        add("red", Word::Red);
        add("green", Word::Green);
        add("blue", Word::Blue);
        add("plain", Word::Plain);
        add("b", Word::Bold);
        add("i", Word::Italic);
        for (const char* name :
            { "ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulth", "ulw", "ulwave" })
            add(name, Word::Underline);
        add("ulnone", Word::UnderlineNone);
        add("strike", Word::Strike);
        add("striked", Word::Strike);
        add("v", Word::Hidden);
        add("fs", Word::FontSize);
        add("cf", Word::ForeColor);
        add("cb", Word::BackColor);
        add("highlight", Word::BackColor);
        add("chcbpat", Word::BackColor);
        add("super", Word::Super);
        add("up", Word::Super);
        add("sub", Word::Sub);
        add("dn", Word::Sub);
        add("nosupersub", Word::NoSuperSub);
        add("u", Word::Unicode);
        add("uc", Word::UnicodeSkip);
        add("bin", Word::Binary);
        add("pard", Word::Pard);
        add("par", Word::Par);
        add("sect", Word::Par);
        add("page", Word::Par);
        add("line", Word::Line);
        add("tab", Word::Tab);
        add("cell", Word::Cell);
        add("nestcell", Word::Cell);
        add("row", Word::Row);
        add("nestrow", Word::Row);
        add("ql", Word::AlignLeft);
        add("qr", Word::AlignRight);
        add("qc", Word::AlignCenter);
        add("qj", Word::AlignJustify);
        add("qd", Word::AlignJustify);
        add("sb", Word::SpaceBefore);
        add("sa", Word::SpaceAfter);
        add("li", Word::LeftIndent);
        add("lin", Word::LeftIndent);
        add("ri", Word::RightIndent);
        add("rin", Word::RightIndent);
        add("fi", Word::FirstIndent);
        add("sl", Word::LineSpacing);
        add("slmult", Word::LineMultiple);
        add("emdash", Word::Character, 0x2014);
        add("endash", Word::Character, 0x2013);
        add("emspace", Word::Character, 0x2003);
        add("enspace", Word::Character, 0x2002);
        add("qmspace", Word::Character, 0x2005);
        add("bullet", Word::Character, 0x2022);
        add("lquote", Word::Character, 0x2018);
        add("rquote", Word::Character, 0x2019);
        add("ldblquote", Word::Character, 0x201C);
        add("rdblquote", Word::Character, 0x201D);
        // Words that change nothing this reader shows: document and section
        // setup, revision marks, styles, languages, table and list geometry,
        // borders, tab stops, keep-together and the like.
        for (const char* name : { "rtf", "deflang", "deflangfe", "adeflang", "stshfdbch", "stshfloch",
                 "stshfhich", "stshfbi", "viewkind", "viewscale", "viewzk", "lang", "langfe", "langnp",
                 "langfenp", "alang", "nowidctlpar", "widctlpar", "widowctrl", "ftnbj", "aenddoc", "ftnnar",
                 "aftnnrlc", "noxlattoyen", "expshrtn", "noultrlspc", "dntblnsbdb", "nospaceforul",
                 "formshade", "horzdoc", "dgmargin", "dghspace", "dgvspace", "dghorigin", "dgvorigin",
                 "dghshow", "dgvshow", "jexpand", "pgbrdrhead", "pgbrdrfoot", "splytwnine", "ftnlytwnine",
                 "htmautsp", "nolnhtadjtbl", "useltbaln", "alntblind", "lytcalctblwd", "lyttblrtgr",
                 "lnbrkrule", "nobrkwrptbl", "snaptogridincell", "allowfieldendsel", "wrppunct",
                 "asianbrkrule", "rsidroot", "newtblstyruls", "nogrowautofit", "usenormstyforlist",
                 "noindnmbrts", "felnbrelev", "nocxsptable", "indrlsweleven", "noafcnsttbl", "afelev",
                 "utinl", "hwelev", "spltpgpar", "notcvasp", "notbrkcnstfrctbl", "notvatxbx", "krnprsnet",
                 "cachedcolbal", "nouicompat", "fet", "paperw", "paperh", "margl", "margr", "margt", "margb",
                 "gutter", "margmirror", "landscape", "ltrsect", "rtlsect", "sectd", "sbknone", "sbkpage",
                 "sbkcol", "linex", "headery", "footery", "cols", "colsx", "endnhere", "sectlinegrid",
                 "sectdefaultcl", "sftnbj", "pgwsxn", "pghsxn", "marglsxn", "margrsxn", "margtsxn",
                 "margbsxn", "ltrpar", "rtlpar", "ltrch", "rtlch", "ltrrow", "rtlrow", "ltrdoc", "rtldoc",
                 "s", "cs", "ds", "ts", "aspalpha", "aspnum", "faauto", "fafixed", "adjustright", "itap",
                 "hich", "loch", "dbch", "af", "afs", "ab", "ai", "insrsid", "charrsid", "rsid", "pararsid",
                 "sectrsid", "tblrsid", "delrsid", "kerning", "expnd", "expndtw", "charscalex", "cgrid",
                 "noproof", "caps", "scaps", "outl", "shad", "embo", "impr", "fnil", "froman", "fswiss",
                 "fmodern", "fscript", "fdecor", "ftech", "fbidi", "fprq", "flomajor", "fhimajor", "fdbmajor",
                 "fbimajor", "flominor", "fhiminor", "fdbminor", "fbiminor", "trowd", "trgaph", "trleft",
                 "trql", "trqr", "trqc", "trrh", "cellx", "clvertalt", "clvertalc", "clvertalb", "clbrdrt",
                 "clbrdrl", "clbrdrb", "clbrdrr", "brdrs", "brdrw", "brdrcf", "brdrnone", "brdrth", "brdrdb",
                 "brdrsh", "brsp", "trbrdrt", "trbrdrl", "trbrdrb", "trbrdrr", "trbrdrh", "trbrdrv",
                 "trautofit", "trpaddl", "trpaddr", "trpaddt", "trpaddb", "trpaddfl", "trpaddfr", "trpaddft",
                 "trpaddfb", "trspdl", "trspdr", "trspdfl", "trspdfr", "tblind", "tblindtype", "trftsWidth",
                 "trwWidth", "trftsWidthB", "trftsWidthA", "trwWidthA", "clftsWidth", "clwWidth", "clvmgf",
                 "clvmrg", "clcbpat", "clcfpat", "clshdng", "clpadl", "clpadr", "clpadfl", "clpadfr", "intbl",
                 "lastrow", "trhdr", "irow", "irowband", "tblrsid", "tbllkhdrrows", "tbllklastrow",
                 "tbllkhdrcols", "tbllklastcol", "tbllknocolband", "tblstyle", "ls", "ilvl", "pnlvlblt",
                 "pnlvlbody", "pnlvlcont", "pndec", "pnstart", "pnindent", "pnf", "pnfs", "pntxta", "pntxtb",
                 "pnhang", "pnucltr", "pnlcltr", "pnucrm", "pnlcrm", "pnord", "pncard", "pnlvl", "pnsp",
                 "pnrnot", "pnqc", "pnql", "pnqr", "tx", "tqr", "tqc", "tqdec", "tldot", "tlhyph", "tlul",
                 "tlth", "tleq", "tb", "jclisttab", "keep", "keepn", "pagebb", "outlinelevel", "sbauto",
                 "saauto", "contextualspacing", "hyphpar", "nowwrap", "box", "brdrt", "brdrb", "brdrl",
                 "brdrr", "brdrbtw", "brdrbar", "shading", "cfpat", "cbpat", "noline", "hyphauto", "hyphcaps",
                 "hyphconsec", "hyphhotz", "deftab", "facingp", "titlepg", "psz", "upr", "ud", "zwj", "zwnj",
                 "ltrmark", "rtlmark", "chbrdr", "chshdng", "chcfpat", "ulc", "accnone", "animtext",
                 "sectunlocked", "pgnstarts", "pgnrestart", "pgndec", "linemod", "vertalt", "nocolbal",
                 "noextrasprl", "prcolbl", "cvmme", "sprstsp", "sprsspbf", "otblrul", "transmf", "swpbdr",
                 "brkfrm", "validatexml", "showplaceholdtext", "ignoremixedcontent", "saveinvalidxml",
                 "showxmlerrors", "jcompress", "viewnobound", "fromtext", "nolead", "nolnhtadjtbl" })
            add(name, Word::Ignored);
        return w;
    }();
    return words;
}

class Reader final
{
public:
    Reader(const QByteArray& data, QTextDocument& document)
        : m_data(data)
        , m_cursor(&document)
    { }

    RtfReadResult Read();

private:
    GroupState& State() { return m_stack.back(); }

    void OpenGroup();
    void CloseGroup();
    void ReadControl();
    void ControlSymbol(char symbol);
    void ControlWord(const QByteArray& name, std::optional<int> parameter);
    void TextByte(unsigned char byte);
    void HexByte(unsigned char byte);
    void Emit(char16_t character);
    void EmitVisible(char16_t character);
    void FlushBytes();
    void FlushRun();
    void EndParagraph();
    void NoteUnknown(const QByteArray& name);

    QTextCharFormat CharFormat(const CharProps& props) const;
    QTextBlockFormat BlockFormat(const ParaProps& props) const;
    // Formats already built, so that each is made (and hashed by the
    // document) once rather than for every run and paragraph.
    const QTextCharFormat& CachedCharFormat(const CharProps& props);
    const QTextBlockFormat& CachedBlockFormat(const ParaProps& props);
    void SetBlockFormat(const ParaProps& props);
    int CurrentCodePage() const;
    QString Decode(const QByteArray& bytes, int codePage);

    const QByteArray& m_data;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;
    RtfReadResult m_result;
    QSet<QByteArray> m_unknown;

    std::vector<GroupState> m_stack;
    int m_excessDepth = 0; // groups opened beyond MaxRtfGroupDepth
    int m_skipPending = 0; // characters still to skip after a \uN

    int m_documentCodePage = 1252;
    int m_defaultFont = -1;
    QHash<int, FontEntry> m_fonts;
    int m_fontTableCurrent = -1;
    QString m_fontName;
    std::vector<std::optional<QColor>> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorGiven = false;

    QByteArray m_bytes; // pending 8-bit characters, decoded together
    int m_bytesCodePage = 1252;
    std::map<int, QStringDecoder> m_decoders;

    QString m_run;
    CharProps m_runProps;
    ParaProps m_blockProps;
    bool m_blockHasText = false;
    ParaProps m_blockFormatProps; // what the current block was given
    std::vector<std::pair<CharProps, QTextCharFormat>> m_charFormats;
    std::vector<std::pair<ParaProps, QTextBlockFormat>> m_blockFormats;
    int m_pendingCells = 0;
};

RtfReadResult Reader::Read()
{
    qsizetype start = 0;
    while (start < m_data.size() && QChar::isSpace(static_cast<unsigned char>(m_data[start])))
        ++start;
    m_result.IsRtf = m_data.mid(start, 5) == "{\\rtf";

    m_stack.reserve(MaxRtfGroupDepth + 1);
    m_stack.emplace_back();
    m_cursor.beginEditBlock();
    m_cursor.setBlockFormat(CachedBlockFormat(m_blockFormatProps));
    const qsizetype size = m_data.size();
    while (m_pos < size) {
        const auto c = static_cast<unsigned char>(m_data[m_pos]);
        switch (c) {
        case '{':
            ++m_pos;
            OpenGroup();
            break;
        case '}':
            ++m_pos;
            CloseGroup();
            break;
        case '\\':
            ReadControl();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            ++m_pos;
            TextByte(c);
            break;
        }
    }
    FlushBytes();
    if (m_stack.size() > 1 || m_excessDepth > 0)
        m_result.Damaged = true;
    FlushRun();
    if (m_blockHasText) {
        SetBlockFormat(m_blockProps);
    } else if (m_cursor.block().length() == 1 && m_cursor.blockNumber() > 0) {
        // The mark of the last paragraph opens no paragraph of its own.
        m_cursor.deletePreviousChar();
    }
    m_cursor.endEditBlock();
    return m_result;
}

void Reader::OpenGroup()
{
    FlushBytes();
    m_skipPending = 0;
    if (static_cast<int>(m_stack.size()) > MaxRtfGroupDepth) {
        ++m_excessDepth;
        m_result.Damaged = true;
        return;
    }
    m_stack.push_back(m_stack.back());
}

void Reader::CloseGroup()
{
    FlushBytes();
    m_skipPending = 0;
    if (m_excessDepth > 0) {
        --m_excessDepth;
        return;
    }
    if (m_stack.size() <= 1) {
        m_result.Damaged = true; // a closing brace without its group
        return;
    }
    const Destination leaving = State().Dest;
    if (leaving == Destination::FontTable && m_fontTableCurrent >= 0 && !m_fontName.trimmed().isEmpty()) {
        // A font entry without its closing ';'.
        m_fonts[m_fontTableCurrent].Name = m_fontName.trimmed();
        m_fontName.clear();
        m_charFormats.clear();
    }
    m_stack.pop_back();
}

void Reader::ReadControl()
{
    const qsizetype size = m_data.size();
    ++m_pos; // the backslash
    if (m_pos >= size) {
        m_result.Damaged = true;
        return;
    }
    const char first = m_data[m_pos];
    if (!QChar::isLetter(static_cast<unsigned char>(first)) || static_cast<unsigned char>(first) >= 0x80) {
        ++m_pos;
        ControlSymbol(first);
        return;
    }
    QByteArray name;
    while (m_pos < size) {
        const auto c = static_cast<unsigned char>(m_data[m_pos]);
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            break;
        if (name.size() < MaxControlWordLength)
            name.append(static_cast<char>(c));
        ++m_pos;
    }
    std::optional<int> parameter;
    bool negative = false;
    if (m_pos < size && m_data[m_pos] == '-' && m_pos + 1 < size && m_data[m_pos + 1] >= '0'
        && m_data[m_pos + 1] <= '9') {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && m_data[m_pos] >= '0' && m_data[m_pos] <= '9') {
        // Saturate rather than overflow: a number of any length is read whole.
        qint64 value = 0;
        while (m_pos < size && m_data[m_pos] >= '0' && m_data[m_pos] <= '9') {
            value = std::min<qint64>(value * 10 + (m_data[m_pos] - '0'), qint64(1) << 31);
            ++m_pos;
        }
        if (negative)
            value = -value;
        parameter = static_cast<int>(std::clamp<qint64>(value, -2147483647, 2147483647));
    }
    if (m_pos < size && m_data[m_pos] == ' ')
        ++m_pos;
    ControlWord(name, parameter);
}

void Reader::ControlSymbol(char symbol)
{
    if (symbol == '\'') {
        // \'hh: one 8-bit character in the code page.
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_data.size()) {
            const int digit = HexDigit(m_data[m_pos]);
            if (digit < 0)
                break;
            value = value * 16 + digit;
            ++digits;
            ++m_pos;
        }
        if (digits < 2) {
            m_result.Damaged = true;
            return;
        }
        if (m_skipPending > 0) {
            --m_skipPending;
            return;
        }
        HexByte(static_cast<unsigned char>(value));
        return;
    }
    if (symbol == '*') {
        // An optional destination this reader does not read: skip its group
        // (never the document's own group, whatever a damaged file says).
        if (m_stack.size() > 2)
            State().Dest = Destination::Skip;
        return;
    }
    if (m_skipPending > 0) {
        --m_skipPending;
        return;
    }
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        TextByte(static_cast<unsigned char>(symbol));
        break;
    case '~':
        Emit(0x00A0);
        break;
    case '_':
        Emit(0x2011);
        break;
    case '\r':
    case '\n':
        FlushBytes();
        if (State().Dest == Destination::Text)
            EndParagraph();
        break;
    case '\t':
        Emit(u'\t');
        break;
    default:
        // \- optional hyphen, \: index subentry, \| formula: nothing to show.
        break;
    }
}

void Reader::ControlWord(const QByteArray& name, std::optional<int> parameter)
{
    FlushBytes();
    GroupState& state = State();
    const auto found = Words().constFind(name);
    const WordInfo info = found == Words().constEnd() ? WordInfo { Word::Unknown } : *found;
    if (info.Kind == Word::Binary) {
        // \binN: N raw bytes follow, whatever the destination.
        const qint64 length = std::max(0, parameter.value_or(0));
        m_pos = std::min<qint64>(m_pos + length, m_data.size());
        m_skipPending = 0;
        return;
    }
    if (m_skipPending > 0) {
        --m_skipPending;
        return;
    }
    if (state.Dest == Destination::Skip)
        return;
    const int value = parameter.value_or(0);
    const bool on = !parameter || *parameter != 0;
    const auto twips = [value] { return std::clamp(value, -MaxTwips, MaxTwips); };

    switch (info.Kind) {
    case Word::Unknown:
        NoteUnknown(name);
        break;
    case Word::Ignored:
        break;
    case Word::FontTable:
        state.Dest = Destination::FontTable;
        m_fontTableCurrent = -1;
        m_fontName.clear();
        break;
    case Word::ColorTable:
        state.Dest = Destination::ColorTable;
        m_colors.clear();
        m_red = m_green = m_blue = 0;
        m_colorGiven = false;
        break;
    case Word::SkipDestination:
        if (m_stack.size() > 2)
            state.Dest = Destination::Skip;
        break;
    case Word::TextDestination:
        break;
    case Word::Ansi:
        m_documentCodePage = 1252;
        break;
    case Word::Mac:
        m_documentCodePage = 10000;
        break;
    case Word::Pc:
        m_documentCodePage = 437;
        break;
    case Word::Pca:
        m_documentCodePage = 850;
        break;
    case Word::AnsiCodePage:
        if (value > 0 && value < 100000)
            m_documentCodePage = value;
        break;
    case Word::DefaultFont:
        m_defaultFont = value;
        state.Char.Font = value;
        break;
    case Word::Font:
        if (state.Dest == Destination::FontTable) {
            m_fontTableCurrent = value;
            m_fontName.clear();
            m_fonts.insert(value, FontEntry {});
        } else {
            state.Char.Font = value;
        }
        break;
    case Word::FontCharset:
        if (state.Dest == Destination::FontTable && m_fontTableCurrent >= 0)
            m_fonts[m_fontTableCurrent].CodePage = CodePageOfCharset(value, 0);
        break;
    case Word::FontCodePage:
        if (state.Dest == Destination::FontTable && m_fontTableCurrent >= 0 && value > 0 && value < 100000)
            m_fonts[m_fontTableCurrent].CodePage = value;
        break;
    case Word::Red:
        m_red = std::clamp(value, 0, 255);
        m_colorGiven = true;
        break;
    case Word::Green:
        m_green = std::clamp(value, 0, 255);
        m_colorGiven = true;
        break;
    case Word::Blue:
        m_blue = std::clamp(value, 0, 255);
        m_colorGiven = true;
        break;
    case Word::Plain:
        state.Char = CharProps {};
        state.Char.Font = m_defaultFont;
        break;
    case Word::Bold:
        state.Char.Bold = on;
        break;
    case Word::Italic:
        state.Char.Italic = on;
        break;
    case Word::Underline:
        state.Char.Underline = on;
        break;
    case Word::UnderlineNone:
        state.Char.Underline = false;
        break;
    case Word::Strike:
        state.Char.Strike = on;
        break;
    case Word::Hidden:
        state.Char.Hidden = on;
        break;
    case Word::FontSize:
        state.Char.HalfPoints
            = parameter ? std::clamp(value, MinHalfPoints, MaxHalfPoints) : DefaultHalfPoints;
        break;
    case Word::ForeColor:
        state.Char.Color = std::max(0, value);
        break;
    case Word::BackColor:
        state.Char.Highlight = std::max(0, value);
        break;
    case Word::Super:
        state.Char.VerticalAlign = on ? 1 : 0;
        break;
    case Word::Sub:
        state.Char.VerticalAlign = on ? 2 : 0;
        break;
    case Word::NoSuperSub:
        state.Char.VerticalAlign = 0;
        break;
    case Word::Unicode: {
        int code = value;
        if (code < 0)
            code += 65536;
        if (code > 0 && code <= 0xFFFF)
            Emit(static_cast<char16_t>(code));
        m_skipPending = state.SkipCount;
        break;
    }
    case Word::UnicodeSkip:
        state.SkipCount = std::clamp(value, 0, MaxSkipCount);
        break;
    case Word::Binary:
        break;
    case Word::Pard:
        state.Para = ParaProps {};
        break;
    case Word::Par:
        if (state.Dest == Destination::Text)
            EndParagraph();
        break;
    case Word::Line:
        Emit(QChar::LineSeparator);
        break;
    case Word::Tab:
        Emit(u'\t');
        break;
    case Word::Cell:
        if (state.Dest == Destination::Text)
            m_pendingCells = std::min(m_pendingCells + 1, 1000);
        break;
    case Word::Row:
        if (state.Dest == Destination::Text) {
            m_pendingCells = 0;
            EndParagraph();
        }
        break;
    case Word::AlignLeft:
        state.Para.Align = Qt::AlignLeft;
        break;
    case Word::AlignRight:
        state.Para.Align = Qt::AlignRight;
        break;
    case Word::AlignCenter:
        state.Para.Align = Qt::AlignHCenter;
        break;
    case Word::AlignJustify:
        state.Para.Align = Qt::AlignJustify;
        break;
    case Word::SpaceBefore:
        state.Para.SpaceBefore = std::max(0, twips());
        break;
    case Word::SpaceAfter:
        state.Para.SpaceAfter = std::max(0, twips());
        break;
    case Word::LeftIndent:
        state.Para.LeftIndent = twips();
        break;
    case Word::RightIndent:
        state.Para.RightIndent = twips();
        break;
    case Word::FirstIndent:
        state.Para.FirstIndent = twips();
        break;
    case Word::LineSpacing:
        state.Para.LineSpacing = twips();
        break;
    case Word::LineMultiple:
        state.Para.LineMultiple = on;
        break;
    case Word::Character:
        Emit(info.Character);
        break;
    }
}

void Reader::NoteUnknown(const QByteArray& name)
{
    if (m_unknown.size() >= MaxUnknownWords || m_unknown.contains(name))
        return;
    m_unknown.insert(name);
    m_result.UnknownControlWords.append(QString::fromLatin1(name));
}

void Reader::TextByte(unsigned char byte)
{
    if (m_skipPending > 0) {
        --m_skipPending;
        return;
    }
    if (byte >= 0x80) {
        HexByte(byte);
        return;
    }
    FlushBytes();
    if (byte == '\t') {
        Emit(u'\t');
        return;
    }
    if (byte < 0x20 || byte == 0x7F)
        return; // control characters carry nothing in rich text
    Emit(byte);
}

void Reader::HexByte(unsigned char byte)
{
    const int codePage = CurrentCodePage();
    if (!m_bytes.isEmpty() && codePage != m_bytesCodePage)
        FlushBytes();
    if (codePage == 1252 || codePage == SymbolCodePage) {
        FlushBytes();
        Emit(codePage == SymbolCodePage ? FromSymbolFont(byte) : FromCp1252(byte));
        return;
    }
    m_bytesCodePage = codePage;
    m_bytes.append(static_cast<char>(byte));
    if (m_bytes.size() >= 4096)
        FlushBytes();
}

void Reader::FlushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QByteArray bytes = std::exchange(m_bytes, QByteArray());
    for (const QChar character : Decode(bytes, m_bytesCodePage))
        Emit(character.unicode());
}

QString Reader::Decode(const QByteArray& bytes, int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end())
        found = m_decoders.emplace(codePage, QStringDecoder(CodecName(codePage).constData())).first;
    QStringDecoder& decoder = found->second;
    if (!decoder.isValid()) {
        QString text;
        for (const char byte : bytes)
            text.append(QChar(FromCp1252(static_cast<unsigned char>(byte))));
        return text;
    }
    QString text = decoder.decode(bytes);
    // A lead byte left without its trail byte is not carried to other text.
    decoder.resetState();
    return text;
}

int Reader::CurrentCodePage() const
{
    const int font = m_stack.back().Char.Font;
    const auto entry = m_fonts.constFind(font);
    if (entry != m_fonts.constEnd() && entry->CodePage != 0)
        return entry->CodePage;
    return m_documentCodePage;
}

void Reader::Emit(char16_t character)
{
    GroupState& state = State();
    switch (state.Dest) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
        if (character == u';') {
            if (m_fontTableCurrent >= 0)
                m_fonts[m_fontTableCurrent].Name = m_fontName.trimmed();
            m_fontName.clear();
            m_charFormats.clear();
        } else if (m_fontName.size() < 256) {
            m_fontName.append(QChar(character));
        }
        return;
    case Destination::ColorTable:
        if (character == u';') {
            if (m_colors.size() < 65536)
                m_colors.push_back(
                    m_colorGiven ? std::optional<QColor>(QColor(m_red, m_green, m_blue)) : std::nullopt);
            m_red = m_green = m_blue = 0;
            m_colorGiven = false;
            m_charFormats.clear();
        }
        return;
    case Destination::Text:
        if (state.Char.Hidden)
            return;
        EmitVisible(character);
        return;
    }
}

void Reader::EmitVisible(char16_t character)
{
    const CharProps& props = State().Char;
    if (!m_run.isEmpty() && !(props == m_runProps))
        FlushRun();
    m_runProps = props;
    for (; m_pendingCells > 0; --m_pendingCells)
        m_run.append(u'\t');
    m_run.append(QChar(character));
    m_blockProps = State().Para;
    m_blockHasText = true;
}

void Reader::FlushRun()
{
    if (m_run.isEmpty())
        return;
    // Lone halves of surrogate pairs are shown as replacement characters.
    for (qsizetype i = 0; i < m_run.size(); ++i) {
        const QChar c = m_run.at(i);
        if (c.isHighSurrogate() && i + 1 < m_run.size() && m_run.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            m_run[i] = QChar::ReplacementCharacter;
    }
    m_cursor.insertText(m_run, CachedCharFormat(m_runProps));
    m_run.clear();
}

void Reader::EndParagraph()
{
    FlushRun();
    m_pendingCells = 0;
    // The paragraph's properties are those in force at its mark.
    const ParaProps& para = State().Para;
    SetBlockFormat(para);
    // The next paragraph most often keeps these properties.
    m_cursor.insertBlock(CachedBlockFormat(para));
    m_blockHasText = false;
}

void Reader::SetBlockFormat(const ParaProps& props)
{
    if (props == m_blockFormatProps)
        return;
    m_cursor.setBlockFormat(CachedBlockFormat(props));
    m_blockFormatProps = props;
}

const QTextCharFormat& Reader::CachedCharFormat(const CharProps& props)
{
    for (const auto& [cached, format] : m_charFormats) {
        if (cached == props)
            return format;
    }
    if (m_charFormats.size() >= 64)
        m_charFormats.clear();
    return m_charFormats.emplace_back(props, CharFormat(props)).second;
}

const QTextBlockFormat& Reader::CachedBlockFormat(const ParaProps& props)
{
    for (const auto& [cached, format] : m_blockFormats) {
        if (cached == props)
            return format;
    }
    if (m_blockFormats.size() >= 64)
        m_blockFormats.clear();
    return m_blockFormats.emplace_back(props, BlockFormat(props)).second;
}

QTextCharFormat Reader::CharFormat(const CharProps& props) const
{
    QTextCharFormat format;
    format.setFontWeight(props.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(props.Italic);
    format.setFontUnderline(props.Underline);
    format.setFontStrikeOut(props.Strike);
    format.setFontPointSize(props.HalfPoints / 2.0);
    const auto font = m_fonts.constFind(props.Font);
    if (font != m_fonts.constEnd() && !font->Name.isEmpty())
        format.setFontFamilies(QStringList { font->Name });
    const auto colour = [this](int index) -> std::optional<QColor> {
        if (index <= 0 || static_cast<std::size_t>(index) >= m_colors.size())
            return std::nullopt;
        return m_colors[static_cast<std::size_t>(index)];
    };
    if (const auto fore = colour(props.Color))
        format.setForeground(*fore);
    if (const auto back = colour(props.Highlight))
        format.setBackground(*back);
    if (props.VerticalAlign == 1)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (props.VerticalAlign == 2)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return format;
}

QTextBlockFormat Reader::BlockFormat(const ParaProps& props) const
{
    QTextBlockFormat format;
    format.setAlignment(props.Align);
    format.setTopMargin(props.SpaceBefore / TwipsPerDocumentPixel);
    format.setBottomMargin(props.SpaceAfter / TwipsPerDocumentPixel);
    format.setLeftMargin(props.LeftIndent / TwipsPerDocumentPixel);
    format.setRightMargin(props.RightIndent / TwipsPerDocumentPixel);
    format.setTextIndent(props.FirstIndent / TwipsPerDocumentPixel);
    if (props.FirstIndent < 0) {
        // A hanging indent: the tab after a bullet or number reaches the
        // text's left edge, as word processors lay it out. Tab positions
        // count from where the first line starts.
        format.setTabPositions(
            { QTextOption::Tab(-props.FirstIndent / TwipsPerDocumentPixel, QTextOption::LeftTab) });
    }
    if (props.LineSpacing > 0 && props.LineMultiple)
        format.setLineHeight(
            std::clamp(props.LineSpacing * 100.0 / 240.0, 50.0, 500.0), QTextBlockFormat::ProportionalHeight);
    else if (props.LineSpacing > 0)
        format.setLineHeight(props.LineSpacing / TwipsPerDocumentPixel, QTextBlockFormat::MinimumHeight);
    else if (props.LineSpacing < 0)
        format.setLineHeight(-props.LineSpacing / TwipsPerDocumentPixel, QTextBlockFormat::FixedHeight);
    return format;
}

} // namespace

RtfReadResult ReadRtf(const QByteArray& rtf, QTextDocument& document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    Reader reader(rtf, document);
    RtfReadResult result = reader.Read();
    document.setUndoRedoEnabled(undo);
    return result;
}

} // namespace kv
