#include "ui/tablelayout.h"

#include "table/table.h"
#include "ui/announcement.h"

#include <vector>

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

// What the table's controls say to a screen reader, each named for what it tells.
QString bankrollName(const Table& table, ControlId) {
    return ActionWords::tr("Bankroll, %1").arg(ActionWords::dollars(table.bankroll()));
}

QString pointName(const Table& table, ControlId) {
    if (table.point() == 0)
        return ActionWords::tr("No point");
    return ActionWords::tr("Point %1, %2")
        .arg(table.point())
        .arg(ActionWords::chance(table.pointChance()));
}

// A number that can become the point, with what it pays while it is the point.
QString pointNumberName(const Table& table, ControlId control) {
    const int number = descriptionOf(control).index;
    return table.point() == number ? ActionWords::tr("Point number %1, %2")
                                         .arg(number)
                                         .arg(ActionWords::pays(table.pointChance()))
                                   : ActionWords::tr("Point number %1").arg(number);
}

QString spotName(const Table& table, ControlId control) {
    const int number = descriptionOf(control).index;
    const OneRollSpot spot = table.oneRollSpot(number);
    const QString name = ActionWords::number(number);
    switch (spot.bet) {
    case OneRollSpot::Bet::Placed:
        return ActionWords::tr("One-roll bet on %1: %2")
            .arg(name, ActionWords::dollars(spot.stake));
    case OneRollSpot::Bet::Winner:
        return ActionWords::tr("One-roll bet on %1: %2, a winner; press to take it down")
            .arg(name, ActionWords::dollars(spot.stake));
    case OneRollSpot::Bet::None:
        break;
    }
    return spot.justRolled ? ActionWords::tr("One-roll spot %1: just rolled, no bet").arg(name)
                           : ActionWords::tr("One-roll spot %1: no bet").arg(name);
}

// The notice that the table has stopped, while it is a focus stop that leads on.
QString endNoticeName(const Table& table, ControlId control, Table::Standing when) {
    const QString caption = std::get<Label*>(table.controls().at(control))->caption().simplified();
    if (table.standing() != when)
        return caption;
    return caption + u' ' + ActionWords::tr("Press Return to choose a new bankroll.");
}

QString gameOverName(const Table& table, ControlId control) {
    return endNoticeName(table, control, Table::Standing::GameOver);
}

QString bankBrokenName(const Table& table, ControlId control) {
    return endNoticeName(table, control, Table::Standing::BankBroken);
}

// What a bet amount is for, said by its up-down: "Main bet", "One-roll amount on four".
QString amountPurpose(const Table&, ControlId control) {
    const ControlDescription& row = descriptionOf(control);
    if (row.array == nullptr)
        return ActionWords::tr("Main bet");
    return ActionWords::tr("One-roll amount on %1").arg(ActionWords::number(row.index));
}

// A bet amount shown in the text box its up-down writes: "Main bet, 10 dollars".
QString amountName(const Table& table, ControlId control) {
    for (std::size_t i = 0; i < kTableControls.size(); ++i) {
        if (kTableControls[i].startUp.buddy != control)
            continue;
        const UpDown& setter = *std::get<UpDown*>(table.controls().at(controlAt(i)));
        return amountPurpose(table, control) + QStringLiteral(", ") +
               ActionWords::dollars(Currency::fromDollars(setter.value()));
    }
    return std::get<TextBox*>(table.controls().at(control))->text();
}

QString dieName(const Table& table, ControlId) {
    if (table.face() == 0)
        return ActionWords::tr("Die, not rolled yet");
    return ActionWords::tr("Die, %1").arg(ActionWords::number(table.face()));
}

} // namespace

// clang-format off
// How each control of the table looks, where it stands, how the keyboard reaches it and what
// a screen reader hears it show: one row a control, in any order (the window stacks them in
// the order of the control list). The notices that the table has stopped take their place in
// the tab order, after "Roll Die", only while they lead to a new bankroll, and the one-roll
// spots theirs, after "Make One-Roll Bet", only while they hold a winner. When the focused
// widget can no longer be used, the focus goes to the one-roll panel, the roll, a winner to
// take down, or the notice that leads to a new bankroll, the first that can take it.
constexpr WidgetRow kTableLooks[] = {
    {.control = ControlId::cmdCancelOR, .geometry = {7800, 6600, 1935, 255}, .font = {"Arial", 8.25, true}, .back = 0xFFC080, .flags = Coloured, .description = kCmdCancelORDescription, .tab = 21},
    {.control = ControlId::cmdokabout, .geometry = {1560, 1560, 1095, 615}, .font = {"Arial", 12, true}, .back = 0x8080FF, .flags = Coloured, .description = kCmdokaboutDescription, .tab = 20},
    {.control = ControlId::pblogo, .geometry = {240, 600, 1860, 1500}, .back = 0x0000FF, .flags = Border | AutoSize},
    {.control = ControlId::txtOneRoll_6, .geometry = {10560, 6480, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .description = kTxtOneRollDescription, .says = amountName},
    {.control = ControlId::txtOneRoll_5, .geometry = {10560, 6000, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .description = kTxtOneRollDescription, .says = amountName},
    {.control = ControlId::cmdEnterOR, .geometry = {7800, 6240, 1935, 285}, .font = {"Arial", 12, true}, .back = 0xFFC080, .flags = Coloured, .description = kCmdEnterORDescription, .tab = 18},
    {.control = ControlId::txtOneRoll_4, .geometry = {10560, 5520, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .description = kTxtOneRollDescription, .says = amountName},
    {.control = ControlId::txtOneRoll_3, .geometry = {10560, 5040, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .description = kTxtOneRollDescription, .says = amountName},
    {.control = ControlId::txtOneRoll_2, .geometry = {10560, 4560, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .description = kTxtOneRollDescription, .says = amountName},
    {.control = ControlId::txtOneRoll_1, .geometry = {10560, 4080, 660, 450}, .font = {"MS Sans Serif", 13.5, true}, .back = 0x804040, .fore = 0x000000, .description = kTxtOneRollDescription, .says = amountName},
    {.control = ControlId::cmdOneRoll, .geometry = {8400, 3360, 3015, 495}, .font = {"Arial", 14.25, true}, .back = 0xFF8000, .flags = Coloured, .description = kCmdOneRollDescription, .tab = 6},
    {.control = ControlId::cmdRoll, .geometry = {9000, 2160, 2175, 975}, .font = {"Arial", 26.25, true}, .back = 0x8080FF, .flags = Coloured, .description = kCmdRollDescription, .tab = 3, .focusNext = 2},
    {.control = ControlId::txtBet, .geometry = {5280, 5040, 1020, 540}, .font = {"Arial", 20.25, true}, .back = 0x0000C0, .description = kTxtBetDescription, .says = amountName},
    {.control = ControlId::udBet, .geometry = {6360, 5160, 195, 315}, .description = kUdBetDescription, .says = amountPurpose, .tab = 2},
    {.control = ControlId::picdie, .geometry = {5640, 1680, 615, 615}, .flags = Border | AutoSize, .description = kPicdieDescription, .says = dieName, .tab = 1},
    {.control = ControlId::udOneRoll_1, .geometry = {11280, 4080, 195, 360}, .description = kUdOneRollDescription, .says = amountPurpose, .tab = 13, .focusNext = 1},
    {.control = ControlId::udOneRoll_2, .geometry = {11280, 4560, 195, 360}, .description = kUdOneRollDescription, .says = amountPurpose, .tab = 14},
    {.control = ControlId::udOneRoll_3, .geometry = {11280, 5040, 195, 360}, .description = kUdOneRollDescription, .says = amountPurpose, .tab = 15},
    {.control = ControlId::udOneRoll_4, .geometry = {11280, 5520, 195, 360}, .description = kUdOneRollDescription, .says = amountPurpose, .tab = 16},
    {.control = ControlId::udOneRoll_5, .geometry = {11280, 6000, 195, 360}, .description = kUdOneRollDescription, .says = amountPurpose, .tab = 17},
    {.control = ControlId::udOneRoll_6, .geometry = {11280, 6480, 195, 360}, .description = kUdOneRollDescription, .says = amountPurpose, .tab = 19},
    {.control = ControlId::lblabout, .geometry = {240, 360, 3855, 1935}, .description = kLblaboutDescription},
    {.control = ControlId::lblrebet, .geometry = {240, 4680, 1695, 975}, .flags = Border, .description = kLblrebetDescription},
    {.control = ControlId::lblOneRoll_1, .geometry = {9960, 4080, 495, 375}, .flags = AlignRight},
    {.control = ControlId::lblORoll, .geometry = {7440, 4680, 2655, 2295}, .description = kLblORollDescription},
    {.control = ControlId::lblOR_6, .geometry = {7320, 2760, 495, 255}, .flags = Border | Pressable, .description = kLblORDescription, .says = spotName, .tab = 12, .focusNext = 8},
    {.control = ControlId::lblodds_5, .geometry = {6840, 3120, 375, 735}, .description = kLbloddsDescription, .says = pointNumberName},
    {.control = ControlId::lblodds_4, .geometry = {6120, 3120, 375, 735}, .description = kLbloddsDescription, .says = pointNumberName},
    {.control = ControlId::lblOR_4, .geometry = {6000, 3960, 615, 255}, .flags = Border | Pressable, .description = kLblORDescription, .says = spotName, .tab = 10, .focusNext = 6},
    {.control = ControlId::lblOR_3, .geometry = {5160, 3960, 735, 255}, .flags = Border | Pressable, .description = kLblORDescription, .says = spotName, .tab = 9, .focusNext = 5},
    {.control = ControlId::lblOR_2, .geometry = {4560, 3960, 495, 255}, .flags = Border | Pressable, .description = kLblORDescription, .says = spotName, .tab = 8, .focusNext = 4},
    {.control = ControlId::lblpoint, .geometry = {9480, 1440, 1815, 495}, .description = kLblpointDescription, .says = pointName},
    {.control = ControlId::lblbetresult, .geometry = {360, 5880, 4575, 1095}, .description = kLblbetresultDescription},
    {.control = ControlId::lblinfo, .geometry = {240, 2400, 2775, 1695}, .description = kLblinfoDescription, .says = bankBrokenName, .tab = 5, .focusNext = 10},
    {.control = ControlId::lblgameover, .geometry = {960, 7080, 4215, 855}, .description = kLblgameoverDescription, .says = gameOverName, .tab = 4, .focusNext = 9},
    {.control = ControlId::lblORinfo, .geometry = {6360, 7080, 4935, 855}, .description = kLblORinfoDescription},
    {.control = ControlId::lblOneRoll_6, .geometry = {9960, 6480, 495, 375}, .flags = AlignRight},
    {.control = ControlId::lblOneRoll_5, .geometry = {9960, 6000, 495, 375}, .flags = AlignRight},
    {.control = ControlId::lblOneRoll_4, .geometry = {9960, 5520, 495, 375}, .flags = AlignRight},
    {.control = ControlId::lblOneRoll_3, .geometry = {9960, 5040, 495, 375}, .flags = AlignRight},
    {.control = ControlId::lblOneRoll_2, .geometry = {9960, 4560, 495, 375}, .flags = AlignRight},
    {.control = ControlId::Label7, .geometry = {2160, 4920, 255, 495}},
    {.control = ControlId::Label6, .geometry = {2640, 4560, 1695, 255}},
    {.control = ControlId::lblBankroll, .geometry = {2400, 4920, 2175, 615}, .flags = Border, .description = kLblBankrollDescription, .says = bankrollName},
    {.control = ControlId::lblodds_2, .geometry = {4680, 3120, 375, 735}, .description = kLbloddsDescription, .says = pointNumberName},
    {.control = ControlId::lblodds_3, .geometry = {5400, 3120, 375, 735}, .description = kLbloddsDescription, .says = pointNumberName},
    {.control = ControlId::lblcout_4, .geometry = {5400, 2640, 1095, 375}, .description = kLblcoutDescription},
    {.control = ControlId::Label2, .geometry = {4320, 2160, 255, 375}},
    {.control = ControlId::Label3, .geometry = {7440, 2160, 255, 375}},
    {.control = ControlId::lblOR_1, .geometry = {4080, 2760, 615, 255}, .flags = Border | Pressable, .description = kLblORDescription, .says = spotName, .tab = 7, .focusNext = 3},
    {.control = ControlId::lblOR_5, .geometry = {6720, 3960, 495, 255}, .flags = Border | Pressable, .description = kLblORDescription, .says = spotName, .tab = 11, .focusNext = 7},
    {.control = ControlId::Label5, .geometry = {4680, 1080, 2535, 255}, .flags = Border, .description = kLabel5Description},
};

// The felt's shapes and lines, each just below a control; those below the same control lie
// in this order, the first on top.
constexpr WidgetRow kTableDrawings[] = {
    {.name = "Shape6(3)", .kind = Kind::Shape, .geometry = {6840, 3120, 375, 735}, .fore = 0xFFFFFF, .pen = 2, .under = ControlId::lblabout},
    {.name = "Shape6(2)", .kind = Kind::Shape, .geometry = {6120, 3120, 375, 735}, .fore = 0xFFFFFF, .pen = 2, .under = ControlId::lblabout},
    {.name = "Shape6(1)", .kind = Kind::Shape, .geometry = {5400, 3120, 375, 735}, .fore = 0xFFFFFF, .pen = 2, .under = ControlId::lblabout},
    {.name = "Shape6(0)", .kind = Kind::Shape, .geometry = {4680, 3120, 375, 735}, .fore = 0xFFFFFF, .pen = 2, .under = ControlId::lblabout},
    {.name = "Shape1", .kind = Kind::Shape, .geometry = {5400, 2640, 1095, 375}, .fore = 0xFFFFFF, .pen = 2, .under = ControlId::lblabout},
    {.name = "Line3", .kind = Kind::Line, .geometry = {5880, 6960, 9600, 840}, .pen = 7, .under = ControlId::lblBankroll},
    {.name = "Line2", .kind = Kind::Line, .geometry = {2400, 840, 9600, 840}, .pen = 7, .under = ControlId::lblBankroll},
    {.name = "Line1", .kind = Kind::Line, .geometry = {2400, 840, 5880, 6960}, .pen = 7, .under = ControlId::lblBankroll},
    {.name = "Shape2(6)", .kind = Kind::Shape, .geometry = {4680, 4560, 2415, 1455}, .fore = 0xFFFFFF, .flags = Circle, .pen = 3, .under = ControlId::lblBankroll},
    {.name = "Shape3(0)", .kind = Kind::Shape, .geometry = {5280, 1440, 1335, 1095}, .fore = 0xFFFFFF, .flags = Circle, .pen = 3, .under = ControlId::lblcout_4},
    {.name = "Shape3(1)", .kind = Kind::Shape, .geometry = {4080, 2040, 735, 615}, .fore = 0xFFFFFF, .flags = Circle, .pen = 3, .under = ControlId::lblcout_4},
    {.name = "Shape3(2)", .kind = Kind::Shape, .geometry = {7200, 2040, 735, 615}, .fore = 0xFFFFFF, .flags = Circle, .pen = 3, .under = ControlId::lblcout_4},
    {.name = "Shape5", .kind = Kind::Shape, .geometry = {5400, 2640, 1095, 375}, .pen = 3, .under = ControlId::Label3},
    {.name = "Line15", .kind = Kind::Line, .geometry = {6840, 4080, 6840, 3960}, .pen = 1, .under = ControlId::Label5},
};
// clang-format on

namespace {

// Every control but the menus has one looks row.
consteval bool looksForEveryControl() {
    for (std::size_t i = 0; i < kTableControls.size(); ++i) {
        int rows = 0;
        for (const WidgetRow& row : kTableLooks)
            rows += row.control == controlAt(i);
        if (rows != (kTableControls[i].kind == Kind::Menu ? 0 : 1))
            return false;
    }
    return true;
}
static_assert(looksForEveryControl(), "kTableLooks leaves out a control or has it twice");

// Each drawing lies below a control, and no two widgets share a place in the tab order.
consteval bool drawingsAndTabsInPlace() {
    for (const WidgetRow& row : kTableDrawings) {
        if (!row.under || row.control)
            return false;
    }
    for (const WidgetRow& a : kTableLooks) {
        for (const WidgetRow& b : kTableLooks) {
            if (&a != &b && a.tab != 0 && a.tab == b.tab)
                return false;
        }
    }
    return true;
}
static_assert(drawingsAndTabsInPlace(), "a drawing below no control, or two widgets tab alike");

// The looks rows of the controls, by id; nullptr for a menu.
const std::array<const WidgetRow*, kTableControlCount>& looksById() {
    static const std::array<const WidgetRow*, kTableControlCount> byId = [] {
        std::array<const WidgetRow*, kTableControlCount> rows{};
        for (const WidgetRow& row : kTableLooks)
            rows[static_cast<std::size_t>(*row.control)] = &row;
        return rows;
    }();
    return byId;
}

} // namespace

const WidgetRow* tableRow(ControlId control) {
    return looksById()[static_cast<std::size_t>(control)];
}

std::span<const WidgetRow> tableWidgets() {
    static const std::vector<WidgetRow> rows = [] {
        std::vector<WidgetRow> stacked;
        for (std::size_t i = 0; i < kTableControls.size(); ++i) {
            const WidgetRow* looks = tableRow(controlAt(i));
            if (looks == nullptr)
                continue;
            stacked.push_back(*looks);
            for (const WidgetRow& drawing : kTableDrawings) {
                if (drawing.under == controlAt(i))
                    stacked.push_back(drawing);
            }
        }
        return stacked;
    }();
    return rows;
}
