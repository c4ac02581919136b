#pragma once

// What a screen reader hears of the windows' widgets. A widget's description says what it is
// for and never changes; its name says what it shows now ("Bankroll, 95 dollars", "One-roll
// bet on four: 10 dollars") and is worked out from its properties whenever it is asked for,
// so it is always current and costs nothing while no screen reader listens.

#include <QHash>
#include <QString>
#include <QWidget>

#include <vector>

// What the widget of that object name is for; empty for a widget not listed.
QString accessibleDescription(const QString& objectName);

// What the widget shows now, in words; nothing while it is hidden. An up-down is named for the
// amount it sets ("Main bet"); its text is the amount ("10 dollars").
QString accessibleName(const QWidget* widget);

// Lets the accessibility framework describe the windows' own widget kinds (labels, text
// boxes, up-downs, picture boxes): names on demand, the bet holders' press action, the
// up-downs' value. Any number of calls installs it once.
void installAccessibility();

// Tells a screen reader what a player action changed on the table, once the action is over:
// the messages it showed or changed, a point that is on, the bet and the bankroll, in that
// order, as one notification ("One on the come out is a loser. ... Bankroll, 95 dollars.").
// A message still showing the text it showed before is not said again, and the bet and the
// bankroll are left to the up-down while the player sets an amount with it. The announcer
// is a widget without size that stays hidden until its first announcement.
class Announcer : public QWidget {
    Q_OBJECT
public:
    // Watches the table's widgets, found by name; what they show now counts as said.
    Announcer(const QHash<QString, QWidget*>& byName, QWidget* parent);
    // The last announcement; empty before the first.
    const QString& text() const { return text_; }
    // Announces what changed since the last call, when anything did.
    void announce();
    // Has the next announcement tell what the widget of that name shows, changed or not.
    void sayAgain(const QString& objectName);

signals:
    void announced(const QString& text);

private:
    struct Watched {
        QWidget* widget;
        QString said;
    };
    std::vector<Watched> watched_;
    QString text_;
};
