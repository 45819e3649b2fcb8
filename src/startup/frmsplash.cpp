#include "startup/frmsplash.h"

#include "display/controls.h"
#include "display/formdesign.h"
#include "display/twips.h"
#include "display/vbcolor.h"
#include "help/helpwindow.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"
#include "settings/optionsdialog.h"
#include "startup/firstpaint.h"
#include "startup/logo.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <stdexcept>

namespace kv {

namespace {

QPointer<frmScoreboard> g_scoreboard;

const std::vector<ControlDesign>& SplashDesign()
{
    // The dialog font is Arial 8.25 pt, not bold. Labels here are plain black text.
    // clang-format off
    static const std::vector<ControlDesign> design = {
        {"frameSplash", -1, "Frame", "", 120, 0, 6000, 3120, {}},
        {"lblName", -1, "Label", "frameSplash", 120, 240, 5775, 735, {{"Caption", "Korvelin"}, {"FontName", "Times New Roman"}, {"FontBold", false}, {"FontSize", 21.75}, {"Alignment", 2}, {"ForeColor", 0}}},
        {"lblVersion", -1, "Label", "frameSplash", 3600, 1080, 2175, 375, {{"Caption", "Version 1.0.0"}, {"FontName", "Times New Roman"}, {"FontBold", false}, {"FontSize", 15.75}, {"Alignment", 1}, {"ForeColor", 0}}},
        {"lblClick", -1, "Label", "frameSplash", 2520, 1080, 1335, 255, {{"Caption", QT_TRANSLATE_NOOP("kv::frmSplash", "Click to continue.")}, {"FontName", "Arial"}, {"FontBold", false}, {"FontSize", 8.25}, {"Alignment", 0}, {"ForeColor", 0}}},
        {"cmdHelp", -1, "CommandButton", "frameSplash", 3120, 2520, 1215, 375, {{"Caption", QT_TRANSLATE_NOOP("kv::frmSplash", "&Help")}, {"TabIndex", 4}}},
        {"cmdOptions", -1, "CommandButton", "frameSplash", 4560, 2520, 1215, 375, {{"Caption", QT_TRANSLATE_NOOP("kv::frmSplash", "&Options")}, {"TabIndex", 5}}},
        {"Label2", -1, "Label", "frameSplash", 2640, 1920, 3255, 375, {{"Caption", QT_TRANSLATE_NOOP("kv::frmSplash", "Press ' F2 ' to set Options from the scoreboard.")}, {"FontName", "Arial"}, {"FontBold", false}, {"FontSize", 8.25}, {"Alignment", 0}, {"ForeColor", 0}}},
        {"Label1", -1, "Label", "frameSplash", 2640, 1680, 3255, 255, {{"Caption", QT_TRANSLATE_NOOP("kv::frmSplash", "Press ' F1 ' to view Help from the scoreboard.")}, {"SingleLine", true}, {"FontName", "Arial"}, {"FontBold", false}, {"FontSize", 8.25}, {"Alignment", 0}, {"ForeColor", 0}}},
        {"lblMadeBy", -1, "Label", "frameSplash", 4200, 840, 1575, 255, {{"Caption", QT_TRANSLATE_NOOP("kv::frmSplash", "by Brontique")}, {"FontName", "Arial"}, {"FontBold", false}, {"FontSize", 8.25}, {"Alignment", 1}, {"ForeColor", 0}}},
        {"picLogo", -1, "PictureBox", "frameSplash", 240, 900, 2070, 2100, {{"TabIndex", 9}}},
    };
    // clang-format on
    return design;
}

} // namespace

QString VersionText()
{
    return frmSplash::tr("Version %1.%2.%3")
        .arg(KORVELIN_VERSION_MAJOR)
        .arg(KORVELIN_VERSION_MINOR)
        .arg(KORVELIN_VERSION_PATCH);
}

bool IsBypass(const QStringList& arguments)
{
    return arguments.join(u' ') == QLatin1String("bypass");
}

QPointF SplashPosition(double screenWidthTwips, double screenHeightTwips, double formWidthTwips)
{
    // The splash sits 1320 twips above the screen's vertical centre.
    return QPointF((screenWidthTwips - formWidthTwips) / 2, (screenHeightTwips - 5880) / 2);
}

frmSplash::frmSplash(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Form1"));
    // A splash window: no taskbar entry and no place in the window switcher,
    // so its caption is never seen.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    const QStringList problems = BuildForm(*this, SplashDesign());
    if (!problems.isEmpty())
        throw std::logic_error(("splash design: " + problems.join(u"; ")).toStdString());
    auto* logo = ControlAs<PictureBox>(QStringLiteral("picLogo"));
    logo->SetBackColor(FromQColor(palette().color(QPalette::Window)));
    logo->SetPicture(ProductLogo(devicePixelRatioF()));
    auto* help = ControlAs<CommandButton>(QStringLiteral("cmdHelp"));
    auto* options = ControlAs<CommandButton>(QStringLiteral("cmdOptions"));
    QWidget::setTabOrder(help->Button(), options->Button());
    QWidget::setTabOrder(options->Button(), logo);
    QWidget::setTabOrder(logo, help->Button());
    SetClientSize(DesignWidth, DesignHeight);
    ConnectHandlers();
}

void frmSplash::ConnectHandlers()
{
    for (const char* name :
        { "frameSplash", "picLogo", "lblName", "lblVersion", "lblClick", "lblMadeBy", "Label1", "Label2" }) {
        auto* control = ControlAs<kv::Control>(QString::fromLatin1(name));
        connect(control, &kv::Control::Click, this, &frmSplash::GoScore);
    }
    connect(ControlAs<CommandButton>(QStringLiteral("cmdHelp")), &kv::Control::Click, this,
        [] { ShowHelpWindow(); });
    connect(ControlAs<CommandButton>(QStringLiteral("cmdOptions")), &kv::Control::Click, this,
        [] { RunOptionsDialog(); });
}

void frmSplash::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void frmSplash::mouseReleaseEvent(QMouseEvent* event)
{
    // A click on the form itself (the strips around frameSplash) opens the
    // scoreboard, as a click on any of its labels does.
    const bool click
        = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        GoScore();
}

bool frmSplash::Load(const QStringList& arguments)
{
    const QRect screen = this->screen() ? this->screen()->geometry() : QRect(0, 0, 1024, 768);
    resize(width(), TwipsToPixelEdge(3240));
    const QPointF topLeft
        = SplashPosition(screen.width() * TwipsPerPixel, screen.height() * TwipsPerPixel, Width());
    move(screen.x() + TwipsToPixelEdge(topLeft.x()), screen.y() + TwipsToPixelEdge(topLeft.y()));
    ControlAs<kv::Control>(QStringLiteral("frameSplash"))->SetHeight(3120);
    ControlAs<Label>(QStringLiteral("lblVersion"))->SetCaption(VersionText());
    LoadBoardSettings();
    if (IsBypass(arguments)) {
        GoScore();
        return true;
    }
    return false;
}

void frmSplash::GoScore()
{
    // The scoreboard is shown a moment before the splash goes, so that the
    // program never finds itself without a window and ends.
    ShowScoreboard();
    close();
}

frmScoreboard* frmSplash::Bypass()
{
    LoadBoardSettings();
    ShowScoreboard();
    return g_scoreboard;
}

void frmSplash::ShowScoreboard()
{
    if (!g_scoreboard) {
        g_scoreboard = new frmScoreboard;
        g_scoreboard->setAttribute(Qt::WA_DeleteOnClose);
        g_scoreboard->Load();
        // The sound output is readied once the board is on screen, so the
        // first buzzer sounds as quickly as later ones.
        AfterFirstPaint(*g_scoreboard, [board = QPointer<frmScoreboard>(g_scoreboard)] {
            if (board)
                board->PrepareBuzzer();
        });
    }
    g_scoreboard->show();
}

void frmSplash::Retranslate()
{
    Form::Retranslate();
    ControlAs<Label>(QStringLiteral("lblVersion"))->SetCaption(VersionText());
}

frmScoreboard* frmSplash::Scoreboard()
{
    return g_scoreboard;
}

} // namespace kv
