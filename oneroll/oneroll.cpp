// One-roll bets: the entry panel, registering, cancelling, taking winners down, and the
// three steps of every roll that settle them.

#include "table/events.h"
#include "table/table.h"
#include "table/texts.h"

using namespace rules;

void Table::cmdOneRoll_Click() {
    const Showing showing(*this);
    info_ = {text::EnterOneRollAmounts, true};
    cancelShown_ = true;
    oneRollInfoShown_ = false;
    reBet_.shown = false;
    panelOpen_ = true;
    // Every bet standing on the table comes back to the bankroll.
    Currency returned;
    for (Idx = 1; Idx <= 6; ++Idx) {
        Bankroll += spot(Idx).stake;
        returned += spot(Idx).stake;
    }
    for (Idx = 1; Idx <= 6; ++Idx)
        clearOneRollAmount(Idx);
    clearSpots();
    w.cmdOneRoll.setEnabled(false);
    w.cmdRoll.setEnabled(false);
    tell(event::OneRollPanelOpened{returned});
}

void Table::udOneRoll_Change(int /*Index*/) {
    const Showing showing(*this);
    info_.shown = false;
    cancelShown_ = false;
}

void Table::txtOneRoll_Change(int /*Index*/) {}

void Table::cmdEnterOR_Click() {
    const Showing showing(*this);
    Currency total;
    bool nothingEntered = true;
    for (Idx = 1; Idx <= 6; ++Idx) {
        total += dollars(w.udOneRoll(Idx).value());
        nothingEntered = nothingEntered && w.udOneRoll(Idx).value() == 0;
    }
    if (total > Bankroll) {
        refuseOneRollsTooDear();
    } else if (nothingEntered) {
        info_ = {text::NoOneRollsEntered, true};
        tell(event::Refused{event::Refused::Why::NoOneRollsEntered});
        cancelShown_ = true;
        reviveTableIfFunded();
    } else {
        placeOneRollBets();
    }
}

void Table::refuseOneRollsTooDear() {
    // The whole set is refused and the amounts cleared.
    tell(event::Refused{event::Refused::Why::OneRollsTooDear});
    MsgAnswer = askWithMoneyHidden(text::OneRollsTooDear);
    if (MsgAnswer == 1) {
        w.txtBet.setText(QString::number(w.udBet.value()));
        for (Idx = 1; Idx <= 6; ++Idx)
            clearOneRollAmount(Idx);
        clearSpots();
    }
}

void Table::placeOneRollBets() {
    // Each amount goes onto its spot and out of the bankroll.
    for (Idx = 1; Idx <= 6; ++Idx) {
        const Currency amount = dollars(w.udOneRoll(Idx).value());
        spot(Idx) = {};
        if (amount != Currency()) {
            spot(Idx) = {OneRollSpot::Bet::Placed, amount, false};
            Bankroll -= amount;
            tell(event::OneRollPlaced{Idx, amount});
        }
        w.txtOneRoll(Idx).setText(QStringLiteral("0"));
    }
    panelOpen_ = false;
    w.cmdRoll.setEnabled(true);
    reviveTableIfFunded();
    if (Point == 0 && Bankroll < dollars(MinimumBet))
        announceDepleted();
    w.cmdOneRoll.setEnabled(true);
}

void Table::cmdCancelOR_Click() {
    const Showing showing(*this);
    for (Idx = 1; Idx <= 6; ++Idx)
        clearOneRollAmount(Idx);
    clearSpots();
    panelOpen_ = false;
    cancelShown_ = false;
    w.cmdOneRoll.setEnabled(true);
    w.cmdRoll.setEnabled(true);
    tell(event::OneRollPanelCancelled{});
}

void Table::lblOR_Click(int Index) {
    const Showing showing(*this);
    OneRollSpot& holder = spot(Index);
    if (holder.bet == OneRollSpot::Bet::Winner) {
        // Take the winning bet down: its stake comes back; the number stays marked as rolled.
        tell(event::WinnerTakenDown{Index, holder.stake});
        Bankroll += holder.stake;
        holder = {OneRollSpot::Bet::None, Currency(), true};
        w.txtOneRoll(Index).setText(QStringLiteral("0"));
    }
    oneRollInfoShown_ = false;
    reviveTableIfFunded();
}

void Table::clearOneRollAmount(int number) {
    w.udOneRoll(number).setValue(0);
    w.txtOneRoll(number).setText(QStringLiteral("0"));
}

void Table::clearSpots() {
    spots_.fill({});
}

void Table::closeOneRollPanel() {
    cancelShown_ = false;
    oneRollInfoShown_ = false;
    for (Idx = 1; Idx <= 6; ++Idx) {
        w.txtOneRoll(Idx).setText(QStringLiteral("0"));
        w.udOneRoll(Idx).setValue(0);
    }
    panelOpen_ = false;
}

void Table::settleOneRollBets(int face) {
    for (Idx = 1; Idx <= 6; ++Idx) {
        OneRollSpot& bet = spot(Idx);
        if (bet.bet == OneRollSpot::Bet::None)
            continue;
        ORActive = true;
        if (Idx == face) {
            // Four-to-one; the stake stays on the spot.
            Bankroll += bet.stake * OneRollPays;
            tell(event::OneRollWon{Idx, bet.stake, bet.stake * OneRollPays});
            oneRollWinner_ = Idx;
            oneRollInfoShown_ = true;
            ORWon = true;
        } else {
            const Currency lost = bet.stake;
            bet = {};
            tell(event::OneRollLost{Idx, lost});
        }
    }
    if (ORActive && !ORWon) {
        oneRollWinner_ = 0;
        oneRollInfoShown_ = true;
        tell(event::AllOneRollsLost{});
    }
    ORWon = false;
    ORActive = false;
}

void Table::markRolledNumber(int face) {
    for (int number = 1; number <= 6; ++number) {
        OneRollSpot& at = spot(number);
        at.justRolled = number == face;
        if (number == face && at.bet == OneRollSpot::Bet::Placed)
            at.bet = OneRollSpot::Bet::Winner;
    }
}
