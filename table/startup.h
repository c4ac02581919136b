#pragma once

// Puts the controls of the table into what they show when the table opens, as each
// control's row in table/tablecontrols.h says. Where the controls stand on the window is
// the window's business (ui/tablelayout.h).

#include "table/tablecontrols.h"

// The colour a row gives (0xRRGGBB), or fallback for the toolkit's standard; the font it names.
QColor rowColour(std::int32_t rgb, QColor fallback);
Font rowFont(const FontRow& font);

// Puts one control into the start-up state of row: what it shows, a label's font and colours,
// an up-down's range, a menu item's check mark, whether it is visible and enabled. (Which
// text box an up-down drives and which menu an item is in are the table's to join.)
void loadStartUp(const StartUp& row, AnyControl control);

// Puts every control of w into its start-up state.
void loadStartUpState(TableControls& w);
