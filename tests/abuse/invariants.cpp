#include "invariants.h"

#include "oneroll/holders.h"
#include "table/colours.h"
#include "table/die.h"
#include "ui/frmcpf.h"

namespace {

const QString kNoPoint = QStringLiteral("NO POINT");
const QString kTwoToOne = QStringLiteral("  2    to 1");
const QString kOneToOne = QStringLiteral("  1    to 1");

const QString kMustBet = QStringLiteral("You must make a bet.");
const QString kDepleted =
    QStringLiteral("Your bankroll is depleted.  Get a new bankroll by clicking above.");
const QString kBrokeBank = QStringLiteral("You have broken the bank!!!");
const QString kEnterAmounts = QStringLiteral("Enter amounts for one-roll bets");
const QString kNoneEntered = QStringLiteral("You failed to enter any one-roll bets!");

const QString kComeOutOne = QStringLiteral(
    "One on the come out is a loser.  The amount of your new bet was deducted from your "
    "bankroll.");
const QString kComeOutSix = QStringLiteral(
    "Six on the come out is a winner.  The amount of your bet is added to your bankroll.");
const QString kMadeFirst =
    QStringLiteral("The point has been rolled on the first opportunity, paying two-to-one.");
const QString kMadeSecond =
    QStringLiteral("The point has been rolled on the second opportunity, paying one-to-one.");
const QString kMadeThird =
    QStringLiteral("The point has been rolled on the third opportunity, paying two-to-one.");
const QString kPointOne = QStringLiteral(
    "Rolling a one loses. Your original bet is  re-bet and deducted from your bankroll.");
const QString kThreeMisses = QStringLiteral(
    "The point was not rolled in three tries, losing your bet.  The new bet was deducted from "
    "your bankroll.");

const QString kRebetStands = QStringLiteral("Your bankroll reflects the automatic re-bet feature.");
const QString kRebetOff = QStringLiteral("Automatic re-bet is disabled.");
const QString kRebetCancelled = QStringLiteral("Automatic re-bet cancelled. Bankroll is low.");

const QString kAllLost = QStringLiteral("All of your one-roll bets lost.");
const QString kOverBet = QStringLiteral("Your bet cannot be over your bankroll.");
const QString kLowerBet = QStringLiteral("Lower your bet. Bankroll insufficient.");

QString winMessage(int face) {
    return QStringLiteral("Your one-roll bet on the %1 wins!  Take the bet down by clicking it.")
        .arg(face);
}

QString colourName(QColor c) {
    return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
}

QString stateName(HolderState state) {
    switch (state) {
    case HolderState::NameOnBlue:
        return QStringLiteral("name on blue");
    case HolderState::StakeOnDarkOrange:
        return QStringLiteral("stake on dark orange");
    case HolderState::StakeOnWhite:
        return QStringLiteral("stake on white");
    case HolderState::NameOnWhite:
        return QStringLiteral("name on white");
    case HolderState::Illegal:
        break;
    }
    return QStringLiteral("no legal state");
}

// The stake a holder carries, in dollars; nothing for a number name.
Currency stakeOn(const Label& holder) {
    Currency stake;
    if (holdsStake(holder) && Currency::fromText(holder.caption(), &stake))
        return stake;
    return {};
}

bool panelOpen(const TableWidgets& w) {
    return !w.cmdEnterOR->isHidden();
}

// Records a broken rule in out; the description is only put together when the rule broke.
#define CHECK(held, what)                                                                          \
    do {                                                                                           \
        if (!(held))                                                                               \
            out << (what);                                                                         \
    } while (false)

} // namespace

Currency playersMoney(FrmCPF& window) {
    const TableWidgets& w = window.widgets();
    Currency money = window.table().Bankroll + dollars(w.udBet->value());
    for (int i = 1; i <= 6; ++i)
        money += stakeOn(*w.lblOR(i));
    return money;
}

TableAuditor::TableAuditor(FrmCPF& window) : window_(window) {}

void TableAuditor::before() {
    const TableWidgets& w = window_.widgets();
    const Table& t = window_.table();
    before_.bankroll = t.Bankroll;
    before_.bet = w.udBet->value();
    before_.autoRebet = w.mnuAuto->isChecked();
    before_.rollReady = !w.cmdRoll->isHidden() && w.cmdRoll->isEnabled();
    for (int i = 1; i <= 6; ++i) {
        const Label& holder = *w.lblOR(i);
        before_.stake[i] = stakeOn(holder);
        before_.riding[i] = betRides(holder) ? before_.stake[i] : Currency();
        before_.state[i] = static_cast<int>(holderState(holder, i));
        before_.amount[i] = w.udOneRoll(i)->value();
    }
    boxes_.clear();
}

bool TableAuditor::drawsDie(PlayerAction action, const QString& name) const {
    return action == PlayerAction::Click && name == u"cmdRoll" && before_.rollReady &&
           before_.bet >= 5;
}

QStringList TableAuditor::whileMessageShown(const QString& text) {
    boxes_ << text;
    QStringList out;
    const TableWidgets& w = window_.widgets();
    const Table& t = window_.table();
    CHECK(text == kOverBet || text == kLowerBet,
          QStringLiteral("unknown message box \"%1\"").arg(text));
    CHECK(w.lblBankroll->caption().isEmpty() && w.txtBet->text().isEmpty(),
          QStringLiteral("the bankroll \"%1\" and the bet \"%2\" are not blank while \"%3\" "
                         "is up")
              .arg(w.lblBankroll->caption(), w.txtBet->text(), text));
    if (text == kOverBet) {
        CHECK(t.Bankroll < dollars(0),
              QStringLiteral("the over-bet message is up with a bankroll of %1")
                  .arg(t.Bankroll.toText()));
        CHECK(!w.udBet->isEnabled(), QStringLiteral("udBet is enabled under the over-bet "
                                                    "message"));
    }
    return out;
}

QStringList TableAuditor::after(PlayerAction action, const QString& name, bool delivered,
                                std::optional<int> face, bool fault) {
    QStringList out;
    const Table& t = window_.table();
    const bool draws = delivered && drawsDie(action, name) && !fault;
    CHECK(!fault || (delivered && drawsDie(action, name)),
          QStringLiteral("\"%1\" reported a die picture fault without rolling").arg(name));
    CHECK(face.has_value() == draws,
          draws ? QStringLiteral("the roll did not draw the die although a bet of %1 was made")
                      .arg(before_.bet)
                : QStringLiteral("the die was drawn by \"%1\", which must not draw it").arg(name));

    // Message boxes come only from the two refusals.
    for (const QString& box : boxes_) {
        CHECK(box != kOverBet || (action == PlayerAction::Up && name == u"udBet"),
              QStringLiteral("the over-bet message came from \"%1\"").arg(name));
        CHECK(box != kLowerBet || (action == PlayerAction::Click && name == u"cmdEnterOR"),
              QStringLiteral("the one-roll refusal came from \"%1\"").arg(name));
    }

    if (draws && face)
        out << afterRoll(*face);
    else if (fault)
        CHECK(t.BetWon == false && t.BetLost == false,
              QStringLiteral("a roll that could not draw the die decided the bet"));
    else if (delivered)
        out << afterAction(action, name);

    const Currency money = playersMoney(window_);
    CHECK(money == money_, QStringLiteral("the player's money is %1, but the rules give %2")
                               .arg(money.toText(), money_.toText()));
    money_ = money; // report a loss once, not after every later action
    out << betweenActions();
    return out;
}

// What the rules say a delivered action other than a roll that drew the die does.
QStringList TableAuditor::afterAction(PlayerAction action, const QString& name) {
    QStringList out;
    const TableWidgets& w = window_.widgets();
    const Table& t = window_.table();
    const bool click = action == PlayerAction::Click;
    if (click && name == u"cmdRoll") {
        // Refused for want of a bet: the message, and nothing else moves.
        CHECK(!w.lblinfo->isHidden() && w.lblinfo->caption() == kMustBet,
              QStringLiteral("a roll without a bet does not say \"%1\"").arg(kMustBet));
        CHECK(w.lblrebet->isHidden(), QStringLiteral("a refused roll leaves lblrebet shown"));
    } else if (click && (name == u"mnu20" || name == u"mnu100" || name == u"mnu1000" ||
                         name == u"mnu5000")) {
        const int amount = name.mid(3).toInt();
        money_ = dollars(amount);
        CHECK(t.Bankroll == dollars(amount) && w.udBet->value() == 0,
              QStringLiteral("%1 leaves a bankroll of %2 and a bet of %3")
                  .arg(name, t.Bankroll.toText())
                  .arg(w.udBet->value()));
        bool ready = w.udBet->isEnabled() && w.mnumax->isEnabled() && w.mnuMin->isEnabled() &&
                     w.cmdRoll->isEnabled() && w.cmdOneRoll->isEnabled() && !panelOpen(w) &&
                     w.lblrebet->isHidden() && w.lblinfo->isHidden() && w.lblORinfo->isHidden() &&
                     w.lblbetresult->isHidden() && w.lblgameover->isHidden();
        for (int i = 1; i <= 6; ++i)
            ready = ready && holderState(*w.lblOR(i), i) == HolderState::NameOnBlue;
        CHECK(ready,
              QStringLiteral("%1 does not leave the table ready for a new series").arg(name));
    } else if (click && name == u"cmdOneRoll") {
        CHECK(panelOpen(w) && !w.cmdRoll->isEnabled() && !w.cmdOneRoll->isEnabled(),
              QStringLiteral("the one-roll panel did not open with the roll buttons off"));
    } else if (click && name == u"cmdCancelOR") {
        CHECK(!panelOpen(w) && w.cmdRoll->isEnabled() && w.cmdOneRoll->isEnabled(),
              QStringLiteral("cancelling the one-roll panel did not close it with the "
                             "roll buttons on"));
    } else if (click && name == u"cmdEnterOR") {
        int total = 0;
        for (int i = 1; i <= 6; ++i)
            total += before_.amount[i];
        if (dollars(total) > before_.bankroll) {
            // Too dear: refused with the message box, the panel stays open, amounts cleared.
            CHECK(boxes_ == QStringList{kLowerBet},
                  QStringLiteral("one-roll bets of %1 with a bankroll of %2 were not refused "
                                 "with one message")
                      .arg(total)
                      .arg(before_.bankroll.toText()));
            bool cleared = panelOpen(w);
            for (int i = 1; i <= 6; ++i)
                cleared = cleared && w.udOneRoll(i)->value() == 0;
            CHECK(cleared, QStringLiteral("refused one-roll bets were not cleared in the open "
                                          "panel"));
        } else if (total == 0) {
            CHECK(boxes_.isEmpty() && panelOpen(w) && !w.lblinfo->isHidden() &&
                      w.lblinfo->caption() == kNoneEntered && !w.cmdCancelOR->isHidden(),
                  QStringLiteral("Enter Bets with no amounts does not say \"%1\" and offer "
                                 "Cancel")
                      .arg(kNoneEntered));
        } else {
            // Registered: each amount on its holder, paid for out of the bankroll.
            CHECK(boxes_.isEmpty() && !panelOpen(w) && w.cmdRoll->isEnabled() &&
                      w.cmdOneRoll->isEnabled(),
                  QStringLiteral("registering one-roll bets of %1 with a bankroll of %2 did not "
                                 "close the panel and free the roll")
                      .arg(total)
                      .arg(before_.bankroll.toText()));
            CHECK(t.Bankroll == before_.bankroll - dollars(total),
                  QStringLiteral("registering %1 in one-roll bets left a bankroll of %2 out of %3")
                      .arg(total)
                      .arg(t.Bankroll.toText(), before_.bankroll.toText()));
            if (t.Point == 0 && t.Bankroll < dollars(5))
                CHECK(!w.lblinfo->isHidden() && w.lblinfo->caption() == kDepleted,
                      QStringLiteral("registering down to %1 between series does not say the "
                                     "bankroll is depleted")
                          .arg(t.Bankroll.toText()));
            for (int i = 1; i <= 6; ++i) {
                const int amount = before_.amount[i];
                const Label& holder = *w.lblOR(i);
                const bool right = amount == 0
                                       ? holderState(holder, i) == HolderState::NameOnBlue
                                       : holderState(holder, i) == HolderState::StakeOnDarkOrange &&
                                             holder.caption() == QString::number(amount);
                CHECK(right, QStringLiteral("lblOR(%1) reads \"%2\" after registering %3 on it")
                                 .arg(i)
                                 .arg(holder.caption())
                                 .arg(amount));
            }
        }
    } else if (click && name.startsWith(u"lblOR(")) {
        // A winner still up comes down; any other holder stays as it was.
        const int k = name.mid(6, 1).toInt();
        const bool takeDown = before_.state[k] == static_cast<int>(HolderState::StakeOnWhite);
        const HolderState want =
            takeDown ? HolderState::NameOnWhite : static_cast<HolderState>(before_.state[k]);
        CHECK(holderState(*w.lblOR(k), k) == want &&
                  t.Bankroll == before_.bankroll + (takeDown ? before_.stake[k] : Currency()),
              QStringLiteral("a click on lblOR(%1) leaves \"%2\" and a bankroll of %3 out of %4")
                  .arg(k)
                  .arg(w.lblOR(k)->caption(), t.Bankroll.toText(), before_.bankroll.toText()));
        CHECK(w.lblORinfo->isHidden(), QStringLiteral("a click on a holder leaves lblORinfo"));
        if (t.Bankroll >= dollars(5))
            CHECK(w.cmdRoll->isEnabled() && w.cmdOneRoll->isEnabled() && w.lblgameover->isHidden(),
                  QStringLiteral("a click on a holder with %1 in the bankroll does not free "
                                 "the roll")
                      .arg(t.Bankroll.toText()));
    } else if (click && name == u"mnuAuto") {
        CHECK(w.mnuAuto->isChecked() != before_.autoRebet,
              QStringLiteral("Auto re-bet did not switch"));
    } else if (click && (name == u"mnuabout" || name == u"cmdokabout")) {
        CHECK(w.lblabout->isHidden() == (name == u"cmdokabout"),
              QStringLiteral("\"%1\" did not show or hide the about panel").arg(name));
    } else if (click && (name == u"mnumax" || name == u"mnuMin")) {
        // The whole available money up to 500, or 5 when there are at least 5.
        const Currency available = before_.bankroll + dollars(before_.bet);
        const int dollarsAvailable = static_cast<int>(available.units() / Currency::Scale);
        const int want = name == u"mnumax"         ? std::min(dollarsAvailable, 500)
                         : available >= dollars(5) ? 5
                                                   : before_.bet;
        CHECK(w.udBet->value() == want && boxes_.isEmpty(),
              QStringLiteral("%1 with %2 available sets the bet %3, not %4")
                  .arg(name, available.toText())
                  .arg(w.udBet->value())
                  .arg(want));
    } else if (name == u"udBet") {
        // One step, taken back by 5 (or 10 when 5 more would still be short) for as long as
        // the bankroll cannot pay for it, one refusal message each time.
        int want = action == PlayerAction::Up ? std::min(before_.bet + 5, 500)
                                              : std::max(before_.bet - 5, 0);
        int refusals = 0;
        Currency left = before_.bankroll + dollars(before_.bet) - dollars(want);
        while (left < dollars(0) && refusals < 1000) {
            ++refusals;
            want -= left < dollars(-5) ? 10 : 5;
            left = before_.bankroll + dollars(before_.bet) - dollars(want);
        }
        CHECK(w.udBet->value() == want && boxes_.count(kOverBet) == refusals,
              QStringLiteral("a step of udBet from %1 with a bankroll of %2 gives %3 after %4 "
                             "refusals, not %5 after %6")
                  .arg(before_.bet)
                  .arg(before_.bankroll.toText())
                  .arg(w.udBet->value())
                  .arg(boxes_.count(kOverBet))
                  .arg(want)
                  .arg(refusals));
    } else if (name.startsWith(u"udOneRoll(")) {
        const int k = name.mid(10, 1).toInt();
        const int want =
            std::clamp(before_.amount[k] + (action == PlayerAction::Up ? 1 : -1), 0, 100);
        CHECK(w.udOneRoll(k)->value() == want && t.Bankroll == before_.bankroll,
              QStringLiteral("a step of udOneRoll(%1) from %2 gives %3")
                  .arg(k)
                  .arg(before_.amount[k])
                  .arg(w.udOneRoll(k)->value()));
    }
    return out;
}

QStringList TableAuditor::afterRoll(int face) {
    QStringList out;
    const TableWidgets& w = window_.widgets();
    Table& t = window_.table();
    const Currency bet = dollars(before_.bet);
    lastFace_ = face;

    // One-roll bets: four-to-one on the face; every other riding stake is lost.
    Currency oneRollWin;
    Currency oneRollDelta;
    bool anyRode = false;
    for (int i = 1; i <= 6; ++i) {
        const Currency stake = before_.riding[i];
        if (stake == Currency())
            continue;
        anyRode = true;
        if (i == face) {
            oneRollWin = stake + stake + stake + stake;
            oneRollDelta += oneRollWin;
        } else {
            oneRollDelta -= stake;
        }
    }

    // The main bet, judged against the series as the rules have it.
    Currency mainDelta;
    bool won = false;
    bool lost = false;
    QString result;
    if (point_ == 0) {
        if (face == 1) {
            lost = true;
            mainDelta = Currency() - bet;
            result = kComeOutOne;
        } else if (face == 6) {
            won = true;
            mainDelta = bet;
            result = kComeOutSix;
        } else {
            point_ = face;
            chances_ = 0;
        }
    } else {
        ++chances_;
        if (face == point_) {
            won = true;
            mainDelta = chances_ == 2 ? bet : bet + bet;
            result = chances_ == 1 ? kMadeFirst : chances_ == 2 ? kMadeSecond : kMadeThird;
            point_ = 0;
        } else if (face == 1) {
            lost = true;
            mainDelta = Currency() - bet;
            result = kPointOne;
            point_ = 0;
        } else if (chances_ == 3) {
            lost = true;
            mainDelta = Currency() - bet;
            result = kThreeMisses;
            point_ = 0;
        }
    }
    const bool decided = won || lost;
    money_ += oneRollDelta + mainDelta;

    CHECK(t.Point == point_, QStringLiteral("after a %1 the point is %2, but the rules give %3")
                                 .arg(face)
                                 .arg(t.Point)
                                 .arg(point_));
    if (point_ != 0)
        CHECK(t.PointRolls == chances_,
              QStringLiteral("PointRolls is %1 after %2 chances").arg(t.PointRolls).arg(chances_));
    CHECK(w.picdie->pictureName() == dieFileName(face) && !w.picdie->isHidden(),
          QStringLiteral("the die shows \"%1\" after a %2").arg(w.picdie->pictureName()).arg(face));

    // The outcome message stays only for a decided series.
    if (decided)
        CHECK(!w.lblbetresult->isHidden() && w.lblbetresult->caption() == result,
              QStringLiteral("the outcome reads \"%1\" instead of \"%2\"")
                  .arg(w.lblbetresult->caption(), result));

    // The re-bet: the same bet stands while the bankroll covers it, else it comes off.
    const Currency settled = before_.bankroll + oneRollWin + mainDelta;
    int expectedBet = before_.bet;
    QString rebetNotice;
    bool cancelled = false;
    if (decided) {
        if (!before_.autoRebet) {
            expectedBet = 0;
            rebetNotice = kRebetOff;
        } else if (settled >= bet) {
            rebetNotice = kRebetStands;
        } else {
            expectedBet = 0;
            cancelled = true;
            rebetNotice = kRebetCancelled;
        }
    }
    CHECK(w.udBet->value() == expectedBet,
          QStringLiteral("the bet is %1 after the roll, but the re-bet rules give %2")
              .arg(w.udBet->value())
              .arg(expectedBet));
    if (decided) {
        CHECK(!w.lblrebet->isHidden() && w.lblrebet->caption() == rebetNotice,
              QStringLiteral("the re-bet notice reads \"%1\" instead of \"%2\"")
                  .arg(w.lblrebet->caption(), rebetNotice));
        if (rebetNotice == kRebetStands)
            CHECK(w.lblrebet->backColor() == colour::LavenderBlue,
                  QStringLiteral("a standing re-bet is not on lavender blue"));
        if (cancelled)
            CHECK(w.lblrebet->backColor() == colour::Red,
                  QStringLiteral("a cancelled re-bet is not on red"));
    } else {
        CHECK(w.lblrebet->isHidden(), QStringLiteral("an undecided roll shows lblrebet"));
    }

    // The holders: the face's holder is white, with its stake if a bet on it rode.
    for (int i = 1; i <= 6; ++i) {
        const Label& holder = *w.lblOR(i);
        HolderState want = HolderState::NameOnBlue;
        if (i == face)
            want = before_.riding[i] != Currency() ? HolderState::StakeOnWhite
                                                   : HolderState::NameOnWhite;
        CHECK(holderState(holder, i) == want,
              QStringLiteral("after a %1 lblOR(%2) is \"%3\" on %4, not %5")
                  .arg(face)
                  .arg(i)
                  .arg(holder.caption(), colourName(holder.backColor()), stateName(want)));
    }
    if (before_.riding[face] != Currency())
        CHECK(stakeOn(*w.lblOR(face)) == before_.riding[face],
              QStringLiteral("the winning stake on %1 changed").arg(face));
    const QString orInfo = !anyRode                             ? QString()
                           : before_.riding[face] != Currency() ? winMessage(face)
                                                                : kAllLost;
    CHECK(w.lblORinfo->isHidden() == orInfo.isEmpty() &&
              (orInfo.isEmpty() || w.lblORinfo->caption() == orInfo),
          QStringLiteral("the one-roll message reads \"%1\" (%2) instead of \"%3\"")
              .arg(w.lblORinfo->caption(),
                   w.lblORinfo->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"),
                   orInfo));

    // How the roll leaves the table: ended by a broken bank or a game over, or ready to go on.
    const bool broken = t.Bankroll >= dollars(100001);
    const bool gameOver = cancelled && t.Bankroll < dollars(5);
    if (broken) {
        CHECK(!w.lblinfo->isHidden() && w.lblinfo->caption() == kBrokeBank,
              QStringLiteral("a bankroll of %1 does not break the bank").arg(t.Bankroll.toText()));
        CHECK(!w.cmdRoll->isEnabled() && !w.cmdOneRoll->isEnabled() && !w.udBet->isEnabled() &&
                  !w.mnumax->isEnabled() && !w.mnuMin->isEnabled(),
              QStringLiteral("a broken bank leaves a control of play enabled"));
    } else if (gameOver) {
        CHECK(!w.lblgameover->isHidden() && !w.cmdRoll->isEnabled() && !w.cmdOneRoll->isEnabled() &&
                  !w.udBet->isEnabled(),
              QStringLiteral("a bankroll of %1 after a cancelled re-bet does not end the game")
                  .arg(t.Bankroll.toText()));
    } else {
        CHECK(w.cmdRoll->isEnabled() && w.cmdOneRoll->isEnabled(),
              QStringLiteral("the roll leaves the roll buttons off without ending the game"));
        CHECK(w.lblgameover->isHidden(), QStringLiteral("the roll shows game over needlessly"));
    }
    if (!broken) {
        const bool depleted = t.Point == 0 && t.Bankroll < dollars(5);
        CHECK(w.lblinfo->isHidden() != depleted && (!depleted || w.lblinfo->caption() == kDepleted),
              QStringLiteral("after the roll lblinfo reads \"%1\" (%2) with a bankroll of %3")
                  .arg(w.lblinfo->caption(),
                       w.lblinfo->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"),
                       t.Bankroll.toText()));
    }
    return out;
}

QStringList TableAuditor::betweenActions() const {
    QStringList out;
    const TableWidgets& w = window_.widgets();
    const Table& t = window_.table();

    // The bet and the bankroll.
    CHECK(t.PrevBet == w.udBet->value(),
          QStringLiteral("PrevBet %1 differs from udBet %2").arg(t.PrevBet).arg(w.udBet->value()));
    CHECK(w.txtBet->text() == QString::number(w.udBet->value()),
          QStringLiteral("txtBet shows \"%1\" for a bet of %2")
              .arg(w.txtBet->text())
              .arg(w.udBet->value()));
    CHECK(w.udBet->value() >= 0 && w.udBet->value() <= 500,
          QStringLiteral("the bet %1 is outside 0..500").arg(w.udBet->value()));
    CHECK(t.Bankroll >= dollars(0),
          QStringLiteral("the bankroll is negative: %1").arg(t.Bankroll.toText()));
    CHECK(t.Bankroll.units() % Currency::Scale == 0,
          QStringLiteral("the bankroll %1 is not whole dollars").arg(t.Bankroll.toText()));
    CHECK(w.lblBankroll->caption() == t.Bankroll.toText(),
          QStringLiteral("lblBankroll shows \"%1\" for a bankroll of %2")
              .arg(w.lblBankroll->caption(), t.Bankroll.toText()));
    CHECK(!t.ORActive && !t.ORWon, QStringLiteral("ORActive or ORWon is left set"));

    // The point and its display.
    const int point = t.Point;
    CHECK(point == 0 || (point >= 2 && point <= 5), QStringLiteral("the point is %1").arg(point));
    const QString pointCaption = point == 0 ? kNoPoint : QStringLiteral("Point = %1").arg(point);
    CHECK(w.lblpoint->caption() == pointCaption,
          QStringLiteral("lblpoint reads \"%1\" for the point %2")
              .arg(w.lblpoint->caption())
              .arg(point));
    if (point != 0) {
        CHECK(!w.udBet->isEnabled() && !w.mnumax->isEnabled() && !w.mnuMin->isEnabled() &&
                  !w.mnubankroll->isEnabled(),
              QStringLiteral("the bet or the bankroll menu can be changed while the point "
                             "%1 is on")
                  .arg(point));
        CHECK(t.PointRolls >= 0 && t.PointRolls <= 2,
              QStringLiteral("PointRolls is %1 with a point on").arg(t.PointRolls));
        const int chance = std::clamp<int>(t.PointRolls, 0, 2);
        const QColor colour = chance == 0   ? colour::Green
                              : chance == 1 ? colour::Yellow
                                            : colour::Red;
        const QString odds = chance == 1 ? kOneToOne : kTwoToOne;
        const Label& pointOdds = *w.lblodds(point);
        CHECK(pointOdds.caption() == odds && pointOdds.backColor() == colour &&
                  pointOdds.fontSpec().size == 10 && w.lblpoint->backColor() == colour,
              QStringLiteral("the point's odds read \"%1\" at %2 pt on %3 after %4 misses")
                  .arg(pointOdds.caption())
                  .arg(pointOdds.fontSpec().size)
                  .arg(colourName(pointOdds.backColor()))
                  .arg(chance));
        CHECK(w.lblcout(4)->backColor() == colour::Blue,
              QStringLiteral("the come-out marker is not blue while a point is on"));
        // The table never locks up in the middle of a series.
        CHECK(w.cmdRoll->isEnabled() || panelOpen(w) || t.Bankroll >= dollars(5),
              QStringLiteral("nothing lets the player go on with the point %1").arg(point));
    } else {
        CHECK(w.mnubankroll->isEnabled(),
              QStringLiteral("the bankroll menu is off between series"));
        CHECK(w.lblpoint->backColor() == colour::PaleBlue &&
                  w.lblcout(4)->backColor() == colour::PaleBlue,
              QStringLiteral("lblpoint or lblcout(4) is not pale blue with no point"));
    }
    for (int i = 2; i <= 5; ++i) {
        if (i == point)
            continue;
        const Label& odds = *w.lblodds(i);
        CHECK(odds.caption().trimmed() == QString::number(i) &&
                  odds.fontSpec().name.compare(u"arial", Qt::CaseInsensitive) == 0 &&
                  odds.fontSpec().size == 18 && odds.fontSpec().bold &&
                  odds.backColor() == colour::Blue,
              QStringLiteral("lblodds(%1) reads \"%2\" in %3 %4 pt%5 on %6")
                  .arg(i)
                  .arg(odds.caption(), odds.fontSpec().name)
                  .arg(odds.fontSpec().size)
                  .arg(odds.fontSpec().bold ? QStringLiteral(" bold") : QString(),
                       colourName(odds.backColor())));
    }

    // The holders.
    int white = 0;
    int orange = 0;
    const bool open = panelOpen(w);
    for (int i = 1; i <= 6; ++i) {
        const Label& holder = *w.lblOR(i);
        const HolderState state = holderState(holder, i);
        CHECK(state != HolderState::Illegal,
              QStringLiteral("lblOR(%1) is \"%2\" on %3, no legal holder state")
                  .arg(i)
                  .arg(holder.caption(), colourName(holder.backColor())));
        if (holder.backColor() == colour::White) {
            ++white;
            CHECK(lastFace_ == i,
                  QStringLiteral("lblOR(%1) is white but was not rolled last").arg(i));
        }
        if (state == HolderState::StakeOnDarkOrange) {
            ++orange;
            const Currency stake = stakeOn(holder);
            CHECK(stake >= dollars(1) && stake <= dollars(100),
                  QStringLiteral("lblOR(%1) holds a stake of %2").arg(i).arg(holder.caption()));
        }
        CHECK(!open || state == HolderState::NameOnBlue,
              QStringLiteral("lblOR(%1) holds a bet while the one-roll panel is open").arg(i));
        CHECK(!holder.isHidden(), QStringLiteral("lblOR(%1) is hidden").arg(i));
    }
    CHECK(white <= 1, QStringLiteral("%1 holders are white").arg(white));
    CHECK(white == 0 || orange == 0,
          QStringLiteral("a white holder stands beside registered bets"));

    // The one-roll panel opens and closes as a whole.
    bool together = !w.lblORoll->isHidden() == open;
    bool amountsZero = true;
    for (int i = 1; i <= 6; ++i) {
        together = together && !w.lblOneRoll(i)->isHidden() == open &&
                   !w.txtOneRoll(i)->isHidden() == open && !w.udOneRoll(i)->isHidden() == open;
        const int value = w.udOneRoll(i)->value();
        amountsZero = amountsZero && value == 0;
        CHECK(value >= 0 && value <= 100,
              QStringLiteral("udOneRoll(%1) is %2, outside 0..100").arg(i).arg(value));
        const QString shown = open ? QString::number(value) : QStringLiteral("0");
        CHECK(w.txtOneRoll(i)->text() == shown,
              QStringLiteral("txtOneRoll(%1) shows \"%2\" instead of \"%3\"")
                  .arg(i)
                  .arg(w.txtOneRoll(i)->text(), shown));
    }
    CHECK(together, QStringLiteral("the one-roll panel is partly open"));
    CHECK(w.cmdCancelOR->isHidden() || (open && amountsZero),
          QStringLiteral("Cancel One Roll Bets shows with amounts entered or the panel closed"));

    // The about panel and the widgets that never go away.
    CHECK(w.lblabout->isHidden() == w.cmdokabout->isHidden() &&
              w.pblogo->isHidden() != w.lblabout->isHidden(),
          QStringLiteral("the about panel is half shown"));
    CHECK(!w.cmdRoll->isHidden() && !w.cmdOneRoll->isHidden(),
          QStringLiteral("a roll button is hidden"));
    CHECK(w.mnuAuto->isEnabled() && w.mnuOptions->isEnabled() && w.mnuhelp->isEnabled() &&
              w.mnuabout->isEnabled(),
          QStringLiteral("a menu that is never disabled is off"));
    // The die shows the last face drawn from the first roll on, and nothing before it.
    const QString die = lastFace_ ? dieFileName(*lastFace_) : QString();
    CHECK(w.picdie->isHidden() == die.isEmpty() && w.picdie->pictureName() == die,
          QStringLiteral("the die is %1 with \"%2\" after %3")
              .arg(w.picdie->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"),
                   w.picdie->pictureName(),
                   lastFace_ ? QStringLiteral("a %1").arg(*lastFace_) : QStringLiteral("no roll")));

    // The message labels say only what the handlers may say.
    if (!w.lblinfo->isHidden()) {
        static const QStringList info = {kMustBet, kDepleted, kBrokeBank, kEnterAmounts,
                                         kNoneEntered};
        CHECK(info.contains(w.lblinfo->caption()),
              QStringLiteral("lblinfo shows \"%1\"").arg(w.lblinfo->caption()));
        CHECK(
            point == 0 || w.lblinfo->caption() != kDepleted,
            QStringLiteral("the bankroll is called depleted while the point %1 is on").arg(point));
    }
    if (!w.lblbetresult->isHidden()) {
        static const QStringList results = {kComeOutOne, kComeOutSix, kMadeFirst,  kMadeSecond,
                                            kMadeThird,  kPointOne,   kThreeMisses};
        CHECK(results.contains(w.lblbetresult->caption()),
              QStringLiteral("lblbetresult shows \"%1\"").arg(w.lblbetresult->caption()));
        CHECK(point == 0, QStringLiteral("an outcome shows while the point %1 is on").arg(point));
    }
    if (!w.lblrebet->isHidden()) {
        static const QStringList notices = {kRebetStands, kRebetOff, kRebetCancelled};
        CHECK(notices.contains(w.lblrebet->caption()),
              QStringLiteral("lblrebet shows \"%1\"").arg(w.lblrebet->caption()));
    }
    if (!w.lblORinfo->isHidden()) {
        bool known = w.lblORinfo->caption() == kAllLost;
        for (int i = 1; i <= 6; ++i)
            known = known || w.lblORinfo->caption() == winMessage(i);
        CHECK(known, QStringLiteral("lblORinfo shows \"%1\"").arg(w.lblORinfo->caption()));
    }
    if (!w.lblgameover->isHidden())
        CHECK(t.Bankroll < dollars(5) && w.udBet->value() == 0 && !w.cmdRoll->isEnabled() &&
                  !w.cmdOneRoll->isEnabled(),
              QStringLiteral("game over shows with a bankroll of %1, a bet of %2 or a roll "
                             "button on")
                  .arg(t.Bankroll.toText())
                  .arg(w.udBet->value()));
    return out;
}
