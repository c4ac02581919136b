// The roll: the come-out and point branches with their money, messages and colours, the
// controls each roll leaves usable, the broken bank, the refused roll, and the one-roll
// bets the roll settles.

#include "oneroll/holders.h"
#include "replay/state.h"
#include "support/tabletest.h"
#include "table/colours.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

const QString kNoPoint = QStringLiteral("NO POINT");
const QString kTwoToOne = QStringLiteral("  2    to 1");
const QString kOneToOne = QStringLiteral("  1    to 1");
const QString kOneOnComeOut = QStringLiteral(
    "One on the come out is a loser.  The amount of your new bet was deducted from your "
    "bankroll.");
const QString kSixOnComeOut = QStringLiteral(
    "Six on the come out is a winner.  The amount of your bet is added to your bankroll.");
const QString kFirst =
    QStringLiteral("The point has been rolled on the first opportunity, paying two-to-one.");
const QString kSecond =
    QStringLiteral("The point has been rolled on the second opportunity, paying one-to-one.");
const QString kThird =
    QStringLiteral("The point has been rolled on the third opportunity, paying two-to-one.");
const QString kRollingOne = QStringLiteral(
    "Rolling a one loses. Your original bet is  re-bet and deducted from your bankroll.");
const QString kThreeTries =
    QStringLiteral("The point was not rolled in three tries, losing your bet.  The new bet was "
                   "deducted from your bankroll.");
const QString kDepleted =
    QStringLiteral("Your bankroll is depleted.  Get a new bankroll by clicking above.");
const QString kBroken = QStringLiteral("You have broken the bank!!!");
const QString kAllLost = QStringLiteral("All of your one-roll bets lost.");

Currency money(const QString& text) {
    Currency amount;
    if (!Currency::fromText(text, &amount))
        qFatal("not an amount: %s", qPrintable(text));
    return amount;
}

bool shown(const QWidget* widget) {
    return !widget->isHidden();
}

// The controls a roll switches, named when enabled, in a fixed order.
QString enabledControls(TableTest& table) {
    const TableWidgets& w = table.w();
    QStringList on;
    if (w.udBet->isEnabled())
        on << QStringLiteral("udBet");
    if (w.mnumax->isEnabled())
        on << QStringLiteral("mnumax");
    if (w.mnuMin->isEnabled())
        on << QStringLiteral("mnuMin");
    if (w.mnubankroll->isEnabled())
        on << QStringLiteral("mnubankroll");
    if (w.cmdRoll->isEnabled())
        on << QStringLiteral("cmdRoll");
    if (w.cmdOneRoll->isEnabled())
        on << QStringLiteral("cmdOneRoll");
    return on.join(u' ');
}

const QString kAllEnabled = QStringLiteral("udBet mnumax mnuMin mnubankroll cmdRoll cmdOneRoll");
const QString kPointOn = QStringLiteral("cmdRoll cmdOneRoll");

bool rollAll(TableTest& table, const QList<int>& faces) {
    for (int face : faces) {
        if (!table.roll(face))
            return false;
    }
    return true;
}

// Registers one-roll stakes through the panel as a player would.
void placeOneRollBets(TableTest& table, const QList<int>& stakes) {
    QVERIFY(table.click(QStringLiteral("cmdOneRoll")));
    for (int i = 1; i <= 6; ++i) {
        if (stakes.value(i - 1) > 0)
            QVERIFY(table.up(QStringLiteral("udOneRoll(%1)").arg(i), stakes.value(i - 1)));
    }
    QVERIFY(table.click(QStringLiteral("cmdEnterOR")));
}

} // namespace

class TestRoll : public QObject {
    Q_OBJECT
private slots:
    void comeOut_data();
    void comeOut();
    void pointRolls_data();
    void pointRolls();
    void outcomeFlags_data();
    void outcomeFlags();
    void enabledAfterRoll_data();
    void enabledAfterRoll();
    void brokenBank_data();
    void brokenBank();
    void noBet_data();
    void noBet();
    void oneRollSettlement_data();
    void oneRollSettlement();
    void rollClosesTheOneRollPanel();
};

void TestRoll::comeOut_data() {
    QTest::addColumn<int>("face");
    QTest::addColumn<QString>("bankroll");
    QTest::addColumn<QString>("result"); // empty: lblbetresult hidden
    QTest::addColumn<QString>("point");
    QTest::addColumn<QColor>("pointColour");
    QTest::addColumn<QColor>("comeOutColour");

    // Bankroll 90 with a bet of 10 on the table, automatic re-bet on.
    QTest::newRow("one loses, the next bet charged")
        << 1 << "80" << kOneOnComeOut << kNoPoint << colour::PaleBlue << colour::PaleBlue;
    QTest::newRow("six wins one-to-one")
        << 6 << "100" << kSixOnComeOut << kNoPoint << colour::PaleBlue << colour::PaleBlue;
    for (int face = 2; face <= 5; ++face)
        QTest::addRow("%d sets the point", face)
            << face << "90" << QString() << QStringLiteral("Point = %1").arg(face) << colour::Green
            << colour::Blue;
}

void TestRoll::comeOut() {
    QFETCH(int, face);
    QFETCH(QString, bankroll);
    QFETCH(QString, result);
    QFETCH(QString, point);
    QFETCH(QColor, pointColour);
    QFETCH(QColor, comeOutColour);

    TableTest table;
    const TableWidgets& w = table.w();
    QStringList startCaptions;
    for (int n = 2; n <= 5; ++n)
        startCaptions << w.lblodds(n)->caption();
    table.arrange(dollars(90), 10);
    QVERIFY(table.roll(face));

    QCOMPARE(table.t().Bankroll, money(bankroll));
    QCOMPARE(w.lblBankroll->caption(), bankroll);
    QCOMPARE(w.udBet->value(), 10);
    QCOMPARE(table.t().PrevBet, 10);
    QCOMPARE(shown(w.lblbetresult), !result.isEmpty());
    if (!result.isEmpty())
        QCOMPARE(w.lblbetresult->caption(), result);
    QCOMPARE(w.lblpoint->caption(), point);
    QCOMPARE(w.lblpoint->backColor(), pointColour);
    QCOMPARE(w.lblcout(4)->backColor(), comeOutColour);
    QCOMPARE(table.t().BetLost, face == 1);
    QCOMPARE(table.t().BetWon, face == 6);
    QCOMPARE(table.t().PointRolls, std::int16_t(0));
    QCOMPARE(w.picdie->pictureName(), QStringLiteral("imgdie%1.bmp").arg(face));
    QVERIFY(shown(w.picdie));

    const bool pointSet = face >= 2 && face <= 5;
    QCOMPARE(table.t().Point, std::int16_t(pointSet ? face : 0));
    // A decided bet always goes through the re-bet, which here lets it stand.
    QCOMPARE(shown(w.lblrebet), !pointSet);
    if (!pointSet) {
        QCOMPARE(w.lblrebet->caption(),
                 QStringLiteral("Your bankroll reflects the automatic re-bet feature."));
        QCOMPARE(w.lblrebet->backColor(), colour::LavenderBlue);
    }
    for (int n = 2; n <= 5; ++n) {
        const Label* odds = w.lblodds(n);
        QCOMPARE(odds->caption(), n == face ? kTwoToOne : startCaptions.at(n - 2));
        QCOMPARE(odds->backColor(), n == face ? colour::Green : colour::Blue);
        QCOMPARE(odds->fontSpec().size, n == face ? 10.0 : 18.0);
        QVERIFY(odds->fontSpec().bold); // setting the point leaves the bold alone
        if (n == face)
            QCOMPARE(odds->fontSpec().name, QStringLiteral("arial"));
    }
    QCOMPARE(enabledControls(table), pointSet ? kPointOn : kAllEnabled);
}

void TestRoll::pointRolls_data() {
    QTest::addColumn<int>("point");
    QTest::addColumn<QList<int>>("faces"); // the rolls after the point was set
    QTest::addColumn<QString>("bankroll");
    QTest::addColumn<QString>("result"); // empty: lblbetresult hidden
    QTest::addColumn<QString>("odds");   // lblodds(point) caption
    QTest::addColumn<QColor>("colour");  // lblodds(point) and lblpoint back colour
    QTest::addColumn<bool>("won");
    QTest::addColumn<bool>("lost");

    // Bankroll 90 with a bet of 10; the point's chances pay 2, 1 and 2 to one.
    QTest::newRow("made on the first chance")
        << 4 << QList<int>{4} << "110" << kFirst << "4" << colour::PaleBlue << true << false;
    QTest::newRow("made on the second chance")
        << 4 << QList<int>{3, 4} << "100" << kSecond << "4" << colour::PaleBlue << true << false;
    QTest::newRow("made on the third chance")
        << 4 << QList<int>{3, 2, 4} << "110" << kThird << "4" << colour::PaleBlue << true << false;
    QTest::newRow("two made, its odds show 2 again")
        << 2 << QList<int>{2} << "110" << kFirst << "2" << colour::PaleBlue << true << false;
    QTest::newRow("five made on the third chance")
        << 5 << QList<int>{6, 6, 5} << "110" << kThird << "5" << colour::PaleBlue << true << false;
    QTest::newRow("one on the first chance")
        << 4 << QList<int>{1} << "80" << kRollingOne << "4" << colour::PaleBlue << false << true;
    QTest::newRow("one on the third chance is not three tries")
        << 4 << QList<int>{3, 2, 1} << "80" << kRollingOne << "4" << colour::PaleBlue << false
        << true;
    QTest::newRow("three misses lose") << 4 << QList<int>{2, 3, 5} << "80" << kThreeTries << "4"
                                       << colour::PaleBlue << false << true;
    QTest::newRow("three misses on three") << 3 << QList<int>{6, 6, 6} << "80" << kThreeTries << "3"
                                           << colour::PaleBlue << false << true;
    QTest::newRow("one miss: one-to-one on yellow")
        << 4 << QList<int>{3} << "90" << QString() << kOneToOne << colour::Yellow << false << false;
    QTest::newRow("a six is only a miss")
        << 4 << QList<int>{6} << "90" << QString() << kOneToOne << colour::Yellow << false << false;
    QTest::newRow("two misses: two-to-one on red")
        << 4 << QList<int>{3, 2} << "90" << QString() << kTwoToOne << colour::Red << false << false;
}

void TestRoll::pointRolls() {
    QFETCH(int, point);
    QFETCH(QList<int>, faces);
    QFETCH(QString, bankroll);
    QFETCH(QString, result);
    QFETCH(QString, odds);
    QFETCH(QColor, colour);
    QFETCH(bool, won);
    QFETCH(bool, lost);

    TableTest table;
    table.arrange(dollars(90), 10);
    QVERIFY(table.roll(point));
    QVERIFY(rollAll(table, faces));
    const TableWidgets& w = table.w();
    const bool decided = won || lost;

    QCOMPARE(table.t().Bankroll, money(bankroll));
    QCOMPARE(w.lblBankroll->caption(), bankroll);
    // The bet stays on the table for the next series (re-bet on, enough money).
    QCOMPARE(w.udBet->value(), 10);
    QCOMPARE(table.playerMoney(), money(bankroll) + dollars(10));
    QCOMPARE(table.t().BetWon, won);
    QCOMPARE(table.t().BetLost, lost);
    QCOMPARE(shown(w.lblbetresult), !result.isEmpty());
    if (!result.isEmpty())
        QCOMPARE(w.lblbetresult->caption(), result);

    const Label* oddsLabel = w.lblodds(point);
    QCOMPARE(oddsLabel->caption(), odds);
    QCOMPARE(oddsLabel->fontSpec().name, QStringLiteral("arial"));
    QVERIFY(oddsLabel->fontSpec().bold);
    if (decided) {
        QCOMPARE(table.t().Point, std::int16_t(0));
        QCOMPARE(w.lblpoint->caption(), kNoPoint);
        QCOMPARE(w.lblpoint->backColor(), colour::PaleBlue);
        QCOMPARE(w.lblcout(4)->backColor(), colour::PaleBlue);
        QCOMPARE(oddsLabel->backColor(), colour::Blue);
        QCOMPARE(oddsLabel->fontSpec().size, 18.0);
        QCOMPARE(enabledControls(table), kAllEnabled);
    } else {
        QCOMPARE(table.t().Point, std::int16_t(point));
        QCOMPARE(table.t().PointRolls, std::int16_t(faces.size()));
        QCOMPARE(w.lblpoint->caption(), QStringLiteral("Point = %1").arg(point));
        QCOMPARE(w.lblpoint->backColor(), colour);
        QCOMPARE(w.lblcout(4)->backColor(), colour::Blue);
        QCOMPARE(oddsLabel->backColor(), colour);
        QCOMPARE(oddsLabel->fontSpec().size, 10.0);
        QCOMPARE(enabledControls(table), kPointOn);
    }
}

void TestRoll::outcomeFlags_data() {
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<bool>("won");
    QTest::addColumn<bool>("lost");

    // Each roll starts from clear flags, whatever the series before it did.
    QTest::newRow("a win, then a loss") << QList<int>{6, 1} << false << true;
    QTest::newRow("a loss, then a win") << QList<int>{1, 6} << true << false;
    QTest::newRow("a win, then a point") << QList<int>{6, 4} << false << false;
    QTest::newRow("a loss, then a miss") << QList<int>{1, 4, 3} << false << false;
    QTest::newRow("a loss, then the point made") << QList<int>{1, 4, 4} << true << false;
    QTest::newRow("a win, then three misses") << QList<int>{6, 4, 2, 2, 2} << false << true;
}

void TestRoll::outcomeFlags() {
    QFETCH(QList<int>, faces);
    QFETCH(bool, won);
    QFETCH(bool, lost);

    TableTest table;
    table.arrange(dollars(90), 10);
    QVERIFY(rollAll(table, faces));
    QCOMPARE(table.t().BetWon, won);
    QCOMPARE(table.t().BetLost, lost);
}

void TestRoll::enabledAfterRoll_data() {
    QTest::addColumn<bool>("autoRebet");
    QTest::addColumn<QString>("bankroll"); // beside the bet on the table
    QTest::addColumn<int>("bet");
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("info"); // lblinfo caption, empty: hidden
    QTest::addColumn<bool>("gameOver");

    QTest::newRow("point set") << true << "90" << 10 << QList<int>{3} << kPointOn << QString()
                               << false;
    QTest::newRow("point missed once")
        << true << "90" << 10 << QList<int>{3, 2} << kPointOn << QString() << false;
    QTest::newRow("series decided, bet stands")
        << true << "90" << 10 << QList<int>{6} << kAllEnabled << QString() << false;
    QTest::newRow("re-bet cancelled, 10 left")
        << true << "10" << 10 << QList<int>{1} << kAllEnabled << QString() << false;
    QTest::newRow("re-bet cancelled below five: game over")
        << true << "2" << 10 << QList<int>{1} << "mnubankroll" << kDepleted << true;
    QTest::newRow("game over after a point lost")
        << true << "2" << 10 << QList<int>{4, 1} << "mnubankroll" << kDepleted << true;
    // Without the re-bet nothing declares the game over: the bet is off, the roll only
    // warns, and the controls under the five-dollar test are left as they were.
    QTest::newRow("re-bet off, nothing left after a come-out loss")
        << false << "0" << 5 << QList<int>{1} << kAllEnabled << kDepleted << false;
    QTest::newRow("re-bet off, nothing left after a point loss")
        << false << "0" << 5 << QList<int>{4, 1} << "mnubankroll cmdRoll cmdOneRoll" << kDepleted
        << false;
    QTest::newRow("re-bet off, win")
        << false << "0" << 5 << QList<int>{6} << kAllEnabled << QString() << false;
}

void TestRoll::enabledAfterRoll() {
    QFETCH(bool, autoRebet);
    QFETCH(QString, bankroll);
    QFETCH(int, bet);
    QFETCH(QList<int>, faces);
    QFETCH(QString, enabled);
    QFETCH(QString, info);
    QFETCH(bool, gameOver);

    TableTest table;
    if (!autoRebet)
        QVERIFY(table.click(QStringLiteral("mnuAuto")));
    table.arrange(money(bankroll), bet);
    QVERIFY(rollAll(table, faces));
    const TableWidgets& w = table.w();

    QCOMPARE(enabledControls(table), enabled);
    QCOMPARE(shown(w.lblinfo), !info.isEmpty());
    if (!info.isEmpty())
        QCOMPARE(w.lblinfo->caption(), info);
    QCOMPARE(shown(w.lblgameover), gameOver);
    QCOMPARE(table.t().PrevBet, w.udBet->value());
    // What the menus say is what a player can reach.
    QCOMPARE(table.click(QStringLiteral("mnu100")), enabled.contains(u"mnubankroll"));
}

void TestRoll::brokenBank_data() {
    QTest::addColumn<QString>("bankroll");
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("broken");

    // A bet of 10 on the table.
    QTest::newRow("six to 100,001") << "99991" << QList<int>{6} << "100001" << true;
    QTest::newRow("six to exactly 100,000") << "99990" << QList<int>{6} << "100000" << false;
    QTest::newRow("point made to 100,001") << "99981" << QList<int>{4, 4} << "100001" << true;
    QTest::newRow("point made to 100,000") << "99980" << QList<int>{4, 4} << "100000" << false;
    QTest::newRow("far beyond") << "99999" << QList<int>{4, 3, 2, 4} << "100019" << true;
}

void TestRoll::brokenBank() {
    QFETCH(QString, bankroll);
    QFETCH(QList<int>, faces);
    QFETCH(QString, after);
    QFETCH(bool, broken);

    TableTest table;
    table.arrange(money(bankroll), 10);
    QVERIFY(rollAll(table, faces));
    const TableWidgets& w = table.w();

    QCOMPARE(w.lblBankroll->caption(), after);
    QCOMPARE(shown(w.lblinfo), broken);
    if (broken) {
        QCOMPARE(w.lblinfo->caption(), kBroken);
        QCOMPARE(enabledControls(table), QStringLiteral("mnubankroll"));
        QVERIFY(!table.roll(6));
        QCOMPARE(table.w().lblBankroll->caption(), after);
    } else {
        QCOMPARE(enabledControls(table), kAllEnabled);
    }
}

void TestRoll::noBet_data() {
    QTest::addColumn<QString>("setup");

    QTest::newRow("at start") << "start";
    QTest::newRow("a bet of zero after a win with the re-bet off") << "rebet off";
    QTest::newRow("one-roll bets but no main bet") << "one-roll only";
    QTest::newRow("after a winner was left on its holder") << "winner up";
}

void TestRoll::noBet() {
    QFETCH(QString, setup);

    TableTest table;
    const TableWidgets& w = table.w();
    if (setup == u"rebet off") {
        QVERIFY(table.click(QStringLiteral("mnuAuto")));
        table.setBet(10);
        QVERIFY(table.roll(6));
    } else if (setup == u"one-roll only") {
        placeOneRollBets(table, {0, 0, 7, 0, 0, 0});
    } else if (setup == u"winner up") {
        table.setBet(5);
        placeOneRollBets(table, {0, 0, 0, 0, 0, 3});
        QVERIFY(table.roll(6));
        table.setBet(0);
    }
    QCOMPARE(w.udBet->value(), 0);

    // The refused roll shows its message and hides the re-bet notice; all else stays.
    const std::string before = stateJson(*table.window);
    const int draws = table.die.draws;
    QSignalSpy rollClicks(w.cmdRoll, &Button::clicked);
    QVERIFY(table.roll(3));
    QCOMPARE(rollClicks.count(), 1);
    QCOMPARE(table.die.draws, draws);
    QVERIFY(shown(w.lblinfo));
    QCOMPARE(w.lblinfo->caption(), QStringLiteral("You must make a bet."));
    QVERIFY(!shown(w.lblrebet));
    table.die.faces.clear();

    // Put back the two labels the refusal changes and compare everything else.
    const auto parse = [](const std::string& json) {
        return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
    };
    const QJsonObject old = parse(before);
    QJsonObject now = parse(stateJson(*table.window));
    QJsonObject widgets = now.value(u"widgets").toObject();
    for (const char* name : {"lblinfo", "lblrebet"})
        widgets[QLatin1String(name)] = old.value(u"widgets").toObject().value(QLatin1String(name));
    now[QStringLiteral("widgets")] = widgets;
    QCOMPARE(QJsonDocument(now).toJson(QJsonDocument::Compact),
             QJsonDocument(old).toJson(QJsonDocument::Compact));
}

void TestRoll::oneRollSettlement_data() {
    QTest::addColumn<QList<int>>("stakes");  // registered on ONE..SIX
    QTest::addColumn<QList<int>>("earlier"); // rolls made before the one judged
    QTest::addColumn<int>("takeDown");       // a holder clicked before the roll, or 0
    QTest::addColumn<int>("face");
    QTest::addColumn<QString>("bankroll"); // after the roll
    QTest::addColumn<QString>("message");  // lblORinfo, empty: hidden
    QTest::addColumn<QString>("rolled");   // the caption on the rolled number's white holder

    const QString sixWins =
        QStringLiteral("Your one-roll bet on the 6 wins!  Take the bet down by clicking it.");
    // Bankroll 100 and a main bet of 5 (95 left); 25 on three and 10 on six leave 60.
    QTest::newRow("six wins four-to-one, the stake stays up")
        << QList<int>{0, 0, 25, 0, 0, 10} << QList<int>{} << 0 << 6 << "105" << sixWins << "10";
    QTest::newRow("every bet lost")
        << QList<int>{0, 0, 25, 0, 0, 10} << QList<int>{} << 0 << 4 << "60" << kAllLost << "FOUR";
    QTest::newRow("a one loses the bets and the main bet")
        << QList<int>{0, 0, 25, 0, 0, 10} << QList<int>{} << 0 << 1 << "55" << kAllLost << "ONE";
    QTest::newRow("no one-roll bets")
        << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{} << 0 << 2 << "95" << QString() << "TWO";
    QTest::newRow("bets on all six: one wins")
        << QList<int>{1, 2, 3, 4, 5, 6} << QList<int>{} << 0 << 3 << "86"
        << QStringLiteral("Your one-roll bet on the 3 wins!  Take the bet down by clicking it.")
        << "3";
    // A winner left up rides again: 10 on six wins on the first six (95 - 10 + 40 + 5).
    QTest::newRow("a winner left up wins again")
        << QList<int>{0, 0, 0, 0, 0, 10} << QList<int>{6} << 0 << 6 << "175" << sixWins << "10";
    QTest::newRow("a winner left up is lost")
        << QList<int>{0, 0, 0, 0, 0, 10} << QList<int>{6} << 0 << 1 << "125" << kAllLost << "ONE";
    QTest::newRow("a winner taken down does not ride")
        << QList<int>{0, 0, 0, 0, 0, 10} << QList<int>{6} << 6 << 6 << "145" << QString() << "SIX";
}

void TestRoll::oneRollSettlement() {
    QFETCH(QList<int>, stakes);
    QFETCH(QList<int>, earlier);
    QFETCH(int, takeDown);
    QFETCH(int, face);
    QFETCH(QString, bankroll);
    QFETCH(QString, message);
    QFETCH(QString, rolled);

    TableTest table;
    table.setBet(5);
    if (std::any_of(stakes.begin(), stakes.end(), [](int s) { return s > 0; }))
        placeOneRollBets(table, stakes);
    QVERIFY(rollAll(table, earlier));
    if (takeDown != 0)
        QVERIFY(table.click(QStringLiteral("lblOR(%1)").arg(takeDown)));
    QVERIFY(table.roll(face));
    const TableWidgets& w = table.w();

    QCOMPARE(table.t().Bankroll, money(bankroll));
    QCOMPARE(w.lblBankroll->caption(), bankroll);
    QCOMPARE(shown(w.lblORinfo), !message.isEmpty());
    if (!message.isEmpty())
        QCOMPARE(w.lblORinfo->caption(), message);
    QVERIFY(!table.t().ORActive);
    QVERIFY(!table.t().ORWon);
    for (int i = 1; i <= 6; ++i) {
        const Label* holder = w.lblOR(i);
        QCOMPARE(holder->caption(), i == face ? rolled : numberName(i));
        QCOMPARE(holder->backColor(), i == face ? colour::White : colour::Blue);
    }
}

void TestRoll::rollClosesTheOneRollPanel() {
    TableTest table;
    table.setBet(5);
    QVERIFY(table.click(QStringLiteral("cmdOneRoll")));
    QVERIFY(table.up(QStringLiteral("udOneRoll(2)"), 3));
    // A click on a holder lets the player roll with the panel still open.
    QVERIFY(table.click(QStringLiteral("lblOR(1)")));
    QSignalSpy changes2(table.w().udOneRoll(2), &UpDown::changed);
    QSignalSpy changes5(table.w().udOneRoll(5), &UpDown::changed);
    QVERIFY(table.roll(3));
    const TableWidgets& w = table.w();

    // The amounts were never registered: nothing is charged, and they are cleared.
    QCOMPARE(table.t().Bankroll, dollars(95));
    QCOMPARE(changes2.count(), 1);
    QCOMPARE(changes5.count(), 0);
    for (int i = 1; i <= 6; ++i) {
        QCOMPARE(w.udOneRoll(i)->value(), 0);
        QCOMPARE(w.txtOneRoll(i)->text(), QStringLiteral("0"));
        QVERIFY(!shown(w.udOneRoll(i)));
        QVERIFY(!shown(w.txtOneRoll(i)));
        QVERIFY(!shown(w.lblOneRoll(i)));
    }
    QVERIFY(!shown(w.cmdEnterOR));
    QVERIFY(!shown(w.lblORoll));
    QVERIFY(!shown(w.cmdCancelOR));
    QVERIFY(!shown(w.lblinfo));
    QVERIFY(!shown(w.lblORinfo));
    QCOMPARE(enabledControls(table), kPointOn);
}

QTEST_MAIN(TestRoll)
#include "tst_roll.moc"
