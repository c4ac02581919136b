#pragma once

// A window's widget set as data: every widget with its place and size in twips, and what
// only the window needs of it (fonts and colours of buttons and text boxes, frames,
// alignment, what a screen reader is told it is for). A row shows either a control of the
// table, whose name, kind and start-up state the table keeps, or a widget of the window's
// own, named and captioned here (the Help windows' texts, the felt's shapes and lines).

#include "table/tablecontrols.h"
#include "table/texts.h"

#include <array>
#include <cstdint>
#include <optional>

class QString;
class Table;

enum WidgetFlag : unsigned {
    None = 0,
    Border = 1u << 2,    // a single one-pixel frame
    AlignLeft = 1u << 3, // captions are centred unless aligned left or right
    AlignRight = 1u << 4,
    Circle = 1u << 5,    // a shape drawn as a circle rather than a rectangle
    Coloured = 1u << 6,  // a button painted in its back colour
    AutoSize = 1u << 7,  // a picture box that sizes itself to its picture
    Pressable = 1u << 8, // a label a screen reader can press (a one-roll spot holding a winner)
};

constexpr unsigned operator|(WidgetFlag a, WidgetFlag b) {
    return static_cast<unsigned>(a) | static_cast<unsigned>(b);
}
constexpr unsigned operator|(unsigned a, WidgetFlag b) {
    return a | static_cast<unsigned>(b);
}
constexpr unsigned operator|(ShownFlag a, WidgetFlag b) {
    return static_cast<unsigned>(a) | static_cast<unsigned>(b);
}

struct WidgetRow {
    // The table's control the widget shows; or, for a widget of the window's own, its name
    // and kind.
    std::optional<ControlId> control = std::nullopt;
    const char* name = nullptr;
    Kind kind = Kind::Label;
    // Left, top, width and height in twips; for a line its two end points x1, y1, x2, y2.
    std::array<int, 4> geometry = {};
    // A widget of the window's own: its caption, in English, shown translated.
    text::Text caption = {};
    // The font and colours of a button or text box, and of a widget of the window's own.
    FontRow font = {};
    std::int32_t back = kDefaultColour; // 0xRRGGBB
    std::int32_t fore = kDefaultColour; // text colour, or a shape's or line's outline
    unsigned flags = None;              // WidgetFlag; Visible and Enabled for own widgets
    int pen = 1;                        // outline or line width in pixels
    // What the widget is for, as a screen reader describes it.
    text::Text description = {};
    // What a control's widget shows now, as a screen reader names it ("Bankroll, 95
    // dollars"); none for a widget named by its caption.
    QString (*says)(const Table& table, ControlId control) = nullptr;
    // The control's place in the tab order, from 1; 0 for a widget that takes no focus from
    // the Tab key.
    int tab = 0;
    // Where the focus goes when the focused widget can no longer be used: to the widget of
    // the lowest rank, from 1, that can take it; 0 for a widget the focus never goes to so.
    int focusNext = 0;
    // A drawing of the window's own (a shape, a line): the control it lies just below.
    std::optional<ControlId> under = std::nullopt;

    // The object name: the control's ("lblOR(4)") or the row's own.
    const char* objectName() const { return control ? descriptionOf(*control).name : name; }
    Kind widgetKind() const { return control ? descriptionOf(*control).kind : kind; }
};

constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
