// The one-roll entry panel: opening it takes every standing one-roll bet down, the prompt and
// the Cancel button last until the first change of an amount, and Cancel leaves no bet.

#include "oneroll_play.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

namespace {

const QString kPrompt = QStringLiteral("Enter amounts for one-roll bets");
const QString kNothingEntered = QStringLiteral("You failed to enter any one-roll bets!");

} // namespace

class TestOneRollPanel : public QObject {
    Q_OBJECT
private slots:
    void opening_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("returned");
        QTest::addColumn<int>("spinChanges");
        QTest::addColumn<bool>("prompt");

        QTest::newRow("nothing standing") << QStringList{} << 0 << 0 << true;
        QTest::newRow("registered 25 on three")
            << QStringList{"click cmdOneRoll", "up udOneRoll(3) 25", "click cmdEnterOR"} << 25 << 1
            << false;
        QTest::newRow("registered on three and six")
            << QStringList{"click cmdOneRoll", "up udOneRoll(3) 25", "up udOneRoll(6) 60",
                           "click cmdEnterOR"}
            << 85 << 2 << false;
        QTest::newRow("10 won on five, point on")
            << QStringList{"click cmdOneRoll", "up udOneRoll(5) 10", "click cmdEnterOR", "roll 5"}
            << 10 << 0 << true;
        QTest::newRow("10 won on six, series decided")
            << QStringList{"click cmdOneRoll", "up udOneRoll(6) 10", "click cmdEnterOR", "roll 6"}
            << 10 << 0 << true;
        QTest::newRow("rolled number without a bet") << QStringList{"roll 2"} << 0 << 0 << true;
        QTest::newRow("taken down already")
            << QStringList{"click cmdOneRoll", "up udOneRoll(5) 10", "click cmdEnterOR", "roll 5",
                           "click lblOR(5)"}
            << 0 << 0 << true;
        QTest::newRow("reopened, nothing entered, cancelled")
            << QStringList{"click cmdOneRoll", "up udOneRoll(3) 25", "click cmdEnterOR",
                           "click cmdOneRoll", "click cmdEnterOR",   "click cmdCancelOR"}
            << 0 << 0 << true;
        QTest::newRow("still open after an empty set")
            << QStringList{"click cmdOneRoll", "click cmdEnterOR"} << 0 << 0 << true;
    }
    void opening() {
        QFETCH(QStringList, before);
        QFETCH(int, returned);
        QFETCH(int, spinChanges);
        QFETCH(bool, prompt);

        TableTest table;
        table.setBet(5);
        QCOMPARE(play(table, before), QString());
        const Currency bankroll = table.t().Bankroll;
        const Currency money = table.playerMoney();
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int i = 1; i <= 6; ++i)
            spies.push_back(std::make_unique<QSignalSpy>(table.w().udOneRoll(i), &UpDown::changed));

        QVERIFY(table.click(QStringLiteral("cmdOneRoll")));

        int changes = 0;
        for (const auto& spy : spies)
            changes += static_cast<int>(spy->count());
        QCOMPARE(changes, spinChanges);
        // Every stake comes back exactly once: the player's money does not move.
        QCOMPARE(table.t().Bankroll, bankroll + dollars(returned));
        QCOMPARE(table.playerMoney(), money);
        const TableWidgets& w = table.w();
        QCOMPARE(w.lblBankroll->caption(), table.t().Bankroll.toText());
        QCOMPARE(board(table), kNoBets);
        QCOMPARE(panel(table), QStringLiteral("open"));
        QCOMPARE(amountTexts(table), QStringLiteral("0 0 0 0 0 0"));
        QCOMPARE(amountValues(table), QStringLiteral("0 0 0 0 0 0"));
        QVERIFY(!w.cmdRoll->isEnabled());
        QVERIFY(!w.cmdOneRoll->isEnabled());
        QVERIFY(w.lblORinfo->isHidden());
        QVERIFY(w.lblrebet->isHidden());
        QCOMPARE(!w.lblinfo->isHidden(), prompt);
        QCOMPARE(!w.cmdCancelOR->isHidden(), prompt);
        QCOMPARE(w.lblinfo->caption(), kPrompt);

        // A second opening cannot happen until the panel has been dealt with.
        QVERIFY(!table.click(QStringLiteral("cmdOneRoll")));
        QVERIFY(!table.click(QStringLiteral("cmdRoll")));
        QCOMPARE(table.t().Bankroll, bankroll + dollars(returned));
    }

    // The prompt in lblinfo and the Cancel button go at the first change of an amount (or of
    // the main bet) and come back only with the empty-set reminder.
    void promptAndCancel_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("info");

        QTest::newRow("untouched") << QStringList{} << true << kPrompt;
        QTest::newRow("one step up") << QStringList{"up udOneRoll(1)"} << false << kPrompt;
        QTest::newRow("up and back to 0")
            << QStringList{"up udOneRoll(2)", "down udOneRoll(2)"} << false << kPrompt;
        QTest::newRow("down at 0 changes nothing")
            << QStringList{"down udOneRoll(4)", "down udOneRoll(4)"} << true << kPrompt;
        QTest::newRow("main bet changed") << QStringList{"up udBet"} << false << kPrompt;
        QTest::newRow("empty set entered")
            << QStringList{"up udOneRoll(2)", "down udOneRoll(2)", "click cmdEnterOR"} << true
            << kNothingEntered;
        QTest::newRow("changed after the empty set")
            << QStringList{"click cmdEnterOR", "up udOneRoll(6)"} << false << kNothingEntered;
        QTest::newRow("set refused")
            << QStringList{"up udOneRoll(1) 100", "click cmdEnterOR"} << false << kPrompt;
    }
    void promptAndCancel() {
        QFETCH(QStringList, moves);
        QFETCH(bool, shown);
        QFETCH(QString, info);

        TableTest table;
        table.arrange(dollars(50), 5);
        QVERIFY(table.click(QStringLiteral("cmdOneRoll")));
        QCOMPARE(play(table, moves), QString());
        QCOMPARE(!table.w().lblinfo->isHidden(), shown);
        QCOMPARE(!table.w().cmdCancelOR->isHidden(), shown);
        QCOMPARE(table.w().lblinfo->caption(), info);
    }

    // The arrows write their own box only, stop at 0 and 100, and the box already shows the
    // new amount when the change is reported.
    void amounts_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("amounts");
        QTest::addColumn<int>("changes");

        QTest::newRow("one step up") << QStringList{"up udOneRoll(3)"} << "0 0 1 0 0 0" << 1;
        QTest::newRow("stops at 100")
            << QStringList{"up udOneRoll(1) 103"} << "100 0 0 0 0 0" << 100;
        QTest::newRow("stops at 0") << QStringList{"down udOneRoll(6) 3"} << "0 0 0 0 0 0" << 0;
        QTest::newRow("each number its own")
            << QStringList{"up udOneRoll(2) 7", "up udOneRoll(5) 3", "down udOneRoll(2) 2"}
            << "0 5 0 0 3 0" << 12;
    }
    void amounts() {
        QFETCH(QStringList, moves);
        QFETCH(QString, amounts);
        QFETCH(int, changes);

        TableTest table;
        QVERIFY(table.click(QStringLiteral("cmdOneRoll")));
        int reported = 0;
        QStringList stale;
        for (int i = 1; i <= 6; ++i) {
            UpDown* spin = table.w().udOneRoll(i);
            TextBox* box = table.w().txtOneRoll(i);
            connect(spin, &UpDown::changed, this, [&reported, &stale, spin, box] {
                ++reported;
                if (box->text() != QString::number(spin->value()))
                    stale << box->text();
            });
        }
        QCOMPARE(play(table, moves), QString());
        QCOMPARE(amountValues(table), amounts);
        QCOMPARE(amountTexts(table), amounts);
        QCOMPARE(reported, changes);
        QCOMPARE(stale, QStringList());
        QCOMPARE(table.t().Bankroll, dollars(100)); // nothing is charged before "Enter Bets"
    }

    void cancel_data() {
        QTest::addColumn<int>("bankroll");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<bool>("delivered");
        QTest::addColumn<bool>("infoShown");
        QTest::addColumn<QString>("info");

        QTest::newRow("right after opening")
            << 95 << QStringList{"click cmdOneRoll"} << true << true << kPrompt;
        QTest::newRow("after the empty-set reminder")
            << 95 << QStringList{"click cmdOneRoll", "click cmdEnterOR"} << true << true
            << kNothingEntered;
        QTest::newRow("bankroll below 5")
            << 3 << QStringList{"click cmdOneRoll"} << true << true << kPrompt;
        QTest::newRow("after a bet was taken back")
            << 95
            << QStringList{"click cmdOneRoll", "up udOneRoll(4) 30", "click cmdEnterOR", "roll 4",
                           "click cmdOneRoll"}
            << true << true << kPrompt;
        QTest::newRow("not offered after a change")
            << 95 << QStringList{"click cmdOneRoll", "up udOneRoll(1)"} << false << false
            << kPrompt;
        QTest::newRow("not offered when reopened after a registration")
            << 95
            << QStringList{"click cmdOneRoll", "up udOneRoll(3) 25", "click cmdEnterOR",
                           "click cmdOneRoll"}
            << false << false << kPrompt;
    }
    void cancel() {
        QFETCH(int, bankroll);
        QFETCH(QStringList, moves);
        QFETCH(bool, delivered);
        QFETCH(bool, infoShown);
        QFETCH(QString, info);

        TableTest table;
        table.arrange(dollars(bankroll), 5);
        QCOMPARE(play(table, moves), QString());
        const Currency before = table.t().Bankroll;
        const QString shownBefore = table.w().lblBankroll->caption();

        QCOMPARE(table.click(QStringLiteral("cmdCancelOR")), delivered);
        const TableWidgets& w = table.w();
        QCOMPARE(table.t().Bankroll, before);
        QCOMPARE(w.lblBankroll->caption(), shownBefore);
        QCOMPARE(board(table), kNoBets);
        QCOMPARE(!w.lblinfo->isHidden(), infoShown);
        QCOMPARE(w.lblinfo->caption(), info);
        if (!delivered) {
            QCOMPARE(panel(table), QStringLiteral("open"));
            return;
        }
        QCOMPARE(panel(table), QStringLiteral("closed"));
        QVERIFY(w.cmdCancelOR->isHidden());
        QVERIFY(w.cmdRoll->isEnabled());
        QVERIFY(w.cmdOneRoll->isEnabled());
        QCOMPARE(amountTexts(table), QStringLiteral("0 0 0 0 0 0"));
        QCOMPARE(amountValues(table), QStringLiteral("0 0 0 0 0 0"));
    }
};

QTEST_MAIN(TestOneRollPanel)
#include "tst_oneroll_panel.moc"
