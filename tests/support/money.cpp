#include "support/money.h"

#include "replay/replay.h"
#include "table/table.h"

using namespace Qt::StringLiterals;

Currency owned(const Table& t) {
    Currency total = t.bankroll() + t.mainBet();
    for (int i = 1; i <= 6; ++i)
        total += t.oneRollSpot(i).stake;
    return total;
}

QString MoneyCheck::play(ReplayEngine& engine, const QString& line, int number) {
    before(engine.table(), engine.facesQueued());
    if (!engine.runLine(line, number))
        return engine.error();
    return after(engine.table(), engine.facesQueued(), line.simplified(), engine.lastDelivered());
}

void MoneyCheck::before(const Table& t, std::size_t facesQueued) {
    owned_ = owned(t);
    bet_ = t.mainBet();
    point_ = t.point();
    pointRolls_ = t.pointRolls();
    for (int i = 1; i <= 6; ++i)
        riding_[i] = t.oneRollSpot(i).stake;
    faces_ = facesQueued;
}

QString MoneyCheck::after(const Table& t, std::size_t facesQueued, const QString& command,
                          bool delivered) const {
    Currency expected = owned_;
    if (facesQueued < faces_) {
        // A roll: the main bet's result, then every one-roll bet riding on it.
        const int face = t.face();
        // The payouts written here as numbers, not taken from the game's rules, so that a
        // wrong one there shows: a come-out six one-to-one, the point two-to-one, one-to-one
        // and two-to-one on its three chances, a one-roll bet four-to-one.
        constexpr std::array kPointPays = {2, 1, 2};
        if (point_ == 0) {
            if (face == 1)
                expected -= bet_;
            else if (face == 6)
                expected += bet_;
        } else if (face == point_) {
            expected += bet_ * kPointPays.at(static_cast<std::size_t>(pointRolls_));
        } else if (face == 1 || pointRolls_ == 2) {
            expected -= bet_;
        }
        for (int i = 1; i <= 6; ++i)
            expected += i == face ? riding_[i] * 4 : Currency() - riding_[i];
    } else if (delivered && command.startsWith(u"click mnu") && command.back().isDigit()) {
        expected = dollars(command.sliced(9).toInt()); // a new bankroll
    }

    QStringList wrong;
    if (owned(t) != expected)
        wrong << u"the player owns %1, not %2"_s.arg(owned(t).toText(), expected.toText());
    if (t.prevBet() != t.controls().udBet.value())
        wrong
            << u"PrevBet is %1 for a bet of %2"_s.arg(t.prevBet()).arg(t.controls().udBet.value());
    if (t.bankroll() < Currency())
        wrong << u"the bankroll is below zero"_s;
    if (t.point() != 0 && (t.point() < 2 || t.point() > 5 || t.pointRolls() > 2))
        wrong << u"point %1 after %2 chances"_s.arg(t.point()).arg(t.pointRolls());
    if (t.oneRollActive() || t.oneRollWon())
        wrong << u"the one-roll flags are left set"_s;
    return wrong.join(u"; "_s);
}
