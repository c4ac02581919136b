#include "oneroll/holders.h"

#include "table/colours.h"
#include "table/currency.h"
#include "table/texts.h"

bool holdsStake(const Label& holder) {
    return isNumeric(holder.caption());
}

bool betRides(const Label& holder) {
    return (holder.backColor() == colour::White && holdsStake(holder)) ||
           holder.backColor() == colour::DarkOrange;
}

HolderState holderState(const Label& holder, int number) {
    const bool stake = holdsStake(holder);
    const bool name = holder.caption() == numberName(number);
    if (holder.backColor() == colour::Blue && name)
        return HolderState::NameOnBlue;
    if (holder.backColor() == colour::DarkOrange && stake)
        return HolderState::StakeOnDarkOrange;
    if (holder.backColor() == colour::White && stake)
        return HolderState::StakeOnWhite;
    if (holder.backColor() == colour::White && name)
        return HolderState::NameOnWhite;
    return HolderState::Illegal;
}
