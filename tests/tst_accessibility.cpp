// What a screen reader finds on the table: names that follow play, the holders' press action,
// and the up-downs' value and arrow keys.

#include "oneroll_play.h"

#include <QAccessible>
#include <QTest>

namespace {

const QStringList kWinOnFour{"up udBet", "click cmdOneRoll", "up udOneRoll(4) 10",
                             "click cmdEnterOR", "roll 4"};

QAccessibleInterface* reader(TableTest& t, const QString& name) {
    return QAccessible::queryAccessibleInterface(t.window->widget(name));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void names_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description"); // checked when given
        auto row = [](const char* tag, const QStringList& moves, const char* widget,
                      const char* name, const char* description = "") {
            QTest::newRow(tag) << moves << QString(widget) << QString(name) << QString(description);
        };
        const QStringList bet10{"up udBet 2"};
        const QStringList point4{"up udBet", "roll 4"};
        row("bankroll", {}, "lblBankroll", "Bankroll, 100 dollars", "Money left to bet with");
        row("bankroll after a bet", bet10, "lblBankroll", "Bankroll, 90 dollars");
        row("main bet", bet10, "udBet", "Main bet, 10 dollars");
        row("main bet box", bet10, "txtBet", "Main bet, 10 dollars");
        row("amount entered", {"click cmdOneRoll", "up udOneRoll(4) 3"}, "udOneRoll(4)",
            "One-roll amount on four, 3 dollars");
        row("spot", {}, "lblOR(4)", "One-roll spot four: no bet");
        row("registered", kWinOnFour.mid(1, 3), "lblOR(4)", "One-roll bet on four: 10 dollars");
        row("winner", kWinOnFour, "lblOR(4)",
            "One-roll bet on four: 10 dollars, a winner; press to take it down");
        row("rolled, no bet", point4, "lblOR(4)", "One-roll spot four: just rolled, no bet");
        row("no point", {}, "lblpoint", "No point");
        row("first chance", point4, "lblpoint", "Point 4, first chance");
        row("second chance", point4 + QStringList{"roll 2"}, "lblpoint", "Point 4, second chance");
        row("third chance", point4 + QStringList{"roll 2", "roll 3"}, "lblpoint",
            "Point 4, third chance");
        row("odds", point4, "lblodds(4)", "Point number 4, pays 2 to 1");
        row("die", point4, "picdie", "Die, four", "Face of the last roll");
        row("message", {"roll 4"}, "lblinfo", "You must make a bet.",
            "Information and instructions");
        row("button", {}, "cmdRoll", "Roll Die", "Roll the die");
    }
    void names() {
        QFETCH(QStringList, moves);
        QFETCH(QString, widget);
        TableTest t;
        QCOMPARE(play(t, moves), QString());
        QAccessibleInterface* iface = reader(t, widget);
        QVERIFY(iface != nullptr);
        QTEST(iface->text(QAccessible::Name), "name");
        QFETCH(QString, description);
        if (!description.isEmpty())
            QCOMPARE(iface->text(QAccessible::Description), description);
    }

    // Pressing a holder through its action is the player's click: a winner comes down.
    void press_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("bankroll");
        QTest::addColumn<QString>("name");
        QTest::newRow("winner") << kWinOnFour << "135"
                                << "One-roll spot four: just rolled, no bet";
        QTest::newRow("riding") << kWinOnFour.mid(1, 3) << "90"
                                << "One-roll bet on four: 10 dollars";
    }
    void press() {
        QFETCH(QStringList, moves);
        TableTest t;
        QCOMPARE(play(t, moves), QString());
        QAccessibleActionInterface* action = reader(t, "lblOR(4)")->actionInterface();
        QVERIFY(action != nullptr);
        QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
        action->doAction(QAccessibleActionInterface::pressAction());
        QTEST(t.w().lblBankroll->caption(), "bankroll");
        QTEST(reader(t, "lblOR(4)")->text(QAccessible::Name), "name");
    }

    // Up and Down on a focused up-down move it by its step; a hidden or disabled one stays.
    void keys_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("upDown");
        QTest::addColumn<QString>("keys"); // U and D
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("bankroll");
        auto row = [](const char* tag, const QStringList& moves, const char* upDown,
                      const char* keys, int value, const char* bankroll) {
            QTest::newRow(tag) << moves << QString(upDown) << QString(keys) << value
                               << QString(bankroll);
        };
        row("up twice", {}, "udBet", "UU", 10, "90");
        row("up, up, down", {}, "udBet", "UUD", 5, "95");
        row("down at 0", {}, "udBet", "D", 0, "100");
        row("disabled on a point", {"up udBet", "roll 4"}, "udBet", "U", 5, "95");
        row("hidden panel", {}, "udOneRoll(1)", "U", 0, "100");
        row("panel open", {"click cmdOneRoll"}, "udOneRoll(1)", "UUU", 3, "100");
    }
    void keys() {
        QFETCH(QStringList, moves);
        QFETCH(QString, upDown);
        QFETCH(QString, keys);
        TableTest t;
        t.window->show();
        QCOMPARE(play(t, moves), QString());
        auto* control = static_cast<UpDown*>(t.window->widget(upDown));
        control->setFocus();
        for (QChar key : keys)
            QTest::keyClick(control, key == u'U' ? Qt::Key_Up : Qt::Key_Down);
        QTEST(control->value(), "value");
        QTEST(t.w().lblBankroll->caption(), "bankroll");
        t.window->close();
    }

    // The value interface moves the bet one step at a time, through the bet's handler.
    void value() {
        TableTest t;
        QAccessibleInterface* iface = reader(t, "udBet");
        QCOMPARE(iface->role(), QAccessible::SpinBox);
        QAccessibleValueInterface* value = iface->valueInterface();
        QVERIFY(value != nullptr);
        QCOMPARE(value->maximumValue().toInt(), 500);
        QCOMPARE(value->minimumStepSize().toInt(), 5);
        value->setCurrentValue(15);
        QCOMPARE(value->currentValue().toInt(), 15);
        QCOMPARE(t.w().lblBankroll->caption(), QStringLiteral("85"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
