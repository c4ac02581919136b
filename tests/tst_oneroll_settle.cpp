// Every roll settles the one-roll bets riding on it: a winner pays four times its stake and
// stays up, a loser is gone, and the rolled number is marked white.

#include "oneroll/holders.h"
#include "oneroll_play.h"

#include <QTest>

namespace {

QString winMessage(int number) {
    return QStringLiteral("Your one-roll bet on the %1 wins!  Take the bet down by clicking it.")
        .arg(number);
}
const QString kAllLost = QStringLiteral("All of your one-roll bets lost.");

} // namespace

class TestOneRollSettle : public QObject {
    Q_OBJECT
private slots:
    // The eight ways a holder goes through one roll, on three. The come-out faces 3 and 4
    // both set the point, so only one-roll money moves.
    void holderThroughARoll_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<int>("face");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("paid");
        QTest::addColumn<int>("moneyChange");
        QTest::addColumn<QString>("message"); // empty: lblORinfo hidden

        const QColor blue = colour::Blue, orange = colour::DarkOrange, white = colour::White;
        QTest::newRow("no bet, rolled") << "THREE" << blue << 3 << "THREE/white" << 0 << 0 << "";
        QTest::newRow("no bet, other") << "THREE" << blue << 4 << "THREE/blue" << 0 << 0 << "";
        QTest::newRow("registered, rolled")
            << "20" << orange << 3 << "20/white" << 80 << 80 << winMessage(3);
        QTest::newRow("registered, other")
            << "20" << orange << 4 << "THREE/blue" << 0 << -20 << kAllLost;
        QTest::newRow("winner, rolled again")
            << "20" << white << 3 << "20/white" << 80 << 80 << winMessage(3);
        QTest::newRow("winner, other")
            << "20" << white << 4 << "THREE/blue" << 0 << -20 << kAllLost;
        QTest::newRow("taken down, rolled")
            << "THREE" << white << 3 << "THREE/white" << 0 << 0 << "";
        QTest::newRow("taken down, other") << "THREE" << white << 4 << "THREE/blue" << 0 << 0 << "";
    }
    void holderThroughARoll() {
        QFETCH(QString, caption);
        QFETCH(QColor, back);
        QFETCH(int, face);
        QFETCH(QString, after);
        QFETCH(int, paid);
        QFETCH(int, moneyChange);
        QFETCH(QString, message);

        TableTest table;
        table.arrange(dollars(100), 5);
        table.w().lblOR(3)->setCaption(caption);
        table.w().lblOR(3)->setBackColor(back);
        const Currency money = table.playerMoney();

        QVERIFY(table.roll(face));

        const TableWidgets& w = table.w();
        QCOMPARE(table.t().Bankroll, dollars(100 + paid));
        QCOMPARE(w.lblBankroll->caption(), QString::number(100 + paid));
        QCOMPARE(table.playerMoney(), money + dollars(moneyChange));
        QStringList expected;
        for (int i = 1; i <= 6; ++i)
            expected << (i == 3 ? after
                                : numberName(i) + (i == face ? QStringLiteral("/white")
                                                             : QStringLiteral("/blue")));
        QCOMPARE(board(table), expected.join(u' '));
        QCOMPARE(!w.lblORinfo->isHidden(), !message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(w.lblORinfo->caption(), message);
        QVERIFY(!table.t().ORActive);
        QVERIFY(!table.t().ORWon);
    }

    // Whole rolls with several bets, played from a 5-dollar bet: the one-roll money is
    // settled first and the main bet on top of it.
    void rolls_data() {
        QTest::addColumn<int>("bankroll");
        QTest::addColumn<int>("bet");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("betAfter");
        QTest::addColumn<QString>("holders");
        QTest::addColumn<QString>("message");

        const QStringList two{"click cmdOneRoll", "up udOneRoll(3) 25", "up udOneRoll(6) 10",
                              "click cmdEnterOR"};
        // 95 - 35 = 60 before each roll.
        QTest::newRow("25 on three, 10 on six; six rolled")
            << 95 << 5 << two + QStringList{"roll 6"} << 105 << 5
            << "ONE/blue TWO/blue THREE/blue FOUR/blue FIVE/blue 10/white" << winMessage(6);
        QTest::newRow("the same; four rolled")
            << 95 << 5 << two + QStringList{"roll 4"} << 60 << 5
            << "ONE/blue TWO/blue THREE/blue FOUR/white FIVE/blue SIX/blue" << kAllLost;
        QTest::newRow("the same; one rolled")
            << 95 << 5 << two + QStringList{"roll 1"} << 55 << 5
            << "ONE/white TWO/blue THREE/blue FOUR/blue FIVE/blue SIX/blue" << kAllLost;
        QTest::newRow("no one-roll bets; two rolled")
            << 95 << 5 << QStringList{"roll 2"} << 95 << 5
            << "ONE/blue TWO/white THREE/blue FOUR/blue FIVE/blue SIX/blue"
            << "";
        const QStringList won6{"click cmdOneRoll", "up udOneRoll(6) 10", "click cmdEnterOR",
                               "roll 6"};
        QTest::newRow("a winner left up wins again")
            << 95 << 5 << won6 + QStringList{"roll 6"} << 175 << 5
            << "ONE/blue TWO/blue THREE/blue FOUR/blue FIVE/blue 10/white" << winMessage(6);
        QTest::newRow("a winner left up loses")
            << 95 << 5 << won6 + QStringList{"roll 1"} << 125 << 5
            << "ONE/white TWO/blue THREE/blue FOUR/blue FIVE/blue SIX/blue" << kAllLost;
        QTest::newRow("a winner taken down does not ride")
            << 95 << 5 << won6 + QStringList{"click lblOR(6)", "roll 6"} << 145 << 5
            << "ONE/blue TWO/blue THREE/blue FOUR/blue FIVE/blue SIX/white"
            << "";
        QTest::newRow("a winner withdrawn by opening the panel does not ride")
            << 95 << 5 << won6 + QStringList{"click cmdOneRoll", "click cmdCancelOR", "roll 6"}
            << 145 << 5 << "ONE/blue TWO/blue THREE/blue FOUR/blue FIVE/blue SIX/white"
            << "";
        // 10 with a 10-dollar bet, 5 on one: the one pays 20 before the bet is lost, so 15
        // is left and the re-bet of 10 still stands.
        QTest::newRow("the winnings count for the re-bet")
            << 10 << 10
            << QStringList{"click cmdOneRoll", "up udOneRoll(1) 5", "click cmdEnterOR", "roll 1"}
            << 15 << 10 << "5/white TWO/blue THREE/blue FOUR/blue FIVE/blue SIX/blue"
            << winMessage(1);
    }
    void rolls() {
        QFETCH(int, bankroll);
        QFETCH(int, bet);
        QFETCH(QStringList, moves);
        QFETCH(int, after);
        QFETCH(int, betAfter);
        QFETCH(QString, holders);
        QFETCH(QString, message);

        TableTest table;
        table.arrange(dollars(bankroll), bet);
        QCOMPARE(play(table, moves), QString());
        const TableWidgets& w = table.w();
        QCOMPARE(table.t().Bankroll, dollars(after));
        QCOMPARE(w.lblBankroll->caption(), QString::number(after));
        QCOMPARE(w.udBet->value(), betAfter);
        QCOMPARE(board(table), holders);
        QCOMPARE(!w.lblORinfo->isHidden(), !message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(w.lblORinfo->caption(), message);
    }

    // A roll closes the panel and clears the amounts, whatever state the panel was left in;
    // amounts that were never registered are not bets.
    void rollClosesThePanel_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("holders");

        QTest::newRow("open after the empty-set reminder")
            << QStringList{"click cmdOneRoll", "click cmdEnterOR", "roll 3"} << 95
            << "ONE/blue TWO/blue THREE/white FOUR/blue FIVE/blue SIX/blue";
        QTest::newRow("open with an amount never entered")
            << QStringList{"click cmdOneRoll", "up udOneRoll(4) 7", "click lblOR(1)", "roll 4"}
            << 95 << "ONE/blue TWO/blue THREE/blue FOUR/white FIVE/blue SIX/blue";
        QTest::newRow("spin values left by a registration")
            << QStringList{"click cmdOneRoll", "up udOneRoll(3) 25", "click cmdEnterOR", "roll 2"}
            << 70 << "ONE/blue TWO/white THREE/blue FOUR/blue FIVE/blue SIX/blue";
    }
    void rollClosesThePanel() {
        QFETCH(QStringList, moves);
        QFETCH(int, after);
        QFETCH(QString, holders);

        TableTest table;
        table.setBet(5);
        QCOMPARE(play(table, moves), QString());
        const TableWidgets& w = table.w();
        QCOMPARE(panel(table), QStringLiteral("closed"));
        QVERIFY(w.cmdCancelOR->isHidden());
        QVERIFY(w.lblinfo->isHidden());
        QCOMPARE(amountTexts(table), QStringLiteral("0 0 0 0 0 0"));
        QCOMPARE(amountValues(table), QStringLiteral("0 0 0 0 0 0"));
        QCOMPARE(table.t().Bankroll, dollars(after));
        QCOMPARE(board(table), holders);
    }
};

QTEST_MAIN(TestOneRollSettle)
#include "tst_oneroll_settle.moc"
