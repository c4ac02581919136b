#pragma once

// Where the table window puts its controls, how it draws them, and in which order the
// keyboard visits them: one looks row for each control of the table, keyed by its id.

#include "ui/layout.h"

#include <span>

// The client area of the table window, in twips.
constexpr int kTableWidthTwips = 11880;
constexpr int kTableHeightTwips = 8310;

// The rows of the window's widgets in the order the window stores them, the first on top of
// the later ones: the controls in the order of their list, each followed by the felt's
// drawings that lie just below it.
std::span<const WidgetRow> tableWidgets();

// The looks row of a control; nullptr for a menu, which has none.
const WidgetRow* tableRow(ControlId control);
