// The automatic re-bet: after a series the bet stands for the next one, or comes off.

#include "table/colours.h"
#include "table/events.h"
#include "table/table.h"
#include "table/texts.h"

void Table::rebet() {
    if (!w.mnuAuto.checked()) {
        if (BetWon) {
            tell(event::ReBetOff{bet()});
            Bankroll += bet();
            PrevBet = 0;
            w.udBet.setValue(0);
            w.lblrebet.setCaption(text::ReBetDisabled);
            w.lblrebet.setVisible(true);
        }
        if (BetLost) {
            tell(event::ReBetOff{Currency()});
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
        tell(event::ReBetStands{bet()});
        return;
    }
    // Too little left for the same bet again: take it off the table.
    w.lblinfo.setCaption(text::ReBetTooHigh);
    w.lblinfo.setVisible(true);
    const Currency returned = bet();
    Bankroll += bet();
    showBankroll();
    PrevBet = 0;
    w.txtBet.setText(QStringLiteral("0"));
    w.lblrebet.setCaption(text::ReBetCancelled);
    tell(event::ReBetCancelled{returned});
    w.lblrebet.setVisible(true);
    w.udBet.setValue(0);
    w.lblrebet.setBackColor(colour::Red);
    if (Bankroll < dollars(rules::MinimumBet)) {
        // Game over until a new bankroll.
        w.lblinfo.setVisible(true);
        w.lblinfo.setCaption(text::Depleted);
        tell(event::BankrollDepleted{});
        w.mnuMin.setEnabled(false);
        w.mnumax.setEnabled(false);
        w.lblgameover.setVisible(true);
        w.cmdRoll.setEnabled(false);
        w.cmdOneRoll.setEnabled(false);
        w.udBet.setEnabled(false);
        tell(event::GameOver{});
    }
}

void Table::mnuAuto_Click() {
    w.mnuAuto.setChecked(!w.mnuAuto.checked());
    tell(event::AutoReBetSwitched{w.mnuAuto.checked()});
}
