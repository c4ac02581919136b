#include "oneroll/holders.h"

#include "table/colours.h"

bool holdsStake(const Label& holder) {
    return isNumeric(holder.caption());
}

bool betRides(const Label& holder) {
    return (holder.backColor() == colour::White && holdsStake(holder)) ||
           holder.backColor() == colour::DarkOrange;
}

OneRollSpot readSpot(const Label& holder) {
    OneRollSpot spot;
    spot.justRolled = holder.backColor() == colour::White;
    if (!holdsStake(holder))
        return spot;
    if (holder.backColor() == colour::DarkOrange)
        spot.bet = OneRollSpot::Bet::Placed;
    else if (holder.backColor() == colour::White)
        spot.bet = OneRollSpot::Bet::Winner;
    else
        return spot;
    Currency::fromText(holder.caption(), &spot.stake);
    return spot;
}
