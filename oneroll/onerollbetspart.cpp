// One-roll bets: the entry panel, registering, cancelling, taking winners down, and the
// three steps of every roll that settle them.

#include "oneroll/onerollbetspart.h"

#include "table/colours.h"
#include "table/events.h"
#include "table/texts.h"

using namespace rules;

OneRollBetsPart::OneRollBetsPart(Table& table) : table_(table), w(table.controls()) {
    w.cmdOneRoll.Click.bind([this] { cmdOneRoll_Click(); });
    w.cmdEnterOR.Click.bind([this] { cmdEnterOR_Click(); });
    w.cmdCancelOR.Click.bind([this] { cmdCancelOR_Click(); });
    for (int i = 1; i <= 6; ++i) {
        w.udOneRoll(i).Change.bind([this, i] { udOneRoll_Change(i); });
        w.txtOneRoll(i).Change.bind([this, i] { txtOneRoll_Change(i); });
        w.lblOR(i).Click.bind([this, i] { lblOR_Click(i); });
    }
    table_.attach(*this);
}

void OneRollBetsPart::cmdOneRoll_Click() {
    const Table::Showing showing(table_);
    table_.showNotice(text::EnterOneRollAmounts);
    cancelShown_ = true;
    winnerShown_ = false;
    table_.hideReBetNotice();
    panelOpen_ = true;
    // Every bet standing on the table comes back to the bankroll.
    Currency returned;
    for (const OneRollSpot& standing : spots_)
        returned += standing.stake;
    table_.Bankroll += returned;
    clearAmounts();
    spots_.fill({});
    w.cmdOneRoll.setEnabled(false);
    w.cmdRoll.setEnabled(false);
    table_.tell(event::OneRollPanelOpened{returned});
}

void OneRollBetsPart::udOneRoll_Change(int /*Index*/) {
    const Table::Showing showing(table_);
    table_.hideNotice();
    cancelShown_ = false;
}

void OneRollBetsPart::txtOneRoll_Change(int /*Index*/) {}

void OneRollBetsPart::cmdEnterOR_Click() {
    const Table::Showing showing(table_);
    Currency total;
    for (int number = 1; number <= 6; ++number)
        total += dollars(w.udOneRoll(number).value());
    if (total > table_.Bankroll) {
        refuseTooDear();
    } else if (total == Currency()) {
        table_.showNotice(text::NoOneRollsEntered);
        table_.tell(event::Refused{event::Refused::Why::NoOneRollsEntered});
        cancelShown_ = true;
        table_.reviveTableIfFunded();
    } else {
        placeBets();
    }
}

void OneRollBetsPart::refuseTooDear() {
    // The whole set is refused and the amounts cleared.
    table_.tell(event::Refused{event::Refused::Why::OneRollsTooDear});
    table_.MsgAnswer = table_.askWithMoneyHidden(text::OneRollsTooDear);
    if (table_.MsgAnswer == 1) {
        w.txtBet.setText(QString::number(w.udBet.value()));
        clearAmounts();
        spots_.fill({});
    }
}

void OneRollBetsPart::placeBets() {
    // Each amount goes onto its spot and out of the bankroll.
    for (int number = 1; number <= 6; ++number) {
        const Currency amount = dollars(w.udOneRoll(number).value());
        spot(number) = {};
        if (amount != Currency()) {
            spot(number) = {OneRollSpot::Bet::Placed, amount, false};
            table_.Bankroll -= amount;
            table_.tell(event::OneRollPlaced{number, amount});
        }
        w.txtOneRoll(number).setText(QStringLiteral("0"));
    }
    panelOpen_ = false;
    w.cmdRoll.setEnabled(true);
    table_.reviveTableIfFunded();
    if (table_.Point == 0 && table_.Bankroll < dollars(MinimumBet))
        table_.announceDepleted();
    w.cmdOneRoll.setEnabled(true);
}

void OneRollBetsPart::cmdCancelOR_Click() {
    const Table::Showing showing(table_);
    clearAmounts();
    spots_.fill({});
    panelOpen_ = false;
    cancelShown_ = false;
    w.cmdOneRoll.setEnabled(true);
    w.cmdRoll.setEnabled(true);
    table_.tell(event::OneRollPanelCancelled{});
}

void OneRollBetsPart::lblOR_Click(int Index) {
    const Table::Showing showing(table_);
    OneRollSpot& holder = spot(Index);
    if (holder.bet == OneRollSpot::Bet::Winner) {
        // Take the winning bet down: its stake comes back; the number stays marked as rolled.
        table_.tell(event::WinnerTakenDown{Index, holder.stake});
        table_.Bankroll += holder.stake;
        holder = {OneRollSpot::Bet::None, Currency(), true};
        w.txtOneRoll(Index).setText(QStringLiteral("0"));
    }
    winnerShown_ = false;
    table_.reviveTableIfFunded();
}

void OneRollBetsPart::clearAmounts() {
    for (int number = 1; number <= 6; ++number) {
        w.udOneRoll(number).setValue(0);
        w.txtOneRoll(number).setText(QStringLiteral("0"));
    }
}

void OneRollBetsPart::closePanel() {
    cancelShown_ = false;
    winnerShown_ = false;
    for (int number = 1; number <= 6; ++number) {
        w.txtOneRoll(number).setText(QStringLiteral("0"));
        w.udOneRoll(number).setValue(0);
    }
    panelOpen_ = false;
}

void OneRollBetsPart::settle(int face) {
    for (int number = 1; number <= 6; ++number) {
        OneRollSpot& bet = spot(number);
        if (bet.bet == OneRollSpot::Bet::None)
            continue;
        table_.ORActive = true;
        if (number == face) {
            // Four-to-one; the stake stays on the spot.
            table_.Bankroll += bet.stake * OneRollPays;
            table_.tell(event::OneRollWon{number, bet.stake, bet.stake * OneRollPays});
            winner_ = number;
            winnerShown_ = true;
            table_.ORWon = true;
        } else {
            const Currency lost = bet.stake;
            bet = {};
            table_.tell(event::OneRollLost{number, lost});
        }
    }
    if (table_.ORActive && !table_.ORWon) {
        winner_ = 0;
        winnerShown_ = true;
        table_.tell(event::AllOneRollsLost{});
    }
    table_.ORWon = false;
    table_.ORActive = false;
}

void OneRollBetsPart::markRolled(int face) {
    for (int number = 1; number <= 6; ++number) {
        OneRollSpot& at = spot(number);
        at.justRolled = number == face;
        if (number == face && at.bet == OneRollSpot::Bet::Placed)
            at.bet = OneRollSpot::Bet::Winner;
    }
}

void OneRollBetsPart::drop() {
    cancelShown_ = false;
    winnerShown_ = false;
    clearAmounts();
    spots_.fill({});
    panelOpen_ = false;
}

void OneRollBetsPart::show() {
    for (int number = 1; number <= 6; ++number) {
        const OneRollSpot& at = spot(number);
        Label& holder = w.lblOR(number);
        holder.setCaption(at.bet == OneRollSpot::Bet::None ? numberName(number)
                                                           : at.stake.toText());
        // Dark orange for a bet riding on the next roll; white for a winner left up, or the
        // number just rolled; blue otherwise.
        if (at.bet == OneRollSpot::Bet::Placed)
            holder.setBackColor(colour::DarkOrange);
        else if (at.bet == OneRollSpot::Bet::Winner || at.justRolled)
            holder.setBackColor(colour::White);
        else
            holder.setBackColor(colour::Blue);
    }
    for (int number = 1; number <= 6; ++number) {
        w.lblOneRoll(number).setVisible(panelOpen_);
        w.txtOneRoll(number).setVisible(panelOpen_);
        w.udOneRoll(number).setVisible(panelOpen_);
    }
    w.cmdEnterOR.setVisible(panelOpen_);
    w.lblORoll.setVisible(panelOpen_);
    w.cmdCancelOR.setVisible(cancelShown_);
    w.lblORinfo.setCaption(winner_ == 0 ? QString(text::AllOneRollsLost)
                                        : text::OneRollWins.toString().arg(winner_));
    w.lblORinfo.setVisible(winnerShown_);
}
