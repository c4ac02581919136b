// "Enter Bets": the amounts go onto their holders and out of the bankroll at once, a set that
// costs more than the bankroll is refused with a message box, and an empty set is answered
// with a reminder.

#include "oneroll_play.h"

#include <QTest>

namespace {

const QString kTooMuch = QStringLiteral("Lower your bet. Bankroll insufficient.");
const QString kDepleted =
    QStringLiteral("Your bankroll is depleted.  Get a new bankroll by clicking above.");

// A table with the bankroll and a 5-dollar main bet; with a point, a come-out 4 sets it.
void prepare(TableTest& table, int bankroll, bool point) {
    table.arrange(dollars(bankroll), 5);
    if (point)
        QVERIFY(table.roll(4));
    QCOMPARE(table.t().Point, point ? 4 : 0);
}

} // namespace

class TestOneRollRegister : public QObject {
    Q_OBJECT
private slots:
    void enterBets_data() {
        QTest::addColumn<int>("bankroll");
        QTest::addColumn<bool>("point");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("holders");
        QTest::addColumn<QString>("info"); // empty: lblinfo hidden
        QTest::addColumn<bool>("udBetEnabled");

        const QString placed = QStringLiteral("ONE/blue TWO/blue 25/orange FOUR/blue FIVE/blue "
                                              "10/orange");
        // 25 on three and 10 on six: 35 dollars.
        QTest::newRow("below the bankroll") << 100 << false << false << 65 << placed << "" << true;
        QTest::newRow("below, point on") << 100 << true << false << 65 << placed << "" << false;
        QTest::newRow("equal to the bankroll")
            << 35 << false << false << 0 << placed << kDepleted << true;
        QTest::newRow("equal, point on") << 35 << true << false << 0 << placed << "" << false;
        QTest::newRow("one dollar above") << 34 << false << true << 34 << kNoBets << "" << true;
        QTest::newRow("one dollar above, point on")
            << 34 << true << true << 34 << kNoBets << "" << false;
    }
    void enterBets() {
        QFETCH(int, bankroll);
        QFETCH(bool, point);
        QFETCH(bool, refused);
        QFETCH(int, after);
        QFETCH(QString, holders);
        QFETCH(QString, info);
        QFETCH(bool, udBetEnabled);

        TableTest table;
        prepare(table, bankroll, point);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(play(table, {"click cmdOneRoll", "up udOneRoll(3) 25", "up udOneRoll(6) 10"}),
                 QString());
        QStringList behindTheBox;
        table.messages.whileShown = [&table, &behindTheBox](const QString&) {
            behindTheBox << table.w().lblBankroll->caption() << table.w().txtBet->text();
        };

        QVERIFY(table.click(QStringLiteral("cmdEnterOR")));

        const TableWidgets& w = table.w();
        QCOMPARE(table.messages.shown, refused ? QStringList{kTooMuch} : QStringList{});
        // While the refusal is up, the bankroll and the bet box are blank.
        const QStringList blank(2, QString());
        QCOMPARE(behindTheBox, refused ? blank : QStringList{});
        QCOMPARE(table.t().Bankroll, dollars(after));
        QCOMPARE(w.lblBankroll->caption(), QString::number(after));
        QCOMPARE(w.txtBet->text(), QStringLiteral("5"));
        QCOMPARE(w.udBet->value(), 5);
        QCOMPARE(board(table), holders);
        QCOMPARE(!w.lblinfo->isHidden(), !info.isEmpty());
        if (!info.isEmpty())
            QCOMPARE(w.lblinfo->caption(), info);
        QVERIFY(w.cmdCancelOR->isHidden());
        QVERIFY(w.lblgameover->isHidden());
        QCOMPARE(w.udBet->isEnabled(), udBetEnabled);
        // Refused: the panel stays open with the amounts back at 0 and nothing may be rolled.
        // Registered: the panel closes; the spin values stay until the next roll.
        QCOMPARE(panel(table), refused ? QStringLiteral("open") : QStringLiteral("closed"));
        QCOMPARE(w.cmdRoll->isEnabled(), !refused);
        QCOMPARE(w.cmdOneRoll->isEnabled(), !refused);
        QCOMPARE(amountTexts(table), QStringLiteral("0 0 0 0 0 0"));
        QCOMPARE(amountValues(table),
                 refused ? QStringLiteral("0 0 0 0 0 0") : QStringLiteral("0 0 25 0 0 10"));
        QCOMPARE(table.playerMoney(), dollars(bankroll + 5));
    }

    void emptySet_data() {
        QTest::addColumn<int>("bankroll");
        QTest::addColumn<bool>("point");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<bool>("revived");
        QTest::addColumn<bool>("udBetEnabled");

        QTest::newRow("nothing touched") << 95 << false << QStringList{} << true << true;
        QTest::newRow("point on") << 95 << true << QStringList{} << true << false;
        QTest::newRow("amounts set back to 0")
            << 95 << false << QStringList{"up udOneRoll(2) 3", "down udOneRoll(2) 3"} << true
            << true;
        QTest::newRow("bankroll exactly 5") << 5 << false << QStringList{} << true << true;
        QTest::newRow("bankroll 4") << 4 << false << QStringList{} << false << true;
        QTest::newRow("bankroll 4, point on") << 4 << true << QStringList{} << false << false;
    }
    void emptySet() {
        QFETCH(int, bankroll);
        QFETCH(bool, point);
        QFETCH(QStringList, moves);
        QFETCH(bool, revived);
        QFETCH(bool, udBetEnabled);

        TableTest table;
        prepare(table, bankroll, point);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(table.click(QStringLiteral("cmdOneRoll")));
        QCOMPARE(play(table, moves), QString());
        QVERIFY(table.click(QStringLiteral("cmdEnterOR")));

        const TableWidgets& w = table.w();
        QCOMPARE(table.messages.shown, QStringList{});
        QVERIFY(!w.lblinfo->isHidden());
        QCOMPARE(w.lblinfo->caption(), QStringLiteral("You failed to enter any one-roll bets!"));
        QVERIFY(!w.cmdCancelOR->isHidden());
        QCOMPARE(panel(table), QStringLiteral("open"));
        QCOMPARE(table.t().Bankroll, dollars(bankroll));
        QCOMPARE(w.lblBankroll->caption(), QString::number(bankroll));
        QCOMPARE(board(table), kNoBets);
        QCOMPARE(w.cmdRoll->isEnabled(), revived);
        QCOMPARE(w.cmdOneRoll->isEnabled(), revived);
        QCOMPARE(w.udBet->isEnabled(), udBetEnabled);
    }
};

QTEST_MAIN(TestOneRollRegister)
#include "tst_oneroll_register.moc"
