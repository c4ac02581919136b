#pragma once

// The player's money, checked after every action of a random game: what the player owns
// (the bankroll, the main bet and the stakes on the one-roll spots) changes only by a roll's
// payouts and losses, or becomes the amount of a new bankroll. A few states that every
// action must leave behind are checked too.

#include "table/currency.h"

#include <QString>

#include <array>

class ReplayEngine;
class Table;

// What the player owns: the bankroll, the main bet and the stakes on the one-roll spots.
Currency owned(const Table& table);

class MoneyCheck {
public:
    // Plays a script line on the engine's table with the money checked around it: what is
    // wrong (the engine's error when the line fails), or an empty string.
    QString play(ReplayEngine& engine, const QString& line, int number);

private:
    // Takes note of the table before an action; facesQueued is the replay engine's count.
    void before(const Table& table, std::size_t facesQueued);
    // What is wrong after the action, or an empty string.
    QString after(const Table& table, std::size_t facesQueued, const QString& command,
                  bool delivered) const;

    Currency owned_;
    Currency bet_;
    int point_ = 0;
    int pointRolls_ = 0;
    std::array<Currency, 7> riding_{}; // the stake riding on each number, 1 to 6
    std::size_t faces_ = 0;
};
