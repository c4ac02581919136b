#pragma once

// The table window's widget set as data: every widget with its name, kind, place and size in
// twips, start-up caption, font, colours and flags. The table's controls take their start-up
// state from these rows, and the window builds its widgets from them.

#include "table/texts.h"

#include <array>
#include <cstdint>

enum class Kind { Label, Button, TextBox, PictureBox, UpDown, Shape, Line, Menu };

enum WidgetFlag : unsigned {
    None = 0,
    Visible = 1u << 0,
    Enabled = 1u << 1,
    Border = 1u << 2,    // a single one-pixel frame
    AlignLeft = 1u << 3, // captions are centred unless aligned left or right
    AlignRight = 1u << 4,
    Circle = 1u << 5,   // a shape drawn as a circle rather than a rectangle
    Coloured = 1u << 6, // a button painted in its back colour
    AutoSize = 1u << 7, // a picture box that sizes itself to its picture
};

constexpr unsigned operator|(WidgetFlag a, WidgetFlag b) {
    return static_cast<unsigned>(a) | static_cast<unsigned>(b);
}
constexpr unsigned operator|(unsigned a, WidgetFlag b) {
    return a | static_cast<unsigned>(b);
}

constexpr std::int32_t kDefaultColour = -1; // the toolkit's standard (black for text and lines)

struct FontRow {
    const char* face = nullptr;
    double size = 0;
    bool bold = false;
};

struct WidgetRow {
    const char* name;
    Kind kind;
    // Left, top, width and height in twips; for a line its two end points x1, y1, x2, y2.
    std::array<int, 4> geometry;
    // In English; shown translated into the player's language when there is a translation.
    text::Text caption = {};
    FontRow font = {};
    std::int32_t back = kDefaultColour; // 0xRRGGBB
    std::int32_t fore = kDefaultColour; // text colour, or a shape's or line's outline
    unsigned flags = None;
    int pen = 1; // outline or line width in pixels
};

struct UpDownRow {
    const char* name;
    const char* buddy;
    int minimum;
    int maximum;
    int step;
};

struct MenuRow {
    const char* name;
    text::Text caption;
    const char* menu; // the top-level menu that holds the item; nullptr for a top-level menu
    bool checked = false;
};

constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// The client area of the table window, in twips.
constexpr int kTableWidthTwips = 11880;
constexpr int kTableHeightTwips = 8310;

// In the order the window stores its widgets; the first row lies on top of the later ones.
extern const std::array<WidgetRow, 66> kTableWidgets;
extern const std::array<UpDownRow, 7> kTableUpDowns;
extern const std::array<MenuRow, 14> kTableMenus;
// The widgets that take the keyboard focus, in tab order.
extern const std::array<const char*, 14> kTableTabOrder;
