#pragma once

// The one-roll bet holders lblOR(1)..lblOR(6). A holder's caption and back colour together
// are the bet on its number:
//   number name on blue         no bet
//   stake on dark orange        a registered bet, riding on the next roll
//   stake on white              a bet that won the last roll and is still on the table
//   number name on white        the number just rolled, with no bet on it

#include "table/controls.h"
#include "table/currency.h"

// What stands on a number's holder, in the game's terms.
struct OneRollSpot {
    enum class Bet { None, Placed, Winner };
    Bet bet = Bet::None;
    // The stake on the holder; nothing without a bet.
    Currency stake;
    // The number was the last one rolled.
    bool justRolled = false;

    bool operator==(const OneRollSpot&) const = default;
};

// Whether the holder carries a stake: its caption reads as a number.
bool holdsStake(const Label& holder);
// Whether the holder's bet rides on the next roll: a registered bet, or a winner left up.
bool betRides(const Label& holder);
// The bet the holder shows.
OneRollSpot readSpot(const Label& holder);
