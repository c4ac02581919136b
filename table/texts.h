#pragma once

// Every text the table's handlers show, each written once. Tests find a text by its name
// (MustBet) rather than retyping it.
//
// The texts are written in English, the game's own language. Each one is shown in the
// player's language when a translation is loaded: a text::Text translates itself (Qt's
// translation system, context "Table") whenever it becomes a QString, so a handler writes
// w.lblinfo.setCaption(text::MustBet) whatever the language. With no translation loaded,
// as in pipfall-replay and the tests, it is the English text byte for byte.

#include <QCoreApplication>
#include <QString>

#include <array>

namespace text {

// A text in English and the context it is translated in. Converting it to a QString
// translates it; a text with no translation, such as a caption that is only a number, is
// its English text.
struct Text {
    const char* source = nullptr;
    const char* context = "Table";

    constexpr Text() = default;
    // Not explicit: captions are written as plain literals.
    constexpr Text(const char* english, const char* in = "Table") : source(english), context(in) {}

    QString toString() const {
        return source == nullptr ? QString() : QCoreApplication::translate(context, source);
    }
    operator QString() const { return toString(); }

    friend QString operator+(const Text& a, const QString& b) { return a.toString() + b; }
    friend QString operator+(const QString& a, const Text& b) { return a + b.toString(); }
    friend QString operator+(const Text& a, QChar b) { return a.toString() + b; }
    friend bool operator==(const Text& a, const QString& b) { return a.toString() == b; }
};

} // namespace text

// The texts by name, each marked for lupdate in the context "Table". A comment of the form
// "/*: ... */" before a text is shown to its translators.
// clang-format off
#define PIPFALL_TEXTS(X)                                                                           \
    /*: The point label while no point is on; one line of 121 pixels at 18 points. */             \
    X(NoPoint, QT_TRANSLATE_NOOP("Table", "NO POINT"))                                             \
    /*: Followed by the point, 2 to 5 ("Point = 3"). */                                            \
    X(PointIs, QT_TRANSLATE_NOOP("Table", "Point = "))                                             \
    /*: The odds of the next chance on the point's number, at 10 points bold. Each run of four
        blanks starts a line; the box shows 21 pixels of each between its outline. */             \
    X(PaysTwoToOne, QT_TRANSLATE_NOOP("Table", "  2    to 1"))                                     \
    X(PaysOneToOne, QT_TRANSLATE_NOOP("Table", "  1    to 1"))                                     \
    X(MustBet, QT_TRANSLATE_NOOP("Table", "You must make a bet."))                                 \
    X(ComeOutOneLoses, QT_TRANSLATE_NOOP("Table", "One on the come out is a loser.  The amount "  \
                       "of your new bet was deducted from your bankroll."))                        \
    X(ComeOutSixWins, QT_TRANSLATE_NOOP("Table", "Six on the come out is a winner.  The amount "  \
                      "of your bet is added to your bankroll."))                                   \
    X(PointFirstChance, QT_TRANSLATE_NOOP("Table", "The point has been rolled on the first "      \
                        "opportunity, paying two-to-one."))                                        \
    X(PointSecondChance, QT_TRANSLATE_NOOP("Table", "The point has been rolled on the second "    \
                         "opportunity, paying one-to-one."))                                       \
    X(PointThirdChance, QT_TRANSLATE_NOOP("Table", "The point has been rolled on the third "      \
                        "opportunity, paying two-to-one."))                                        \
    X(OneLoses, QT_TRANSLATE_NOOP("Table", "Rolling a one loses. Your original bet is  re-bet "   \
                "and deducted from your bankroll."))                                               \
    X(ThreeMisses, QT_TRANSLATE_NOOP("Table", "The point was not rolled in three tries, losing "  \
                   "your bet.  The new bet was deducted from your bankroll."))                     \
    /*: "Above" is the Bankroll menu, where a new bankroll is taken. */                            \
    X(Depleted, QT_TRANSLATE_NOOP("Table", "Your bankroll is depleted.  Get a new bankroll by "   \
                "clicking above."))                                                                \
    /*: The game-over notice; at most two lines of 275 pixels at 17 points, bold, inside the
        focus frame. */                                                                            \
    X(GameOver, QT_TRANSLATE_NOOP("Table", "GAME OVER!!!  Bankroll is under five dollars."))       \
    X(BankBroken, QT_TRANSLATE_NOOP("Table", "You have broken the bank!!!"))                       \
    /*: A message box. */                                                                          \
    X(OverBet, QT_TRANSLATE_NOOP("Table", "Your bet cannot be over your bankroll."))               \
    X(ReBetDisabled, QT_TRANSLATE_NOOP("Table", "Automatic re-bet is disabled."))                  \
    X(ReBetStands, QT_TRANSLATE_NOOP("Table", "Your bankroll reflects the automatic re-bet "      \
                   "feature."))                                                                    \
    X(ReBetTooHigh, QT_TRANSLATE_NOOP("Table", "Your previous bet was too high for auto "         \
                    "re-bet."))                                                                    \
    X(ReBetCancelled, QT_TRANSLATE_NOOP("Table", "Automatic re-bet cancelled. Bankroll is low.")) \
    X(EnterOneRollAmounts, QT_TRANSLATE_NOOP("Table", "Enter amounts for one-roll bets"))          \
    /*: A message box. */                                                                          \
    X(OneRollsTooDear, QT_TRANSLATE_NOOP("Table", "Lower your bet. Bankroll insufficient."))       \
    X(NoOneRollsEntered, QT_TRANSLATE_NOOP("Table", "You failed to enter any one-roll bets!"))     \
    /*: %1 is the winning number, 1 to 6, in digits. */                                          \
    X(OneRollWins, QT_TRANSLATE_NOOP("Table", "Your one-roll bet on the %1 wins!  Take the bet "  \
                   "down by clicking it."))                                                        \
    X(AllOneRollsLost, QT_TRANSLATE_NOOP("Table", "All of your one-roll bets lost."))              \
    /*: Ends a message box that says which die picture could not be read. */                      \
    X(DieNotRolled, QT_TRANSLATE_NOOP("Table", " The die was not rolled and no bet was "          \
                    "settled."))                                                                   \
    /*: Ends a message box that says which die picture could not be read; "it" is the picture. */ \
    X(CannotStart, QT_TRANSLATE_NOOP("Table", " Pipfall cannot start without it."))
// clang-format on

namespace text {
#define PIPFALL_DECLARE_TEXT(name, value) inline constexpr Text name{value};
PIPFALL_TEXTS(PIPFALL_DECLARE_TEXT)
#undef PIPFALL_DECLARE_TEXT

// The names the one-roll spots show for the numbers 1 to 6 while no bet stands on them. A
// stake is shown in digits, so a name is never digits alone.
inline constexpr std::array<Text, 6> NumberNames = {
    /*: The bet holder of the number 1; one line of 39 pixels. Never digits alone: a
        caption that reads as a number is a stake. */
    QT_TRANSLATE_NOOP("Table", "ONE"),
    /*: The bet holder of the number 2; one line of 31 pixels. */
    QT_TRANSLATE_NOOP("Table", "TWO"),
    /*: The bet holder of the number 3; one line of 47 pixels. */
    QT_TRANSLATE_NOOP("Table", "THREE"),
    /*: The bet holder of the number 4; one line of 39 pixels. */
    QT_TRANSLATE_NOOP("Table", "FOUR"),
    /*: The bet holder of the number 5; one line of 31 pixels. */
    QT_TRANSLATE_NOOP("Table", "FIVE"),
    /*: The bet holder of the number 6; one line of 31 pixels. */
    QT_TRANSLATE_NOOP("Table", "SIX"),
};

// What the bet-result label says when the point is made on a chance, 1 to 3.
inline Text pointMadeNotice(int chance) {
    constexpr std::array<Text, 3> notices = {PointFirstChance, PointSecondChance, PointThirdChance};
    return notices.at(static_cast<std::size_t>(chance - 1));
}
} // namespace text

// "ONE" .. "SIX" for the numbers 1 to 6, in the player's language.
inline QString numberName(int number) {
    return text::NumberNames.at(static_cast<std::size_t>(number - 1));
}
