#pragma once

// Where the table window puts its controls, how it draws them, and in which order the
// keyboard visits them.

#include "ui/layout.h"

// The client area of the table window, in twips.
constexpr int kTableWidthTwips = 11880;
constexpr int kTableHeightTwips = 8310;

// In the order the window stores its widgets; the first row lies on top of the later ones.
extern const std::array<WidgetRow, 66> kTableWidgets;
// The widgets that take the keyboard focus, in tab order.
extern const std::array<ControlId, 14> kTableTabOrder;

// The row of a control that is not a menu.
const WidgetRow& tableRow(ControlId control);
