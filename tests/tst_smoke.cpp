#include "support/tabletest.h"

#include <QTest>

// A first game through the real window: a point made on the second chance.
class TestSmoke : public QObject {
    Q_OBJECT
private slots:
    void pointMadeOnSecondChance() {
        TableTest table;
        table.setBet(10);
        QCOMPARE(table.t().Bankroll, dollars(90));
        QVERIFY(table.roll(4));
        QVERIFY(table.roll(3));
        QVERIFY(table.roll(4));
        QCOMPARE(table.t().Bankroll, dollars(100));
        QCOMPARE(table.w().lblbetresult->caption(),
                 QStringLiteral("The point has been rolled on the second opportunity, paying "
                                "one-to-one."));
        QCOMPARE(table.w().lblBankroll->caption(), QStringLiteral("100"));
    }
};

QTEST_MAIN(TestSmoke)
#include "tst_smoke.moc"
