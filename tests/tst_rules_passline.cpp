// The pass-line game played on the real table: the come-out and point rolls with their
// money, messages, colours and controls, the broken bank, the refused roll, the bet control
// with its over-bet refusal, Bet max and Bet min, the automatic re-bet and the new bankroll.
// Colours: green #00FF00, yellow #FFFF00, red #FF0000, blue #0000FF, pale blue #C0C0FF,
// lavender blue #8080FF.

#include "support/scenario.h"

#include <QTest>

namespace {

const QString kOneOut = QStringLiteral("One on the come out is a loser.  The amount of your new "
                                       "bet was deducted from your bankroll.");
const QString kSixOut = QStringLiteral(
    "Six on the come out is a winner.  The amount of your bet is added to your bankroll.");
const QString kFirst =
    QStringLiteral("The point has been rolled on the first opportunity, paying two-to-one.");
const QString kSecond =
    QStringLiteral("The point has been rolled on the second opportunity, paying one-to-one.");
const QString kThird =
    QStringLiteral("The point has been rolled on the third opportunity, paying two-to-one.");
const QString kOneLoses = QStringLiteral(
    "Rolling a one loses. Your original bet is  re-bet and deducted from your bankroll.");
const QString kThreeTries = QStringLiteral("The point was not rolled in three tries, losing your "
                                           "bet.  The new bet was deducted from your bankroll.");
const QString kDepleted =
    QStringLiteral("Your bankroll is depleted.  Get a new bankroll by clicking above.");
const QString kStands = QStringLiteral("Your bankroll reflects the automatic re-bet feature.");
const QString kCancelled = QStringLiteral("Automatic re-bet cancelled. Bankroll is low.");
const QString kDisabled = QStringLiteral("Automatic re-bet is disabled.");
const QString kOverBet = QStringLiteral("Your bet cannot be over your bankroll.");
const QString kAll = QStringLiteral("enabled=udBet mnumax mnuMin mnubankroll cmdRoll cmdOneRoll");
const QString kGameOver = QStringLiteral("enabled=mnubankroll; lblinfo.caption=") + kDepleted +
                          QStringLiteral("; shown=lblinfo lblbetresult lblrebet lblgameover");
const QString kNoBets = QStringLiteral("ONE/blue TWO/blue THREE/blue FOUR/blue FIVE/blue SIX/blue");

void columns() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("facts");
}

void row(const char* name, const QString& script, const QString& facts) {
    QTest::newRow(name) << script << facts;
}

// A point of P rolled from a bankroll of 90 with a bet of 10, then the faces given.
QString point(int p, const char* faces) {
    return QStringLiteral("bankroll 90 bet 10; roll %1 %2").arg(p).arg(QLatin1String(faces));
}

// The series decided on the point P: the point display closed, the bet of 10 standing again.
QString decided(int p, int bankroll, const QString& message, bool won) {
    return QStringLiteral("Bankroll=%1; udBet.value=10; BetWon=%2; BetLost=%3; Point=0; "
                          "lblpoint.caption=NO POINT; lblpoint.back=#C0C0FF; "
                          "lblcout(4).back=#C0C0FF; lblodds(%4).caption=%4; "
                          "lblodds(%4).back=#0000FF; lblodds(%4).font.size=18; "
                          "lblodds(%4).font.bold=true; lblodds(%4).font.name=arial; "
                          "shown=lblbetresult lblrebet; lblrebet.caption=%5; %6; "
                          "lblbetresult.caption=")
               .arg(bankroll)
               .arg(won ? "true" : "false", won ? "false" : "true")
               .arg(p)
               .arg(kStands, kAll) +
           message;
}

// The point 4 still on after `misses` misses: the odds of the next chance in its colour.
QString pending(int misses, const char* odds, const char* colour) {
    return QStringLiteral("Bankroll=90; Point=4; PointRolls=%1; BetWon=false; BetLost=false; "
                          "lblodds(4).caption=%2; lblodds(4).back=%3; lblpoint.back=%3; "
                          "lblodds(4).font.size=10; lblcout(4).back=#0000FF; shown=; "
                          "enabled=cmdRoll cmdOneRoll")
        .arg(misses)
        .arg(QLatin1String(odds), QLatin1String(colour));
}

// What every new bankroll leaves: no bet, nothing on the holders, the panel closed.
QString ready(int amount) {
    return QStringLiteral("Bankroll=%1; money=%1; udBet.value=0; shown=; panel=closed; "
                          "amounts=0 0 0 0 0 0; holders=")
               .arg(amount) +
           kNoBets + "; " + kAll;
}

} // namespace

class TestRulesPassLine : public QObject {
    Q_OBJECT
private slots:
    void comeOut_data() {
        columns();
        row("one loses, the next bet charged", "bankroll 90 bet 10; roll 1",
            "Bankroll=80; udBet.value=10; BetLost=true; BetWon=false; Point=0; PointRolls=0; "
            "shown=lblbetresult lblrebet; lblrebet.back=#8080FF; lblpoint.caption=NO POINT; "
            "lblpoint.back=#C0C0FF; lblcout(4).back=#C0C0FF; picdie.picture=imgdie1.bmp; "
            "picdie.visible=true; lblrebet.caption=" +
                kStands + "; " + kAll + "; lblbetresult.caption=" + kOneOut);
        row("six wins one-to-one", "bankroll 90 bet 10; roll 6",
            "Bankroll=100; udBet.value=10; BetWon=true; BetLost=false; Point=0; PointRolls=0; "
            "shown=lblbetresult lblrebet; lblrebet.back=#8080FF; lblpoint.caption=NO POINT; "
            "picdie.picture=imgdie6.bmp; lblrebet.caption=" +
                kStands + "; " + kAll + "; lblbetresult.caption=" + kSixOut);
        for (int face = 2; face <= 5; ++face)
            QTest::addRow("%d sets the point", face)
                << QStringLiteral("bankroll 90 bet 10; roll %1").arg(face)
                << QStringLiteral("Bankroll=90; Point=%1; PointRolls=0; BetWon=false; "
                                  "BetLost=false; lblpoint.caption=Point = %1; "
                                  "lblpoint.back=#00FF00; lblcout(4).back=#0000FF; "
                                  "lblodds(%1).caption=  2    to 1; lblodds(%1).back=#00FF00; "
                                  "lblodds(%1).font.size=10; lblodds(%1).font.name=arial; "
                                  "lblodds(%1).font.bold=true; "
                                  "lblodds(%2).back=#0000FF; lblodds(%2).font.size=18; "
                                  "picdie.picture=imgdie%1.bmp; shown=; "
                                  "enabled=cmdRoll cmdOneRoll")
                       .arg(face)
                       .arg(face == 2 ? 3 : 2);
        row("a point hides the last outcome", "bankroll 90 bet 10; roll 6 4",
            "Bankroll=100; shown=");
        // Each roll starts from clear outcome flags.
        row("a win, then a loss", "bankroll 90 bet 10; roll 6 1", "BetWon=false; BetLost=true");
        row("a loss, then a win", "bankroll 90 bet 10; roll 1 6", "BetWon=true; BetLost=false");
        row("a win, then a point", "bankroll 90 bet 10; roll 6 4", "BetWon=false; BetLost=false");
        row("a loss, then a miss", "bankroll 90 bet 10; roll 1 4 3", "BetWon=false; BetLost=false");
        row("a loss, then the point made", "bankroll 90 bet 10; roll 1 4 4",
            "BetWon=true; BetLost=false");
        row("a win, then three misses", "bankroll 90 bet 10; roll 6 4 2 2 2",
            "BetWon=false; BetLost=true");
    }
    void comeOut() { VERIFY_SCENARIO(); }

    void pointRolls_data() {
        columns();
        row("made on the first chance", point(4, "4"), decided(4, 110, kFirst, true));
        row("made on the second chance", point(4, "3 4"), decided(4, 100, kSecond, true));
        row("made on the third chance", point(4, "3 2 4"), decided(4, 110, kThird, true));
        row("two made on the first chance", point(2, "2"), decided(2, 110, kFirst, true));
        row("five made on the third chance", point(5, "6 6 5"), decided(5, 110, kThird, true));
        row("one on the first chance", point(4, "1"), decided(4, 80, kOneLoses, false));
        row("one on the third chance is not three tries", point(4, "3 2 1"),
            decided(4, 80, kOneLoses, false));
        row("three misses lose", point(4, "2 3 5"), decided(4, 80, kThreeTries, false));
        row("three misses on three", point(3, "6 6 6"), decided(3, 80, kThreeTries, false));
        row("one miss: one-to-one on yellow", point(4, "3"), pending(1, "  1    to 1", "#FFFF00"));
        row("a six is only a miss", point(4, "6"), pending(1, "  1    to 1", "#FFFF00"));
        row("two misses: two-to-one on red", point(4, "3 2"), pending(2, "  2    to 1", "#FF0000"));
    }
    void pointRolls() { VERIFY_SCENARIO(); }

    void endOfSeries_data() {
        columns();
        row("on: a loss leaving exactly one more bet stands", "bankroll 20 bet 10; roll 4 2 3 5",
            "Bankroll=10; udBet.value=10; lblrebet.back=#8080FF; lblrebet.caption=" + kStands);
        row("on: a loss leaving nothing is cancelled", "bankroll 10 bet 10; roll 1",
            "Bankroll=10; udBet.value=0; lblrebet.back=#FF0000; shown=lblbetresult lblrebet; " +
                kAll + "; lblrebet.caption=" + kCancelled);
        row("on: a loss one short is cancelled", "bankroll 19 bet 10; roll 4 1",
            "Bankroll=19; udBet.value=0; lblrebet.back=#FF0000; " + kAll);
        row("on: cancelled with exactly five goes on", "bankroll 5 bet 10; roll 1",
            "Bankroll=5; udBet.value=0; shown=lblbetresult lblrebet; " + kAll);
        row("on: cancelled below five is game over", "bankroll 2 bet 10; roll 1",
            "Bankroll=2; udBet.value=0; lblrebet.back=#FF0000; lblrebet.caption=" + kCancelled +
                "; " + kGameOver);
        row("on: game over after a point lost", "bankroll 2 bet 10; roll 4 1",
            "Bankroll=2; udBet.value=0; " + kGameOver);
        row("on: the one-roll winnings count", // 5 on one pays 20 before the bet is lost
            "bankroll 10 bet 10; click cmdOneRoll; up udOneRoll(1) 5; click cmdEnterOR; roll 1",
            "Bankroll=15; udBet.value=10; lblrebet.caption=" + kStands);
        row("off: a win comes off once", "click mnuAuto; bankroll 90 bet 10; roll 6",
            "Bankroll=110; udBet.value=0; mnuAuto.checked=false; lblrebet.back=#8080FF; "
            "lblrebet.caption=" +
                kDisabled);
        row("off: a point made comes off", "click mnuAuto; bankroll 90 bet 10; roll 4 4",
            "Bankroll=120; udBet.value=0; lblrebet.caption=" + kDisabled);
        row("off: a loss gives the charged bet back", "click mnuAuto; bankroll 90 bet 10; roll 1",
            "Bankroll=90; udBet.value=0; money=90; lblrebet.caption=" + kDisabled);
        row("off: three misses give it back", "click mnuAuto; bankroll 90 bet 10; roll 4 2 3 5",
            "Bankroll=90; udBet.value=0; lblrebet.caption=" + kDisabled);
        // With the option off nothing declares the game over: the roll only warns.
        row("off: nothing left after a come-out loss", "click mnuAuto; bankroll 0 bet 5; roll 1",
            "Bankroll=0; shown=lblinfo lblbetresult lblrebet; " + kAll +
                "; lblinfo.caption=" + kDepleted);
        row("off: nothing left after a point loss", "click mnuAuto; bankroll 0 bet 5; roll 4 1",
            "Bankroll=0; shown=lblinfo lblbetresult lblrebet; "
            "enabled=mnubankroll cmdRoll cmdOneRoll");
        row("off: a win from nothing", "click mnuAuto; bankroll 0 bet 5; roll 6",
            "Bankroll=10; shown=lblbetresult lblrebet; " + kAll);
        row("on: standing again after a cancel", "bankroll 10 bet 10; roll 1; up udBet; roll 6",
            "Bankroll=10; lblrebet.back=#8080FF; lblrebet.caption=" + kStands);
        row("off after a cancel keeps the red",
            "bankroll 10 bet 10; roll 1; click mnuAuto; up udBet; roll 6",
            "Bankroll=15; lblrebet.back=#FF0000; lblrebet.caption=" + kDisabled);
        row("the switch changes only its check mark", "bankroll 90 bet 10; roll 1; click mnuAuto",
            "changed=mnuAuto; mnuAuto.checked=false");
        row("switched twice", "bankroll 90 bet 10; roll 1; click mnuAuto; click mnuAuto",
            "changed=mnuAuto; mnuAuto.checked=true");
        row("switched twice, the bet stands",
            "bankroll 90 bet 10; roll 1; click mnuAuto; click mnuAuto; roll 6",
            "Bankroll=90; udBet.value=10; lblrebet.caption=" + kStands);
        // The bank is broken above 100,000; the roll button stays off.
        row("six to 100,001", "bankroll 99991 bet 10; roll 6 6",
            "delivered=false; changed=; Bankroll=100001; enabled=mnubankroll; "
            "shown=lblinfo lblbetresult lblrebet; lblinfo.caption=You have broken the bank!!!");
        row("six to exactly 100,000", "bankroll 99990 bet 10; roll 6",
            "Bankroll=100000; shown=lblbetresult lblrebet; " + kAll);
        row("point made to 100,001", "bankroll 99981 bet 10; roll 4 4",
            "Bankroll=100001; enabled=mnubankroll; lblinfo.caption=You have broken the bank!!!");
        row("point made to 100,000", "bankroll 99980 bet 10; roll 4 4", "Bankroll=100000; " + kAll);
        row("far beyond", "bankroll 99999 bet 10; roll 4 3 2 4",
            "Bankroll=100019; enabled=mnubankroll");
        // No bet: only the message; the die is not drawn (no face is queued).
        row("no bet at start", "click cmdRoll",
            "changed=lblinfo; shown=lblinfo; lblinfo.caption=You must make a bet.");
        row("no bet after a win with the re-bet off",
            "click mnuAuto; up udBet 2; roll 6; click cmdRoll",
            "changed=lblinfo lblrebet; Bankroll=110; lblinfo.caption=You must make a bet.");
        row("one-roll bets but no main bet",
            "click cmdOneRoll; up udOneRoll(3) 7; click cmdEnterOR; click cmdRoll",
            "changed=lblinfo; Bankroll=93; lblinfo.caption=You must make a bet.");
        row("a winner left up, the bet taken off",
            "up udBet; click cmdOneRoll; up udOneRoll(6) 3; click cmdEnterOR; roll 6; down udBet; "
            "click cmdRoll",
            "changed=lblinfo lblrebet; Bankroll=114; lblinfo.caption=You must make a bet.");
    }
    void endOfSeries() { VERIFY_SCENARIO(); }

    void bet_data() {
        columns();
        row("up from nothing", "up udBet", "udBet.value=5; Bankroll=95; boxes=0");
        row("up three times", "up udBet 3", "udBet.value=15; Bankroll=85");
        row("down to nothing gives the 5 back", "bankroll 95 bet 5; down udBet",
            "udBet.value=0; Bankroll=100");
        row("the whole bankroll", "bankroll 5 bet 5; up udBet",
            "udBet.value=10; Bankroll=0; boxes=0");
        row("one step over the money", "bankroll 3 bet 5; up udBet",
            "udBet.value=5; Bankroll=3; udBet.enabled=true; boxes=1; box1:Bankroll=-2; "
            "box1:lblBankroll.caption=; box1:txtBet.text=; box1:udBet.enabled=false; box1.text=" +
                kOverBet);
        row("minus five goes back by five", "bankroll 0 bet 5; up udBet",
            "udBet.value=5; Bankroll=0; boxes=1; box1:Bankroll=-5");
        row("up from a bet off the step", "bankroll 0.5 bet 12; up udBet",
            "udBet.value=12; Bankroll=0.5; boxes=1");
        row("a change hides the prompt and Cancel", "click cmdOneRoll; up udBet",
            "Bankroll=95; shown=");
        row("stops at 500, no change", "bankroll 100 bet 500; click cmdOneRoll; up udBet",
            "udBet.value=500; Bankroll=100; shown=lblinfo cmdCancelOR");
        row("stops at 0, no change", "click cmdOneRoll; down udBet",
            "udBet.value=0; Bankroll=100; shown=lblinfo cmdCancelOR");
        // A bet set from code may be far over: one box and correction each, by ten while the
        // bankroll is below -5.
        row("assigned: back by five", "bankroll 3 bet 5; assign udBet 10",
            "boxes=1; box1.title=Pipfall; box1:Bankroll=-2; udBet.value=5; Bankroll=3");
        row("assigned: exactly minus five, back by five", "bankroll 0; assign udBet 5",
            "boxes=1; box1:Bankroll=-5; udBet.value=0; Bankroll=0");
        row("assigned: below minus five, back by ten", "bankroll 4; assign udBet 10",
            "boxes=1; box1:Bankroll=-6; udBet.value=0; Bankroll=4");
        row("assigned: a fraction below, back by ten", "bankroll 12.5; assign udBet 20",
            "boxes=1; box1:Bankroll=-7.5; udBet.value=10; Bankroll=2.5");
        row("assigned: nested corrections by ten", "bankroll 10; assign udBet 40",
            "boxes=3; box1:Bankroll=-30; box2:Bankroll=-20; box3:Bankroll=-10; "
            "box3:lblBankroll.caption=; box3:udBet.enabled=false; udBet.value=10; Bankroll=0");
        row("assigned: tens then a five", "bankroll 7; assign udBet 30",
            "boxes=3; box2:Bankroll=-13; box3:Bankroll=-3; udBet.value=5; Bankroll=2");
        row("assigned with a point on: stays locked", "bankroll 10 bet 10; roll 4; assign udBet 40",
            "boxes=2; box2:Bankroll=-10; box2:udBet.enabled=false; udBet.value=20; Bankroll=0; "
            "udBet.enabled=false");
        const struct {
            const char *name, *bankroll, *bet, *after, *bankrollAfter, *boxes;
        } max[] = {{"95 and 5 on the table", "95", "5", "100", "0", "0"},
                   {"more than 500", "4995", "5", "500", "4500", "0"},
                   {"exactly 500", "500", "0", "500", "0", "0"},
                   {"123, off the arrows' step", "123", "0", "123", "0", "0"},
                   {"123 counting the bet", "118", "5", "123", "0", "0"},
                   {"12.5: the half stays", "12.5", "0", "12", "0.5", "0"},
                   {"3.5 goes down to 3, not to the even 4", "3.5", "0", "3", "0.5", "0"},
                   {"0.5 leaves no bet", "0.5", "0", "0", "0.5", "0"},
                   {"12.7 rounds up and is refused", "12.7", "0", "8", "4.7", "1"},
                   {"all the money on the table", "0", "50", "50", "0", "0"}};
        for (const auto& m : max)
            QTest::addRow("Bet max: %s", m.name)
                << QStringLiteral("bankroll %1 bet %2; click mnumax").arg(m.bankroll, m.bet)
                << QStringLiteral("udBet.value=%1; Bankroll=%2; boxes=%3; udBet.enabled=true")
                       .arg(m.after, m.bankrollAfter, m.boxes);
        const struct {
            const char *name, *bankroll, *bet, *after, *bankrollAfter;
        } min[] = {{"50 on the table", "50", "50", "5", "95"},
                   {"no bet yet", "100", "0", "5", "95"},
                   {"exactly 5 in the bankroll", "5", "0", "5", "0"},
                   {"4 available: nothing", "4", "0", "0", "4"},
                   {"4.5 available: nothing", "4.5", "0", "0", "4.5"},
                   {"a bet off the step", "0", "123", "5", "118"}};
        for (const auto& m : min)
            QTest::addRow("Bet min: %s", m.name)
                << QStringLiteral("bankroll %1 bet %2; click mnuMin").arg(m.bankroll, m.bet)
                << QStringLiteral("udBet.value=%1; Bankroll=%2; boxes=0")
                       .arg(m.after, m.bankrollAfter);
        row("Bet min: exactly 5 on the table, no change",
            "bankroll 0 bet 5; click cmdOneRoll; click mnuMin",
            "udBet.value=5; Bankroll=0; shown=lblinfo cmdCancelOR");
    }
    void bet() { VERIFY_SCENARIO(); }

    void newBankroll_data() {
        columns();
        const struct {
            const char* item;
            int amount;
        } items[] = {{"mnu20", 20}, {"mnu100", 100}, {"mnu1000", 1000}, {"mnu5000", 5000}};
        for (const auto& i : items)
            QTest::addRow("after game over: %s", i.item)
                << QStringLiteral("bankroll 2 bet 10; roll 1; click %1").arg(i.item)
                << ready(i.amount);
        row("the bank broken", "bankroll 99991 bet 10; roll 6; click mnu20", ready(20));
        row("a bet on the table is not added", "bankroll 75 bet 25; click mnu20", ready(20));
        row("the amount the bankroll has", "bankroll 100 bet 10; click mnu100", ready(100));
        row("a registered one-roll bet is not returned",
            "up udBet; click cmdOneRoll; up udOneRoll(4) 10; click cmdEnterOR; click mnu1000",
            ready(1000));
        row("a winner left up is not returned",
            "up udBet; click cmdOneRoll; up udOneRoll(4) 10; click cmdEnterOR; roll 4 4; "
            "click mnu100",
            ready(100));
        row("the panel just opened", "click cmdOneRoll; click mnu20", ready(20));
        row("the panel open with amounts",
            "up udBet; roll 6; click cmdOneRoll; up udOneRoll(2) 7; up udOneRoll(6) 3; click "
            "mnu5000",
            ready(5000));
        row("the option, the point display and the die are left",
            "click mnuAuto; up udBet; roll 3 1; click mnu100",
            ready(100) + "; mnuAuto.checked=false; lblpoint.caption=NO POINT; "
                         "picdie.picture=imgdie1.bmp");
        row("the game goes on", "bankroll 2 bet 10; roll 1; click mnu20; up udBet 2; roll 6",
            "Bankroll=20; udBet.value=10");
        row("not while a point is on", "bankroll 3 bet 5; roll 4; click mnu20",
            "delivered=false; changed=; Bankroll=3");
    }
    void newBankroll() { VERIFY_SCENARIO(); }
};

QTEST_MAIN(TestRulesPassLine)
#include "tst_rules_passline.moc"
