// The main bet: every change is charged to or refunded from the bankroll at once.

#include "table/events.h"
#include "table/table.h"
#include "table/texts.h"

using namespace rules;

void Table::udBet_Change() {
    const Showing showing(*this);
    info_.shown = false;
    oneRolls_->hideCancel();
    chargeBetChange();
    tell(event::BetChanged{bet()});
    if (Bankroll < dollars(0)) {
        // More than the money available: refuse, and take the bet back a step.
        refusingBet_ = true;
        tell(event::Refused{event::Refused::Why::BetOverBankroll});
        const bool answeredOk = ask(text::OverBet);
        refusingBet_ = false;
        int newValue = w.udBet.value() - BetStep;
        if (answeredOk && Bankroll < dollars(-BetStep))
            newValue = w.udBet.value() - 2 * BetStep;
        // Raises a nested udBet_Change, which refunds the difference and refuses again
        // while the bankroll is still below zero.
        w.udBet.setValue(newValue);
    }
}

void Table::mnumax_Click() {
    Currency available = Bankroll + bet();
    if (available >= dollars(MaximumBet)) {
        w.udBet.setValue(MaximumBet);
        return;
    }
    for (WholeDollars = 1; WholeDollars < MaximumBet; ++WholeDollars) {
        available = Bankroll + bet();
        if (available == dollars(WholeDollars) + Currency::fromUnits(Currency::Scale / 2)) {
            w.udBet.setValue(WholeDollars);
            return;
        }
    }
    w.udBet.setValue(available.toInt32());
}

void Table::mnuMin_Click() {
    const Currency available = Bankroll + bet();
    if (available >= dollars(MinimumBet))
        w.udBet.setValue(MinimumBet);
}
