// Captions: lines break at spaces only, and a caption that does not fit its
// label is drawn in a font just small enough to show all of it, on the
// splash and on the board at every window size, in every language and in
// the test language that makes every text 40 % longer.

#include "boardfixture.h"
#include "display/controls.h"
#include "hall/hallwindow.h"
#include "hall/matboard.h"
#include "languagefixture.h"
#include "startup/frmsplash.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QRawFont>
#include <QTest>

#include <algorithm>

using namespace kv;
using kv::test::Board;
using kv::test::InLanguage;

namespace {

QFont ArialBold()
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    return font;
}

// What went wrong with a label's layout, or an empty text when all is shown.
QString CaptionProblem(const Label& label)
{
    const CaptionLayout layout = label.Layout();
    const QString name
        = label.objectName() + (label.Index() >= 0 ? QString::number(label.Index()) : QString());
    const QStringList words = label.Caption().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (layout.Lines.join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts) != words)
        return QStringLiteral("%1 shows \"%2\" of \"%3\"")
            .arg(name, layout.Lines.join(QLatin1Char('|')), label.Caption());
    if (layout.PixelSize > label.DesignFont().pixelSize())
        return QStringLiteral("%1 grew to %2 px").arg(name).arg(layout.PixelSize);
    QFont font = label.DesignFont();
    font.setPixelSize(layout.PixelSize);
    const QFontMetricsF metrics(font);
    for (const QString& line : layout.Lines) {
        if (metrics.horizontalAdvance(line) > label.width())
            return QStringLiteral("%1: \"%2\" is %3 px in %4 px")
                .arg(name, line)
                .arg(metrics.horizontalAdvance(line))
                .arg(label.width());
    }
    if ((layout.Lines.size() - 1) * metrics.lineSpacing() + metrics.capHeight() > label.height())
        return QStringLiteral("%1: %2 lines do not fit %3 px")
            .arg(name)
            .arg(layout.Lines.size())
            .arg(label.height());
    // Letters the label's font lacks (Japanese) come from another font; the
    // line's baseline goes down as far as their tallest letter needs, and
    // they end above the box's last pixel row.
    for (qsizetype i = 0; i < layout.Lines.size(); ++i) {
        const QString& line = layout.Lines[i];
        const QRawFont own = QRawFont::fromFont(font);
        const bool otherScript = std::any_of(
            line.begin(), line.end(), [&own](QChar c) { return !c.isSpace() && !own.supportsCharacter(c); });
        if (!otherScript)
            continue;
        const QRectF ink = metrics.tightBoundingRect(line);
        const double baseline = i * metrics.lineSpacing() + std::max(metrics.ascent(), -ink.top());
        if (baseline + ink.bottom() >= label.height())
            return QStringLiteral("%1: \"%2\" reaches %3 px of %4")
                .arg(name, line)
                .arg(baseline + ink.bottom())
                .arg(label.height());
    }
    // As drawn: letters of another script are never cut at the box's lower
    // edge (cut letters reach it).
    const bool otherScript
        = std::any_of(layout.Lines.begin(), layout.Lines.end(), [&font](const QString& line) {
              const QRawFont own = QRawFont::fromFont(font);
              return std::any_of(line.begin(), line.end(),
                  [&own](QChar c) { return !c.isSpace() && !own.supportsCharacter(c); });
          });
    if (otherScript && label.width() > 0 && label.height() > 2) {
        QImage drawn(label.size(), QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        Label copy;
        copy.resize(label.size());
        copy.SetCaption(label.Caption());
        copy.SetFontSize(label.FontSize());
        copy.SetSingleLine(label.SingleLine());
        copy.SetAlignmentCode(label.AlignmentCode());
        copy.SetForeColor(0xFFFFFF);
        copy.render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
        for (int x = 0; x < drawn.width(); ++x) {
            if (qAlpha(drawn.pixel(x, drawn.height() - 1)) > 128)
                return QStringLiteral("%1: \"%2\" is cut at its lower edge").arg(name, label.Caption());
        }
    }
    return {};
}

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }

    void layOut_data();
    void layOut();

    void everyBoardCaption_atEveryWindowSize_data();
    void everyBoardCaption_atEveryWindowSize();

    void hallCaptions_atEveryWindowSize_data();
    void hallCaptions_atEveryWindowSize();
    void splashHint_oneLineWithinItsBox_data();
    void splashHint_oneLineWithinItsBox();
};

void TestCaptions::layOut_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("designPixels");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("shrunk");
    QTest::newRow("hyphenKeepsWordWhole_shrinks")
        << "S4-H" << 32 << QSize(55, 41) << QStringList { "S4-H" } << true;
    QTest::newRow("fitsAsDesigned_keepsSize")
        << "S4-H" << 32 << QSize(200, 41) << QStringList { "S4-H" } << false;
    QTest::newRow("neverGrowsInAHugeBox") << "W" << 10 << QSize(2000, 2000) << QStringList { "W" } << false;
    QTest::newRow("twoLineBox_breaksAtSpace")
        << "Judokai Ajax" << 20 << QSize(110, 60) << QStringList { "Judokai", "Ajax" } << false;
    QTest::newRow("oneLineBox_shrinksToOneLine")
        << "Judokai Ajax" << 29 << QSize(150, 33) << QStringList { "Judokai Ajax" } << true;
    QTest::newRow("singleLineName_neverBreaks")
        << "Judokai Ajax" << 20 << QSize(110, 60) << QStringList { "Judokai Ajax" } << true;
    QTest::newRow("manySpaces_countAsOne")
        << "A   B" << 20 << QSize(300, 40) << QStringList { "A B" } << false;
}

void TestCaptions::layOut()
{
    QFETCH(QString, caption);
    QFETCH(int, designPixels);
    QFETCH(QSize, box);
    QFETCH(QStringList, lines);
    QFETCH(bool, shrunk);
    const bool singleLine = QByteArray(QTest::currentDataTag()).startsWith("singleLine");
    const CaptionLayout layout = LayOutCaption(caption, ArialBold(), designPixels, box, singleLine);
    QCOMPARE(layout.Lines, lines);
    QCOMPARE(layout.PixelSize < designPixels, shrunk);
    QFont font = ArialBold();
    font.setPixelSize(layout.PixelSize);
    for (const QString& line : layout.Lines)
        QVERIFY(QFontMetricsF(font).horizontalAdvance(line) <= box.width());
    if (shrunk) {
        // Just enough: one pixel more would not fit.
        font.setPixelSize(layout.PixelSize + 1);
        const QFontMetricsF bigger(font);
        bool fits = true;
        for (const QString& line : layout.Lines)
            fits = fits && bigger.horizontalAdvance(line) <= box.width();
        fits = fits && (layout.Lines.size() - 1) * bigger.lineSpacing() + bigger.capHeight() <= box.height();
        QVERIFY(!fits);
    }
}

void TestCaptions::everyBoardCaption_atEveryWindowSize_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QSize>("window");
    for (const QString& language : QStringList { "en" } + kv::test::TranslatedLanguages(true)) {
        for (const QSize size : { QSize(400, 300), QSize(600, 453), QSize(640, 480), QSize(790, 566),
                 QSize(800, 600), QSize(1024, 768), QSize(1280, 1000), QSize(1366, 768), QSize(1600, 900),
                 QSize(1920, 1080), QSize(1920, 1200), QSize(2560, 1440), QSize(3840, 2160),
                 QSize(1000, 2000), QSize(3000, 700) })
            QTest::newRow(
                qPrintable(QStringLiteral("%1 %2x%3").arg(language).arg(size.width()).arg(size.height())))
                << language << size;
    }
}

void TestCaptions::everyBoardCaption_atEveryWindowSize()
{
    QFETCH(QString, language);
    QFETCH(QSize, window);
    InLanguage inLanguage(language);
    QVERIFY(inLanguage.Loaded());
    Board board;
    // The winner captions too, hidden until a winner is named.
    board->Label18->SetVisible(true);
    board->Label17->SetVisible(true);
    // Names as long as the options dialog allows: 25 for the title, 20 a side.
    BoardSettings.TitleText = QStringLiteral("Regional Judo Cup Finals!");
    BoardSettings.HomeText = QStringLiteral("Judokai Ajax Utrecht");
    BoardSettings.VisitorText = QStringLiteral("WWWWWWWWWWWWWWWWWWWW");
    board->UpdateLabels();
    board->resize(window);
    QCoreApplication::processEvents();

    int checked = 0;
    QStringList problems;
    for (Label* label : board->findChildren<Label*>()) {
        if (!label->isVisibleTo(&*board) || label->Caption().isEmpty())
            continue;
        ++checked;
        const QString problem = CaptionProblem(*label);
        if (!problem.isEmpty())
            problems << problem;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    QVERIFY(checked >= 20);
    if (language != QLatin1String("en"))
        QVERIFY(board->Label25->Caption() != QLatin1String("CONTEST TIME"));
    // The names and the fourth shido caption stay on one line.
    for (Label* label : { board->lblTitle, board->lblHomeName, board->lblVisitorName,
             board->findChild<Label*>(QStringLiteral("Label2")),
             board->findChild<Label*>(QStringLiteral("Label1")) })
        QCOMPARE(label->Layout().Lines, QStringList { label->Caption() });
}

void TestCaptions::hallCaptions_atEveryWindowSize_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QSize>("window");
    for (const QString& language : QStringList { "en" } + kv::test::TranslatedLanguages(true)) {
        for (const QSize size : { QSize(400, 300), QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160) })
            QTest::newRow(
                qPrintable(QStringLiteral("%1 %2x%3").arg(language).arg(size.width()).arg(size.height())))
                << language << size;
    }
}

void TestCaptions::hallCaptions_atEveryWindowSize()
{
    QFETCH(QString, language);
    QFETCH(QSize, window);
    InLanguage inLanguage(language);
    QVERIFY(inLanguage.Loaded());
    // Two mats, the one with the widest number offline with golden score
    // shown; the broker away, so the status line shows too.
    MqttOptions noBroker;
    noBroker.Host = QStringLiteral("127.0.0.1");
    noBroker.Port = 1;
    HallWindow hall(noBroker);
    hall.Take("korvelin/mat/1/online", "true");
    hall.Take("korvelin/mat/88/online", "false");
    QVERIFY(hall.Mat(88));
    hall.Mat(88)->lblGoldenScore->SetVisible(true);
    hall.resize(window);
    QCoreApplication::processEvents();

    int checked = 0;
    QStringList problems;
    for (Label* label : hall.findChildren<Label*>()) {
        if (!label->isVisibleTo(&hall) || label->Caption().isEmpty())
            continue;
        ++checked;
        const QString problem = CaptionProblem(*label);
        if (!problem.isEmpty())
            problems << problem;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    // Both mats' numbers and column captions, the offline and golden-score
    // notes, the status line.
    QVERIFY(checked >= 12);
}

void TestCaptions::splashHint_oneLineWithinItsBox_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringList { "en" } + kv::test::TranslatedLanguages(true))
        QTest::newRow(qPrintable(language)) << language;
}

void TestCaptions::splashHint_oneLineWithinItsBox()
{
    QFETCH(QString, language);
    InLanguage inLanguage(language);
    QVERIFY(inLanguage.Loaded());
    frmSplash splash;
    for (const char* name : { "Label1", "Label2", "lblClick", "lblMadeBy", "lblName", "lblVersion" }) {
        auto* label = splash.ControlAs<Label>(QString::fromLatin1(name));
        QVERIFY(label);
        QCOMPARE(CaptionProblem(*label), QString());
    }
    auto* hint = splash.ControlAs<Label>(QStringLiteral("Label1"));
    QCOMPARE(hint->Layout().Lines, QStringList { hint->Caption() });
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
