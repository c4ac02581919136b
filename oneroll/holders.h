#pragma once

// The one-roll bet holders lblOR(1)..lblOR(6). A holder's caption and back colour together
// are the bet on its number:
//   number name on blue         no bet
//   stake on dark orange        a registered bet, riding on the next roll
//   stake on white              a bet that won the last roll and is still on the table
//   number name on white        the number just rolled, with no bet on it

#include "table/controls.h"

enum class HolderState { NameOnBlue, StakeOnDarkOrange, StakeOnWhite, NameOnWhite, Illegal };

// Whether the holder carries a stake: its caption reads as a number.
bool holdsStake(const Label& holder);
// Whether the holder's bet rides on the next roll: a registered bet, or a winner left up.
bool betRides(const Label& holder);
HolderState holderState(const Label& holder, int number);
