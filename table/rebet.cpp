// The automatic re-bet: after a series the bet stands for the next one, or comes off.

#include "table/colours.h"
#include "table/table.h"

void Table::rebet() {
    const QString disabled = QStringLiteral("Automatic re-bet is disabled.");
    if (!w.mnuAuto->isChecked()) {
        if (BetWon) {
            Bankroll += bet();
            PrevBet = 0;
            w.udBet->setValue(0);
            w.lblrebet->setCaption(disabled);
            w.lblrebet->setVisible(true);
        }
        if (BetLost) {
            w.udBet->setValue(0);
            w.lblrebet->setCaption(disabled);
            w.lblrebet->setVisible(true);
        }
        return;
    }
    if (Bankroll >= bet()) {
        w.lblrebet->setCaption(
            QStringLiteral("Your bankroll reflects the automatic re-bet feature."));
        w.lblrebet->setVisible(true);
        w.lblrebet->setBackColor(colour::LavenderBlue);
        return;
    }
    // Too little left for the same bet again: take it off the table.
    w.lblinfo->setCaption(QStringLiteral("Your previous bet was too high for auto re-bet."));
    w.lblinfo->setVisible(true);
    Bankroll += bet();
    showBankroll();
    PrevBet = 0;
    w.txtBet->setText(QStringLiteral("0"));
    w.lblrebet->setCaption(QStringLiteral("Automatic re-bet cancelled. Bankroll is low."));
    w.lblrebet->setVisible(true);
    w.udBet->setValue(0);
    w.lblrebet->setBackColor(colour::Red);
    if (Bankroll < dollars(5)) {
        // Game over until a new bankroll.
        w.lblinfo->setVisible(true);
        w.lblinfo->setCaption(
            QStringLiteral("Your bankroll is depleted.  Get a new bankroll by clicking above."));
        w.mnuMin->setEnabled(false);
        w.mnumax->setEnabled(false);
        w.lblgameover->setVisible(true);
        w.cmdRoll->setEnabled(false);
        w.cmdOneRoll->setEnabled(false);
        w.udBet->setEnabled(false);
    }
}

void Table::mnuAuto_Click() {
    w.mnuAuto->setChecked(!w.mnuAuto->isChecked());
}
