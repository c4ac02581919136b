#pragma once

// What the table's handlers tell of what they do, one event at the step where it happens, in
// the order they do it. The window, the screen reader and the tests listen; none of them has
// to work out from a caption or a colour what the handlers meant.

#include "table/currency.h"

#include <variant>

namespace event {

// The die showed this face (1 to 6).
struct Rolled {
    int face;
};

// The come-out roll: a one loses the bet, a six pays one-to-one.
struct ComeOutLost {
    Currency bet;
};
struct ComeOutWon {
    Currency bet;
    Currency won;
};

// A point from 2 to 5 is on; its first chance comes next.
struct PointSet {
    int point;
};
// The point was missed on this chance (1 or 2); the next chance comes next.
struct ChanceMissed {
    int point;
    int chance;
};
// The point came again on this chance (1 to 3), paying won.
struct PointMade {
    int point;
    int chance;
    Currency won;
};
// The point is lost: to a one, or to a third miss.
struct PointLost {
    enum class Why { RolledOne, ThreeMisses };
    int point;
    Why why;
    Currency bet;
};

// A one-roll bet rode on the roll and won four-to-one; its stake stays on the table.
struct OneRollWon {
    int number;
    Currency stake;
    Currency won;
};
// A one-roll bet rode on the roll and lost its stake.
struct OneRollLost {
    int number;
    Currency stake;
};
// Every one-roll bet of the roll lost.
struct AllOneRollsLost {};
// The one-roll panel opened; the stakes that stood on the table came back to the bankroll.
struct OneRollPanelOpened {
    Currency returned;
};
// A one-roll bet was registered on a number.
struct OneRollPlaced {
    int number;
    Currency stake;
};
// The one-roll panel closed without registering anything.
struct OneRollPanelCancelled {};
// A winning one-roll bet was taken down: its stake came back.
struct WinnerTakenDown {
    int number;
    Currency stake;
};

// The main bet was set to this amount and charged to the bankroll.
struct BetChanged {
    Currency bet;
};
// After a series: the bet stands again (automatic re-bet), comes off because automatic
// re-bet is off, or comes off because the bankroll cannot carry it again.
struct ReBetStands {
    Currency bet;
};
struct ReBetOff {
    Currency returned;
};
struct ReBetCancelled {
    Currency returned;
};
struct AutoReBetSwitched {
    bool on;
};

// A player's action the table did not take, and why.
struct Refused {
    enum class Why {
        NoBet,            // a roll without a bet (a notice on the table)
        BetOverBankroll,  // a bet above the bankroll (a message box)
        OneRollsTooDear,  // one-roll amounts above the bankroll (a message box)
        NoOneRollsEntered // Enter Bets with every amount at 0 (a notice on the table)
    };
    Why why;
};

// The bankroll is under the smallest bet with no point on: a new bankroll is needed.
struct BankrollDepleted {};
// The bankroll is under the smallest bet and the table stops: no roll, no bet.
struct GameOver {};
// The bankroll reached the bank's limit and the table stops.
struct BankBroken {};
// The player took a new bankroll of this amount.
struct NewBankroll {
    Currency amount;
};
// The about panel opened or closed.
struct AboutOpened {};
struct AboutClosed {};

} // namespace event

using TableEvent =
    std::variant<event::Rolled, event::ComeOutLost, event::ComeOutWon, event::PointSet,
                 event::ChanceMissed, event::PointMade, event::PointLost, event::OneRollWon,
                 event::OneRollLost, event::AllOneRollsLost, event::OneRollPanelOpened,
                 event::OneRollPlaced, event::OneRollPanelCancelled, event::WinnerTakenDown,
                 event::BetChanged, event::ReBetStands, event::ReBetOff, event::ReBetCancelled,
                 event::AutoReBetSwitched, event::Refused, event::BankrollDepleted, event::GameOver,
                 event::BankBroken, event::NewBankroll, event::AboutOpened, event::AboutClosed>;
