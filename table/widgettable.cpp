#include "table/widgettable.h"

#include "table/rules.h"
#include "table/texts.h"

namespace {

// The about label centres the product name and the version on lines of their own by
// the blanks around them.
constexpr text::Text kAboutCaption =
    /*: The about panel. Each run of three or more blanks starts a new line: keep the runs,
        and the product name, as they are. */
    QT_TRANSLATE_NOOP(
        "Table",
        "                                                                       Pipfall        "
        "Version  1.1");

} // namespace

// clang-format off
const std::array<WidgetRow, 66> kTableWidgets = {{
    {.name = "cmdCancelOR", .kind = Kind::Button, .geometry = {7800, 6600, 1935, 255}, .caption = QT_TRANSLATE_NOOP("Table", "Cancel One Roll Bets"), .font = {"Arial", 8.25, true}, .back = 0xFFC080, .flags = Visible | Enabled | Coloured},
    {.name = "cmdokabout", .kind = Kind::Button, .geometry = {1560, 1560, 1095, 615}, .caption = QT_TRANSLATE_NOOP("Table", "O K"), .font = {"Arial", 12, true}, .back = 0x8080FF, .flags = Enabled | Coloured},
    {.name = "pblogo", .kind = Kind::PictureBox, .geometry = {240, 600, 1860, 1500}, .back = 0x0000FF, .flags = Visible | Enabled | Border | AutoSize},
    {.name = "txtOneRoll(6)", .kind = Kind::TextBox, .geometry = {10560, 6480, 660, 450}, .caption = "0", .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .flags = None},
    {.name = "txtOneRoll(5)", .kind = Kind::TextBox, .geometry = {10560, 6000, 660, 450}, .caption = "0", .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .flags = None},
    {.name = "cmdEnterOR", .kind = Kind::Button, .geometry = {7800, 6240, 1935, 285}, .caption = QT_TRANSLATE_NOOP("Table", "Enter Bets"), .font = {"Arial", 12, true}, .back = 0xFFC080, .flags = Enabled | Coloured},
    {.name = "txtOneRoll(4)", .kind = Kind::TextBox, .geometry = {10560, 5520, 660, 450}, .caption = "0", .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .flags = None},
    {.name = "txtOneRoll(3)", .kind = Kind::TextBox, .geometry = {10560, 5040, 660, 450}, .caption = "0", .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .flags = None},
    {.name = "txtOneRoll(2)", .kind = Kind::TextBox, .geometry = {10560, 4560, 660, 450}, .caption = "0", .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .flags = None},
    {.name = "txtOneRoll(1)", .kind = Kind::TextBox, .geometry = {10560, 4080, 660, 450}, .caption = "0", .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .fore = 0x000000, .flags = None},
    {.name = "cmdOneRoll", .kind = Kind::Button, .geometry = {8400, 3360, 3015, 495}, .caption = QT_TRANSLATE_NOOP("Table", "Make One-Roll Bet"), .font = {"Arial", 14.25, true}, .back = 0xFF8000, .flags = Visible | Enabled | Coloured},
    {.name = "cmdRoll", .kind = Kind::Button, .geometry = {9000, 2160, 2175, 975}, .caption = QT_TRANSLATE_NOOP("Table", "Roll Die"), .font = {"Arial", 26.25, true}, .back = 0x8080FF, .flags = Visible | Enabled | Coloured},
    {.name = "txtBet", .kind = Kind::TextBox, .geometry = {5280, 5040, 1020, 540}, .caption = "0", .font = {"Arial", 20.25, true}, .back = 0x0000C0, .flags = Visible},
    {.name = "udBet", .kind = Kind::UpDown, .geometry = {6360, 5160, 195, 315}, .flags = Visible | Enabled},
    {.name = "picdie", .kind = Kind::PictureBox, .geometry = {5640, 1680, 615, 615}, .flags = Enabled | Border | AutoSize},
    {.name = "udOneRoll(1)", .kind = Kind::UpDown, .geometry = {11280, 4080, 195, 360}, .flags = Enabled},
    {.name = "udOneRoll(2)", .kind = Kind::UpDown, .geometry = {11280, 4560, 195, 360}, .flags = Enabled},
    {.name = "udOneRoll(3)", .kind = Kind::UpDown, .geometry = {11280, 5040, 195, 360}, .flags = Enabled},
    {.name = "udOneRoll(4)", .kind = Kind::UpDown, .geometry = {11280, 5520, 195, 360}, .flags = Enabled},
    {.name = "udOneRoll(5)", .kind = Kind::UpDown, .geometry = {11280, 6000, 195, 360}, .flags = Enabled},
    {.name = "udOneRoll(6)", .kind = Kind::UpDown, .geometry = {11280, 6480, 195, 360}, .flags = Enabled},
    {.name = "lblabout", .kind = Kind::Label, .geometry = {240, 360, 3855, 1935}, .caption = kAboutCaption, .font = {"Arial", 12, true}, .back = 0xC0C0FF, .flags = Enabled},
    {.name = "Shape6(3)", .kind = Kind::Shape, .geometry = {6840, 3120, 375, 735}, .fore = 0xFFFFFF, .flags = Visible | Enabled, .pen = 2},
    {.name = "Shape6(2)", .kind = Kind::Shape, .geometry = {6120, 3120, 375, 735}, .fore = 0xFFFFFF, .flags = Visible | Enabled, .pen = 2},
    {.name = "Shape6(1)", .kind = Kind::Shape, .geometry = {5400, 3120, 375, 735}, .fore = 0xFFFFFF, .flags = Visible | Enabled, .pen = 2},
    {.name = "Shape6(0)", .kind = Kind::Shape, .geometry = {4680, 3120, 375, 735}, .fore = 0xFFFFFF, .flags = Visible | Enabled, .pen = 2},
    {.name = "Shape1", .kind = Kind::Shape, .geometry = {5400, 2640, 1095, 375}, .fore = 0xFFFFFF, .flags = Visible | Enabled, .pen = 2},
    {.name = "lblrebet", .kind = Kind::Label, .geometry = {240, 4680, 1695, 975}, .caption = text::ReBetStands, .font = {"Arial", 9, true}, .back = 0x8080FF, .flags = Enabled | Border},
    {.name = "lblOneRoll(1)", .kind = Kind::Label, .geometry = {9960, 4080, 495, 375}, .caption = "1", .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF, .flags = Enabled | AlignRight},
    {.name = "lblORoll", .kind = Kind::Label, .geometry = {7440, 4680, 2655, 2295}, .caption = QT_TRANSLATE_NOOP("Table", "Please select the amount you wish to bet on each number by using the up-down buttons."), .font = {"Arial", 12, true}, .back = 0xFF8000, .flags = Enabled},
    {.name = "lblOR(6)", .kind = Kind::Label, .geometry = {7320, 2760, 495, 255}, .caption = text::NumberNames[5], .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF, .flags = Visible | Enabled | Border},
    {.name = "lblodds(5)", .kind = Kind::Label, .geometry = {6840, 3120, 375, 735}, .caption = "5", .font = {"Arial", 18, true}, .back = 0x0000FF, .flags = Visible | Enabled},
    {.name = "lblodds(4)", .kind = Kind::Label, .geometry = {6120, 3120, 375, 735}, .caption = "4", .font = {"Arial", 18, true}, .back = 0x0000FF, .flags = Visible | Enabled},
    {.name = "lblOR(4)", .kind = Kind::Label, .geometry = {6000, 3960, 615, 255}, .caption = text::NumberNames[3], .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF, .flags = Visible | Enabled | Border},
    {.name = "lblOR(3)", .kind = Kind::Label, .geometry = {5160, 3960, 735, 255}, .caption = text::NumberNames[2], .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF, .flags = Visible | Enabled | Border},
    {.name = "lblOR(2)", .kind = Kind::Label, .geometry = {4560, 3960, 495, 255}, .caption = text::NumberNames[1], .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF, .flags = Visible | Enabled | Border},
    {.name = "lblpoint", .kind = Kind::Label, .geometry = {9480, 1440, 1815, 495}, .caption = text::NoPoint, .font = {"Arial", 18, false}, .back = 0xC0C0FF, .flags = Visible | Enabled},
    {.name = "lblbetresult", .kind = Kind::Label, .geometry = {360, 5880, 4575, 1095}, .caption = QT_TRANSLATE_NOOP("Table", "Six on the come out is a winner. The amount of your bet is added to your Bankroll."), .font = {"Arial", 14.25, false}, .back = 0xFF8000, .flags = Enabled},
    {.name = "lblinfo", .kind = Kind::Label, .geometry = {240, 2400, 2775, 1695}, .caption = QT_TRANSLATE_NOOP("Table", "Your indicated bet exceeds your bankroll.  Please lower your bet."), .font = {"Arial", 14.25, false}, .back = 0xFF8000, .flags = Enabled},
    {.name = "lblgameover", .kind = Kind::Label, .geometry = {960, 7080, 4215, 855}, .caption = text::GameOver, .font = {"Arial", 17.25, true}, .back = 0xFF0000, .flags = Enabled},
    {.name = "lblORinfo", .kind = Kind::Label, .geometry = {6360, 7080, 4935, 855}, .caption = text::AllOneRollsLost, .font = {"Arial", 17.25, false}, .back = 0xFF8000, .flags = Enabled},
    {.name = "lblOneRoll(6)", .kind = Kind::Label, .geometry = {9960, 6480, 495, 375}, .caption = "6", .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF, .flags = Enabled | AlignRight},
    {.name = "lblOneRoll(5)", .kind = Kind::Label, .geometry = {9960, 6000, 495, 375}, .caption = "5", .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF, .flags = Enabled | AlignRight},
    {.name = "lblOneRoll(4)", .kind = Kind::Label, .geometry = {9960, 5520, 495, 375}, .caption = "4", .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF, .flags = Enabled | AlignRight},
    {.name = "lblOneRoll(3)", .kind = Kind::Label, .geometry = {9960, 5040, 495, 375}, .caption = "3", .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF, .flags = Enabled | AlignRight},
    {.name = "lblOneRoll(2)", .kind = Kind::Label, .geometry = {9960, 4560, 495, 375}, .caption = "2", .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF, .flags = Enabled | AlignRight},
    {.name = "Label7", .kind = Kind::Label, .geometry = {2160, 4920, 255, 495}, .caption = "$", .font = {"MS Sans Serif", 19.5, true}, .back = 0x0000FF, .flags = Visible | Enabled},
    {.name = "Label6", .kind = Kind::Label, .geometry = {2640, 4560, 1695, 255}, .caption = QT_TRANSLATE_NOOP("Table", "BANKROLL"), .font = {"Arial", 12, true}, .back = 0x0000FF, .flags = Visible | Enabled},
    {.name = "lblBankroll", .kind = Kind::Label, .geometry = {2400, 4920, 2175, 615}, .caption = "100", .font = {"Arial", 20.25, true}, .back = 0xFFFFFF, .fore = 0x0000C0, .flags = Visible | Enabled | Border},
    {.name = "Line3", .kind = Kind::Line, .geometry = {5880, 6960, 9600, 840}, .flags = Visible | Enabled, .pen = 7},
    {.name = "Line2", .kind = Kind::Line, .geometry = {2400, 840, 9600, 840}, .flags = Visible | Enabled, .pen = 7},
    {.name = "Line1", .kind = Kind::Line, .geometry = {2400, 840, 5880, 6960}, .flags = Visible | Enabled, .pen = 7},
    {.name = "Shape2(6)", .kind = Kind::Shape, .geometry = {4680, 4560, 2415, 1455}, .fore = 0xFFFFFF, .flags = Visible | Enabled | Circle, .pen = 3},
    {.name = "lblodds(2)", .kind = Kind::Label, .geometry = {4680, 3120, 375, 735}, .caption = " 2    ", .font = {"Arial", 18, true}, .back = 0x0000FF, .flags = Visible | Enabled},
    {.name = "lblodds(3)", .kind = Kind::Label, .geometry = {5400, 3120, 375, 735}, .caption = "3", .font = {"Arial", 18, true}, .back = 0x0000FF, .flags = Visible | Enabled},
    {.name = "lblcout(4)", .kind = Kind::Label, .geometry = {5400, 2640, 1095, 375}, .caption = QT_TRANSLATE_NOOP("Table", "COME OUT"), .font = {"Arial", 9.75, false}, .back = 0xC0C0FF, .fore = 0x000000, .flags = Visible | Enabled},
    {.name = "Shape3(0)", .kind = Kind::Shape, .geometry = {5280, 1440, 1335, 1095}, .fore = 0xFFFFFF, .flags = Visible | Enabled | Circle, .pen = 3},
    {.name = "Shape3(1)", .kind = Kind::Shape, .geometry = {4080, 2040, 735, 615}, .fore = 0xFFFFFF, .flags = Visible | Enabled | Circle, .pen = 3},
    {.name = "Shape3(2)", .kind = Kind::Shape, .geometry = {7200, 2040, 735, 615}, .fore = 0xFFFFFF, .flags = Visible | Enabled | Circle, .pen = 3},
    {.name = "Label2", .kind = Kind::Label, .geometry = {4320, 2160, 255, 375}, .caption = "1", .font = {"Arial", 18, true}, .back = 0x0000FF, .flags = Visible | Enabled},
    {.name = "Label3", .kind = Kind::Label, .geometry = {7440, 2160, 255, 375}, .caption = "6", .font = {"Arial", 18, true}, .back = 0x0000FF, .flags = Visible | Enabled},
    {.name = "Shape5", .kind = Kind::Shape, .geometry = {5400, 2640, 1095, 375}, .flags = Visible | Enabled, .pen = 3},
    {.name = "lblOR(1)", .kind = Kind::Label, .geometry = {4080, 2760, 615, 255}, .caption = text::NumberNames[0], .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF, .flags = Visible | Enabled | Border},
    {.name = "lblOR(5)", .kind = Kind::Label, .geometry = {6720, 3960, 495, 255}, .caption = text::NumberNames[4], .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF, .flags = Visible | Enabled | Border},
    {.name = "Label5", .kind = Kind::Label, .geometry = {4680, 1080, 2535, 255}, .caption = QT_TRANSLATE_NOOP("Table", "All One-Roll Bets Pay 4-to-1"), .font = {"Arial", 9.75, false}, .back = 0x0000FF, .flags = Visible | Enabled | Border},
    {.name = "Line15", .kind = Kind::Line, .geometry = {6840, 4080, 6840, 3960}, .flags = Visible | Enabled, .pen = 1},
}};
// clang-format on

const std::array<UpDownRow, 7> kTableUpDowns = {{
    {"udBet", "txtBet", 0, rules::MaximumBet, rules::BetStep},
    {"udOneRoll(1)", "txtOneRoll(1)", 0, rules::MaximumOneRollBet, 1},
    {"udOneRoll(2)", "txtOneRoll(2)", 0, rules::MaximumOneRollBet, 1},
    {"udOneRoll(3)", "txtOneRoll(3)", 0, rules::MaximumOneRollBet, 1},
    {"udOneRoll(4)", "txtOneRoll(4)", 0, rules::MaximumOneRollBet, 1},
    {"udOneRoll(5)", "txtOneRoll(5)", 0, rules::MaximumOneRollBet, 1},
    {"udOneRoll(6)", "txtOneRoll(6)", 0, rules::MaximumOneRollBet, 1},
}};

const std::array<MenuRow, 14> kTableMenus = {{
    /*: The menu bar and its menus. In each menu, and on the menu bar itself, no two entries
        share a mnemonic (the letter after "&"). */
    {"mnuOptions", QT_TRANSLATE_NOOP("Table", "&Options"), nullptr},
    {"mnuAuto", QT_TRANSLATE_NOOP("Table", "&Auto re-bet"), "mnuOptions", true},
    {"mnumax", QT_TRANSLATE_NOOP("Table", "Bet &max"), "mnuOptions"},
    {"mnuMin", QT_TRANSLATE_NOOP("Table", "Bet mi&n"), "mnuOptions"},
    {"mnuexit", QT_TRANSLATE_NOOP("Table", "E&xit"), "mnuOptions"},
    {"mnubankroll", QT_TRANSLATE_NOOP("Table", "&Bankroll"), nullptr},
    {"mnu20", "&20", "mnubankroll"},
    {"mnu100", "&100", "mnubankroll"},
    /*: A new bankroll of 1000 dollars. Where a comma or a point would read as a decimal sign,
        write the amount as the table does, without a separator. The mnemonics of a menu differ:
        20, 100, 1000 and 5000 are chosen by 2, 1, 0 and 5. */
    {"mnu1000", QT_TRANSLATE_NOOP("Table", "1,00&0"), "mnubankroll"},
    {"mnu5000", QT_TRANSLATE_NOOP("Table", "&5,000"), "mnubankroll"},
    {"mnuhelp", QT_TRANSLATE_NOOP("Table", "&Help"), nullptr},
    {"mnurules", QT_TRANSLATE_NOOP("Table", "&Rules"), "mnuhelp"},
    {"mnuCG", QT_TRANSLATE_NOOP("Table", "&Computer Game"), "mnuhelp"},
    {"mnuabout", QT_TRANSLATE_NOOP("Table", "About &Pipfall"), "mnuhelp"},
}};

const std::array<const char*, 14> kTableTabOrder = {
    "picdie",       "udBet",        "cmdRoll",      "cmdOneRoll",   "udOneRoll(1)",
    "udOneRoll(2)", "udOneRoll(3)", "udOneRoll(4)", "udOneRoll(5)", "cmdEnterOR",
    "udOneRoll(6)", "pblogo",       "cmdokabout",   "cmdCancelOR",
};
