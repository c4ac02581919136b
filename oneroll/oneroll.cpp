// One-roll bets: the entry panel, registering, cancelling, taking winners down, and the
// three steps of every roll that settle them.

#include "oneroll/holders.h"
#include "table/colours.h"
#include "table/events.h"
#include "table/table.h"
#include "table/texts.h"

using namespace rules;

namespace {

// A holder caption or amount text as money; such texts are whole dollars written by the
// handlers, so a text that does not read as a number counts as nothing.
Currency textAsMoney(const QString& text) {
    Currency amount;
    return Currency::fromText(text, &amount) ? amount : Currency();
}

bool textIsZero(const QString& text) {
    return textAsMoney(text) == Currency();
}

} // namespace

void Table::cmdOneRoll_Click() {
    w.lblinfo.setVisible(true);
    w.cmdCancelOR.setVisible(true);
    w.lblinfo.setCaption(text::EnterOneRollAmounts);
    w.lblORinfo.setVisible(false);
    w.lblrebet.setVisible(false);
    Currency returned;
    for (Idx = 1; Idx <= 6; ++Idx) {
        w.lblOneRoll(Idx).setVisible(true);
        w.txtOneRoll(Idx).setVisible(true);
        w.udOneRoll(Idx).setVisible(true);
        // Every bet standing on the table comes back to the bankroll.
        if (holdsStake(w.lblOR(Idx))) {
            Bankroll += textAsMoney(w.lblOR(Idx).caption());
            returned += textAsMoney(w.lblOR(Idx).caption());
        }
    }
    for (Idx = 1; Idx <= 6; ++Idx)
        clearOneRollAmount(Idx);
    nameHolders();
    w.cmdEnterOR.setVisible(true);
    w.lblORoll.setVisible(true);
    showBankroll();
    w.cmdOneRoll.setEnabled(false);
    w.cmdRoll.setEnabled(false);
    tell(event::OneRollPanelOpened{returned});
}

void Table::udOneRoll_Change(int /*Index*/) {
    w.lblinfo.setVisible(false);
    w.cmdCancelOR.setVisible(false);
}

void Table::txtOneRoll_Change(int /*Index*/) {}

void Table::cmdEnterOR_Click() {
    std::int32_t total = 0;
    for (Idx = 1; Idx <= 6; ++Idx)
        total += w.udOneRoll(Idx).value();

    if (dollars(total) > Bankroll) {
        // Too expensive: refuse the whole set and clear the amounts.
        w.lblBankroll.setCaption(QString());
        w.txtBet.setText(QString());
        tell(event::Refused{event::Refused::Why::OneRollsTooDear});
        MsgAnswer = platform_.messages.show(text::OneRollsTooDear);
        if (MsgAnswer == 1) {
            showBankroll();
            w.txtBet.setText(QString::number(w.udBet.value()));
            for (Idx = 1; Idx <= 6; ++Idx)
                clearOneRollAmount(Idx);
            nameHolders();
        }
        return;
    }

    bool nothingEntered = true;
    for (Idx = 1; Idx <= 6; ++Idx) {
        if (!textIsZero(w.txtOneRoll(Idx).text()))
            nothingEntered = false;
    }
    if (nothingEntered) {
        w.lblinfo.setVisible(true);
        w.lblinfo.setCaption(text::NoOneRollsEntered);
        tell(event::Refused{event::Refused::Why::NoOneRollsEntered});
        w.cmdCancelOR.setVisible(true);
        for (Idx = 1; Idx <= 6; ++Idx) {
            if (w.lblOR(Idx).backColor() == colour::Blue)
                w.lblOR(Idx).setCaption(numberName(Idx));
        }
        showBankroll();
        reviveTableIfFunded();
        return;
    }

    // Register: each amount goes onto its holder and out of the bankroll.
    for (Idx = 1; Idx <= 6; ++Idx) {
        Label& holder = w.lblOR(Idx);
        const QString amount = w.txtOneRoll(Idx).text();
        if (!textIsZero(amount)) {
            holder.setCaption(amount);
            holder.setBackColor(colour::DarkOrange);
            Bankroll -= textAsMoney(amount);
            tell(event::OneRollPlaced{Idx, textAsMoney(amount)});
        } else {
            holder.setBackColor(colour::Blue);
        }
        if (holder.backColor() == colour::Blue)
            holder.setCaption(numberName(Idx));
        w.lblOneRoll(Idx).setVisible(false);
        w.txtOneRoll(Idx).setVisible(false);
        w.udOneRoll(Idx).setVisible(false);
        w.txtOneRoll(Idx).setText(QStringLiteral("0"));
    }
    w.lblORoll.setVisible(false);
    w.cmdEnterOR.setVisible(false);
    w.cmdRoll.setEnabled(true);
    showBankroll();
    if (Bankroll >= dollars(MinimumBet)) {
        w.lblgameover.setVisible(false);
        w.cmdOneRoll.setEnabled(true);
        if (Point == 0)
            w.udBet.setEnabled(true);
    }
    if (Point == 0 && Bankroll < dollars(MinimumBet)) {
        w.lblinfo.setVisible(true);
        w.lblinfo.setCaption(text::Depleted);
        tell(event::BankrollDepleted{});
    }
    w.cmdOneRoll.setEnabled(true);
}

void Table::cmdCancelOR_Click() {
    for (Idx = 1; Idx <= 6; ++Idx) {
        clearOneRollAmount(Idx);
        hideOneRollRow(Idx);
    }
    nameHolders();
    w.lblORoll.setVisible(false);
    w.cmdEnterOR.setVisible(false);
    w.cmdCancelOR.setVisible(false);
    w.cmdOneRoll.setEnabled(true);
    w.cmdRoll.setEnabled(true);
    tell(event::OneRollPanelCancelled{});
}

void Table::lblOR_Click(int Index) {
    Label& holder = w.lblOR(Index);
    if (holder.backColor() == colour::White && holdsStake(holder)) {
        // Take the winning bet down: its stake comes back; the holder stays white.
        tell(event::WinnerTakenDown{Index, textAsMoney(holder.caption())});
        Bankroll += textAsMoney(holder.caption());
        holder.setCaption(numberName(Index));
        w.txtOneRoll(Index).setText(QStringLiteral("0"));
    }
    w.lblORinfo.setVisible(false);
    showBankroll();
    reviveTableIfFunded();
}

void Table::reviveTableIfFunded() {
    if (Bankroll >= dollars(MinimumBet)) {
        w.cmdRoll.setEnabled(true);
        w.lblgameover.setVisible(false);
        w.cmdOneRoll.setEnabled(true);
        if (Point == 0)
            w.udBet.setEnabled(true);
    }
}

void Table::clearOneRollAmount(int number) {
    w.udOneRoll(number).setValue(0);
    w.txtOneRoll(number).setText(QStringLiteral("0"));
    w.lblOR(number).setBackColor(colour::Blue);
}

void Table::hideOneRollRow(int number) {
    w.lblOneRoll(number).setVisible(false);
    w.txtOneRoll(number).setVisible(false);
    w.udOneRoll(number).setVisible(false);
}

void Table::nameHolders() {
    for (int number = 1; number <= 6; ++number)
        w.lblOR(number).setCaption(numberName(number));
}

void Table::closeOneRollPanel() {
    w.cmdCancelOR.setVisible(false);
    w.lblORinfo.setVisible(false);
    for (Idx = 1; Idx <= 6; ++Idx) {
        w.lblOneRoll(Idx).setVisible(false);
        w.txtOneRoll(Idx).setVisible(false);
        w.udOneRoll(Idx).setVisible(false);
        w.txtOneRoll(Idx).setText(QStringLiteral("0"));
        w.udOneRoll(Idx).setValue(0);
    }
    w.cmdEnterOR.setVisible(false);
    w.lblORoll.setVisible(false);
}

void Table::settleOneRollBets(int face) {
    for (Idx = 1; Idx <= 6; ++Idx) {
        Label& holder = w.lblOR(Idx);
        if (!betRides(holder))
            continue;
        ORActive = true;
        if (Idx == face) {
            // Four-to-one; the stake stays on the holder.
            Bankroll += textAsMoney(holder.caption()) * OneRollPays;
            tell(event::OneRollWon{Idx, textAsMoney(holder.caption()),
                                   textAsMoney(holder.caption()) * OneRollPays});
            w.lblORinfo.setCaption(text::OneRollWinsBefore + QString::number(Idx) +
                                   text::OneRollWinsAfter);
            w.lblORinfo.setVisible(true);
            ORWon = true;
        } else {
            holder.setBackColor(colour::Blue);
            tell(event::OneRollLost{Idx, textAsMoney(holder.caption())});
        }
    }
    if (ORActive && !ORWon) {
        w.lblORinfo.setVisible(true);
        w.lblORinfo.setCaption(text::AllOneRollsLost);
        tell(event::AllOneRollsLost{});
    }
    ORWon = false;
    ORActive = false;
    for (Idx = 1; Idx <= 6; ++Idx) {
        if (w.lblOR(Idx).backColor() == colour::Blue)
            w.lblOR(Idx).setCaption(numberName(Idx));
    }
    showBankroll();
}

void Table::markRolledNumber(int face) {
    for (Idx = 1; Idx <= 6; ++Idx)
        w.lblOR(Idx).setBackColor(Idx == face ? colour::White : colour::Blue);
}
