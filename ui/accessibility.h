#pragma once

// What a screen reader hears of the windows' widgets. A widget's description says what it is
// for and never changes; its name says what it shows now ("Bankroll, 95 dollars", "One-roll
// bet on four: 10 dollars") and is worked out from its properties whenever it is asked for,
// so it is always current and costs nothing while no screen reader listens.

#include <QString>

class QWidget;

// What the widget of that object name is for; empty for a widget not listed.
QString accessibleDescription(const QString& objectName);

// What the widget shows now, in words; nothing while it is hidden. An up-down is named for the
// amount it sets ("Main bet"); its text is the amount ("10 dollars").
QString accessibleName(const QWidget* widget);

// Lets the accessibility framework describe the windows' own widget kinds (labels, text
// boxes, up-downs, picture boxes): names on demand, the bet holders' press action, the
// up-downs' value. Any number of calls installs it once.
void installAccessibility();
