// One-roll bets: the entry panel, registering, cancelling, taking winners down, and the
// three steps of every roll that settle them.

#include "oneroll/onerollbetspart.h"

#include "table/colours.h"
#include "table/events.h"
#include "table/texts.h"

#include <array>

using namespace rules;

namespace {

// The numbers a one-roll bet can be made on, as the one-roll controls index them.
using Holders = decltype(TableControls::lblOR);
constexpr std::array<int, Holders::last - Holders::first + 1> kNumbers = [] {
    std::array<int, Holders::last - Holders::first + 1> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = Holders::first + static_cast<int>(i);
    return numbers;
}();

} // namespace

OneRollBetsPart::OneRollBetsPart(Table& table) : table_(table), w(table.controls()) {
    w.cmdOneRoll.Click.bind([this] { cmdOneRoll_Click(); });
    w.cmdEnterOR.Click.bind([this] { cmdEnterOR_Click(); });
    w.cmdCancelOR.Click.bind([this] { cmdCancelOR_Click(); });
    for (const int i : kNumbers) {
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
    table_.refund(returned);
    clearBets();
    holdsRoll_ = true;
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
    for (const int number : kNumbers)
        total += dollars(w.udOneRoll(number).value());
    if (total > table_.bankroll()) {
        refuseTooDear();
    } else if (total == Currency()) {
        table_.showNotice(text::NoOneRollsEntered);
        table_.tell(event::Refused{event::Refused::Why::NoOneRollsEntered});
        cancelShown_ = true;
        reviveTable();
    } else {
        placeBets();
    }
}

void OneRollBetsPart::refuseTooDear() {
    // The whole set is refused and the amounts cleared.
    table_.tell(event::Refused{event::Refused::Why::OneRollsTooDear});
    if (table_.ask(text::OneRollsTooDear)) {
        w.txtBet.setText(QString::number(w.udBet.value()));
        clearBets();
    }
}

void OneRollBetsPart::placeBets() {
    // Each amount goes onto its spot and out of the bankroll.
    for (const int number : kNumbers) {
        const Currency amount = dollars(w.udOneRoll(number).value());
        spot(number) = {};
        if (amount != Currency()) {
            spot(number) = {OneRollSpot::Bet::Placed, amount, false};
            table_.stake(amount);
            table_.tell(event::OneRollPlaced{number, amount});
        }
        w.txtOneRoll(number).setText(QStringLiteral("0"));
    }
    panelOpen_ = false;
    holdsRoll_ = false;
    reviveTable();
    if (table_.point() == 0 && table_.bankroll() < dollars(MinimumBet))
        table_.announceDepleted();
}

void OneRollBetsPart::cmdCancelOR_Click() {
    const Table::Showing showing(table_);
    clearAndClose();
    table_.tell(event::OneRollPanelCancelled{});
}

void OneRollBetsPart::lblOR_Click(int Index) {
    const Table::Showing showing(table_);
    OneRollSpot& holder = spot(Index);
    if (holder.bet == OneRollSpot::Bet::Winner) {
        // Take the winning bet down: its stake comes back; the number stays marked as rolled.
        table_.tell(event::WinnerTakenDown{Index, holder.stake});
        table_.refund(holder.stake);
        holder = {OneRollSpot::Bet::None, Currency(), true};
        w.txtOneRoll(Index).setText(QStringLiteral("0"));
    }
    winnerShown_ = false;
    reviveTable();
}

void OneRollBetsPart::reviveTable() {
    if (table_.reviveTableIfFunded())
        holdsRoll_ = false;
}

void OneRollBetsPart::clearAmounts() {
    // The up-down writes its amount into its box; the box is written too for an amount that
    // was 0 already.
    for (const int number : kNumbers) {
        w.udOneRoll(number).setValue(0);
        w.txtOneRoll(number).setText(QStringLiteral("0"));
    }
}

void OneRollBetsPart::clearBets() {
    clearAmounts();
    spots_.fill({});
}

void OneRollBetsPart::clearAndClose() {
    cancelShown_ = false;
    clearBets();
    panelOpen_ = false;
    holdsRoll_ = false;
}

void OneRollBetsPart::closePanel() {
    cancelShown_ = false;
    winnerShown_ = false;
    clearAmounts();
    panelOpen_ = false;
}

void OneRollBetsPart::settle(int face) {
    for (const int number : kNumbers) {
        OneRollSpot& bet = spot(number);
        if (bet.bet == OneRollSpot::Bet::None)
            continue;
        if (number == face) {
            // The stake stays on the spot.
            const Currency won = table_.payOneRoll(bet.stake);
            table_.tell(event::OneRollWon{number, bet.stake, won});
            winner_ = number;
            winnerShown_ = true;
        } else {
            table_.loseOneRoll();
            const Currency lost = bet.stake;
            bet = {};
            table_.tell(event::OneRollLost{number, lost});
        }
    }
    if (table_.endOneRollSettlement()) {
        winner_ = 0;
        winnerShown_ = true;
        table_.tell(event::AllOneRollsLost{});
    }
}

void OneRollBetsPart::markRolled(int face) {
    for (const int number : kNumbers) {
        OneRollSpot& at = spot(number);
        at.justRolled = number == face;
        if (number == face && at.bet == OneRollSpot::Bet::Placed)
            at.bet = OneRollSpot::Bet::Winner;
    }
}

void OneRollBetsPart::drop() {
    winnerShown_ = false;
    clearAndClose();
}

void OneRollBetsPart::show() {
    for (const int number : kNumbers) {
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
    for (const int number : kNumbers) {
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
