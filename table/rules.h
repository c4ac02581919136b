#pragma once

// The table's limits and payouts, each named once.

#include <array>
#include <cstdint>

namespace rules {

inline constexpr int StartingBankroll = 100;
inline constexpr std::array NewBankrolls = {20, 100, 1000, 5000};

// The main bet: 5 to 500 dollars in steps of 5. A bankroll under the smallest bet ends the
// game until a new bankroll.
inline constexpr int MinimumBet = 5;
inline constexpr int MaximumBet = 500;
inline constexpr int BetStep = 5;

// The come-out: a one loses, a six wins one-to-one, the rest become the point.
inline constexpr int ComeOutSixPays = 1;
// The point's three chances pay two-to-one, one-to-one and two-to-one.
inline constexpr std::array PointPays = {2, 1, 2};

// One-roll bets: 1 to 100 dollars on a number, paying four-to-one.
inline constexpr int MaximumOneRollBet = 100;
inline constexpr int OneRollPays = 4;

// A bankroll of this much or more breaks the bank.
inline constexpr std::int64_t BankBreaksAt = 100001;

} // namespace rules
