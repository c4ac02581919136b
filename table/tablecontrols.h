#pragma once

// The controls of the table window, each described once, by its row in PIPFALL_TABLE_CONTROLS
// below. The row gives a control its name (what pipfall-replay and a screen reader call it),
// its kind, for a member of a control array its index, and what it shows when the table
// opens; where it stands and how it looks is the window's business, one row of its own in
// ui/tablelayout.cpp. The handlers reach a control as a member (w.cmdRoll, w.lblOR(4)),
// everything else by its ControlId (ControlId::cmdRoll, ControlId::lblOR_4). A name spelt
// wrong anywhere is a name that does not compile.

#include "table/controls.h"
#include "table/overloaded.h"
#include "table/rules.h"
#include "table/texts.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <type_traits>
#include <variant>

enum class ControlId : std::uint8_t;

enum ShownFlag : unsigned {
    Hidden = 0,
    Visible = 1u << 0,
    Enabled = 1u << 1,
};

constexpr std::int32_t kDefaultColour = -1; // the toolkit's standard (black for text and lines)

struct FontRow {
    const char* face = nullptr;
    double size = 0;
    bool bold = false;
};

// What a control shows when the table opens. Each field belongs to the kinds that have it.
struct StartUp {
    // A caption, or a text box's text; in English, shown translated into the player's
    // language when there is a translation.
    text::Text caption = {};
    unsigned shown = Hidden;
    // A label's font and colours.
    FontRow font = {};
    std::int32_t back = kDefaultColour; // 0xRRGGBB
    std::int32_t fore = kDefaultColour;
    // A picture box's picture by name ("logo", which the window draws itself).
    const char* picture = nullptr;
    // An up-down's limits and step, and the text box that shows its value.
    std::array<int, 3> range = {0, 100, 1};
    std::optional<ControlId> buddy = std::nullopt;
    // A menu item's top-level menu (none for a top-level menu), and its check mark.
    std::optional<ControlId> menu = std::nullopt;
    bool checked = false;
};

// The about label centres the product name and the version on lines of their own by
// the blanks around them.
inline constexpr text::Text kAboutCaption =
    /*: The about panel. Each run of three or more blanks starts a new line: keep the runs,
        and the product name, as they are. */
    QT_TRANSLATE_NOOP(
        "Table",
        "                                                                       Pipfall        "
        "Version  1.1");
inline constexpr text::Text kOptionsCaption =
    /*: The menu bar and its menus. In each menu, and on the menu bar itself, no two entries
        share a mnemonic (the letter after "&"). */
    QT_TRANSLATE_NOOP("Table", "&Options");
inline constexpr text::Text k1000Caption =
    /*: A new bankroll of 1000 dollars. Where a comma or a point would read as a decimal sign,
        write the amount as the table does, without a separator. The mnemonics of a menu differ:
        20, 100, 1000 and 5000 are chosen by 2, 1, 0 and 5. */
    QT_TRANSLATE_NOOP("Table", "1,00&0");

// Every control of the table window, in the window's order (the first lies on top of the
// later ones), then the menus and their items in menu order; the replay lists the controls
// in this order. CONTROL(Type, name, start-up...) is a control of its own, MEMBER(array,
// index, start-up...) a member of one of the control arrays of TableControls; the start-up
// fields are those of StartUp. To add a control: add its row here and its looks row in
// ui/tablelayout.cpp (the compiler asks for the second).
// clang-format off
#define PIPFALL_TABLE_CONTROLS(CONTROL, MEMBER)                                                    \
    CONTROL(Button, cmdCancelOR, .caption = QT_TRANSLATE_NOOP("Table", "Cancel One Roll Bets"), .shown = Visible | Enabled) \
    CONTROL(Button, cmdokabout, .caption = QT_TRANSLATE_NOOP("Table", "O K"), .shown = Enabled) \
    CONTROL(PictureBox, pblogo, .shown = Visible | Enabled, .picture = "logo") \
    MEMBER(txtOneRoll, 6, .caption = "0", .shown = Hidden) \
    MEMBER(txtOneRoll, 5, .caption = "0", .shown = Hidden) \
    CONTROL(Button, cmdEnterOR, .caption = QT_TRANSLATE_NOOP("Table", "Enter Bets"), .shown = Enabled) \
    MEMBER(txtOneRoll, 4, .caption = "0", .shown = Hidden) \
    MEMBER(txtOneRoll, 3, .caption = "0", .shown = Hidden) \
    MEMBER(txtOneRoll, 2, .caption = "0", .shown = Hidden) \
    MEMBER(txtOneRoll, 1, .caption = "0", .shown = Hidden) \
    CONTROL(Button, cmdOneRoll, .caption = QT_TRANSLATE_NOOP("Table", "Make One-Roll Bet"), .shown = Visible | Enabled) \
    CONTROL(Button, cmdRoll, .caption = QT_TRANSLATE_NOOP("Table", "Roll Die"), .shown = Visible | Enabled) \
    CONTROL(TextBox, txtBet, .caption = "0", .shown = Visible) \
    CONTROL(UpDown, udBet, .shown = Visible | Enabled, .range = {0, rules::MaximumBet, rules::BetStep}, .buddy = ControlId::txtBet) \
    CONTROL(PictureBox, picdie, .shown = Enabled) \
    MEMBER(udOneRoll, 1, .shown = Enabled, .range = {0, rules::MaximumOneRollBet, 1}, .buddy = ControlId::txtOneRoll_1) \
    MEMBER(udOneRoll, 2, .shown = Enabled, .range = {0, rules::MaximumOneRollBet, 1}, .buddy = ControlId::txtOneRoll_2) \
    MEMBER(udOneRoll, 3, .shown = Enabled, .range = {0, rules::MaximumOneRollBet, 1}, .buddy = ControlId::txtOneRoll_3) \
    MEMBER(udOneRoll, 4, .shown = Enabled, .range = {0, rules::MaximumOneRollBet, 1}, .buddy = ControlId::txtOneRoll_4) \
    MEMBER(udOneRoll, 5, .shown = Enabled, .range = {0, rules::MaximumOneRollBet, 1}, .buddy = ControlId::txtOneRoll_5) \
    MEMBER(udOneRoll, 6, .shown = Enabled, .range = {0, rules::MaximumOneRollBet, 1}, .buddy = ControlId::txtOneRoll_6) \
    CONTROL(Label, lblabout, .caption = kAboutCaption, .shown = Enabled, .font = {"Arial", 12, true}, .back = 0xC0C0FF) \
    CONTROL(Label, lblrebet, .caption = text::ReBetStands, .shown = Enabled, .font = {"Arial", 9, true}, .back = 0x8080FF) \
    MEMBER(lblOneRoll, 1, .caption = "1", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF) \
    CONTROL(Label, lblORoll, .caption = QT_TRANSLATE_NOOP("Table", "Please select the amount you wish to bet on each number by using the up-down buttons."), .shown = Enabled, .font = {"Arial", 12, true}, .back = 0xFF8000) \
    MEMBER(lblOR, 6, .caption = text::NumberNames[5], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF) \
    MEMBER(lblodds, 5, .caption = "5", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF) \
    MEMBER(lblodds, 4, .caption = "4", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF) \
    MEMBER(lblOR, 4, .caption = text::NumberNames[3], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF) \
    MEMBER(lblOR, 3, .caption = text::NumberNames[2], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF) \
    MEMBER(lblOR, 2, .caption = text::NumberNames[1], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF) \
    CONTROL(Label, lblpoint, .caption = text::NoPoint, .shown = Visible | Enabled, .font = {"Arial", 18, false}, .back = 0xC0C0FF) \
    CONTROL(Label, lblbetresult, .caption = QT_TRANSLATE_NOOP("Table", "Six on the come out is a winner. The amount of your bet is added to your Bankroll."), .shown = Enabled, .font = {"Arial", 14.25, false}, .back = 0xFF8000) \
    CONTROL(Label, lblinfo, .caption = QT_TRANSLATE_NOOP("Table", "Your indicated bet exceeds your bankroll.  Please lower your bet."), .shown = Enabled, .font = {"Arial", 14.25, false}, .back = 0xFF8000) \
    CONTROL(Label, lblgameover, .caption = text::GameOver, .shown = Enabled, .font = {"Arial", 17.25, true}, .back = 0xFF0000) \
    CONTROL(Label, lblORinfo, .caption = text::AllOneRollsLost, .shown = Enabled, .font = {"Arial", 17.25, false}, .back = 0xFF8000) \
    MEMBER(lblOneRoll, 6, .caption = "6", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF) \
    MEMBER(lblOneRoll, 5, .caption = "5", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF) \
    MEMBER(lblOneRoll, 4, .caption = "4", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF) \
    MEMBER(lblOneRoll, 3, .caption = "3", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF) \
    MEMBER(lblOneRoll, 2, .caption = "2", .shown = Enabled, .font = {"MS Sans Serif", 18, true}, .back = 0x0000FF) \
    CONTROL(Label, Label7, .caption = "$", .shown = Visible | Enabled, .font = {"MS Sans Serif", 19.5, true}, .back = 0x0000FF) \
    CONTROL(Label, Label6, .caption = QT_TRANSLATE_NOOP("Table", "BANKROLL"), .shown = Visible | Enabled, .font = {"Arial", 12, true}, .back = 0x0000FF) \
    CONTROL(Label, lblBankroll, .caption = "100", .shown = Visible | Enabled, .font = {"Arial", 20.25, true}, .back = 0xFFFFFF, .fore = 0x0000C0) \
    MEMBER(lblodds, 2, .caption = " 2    ", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF) \
    MEMBER(lblodds, 3, .caption = "3", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF) \
    MEMBER(lblcout, 4, .caption = QT_TRANSLATE_NOOP("Table", "COME OUT"), .shown = Visible | Enabled, .font = {"Arial", 9.75, false}, .back = 0xC0C0FF, .fore = 0x000000) \
    CONTROL(Label, Label2, .caption = "1", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF) \
    CONTROL(Label, Label3, .caption = "6", .shown = Visible | Enabled, .font = {"Arial", 18, true}, .back = 0x0000FF) \
    MEMBER(lblOR, 1, .caption = text::NumberNames[0], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF) \
    MEMBER(lblOR, 5, .caption = text::NumberNames[4], .shown = Visible | Enabled, .font = {"MS Sans Serif", 8.25, true}, .back = 0x0000FF) \
    CONTROL(Label, Label5, .caption = QT_TRANSLATE_NOOP("Table", "All One-Roll Bets Pay 4-to-1"), .shown = Visible | Enabled, .font = {"Arial", 9.75, false}, .back = 0x0000FF) \
    CONTROL(MenuItem, mnuOptions, .caption = kOptionsCaption, .shown = Visible | Enabled) \
    CONTROL(MenuItem, mnuAuto, .caption = QT_TRANSLATE_NOOP("Table", "&Auto re-bet"), .shown = Visible | Enabled, .menu = ControlId::mnuOptions, .checked = true) \
    CONTROL(MenuItem, mnumax, .caption = QT_TRANSLATE_NOOP("Table", "Bet &max"), .shown = Visible | Enabled, .menu = ControlId::mnuOptions) \
    CONTROL(MenuItem, mnuMin, .caption = QT_TRANSLATE_NOOP("Table", "Bet mi&n"), .shown = Visible | Enabled, .menu = ControlId::mnuOptions) \
    CONTROL(MenuItem, mnuexit, .caption = QT_TRANSLATE_NOOP("Table", "E&xit"), .shown = Visible | Enabled, .menu = ControlId::mnuOptions) \
    CONTROL(MenuItem, mnubankroll, .caption = QT_TRANSLATE_NOOP("Table", "&Bankroll"), .shown = Visible | Enabled) \
    CONTROL(MenuItem, mnu20, .caption = "&20", .shown = Visible | Enabled, .menu = ControlId::mnubankroll) \
    CONTROL(MenuItem, mnu100, .caption = "&100", .shown = Visible | Enabled, .menu = ControlId::mnubankroll) \
    CONTROL(MenuItem, mnu1000, .caption = k1000Caption, .shown = Visible | Enabled, .menu = ControlId::mnubankroll) \
    CONTROL(MenuItem, mnu5000, .caption = QT_TRANSLATE_NOOP("Table", "&5,000"), .shown = Visible | Enabled, .menu = ControlId::mnubankroll) \
    CONTROL(MenuItem, mnuhelp, .caption = QT_TRANSLATE_NOOP("Table", "&Help"), .shown = Visible | Enabled) \
    CONTROL(MenuItem, mnurules, .caption = QT_TRANSLATE_NOOP("Table", "&Rules"), .shown = Visible | Enabled, .menu = ControlId::mnuhelp) \
    CONTROL(MenuItem, mnuCG, .caption = QT_TRANSLATE_NOOP("Table", "&Computer Game"), .shown = Visible | Enabled, .menu = ControlId::mnuhelp) \
    CONTROL(MenuItem, mnuabout, .caption = QT_TRANSLATE_NOOP("Table", "About &Pipfall"), .shown = Visible | Enabled, .menu = ControlId::mnuhelp)
// clang-format on

// A control of the table: ControlId::cmdRoll, ControlId::lblOR_4.
#define PIPFALL_CONTROL_ID(type, name, ...) name,
#define PIPFALL_MEMBER_ID(array, index, ...) array##_##index,
enum class ControlId : std::uint8_t {
    PIPFALL_TABLE_CONTROLS(PIPFALL_CONTROL_ID, PIPFALL_MEMBER_ID)
};
#undef PIPFALL_CONTROL_ID
#undef PIPFALL_MEMBER_ID

#define PIPFALL_COUNT_ONE(a, b, ...) +1
inline constexpr std::size_t kTableControlCount =
    0 PIPFALL_TABLE_CONTROLS(PIPFALL_COUNT_ONE, PIPFALL_COUNT_ONE);
#undef PIPFALL_COUNT_ONE

// A pointer to a control of any kind; the alternative it holds is the control's kind.
using AnyControl = std::variant<Label*, Button*, TextBox*, UpDown*, PictureBox*, MenuItem*>;

inline Control& controlOf(AnyControl control) {
    return std::visit([](auto* c) -> Control& { return *c; }, control);
}

template <class C> constexpr Kind kindOf() {
    if constexpr (std::is_same_v<C, Label>)
        return Kind::Label;
    else if constexpr (std::is_same_v<C, Button>)
        return Kind::Button;
    else if constexpr (std::is_same_v<C, TextBox>)
        return Kind::TextBox;
    else if constexpr (std::is_same_v<C, UpDown>)
        return Kind::UpDown;
    else if constexpr (std::is_same_v<C, PictureBox>)
        return Kind::PictureBox;
    else
        return Kind::Menu;
}

struct TableControls {
    TableControls();
    TableControls(const TableControls&) = delete;
    TableControls& operator=(const TableControls&) = delete;

    // The control arrays, whose members the list names one by one.
    ControlArray<Label, 2, 5> lblodds;
    ControlArray<Label, 4, 4> lblcout;
    ControlArray<Label, 1, 6> lblOR;
    ControlArray<Label, 1, 6> lblOneRoll;
    ControlArray<TextBox, 1, 6> txtOneRoll;
    ControlArray<UpDown, 1, 6> udOneRoll;

    // The controls of their own: Button cmdRoll; Label lblpoint; MenuItem mnuAuto; ...
#define PIPFALL_DECLARE_CONTROL(type, name, ...) type name;
#define PIPFALL_DECLARE_NOTHING(array, index, ...)
    PIPFALL_TABLE_CONTROLS(PIPFALL_DECLARE_CONTROL, PIPFALL_DECLARE_NOTHING)
#undef PIPFALL_DECLARE_CONTROL
#undef PIPFALL_DECLARE_NOTHING

    // The control of an id. A const TableControls still hands out the control itself: whoever
    // only reads takes it as const (the replay's state, the screen reader).
    AnyControl at(ControlId id) const {
        return controls_[static_cast<std::size_t>(id)];
    }

private:
    std::array<AnyControl, kTableControlCount> controls_;
};

// A control's description: its row of the list.
struct ControlDescription {
    const char* name; // "cmdRoll", "lblOR(4)"
    Kind kind;
    const char* array = nullptr; // the control array it belongs to ("lblOR"), if any
    int index = 0;               // its index there
    StartUp startUp = {};
};

namespace detail {
template <class Array>
consteval ControlDescription member(const char* name, const char* array, int index,
                                    StartUp startUp) {
    if (index < Array::first || index > Array::last)
        throw "the control array has no member of that index";
    return {name, kindOf<typename Array::Member>(), array, index, startUp};
}
} // namespace detail

#define PIPFALL_CONTROL_DESCRIPTION(type, name, ...)                                               \
    ControlDescription{#name, kindOf<type>(), nullptr, 0, StartUp{__VA_ARGS__}},
#define PIPFALL_MEMBER_DESCRIPTION(array, index, ...)                                              \
    detail::member<decltype(TableControls::array)>(#array "(" #index ")", #array, index,           \
                                                   StartUp{__VA_ARGS__}),
inline constexpr std::array<ControlDescription, kTableControlCount> kTableControls = {
    {PIPFALL_TABLE_CONTROLS(PIPFALL_CONTROL_DESCRIPTION, PIPFALL_MEMBER_DESCRIPTION)}};
#undef PIPFALL_CONTROL_DESCRIPTION
#undef PIPFALL_MEMBER_DESCRIPTION

constexpr const ControlDescription& descriptionOf(ControlId id) {
    return kTableControls[static_cast<std::size_t>(id)];
}
constexpr ControlId controlAt(std::size_t position) {
    return static_cast<ControlId>(position);
}

namespace detail {
// Whether the list names every member of the array: each index is named once at most (the
// ids would clash) and lies in the array's range, so as many names as members means all.
template <class Array> consteval bool listsEveryMember(std::string_view array) {
    int listed = 0;
    for (const ControlDescription& entry : kTableControls)
        listed += entry.array != nullptr && std::string_view(entry.array) == array;
    return listed == Array::last - Array::first + 1;
}
} // namespace detail
#define PIPFALL_CHECK_ARRAY(array)                                                                 \
    static_assert(detail::listsEveryMember<decltype(TableControls::array)>(#array),                \
                  "PIPFALL_TABLE_CONTROLS leaves out a member of " #array)
PIPFALL_CHECK_ARRAY(lblodds);
PIPFALL_CHECK_ARRAY(lblcout);
PIPFALL_CHECK_ARRAY(lblOR);
PIPFALL_CHECK_ARRAY(lblOneRoll);
PIPFALL_CHECK_ARRAY(txtOneRoll);
PIPFALL_CHECK_ARRAY(udOneRoll);
#undef PIPFALL_CHECK_ARRAY

// The control of that name ("lblOR(4)", "mnu20"), for names that come from outside the
// program: a replay script, a test's data.
std::optional<ControlId> controlNamed(QStringView name);
