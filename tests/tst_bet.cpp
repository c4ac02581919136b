// The main bet: every change charged to or refunded from the bankroll, the over-bet refusal
// with its corrections, Bet max and Bet min.

#include "support/tabletest.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QString kOverBet = QStringLiteral("Your bet cannot be over your bankroll.");

Currency money(const QString& text) {
    Currency amount;
    if (!Currency::fromText(text, &amount))
        qFatal("not an amount: %s", qPrintable(text));
    return amount;
}

// What the table shows while an over-bet box is up.
struct BoxView {
    QString bankrollCaption;
    QString betText;
    bool betEnabled;
    QString bankroll;
};

} // namespace

class TestBet : public QObject {
    Q_OBJECT
private slots:
    void arrows_data();
    void arrows();
    void refusal_data();
    void refusal();
    void betMax_data();
    void betMax();
    void betMin_data();
    void betMin();

private:
    // Checks what every bet change must leave: the bet charged, shown, and consistent.
    static void verifySettled(TableTest& table, int bet, const QString& bankroll);
};

void TestBet::verifySettled(TableTest& table, int bet, const QString& bankroll) {
    const TableWidgets& w = table.w();
    QCOMPARE(w.udBet->value(), bet);
    QCOMPARE(table.t().PrevBet, bet);
    QCOMPARE(w.txtBet->text(), QString::number(bet));
    QCOMPARE(table.t().Bankroll, money(bankroll));
    QCOMPARE(w.lblBankroll->caption(), bankroll);
}

void TestBet::arrows_data() {
    QTest::addColumn<QString>("bankroll"); // beside the bet on the table
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("clicks"); // up when positive, down when negative
    QTest::addColumn<int>("newBet");
    QTest::addColumn<QString>("newBankroll");
    QTest::addColumn<int>("boxes");

    QTest::newRow("up from nothing") << "100" << 0 << 1 << 5 << "95" << 0;
    QTest::newRow("up three times") << "100" << 0 << 3 << 15 << "85" << 0;
    QTest::newRow("down to nothing gives the 5 back") << "95" << 5 << -1 << 0 << "100" << 0;
    QTest::newRow("the whole bankroll") << "5" << 5 << 1 << 10 << "0" << 0;
    QTest::newRow("one step over the money") << "3" << 5 << 1 << 5 << "3" << 1;
    QTest::newRow("minus five goes back by five") << "0" << 5 << 1 << 5 << "0" << 1;
    QTest::newRow("up from a bet off the step") << "0.5" << 12 << 1 << 12 << "0.5" << 1;
    QTest::newRow("stops at 500") << "100" << 500 << 1 << 500 << "100" << 0;
    QTest::newRow("stops at 0") << "100" << 0 << -1 << 0 << "100" << 0;
}

void TestBet::arrows() {
    QFETCH(QString, bankroll);
    QFETCH(int, bet);
    QFETCH(int, clicks);
    QFETCH(int, newBet);
    QFETCH(QString, newBankroll);
    QFETCH(int, boxes);

    TableTest table;
    const TableWidgets& w = table.w();
    table.arrange(money(bankroll), bet);
    // Any change of the bet clears the information label and the one-roll Cancel button.
    w.lblinfo->setVisible(true);
    w.cmdCancelOR->setVisible(true);
    QSignalSpy changes(w.udBet, &UpDown::changed);

    if (clicks > 0)
        QVERIFY(table.up(QStringLiteral("udBet"), clicks));
    else
        QVERIFY(table.down(QStringLiteral("udBet"), -clicks));

    verifySettled(table, newBet, newBankroll);
    QCOMPARE(table.messages.shown, QStringList(boxes, kOverBet));
    QVERIFY(w.udBet->isEnabled());
    const bool changed = !changes.isEmpty();
    QCOMPARE(changed, newBet != bet || boxes > 0);
    QCOMPARE(!w.lblinfo->isHidden(), !changed);
    QCOMPARE(!w.cmdCancelOR->isHidden(), !changed);
}

void TestBet::refusal_data() {
    QTest::addColumn<QString>("bankroll"); // beside the bet on the table
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("assigned"); // set in code, as Bet max does
    QTest::addColumn<bool>("pointOn");
    QTest::addColumn<QStringList>("bankrollsWhileShown");
    QTest::addColumn<int>("newBet");
    QTest::addColumn<QString>("newBankroll");

    QTest::newRow("one box, back by five")
        << "3" << 5 << 10 << false << QStringList{"-2"} << 5 << "3";
    QTest::newRow("exactly minus five: back by five")
        << "0" << 0 << 5 << false << QStringList{"-5"} << 0 << "0";
    QTest::newRow("below minus five: back by ten")
        << "4" << 0 << 10 << false << QStringList{"-6"} << 0 << "4";
    QTest::newRow("a fraction below minus five: back by ten")
        << "12.5" << 0 << 20 << false << QStringList{"-7.5"} << 10 << "2.5";
    QTest::newRow("far over: nested corrections by ten")
        << "10" << 0 << 40 << false << QStringList{"-30", "-20", "-10"} << 10 << "0";
    QTest::newRow("tens then a five")
        << "7" << 0 << 30 << false << QStringList{"-23", "-13", "-3"} << 5 << "2";
    QTest::newRow("with a point on the bet stays locked")
        << "10" << 10 << 40 << true << QStringList{"-20", "-10"} << 20 << "0";
}

void TestBet::refusal() {
    QFETCH(QString, bankroll);
    QFETCH(int, bet);
    QFETCH(int, assigned);
    QFETCH(bool, pointOn);
    QFETCH(QStringList, bankrollsWhileShown);
    QFETCH(int, newBet);
    QFETCH(QString, newBankroll);

    TableTest table;
    const TableWidgets& w = table.w();
    table.arrange(money(bankroll), bet);
    if (pointOn) {
        QVERIFY(table.roll(4));
        QVERIFY(!w.udBet->isEnabled());
    }
    QList<BoxView> views;
    table.messages.whileShown = [&](const QString&) {
        views.append({w.lblBankroll->caption(), w.txtBet->text(), w.udBet->isEnabled(),
                      table.t().Bankroll.toText()});
    };
    QSignalSpy changes(w.udBet, &UpDown::changed);

    w.udBet->setValue(assigned);

    // One box per correction, each over a blank bankroll and bet and a disabled bet control.
    QCOMPARE(table.messages.shown, QStringList(bankrollsWhileShown.size(), kOverBet));
    QCOMPARE(views.size(), bankrollsWhileShown.size());
    for (qsizetype i = 0; i < views.size(); ++i) {
        QCOMPARE(views[i].bankrollCaption, QString());
        QCOMPARE(views[i].betText, QString());
        QVERIFY(!views[i].betEnabled);
        QCOMPARE(views[i].bankroll, bankrollsWhileShown[i]);
    }
    QCOMPARE(changes.count(), bankrollsWhileShown.size() + 1);
    QCOMPARE(table.t().MsgAnswer, 1);
    verifySettled(table, newBet, newBankroll);
    QCOMPARE(w.udBet->isEnabled(), !pointOn);
}

void TestBet::betMax_data() {
    QTest::addColumn<QString>("bankroll"); // beside the bet on the table
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("newBet");
    QTest::addColumn<QString>("newBankroll");
    QTest::addColumn<int>("boxes");

    QTest::newRow("95 and 5 on the table") << "95" << 5 << 100 << "0" << 0;
    QTest::newRow("more than 500") << "4995" << 5 << 500 << "4500" << 0;
    QTest::newRow("exactly 500") << "500" << 0 << 500 << "0" << 0;
    QTest::newRow("123, off the arrows' step") << "123" << 0 << 123 << "0" << 0;
    QTest::newRow("123 counting the bet") << "118" << 5 << 123 << "0" << 0;
    QTest::newRow("12.5: the half stays in the bankroll") << "12.5" << 0 << 12 << "0.5" << 0;
    QTest::newRow("3.5 goes down to 3, not to the even 4") << "3.5" << 0 << 3 << "0.5" << 0;
    QTest::newRow("0.5 leaves no bet") << "0.5" << 0 << 0 << "0.5" << 0;
    QTest::newRow("12.7 rounds up and is refused") << "12.7" << 0 << 8 << "4.7" << 1;
    QTest::newRow("all the money already on the table") << "0" << 50 << 50 << "0" << 0;
}

void TestBet::betMax() {
    QFETCH(QString, bankroll);
    QFETCH(int, bet);
    QFETCH(int, newBet);
    QFETCH(QString, newBankroll);
    QFETCH(int, boxes);

    TableTest table;
    table.arrange(money(bankroll), bet);
    QVERIFY(table.click(QStringLiteral("mnumax")));
    verifySettled(table, newBet, newBankroll);
    QCOMPARE(table.messages.shown, QStringList(boxes, kOverBet));
    QVERIFY(table.w().udBet->isEnabled());
}

void TestBet::betMin_data() {
    QTest::addColumn<QString>("bankroll"); // beside the bet on the table
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("newBet");
    QTest::addColumn<QString>("newBankroll");

    QTest::newRow("50 on the table") << "50" << 50 << 5 << "95";
    QTest::newRow("no bet yet") << "100" << 0 << 5 << "95";
    QTest::newRow("exactly 5 on the table") << "0" << 5 << 5 << "0";
    QTest::newRow("exactly 5 in the bankroll") << "5" << 0 << 5 << "0";
    QTest::newRow("4 available: nothing") << "4" << 0 << 0 << "4";
    QTest::newRow("4.5 available: nothing") << "4.5" << 0 << 0 << "4.5";
    QTest::newRow("a bet off the step") << "0" << 123 << 5 << "118";
}

void TestBet::betMin() {
    QFETCH(QString, bankroll);
    QFETCH(int, bet);
    QFETCH(int, newBet);
    QFETCH(QString, newBankroll);

    TableTest table;
    table.arrange(money(bankroll), bet);
    QSignalSpy changes(table.w().udBet, &UpDown::changed);
    QVERIFY(table.click(QStringLiteral("mnuMin")));
    verifySettled(table, newBet, newBankroll);
    QCOMPARE(changes.count(), newBet == bet ? 0 : 1);
    QVERIFY(table.messages.shown.isEmpty());
}

QTEST_MAIN(TestBet)
#include "tst_bet.moc"
