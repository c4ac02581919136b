#pragma once

#include "table/currency.h"
#include "table/events.h"
#include "table/observers.h"
#include "table/onerollbets.h"
#include "table/rules.h"
#include "table/seams.h"
#include "table/tablecontrols.h"
#include "table/texts.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// A message label's notice, and whether the label is shown. A label that has shown no notice
// yet keeps the caption it starts with.
struct Message {
    text::Text notice;
    bool shown = false;
};

// The game table: the facts that carry the game from one player action to the next, the
// table window's controls, and their handlers. The handlers change the facts and the controls
// the player sets (the up-downs, the re-bet check mark); the rest of the controls only show
// the facts, and show() writes them, one group of controls at a time, whenever a handler is
// done or a message box is about to show. Building a table binds each handler to its
// control's event; the window, when there is one, only shows the controls and passes clicks on.
//
// The handlers tell their listeners what happened as they go (events.h), and the table
// answers questions about the game in its own terms, so that nobody outside it has to read
// the game from its captions and colours.
class Table {
public:
    explicit Table(Platform& platform);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

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

    // The about panel.
    void mnuabout_Click();
    void cmdokabout_Click();

    // Tells listener every event of the handlers from now on, in the order they happen, until
    // the subscription ends.
    [[nodiscard]] Subscription listen(std::function<void(const TableEvent&)> listener);

    // The money not on the table: a bet leaves the bankroll the moment it is placed.
    Currency bankroll() const { return Bankroll; }
    // The point on the table, 2 to 5; 0 while the next roll is a come-out roll.
    int point() const { return Point; }
    // The chances already used for the point (0, 1 or 2 between rolls).
    int pointRolls() const { return PointRolls; }
    // The main bet charged to the bankroll, in whole dollars; udBet's value between actions.
    int prevBet() const { return PrevBet; }
    // What the last roll did to the main bet.
    bool betWon() const { return BetWon; }
    bool betLost() const { return BetLost; }
    // The one-roll settlement's working flags: a bet rode on the roll, one won. False
    // between rolls.
    bool oneRollActive() const { return ORActive; }
    bool oneRollWon() const { return ORWon; }
    // Which of the point's chances the next roll is, 1 to 3; 0 with no point on.
    int pointChance() const { return Point == 0 ? 0 : PointRolls + 1; }
    // The face the die shows, 1 to 6; 0 before the first roll.
    int face() const { return face_; }
    // The main bet, charged to the bankroll.
    Currency mainBet() const { return bet(); }
    // The one-roll bet on a number (1 to 6) and its stake.
    const OneRollSpot& oneRollSpot(int number) const;
    // Writes every control that shows a fact from the facts, one group at a time. Every
    // handler does it when it is done; a test that sets facts directly does it after them.
    void show();
    // The notices of lblinfo, lblbetresult and lblrebet; whether the last automatic re-bet
    // was cancelled for want of money; the number whose one-roll bet won the last roll.
    const Message& infoNotice() const { return info_; }
    const Message& betResultNotice() const { return betResult_; }
    const Message& reBetNotice() const { return reBet_; }
    bool reBetCancelled() const { return reBetCancelled_; }
    int oneRollWinner() const { return oneRolls_->lastWinner(); }
    // Whether the table has stopped for good until a new bankroll.
    enum class Standing { Playing, GameOver, BankBroken };
    Standing standing() const { return standing_; }

    // What the one-roll bets use of the table: they attach themselves once, tell their events
    // through the table, put up or take down the prompt in lblinfo and take the re-bet notice
    // down, and bring the table back or tell that the bankroll is depleted as the table's own
    // handlers do.
    void attach(OneRollBets& oneRolls);
    void tell(const TableEvent& event) const;
    void showNotice(const text::Text& notice) { info_ = {notice, true}; }
    void hideNotice() { info_.shown = false; }
    void hideReBetNotice() { reBet_.shown = false; }
    // With five dollars or more, the table plays again: the roll and one-roll buttons come
    // back, the game-over notice goes, and the bet control too when no point is on. Whether
    // it does.
    bool reviveTableIfFunded();
    // Tells the player that the bankroll is under the smallest bet.
    void announceDepleted();
    // Asks the player through a message box, the table shown as it stands, with the money
    // blanked out while the box is up; the answer is kept in MsgAnswer. Whether it was OK.
    bool ask(const QString& text);

    // The one-roll bets' money. A stake leaves the bankroll when its bet is placed and comes
    // back when the bet is taken down or the panel opens again; a winner is paid four to
    // one and its stake stays on the spot; a loser's stake is gone. Settling a roll marks
    // each bet riding on it, and ending the settlement tells whether they all lost.
    void stake(Currency amount);
    void refund(Currency amount);
    Currency payOneRoll(Currency stake);
    void loseOneRoll();
    bool endOneRollSettlement();

    // Runs show() when a handler is done, however it returns.
    class Showing {
    public:
        explicit Showing(Table& table) : table_(table) {}
        Showing(const Showing&) = delete;
        Showing& operator=(const Showing&) = delete;
        ~Showing() { table_.show(); }

    private:
        Table& table_;
    };

    TableControls& controls() { return w; }
    const TableControls& controls() const { return w; }
    Platform& platform() const { return platform_; }

private:
    // A test sets money that play would take long to reach through setMoney.
    friend class TableSetUp;

    // The main bet's money: a change of the bet is charged to the bankroll (a smaller bet
    // gives the difference back); a lost bet is charged again as the next series' bet; a
    // won bet pays its odds with the stake left on the table; a bet taken off comes back.
    void chargeBetChange();
    void loseBet();
    Currency payBet(int times);
    void takeBetOff();
    // A bankroll and a main bet already charged to it.
    void setMoney(Currency bankroll, int chargedBet);

    // Draws the face and shows its picture; nothing when the die could not be rolled.
    std::optional<std::int16_t> RollDie();
    // The roll's steps once the die shows a face: the come-out roll or a chance on the
    // point settles the main bet, then the table opens for the next roll.
    void settleComeOut(int face);
    void settlePointChance(int face);
    void openTableForNextRoll(int face);
    // Ends the point: its odds label goes back to its number.
    void closePointDisplay();
    // Stops the table until a new bankroll: no roll, no one-roll bet, no change of the bet.
    void stopTable(Standing why);

    // The main bet as money.
    Currency bet() const { return dollars(w.udBet.value()); }
    void bindHandlers();

    void showAllowed();
    void showMoney();
    void showPoint();
    void showMessages();
    void showAbout();

    // A table until the one-roll bets attach: no bet on any number, nothing to settle.
    class NoOneRollBets final : public OneRollBets {
    public:
        const OneRollSpot& spot(int number) const override;
        int lastWinner() const override { return 0; }
        void closePanel() override {}
        void settle(int /*face*/) override {}
        void markRolled(int /*face*/) override {}
        void drop() override {}
        void hideCancel() override {}
        bool holdsRoll() const override { return false; }
        void show() override {}
    };

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
    // The loop counter of Bet max.
    std::int16_t WholeDollars = 0;
    // The button the last message box returned (1 is OK).
    int MsgAnswer = 0;

    TableControls w;
    Platform& platform_;
    NoOneRollBets noOneRolls_;
    OneRollBets* oneRolls_ = &noOneRolls_;
    int face_ = 0;
    // The die picture is on the table: from the first roll on.
    bool dieShown_ = false;
    Standing standing_ = Standing::Playing;
    // The main bet cannot be changed with its up-down, or with Bet max and Bet min: while a
    // point is on and once the table has stopped. A roll that leaves too little for a bet
    // leaves them as they were; the table coming back unlocks the up-down alone, with no
    // point on; a new bankroll unlocks all three.
    bool betLocked_ = false;
    bool betCommandsLocked_ = false;
    // The message that the bet is over the bankroll is up: the bet waits for the answer.
    bool refusingBet_ = false;
    // While a message box about the money is up, the bankroll and the bet box show nothing.
    bool moneyHidden_ = false;
    // The numbers whose odds label has been a point's: it shows the number in the table's font.
    std::array<bool,
               decltype(TableControls::lblodds)::last - decltype(TableControls::lblodds)::first + 1>
        heldPoint_{};
    // The message labels lblinfo, lblbetresult and lblrebet.
    Message info_;
    Message betResult_;
    Message reBet_{text::ReBetStands};
    // The last automatic re-bet was cancelled for want of money (its notice shows on red).
    bool reBetCancelled_ = false;
    bool aboutOpen_ = false;
    Observers<const TableEvent&> listeners_;
};
