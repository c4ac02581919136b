#pragma once

// The one-roll bets: the six spots, the entry panel and its handlers, and the three steps of
// every roll that settle the bets. The part attaches itself to a table when it is built and
// lives as long as the table; the table reaches it as OneRollBets.

#include "table/onerollbets.h"
#include "table/table.h"

#include <array>

class OneRollBetsPart final : public OneRollBets {
public:
    explicit OneRollBetsPart(Table& table);
    OneRollBetsPart(const OneRollBetsPart&) = delete;
    OneRollBetsPart& operator=(const OneRollBetsPart&) = delete;

    // The panel's handlers, bound to its controls.
    void cmdOneRoll_Click();
    void udOneRoll_Change(int Index);
    void txtOneRoll_Change(int Index);
    void cmdEnterOR_Click();
    void cmdCancelOR_Click();
    void lblOR_Click(int Index);

    const OneRollSpot& spot(int number) const override {
        return spots_.at(static_cast<std::size_t>(number - 1));
    }
    int lastWinner() const override { return winner_; }
    void closePanel() override;
    void settle(int face) override;
    void markRolled(int face) override;
    void drop() override;
    void hideCancel() override { cancelShown_ = false; }
    bool holdsRoll() const override { return holdsRoll_; }
    void show() override;

private:
    OneRollSpot& spot(int number) { return spots_.at(static_cast<std::size_t>(number - 1)); }
    // The outcomes of Enter Bets other than "nothing entered".
    void refuseTooDear();
    void placeBets();
    // Brings the table back when the money allows, and with it the roll this panel held.
    void reviveTable();
    // Every amount back to 0; with every spot emptied too; and with the panel, its Cancel
    // button and its hold on the roll gone as well.
    void clearAmounts();
    void clearBets();
    void clearAndClose();

    Table& table_;
    TableControls& w;
    std::array<OneRollSpot, decltype(TableControls::lblOR)::last> spots_{};
    // The entry panel is open; its Cancel button is shown.
    bool panelOpen_ = false;
    bool cancelShown_ = false;
    // The panel holds the roll and its own button from its opening until its bets are
    // placed or cancelled, or the table comes back.
    bool holdsRoll_ = false;
    // lblORinfo: the number whose bet won the last roll, 0 when all of them lost.
    int winner_ = 0;
    bool winnerShown_ = false;
};
