// The random player: long games of random actions on the table, from fixed seeds, with the
// player's money and the table's standing states checked after every action.

#include "support/randomplay.h"
#include "table/die.h"

#include <QTest>

#include <cmath>

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

    // The real die draws within [0, 1), reseeded before every draw as the table does, and
    // shows every face: missing one in 10,000 draws has a chance of about 1 in 10^790.
    void realDie() {
        ClockDieSource die;
        int seen[7] = {};
        for (int i = 0; i < 10000; ++i) {
            die.randomize();
            const float r = *die.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            ++seen[faceFromR(r)];
        }
        for (int face = 1; face <= 6; ++face)
            QVERIFY2(seen[face] > 0, qPrintable(QString::number(face)));
        QCOMPARE(faceFromR(0.0f), 1);
        QCOMPARE(faceFromR(std::nextafter(1.0f, 0.0f)), 6);
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
