// A long random game through the real window, with every player action (main bet, rolls,
// one-roll bets, menus, new bankrolls), checking after each one that the table is
// consistent and that the player's money moved by exactly what the rules pay or take.
// The expected money is worked out here from the face and the table before the roll,
// not from the handlers.

#include "oneroll/holders.h"
#include "support/tabletest.h"
#include "table/colours.h"

#include <QTest>

#include <iterator>
#include <random>

namespace {

// The pass-line state as the rules move it, kept apart from the table's own variables.
struct Series {
    int point = 0;
    int chances = 0; // rolls made for the point
};

// What a roll of face does to the player's money, given the table before the roll.
Currency rollPayout(TableTest& table, const Series& series, int face) {
    const TableWidgets& w = table.w();
    Currency delta;
    for (int i = 1; i <= 6; ++i) {
        const Label* holder = w.lblOR(i);
        bool isStake = false;
        const Currency stake = dollars(holder->caption().toInt(&isStake));
        const bool rides = holder->backColor() == colour::DarkOrange ||
                           (holder->backColor() == colour::White && isStake);
        if (!rides)
            continue;
        if (i == face)
            delta += stake + stake + stake + stake; // four-to-one, the stake stays up
        else
            delta -= stake;
    }
    const Currency bet = dollars(w.udBet->value());
    if (series.point == 0) {
        if (face == 1)
            delta -= bet;
        else if (face == 6)
            delta += bet;
    } else {
        const int chance = series.chances + 1;
        if (face == series.point)
            delta += chance == 2 ? bet : bet + bet;
        else if (face == 1 || chance == 3)
            delta -= bet;
    }
    return delta;
}

bool ridingBets(TableTest& table) {
    for (int i = 1; i <= 6; ++i) {
        const Label* holder = table.w().lblOR(i);
        bool isStake = false;
        holder->caption().toInt(&isStake);
        if (holder->backColor() == colour::DarkOrange ||
            (holder->backColor() == colour::White && isStake))
            return true;
    }
    return false;
}

void advance(Series& series, int face) {
    if (series.point == 0) {
        if (face >= 2 && face <= 5)
            series = {face, 0};
        return;
    }
    ++series.chances;
    if (face == series.point || face == 1 || series.chances == 3)
        series = {};
}

// Everything that must hold between two player actions; empty when it does.
QString violation(TableTest& table, const Series& series, Currency expectedMoney) {
    const Table& t = table.t();
    const TableWidgets& w = table.w();
    if (t.PrevBet != w.udBet->value())
        return QStringLiteral("PrevBet %1, bet %2").arg(t.PrevBet).arg(w.udBet->value());
    if (w.txtBet->text() != QString::number(w.udBet->value()))
        return QStringLiteral("txtBet shows %1").arg(w.txtBet->text());
    if (t.Point != 0 && (t.Point < 2 || t.Point > 5))
        return QStringLiteral("Point %1").arg(t.Point);
    const QString pointCaption =
        t.Point == 0 ? QStringLiteral("NO POINT") : QStringLiteral("Point = %1").arg(t.Point);
    if (w.lblpoint->caption() != pointCaption)
        return QStringLiteral("lblpoint %1 with Point %2").arg(w.lblpoint->caption()).arg(t.Point);
    if (t.Point != series.point || (t.Point != 0 && t.PointRolls != series.chances))
        return QStringLiteral("Point %1 after %2 chances, the rules say %3 after %4")
            .arg(t.Point)
            .arg(t.PointRolls)
            .arg(series.point)
            .arg(series.chances);
    if (t.Point != 0 && (w.udBet->isEnabled() || w.mnumax->isEnabled() || w.mnuMin->isEnabled() ||
                         w.mnubankroll->isEnabled()))
        return QStringLiteral("the bet or a new bankroll is open while a point is on");
    if (t.Bankroll < Currency())
        return QStringLiteral("Bankroll %1").arg(t.Bankroll.toText());
    if (w.lblBankroll->caption() != t.Bankroll.toText())
        return QStringLiteral("lblBankroll %1, Bankroll %2")
            .arg(w.lblBankroll->caption(), t.Bankroll.toText());
    if (t.ORActive || t.ORWon)
        return QStringLiteral("one-roll flags left set");
    int white = 0;
    for (int i = 1; i <= 6; ++i) {
        const HolderState state = holderState(*w.lblOR(i), i);
        if (state == HolderState::Illegal)
            return QStringLiteral("lblOR(%1) shows %2 on %3")
                .arg(i)
                .arg(w.lblOR(i)->caption(), w.lblOR(i)->backColor().name());
        if (state == HolderState::StakeOnWhite || state == HolderState::NameOnWhite)
            ++white;
    }
    if (white > 1)
        return QStringLiteral("%1 white holders").arg(white);
    if (table.playerMoney() != expectedMoney)
        return QStringLiteral("the player has %1, the rules say %2")
            .arg(table.playerMoney().toText(), expectedMoney.toText());
    return {};
}

} // namespace

class TestLongGame : public QObject {
    Q_OBJECT
private slots:
    void randomPlay_data();
    void randomPlay();
};

void TestLongGame::randomPlay_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("actions");

    QTest::newRow("seed 1") << 1u << 20000;
    QTest::newRow("seed 20240611") << 20240611u << 20000;
}

void TestLongGame::randomPlay() {
    QFETCH(unsigned, seed);
    QFETCH(int, actions);

    TableTest table;
    const TableWidgets& w = table.w();
    std::mt19937 random(seed);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const QString bankrollItems[] = {QStringLiteral("mnu20"), QStringLiteral("mnu100"),
                                     QStringLiteral("mnu1000"), QStringLiteral("mnu5000")};
    const int bankrollAmounts[] = {20, 100, 1000, 5000};

    Series series;
    Currency expected = table.playerMoney();
    QStringList recent; // the last actions, to tell where a failure came from
    int rolls = 0, refused = 0, boxes = 0, newBankrolls = 0, oneRollRolls = 0, oneRollWins = 0,
        gameOvers = 0;

    for (int n = 0; n < actions; ++n) {
        // With the one-roll panel open the player mostly works the panel.
        const bool panelOpen = !w.cmdEnterOR->isHidden();
        int kind = pick(0, 99);
        if (panelOpen && kind < 80) {
            static constexpr int panelKinds[] = {62, 62, 62, 62, 62, 76, 80, 80, 80, 87, 89, 89};
            kind = panelKinds[pick(0, static_cast<int>(std::size(panelKinds)) - 1)];
        }
        QString action;
        if (kind < 28) {
            const int face = pick(1, 6);
            action = QStringLiteral("roll %1").arg(face);
            const bool rollable = !w.cmdRoll->isHidden() && w.cmdRoll->isEnabled();
            const bool drawn = rollable && w.udBet->value() >= 5;
            const Currency payout = drawn ? rollPayout(table, series, face) : Currency();
            if (drawn && ridingBets(table))
                ++oneRollRolls;
            const int draws = table.die.draws;
            QCOMPARE(table.roll(face), rollable);
            QCOMPARE(table.die.draws - draws, drawn ? 1 : 0);
            table.die.faces.clear(); // a refused roll leaves its face unused
            if (drawn) {
                expected += payout;
                advance(series, face);
                ++rolls;
                if (!w.lblgameover->isHidden())
                    ++gameOvers;
                if (w.lblORinfo->caption().contains(u"wins!") && !w.lblORinfo->isHidden())
                    ++oneRollWins;
            } else if (rollable) {
                ++refused;
            }
        } else if (kind < 40) {
            action = QStringLiteral("udBet up");
            table.up(QStringLiteral("udBet"));
        } else if (kind < 48) {
            action = QStringLiteral("udBet down");
            table.down(QStringLiteral("udBet"));
        } else if (kind < 51) {
            action = QStringLiteral("mnumax");
            table.click(action);
        } else if (kind < 54) {
            action = QStringLiteral("mnuMin");
            table.click(action);
        } else if (kind < 56) {
            action = QStringLiteral("mnuAuto");
            table.click(action);
        } else if (kind < 62) {
            action = QStringLiteral("cmdOneRoll");
            table.click(action);
        } else if (kind < 76) {
            action = QStringLiteral("udOneRoll(%1) up").arg(pick(1, 6));
            table.up(action.left(12), pick(1, 8));
        } else if (kind < 80) {
            action = QStringLiteral("udOneRoll(%1) down").arg(pick(1, 6));
            table.down(action.left(12), pick(1, 8));
        } else if (kind < 87) {
            action = QStringLiteral("cmdEnterOR");
            table.click(action);
        } else if (kind < 89) {
            action = QStringLiteral("cmdCancelOR");
            table.click(action);
        } else if (kind < 98) {
            action = QStringLiteral("lblOR(%1)").arg(pick(1, 6));
            table.click(action);
        } else {
            const int which = pick(0, 3);
            action = bankrollItems[which];
            if (table.click(action)) {
                expected = dollars(bankrollAmounts[which]);
                ++newBankrolls;
            }
        }
        recent.append(action);
        if (recent.size() > 12)
            recent.removeFirst();

        const QString broken = violation(table, series, expected);
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\n  after: %4")
                                 .arg(seed)
                                 .arg(n)
                                 .arg(broken, recent.join(QStringLiteral(", ")))));
    }
    boxes = static_cast<int>(table.messages.shown.size());
    QVERIFY(table.messages.faults.isEmpty());
    qInfo("%d actions: %d rolls (%d with one-roll bets, %d of them won), %d refused, "
          "%d game overs, %d new bankrolls, %d message boxes",
          actions, rolls, oneRollRolls, oneRollWins, refused, gameOvers, newBankrolls, boxes);
    // The mix must really reach the rules it is meant to exercise.
    QVERIFY(rolls > actions / 10);
    QVERIFY(oneRollRolls > rolls / 10);
    QVERIFY(oneRollWins > 0);
    QVERIFY(gameOvers > 0);
    QVERIFY(newBankrolls > 0);
    QVERIFY(boxes > 0);
}

QTEST_MAIN(TestLongGame)
#include "tst_longgame.moc"
