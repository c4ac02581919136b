#pragma once

// What a screen reader says of one player action: the action's events in words, in the order
// they happened, then the bankroll. "Rolled a four. Point 4, first chance, pays two to one.
// Bankroll, 95 dollars."

#include "table/events.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

class ActionWords {
    Q_DECLARE_TR_FUNCTIONS(ActionWords)
public:
    // The words for the action's events, ending with the bankroll when one is given; empty
    // when there is nothing to say. With settingAmount the player is setting the main bet with
    // its up-down, which says the amount itself: the bet is left out. A sentence that two
    // events of the action would both say (a notice put up twice) is said once.
    static QString text(const std::vector<TableEvent>& events, bool settingAmount,
                        std::optional<Currency> bankroll);

    // Whether the player pressed Roll Die in the action: the bankroll is said after every
    // roll, also when the roll left it as it was.
    static bool rollPressed(const std::vector<TableEvent>& events);
    // Whether the action ended with the table waiting for a new bankroll.
    static bool needsNewBankroll(const std::vector<TableEvent>& events);

    // "95 dollars", "1 dollar", "12.5 dollars".
    static QString dollars(Currency amount);
    // "one" .. "six".
    static QString number(int number);
    // "first", "second", "third".
    static QString chance(int chance);
    // What the point pays on a chance (1 to 3): "pays two to one".
    static QString pays(int chance);

private:
    static QString sentence(const TableEvent& event, bool settingAmount);
};
