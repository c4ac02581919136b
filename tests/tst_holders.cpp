// The bet holder model: a holder's caption and colour together are the one-roll bet.

#include "oneroll/holders.h"
#include "table/colours.h"
#include "ui/widgets.h"

#include <QTest>

Q_DECLARE_METATYPE(HolderState)

class TestHolders : public QObject {
    Q_OBJECT
private slots:
    void numberName_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << 1 << "ONE";
        QTest::newRow("2") << 2 << "TWO";
        QTest::newRow("3") << 3 << "THREE";
        QTest::newRow("4") << 4 << "FOUR";
        QTest::newRow("5") << 5 << "FIVE";
        QTest::newRow("6") << 6 << "SIX";
    }
    void numberName() {
        QFETCH(int, number);
        QFETCH(QString, name);
        QCOMPARE(::numberName(number), name);
    }

    // One table for the three questions asked of a holder: does it carry a stake, does that
    // stake ride on the next roll, and which of the four legal states is it in.
    void model_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("stake");
        QTest::addColumn<bool>("rides");
        QTest::addColumn<HolderState>("state");

        const QColor blue = colour::Blue, orange = colour::DarkOrange, white = colour::White;
        using S = HolderState;
        QTest::newRow("no bet") << "THREE" << blue << 3 << false << false << S::NameOnBlue;
        QTest::newRow("registered") << "25" << orange << 3 << true << true << S::StakeOnDarkOrange;
        QTest::newRow("registered, 100")
            << "100" << orange << 6 << true << true << S::StakeOnDarkOrange;
        QTest::newRow("winner left up") << "10" << white << 5 << true << true << S::StakeOnWhite;
        QTest::newRow("rolled, no bet") << "FIVE" << white << 5 << false << false << S::NameOnWhite;
        // Never written by the game: a stake on blue, or a holder carrying another number's
        // name. A stake on blue is no bet, whatever its caption says.
        QTest::newRow("stake on blue") << "25" << blue << 3 << true << false << S::Illegal;
        QTest::newRow("wrong name") << "FOUR" << blue << 3 << false << false << S::Illegal;
        QTest::newRow("empty caption") << "" << white << 1 << false << false << S::Illegal;
        QTest::newRow("other colour")
            << "10" << QColor(255, 128, 0) << 1 << true << false << S::Illegal;
    }
    void model() {
        QFETCH(QString, caption);
        QFETCH(QColor, back);
        QFETCH(int, number);
        QFETCH(bool, stake);
        QFETCH(bool, rides);
        QFETCH(HolderState, state);

        Label holder;
        holder.setCaption(caption);
        holder.setBackColor(back);
        QCOMPARE(holdsStake(holder), stake);
        QCOMPARE(betRides(holder), rides);
        QCOMPARE(holderState(holder, number), state);
    }
};

QTEST_MAIN(TestHolders)
#include "tst_holders.moc"
