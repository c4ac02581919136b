#include "ui/tablelayout.h"

#include <algorithm>

namespace {

// What each control is for, as a screen reader describes it; the members of a control array
// share theirs.
// clang-format off
constexpr text::Text kCmdCancelORDescription = {QT_TRANSLATE_NOOP("ActionWords", "Close the one-roll panel without registering its amounts"), "ActionWords"};
constexpr text::Text kCmdokaboutDescription = {QT_TRANSLATE_NOOP("ActionWords", "Close the about panel"), "ActionWords"};
constexpr text::Text kTxtOneRollDescription = {QT_TRANSLATE_NOOP("ActionWords", "Amount entered for a one-roll bet"), "ActionWords"};
constexpr text::Text kCmdEnterORDescription = {QT_TRANSLATE_NOOP("ActionWords", "Register the one-roll amounts entered"), "ActionWords"};
constexpr text::Text kCmdOneRollDescription = {QT_TRANSLATE_NOOP("ActionWords", "Open the panel for one-roll bets; bets standing on the table come back to the bankroll"), "ActionWords"};
constexpr text::Text kCmdRollDescription = {QT_TRANSLATE_NOOP("ActionWords", "Roll the die"), "ActionWords"};
constexpr text::Text kTxtBetDescription = {QT_TRANSLATE_NOOP("ActionWords", "Amount of the main bet"), "ActionWords"};
constexpr text::Text kUdBetDescription = {QT_TRANSLATE_NOOP("ActionWords", "The main bet, up to 500 dollars in steps of 5; the Up and Down keys change it"), "ActionWords"};
constexpr text::Text kPicdieDescription = {QT_TRANSLATE_NOOP("ActionWords", "Face of the last roll"), "ActionWords"};
constexpr text::Text kUdOneRollDescription = {QT_TRANSLATE_NOOP("ActionWords", "A one-roll bet, up to 100 dollars; the Up and Down keys change it"), "ActionWords"};
constexpr text::Text kLblaboutDescription = {QT_TRANSLATE_NOOP("ActionWords", "About Pipfall"), "ActionWords"};
constexpr text::Text kLblrebetDescription = {QT_TRANSLATE_NOOP("ActionWords", "Notice about the automatic re-bet"), "ActionWords"};
constexpr text::Text kLblORollDescription = {QT_TRANSLATE_NOOP("ActionWords", "Instructions for one-roll bets"), "ActionWords"};
constexpr text::Text kLblORDescription = {QT_TRANSLATE_NOOP("ActionWords", "One-roll bet spot; a bet pays four to one when its number comes up"), "ActionWords"};
constexpr text::Text kLbloddsDescription = {QT_TRANSLATE_NOOP("ActionWords", "A number that can become the point"), "ActionWords"};
constexpr text::Text kLblpointDescription = {QT_TRANSLATE_NOOP("ActionWords", "The point to roll again: the first chance pays two to one, the second one to one, the third two to one"), "ActionWords"};
constexpr text::Text kLblbetresultDescription = {QT_TRANSLATE_NOOP("ActionWords", "Outcome of the main bet"), "ActionWords"};
constexpr text::Text kLblinfoDescription = {QT_TRANSLATE_NOOP("ActionWords", "Information and instructions"), "ActionWords"};
constexpr text::Text kLblgameoverDescription = {QT_TRANSLATE_NOOP("ActionWords", "End of the game"), "ActionWords"};
constexpr text::Text kLblORinfoDescription = {QT_TRANSLATE_NOOP("ActionWords", "Outcome of the one-roll bets"), "ActionWords"};
constexpr text::Text kLblBankrollDescription = {QT_TRANSLATE_NOOP("ActionWords", "Money left to bet with"), "ActionWords"};
constexpr text::Text kLblcoutDescription = {QT_TRANSLATE_NOOP("ActionWords", "Come-out marker, lit while the next roll is a come-out roll"), "ActionWords"};
constexpr text::Text kLabel5Description = {QT_TRANSLATE_NOOP("ActionWords", "Payout of one-roll bets"), "ActionWords"};
// clang-format on

} // namespace

// clang-format off
constexpr std::array<WidgetRow, 66> kTableWidgets = {{
    {.control = ControlId::cmdCancelOR, .geometry = {7800, 6600, 1935, 255}, .font = {"Arial", 8.25, true}, .back = 0xFFC080, .flags = Coloured, .description = kCmdCancelORDescription},
    {.control = ControlId::cmdokabout, .geometry = {1560, 1560, 1095, 615}, .font = {"Arial", 12, true}, .back = 0x8080FF, .flags = Coloured, .description = kCmdokaboutDescription},
    {.control = ControlId::pblogo, .geometry = {240, 600, 1860, 1500}, .back = 0x0000FF, .flags = Border | AutoSize},
    {.control = ControlId::txtOneRoll_6, .geometry = {10560, 6480, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .description = kTxtOneRollDescription},
    {.control = ControlId::txtOneRoll_5, .geometry = {10560, 6000, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .description = kTxtOneRollDescription},
    {.control = ControlId::cmdEnterOR, .geometry = {7800, 6240, 1935, 285}, .font = {"Arial", 12, true}, .back = 0xFFC080, .flags = Coloured, .description = kCmdEnterORDescription},
    {.control = ControlId::txtOneRoll_4, .geometry = {10560, 5520, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .description = kTxtOneRollDescription},
    {.control = ControlId::txtOneRoll_3, .geometry = {10560, 5040, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .description = kTxtOneRollDescription},
    {.control = ControlId::txtOneRoll_2, .geometry = {10560, 4560, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .description = kTxtOneRollDescription},
    {.control = ControlId::txtOneRoll_1, .geometry = {10560, 4080, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .fore = 0x000000, .description = kTxtOneRollDescription},
    {.control = ControlId::cmdOneRoll, .geometry = {8400, 3360, 3015, 495}, .font = {"Arial", 14.25, true}, .back = 0xFF8000, .flags = Coloured, .description = kCmdOneRollDescription},
    {.control = ControlId::cmdRoll, .geometry = {9000, 2160, 2175, 975}, .font = {"Arial", 26.25, true}, .back = 0x8080FF, .flags = Coloured, .description = kCmdRollDescription},
    {.control = ControlId::txtBet, .geometry = {5280, 5040, 1020, 540}, .font = {"Arial", 20.25, true}, .back = 0x0000C0, .description = kTxtBetDescription},
    {.control = ControlId::udBet, .geometry = {6360, 5160, 195, 315}, .description = kUdBetDescription},
    {.control = ControlId::picdie, .geometry = {5640, 1680, 615, 615}, .flags = Border | AutoSize, .description = kPicdieDescription},
    {.control = ControlId::udOneRoll_1, .geometry = {11280, 4080, 195, 360}, .description = kUdOneRollDescription},
    {.control = ControlId::udOneRoll_2, .geometry = {11280, 4560, 195, 360}, .description = kUdOneRollDescription},
    {.control = ControlId::udOneRoll_3, .geometry = {11280, 5040, 195, 360}, .description = kUdOneRollDescription},
    {.control = ControlId::udOneRoll_4, .geometry = {11280, 5520, 195, 360}, .description = kUdOneRollDescription},
    {.control = ControlId::udOneRoll_5, .geometry = {11280, 6000, 195, 360}, .description = kUdOneRollDescription},
    {.control = ControlId::udOneRoll_6, .geometry = {11280, 6480, 195, 360}, .description = kUdOneRollDescription},
    {.control = ControlId::lblabout, .geometry = {240, 360, 3855, 1935}, .description = kLblaboutDescription},
    {.name = "Shape6(3)", .kind = Kind::Shape, .geometry = {6840, 3120, 375, 735}, .fore = 0xFFFFFF, .pen = 2},
    {.name = "Shape6(2)", .kind = Kind::Shape, .geometry = {6120, 3120, 375, 735}, .fore = 0xFFFFFF, .pen = 2},
    {.name = "Shape6(1)", .kind = Kind::Shape, .geometry = {5400, 3120, 375, 735}, .fore = 0xFFFFFF, .pen = 2},
    {.name = "Shape6(0)", .kind = Kind::Shape, .geometry = {4680, 3120, 375, 735}, .fore = 0xFFFFFF, .pen = 2},
    {.name = "Shape1", .kind = Kind::Shape, .geometry = {5400, 2640, 1095, 375}, .fore = 0xFFFFFF, .pen = 2},
    {.control = ControlId::lblrebet, .geometry = {240, 4680, 1695, 975}, .flags = Border, .description = kLblrebetDescription},
    {.control = ControlId::lblOneRoll_1, .geometry = {9960, 4080, 495, 375}, .flags = AlignRight},
    {.control = ControlId::lblORoll, .geometry = {7440, 4680, 2655, 2295}, .description = kLblORollDescription},
    {.control = ControlId::lblOR_6, .geometry = {7320, 2760, 495, 255}, .flags = Border, .description = kLblORDescription},
    {.control = ControlId::lblodds_5, .geometry = {6840, 3120, 375, 735}, .description = kLbloddsDescription},
    {.control = ControlId::lblodds_4, .geometry = {6120, 3120, 375, 735}, .description = kLbloddsDescription},
    {.control = ControlId::lblOR_4, .geometry = {6000, 3960, 615, 255}, .flags = Border, .description = kLblORDescription},
    {.control = ControlId::lblOR_3, .geometry = {5160, 3960, 735, 255}, .flags = Border, .description = kLblORDescription},
    {.control = ControlId::lblOR_2, .geometry = {4560, 3960, 495, 255}, .flags = Border, .description = kLblORDescription},
    {.control = ControlId::lblpoint, .geometry = {9480, 1440, 1815, 495}, .description = kLblpointDescription},
    {.control = ControlId::lblbetresult, .geometry = {360, 5880, 4575, 1095}, .description = kLblbetresultDescription},
    {.control = ControlId::lblinfo, .geometry = {240, 2400, 2775, 1695}, .description = kLblinfoDescription},
    {.control = ControlId::lblgameover, .geometry = {960, 7080, 4215, 855}, .description = kLblgameoverDescription},
    {.control = ControlId::lblORinfo, .geometry = {6360, 7080, 4935, 855}, .description = kLblORinfoDescription},
    {.control = ControlId::lblOneRoll_6, .geometry = {9960, 6480, 495, 375}, .flags = AlignRight},
    {.control = ControlId::lblOneRoll_5, .geometry = {9960, 6000, 495, 375}, .flags = AlignRight},
    {.control = ControlId::lblOneRoll_4, .geometry = {9960, 5520, 495, 375}, .flags = AlignRight},
    {.control = ControlId::lblOneRoll_3, .geometry = {9960, 5040, 495, 375}, .flags = AlignRight},
    {.control = ControlId::lblOneRoll_2, .geometry = {9960, 4560, 495, 375}, .flags = AlignRight},
    {.control = ControlId::Label7, .geometry = {2160, 4920, 255, 495}},
    {.control = ControlId::Label6, .geometry = {2640, 4560, 1695, 255}},
    {.control = ControlId::lblBankroll, .geometry = {2400, 4920, 2175, 615}, .flags = Border, .description = kLblBankrollDescription},
    {.name = "Line3", .kind = Kind::Line, .geometry = {5880, 6960, 9600, 840}, .pen = 7},
    {.name = "Line2", .kind = Kind::Line, .geometry = {2400, 840, 9600, 840}, .pen = 7},
    {.name = "Line1", .kind = Kind::Line, .geometry = {2400, 840, 5880, 6960}, .pen = 7},
    {.name = "Shape2(6)", .kind = Kind::Shape, .geometry = {4680, 4560, 2415, 1455}, .fore = 0xFFFFFF, .flags = Circle, .pen = 3},
    {.control = ControlId::lblodds_2, .geometry = {4680, 3120, 375, 735}, .description = kLbloddsDescription},
    {.control = ControlId::lblodds_3, .geometry = {5400, 3120, 375, 735}, .description = kLbloddsDescription},
    {.control = ControlId::lblcout_4, .geometry = {5400, 2640, 1095, 375}, .description = kLblcoutDescription},
    {.name = "Shape3(0)", .kind = Kind::Shape, .geometry = {5280, 1440, 1335, 1095}, .fore = 0xFFFFFF, .flags = Circle, .pen = 3},
    {.name = "Shape3(1)", .kind = Kind::Shape, .geometry = {4080, 2040, 735, 615}, .fore = 0xFFFFFF, .flags = Circle, .pen = 3},
    {.name = "Shape3(2)", .kind = Kind::Shape, .geometry = {7200, 2040, 735, 615}, .fore = 0xFFFFFF, .flags = Circle, .pen = 3},
    {.control = ControlId::Label2, .geometry = {4320, 2160, 255, 375}},
    {.control = ControlId::Label3, .geometry = {7440, 2160, 255, 375}},
    {.name = "Shape5", .kind = Kind::Shape, .geometry = {5400, 2640, 1095, 375}, .pen = 3},
    {.control = ControlId::lblOR_1, .geometry = {4080, 2760, 615, 255}, .flags = Border, .description = kLblORDescription},
    {.control = ControlId::lblOR_5, .geometry = {6720, 3960, 495, 255}, .flags = Border, .description = kLblORDescription},
    {.control = ControlId::Label5, .geometry = {4680, 1080, 2535, 255}, .flags = Border, .description = kLabel5Description},
    {.name = "Line15", .kind = Kind::Line, .geometry = {6840, 4080, 6840, 3960}, .pen = 1},
}};
// clang-format on

namespace {

// Every control but the menus has one row.
consteval bool placesEveryControlOnce() {
    for (std::size_t i = 0; i < kTableControls.size(); ++i) {
        int rows = 0;
        for (const WidgetRow& row : kTableWidgets)
            rows += row.control == controlAt(i);
        if (rows != (kTableControls[i].kind == Kind::Menu ? 0 : 1))
            return false;
    }
    return true;
}
static_assert(placesEveryControlOnce(), "kTableWidgets leaves out a control or places it twice");

} // namespace

const std::array<ControlId, 14> kTableTabOrder = {
    ControlId::picdie,      ControlId::udBet,       ControlId::cmdRoll,     ControlId::cmdOneRoll,
    ControlId::udOneRoll_1, ControlId::udOneRoll_2, ControlId::udOneRoll_3, ControlId::udOneRoll_4,
    ControlId::udOneRoll_5, ControlId::cmdEnterOR,  ControlId::udOneRoll_6, ControlId::pblogo,
    ControlId::cmdokabout,  ControlId::cmdCancelOR,
};

const WidgetRow& tableRow(ControlId control) {
    return *std::find_if(kTableWidgets.begin(), kTableWidgets.end(),
                         [control](const WidgetRow& row) { return row.control == control; });
}
