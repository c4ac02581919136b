// The automatic re-bet: after a series the bet stands for the next one, or comes off.

#include "table/events.h"
#include "table/table.h"
#include "table/texts.h"

void Table::rebet() {
    if (!w.mnuAuto.checked()) {
        if (BetWon) {
            tell(event::ReBetOff{bet()});
            takeBetOff();
            w.udBet.setValue(0);
            reBet_ = {text::ReBetDisabled, true};
        }
        if (BetLost) {
            tell(event::ReBetOff{Currency()});
            w.udBet.setValue(0);
            reBet_ = {text::ReBetDisabled, true};
        }
        return;
    }
    if (Bankroll >= bet()) {
        reBet_ = {text::ReBetStands, true};
        reBetCancelled_ = false;
        tell(event::ReBetStands{bet()});
        return;
    }
    // Too little left for the same bet again: take it off the table.
    info_ = {text::ReBetTooHigh, true};
    const Currency returned = bet();
    takeBetOff();
    w.txtBet.setText(QStringLiteral("0"));
    reBet_ = {text::ReBetCancelled, true};
    reBetCancelled_ = true;
    tell(event::ReBetCancelled{returned});
    w.udBet.setValue(0);
    if (Bankroll < dollars(rules::MinimumBet)) {
        // Game over until a new bankroll.
        announceDepleted();
        stopTable(Standing::GameOver);
        tell(event::GameOver{});
    }
}

void Table::mnuAuto_Click() {
    w.mnuAuto.setChecked(!w.mnuAuto.checked());
    tell(event::AutoReBetSwitched{w.mnuAuto.checked()});
}
