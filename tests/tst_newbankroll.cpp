// A new bankroll replaces the old money outright and makes the table ready for a new series,
// from game over, a broken bank, a bet or one-roll bets on the table, or an open panel.

#include "oneroll/holders.h"
#include "support/tabletest.h"
#include "table/colours.h"

#include <QSignalSpy>
#include <QTest>

namespace {

bool shown(const QWidget* widget) {
    return !widget->isHidden();
}

} // namespace

class TestNewBankroll : public QObject {
    Q_OBJECT
private slots:
    void newBankroll_data();
    void newBankroll();
    void notWhileAPointIsOn();
};

void TestNewBankroll::newBankroll_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("amount");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("betOn"); // a bet stands before the command

    const struct {
        const char* item;
        int amount;
        const char* caption;
    } amounts[] = {{"mnu20", 20, "20"},
                   {"mnu100", 100, "100"},
                   {"mnu1000", 1000, "1000"},
                   {"mnu5000", 5000, "5000"}};
    for (const auto& a : amounts)
        QTest::addRow("game over, %s", a.item)
            << "game over" << a.item << a.amount << a.caption << false;
    QTest::newRow("bank broken") << "bank broken"
                                 << "mnu20" << 20 << "20" << true;
    QTest::newRow("bet of 25 on the table, not added") << "bet on"
                                                       << "mnu20" << 20 << "20" << true;
    QTest::newRow("registered one-roll bet, not returned") << "one-roll registered"
                                                           << "mnu1000" << 1000 << "1000" << true;
    QTest::newRow("winner left on its holder, not returned") << "winner up"
                                                             << "mnu100" << 100 << "100" << true;
    QTest::newRow("panel open with amounts") << "panel open"
                                             << "mnu5000" << 5000 << "5000" << true;
    QTest::newRow("the amount the bankroll already has") << "unchanged"
                                                         << "mnu100" << 100 << "100" << false;
}

void TestNewBankroll::newBankroll() {
    QFETCH(QString, setup);
    QFETCH(QString, item);
    QFETCH(int, amount);
    QFETCH(QString, caption);
    QFETCH(bool, betOn);

    TableTest table;
    const TableWidgets& w = table.w();
    if (setup == u"game over") {
        table.arrange(dollars(2), 10);
        QVERIFY(table.roll(1));
        QVERIFY(shown(w.lblgameover));
    } else if (setup == u"bank broken") {
        table.arrange(dollars(99991), 10);
        QVERIFY(table.roll(6));
        QVERIFY(!w.cmdRoll->isEnabled());
    } else if (setup == u"bet on") {
        table.arrange(dollars(75), 25);
    } else if (setup == u"one-roll registered" || setup == u"winner up") {
        table.setBet(5);
        QVERIFY(table.click(QStringLiteral("cmdOneRoll")));
        QVERIFY(table.up(QStringLiteral("udOneRoll(4)"), 10));
        QVERIFY(table.click(QStringLiteral("cmdEnterOR")));
        QCOMPARE(w.lblOR(4)->backColor(), colour::DarkOrange);
        if (setup == u"winner up") {
            QVERIFY(table.roll(4));
            QVERIFY(table.roll(4)); // the point made, the winner rides and wins again
            QCOMPARE(w.lblOR(4)->caption(), QStringLiteral("10"));
            QCOMPARE(w.lblOR(4)->backColor(), colour::White);
        }
    } else if (setup == u"panel open") {
        table.setBet(5);
        QVERIFY(table.roll(6));
        QVERIFY(table.click(QStringLiteral("cmdOneRoll")));
        QVERIFY(table.up(QStringLiteral("udOneRoll(2)"), 7));
        QVERIFY(table.up(QStringLiteral("udOneRoll(6)"), 3));
    }
    QCOMPARE(w.udBet->value() != 0, betOn);
    const bool autoChecked = w.mnuAuto->isChecked();
    const QString point = w.lblpoint->caption();
    const QString picture = w.picdie->pictureName();
    QSignalSpy betChanges(w.udBet, &UpDown::changed);

    QVERIFY(table.click(item));

    QCOMPARE(table.t().Bankroll, dollars(amount));
    QCOMPARE(w.lblBankroll->caption(), caption);
    QCOMPARE(table.playerMoney(), dollars(amount));
    QCOMPARE(w.udBet->value(), 0);
    QCOMPARE(table.t().PrevBet, 0);
    QCOMPARE(w.txtBet->text(), QStringLiteral("0"));
    QCOMPARE(betChanges.count(), betOn ? 1 : 0);
    for (QWidget* hidden :
         {static_cast<QWidget*>(w.lblrebet), static_cast<QWidget*>(w.lblinfo),
          static_cast<QWidget*>(w.cmdCancelOR), static_cast<QWidget*>(w.lblORinfo),
          static_cast<QWidget*>(w.lblbetresult), static_cast<QWidget*>(w.lblgameover),
          static_cast<QWidget*>(w.lblORoll), static_cast<QWidget*>(w.cmdEnterOR)})
        QVERIFY2(!shown(hidden), qPrintable(hidden->objectName()));
    QVERIFY(w.udBet->isEnabled());
    QVERIFY(w.cmdRoll->isEnabled());
    QVERIFY(w.cmdOneRoll->isEnabled());
    QVERIFY(w.mnumax->isEnabled());
    QVERIFY(w.mnuMin->isEnabled());
    for (int i = 1; i <= 6; ++i) {
        QCOMPARE(w.lblOR(i)->caption(), numberName(i));
        QCOMPARE(w.lblOR(i)->backColor(), colour::Blue);
        QCOMPARE(w.udOneRoll(i)->value(), 0);
        QCOMPARE(w.txtOneRoll(i)->text(), QStringLiteral("0"));
        QVERIFY(!shown(w.udOneRoll(i)));
        QVERIFY(!shown(w.txtOneRoll(i)));
        QVERIFY(!shown(w.lblOneRoll(i)));
    }
    // Left as they were: the option, the point display, the die.
    QCOMPARE(w.mnuAuto->isChecked(), autoChecked);
    QCOMPARE(w.lblpoint->caption(), point);
    QCOMPARE(w.picdie->pictureName(), picture);

    // And the game goes on from the new amount.
    table.setBet(10);
    QVERIFY(table.roll(6));
    QCOMPARE(table.t().Bankroll, dollars(amount));
    QCOMPARE(w.udBet->value(), 10);
}

void TestNewBankroll::notWhileAPointIsOn() {
    TableTest table;
    table.arrange(dollars(3), 5);
    QVERIFY(table.roll(4));
    for (const char* item : {"mnu20", "mnu100", "mnu1000", "mnu5000"})
        QVERIFY(!table.click(QLatin1String(item)));
    QCOMPARE(table.t().Bankroll, dollars(3));
    QCOMPARE(table.w().udBet->value(), 5);
    QCOMPARE(table.t().Point, std::int16_t(4));
}

QTEST_MAIN(TestNewBankroll)
#include "tst_newbankroll.moc"
