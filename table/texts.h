#pragma once

// Every text the table's handlers show, each written once. Tests and tools find a text by
// its name (textNamed("MustBet")) rather than retyping it.

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// clang-format off
#define PIPFALL_TEXTS(X)                                                                           \
    X(NoPoint, "NO POINT")                                                                         \
    X(PointIs, "Point = ")                                                                         \
    X(PaysTwoToOne, "  2    to 1")                                                                 \
    X(PaysOneToOne, "  1    to 1")                                                                 \
    X(MustBet, "You must make a bet.")                                                             \
    X(ComeOutOneLoses, "One on the come out is a loser.  The amount of your new bet was "         \
                       "deducted from your bankroll.")                                             \
    X(ComeOutSixWins, "Six on the come out is a winner.  The amount of your bet is added to "     \
                      "your bankroll.")                                                            \
    X(PointFirstChance, "The point has been rolled on the first opportunity, paying "             \
                        "two-to-one.")                                                             \
    X(PointSecondChance, "The point has been rolled on the second opportunity, paying "           \
                         "one-to-one.")                                                            \
    X(PointThirdChance, "The point has been rolled on the third opportunity, paying "             \
                        "two-to-one.")                                                             \
    X(OneLoses, "Rolling a one loses. Your original bet is  re-bet and deducted from your "       \
                "bankroll.")                                                                       \
    X(ThreeMisses, "The point was not rolled in three tries, losing your bet.  The new bet was "  \
                   "deducted from your bankroll.")                                                 \
    X(Depleted, "Your bankroll is depleted.  Get a new bankroll by clicking above.")              \
    X(BankBroken, "You have broken the bank!!!")                                                   \
    X(GameOver, "GAME OVER!!!  Bankroll is under five dollars.")                                   \
    X(OverBet, "Your bet cannot be over your bankroll.")                                           \
    X(ReBetDisabled, "Automatic re-bet is disabled.")                                              \
    X(ReBetStands, "Your bankroll reflects the automatic re-bet feature.")                         \
    X(ReBetTooHigh, "Your previous bet was too high for auto re-bet.")                             \
    X(ReBetCancelled, "Automatic re-bet cancelled. Bankroll is low.")                              \
    X(EnterOneRollAmounts, "Enter amounts for one-roll bets")                                      \
    X(OneRollsTooDear, "Lower your bet. Bankroll insufficient.")                                   \
    X(NoOneRollsEntered, "You failed to enter any one-roll bets!")                                 \
    X(OneRollWinsBefore, "Your one-roll bet on the ")                                              \
    X(OneRollWinsAfter, " wins!  Take the bet down by clicking it.")                               \
    X(AllOneRollsLost, "All of your one-roll bets lost.")                                          \
    X(DieNotRolled, " The die was not rolled and no bet was settled.")                             \
    X(CannotStart, " Pipfall cannot start without it.")
// clang-format on

namespace text {
#define PIPFALL_DECLARE_TEXT(name, value) inline const QString name = QStringLiteral(value);
PIPFALL_TEXTS(PIPFALL_DECLARE_TEXT)
#undef PIPFALL_DECLARE_TEXT

// The names the bet holders show for the numbers 1 to 6.
inline const std::array<QString, 6> NumberNames = {
    QStringLiteral("ONE"),  QStringLiteral("TWO"),  QStringLiteral("THREE"),
    QStringLiteral("FOUR"), QStringLiteral("FIVE"), QStringLiteral("SIX"),
};
} // namespace text

// "ONE" .. "SIX" for the numbers 1 to 6.
inline const QString& numberName(int number) {
    return text::NumberNames.at(static_cast<std::size_t>(number - 1));
}

// The text of that name ("MustBet"), or nothing when there is none.
std::optional<QString> textNamed(QStringView name);
