#pragma once

// What the player sees of a label's or a button's caption as the widget draws it now: every
// pixel the caption inks, in the widget's coordinates, wherever it falls (nothing clips it
// here), and the room in which the caption shows whole: inside the border or the bevel and,
// while the widget can take the focus, inside its focus frame, which no letter may cross. The table
// never moves or grows a widget, so a caption (a translation above all) must keep its ink within
// that room.

#include <QRect>
#include <QRegion>

class QWidget;

struct CaptionInk {
    QRegion ink;
    QRect room;
};

// The caption's ink and room of a LabelView or a ButtonView.
CaptionInk captionInkOf(const QWidget* view);
