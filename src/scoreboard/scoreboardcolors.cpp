// The scoreboard's colours, texts, side pictures and digit style, all from
// the settings, and the marks lit from the match state.

#include "display/controls.h"
#include "display/leds.h"
#include "display/modcolor.h"
#include "display/modstretch.h"
#include "display/vbcolor.h"
#include "rules/ruleset.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"

namespace kv {

void frmScoreboard::UpdateFormColors()
{
    const BoardSettingsRecord& settings = BoardSettings;
    QPalette background = palette();
    background.setColor(QPalette::Window, ToQColor(settings.FormBack));
    setPalette(background);

    SetLedColors(*this, QStringLiteral("tledPeriod"), settings.TimeColor, settings.LEDBack);
    SetLedColors(*this, QStringLiteral("nledHoldHome"), settings.HoldColor, settings.LEDBack);
    SetLedColors(*this, QStringLiteral("nledHoldVisitor"), settings.HoldColor, settings.LEDBack);
    for (const char* score : { "nledWHome", "nledYHome", "nledWVisitor", "nledYVisitor" })
        SetLedColors(*this, QString::fromLatin1(score), settings.ScoreColor, settings.LEDBack);

    // The side names keep their design colours; the marks and the clock
    // frame get theirs below.
    ApplyBoardColors(*this,
        { lblHomeName->objectName(), lblVisitorName->objectName(), picContainerHoldHome->objectName(),
            picContainerHoldVisitor->objectName(), lblMedHome[0]->objectName(), lblMedHome[1]->objectName(),
            lblMedVisitor[0]->objectName(), lblMedVisitor[1]->objectName(), lblIpponHome->objectName(),
            lblIpponVisitor->objectName(), shpContestTime->objectName() },
        { .FormBack = settings.FormBack, .LEDBack = settings.LEDBack, .BorderColor = settings.BorderColor });

    picContainerHoldHome->SetBackColor(settings.LEDBack);
    picContainerHoldVisitor->SetBackColor(settings.LEDBack);
    for (Label* cross : lblMedHome)
        cross->SetBackColor(settings.LEDBack);
    for (Label* cross : lblMedVisitor)
        cross->SetBackColor(settings.LEDBack);
    lblIpponHome->SetBackColor(settings.LEDBack);
    lblIpponVisitor->SetBackColor(settings.LEDBack);

    shpContestTime->SetBorderColor(settings.BorderColor);
    shpHoldHome->SetFillColor(settings.BorderColor);
    shpHoldVisitor->SetFillColor(settings.BorderColor);
    shpObjectSelected->SetFillColor(settings.LEDSelected);
    tledPeriod->SetBorderColor(settings.BorderColor);

    UpdateOtherColors();
    UpdatePenaltyColors();
    emit LooksChanged();
}

void frmScoreboard::UpdateOtherColors()
{
    const int hold = BoardSettings.HoldColor;
    const int off = BoardSettings.FormBack;
    // A state outside the listed values leaves its group as it is.
    const auto sideMarks = [off](qint16 side, int on, auto setHome, auto setVisitor) {
        if (side < 0 || side > 2)
            return;
        setHome(side == 1 ? on : off);
        setVisitor(side == 2 ? on : off);
    };
    const auto crosses = [hold, off](const QVector<Label*>& marks, qint16 count) {
        if (count < 0 || count > 2)
            return;
        marks[0]->SetForeColor(count >= 1 ? hold : off);
        marks[1]->SetForeColor(count >= 2 ? hold : off);
    };
    sideMarks(
        Ippon, hold, [this](int c) { lblIpponHome->SetForeColor(c); },
        [this](int c) { lblIpponVisitor->SetForeColor(c); });
    crosses(lblMedHome, MedHome);
    crosses(lblMedVisitor, MedVisitor);
    sideMarks(
        Winner, BoardSettings.ScoreColor, [this](int c) { shpWinnerHome->SetFillColor(c); },
        [this](int c) { shpWinnerVisitor->SetFillColor(c); });
    // The caption "WINNER" shows over the winner where the rule set names one.
    const bool decides = Rules().Decides;
    Label18->SetVisible(decides && Winner == 1);
    Label17->SetVisible(decides && Winner == 2);
}

void frmScoreboard::UpdatePenaltyColors()
{
    for (int i = 1; i <= 4; ++i) {
        shpHomeS[i]->SetFillColor(i <= PenaltySH ? BoardSettings.HoldColor : BoardSettings.FormBack);
        shpVisitorS[i]->SetFillColor(i <= PenaltySV ? BoardSettings.HoldColor : BoardSettings.FormBack);
    }
    // Two waza-ari make ippon.
    if (nledWHome->Value() == 2) {
        IpponToggle(1);
        nledWHome->SetValue(0);
    }
    if (nledWVisitor->Value() == 2) {
        IpponToggle(2);
        nledWVisitor->SetValue(0);
    }
}

void frmScoreboard::Retranslate()
{
    Form::Retranslate();
    UpdateLabels();
}

void frmScoreboard::UpdateLabels()
{
    lblTitle->SetCaption(ShownName(BoardSettings.TitleText));
    lblHomeName->SetCaption(ShownName(BoardSettings.HomeText));
    lblVisitorName->SetCaption(ShownName(BoardSettings.VisitorText));
    FitPicture(*imgHomePic, *picHomePicContainer, BoardSettings.HomePic);
    FitPicture(*imgVisitorPic, *picVisitorPicContainer, BoardSettings.VisitorPic);
    SetLedType(*this, BoardSettings.LEDType);
    UpdateRuleDisplay();
    emit LooksChanged();
}

} // namespace kv
