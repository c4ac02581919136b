// Taking a winning one-roll bet down: a click on a white holder showing a stake returns the
// stake; every click on a holder hides the one-roll message and, with five dollars or more,
// turns the table back on.

#include "oneroll_play.h"

#include <QTest>

class TestOneRollTakeDown : public QObject {
    Q_OBJECT
private slots:
    void click_data() {
        QTest::addColumn<int>("bankroll");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("returned");
        QTest::addColumn<QString>("holder");
        QTest::addColumn<bool>("revived"); // cmdRoll and cmdOneRoll enabled afterwards
        QTest::addColumn<bool>("udBetEnabled");
        QTest::addColumn<bool>("gameOver");

        const QStringList won5{"click cmdOneRoll", "up udOneRoll(5) 10", "click cmdEnterOR",
                               "roll 5"};
        QTest::newRow("10 won on five, point on")
            << 95 << won5 << 5 << 10 << "FIVE/white" << true << false << false;
        QTest::newRow("second click") << 95 << won5 + QStringList{"click lblOR(5)"} << 5 << 0
                                      << "FIVE/white" << true << false << false;
        QTest::newRow("blue holder beside a winner")
            << 95 << won5 << 2 << 0 << "TWO/blue" << true << false << false;
        QTest::newRow("10 won on six, series decided")
            << 95
            << QStringList{"click cmdOneRoll", "up udOneRoll(6) 10", "click cmdEnterOR", "roll 6"}
            << 6 << 10 << "SIX/white" << true << true << false;
        QTest::newRow("registered, not yet rolled")
            << 95 << QStringList{"click cmdOneRoll", "up udOneRoll(5) 10", "click cmdEnterOR"} << 5
            << 0 << "10/orange" << true << true << false;
        QTest::newRow("rolled number without a bet")
            << 95 << QStringList{"roll 2"} << 2 << 0 << "TWO/white" << true << false << false;
        QTest::newRow("panel open") << 95 << QStringList{"click cmdOneRoll"} << 3 << 0
                                    << "THREE/blue" << true << true << false;
        // Bankroll 1 with a 5-dollar bet: 1 on ONE leaves 0; the one pays 4 and loses the
        // main bet, the re-bet is cancelled and the game is over with 4 dollars.
        const QStringList gameOver{"click cmdOneRoll", "up udOneRoll(1)", "click cmdEnterOR",
                                   "roll 1"};
        QTest::newRow("1-dollar winner ends the game over")
            << 1 << gameOver << 1 << 1 << "ONE/white" << true << true << false;
        QTest::newRow("game over, click beside the winner")
            << 1 << gameOver << 2 << 0 << "TWO/blue" << false << false << true;
        QTest::newRow("game over, second click after the revival")
            << 1 << gameOver + QStringList{"click lblOR(1)"} << 1 << 0 << "ONE/white" << true
            << true << false;
    }
    void click() {
        QFETCH(int, bankroll);
        QFETCH(QStringList, moves);
        QFETCH(int, clicked);
        QFETCH(int, returned);
        QFETCH(QString, holder);
        QFETCH(bool, revived);
        QFETCH(bool, udBetEnabled);
        QFETCH(bool, gameOver);

        TableTest table;
        table.arrange(dollars(bankroll), 5);
        QCOMPARE(play(table, moves), QString());
        const Currency before = table.t().Bankroll;
        const Currency money = table.playerMoney();

        QVERIFY(table.click(QStringLiteral("lblOR(%1)").arg(clicked)));

        const TableWidgets& w = table.w();
        QCOMPARE(table.t().Bankroll, before + dollars(returned));
        QCOMPARE(table.playerMoney(), money);
        QCOMPARE(w.lblBankroll->caption(), table.t().Bankroll.toText());
        const Label* k = w.lblOR(clicked);
        QCOMPARE(k->caption() + u'/' + colourName(k->backColor()), holder);
        QCOMPARE(w.txtOneRoll(clicked)->text(), QStringLiteral("0"));
        QVERIFY(w.lblORinfo->isHidden());
        QCOMPARE(w.cmdRoll->isEnabled(), revived);
        QCOMPARE(w.cmdOneRoll->isEnabled(), revived);
        QCOMPARE(w.udBet->isEnabled(), udBetEnabled);
        QCOMPARE(!w.lblgameover->isHidden(), gameOver);
    }

    // The one-roll message of the roll is on view until any holder is clicked.
    void messageGoesAtAnyClick_data() {
        QTest::addColumn<int>("clicked");
        for (int i = 1; i <= 6; ++i)
            QTest::addRow("lblOR(%d)", i) << i;
    }
    void messageGoesAtAnyClick() {
        QFETCH(int, clicked);
        TableTest table;
        table.setBet(5);
        QCOMPARE(placeOneRollBets(table, {{3, 5}}), QString());
        QVERIFY(table.roll(2));
        QVERIFY(!table.w().lblORinfo->isHidden());
        QCOMPARE(table.w().lblORinfo->caption(), QStringLiteral("All of your one-roll bets lost."));
        const Currency before = table.t().Bankroll;
        QVERIFY(table.click(QStringLiteral("lblOR(%1)").arg(clicked)));
        QVERIFY(table.w().lblORinfo->isHidden());
        QCOMPARE(table.t().Bankroll, before);
    }
};

QTEST_MAIN(TestOneRollTakeDown)
#include "tst_oneroll_takedown.moc"
