// The roll of the die and the pass-line bet it settles.

#include "table/die.h"
#include "table/events.h"
#include "table/table.h"
#include "table/texts.h"

using namespace rules;

std::optional<std::int16_t> Table::RollDie() {
    const std::optional<float> r = platform_.die.next();
    if (!r)
        return std::nullopt;
    const std::int16_t face = faceFromR(*r);
    const QString fileName = dieFileName(face);
    QString reason;
    const QImage picture = platform_.pictures.load(fileName, &reason);
    if (picture.isNull()) {
        show();
        platform_.messages.showFault(diePictureFault(fileName, reason) + text::DieNotRolled);
        return std::nullopt;
    }
    w.picdie.setPicture(picture, fileName);
    face_ = face;
    tell(event::Rolled{face});
    return face;
}

void Table::closePointDisplay() {
    heldPoint_.at(static_cast<std::size_t>(Point - w.lblodds.first)) = true;
    Point = 0;
}

void Table::cmdRoll_Click() {
    const Showing showing(*this);
    // Check for a bet.
    reBet_.shown = false;
    if (w.udBet.value() < MinimumBet) {
        info_ = {text::MustBet, true};
        tell(event::Refused{event::Refused::Why::NoBet});
        return;
    }

    // Prepare the table.
    dieShown_ = true;
    info_.shown = false;
    oneRolls_->closePanel();
    BetWon = false;
    BetLost = false;

    // Draw.
    platform_.die.randomize();
    const std::optional<std::int16_t> rolled = RollDie();
    if (!rolled) {
        // The die could not be rolled: nothing is settled, and a die never drawn stays hidden
        // rather than showing an empty box.
        dieShown_ = face_ != 0;
        return;
    }
    const int face = *rolled;

    oneRolls_->settle(face);
    if (Point == 0)
        settleComeOut(face);
    else
        settlePointChance(face);
    openTableForNextRoll(face);
}

void Table::settleComeOut(int face) {
    if (face == 1) {
        loseBet();
        BetLost = true;
        PointRolls = 0;
        betResult_ = {text::ComeOutOneLoses, true};
        tell(event::ComeOutLost{bet()});
        rebet();
    } else if (face == 6) {
        const Currency won = payBet(ComeOutSixPays);
        BetWon = true;
        tell(event::ComeOutWon{bet(), won});
        rebet();
        PointRolls = 0;
        betResult_ = {text::ComeOutSixWins, true};
    } else {
        Point = static_cast<std::int16_t>(face);
        PointRolls = 0;
        tell(event::PointSet{Point});
    }
}

void Table::settlePointChance(int face) {
    PointRolls += 1;
    if (face == Point) {
        const int made = Point;
        BetWon = true;
        closePointDisplay();
        const auto chance = static_cast<std::size_t>(PointRolls - 1);
        betResult_ = {text::pointMadeNotice(PointRolls), true};
        const Currency won = payBet(PointPays.at(chance));
        tell(event::PointMade{made, PointRolls, won});
        rebet();
    } else if (face == 1) {
        BetLost = true;
        PointRolls = 0;
        betResult_ = {text::OneLoses, true};
        loseBet();
        tell(event::PointLost{Point, event::PointLost::Why::RolledOne, bet()});
        rebet();
        closePointDisplay();
    } else if (PointRolls < 3) {
        tell(event::ChanceMissed{Point, PointRolls});
    } else {
        const int missed = Point;
        loseBet();
        closePointDisplay();
        betResult_ = {text::ThreeMisses, true};
        BetLost = true;
        tell(event::PointLost{missed, event::PointLost::Why::ThreeMisses, bet()});
        rebet();
    }
}

void Table::openTableForNextRoll(int face) {
    // The result stays up only when the series is over.
    if (Point != 0)
        betResult_.shown = false;
    if (Point == 0 && Bankroll < dollars(MinimumBet))
        announceDepleted();
    // The bet is locked while a point is on.
    if (Bankroll + bet() >= dollars(MinimumBet)) {
        betLocked_ = Point != 0;
        betCommandsLocked_ = Point != 0;
    }
    oneRolls_->markRolled(face);
    if (Bankroll >= dollars(BankBreaksAt)) {
        info_ = {text::BankBroken, true};
        stopTable(Standing::BankBroken);
        tell(event::BankBroken{});
    }
    PrevBet = w.udBet.value();
}

void Table::announceDepleted() {
    info_ = {text::Depleted, true};
    tell(event::BankrollDepleted{});
}

void Table::stopTable(Standing why) {
    standing_ = why;
    betLocked_ = true;
    betCommandsLocked_ = true;
}

bool Table::reviveTableIfFunded() {
    if (Bankroll < dollars(MinimumBet))
        return false;
    standing_ = Standing::Playing;
    if (Point == 0)
        betLocked_ = false;
    return true;
}
