#pragma once

// The controls of the table window, each named once in PIPFALL_TABLE_CONTROLS below. The list
// gives a control its name (what pipfall-replay and a screen reader call it), its kind and,
// for a member of a control array, its index; the handlers reach a control as a member
// (w.cmdRoll, w.lblOR(4)), everything else by its ControlId (ControlId::cmdRoll,
// ControlId::lblOR_4). A name spelt wrong anywhere is a name that does not compile.

#include "table/controls.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <type_traits>
#include <variant>

// Every control of the table window, in the window's order (the first lies on top of the
// later ones), then the menus and their items in menu order; the replay lists the controls
// in this order. CONTROL(Type, name) is a control of its own, MEMBER(array, index) a member
// of one of the control arrays of TableControls.
#define PIPFALL_TABLE_CONTROLS(CONTROL, MEMBER)                                                    \
    CONTROL(Button, cmdCancelOR)                                                                   \
    CONTROL(Button, cmdokabout)                                                                    \
    CONTROL(PictureBox, pblogo)                                                                    \
    MEMBER(txtOneRoll, 6)                                                                          \
    MEMBER(txtOneRoll, 5)                                                                          \
    CONTROL(Button, cmdEnterOR)                                                                    \
    MEMBER(txtOneRoll, 4)                                                                          \
    MEMBER(txtOneRoll, 3)                                                                          \
    MEMBER(txtOneRoll, 2)                                                                          \
    MEMBER(txtOneRoll, 1)                                                                          \
    CONTROL(Button, cmdOneRoll)                                                                    \
    CONTROL(Button, cmdRoll)                                                                       \
    CONTROL(TextBox, txtBet)                                                                       \
    CONTROL(UpDown, udBet)                                                                         \
    CONTROL(PictureBox, picdie)                                                                    \
    MEMBER(udOneRoll, 1)                                                                           \
    MEMBER(udOneRoll, 2)                                                                           \
    MEMBER(udOneRoll, 3)                                                                           \
    MEMBER(udOneRoll, 4)                                                                           \
    MEMBER(udOneRoll, 5)                                                                           \
    MEMBER(udOneRoll, 6)                                                                           \
    CONTROL(Label, lblabout)                                                                       \
    CONTROL(Label, lblrebet)                                                                       \
    MEMBER(lblOneRoll, 1)                                                                          \
    CONTROL(Label, lblORoll)                                                                       \
    MEMBER(lblOR, 6)                                                                               \
    MEMBER(lblodds, 5)                                                                             \
    MEMBER(lblodds, 4)                                                                             \
    MEMBER(lblOR, 4)                                                                               \
    MEMBER(lblOR, 3)                                                                               \
    MEMBER(lblOR, 2)                                                                               \
    CONTROL(Label, lblpoint)                                                                       \
    CONTROL(Label, lblbetresult)                                                                   \
    CONTROL(Label, lblinfo)                                                                        \
    CONTROL(Label, lblgameover)                                                                    \
    CONTROL(Label, lblORinfo)                                                                      \
    MEMBER(lblOneRoll, 6)                                                                          \
    MEMBER(lblOneRoll, 5)                                                                          \
    MEMBER(lblOneRoll, 4)                                                                          \
    MEMBER(lblOneRoll, 3)                                                                          \
    MEMBER(lblOneRoll, 2)                                                                          \
    CONTROL(Label, Label7)                                                                         \
    CONTROL(Label, Label6)                                                                         \
    CONTROL(Label, lblBankroll)                                                                    \
    MEMBER(lblodds, 2)                                                                             \
    MEMBER(lblodds, 3)                                                                             \
    MEMBER(lblcout, 4)                                                                             \
    CONTROL(Label, Label2)                                                                         \
    CONTROL(Label, Label3)                                                                         \
    MEMBER(lblOR, 1)                                                                               \
    MEMBER(lblOR, 5)                                                                               \
    CONTROL(Label, Label5)                                                                         \
    CONTROL(MenuItem, mnuOptions)                                                                  \
    CONTROL(MenuItem, mnuAuto)                                                                     \
    CONTROL(MenuItem, mnumax)                                                                      \
    CONTROL(MenuItem, mnuMin)                                                                      \
    CONTROL(MenuItem, mnuexit)                                                                     \
    CONTROL(MenuItem, mnubankroll)                                                                 \
    CONTROL(MenuItem, mnu20)                                                                       \
    CONTROL(MenuItem, mnu100)                                                                      \
    CONTROL(MenuItem, mnu1000)                                                                     \
    CONTROL(MenuItem, mnu5000)                                                                     \
    CONTROL(MenuItem, mnuhelp)                                                                     \
    CONTROL(MenuItem, mnurules)                                                                    \
    CONTROL(MenuItem, mnuCG)                                                                       \
    CONTROL(MenuItem, mnuabout)

// A control of the table: ControlId::cmdRoll, ControlId::lblOR_4.
#define PIPFALL_CONTROL_ID(type, name) name,
#define PIPFALL_MEMBER_ID(array, index) array##_##index,
enum class ControlId : std::uint8_t {
    PIPFALL_TABLE_CONTROLS(PIPFALL_CONTROL_ID, PIPFALL_MEMBER_ID)
};
#undef PIPFALL_CONTROL_ID
#undef PIPFALL_MEMBER_ID

#define PIPFALL_COUNT_ONE(a, b) +1
inline constexpr std::size_t kTableControlCount =
    0 PIPFALL_TABLE_CONTROLS(PIPFALL_COUNT_ONE, PIPFALL_COUNT_ONE);
#undef PIPFALL_COUNT_ONE

// A pointer to a control of any kind; the alternative it holds is the control's kind.
using AnyControl = std::variant<Label*, Button*, TextBox*, UpDown*, PictureBox*, MenuItem*>;

inline Control& controlOf(AnyControl control) {
    return std::visit([](auto* c) -> Control& { return *c; }, control);
}

// Lambdas overloaded by the kind of control they take, for std::visit.
template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

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
#define PIPFALL_DECLARE_CONTROL(type, name) type name;
#define PIPFALL_DECLARE_NOTHING(array, index)
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

// What the list says of a control.
struct ControlSpec {
    const char* name; // "cmdRoll", "lblOR(4)"
    Kind kind;
    const char* array = nullptr; // the control array it belongs to ("lblOR"), if any
    int index = 0;               // its index there
};

namespace detail {
template <class Array>
consteval ControlSpec member(const char* name, const char* array, int index) {
    if (index < Array::first || index > Array::last)
        throw "the control array has no member of that index";
    return {name, kindOf<typename Array::Member>(), array, index};
}
} // namespace detail

#define PIPFALL_CONTROL_SPEC(type, name) ControlSpec{#name, kindOf<type>()},
#define PIPFALL_MEMBER_SPEC(array, index)                                                          \
    detail::member<decltype(TableControls::array)>(#array "(" #index ")", #array, index),
inline constexpr std::array<ControlSpec, kTableControlCount> kTableControls = {
    {PIPFALL_TABLE_CONTROLS(PIPFALL_CONTROL_SPEC, PIPFALL_MEMBER_SPEC)}};
#undef PIPFALL_CONTROL_SPEC
#undef PIPFALL_MEMBER_SPEC

constexpr const ControlSpec& specOf(ControlId id) {
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
    for (const ControlSpec& entry : kTableControls)
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
