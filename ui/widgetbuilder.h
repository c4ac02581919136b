#pragma once

// Builds a window from its widget table: the client area under the menu bar, and every row
// made into its widget at its place, stacked as the window stores them.

#include "table/controls.h"
#include "table/widgettable.h"

#include <QHash>
#include <QString>

#include <functional>
#include <span>

class QColor;
class QFont;
class QMainWindow;
class QWidget;

// The face of the windows' menu bars and menus.
QFont menuFont();

// Gives window a client area painted in background, sized widthTwips by heightTwips under
// the menu bar, and sizes the window to fit it.
QWidget* makeClientArea(QMainWindow* window, QColor background, int widthTwips, int heightTwips);

// What the widgets show: the control of each row; and a picture by name, for a picture box
// whose control names a picture it does not hold (the logo), or its copy at twice the
// resolution (sharp).
struct WidgetSource {
    std::function<Control&(const WidgetRow&)> control;
    std::function<QImage(const QString& name, bool sharp)> picture;
};

// Creates the widgets of rows on a client area of widthTwips by heightTwips, each showing
// its control. The first row lies on top of the later ones; shapes and lines go into one
// drawing above the labels and below the child windows (buttons, text boxes, pictures,
// up-downs). Returns the named widgets by name.
QHash<QString, QWidget*> buildWidgetRows(std::span<const WidgetRow> rows, QWidget* client,
                                         int widthTwips, int heightTwips,
                                         const WidgetSource& source);

// Chains the named widgets in the given tab order.
void setTabOrderByName(std::span<const char* const> names, const QHash<QString, QWidget*>& byName);
