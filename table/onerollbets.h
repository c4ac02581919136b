#pragma once

// The one-roll bets as the rest of the table sees them. They are a part of their own
// (oneroll/), which owns the six spots and the entry panel and attaches itself to the table;
// the table's roll and its other handlers reach them only through this.

#include "table/currency.h"

// What stands on a number's one-roll spot.
struct OneRollSpot {
    // Empty, a bet placed for the next roll, or a bet that won and is still on the table.
    enum class Bet { None, Placed, Winner };
    Bet bet = Bet::None;
    // The stake; nothing without a bet.
    Currency stake;
    // The number was the last one rolled.
    bool justRolled = false;

    bool operator==(const OneRollSpot&) const = default;
};

class OneRollBets {
public:
    virtual ~OneRollBets() = default;

    // The spot of a number, 1 to 6.
    virtual const OneRollSpot& spot(int number) const = 0;
    // The number whose bet won the last roll that settled one-roll bets; 0 when they all
    // lost (or none has been settled yet).
    virtual int lastWinner() const = 0;

    // The roll's three steps: the entry panel closes as the roll starts, the bets are
    // settled on the face (winners paid into the bankroll, losers taken), and the rolled
    // number is marked once the main bet is settled.
    virtual void closePanel() = 0;
    virtual void settle(int face) = 0;
    virtual void markRolled(int face) = 0;
    // A new bankroll drops every bet and amount and closes the panel.
    virtual void drop() = 0;
    // The panel's Cancel button goes with the prompt when the main bet changes.
    virtual void hideCancel() = 0;
    // The entry panel holds the roll and the one-roll button while the player enters amounts.
    virtual bool holdsRoll() const = 0;

    // Writes the spots, the panel and the one-roll notice from their facts.
    virtual void show() = 0;
};
