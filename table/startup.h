#pragma once

// What each control of the table shows when the table opens: whether it is shown and
// enabled, its caption or text, and a label's font and colours; the up-downs' limits; the
// menus with their items and check marks. Where the controls stand on the window is the
// window's business (ui/tablelayout.h).

#include "table/tablecontrols.h"
#include "table/texts.h"

#include <array>
#include <cstdint>
#include <optional>

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

struct StartUpRow {
    ControlId control;
    // A caption, or a text box's text; in English, shown translated into the player's
    // language when there is a translation.
    text::Text caption = {};
    unsigned shown = Hidden;
    // A label's font and colours.
    FontRow font = {};
    std::int32_t back = kDefaultColour; // 0xRRGGBB
    std::int32_t fore = kDefaultColour;
};

struct MenuRow {
    ControlId item;
    text::Text caption;
    // The top-level menu that holds the item; none for a top-level menu.
    std::optional<ControlId> menu;
    bool checked = false;
};

// Every control but the menus, in the order of the control list.
extern const std::array<StartUpRow, 52> kTableStartUp;
// The menus, each followed by its items.
extern const std::array<MenuRow, 14> kTableMenus;

// The row of a control that is not a menu.
const StartUpRow& startUpRow(ControlId control);

// Puts every control of w into its start-up state.
void loadStartUpState(TableControls& w);
