#include "settings/optionsdesign.h"

namespace kv {

namespace {

// Label alignment and border codes; colours are 0x00BBGGRR.
constexpr int Right = 1;
constexpr int Centre = 2;
constexpr int Single = 1;
constexpr int White = 0xFFFFFF;

} // namespace

const std::vector<ControlDesign>& OptionsDesign()
{
    // clang-format off
    static const std::vector<ControlDesign> design = {
        {"SSTab1", -1, "SSTab", "", 120, 120, 6015, 5295, {{"TabCaptions", "Key Controls|Color Controls|Text Controls|Pictures|Additional Settings|Rules|Network"}, {"TabsPerRow", 4}, {"TabHeight", 270}, {"TabIndex", 0}}},
        {"tabKeyControls", -1, "TabPage", "SSTab1", 0, 0, 6015, 5295, {{"TabNumber", 0}}},
        {"tabColorControls", -1, "TabPage", "SSTab1", 0, 0, 6015, 5295, {{"TabNumber", 1}}},
        {"tabTextControls", -1, "TabPage", "SSTab1", 0, 0, 6015, 5295, {{"TabNumber", 2}}},
        {"tabPictures", -1, "TabPage", "SSTab1", 0, 0, 6015, 5295, {{"TabNumber", 3}}},
        {"tabAdditionalSettings", -1, "TabPage", "SSTab1", 0, 0, 6015, 5295, {{"TabNumber", 4}}},
        {"tabRules", -1, "TabPage", "SSTab1", 0, 0, 6015, 5295, {{"TabNumber", 5}}},
        {"tabNetwork", -1, "TabPage", "SSTab1", 0, 0, 6015, 5295, {{"TabNumber", 6}}},

        // "Key Controls"
        {"cmdStartStopPeriodClock", -1, "CommandButton", "tabKeyControls", 360, 600, 1695, 495, {{"Caption", "Start / Stop Contest Clock"}, {"TabIndex", 1}}},
        {"lblStartStopPeriodClock", -1, "DialogLabel", "tabKeyControls", 2040, 660, 1335, 375, {{"BorderStyle", Single}, {"Alignment", Centre}}},
        {"cmdResetPeriodClock", -1, "CommandButton", "tabKeyControls", 360, 1320, 1695, 495, {{"Caption", "Reset Contest"}, {"TabIndex", 2}}},
        {"lblResetPeriodClock", -1, "DialogLabel", "tabKeyControls", 2040, 1380, 1335, 375, {{"BorderStyle", Single}, {"Alignment", Centre}}},
        {"cmdClearKey", -1, "CommandButton", "tabKeyControls", 360, 2040, 1695, 495, {{"Caption", "# Clear Key"}, {"TabIndex", 3}, {"Visible", false}}},
        {"lblClear", -1, "DialogLabel", "tabKeyControls", 2040, 2100, 1335, 375, {{"BorderStyle", Single}, {"Alignment", Centre}, {"Visible", false}}},
        {"cmdUndoKey", -1, "CommandButton", "tabKeyControls", 360, 2760, 1695, 495, {{"Caption", "Undo Last Change"}, {"TabIndex", 3}}},
        {"lblUndoKey", -1, "DialogLabel", "tabKeyControls", 2040, 2820, 1335, 375, {{"BorderStyle", Single}, {"Alignment", Centre}}},
        {"Frame9", -1, "CaptionFrame", "tabKeyControls", 3720, 720, 1935, 1455, {{"Caption", "Numlock Options:"}}},
        {"optNormal", -1, "OptionButton", "Frame9", 120, 240, 1695, 375, {{"Caption", "Normal Mode"}, {"TabIndex", 4}}},
        {"optKeepOn", -1, "OptionButton", "Frame9", 120, 600, 1695, 375, {{"Caption", "Keep Numlock On"}, {"TabIndex", 5}}},
        {"optKeepOff", -1, "OptionButton", "Frame9", 120, 960, 1695, 375, {{"Caption", "Keep Numlock Off"}, {"TabIndex", 6}}},
        {"cmdResetKeys", -1, "CommandButton", "tabKeyControls", 4440, 4320, 1215, 375, {{"Caption", "Reset Keys"}, {"TabIndex", 7}}},

        // "Color Controls"
        {"frmBackColor", -1, "CaptionFrame", "tabColorControls", 360, 720, 1695, 735, {{"Caption", "Back Color:"}}},
        {"picBackC", -1, "ColorBox", "frmBackColor", 120, 240, 615, 375, {}},
        {"cmdBackC", -1, "CommandButton", "frmBackColor", 840, 240, 735, 375, {{"Caption", "Change"}, {"TabIndex", 8}}},
        {"fraLedBack", -1, "CaptionFrame", "tabColorControls", 2160, 720, 1695, 735, {{"Caption", "LED Background:"}}},
        {"picLEDB", -1, "ColorBox", "fraLedBack", 120, 240, 615, 375, {}},
        {"cmdLEDB", -1, "CommandButton", "fraLedBack", 840, 240, 735, 375, {{"Caption", "Change"}, {"TabIndex", 9}}},
        {"frmBorderColor", -1, "CaptionFrame", "tabColorControls", 3960, 720, 1695, 735, {{"Caption", "Border Color:"}}},
        {"picBorderC", -1, "ColorBox", "frmBorderColor", 120, 240, 615, 375, {}},
        {"cmdBorderC", -1, "CommandButton", "frmBorderColor", 840, 240, 735, 375, {{"Caption", "Change"}, {"TabIndex", 10}}},
        {"frmScoreColor", -1, "CaptionFrame", "tabColorControls", 360, 1920, 1695, 735, {{"Caption", "Score Color:"}}},
        {"picScoreC", -1, "ColorBox", "frmScoreColor", 120, 240, 615, 375, {}},
        {"cmdScoreC", -1, "CommandButton", "frmScoreColor", 840, 240, 735, 375, {{"Caption", "Change"}, {"TabIndex", 11}}},
        {"frmHoldColor", -1, "CaptionFrame", "tabColorControls", 2160, 1920, 1695, 735, {{"Caption", "Hold Color:"}}},
        {"picHoldC", -1, "ColorBox", "frmHoldColor", 120, 240, 615, 375, {}},
        {"cmdHoldC", -1, "CommandButton", "frmHoldColor", 840, 240, 735, 375, {{"Caption", "Change"}, {"TabIndex", 12}}},
        {"fraTimeFore", -1, "CaptionFrame", "tabColorControls", 3960, 1920, 1695, 735, {{"Caption", "Time Color:"}}},
        {"picTimeC", -1, "ColorBox", "fraTimeFore", 120, 240, 615, 375, {}},
        {"cmdTimeC", -1, "CommandButton", "fraTimeFore", 840, 240, 735, 375, {{"Caption", "Change"}, {"TabIndex", 13}}},
        {"fraLedSelected", -1, "CaptionFrame", "tabColorControls", 2160, 3000, 1695, 1095, {{"Caption", "LED Selected"}}},
        {"picLedSelected", -1, "ColorBox", "fraLedSelected", 120, 240, 615, 375, {}},
        {"cmdLedSelected", -1, "CommandButton", "fraLedSelected", 840, 240, 735, 375, {{"Caption", "Change"}, {"TabIndex", 14}}},
        {"lblLEDSelectedWidth", -1, "DialogLabel", "fraLedSelected", 120, 720, 615, 255, {{"Caption", "Width:"}, {"Alignment", Right}}},
        {"lblLEDSelectedWidthValue", -1, "DialogLabel", "fraLedSelected", 840, 720, 375, 255, {{"Caption", "0"}, {"BorderStyle", Single}, {"Alignment", Centre}, {"BackColor", White}}},
        {"scrLEDSelectedWidth", -1, "VScrollBar", "fraLedSelected", 1200, 720, 255, 255, {{"Min", 0}, {"Max", 5}, {"SmallChange", 1}, {"TabIndex", 15}}},
        {"cmdResetColors", -1, "CommandButton", "tabColorControls", 4440, 4320, 1215, 375, {{"Caption", "Reset Colors"}, {"TabIndex", 16}}},

        // "Text Controls"
        {"Frame10", -1, "CaptionFrame", "tabTextControls", 645, 660, 4815, 975, {{"Caption", "Board Name:"}, {"FontName", "Arial"}, {"FontSize", 12}}},
        {"txtTitleText", -1, "TextBox", "Frame10", 120, 360, 4575, 435, {{"MaxLength", 25}, {"FontName", "Arial"}, {"FontSize", 15.75}, {"Alignment", Centre}, {"TabIndex", 17}}},
        {"Frame1", -1, "CaptionFrame", "tabTextControls", 645, 1800, 4815, 975, {{"Caption", "Home Name:"}, {"FontName", "Arial"}, {"FontSize", 12}}},
        {"txtHomeText", -1, "TextBox", "Frame1", 120, 360, 4575, 435, {{"MaxLength", 20}, {"FontName", "Arial"}, {"FontSize", 15.75}, {"Alignment", Centre}, {"TabIndex", 18}}},
        {"Frame2", -1, "CaptionFrame", "tabTextControls", 645, 3000, 4815, 975, {{"Caption", "Visitor Name:"}, {"FontName", "Arial"}, {"FontSize", 12}}},
        {"txtVisitorText", -1, "TextBox", "Frame2", 120, 360, 4575, 435, {{"MaxLength", 20}, {"FontName", "Arial"}, {"FontSize", 15.75}, {"Alignment", Centre}, {"TabIndex", 19}}},

        // "Pictures"
        {"Frame3", -1, "CaptionFrame", "tabPictures", 360, 660, 2415, 1575, {{"Caption", "Home Picture"}}},
        {"picHomePicPreviewCon", -1, "PictureBox", "Frame3", 120, 240, 1215, 1215, {{"TabStop", false}}},
        {"imgHomePicPreview", -1, "Image", "picHomePicPreviewCon", 0, 0, 900, 900, {}},
        {"cmdChangeHomePic", -1, "CommandButton", "Frame3", 1440, 360, 855, 375, {{"Caption", "Change"}, {"TabIndex", 20}}},
        {"cmdClearHomePic", -1, "CommandButton", "Frame3", 1440, 840, 855, 375, {{"Caption", "Clear"}, {"TabIndex", 21}}},
        {"Frame4", -1, "CaptionFrame", "tabPictures", 3120, 660, 2415, 1575, {{"Caption", "Visitor Picture"}}},
        {"picVisitorPicPreviewCon", -1, "PictureBox", "Frame4", 120, 240, 1215, 1215, {{"TabStop", false}}},
        {"imgVisitorPicPreview", -1, "Image", "picVisitorPicPreviewCon", 0, 0, 900, 900, {}},
        {"cmdChangeVisitorPic", -1, "CommandButton", "Frame4", 1440, 360, 855, 375, {{"Caption", "Change"}, {"TabIndex", 22}}},
        {"cmdClearVisitorPic", -1, "CommandButton", "Frame4", 1440, 840, 855, 375, {{"Caption", "Clear"}, {"TabIndex", 23}}},
        {"Frame6", -1, "CaptionFrame", "tabPictures", 1928, 2640, 2415, 1575, {{"Caption", "Digit Type:"}}},
        {"cmbLedType", -1, "ComboBox", "Frame6", 120, 600, 1335, 315, {{"List", "Lines|Dots"}, {"TabIndex", 24}}},
        {"Label1", -1, "DialogLabel", "Frame6", 1440, 240, 855, 255, {{"Caption", "Preview:"}, {"Alignment", Centre}}},
        // Size 48 keeps the preview (one digit and its margins) within 540 x 975.
        {"pledPreview", -1, "PolyLED", "Frame6", 1560, 480, 540, 975, {{"Size", 48}}},

        // "Additional Settings"
        {"Frame11", -1, "CaptionFrame", "tabAdditionalSettings", 240, 600, 5535, 1335, {{"Caption", "Buzzer sound:"}}},
        {"lblBFile", -1, "DialogLabel", "Frame11", 120, 360, 5295, 375, {{"Caption", "buzzer.wav"}, {"BorderStyle", Single}, {"FontName", "Arial"}, {"FontSize", 9.75}}},
        {"cmdBuzzerSoundChange", -1, "CommandButton", "Frame11", 120, 720, 1455, 495, {{"Caption", "Change Sound ..."}, {"TabIndex", 25}}},
        {"cmdBuzzerSoundNone", -1, "CommandButton", "Frame11", 1680, 720, 975, 495, {{"Caption", "No Sound"}, {"TabIndex", 26}}},
        {"cmdBuzzerKey", -1, "CommandButton", "Frame11", 2760, 720, 1335, 495, {{"Caption", "Select Sound Key"}, {"TabIndex", 27}}},
        {"lblBuzzerKey", -1, "DialogLabel", "Frame11", 4080, 780, 1335, 375, {{"BorderStyle", Single}, {"Alignment", Centre}}},

        // "Rules"
        {"fraRuleSet", -1, "CaptionFrame", "tabRules", 360, 720, 2535, 855, {{"Caption", "Rule set:"}}},
        {"cmbRuleSet", -1, "ComboBox", "fraRuleSet", 120, 360, 2295, 315, {{"List", "Classic|IJF 2018|IJF 2025"}, {"TabIndex", 30}}},
        {"fraCategory", -1, "CaptionFrame", "tabRules", 3120, 720, 2535, 855, {{"Caption", "Category:"}}},
        {"cmbCategory", -1, "ComboBox", "fraCategory", 120, 360, 2295, 315, {{"List", "None|Seniors 4:00|U21 4:00|U18 4:00|U15 3:00|Veterans 3:00|Children 2:00"}, {"TabIndex", 31}}},
        {"fraGoldenScoreLimit", -1, "CaptionFrame", "tabRules", 360, 1800, 2535, 855, {{"Caption", "Golden score limit:"}}},
        {"cmbGoldenScoreLimit", -1, "ComboBox", "fraGoldenScoreLimit", 120, 360, 2295, 315, {{"List", "Unlimited|1 minute|2 minutes|3 minutes|4 minutes|5 minutes|None"}, {"TabIndex", 32}}},
        {"fraHolds", -1, "CaptionFrame", "tabRules", 3120, 1800, 2535, 855, {{"Caption", "Osaekomi:"}}},
        {"chkScoreHolds", -1, "CheckBox", "fraHolds", 120, 360, 2295, 375, {{"Caption", "Score holds automatically"}, {"TabIndex", 33}}},
        {"lblRulesNote", -1, "DialogLabel", "tabRules", 360, 2880, 5295, 1335, {{"Caption", "A category fills the contest length and the golden-score limit; the length can still be typed on the contest clock. The rule set changes only between contests: press the reset key first."}, {"FontName", "Arial"}, {"FontSize", 9.75}}},

        // "Network"
        {"fraNetwork", -1, "CaptionFrame", "tabNetwork", 360, 720, 5295, 2655, {{"Caption", "Show the board in browsers on the network:"}}},
        {"optServeOff", -1, "OptionButton", "fraNetwork", 240, 360, 2415, 375, {{"Caption", "Off"}, {"TabIndex", 34}}},
        {"optServeOn", -1, "OptionButton", "fraNetwork", 240, 840, 1815, 375, {{"Caption", "On, on port:"}, {"TabIndex", 35}}},
        {"txtServePort", -1, "TextBox", "fraNetwork", 2160, 840, 975, 375, {{"MaxLength", 5}, {"Alignment", Centre}, {"TabIndex", 36}}},
        {"lblServeNote", -1, "DialogLabel", "fraNetwork", 240, 1440, 4815, 1095, {{"Caption", "Any browser on the hall's network then shows the board at the address in the board's title bar (http://this computer:port/), a stream overlay at /overlay and the state as JSON at /state. Nothing on the network can change the contest."}}},

        {"cmdOk", -1, "CommandButton", "", 1935, 5520, 1080, 375, {{"Caption", "&Ok"}, {"TabIndex", 28}}},
        {"cmdCancel", -1, "CommandButton", "", 3255, 5520, 1080, 375, {{"Caption", "&Cancel"}, {"TabIndex", 29}}},
    };
    // clang-format on
    return design;
}

} // namespace kv
