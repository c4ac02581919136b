#pragma once

// Puts the controls of the table into what they show when the table opens, as each
// control's row in table/tablecontrols.h says. Where the controls stand on the window is
// the window's business (ui/tablelayout.h).

#include "table/tablecontrols.h"

// Puts every control of w into its start-up state.
void loadStartUpState(TableControls& w);
