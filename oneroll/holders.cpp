#include "oneroll/holders.h"

#include "table/colours.h"
#include "table/currency.h"
#include "ui/widgets.h"

#include <array>

QString numberName(int number) {
    static const std::array<QString, 6> names = {
        QStringLiteral("ONE"),  QStringLiteral("TWO"),  QStringLiteral("THREE"),
        QStringLiteral("FOUR"), QStringLiteral("FIVE"), QStringLiteral("SIX"),
    };
    return names.at(static_cast<std::size_t>(number - 1));
}

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
