#include "display/scoreboarddesign.h"

namespace kv {

namespace {

// Labels are Arial bold, centred, white on a transparent background unless
// the row says otherwise. Colours are 0x00BBGGRR.
constexpr int White = 0xFFFFFF;
constexpr int Black = 0x000000;
constexpr int Red = 0x0000FF;
constexpr int Green = 0x00C000;
constexpr int Blue = 0xFF9900;

// Shape codes and styles.
constexpr int Rectangle = 0;
constexpr int Oval = 2;
constexpr int RoundedRectangle = 4;
constexpr int Solid = 0;
constexpr int Transparent = 1;

} // namespace

const std::vector<ControlDesign>& ScoreboardDesign()
{
    // clang-format off
    static const std::vector<ControlDesign> design = {
        // Title band
        {"lblTitle", -1, "Label", "", 120, 0, 9255, 855, {{"Caption", "Home Team Stadiumyg"}, {"FontSize", 36}, {"SingleLine", true}}},
        {"Line2", -1, "Line", "", 0, 0, 0, 0, {{"X1", 53}, {"Y1", 945}, {"X2", 9413}, {"Y2", 945}, {"BorderColor", White}, {"BorderWidth", 7}}},

        // Contest clock
        {"shpContestTime", -1, "Shape", "", 2745, 960, 3990, 2055, {{"Shape", RoundedRectangle}, {"FillStyle", Transparent}, {"BorderColor", White}, {"BorderWidth", 7}}},
        {"Label25", -1, "Label", "", 2873, 1020, 3735, 495, {{"Caption", QT_TRANSLATE_NOOP("kv::frmScoreboard", "CONTEST TIME")}, {"FontSize", 21.75}}},
        {"tledPeriod", -1, "TimeLED", "", 3398, 1500, 2685, 1140, {{"Size", 65}, {"PaddingH", 180}, {"PaddingV", 80}, {"PaddingI", 180}, {"PaddingD", 180}, {"GroupLengths", "1,2"}, {"GroupUnits", "60,1"}, {"Caption", 120.0}, {"TabIndex", 0}}},
        {"lblCreatedBy", -1, "Label", "", 2873, 2630, 3735, 495, {{"Caption", "www.brontique.net"}, {"FontSize", 12.75}}},
        {"tkPeriod", -1, "TimeKeeper", "", 4440, 1080, 1095, 375, {}},
        {"tmrClock1", -1, "Timer", "", 0, 0, 0, 0, {{"Interval", 50}, {"Enabled", true}}},
        {"mmcBuzzer", -1, "MMControl", "", 1320, 0, 3540, 495, {}},

        // Osaekomi clocks
        {"lblHomeName", -1, "Label", "", 0, 1115, 2600, 495, {{"Caption", "OSAEKOMI"}, {"FontSize", 21.75}, {"SingleLine", true}, {"BackStyle", 1}, {"BackColor", White}, {"ForeColor", Black}}},
        {"lblVisitorName", -1, "Label", "", 6900, 1115, 2600, 495, {{"Caption", "OSAEKOMI"}, {"FontSize", 21.75}, {"SingleLine", true}, {"BackStyle", 1}, {"BackColor", Blue}, {"ForeColor", White}}},
        {"picContainerHoldHome", -1, "PictureBox", "", 720, 1680, 1695, 1215, {{"TabIndex", 2}}},
        {"nledHoldHome", -1, "NumberLED", "picContainerHoldHome", 360, 120, 1215, 975, {{"Max", 99}, {"Size", 65}, {"PaddingI", 140}, {"LitColor", Red}, {"Caption", "99"}, {"TabIndex", 1}, {"TabStop", false}}},
        {"shpHoldHome", -1, "Shape", "picContainerHoldHome", 120, 840, 165, 165, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", White}, {"BorderStyle", 0}}},
        {"picContainerHoldVisitor", -1, "PictureBox", "", 7080, 1680, 1695, 1215, {{"TabIndex", 3}}},
        {"nledHoldVisitor", -1, "NumberLED", "picContainerHoldVisitor", 360, 120, 1215, 975, {{"Max", 99}, {"Size", 65}, {"PaddingI", 140}, {"LitColor", Red}, {"Caption", "99"}, {"TabIndex", 16}, {"TabStop", false}}},
        {"shpHoldVisitor", -1, "Shape", "picContainerHoldVisitor", 120, 840, 165, 165, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", White}, {"BorderStyle", 0}}},
        {"tkHoldHome", -1, "TimeKeeper", "", 840, 1200, 1095, 375, {{"CountDirection", 1}}},
        {"tkHoldVisitor", -1, "TimeKeeper", "", 7560, 1200, 1095, 375, {{"CountDirection", 1}}},

        // Divider between the Home half (left) and the Visitor half (right)
        {"Line1", -1, "Line", "", 0, 0, 0, 0, {{"X1", 4733}, {"Y1", 3020}, {"X2", 4733}, {"Y2", 6790}, {"BorderColor", White}, {"BorderWidth", 7}}},

        // Home half
        {"picMedHome", -1, "PictureBox", "", 480, 3120, 1215, 615, {{"TabIndex", 4}}},
        {"lblMedHome", 1, "Label", "picMedHome", 0, 30, 615, 615, {{"Caption", "+"}, {"FontSize", 24}, {"BackStyle", 1}, {"BackColor", Black}, {"ForeColor", Red}}},
        {"lblMedHome", 0, "Label", "picMedHome", 600, 30, 615, 615, {{"Caption", "+"}, {"FontSize", 24}, {"BackStyle", 1}, {"BackColor", Black}, {"ForeColor", Red}}},
        {"Label18", -1, "Label", "", 1680, 3120, 2175, 615, {{"Caption", QT_TRANSLATE_NOOP("kv::frmScoreboard", "WINNER")}, {"FontSize", 24}, {"Visible", false}}},
        {"picWinnerHome", -1, "PictureBox", "", 3960, 3240, 495, 375, {{"TabIndex", 5}, {"Visible", false}}},
        {"shpWinnerHome", -1, "Shape", "picWinnerHome", 120, 0, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Green}, {"BorderWidth", 2}}},
        {"picHomePicContainer", -1, "PictureBox", "", 3360, 3780, 1215, 1335, {{"TabIndex", 30}}},
        {"imgHomePic", -1, "Image", "picHomePicContainer", 0, 0, 975, 855, {}},
        {"picIpponHome", -1, "PictureBox", "", 480, 4200, 495, 495, {{"TabIndex", 8}}},
        {"lblIpponHome", -1, "Label", "picIpponHome", 0, -30, 495, 495, {{"Caption", "<"}, {"FontSize", 24}, {"BackStyle", 1}, {"BackColor", Black}, {"ForeColor", Red}}},
        {"Label15", -1, "Label", "", 480, 4980, 495, 495, {{"Caption", "I"}, {"FontSize", 24}}},
        {"nledWHome", -1, "NumberLED", "", 1260, 3840, 735, 1125, {{"Size", 65}, {"PaddingH", 100}, {"PaddingV", 75}, {"PaddingI", 50}, {"LitColor", Green}, {"TabIndex", 9}}},
        {"Label3", -1, "Label", "", 1260, 4980, 735, 615, {{"Caption", "W"}, {"FontSize", 24}}},
        {"nledYHome", -1, "NumberLED", "", 2340, 3840, 735, 1125, {{"Size", 65}, {"PaddingH", 100}, {"PaddingV", 75}, {"PaddingI", 50}, {"LitColor", Green}, {"TabIndex", 10}}},
        {"Label5", -1, "Label", "", 2340, 4980, 735, 615, {{"Caption", "Y"}, {"FontSize", 24}}},
        {"picHomeS", -1, "PictureBox", "", 60, 5700, 4575, 1035, {{"TabIndex", 14}}},
        {"shpHomeS", 1, "Shape", "picHomeS", 4080, 60, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpHomeS", 2, "Shape", "picHomeS", 2880, 60, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpHomeS", 3, "Shape", "picHomeS", 1680, 60, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpHomeS", 4, "Shape", "picHomeS", 480, 60, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"Label12", -1, "Label", "picHomeS", 3840, 480, 735, 615, {{"Caption", "S1"}, {"FontSize", 24}}},
        {"Label11", -1, "Label", "picHomeS", 2640, 480, 735, 615, {{"Caption", "S2"}, {"FontSize", 24}}},
        {"Label9", -1, "Label", "picHomeS", 1440, 480, 735, 615, {{"Caption", "S3"}, {"FontSize", 24}}},
        {"Label2", -1, "Label", "picHomeS", 60, 480, 1095, 615, {{"Caption", "S4-H"}, {"FontSize", 24}}},

        // Visitor half
        {"picMedVisitor", -1, "PictureBox", "", 5400, 3120, 1215, 615, {{"TabIndex", 6}}},
        {"lblMedVisitor", 1, "Label", "picMedVisitor", 0, 30, 615, 615, {{"Caption", "+"}, {"FontSize", 24}, {"BackStyle", 1}, {"BackColor", Black}, {"ForeColor", Red}}},
        {"lblMedVisitor", 0, "Label", "picMedVisitor", 600, 30, 615, 615, {{"Caption", "+"}, {"FontSize", 24}, {"BackStyle", 1}, {"BackColor", Black}, {"ForeColor", Red}}},
        {"Label17", -1, "Label", "", 6720, 3120, 2055, 615, {{"Caption", QT_TRANSLATE_NOOP("kv::frmScoreboard", "WINNER")}, {"FontSize", 24}, {"Visible", false}}},
        {"picWinnerVisitor", -1, "PictureBox", "", 8760, 3240, 495, 375, {{"TabIndex", 7}, {"Visible", false}}},
        {"shpWinnerVisitor", -1, "Shape", "picWinnerVisitor", 120, 0, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Green}, {"BorderWidth", 2}}},
        {"picVisitorPicContainer", -1, "PictureBox", "", 8100, 3780, 1215, 1335, {{"TabIndex", 31}}},
        {"imgVisitorPic", -1, "Image", "picVisitorPicContainer", 0, 0, 975, 855, {}},
        {"picIpponVisitor", -1, "PictureBox", "", 5085, 4260, 495, 495, {{"TabIndex", 13}}},
        {"lblIpponVisitor", -1, "Label", "picIpponVisitor", 0, 0, 495, 495, {{"Caption", ">"}, {"FontSize", 24}, {"BackStyle", 1}, {"BackColor", Black}, {"ForeColor", Red}}},
        {"Label16", -1, "Label", "", 5100, 4980, 495, 495, {{"Caption", "I"}, {"FontSize", 24}}},
        {"nledWVisitor", -1, "NumberLED", "", 6000, 3840, 735, 1125, {{"Size", 65}, {"PaddingH", 100}, {"PaddingV", 75}, {"PaddingI", 50}, {"LitColor", Green}, {"TabIndex", 11}}},
        {"Label4", -1, "Label", "", 6000, 4980, 735, 615, {{"Caption", "W"}, {"FontSize", 24}}},
        {"nledYVisitor", -1, "NumberLED", "", 7080, 3840, 735, 1125, {{"Size", 65}, {"PaddingH", 100}, {"PaddingV", 75}, {"PaddingI", 50}, {"LitColor", Green}, {"TabIndex", 12}}},
        {"Label8", -1, "Label", "", 7080, 4980, 735, 615, {{"Caption", "Y"}, {"FontSize", 24}}},
        {"picVisitorS", -1, "PictureBox", "", 4860, 5700, 4575, 1035, {{"TabIndex", 15}}},
        {"shpVisitorS", 1, "Shape", "picVisitorS", 4080, 60, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpVisitorS", 2, "Shape", "picVisitorS", 2880, 60, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpVisitorS", 3, "Shape", "picVisitorS", 1680, 60, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpVisitorS", 4, "Shape", "picVisitorS", 480, 60, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"Label13", -1, "Label", "picVisitorS", 3840, 480, 735, 615, {{"Caption", "S1"}, {"FontSize", 24}}},
        {"Label14", -1, "Label", "picVisitorS", 2640, 480, 735, 615, {{"Caption", "S2"}, {"FontSize", 24}}},
        {"Label10", -1, "Label", "picVisitorS", 1440, 480, 735, 615, {{"Caption", "S3"}, {"FontSize", 24}}},
        {"Label1", -1, "Label", "picVisitorS", 60, 480, 1095, 615, {{"Caption", "S4-H"}, {"FontSize", 24}}},

        // Selection frame: placed around the selected element at run time
        {"shpObjectSelected", -1, "Shape", "", 4680, 3240, 255, 255, {{"Shape", Rectangle}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderStyle", 0}, {"Visible", false}}},
    };
    // clang-format on
    return design;
}

} // namespace kv
