// The roll of the die and the pass-line bet it settles.

#include "table/colours.h"
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
        platform_.messages.showFault(diePictureFault(fileName, reason) + text::DieNotRolled);
        return std::nullopt;
    }
    w.picdie.setPicture(picture, fileName);
    face_ = face;
    tell(event::Rolled{face});
    return face;
}

void Table::closePointDisplay() {
    Label& odds = w.lblodds(Point);
    odds.setCaption(QString::number(Point));
    odds.setFontSize(18);
    odds.setFontBold(true);
    odds.setFontName(QStringLiteral("arial"));
    odds.setBackColor(colour::Blue);
    Point = 0;
    w.lblpoint.setCaption(text::NoPoint);
}

void Table::cmdRoll_Click() {
    // Check for a bet.
    w.lblrebet.setVisible(false);
    if (w.udBet.value() < MinimumBet) {
        w.lblinfo.setVisible(true);
        w.lblinfo.setCaption(text::MustBet);
        tell(event::Refused{event::Refused::Why::NoBet});
        return;
    }

    // Prepare the table.
    w.picdie.setVisible(true);
    w.lblinfo.setVisible(false);
    closeOneRollPanel();
    BetWon = false;
    BetLost = false;

    // Draw.
    platform_.die.randomize();
    const std::optional<std::int16_t> rolled = RollDie();
    if (!rolled) {
        // The die could not be rolled: nothing is settled, and a die never drawn stays hidden
        // rather than showing an empty box.
        if (w.picdie.pictureName().isEmpty())
            w.picdie.setVisible(false);
        return;
    }
    const int face = *rolled;

    settleOneRollBets(face);

    if (Point == 0) {
        // The come-out roll.
        if (face == 1) {
            Bankroll -= bet();
            showBankroll();
            BetLost = true;
            PointRolls = 0;
            w.lblbetresult.setVisible(true);
            w.lblbetresult.setCaption(text::ComeOutOneLoses);
            tell(event::ComeOutLost{bet()});
            rebet();
        } else if (face == 6) {
            Bankroll += bet() * ComeOutSixPays;
            showBankroll();
            BetWon = true;
            tell(event::ComeOutWon{bet(), bet() * ComeOutSixPays});
            rebet();
            PointRolls = 0;
            w.lblbetresult.setVisible(true);
            w.lblbetresult.setCaption(text::ComeOutSixWins);
        } else {
            Point = static_cast<std::int16_t>(face);
            PointRolls = 0;
            w.lblpoint.setCaption(text::PointIs + QString::number(Point));
            Label& odds = w.lblodds(Point);
            odds.setCaption(text::PaysTwoToOne);
            odds.setFontSize(10);
            odds.setFontName(QStringLiteral("arial"));
            odds.setBackColor(colour::Green);
            w.lblpoint.setBackColor(colour::Green);
            w.lblcout(4).setBackColor(colour::Blue);
            tell(event::PointSet{Point});
        }
    } else {
        // A chance for the point.
        PointRolls += 1;
        if (face == Point) {
            const int made = Point;
            BetWon = true;
            closePointDisplay();
            w.lblbetresult.setVisible(true);
            if (PointRolls == 1) {
                Bankroll += bet() * PointPays[0];
                showBankroll();
                w.lblbetresult.setCaption(text::PointFirstChance);
            }
            if (PointRolls == 2) {
                Bankroll += bet() * PointPays[1];
                showBankroll();
                w.lblbetresult.setCaption(text::PointSecondChance);
            }
            if (PointRolls == 3) {
                Bankroll += bet() * PointPays[2];
                showBankroll();
                w.lblbetresult.setCaption(text::PointThirdChance);
            }
            tell(event::PointMade{made, PointRolls, bet() * PointPays.at(PointRolls - 1)});
            rebet();
        } else if (face == 1) {
            BetLost = true;
            PointRolls = 0;
            w.lblbetresult.setVisible(true);
            w.lblbetresult.setCaption(text::OneLoses);
            Bankroll -= bet();
            showBankroll();
            tell(event::PointLost{Point, event::PointLost::Why::RolledOne, bet()});
            rebet();
            closePointDisplay();
            w.lblpoint.setBackColor(colour::PaleBlue);
            w.lblcout(4).setBackColor(colour::PaleBlue);
        } else if (PointRolls == 1) {
            w.lblodds(Point).setCaption(text::PaysOneToOne);
            w.lblodds(Point).setBackColor(colour::Yellow);
            w.lblpoint.setBackColor(colour::Yellow);
            tell(event::ChanceMissed{Point, 1});
        } else if (PointRolls == 2) {
            w.lblodds(Point).setCaption(text::PaysTwoToOne);
            w.lblodds(Point).setBackColor(colour::Red);
            w.lblpoint.setBackColor(colour::Red);
            tell(event::ChanceMissed{Point, 2});
        } else if (PointRolls == 3) {
            const int missed = Point;
            Bankroll -= bet();
            showBankroll();
            closePointDisplay();
            w.lblpoint.setBackColor(colour::PaleBlue);
            w.lblcout(4).setBackColor(colour::PaleBlue);
            w.lblbetresult.setCaption(text::ThreeMisses);
            w.lblbetresult.setVisible(true);
            BetLost = true;
            tell(event::PointLost{missed, event::PointLost::Why::ThreeMisses, bet()});
            rebet();
        }
    }

    // Whatever the roll did: what the player may use until the next roll.
    if (w.lblpoint.caption() != text::NoPoint)
        w.lblbetresult.setVisible(false);
    if (Point != 0) {
        w.mnubankroll.setEnabled(false);
    } else {
        w.mnubankroll.setEnabled(true);
        if (Bankroll < dollars(MinimumBet)) {
            w.lblinfo.setVisible(true);
            w.lblinfo.setCaption(text::Depleted);
            tell(event::BankrollDepleted{});
        }
    }
    if (Bankroll + bet() >= dollars(MinimumBet)) {
        if (Point != 0) {
            w.udBet.setEnabled(false);
            w.mnumax.setEnabled(false);
            w.mnuMin.setEnabled(false);
        } else {
            w.udBet.setEnabled(true);
            w.lblcout(4).setBackColor(colour::PaleBlue);
            w.lblpoint.setBackColor(colour::PaleBlue);
            w.mnumax.setEnabled(true);
            w.mnuMin.setEnabled(true);
        }
    }
    markRolledNumber(face);
    bool bankBroken = false;
    if (Bankroll >= dollars(BankBreaksAt)) {
        bankBroken = true;
        w.lblinfo.setCaption(text::BankBroken);
        w.lblinfo.setVisible(true);
        w.cmdRoll.setEnabled(false);
        w.cmdOneRoll.setEnabled(false);
        w.udBet.setEnabled(false);
        w.mnuMin.setEnabled(false);
        w.mnumax.setEnabled(false);
        tell(event::BankBroken{});
    }
    // The one-roll button follows the roll button when this roll ended the game.
    if (!bankBroken && w.cmdRoll.enabled())
        w.cmdOneRoll.setEnabled(true);
    PrevBet = w.udBet.value();
}
