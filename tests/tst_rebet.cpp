// The automatic re-bet after a decided series: the bet stands, is cancelled for want of
// money (down to game over), or, with the option off, comes off the table.

#include "support/tabletest.h"
#include "table/colours.h"

#include <QTest>

namespace {

const QString kStands = QStringLiteral("Your bankroll reflects the automatic re-bet feature.");
const QString kCancelled = QStringLiteral("Automatic re-bet cancelled. Bankroll is low.");
const QString kDisabled = QStringLiteral("Automatic re-bet is disabled.");
const QString kDepleted =
    QStringLiteral("Your bankroll is depleted.  Get a new bankroll by clicking above.");

Currency money(const QString& text) {
    Currency amount;
    if (!Currency::fromText(text, &amount))
        qFatal("not an amount: %s", qPrintable(text));
    return amount;
}

bool shown(const QWidget* widget) {
    return !widget->isHidden();
}

} // namespace

class TestRebet : public QObject {
    Q_OBJECT
private slots:
    void outcome_data();
    void outcome();
    void disabledKeepsTheNoticeColour();
    void optionSwitch_data();
    void optionSwitch();
};

void TestRebet::outcome_data() {
    QTest::addColumn<bool>("autoRebet");
    QTest::addColumn<QString>("bankroll"); // beside the bet on the table
    QTest::addColumn<int>("bet");
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<QString>("newBankroll");
    QTest::addColumn<int>("newBet");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QColor>("noticeColour");
    QTest::addColumn<QString>("info"); // lblinfo, empty: hidden
    QTest::addColumn<bool>("gameOver");

    const QColor lavender = colour::LavenderBlue;
    const QColor red = colour::Red;
    QTest::newRow("on: a win stands") << true << "90" << 10 << QList<int>{6} << "100" << 10
                                      << kStands << lavender << QString() << false;
    QTest::newRow("on: a point made stands") << true << "90" << 10 << QList<int>{4, 4} << "110"
                                             << 10 << kStands << lavender << QString() << false;
    QTest::newRow("on: a loss stands, the next bet charged")
        << true << "90" << 10 << QList<int>{1} << "80" << 10 << kStands << lavender << QString()
        << false;
    QTest::newRow("on: a loss leaving exactly one more bet stands")
        << true << "20" << 10 << QList<int>{4, 2, 3, 5} << "10" << 10 << kStands << lavender
        << QString() << false;
    QTest::newRow("on: a loss leaving nothing is cancelled")
        << true << "10" << 10 << QList<int>{1} << "10" << 0 << kCancelled << red << QString()
        << false;
    QTest::newRow("on: a loss leaving one short is cancelled")
        << true << "19" << 10 << QList<int>{4, 1} << "19" << 0 << kCancelled << red << QString()
        << false;
    QTest::newRow("on: cancelled below five is game over")
        << true << "2" << 10 << QList<int>{1} << "2" << 0 << kCancelled << red << kDepleted << true;
    QTest::newRow("on: cancelled with exactly five goes on")
        << true << "5" << 10 << QList<int>{1} << "5" << 0 << kCancelled << red << QString()
        << false;
    QTest::newRow("off: a win comes off once") << false << "90" << 10 << QList<int>{6} << "110" << 0
                                               << kDisabled << lavender << QString() << false;
    QTest::newRow("off: a point made on the first chance comes off")
        << false << "90" << 10 << QList<int>{4, 4} << "120" << 0 << kDisabled << lavender
        << QString() << false;
    QTest::newRow("off: a loss gives the charged bet back")
        << false << "90" << 10 << QList<int>{1} << "90" << 0 << kDisabled << lavender << QString()
        << false;
    QTest::newRow("off: three misses give the charged bet back")
        << false << "90" << 10 << QList<int>{4, 2, 3, 5} << "90" << 0 << kDisabled << lavender
        << QString() << false;
    // With the option off there is no game over, only the roll's warning.
    QTest::newRow("off: a loss leaving nothing") << false << "0" << 5 << QList<int>{1} << "0" << 0
                                                 << kDisabled << lavender << kDepleted << false;
}

void TestRebet::outcome() {
    QFETCH(bool, autoRebet);
    QFETCH(QString, bankroll);
    QFETCH(int, bet);
    QFETCH(QList<int>, faces);
    QFETCH(QString, newBankroll);
    QFETCH(int, newBet);
    QFETCH(QString, notice);
    QFETCH(QColor, noticeColour);
    QFETCH(QString, info);
    QFETCH(bool, gameOver);

    TableTest table;
    const TableWidgets& w = table.w();
    if (!autoRebet)
        QVERIFY(table.click(QStringLiteral("mnuAuto")));
    QCOMPARE(w.mnuAuto->isChecked(), autoRebet);
    table.arrange(money(bankroll), bet);
    for (int face : faces)
        QVERIFY(table.roll(face));

    QCOMPARE(table.t().Bankroll, money(newBankroll));
    QCOMPARE(w.lblBankroll->caption(), newBankroll);
    QCOMPARE(w.udBet->value(), newBet);
    QCOMPARE(table.t().PrevBet, newBet);
    QCOMPARE(w.txtBet->text(), QString::number(newBet));
    QCOMPARE(table.playerMoney(), money(newBankroll) + dollars(newBet));
    QVERIFY(shown(w.lblrebet));
    QCOMPARE(w.lblrebet->caption(), notice);
    QCOMPARE(w.lblrebet->backColor(), noticeColour);
    QCOMPARE(shown(w.lblinfo), !info.isEmpty());
    if (!info.isEmpty())
        QCOMPARE(w.lblinfo->caption(), info);
    QCOMPARE(shown(w.lblgameover), gameOver);
    QCOMPARE(w.cmdRoll->isEnabled(), !gameOver);
    QCOMPARE(w.cmdOneRoll->isEnabled(), !gameOver);
    QCOMPARE(w.udBet->isEnabled(), !gameOver);
    QCOMPARE(w.mnumax->isEnabled(), !gameOver);
    QCOMPARE(w.mnuMin->isEnabled(), !gameOver);
    QVERIFY(w.mnubankroll->isEnabled());
    QVERIFY(table.messages.shown.isEmpty());
}

void TestRebet::disabledKeepsTheNoticeColour() {
    TableTest table;
    const TableWidgets& w = table.w();
    table.arrange(dollars(10), 10);
    QVERIFY(table.roll(1)); // cancelled: red
    QCOMPARE(w.lblrebet->backColor(), colour::Red);
    QVERIFY(table.click(QStringLiteral("mnuAuto")));
    table.setBet(5);
    QVERIFY(table.roll(6));
    QCOMPARE(w.lblrebet->caption(), kDisabled);
    QCOMPARE(w.lblrebet->backColor(), colour::Red);
    QCOMPARE(table.t().Bankroll, dollars(15));
}

void TestRebet::optionSwitch_data() {
    QTest::addColumn<int>("switches");
    QTest::addColumn<bool>("checked");

    QTest::newRow("never") << 0 << true;
    QTest::newRow("once") << 1 << false;
    QTest::newRow("twice") << 2 << true;
    QTest::newRow("three times") << 3 << false;
}

void TestRebet::optionSwitch() {
    QFETCH(int, switches);
    QFETCH(bool, checked);

    TableTest table;
    const TableWidgets& w = table.w();
    table.arrange(dollars(90), 10);
    QVERIFY(table.roll(1));
    const QString caption = w.lblrebet->caption();

    for (int i = 0; i < switches; ++i)
        QVERIFY(table.click(QStringLiteral("mnuAuto")));

    // The switch changes only the check mark; the notice waits for the next series.
    QCOMPARE(w.mnuAuto->isChecked(), checked);
    QCOMPARE(w.lblrebet->caption(), caption);
    QVERIFY(shown(w.lblrebet));
    QCOMPARE(table.t().Bankroll, dollars(80));

    QVERIFY(table.roll(6));
    QCOMPARE(w.lblrebet->caption(), checked ? kStands : kDisabled);
    QCOMPARE(w.udBet->value(), checked ? 10 : 0);
    QCOMPARE(table.t().Bankroll, checked ? dollars(90) : dollars(100));
}

QTEST_MAIN(TestRebet)
#include "tst_rebet.moc"
