#pragma once

// What a screen reader hears of the windows' widgets. A widget's description says what it is
// for and never changes; its name says what it shows now ("Bankroll, 95 dollars", "One-roll
// bet on four: 10 dollars") and is worked out from its properties whenever it is asked for,
// so it is always current and costs nothing while no screen reader listens.

#include "table/table.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

// What a widget is to a screen reader: a text, a bet holder it can press, a picture, or an
// amount set with the arrows.
enum class VoiceRole { Text, Holder, Picture, Amount };

// Gives widget its role and what it shows now, in words, as a screen reader hears them; given
// where the widget is made. A widget keeps the first voice it is given.
void giveVoice(QWidget* widget, VoiceRole role, std::function<QString()> name);

// What the widget shows now, in words; nothing while it is hidden. An up-down is named for the
// amount it sets ("Main bet"); its text is the amount ("10 dollars").
QString accessibleName(const QWidget* widget);

// Lets the accessibility framework describe the widgets given a voice, by the role they were
// given: names on demand, the bet holders' press action, the up-downs' value; and the
// announcer. Any number of calls installs it once.
void installAccessibility();

// Tells a screen reader what each player action did, once the action is over, as one
// notification built from the table's events: the face rolled, what it did to the main bet
// and to each one-roll bet, with the amounts, then the bankroll ("Rolled a one. One on the
// come out is a loser. ... Bankroll, 95 dollars."). The bankroll is said after every roll,
// and after any other action that changed it. The announcer is a widget without size that
// stays hidden until its first announcement.
class Announcer : public QWidget {
    Q_OBJECT
public:
    Announcer(Table& table, QWidget* parent);
    // The last announcement; empty before the first.
    const QString& text() const { return text_; }
    // Says what the action that just ended did, when it did anything to tell.
    void announce();

signals:
    void announced(const QString& text);

private:
    const Table& table_;
    std::vector<TableEvent> events_;
    Currency bankroll_; // as the last action left it
    QString text_;
    Subscription listening_; // last: it ends first
};
