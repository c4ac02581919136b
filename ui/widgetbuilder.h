#pragma once

// Builds a window from its layout: the client area under the menu bar, and every row
// made into its widget at its place, stacked as the window stores them.

#include "table/tablecontrols.h"
#include "ui/layout.h"

#include <QString>

#include <functional>
#include <memory>
#include <span>
#include <vector>

class QColor;
class QFont;
class QMainWindow;
class QWidget;
class Table;

// The face of the windows' menu bars and menus.
QFont menuFont();

// Gives window a client area painted in background, sized widthTwips by heightTwips under
// the menu bar, and sizes the window to fit it.
QWidget* makeClientArea(QMainWindow* window, QColor background, int widthTwips, int heightTwips);

// What the widgets show: the control of each row; and a picture by name, for a picture box
// whose control names a picture it does not hold (the logo), or its copy at twice the
// resolution (sharp); and the table whose controls the rows' names speak of, if any.
struct WidgetSource {
    std::function<AnyControl(const WidgetRow&)> control;
    std::function<QImage(const QString& name, bool sharp)> picture;
    const Table* table = nullptr;
};

// Creates the widgets of rows on a client area of widthTwips by heightTwips, each showing
// its control. The first row lies on top of the later ones; shapes and lines go into one
// drawing above the labels and below the child windows (buttons, text boxes, pictures,
// up-downs). Returns the widget of each row, beside the rows; nullptr for a shape or a line.
std::vector<QWidget*> buildWidgetRows(std::span<const WidgetRow> rows, QWidget* client,
                                      int widthTwips, int heightTwips, const WidgetSource& source);

// A control for a widget of the window's own, in the row's start-up state, kept in owner.
// A picture box of the window's own shows the logo.
AnyControl makeOwnControl(const WidgetRow& row, std::vector<std::unique_ptr<Control>>& owner);

// Chains the widgets in the given tab order.
void chainTabOrder(std::span<QWidget* const> widgets);
