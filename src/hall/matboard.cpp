#include "hall/matboard.h"

#include "display/controls.h"
#include "display/leds.h"
#include "display/modcolor.h"
#include "display/modstretch.h"
#include "display/twips.h"
#include "display/vbcolor.h"
#include "hall/matboarddesign.h"
#include "settings/boardsettings.h"

#include <QMetaProperty>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kv {

namespace {

// The design properties that are lengths: sizes have a floor of 1, the end
// points of lines have none.
const char* const ScaledSizes[]
    = { "FontSize", "Size", "PaddingH", "PaddingV", "PaddingI", "PaddingD", "BorderWidth" };
const char* const ScaledPositions[] = { "X1", "Y1", "X2", "Y2" };

// The colours the board is drawn in: the settings' own, or greyed while
// the mat's board is gone.
struct MatColors
{
    int FormBack;
    int LEDBack;
    int BorderColor;
    int TimeColor;
    int ScoreColor;
    int HoldColor;
    int HomeBack;
    int HomeFore;
    int VisitorBack;
    int VisitorFore;
};

int Greyed(int bgr)
{
    const QColor colour = ToQColor(bgr);
    const int grey = 60 + qGray(colour.rgb()) / 3;
    return FromQColor(QColor(grey, grey, grey));
}

MatColors ColorsFor(bool online)
{
    const BoardSettingsRecord& s = BoardSettings;
    MatColors c { s.FormBack, s.LEDBack, s.BorderColor, s.TimeColor, s.ScoreColor, s.HoldColor,
        // The side names keep the scoreboard's design colours.
        0xFFFFFF, 0x000000, 0xFF9900, 0xFFFFFF };
    if (online)
        return c;
    for (int* colour : { &c.BorderColor, &c.TimeColor, &c.ScoreColor, &c.HoldColor, &c.HomeBack, &c.HomeFore,
             &c.VisitorBack, &c.VisitorFore })
        *colour = Greyed(*colour);
    return c;
}

void SetScaled(QObject* control, const char* name, double value, bool isSize)
{
    const int index = control->metaObject()->indexOfProperty(name);
    if (index < 0)
        return;
    if (isSize)
        value = AtLeastOne(value);
    if (control->metaObject()->property(index).typeId() == QMetaType::Int)
        control->setProperty(name, static_cast<int>(std::lround(value)));
    else
        control->setProperty(name, value);
}

} // namespace

template <typename T> T* MatBoard::Find(const char* name, int index)
{
    T* control = ControlAs<T>(QString::fromLatin1(name), index);
    if (!control)
        throw std::logic_error(std::string("mat board design lacks ") + name);
    return control;
}

MatBoard::MatBoard(int mat, QWidget* parent)
    : Form(parent)
    , m_mat(mat)
{
    // A part of the hall view, not a window of its own.
    setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("frmMat%1").arg(mat));
    setAutoFillBackground(true);
    const QStringList problems = BuildForm(*this, MatBoardDesign());
    if (!problems.isEmpty())
        qWarning("mat board design: %s", qPrintable(problems.join(QStringLiteral("; "))));
    lblMat = Find<Label>("lblMat");
    lblCaptionY = Find<Label>("lblCaptionY");
    lblGoldenScore = Find<Label>("lblGoldenScore");
    lblOffline = Find<Label>("lblOffline");
    Line1 = Find<Line>("Line1");
    Line2 = Find<Line>("Line2");
    lblHomeName = Find<Label>("lblHomeName");
    lblVisitorName = Find<Label>("lblVisitorName");
    shpWinnerHome = Find<Shape>("shpWinnerHome");
    shpWinnerVisitor = Find<Shape>("shpWinnerVisitor");
    lblIpponHome = Find<Label>("lblIpponHome");
    lblIpponVisitor = Find<Label>("lblIpponVisitor");
    nledWHome = Find<NumberLED>("nledWHome");
    nledYHome = Find<NumberLED>("nledYHome");
    nledWVisitor = Find<NumberLED>("nledWVisitor");
    nledYVisitor = Find<NumberLED>("nledYVisitor");
    shpHomeS = { nullptr };
    shpVisitorS = { nullptr };
    for (int i = 1; i <= 4; ++i) {
        shpHomeS.append(Find<Shape>("shpHomeS", i));
        shpVisitorS.append(Find<Shape>("shpVisitorS", i));
    }
    shpHoldHome = Find<Shape>("shpHoldHome");
    shpHoldVisitor = Find<Shape>("shpHoldVisitor");
    nledHoldHome = Find<NumberLED>("nledHoldHome");
    nledHoldVisitor = Find<NumberLED>("nledHoldVisitor");
    tledPeriod = Find<TimeLED>("tledPeriod");

    // Nothing here takes the keyboard or edits anything.
    for (QObject* control : Controls()) {
        if (auto* widget = qobject_cast<QWidget*>(control))
            widget->setFocusPolicy(Qt::NoFocus);
    }
    ShowMat();
    SetClientSize(MatBoardDesignWidth, MatBoardDesignHeight);
    ApplySettings();
}

QSize MatBoard::SizeIn(const QSize& room)
{
    const double ratio = std::min(room.width() * TwipsPerPixel / MatBoardDesignWidth,
        room.height() * TwipsPerPixel / MatBoardDesignHeight);
    return QSize(std::max(1, int(MatBoardDesignWidth * ratio / TwipsPerPixel)),
        std::max(1, int(MatBoardDesignHeight * ratio / TwipsPerPixel)));
}

void MatBoard::FitInto(const QSize& room)
{
    const QSize size = SizeIn(room);
    if (size == this->size() && !Controls().isEmpty())
        return;
    const double ratio = size.width() * TwipsPerPixel / MatBoardDesignWidth;
    // Every control from its design values, so that no rounding adds up
    // over many resizes.
    const std::vector<ControlDesign>& design = MatBoardDesign();
    for (const ControlDesign& item : design) {
        QObject* object = Control(QString::fromLatin1(item.Name), item.Index);
        if (!object)
            continue;
        if (auto* control = qobject_cast<kv::Control*>(object))
            control->Move(item.Left * ratio, item.Top * ratio, item.Width * ratio, item.Height * ratio);
        for (const DesignProperty& property : item.Properties) {
            for (const char* name : ScaledSizes) {
                if (qstrcmp(property.Name, name) == 0)
                    SetScaled(object, name, property.Value.toDouble() * ratio, true);
            }
            for (const char* name : ScaledPositions) {
                if (qstrcmp(property.Name, name) == 0)
                    SetScaled(object, name, property.Value.toDouble() * ratio, false);
            }
        }
    }
    resize(size);
}

void MatBoard::ApplySettings()
{
    const MatColors c = ColorsFor(m_online);
    QPalette background = palette();
    background.setColor(QPalette::Window, ToQColor(c.FormBack));
    setPalette(background);
    SetLedColors(*this, QStringLiteral("tledPeriod"), c.TimeColor, c.LEDBack);
    for (const char* score : { "nledWHome", "nledYHome", "nledWVisitor", "nledYVisitor" })
        SetLedColors(*this, QString::fromLatin1(score), c.ScoreColor, c.LEDBack);
    SetLedColors(*this, QStringLiteral("nledHoldHome"), c.HoldColor, c.LEDBack);
    SetLedColors(*this, QStringLiteral("nledHoldVisitor"), c.HoldColor, c.LEDBack);
    ApplyBoardColors(*this,
        { lblHomeName->objectName(), lblVisitorName->objectName(), lblIpponHome->objectName(),
            lblIpponVisitor->objectName() },
        { .FormBack = c.FormBack, .LEDBack = c.LEDBack, .BorderColor = c.BorderColor });
    lblHomeName->SetBackColor(c.HomeBack);
    lblHomeName->SetForeColor(c.HomeFore);
    lblVisitorName->SetBackColor(c.VisitorBack);
    lblVisitorName->SetForeColor(c.VisitorFore);
    lblIpponHome->SetBackColor(c.LEDBack);
    lblIpponVisitor->SetBackColor(c.LEDBack);
    lblGoldenScore->SetForeColor(c.TimeColor);
    tledPeriod->SetBorderColor(c.BorderColor);
    shpHoldHome->SetFillColor(c.BorderColor);
    shpHoldVisitor->SetFillColor(c.BorderColor);
    SetLedType(*this, BoardSettings.LEDType);
    Refresh();
}

void MatBoard::Show(const MatState& state)
{
    m_state = state;
    Refresh();
}

void MatBoard::ShowMat()
{
    lblMat->SetCaption(tr("MAT %1").arg(m_mat));
}

void MatBoard::Retranslate()
{
    // The design's texts come back, the mat's number and the names after them.
    Form::Retranslate();
    ShowMat();
    Refresh();
}

void MatBoard::SetOnline(bool online)
{
    if (online == m_online)
        return;
    m_online = online;
    lblOffline->SetVisible(!online);
    ApplySettings();
}

void MatBoard::Refresh()
{
    const MatState state = m_state.value_or(MatState {});
    tledPeriod->SetCaption(static_cast<float>(state.ClockSeconds));
    lblGoldenScore->SetVisible(state.GoldenScore && m_online);
    lblCaptionY->SetVisible(state.YukoShown);
    const bool shown = m_state.has_value();
    lblHomeName->SetCaption(shown ? state.Home.Name : QString());
    lblVisitorName->SetCaption(shown ? state.Visitor.Name : QString());
    ShowSide(state.Home, shpWinnerHome, lblIpponHome, nledWHome, nledYHome, shpHomeS, shpHoldHome,
        nledHoldHome, state.YukoShown);
    ShowSide(state.Visitor, shpWinnerVisitor, lblIpponVisitor, nledWVisitor, nledYVisitor, shpVisitorS,
        shpHoldVisitor, nledHoldVisitor, state.YukoShown);
}

void MatBoard::ShowSide(const MatSide& side, Shape* winner, Label* ippon, NumberLED* w, NumberLED* y,
    const QVector<Shape*>& shido, Shape* holdDot, NumberLED* hold, bool yukoShown)
{
    const MatColors c = ColorsFor(m_online);
    const int off = c.FormBack;
    winner->SetFillColor(c.ScoreColor);
    winner->SetVisible(side.Winner);
    ippon->SetForeColor(side.Ippon ? c.HoldColor : off);
    w->SetValue(side.WazaAri);
    y->SetValue(side.Yuko);
    y->SetVisible(yukoShown);
    for (int i = 1; i <= 4; ++i)
        shido[i]->SetFillColor(i <= side.Shido ? c.HoldColor : off);
    // The osaekomi clock shows while a hold runs and keeps its seconds
    // afterwards, as on the board; the dot marks a running hold.
    hold->SetValue(side.Hold);
    hold->SetVisible(side.HoldRunning || side.Hold > 0);
    holdDot->SetVisible(side.HoldRunning);
}

} // namespace kv
