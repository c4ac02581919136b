#pragma once

#include "oneroll/holders.h"
#include "table/currency.h"
#include "table/events.h"
#include "table/rules.h"
#include "table/seams.h"
#include "table/tablecontrols.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The game table: the variables that carry the game from one player action to the next, the
// table window's controls, and their handlers. The rest of the table's state lives in its
// controls (the bet is udBet's value, a one-roll bet is its holder's caption and colour), and
// the handlers read it afresh each time. Building a table binds each handler to its control's
// event; the window, when there is one, only shows the controls and passes clicks on.
//
// The handlers tell their listeners what happened as they go (events.h), and the table
// answers questions about the game in its own terms, so that nobody outside it has to read
// the game from its captions and colours.
class Table {
public:
    explicit Table(Platform& platform);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // The money not on the table: a bet leaves the bankroll the moment it is placed.
    Currency Bankroll;
    // 0: the next roll is a come-out roll; 2..5: the point.
    std::int16_t Point = 0;
    // The chances already used for the point (0, 1 or 2 between rolls).
    std::int16_t PointRolls = 0;
    // The main bet currently charged to the bankroll; equals udBet's value between actions.
    std::int32_t PrevBet = 0;
    // What the last roll did to the main bet, for the re-bet.
    bool BetWon = false;
    bool BetLost = false;
    // Working flags of one roll's one-roll settlement; false between rolls.
    bool ORActive = false;
    bool ORWon = false;
    // The loop counter every handler uses to walk the six numbers.
    std::int16_t Idx = 0;
    // The loop counter of Bet max.
    std::int16_t WholeDollars = 0;
    // The button the last message box returned (1 is OK).
    int MsgAnswer = 0;

    // Start-up: bankroll 100, no point, no bet.
    void Form_Load();

    // The roll and the main bet.
    void cmdRoll_Click();
    void udBet_Change();
    void mnumax_Click();
    void mnuMin_Click();
    void rebet();
    void mnuAuto_Click();
    // The four new-bankroll commands differ only in the amount.
    void newBankroll_Click(int amount);
    void mnu20_Click() { newBankroll_Click(rules::NewBankrolls[0]); }
    void mnu100_Click() { newBankroll_Click(rules::NewBankrolls[1]); }
    void mnu1000_Click() { newBankroll_Click(rules::NewBankrolls[2]); }
    void mnu5000_Click() { newBankroll_Click(rules::NewBankrolls[3]); }

    // One-roll bets.
    void cmdOneRoll_Click();
    void udOneRoll_Change(int Index);
    void txtOneRoll_Change(int Index);
    void cmdEnterOR_Click();
    void cmdCancelOR_Click();
    void lblOR_Click(int Index);

    // The about panel.
    void mnuabout_Click();
    void cmdokabout_Click();

    // Tells listener every event of the handlers from now on, in the order they happen.
    void listen(std::function<void(const TableEvent&)> listener);

    // The point on the table, 2 to 5; 0 while the next roll is a come-out roll.
    int point() const { return Point; }
    // Which of the point's chances the next roll is, 1 to 3; 0 with no point on.
    int pointChance() const { return Point == 0 ? 0 : PointRolls + 1; }
    // The face the die shows, 1 to 6; 0 before the first roll.
    int face() const { return face_; }
    // The main bet, charged to the bankroll.
    Currency mainBet() const { return bet(); }
    // The one-roll bet on a number (1 to 6) and its stake.
    OneRollSpot oneRollSpot(int number) const;
    // Whether the table has stopped for good until a new bankroll.
    enum class Standing { Playing, GameOver, BankBroken };
    Standing standing() const;

    TableControls& controls() { return w; }
    const TableControls& controls() const { return w; }
    Platform& platform() const { return platform_; }

private:
    // Draws the face and shows its picture; nothing when the die could not be rolled.
    std::optional<std::int16_t> RollDie();
    // Puts lblodds(Point) back to its number and ends the point.
    void closePointDisplay();
    // The roll's one-roll steps: close the entry panel as the roll starts, settle the bets
    // on the face, and mark the rolled number at the end.
    void closeOneRollPanel();
    void settleOneRollBets(int face);
    void markRolledNumber(int face);
    // Pieces of the one-roll panel's steps: an amount back to 0 with its holder on blue, an
    // entry row hidden, every holder captioned with its number's name.
    void clearOneRollAmount(int number);
    void hideOneRollRow(int number);
    void nameHolders();
    // With five dollars or more, the roll and one-roll buttons come back, the game-over
    // notice goes, and the bet control too when no point is on.
    void reviveTableIfFunded();

    // The main bet as money.
    Currency bet() const { return dollars(w.udBet.value()); }
    void tell(const TableEvent& event) const;
    void showBankroll();
    void bindHandlers();

    TableControls w;
    Platform& platform_;
    int face_ = 0;
    std::vector<std::function<void(const TableEvent&)>> listeners_;
};
