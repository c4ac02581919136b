// The random player: long games of random actions on the table, from fixed seeds, with the
// player's money and the table's standing states checked after every action.

#include "support/randomplay.h"

#include <QTest>

class TestRandom : public QObject {
    Q_OBJECT
private slots:
    void play_data() {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : {1, 2, 3, 4})
            QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << seed;
    }
    void play() {
        QFETCH(quint64, seed);
        const RandomPlay play = playRandomly(seed, 50000);
        QVERIFY2(play.failure.isEmpty(), qPrintable(play.failure));
        // The games reach the states where faults hide.
        QVERIFY(play.rolls > 2000);
        QVERIFY(play.gameOvers > 0);
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
