#include "hall/matboarddesign.h"

namespace kv {

namespace {

// Colours are 0x00BBGGRR; most are replaced from the settings at run time.
constexpr int White = 0xFFFFFF;
constexpr int Black = 0x000000;
constexpr int Red = 0x0000FF;
constexpr int Green = 0x00C000;
constexpr int Blue = 0xFF9900;

constexpr int Oval = 2;
constexpr int Solid = 0;
constexpr int Left = 0;

} // namespace

const std::vector<ControlDesign>& MatBoardDesign()
{
    // A header with the mat and the column captions, then a row per side:
    // name, winner mark, ippon mark, waza-ari, yuko, four shido marks and the
    // osaekomi clock while a hold runs; the contest clock on the right.
    // clang-format off
    static const std::vector<ControlDesign> design = {
        // Header
        {"lblMat", -1, "Label", "", 120, 45, 2700, 540, {{"Caption", "MAT"}, {"FontSize", 20}, {"Alignment", Left}, {"SingleLine", true}}},
        {"lblCaptionI", -1, "Label", "", 3240, 120, 540, 480, {{"Caption", "I"}, {"FontSize", 14}}},
        {"lblCaptionW", -1, "Label", "", 3900, 120, 570, 480, {{"Caption", "W"}, {"FontSize", 14}}},
        {"lblCaptionY", -1, "Label", "", 4560, 120, 570, 480, {{"Caption", "Y"}, {"FontSize", 14}}},
        {"lblCaptionS", -1, "Label", "", 5220, 120, 1260, 480, {{"Caption", QT_TRANSLATE_NOOP("kv::MatBoard", "SHIDO")}, {"FontSize", 14}}},
        {"lblGoldenScore", -1, "Label", "", 7440, 120, 2400, 480, {{"Caption", QT_TRANSLATE_NOOP("kv::MatBoard", "GOLDEN SCORE")}, {"FontSize", 14}, {"SingleLine", true}, {"Visible", false}}},
        {"lblOffline", -1, "Label", "", 7440, 45, 2400, 540, {{"Caption", QT_TRANSLATE_NOOP("kv::MatBoard", "offline")}, {"FontSize", 20}, {"SingleLine", true}, {"Visible", false}}},
        {"Line1", -1, "Line", "", 0, 0, 0, 0, {{"X1", 60}, {"Y1", 630}, {"X2", 9840}, {"Y2", 630}, {"BorderColor", White}, {"BorderWidth", 2}}},

        // Home row
        {"lblHomeName", -1, "Label", "", 120, 930, 2700, 600, {{"Caption", "Home"}, {"FontSize", 20}, {"SingleLine", true}, {"BackStyle", 1}, {"BackColor", White}, {"ForeColor", Black}}},
        {"shpWinnerHome", -1, "Shape", "", 2880, 1042, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Green}, {"BorderWidth", 2}, {"Visible", false}}},
        {"lblIpponHome", -1, "Label", "", 3240, 870, 540, 720, {{"Caption", "<"}, {"FontSize", 24}, {"BackStyle", 1}, {"BackColor", Black}, {"ForeColor", Red}}},
        {"nledWHome", -1, "NumberLED", "", 3900, 765, 570, 930, {{"Size", 50}, {"PaddingH", 80}, {"PaddingV", 90}, {"PaddingI", 50}, {"LitColor", Green}}},
        {"nledYHome", -1, "NumberLED", "", 4560, 765, 570, 930, {{"Size", 50}, {"PaddingH", 80}, {"PaddingV", 90}, {"PaddingI", 50}, {"LitColor", Green}}},
        {"shpHomeS", 1, "Shape", "", 5280, 1050, 240, 360, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpHomeS", 2, "Shape", "", 5580, 1050, 240, 360, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpHomeS", 3, "Shape", "", 5880, 1050, 240, 360, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpHomeS", 4, "Shape", "", 6180, 1050, 240, 360, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpHoldHome", -1, "Shape", "", 6540, 1148, 165, 165, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", White}, {"BorderStyle", 0}, {"Visible", false}}},
        {"nledHoldHome", -1, "NumberLED", "", 6750, 870, 840, 720, {{"Max", 99}, {"Size", 40}, {"PaddingH", 60}, {"PaddingV", 60}, {"PaddingI", 60}, {"LitColor", Red}, {"Visible", false}}},

        {"Line2", -1, "Line", "", 0, 0, 0, 0, {{"X1", 60}, {"Y1", 1830}, {"X2", 7560}, {"Y2", 1830}, {"BorderColor", White}, {"BorderWidth", 2}}},

        // Visitor row
        {"lblVisitorName", -1, "Label", "", 120, 2130, 2700, 600, {{"Caption", "Visitor"}, {"FontSize", 20}, {"SingleLine", true}, {"BackStyle", 1}, {"BackColor", Blue}, {"ForeColor", White}}},
        {"shpWinnerVisitor", -1, "Shape", "", 2880, 2242, 255, 375, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Green}, {"BorderWidth", 2}, {"Visible", false}}},
        {"lblIpponVisitor", -1, "Label", "", 3240, 2070, 540, 720, {{"Caption", ">"}, {"FontSize", 24}, {"BackStyle", 1}, {"BackColor", Black}, {"ForeColor", Red}}},
        {"nledWVisitor", -1, "NumberLED", "", 3900, 1965, 570, 930, {{"Size", 50}, {"PaddingH", 80}, {"PaddingV", 90}, {"PaddingI", 50}, {"LitColor", Green}}},
        {"nledYVisitor", -1, "NumberLED", "", 4560, 1965, 570, 930, {{"Size", 50}, {"PaddingH", 80}, {"PaddingV", 90}, {"PaddingI", 50}, {"LitColor", Green}}},
        {"shpVisitorS", 1, "Shape", "", 5280, 2250, 240, 360, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpVisitorS", 2, "Shape", "", 5580, 2250, 240, 360, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpVisitorS", 3, "Shape", "", 5880, 2250, 240, 360, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpVisitorS", 4, "Shape", "", 6180, 2250, 240, 360, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", Red}, {"BorderWidth", 2}}},
        {"shpHoldVisitor", -1, "Shape", "", 6540, 2348, 165, 165, {{"Shape", Oval}, {"FillStyle", Solid}, {"FillColor", White}, {"BorderStyle", 0}, {"Visible", false}}},
        {"nledHoldVisitor", -1, "NumberLED", "", 6750, 2070, 840, 720, {{"Max", 99}, {"Size", 40}, {"PaddingH", 60}, {"PaddingV", 60}, {"PaddingI", 60}, {"LitColor", Red}, {"Visible", false}}},

        // Contest clock
        {"tledPeriod", -1, "TimeLED", "", 7720, 1330, 2080, 1000, {{"Size", 56}, {"PaddingH", 120}, {"PaddingV", 80}, {"PaddingI", 100}, {"PaddingD", 100}, {"GroupLengths", "1,2"}, {"GroupUnits", "60,1"}, {"Caption", 0.0}}},
    };
    // clang-format on
    return design;
}

} // namespace kv
