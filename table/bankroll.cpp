// A new bankroll: the old money, the bet and the one-roll bets are dropped, and the table
// is made ready for a new series.

#include "table/events.h"
#include "table/table.h"

void Table::newBankroll_Click(int amount) {
    const Showing showing(*this);
    reBet_.shown = false;
    Bankroll = dollars(amount);
    tell(event::NewBankroll{Bankroll});
    w.txtBet.setText(QStringLiteral("0"));
    // Nothing is charged any more, so setting the bet to 0 below refunds nothing.
    PrevBet = 0;
    info_.shown = false;
    betResult_.shown = false;
    standing_ = Standing::Playing;
    betLocked_ = false;
    betCommandsLocked_ = false;
    w.udBet.setValue(0);
    oneRolls_->drop();
}
