#pragma once

// The table's rules checked from the outside: what must hold between any two player
// actions, and how the player's money may move. The auditor keeps its own account of the
// player's money and of the series (the point and the chances used), worked out from the
// rules alone, and compares it with what the table shows after every action.

#include "replay/delivery.h"
#include "table/currency.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class FrmCPF;

// The player's money on a table: the bankroll, the main bet and the stakes on the holders.
Currency playersMoney(FrmCPF& window);

class TableAuditor {
public:
    // Starts the account of a freshly opened table: 100 dollars, no point.
    explicit TableAuditor(FrmCPF& window);

    // Call before every action: remembers what the rules need to judge it.
    void before();
    // Whether the action, delivered as a player would, makes the table draw the die.
    bool drawsDie(PlayerAction action, const QString& name) const;
    // Call after every action with the face it drew (if it drew); returns every rule the
    // table broke, empty when it kept them all. A roll that reported an unreadable die
    // picture (fault) must have drawn nothing and settled nothing.
    QStringList after(PlayerAction action, const QString& name, bool delivered,
                      std::optional<int> face, bool fault = false);
    // Call while a message box is up, before it is answered.
    QStringList whileMessageShown(const QString& text);
    // Or, where the table could not be seen while the box was up, after the action: only
    // that the action showed it.
    void messageShown(const QString& text) { boxes_ << text; }

    // What must hold between any two actions, whatever came before.
    QStringList betweenActions() const;

    Currency expectedMoney() const { return money_; }

private:
    struct Before {
        Currency bankroll;
        int bet = 0;
        bool autoRebet = true;
        bool rollReady = false;
        // For each number 1..6: the stake riding on it, the stake on its holder whatever the
        // colour, the holder's state and the amount entered in the one-roll panel.
        std::array<Currency, 7> riding{};
        std::array<Currency, 7> stake{};
        std::array<int, 7> state{};
        std::array<int, 7> amount{};
    };

    QStringList afterRoll(int face);
    QStringList afterAction(PlayerAction action, const QString& name);

    FrmCPF& window_;
    QStringList boxes_; // the message boxes the current action showed
    Before before_;
    Currency money_ = dollars(100);
    int point_ = 0;   // the point as the rules have it
    int chances_ = 0; // chances used for it
    std::optional<int> lastFace_;
};
