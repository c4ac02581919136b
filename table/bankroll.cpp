// A new bankroll: the old money, the bet and the one-roll bets are dropped, and the table
// is made ready for a new series.

#include "table/events.h"
#include "table/table.h"

void Table::newBankroll_Click(int amount) {
    w.lblrebet.setVisible(false);
    Bankroll = dollars(amount);
    showBankroll();
    tell(event::NewBankroll{Bankroll});
    w.txtBet.setText(QStringLiteral("0"));
    w.udBet.setEnabled(true);
    // Nothing is charged any more, so setting the bet to 0 below refunds nothing.
    PrevBet = 0;
    w.lblinfo.setVisible(false);
    w.cmdCancelOR.setVisible(false);
    w.lblORinfo.setVisible(false);
    w.lblbetresult.setVisible(false);
    w.lblgameover.setVisible(false);
    w.cmdRoll.setEnabled(true);
    w.cmdOneRoll.setEnabled(true);
    w.mnuMin.setEnabled(true);
    w.mnumax.setEnabled(true);
    w.udBet.setValue(0);
    for (Idx = 1; Idx <= 6; ++Idx) {
        clearOneRollAmount(Idx);
        hideOneRollRow(Idx);
    }
    nameHolders();
    w.lblORoll.setVisible(false);
    w.cmdEnterOR.setVisible(false);
}
