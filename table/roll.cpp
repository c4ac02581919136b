// The roll of the die and the pass-line bet it settles.

#include "table/colours.h"
#include "table/die.h"
#include "table/table.h"

namespace {

const QString kNoPoint = QStringLiteral("NO POINT");
const QString kTwoToOne = QStringLiteral("  2    to 1");
const QString kOneToOne = QStringLiteral("  1    to 1");
const QString kDepleted =
    QStringLiteral("Your bankroll is depleted.  Get a new bankroll by clicking above.");

} // namespace

std::optional<std::int16_t> Table::RollDie() {
    const std::optional<float> r = platform.die.next();
    if (!r)
        return std::nullopt;
    const std::int16_t face = faceFromR(*r);
    const QString fileName = dieFileName(face);
    QString reason;
    const QImage picture = platform.pictures.load(fileName, &reason);
    if (picture.isNull()) {
        platform.messages.showFault(
            diePictureFault(fileName, reason) +
            QStringLiteral(" The die was not rolled and no bet was settled."));
        return std::nullopt;
    }
    // A high-density screen shows the die's sharp picture, when one lies beside it.
    QPixmap sharp;
    if (w.picdie->devicePixelRatioF() > 1.0)
        sharp = QPixmap::fromImage(platform.pictures.loadSharp(fileName));
    w.picdie->setPicture(QPixmap::fromImage(picture), fileName, sharp);
    return face;
}

void Table::closePointDisplay() {
    Label* odds = w.lblodds(Point);
    odds->setCaption(QString::number(Point));
    odds->setFontSize(18);
    odds->setFontBold(true);
    odds->setFontName(QStringLiteral("arial"));
    odds->setBackColor(colour::Blue);
    Point = 0;
    w.lblpoint->setCaption(kNoPoint);
}

void Table::cmdRoll_Click() {
    // Check for a bet.
    w.lblrebet->setVisible(false);
    if (w.udBet->value() < 5) {
        w.lblinfo->setVisible(true);
        w.lblinfo->setCaption(QStringLiteral("You must make a bet."));
        return;
    }

    // Prepare the table.
    w.picdie->setVisible(true);
    w.lblinfo->setVisible(false);
    closeOneRollPanel();
    BetWon = false;
    BetLost = false;

    // Draw.
    platform.die.randomize();
    const std::optional<std::int16_t> rolled = RollDie();
    if (!rolled) {
        // The die could not be rolled: nothing is settled, and a die never drawn stays hidden
        // rather than showing an empty box.
        if (w.picdie->pictureName().isEmpty())
            w.picdie->setVisible(false);
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
            w.lblbetresult->setVisible(true);
            w.lblbetresult->setCaption(
                QStringLiteral("One on the come out is a loser.  The amount of your new bet was "
                               "deducted from your bankroll."));
            rebet();
        } else if (face == 6) {
            Bankroll += bet();
            showBankroll();
            BetWon = true;
            rebet();
            PointRolls = 0;
            w.lblbetresult->setVisible(true);
            w.lblbetresult->setCaption(
                QStringLiteral("Six on the come out is a winner.  The amount of your bet is added "
                               "to your bankroll."));
        } else {
            Point = static_cast<std::int16_t>(face);
            PointRolls = 0;
            w.lblpoint->setCaption(QStringLiteral("Point = ") + QString::number(Point));
            Label* odds = w.lblodds(Point);
            odds->setCaption(kTwoToOne);
            odds->setFontSize(10);
            odds->setFontName(QStringLiteral("arial"));
            odds->setBackColor(colour::Green);
            w.lblpoint->setBackColor(colour::Green);
            w.lblcout(4)->setBackColor(colour::Blue);
        }
    } else {
        // A chance for the point.
        PointRolls += 1;
        if (face == Point) {
            BetWon = true;
            closePointDisplay();
            w.lblbetresult->setVisible(true);
            if (PointRolls == 1) {
                Bankroll += bet() + bet();
                showBankroll();
                w.lblbetresult->setCaption(QStringLiteral(
                    "The point has been rolled on the first opportunity, paying two-to-one."));
            }
            if (PointRolls == 2) {
                Bankroll += bet();
                showBankroll();
                w.lblbetresult->setCaption(QStringLiteral(
                    "The point has been rolled on the second opportunity, paying one-to-one."));
            }
            if (PointRolls == 3) {
                Bankroll += bet() + bet();
                showBankroll();
                w.lblbetresult->setCaption(QStringLiteral(
                    "The point has been rolled on the third opportunity, paying two-to-one."));
            }
            rebet();
        } else if (face == 1) {
            BetLost = true;
            PointRolls = 0;
            w.lblbetresult->setVisible(true);
            w.lblbetresult->setCaption(
                QStringLiteral("Rolling a one loses. Your original bet is  re-bet and deducted "
                               "from your bankroll."));
            Bankroll -= bet();
            showBankroll();
            rebet();
            closePointDisplay();
            w.lblpoint->setBackColor(colour::PaleBlue);
            w.lblcout(4)->setBackColor(colour::PaleBlue);
        } else if (PointRolls == 1) {
            w.lblodds(Point)->setCaption(kOneToOne);
            w.lblodds(Point)->setBackColor(colour::Yellow);
            w.lblpoint->setBackColor(colour::Yellow);
        } else if (PointRolls == 2) {
            w.lblodds(Point)->setCaption(kTwoToOne);
            w.lblodds(Point)->setBackColor(colour::Red);
            w.lblpoint->setBackColor(colour::Red);
        } else if (PointRolls == 3) {
            Bankroll -= bet();
            showBankroll();
            closePointDisplay();
            w.lblpoint->setBackColor(colour::PaleBlue);
            w.lblcout(4)->setBackColor(colour::PaleBlue);
            w.lblbetresult->setCaption(
                QStringLiteral("The point was not rolled in three tries, losing your bet.  The "
                               "new bet was deducted from your bankroll."));
            w.lblbetresult->setVisible(true);
            BetLost = true;
            rebet();
        }
    }

    // Whatever the roll did: what the player may use until the next roll.
    if (w.lblpoint->caption() != kNoPoint)
        w.lblbetresult->setVisible(false);
    if (Point != 0) {
        w.mnubankroll->setEnabled(false);
    } else {
        w.mnubankroll->setEnabled(true);
        if (Bankroll < dollars(5)) {
            w.lblinfo->setVisible(true);
            w.lblinfo->setCaption(kDepleted);
        }
    }
    if (Bankroll + bet() >= dollars(5)) {
        if (Point != 0) {
            w.udBet->setEnabled(false);
            w.mnumax->setEnabled(false);
            w.mnuMin->setEnabled(false);
        } else {
            w.udBet->setEnabled(true);
            w.lblcout(4)->setBackColor(colour::PaleBlue);
            w.lblpoint->setBackColor(colour::PaleBlue);
            w.mnumax->setEnabled(true);
            w.mnuMin->setEnabled(true);
        }
    }
    markRolledNumber(face);
    bool bankBroken = false;
    if (Bankroll >= dollars(100001)) {
        bankBroken = true;
        w.lblinfo->setCaption(QStringLiteral("You have broken the bank!!!"));
        w.lblinfo->setVisible(true);
        w.cmdRoll->setEnabled(false);
        w.cmdOneRoll->setEnabled(false);
        w.udBet->setEnabled(false);
        w.mnuMin->setEnabled(false);
        w.mnumax->setEnabled(false);
    }
    // The one-roll button follows the roll button when this roll ended the game.
    if (!bankBroken && w.cmdRoll->isEnabled())
        w.cmdOneRoll->setEnabled(true);
    PrevBet = w.udBet->value();
}
