// Every word of the dialogs shows whole in every language: the options
// dialog's and the key chooser's captions, tab captions, list entries,
// frame captions, buttons and option buttons fit their boxes, in their
// design font or one shrunk to fit, never below a readable 8 pixels.

#include "display/dialogcontrols.h"
#include "languagefixture.h"
#include "settings/boardsettings.h"
#include "settings/frmchoosekey.h"
#include "settings/frmoptions.h"
#include "settings/modgrabkeys.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <climits>

using namespace kv;
using kv::test::InLanguage;

namespace {

QString Name(const QObject* control)
{
    return control->objectName();
}

QString Plain(QString text)
{
    // The access key's "&" is not drawn; a Japanese "(&O)" shows as "(O)".
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

constexpr int ReadablePixels = 8;

QString TooSmall(const QObject* control, const QFont& font)
{
    const int pixels = QFontInfo(font).pixelSize();
    return pixels < ReadablePixels ? QStringLiteral("%1 shrunk to %2 px").arg(Name(control)).arg(pixels)
                                   : QString();
}

QStringList Problems(const Form& form)
{
    QStringList problems;
    const auto add = [&problems](const QString& problem) {
        if (!problem.isEmpty())
            problems << problem;
    };
    for (QObject* object : form.Controls()) {
        if (auto* label = qobject_cast<DialogLabel*>(object)) {
            if (label->Caption().isEmpty())
                continue;
            add(TooSmall(label, label->ShownFont()));
            const QFontMetrics metrics(label->ShownFont());
            QRect room = label->rect();
            if (label->BorderStyle() == 1)
                room.adjust(3, 1, -3, -1);
            const QRect needed = metrics.boundingRect(
                QRect(0, 0, room.width(), INT_MAX), Qt::AlignLeft | Qt::TextWordWrap, label->Caption());
            if (needed.width() > room.width() || needed.height() > room.height())
                problems << QStringLiteral("%1 \"%2\" needs %3x%4 px in %5x%6")
                                .arg(Name(label), label->Caption())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height());
        } else if (auto* frame = qobject_cast<CaptionFrame*>(object)) {
            add(TooSmall(frame, frame->ShownFont()));
            const QFontMetrics metrics(frame->ShownFont());
            const int needed = metrics.horizontalAdvance(frame->Caption()) + 4;
            if (needed > frame->width() - 14)
                problems << QStringLiteral("%1 \"%2\" needs %3 px in %4")
                                .arg(Name(frame), frame->Caption())
                                .arg(needed)
                                .arg(frame->width() - 14);
        } else if (auto* button = qobject_cast<CommandButton*>(object)) {
            const QPushButton* push = button->Button();
            add(TooSmall(button, push->font()));
            const QFontMetrics metrics(push->font());
            // What the style leaves for the text in the control's width.
            QStyleOptionButton style;
            style.initFrom(push);
            const int room = button->width()
                - qMax(8,
                    push->style()
                        ->sizeFromContents(QStyle::CT_PushButton, &style, QSize(0, 0), push)
                        .width());
            const QStringList lines = push->text().split(u'\n');
            for (const QString& line : lines) {
                if (metrics.horizontalAdvance(Plain(line)) > room)
                    problems << QStringLiteral("%1 line \"%2\" is %3 px in %4")
                                    .arg(Name(button), line)
                                    .arg(metrics.horizontalAdvance(Plain(line)))
                                    .arg(room);
            }
            if (int(lines.size()) * metrics.height() > button->height())
                problems << QStringLiteral("%1: %2 lines in %3 px")
                                .arg(Name(button))
                                .arg(lines.size())
                                .arg(button->height());
        } else if (auto* option = qobject_cast<OptionButton*>(object)) {
            add(TooSmall(option, option->Button()->font()));
            if (option->Button()->sizeHint().width() > option->width())
                problems << QStringLiteral("%1 \"%2\" needs %3 px in %4")
                                .arg(Name(option), option->Caption())
                                .arg(option->Button()->sizeHint().width())
                                .arg(option->width());
        } else if (auto* tabs = qobject_cast<TabControl*>(object)) {
            const QFontMetrics metrics(tabs->font());
            for (int i = 0; i < tabs->Captions().size(); ++i) {
                const int needed = metrics.horizontalAdvance(tabs->Captions().at(i)) + 8;
                if (needed > tabs->TabRect(i).width())
                    problems << QStringLiteral("tab \"%1\" needs %2 px in %3")
                                    .arg(tabs->Captions().at(i))
                                    .arg(needed)
                                    .arg(tabs->TabRect(i).width());
            }
        } else if (auto* list = qobject_cast<ComboBox*>(object)) {
            const QComboBox* box = list->Box();
            const QFontMetrics metrics(box->font());
            // The closed list shows its entry beside the drop-down arrow.
            const int room = box->width() - 24;
            for (int i = 0; i < box->count(); ++i) {
                if (metrics.horizontalAdvance(box->itemText(i)) > room)
                    problems << QStringLiteral("%1 entry \"%2\" is %3 px in %4")
                                    .arg(Name(list), box->itemText(i))
                                    .arg(metrics.horizontalAdvance(box->itemText(i)))
                                    .arg(room);
            }
        }
    }
    return problems;
}

} // namespace

class TestDialogCaptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { BoardSettings = DefaultBoardSettings(); }

    void everyDialogText_fits_data();
    void everyDialogText_fits();
};

void TestDialogCaptions::everyDialogText_fits_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringList { "en" } + kv::test::TranslatedLanguages(false))
        QTest::newRow(qPrintable(language)) << language;
}

void TestDialogCaptions::everyDialogText_fits()
{
    QFETCH(QString, language);
    InLanguage inLanguage(language);
    QVERIFY(inLanguage.Loaded());

    frmOptions options;
    options.Load();
    QStringList problems = Problems(options);

    ChooseKeyAction = QStringLiteral("start / stop the contest clock");
    ChooseKeyCurrent = 83;
    frmChooseKey chooser({ 83, 82, 66 });
    chooser.Load();
    problems << Problems(chooser);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
}

QTEST_MAIN(TestDialogCaptions)
#include "tst_dialogcaptions.moc"
