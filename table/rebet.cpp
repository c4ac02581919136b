// The automatic re-bet: after a series the bet stands for the next one, or comes off.

#include "table/colours.h"
#include "table/table.h"
#include "table/texts.h"

void Table::rebet() {
    if (!w.mnuAuto.checked()) {
        if (BetWon) {
            Bankroll += bet();
            PrevBet = 0;
            w.udBet.setValue(0);
            w.lblrebet.setCaption(text::ReBetDisabled);
            w.lblrebet.setVisible(true);
        }
        if (BetLost) {
            w.udBet.setValue(0);
            w.lblrebet.setCaption(text::ReBetDisabled);
            w.lblrebet.setVisible(true);
        }
        return;
    }
    if (Bankroll >= bet()) {
        w.lblrebet.setCaption(text::ReBetStands);
        w.lblrebet.setVisible(true);
        w.lblrebet.setBackColor(colour::LavenderBlue);
        return;
    }
    // Too little left for the same bet again: take it off the table.
    w.lblinfo.setCaption(text::ReBetTooHigh);
    w.lblinfo.setVisible(true);
    Bankroll += bet();
    showBankroll();
    PrevBet = 0;
    w.txtBet.setText(QStringLiteral("0"));
    w.lblrebet.setCaption(text::ReBetCancelled);
    w.lblrebet.setVisible(true);
    w.udBet.setValue(0);
    w.lblrebet.setBackColor(colour::Red);
    if (Bankroll < dollars(rules::MinimumBet)) {
        // Game over until a new bankroll.
        w.lblinfo.setVisible(true);
        w.lblinfo.setCaption(text::Depleted);
        w.mnuMin.setEnabled(false);
        w.mnumax.setEnabled(false);
        w.lblgameover.setVisible(true);
        w.cmdRoll.setEnabled(false);
        w.cmdOneRoll.setEnabled(false);
        w.udBet.setEnabled(false);
    }
}

void Table::mnuAuto_Click() {
    w.mnuAuto.setChecked(!w.mnuAuto.checked());
}
