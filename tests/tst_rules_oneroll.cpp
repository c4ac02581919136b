// One-roll bets played on the real table: opening the panel, the amounts, registering,
// cancelling, settling on a roll and taking a winner down; the holder model; and the replay
// engine's lines agreeing with the widgets.

#include "oneroll/holders.h"
#include "replay/replay.h"
#include "support/scenario.h"
#include "table/colours.h"
#include "ui/frmcpf.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

Q_DECLARE_METATYPE(HolderState)

namespace {

const QString kPrompt = QStringLiteral("Enter amounts for one-roll bets");
const QString kNothing = QStringLiteral("You failed to enter any one-roll bets!");
const QString kAllLost = QStringLiteral("All of your one-roll bets lost.");
const QString kDepleted =
    QStringLiteral("Your bankroll is depleted.  Get a new bankroll by clicking above.");
const QString kNoBets = QStringLiteral("ONE/blue TWO/blue THREE/blue FOUR/blue FIVE/blue SIX/blue");
const QString kAll = QStringLiteral("enabled=udBet mnumax mnuMin mnubankroll cmdRoll cmdOneRoll");

QString wins(int number) {
    return QStringLiteral("Your one-roll bet on the %1 wins!  Take the bet down by clicking it.")
        .arg(number);
}

// The holders after a roll of face with no stake left up: its name on white, the rest blue.
QString marked(int face) {
    return QString(kNoBets).replace(numberName(face) + "/blue", numberName(face) + "/white");
}

void columns() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("facts");
}

void row(const char* name, const QString& script, const QString& facts) {
    QTest::newRow(name) << script << facts;
}

// Registers amounts through the panel: "3 25 6 10" puts 25 on three and 10 on six.
QString enter(const char* bets) {
    const QStringList words = QString::fromLatin1(bets).split(u' ');
    QString script = QStringLiteral("click cmdOneRoll");
    for (qsizetype i = 0; i + 1 < words.size(); i += 2)
        script += QStringLiteral("; up udOneRoll(%1) %2").arg(words[i], words[i + 1]);
    return script + QStringLiteral("; click cmdEnterOR");
}

} // namespace

class TestRulesOneRoll : public QObject {
    Q_OBJECT
private slots:
    void panel_data() {
        columns();
        // Opening takes every standing bet down, and the prompt and Cancel stay until the
        // first change of an amount.
        const QString opened = "holders=" + kNoBets +
                               "; panel=open; amounts=0 0 0 0 0 0; cmdRoll.enabled=false; "
                               "cmdOneRoll.enabled=false; lblinfo.caption=" +
                               kPrompt + "; ";
        row("open: nothing standing", "up udBet; click cmdOneRoll",
            opened + "Bankroll=95; shown=lblinfo cmdCancelOR");
        row("open: 25 registered on three", "up udBet; " + enter("3 25") + "; click cmdOneRoll",
            opened + "Bankroll=95; shown=");
        row("open: registered on three and six",
            "up udBet; " + enter("3 25 6 60") + "; click cmdOneRoll", opened + "Bankroll=95");
        row("open: 10 won on five, point on",
            "up udBet; " + enter("5 10") + "; roll 5; click cmdOneRoll",
            opened + "Bankroll=135; shown=lblinfo cmdCancelOR; udBet.enabled=false");
        row("open: 10 won on six, series decided",
            "up udBet; " + enter("6 10") + "; roll 6; click cmdOneRoll",
            opened + "Bankroll=140; shown=lblinfo lblbetresult cmdCancelOR");
        row("open: after a roll without bets", "up udBet; roll 2; click cmdOneRoll",
            opened + "Bankroll=95");
        row("open: a winner taken down already",
            "up udBet; " + enter("5 10") + "; roll 5; click lblOR(5); click cmdOneRoll",
            opened + "Bankroll=135");
        row("open: after a cancel",
            "up udBet; " + enter("3 25") +
                "; click cmdOneRoll; click cmdEnterOR; click cmdCancelOR; click cmdOneRoll",
            opened + "Bankroll=95; shown=lblinfo cmdCancelOR");
        row("open: again after the empty-set reminder",
            "up udBet; click cmdOneRoll; click cmdEnterOR; click cmdOneRoll",
            opened + "Bankroll=95; shown=lblinfo cmdCancelOR");
        const QString edit = "bankroll 50 bet 5; click cmdOneRoll; ";
        row("prompt: one step up", edit + "up udOneRoll(1)", "shown=; lblinfo.caption=" + kPrompt);
        row("prompt: up and back to 0", edit + "up udOneRoll(2); down udOneRoll(2)", "shown=");
        row("prompt: down at 0 changes nothing", edit + "down udOneRoll(4) 2",
            "shown=lblinfo cmdCancelOR");
        row("prompt: the main bet changed", edit + "up udBet", "shown=");
        row("prompt: empty set entered",
            edit + "up udOneRoll(2); down udOneRoll(2); click cmdEnterOR",
            "shown=lblinfo cmdCancelOR; lblinfo.caption=" + kNothing);
        row("prompt: changed after the empty set", edit + "click cmdEnterOR; up udOneRoll(6)",
            "shown=; lblinfo.caption=" + kNothing);
        row("prompt: set refused", edit + "up udOneRoll(1) 100; click cmdEnterOR",
            "shown=; lblinfo.caption=" + kPrompt);
        row("amounts: one step up", "click cmdOneRoll; up udOneRoll(3)",
            "amounts=0 0 1 0 0 0; Bankroll=100");
        row("amounts: stop at 100", "click cmdOneRoll; up udOneRoll(1) 103",
            "amounts=100 0 0 0 0 0");
        row("amounts: stop at 0", "click cmdOneRoll; down udOneRoll(6) 3", "amounts=0 0 0 0 0 0");
        row("amounts: each number its own",
            "click cmdOneRoll; up udOneRoll(2) 7; up udOneRoll(5) 3; down udOneRoll(2) 2",
            "amounts=0 5 0 0 3 0; Bankroll=100");
        // Cancel closes the panel with no bet and moves no money.
        const QString cancelled =
            "panel=closed; amounts=0 0 0 0 0 0; shown=lblinfo; holders=" + kNoBets + "; ";
        row("cancel right after opening", "bankroll 95 bet 5; click cmdOneRoll; click cmdCancelOR",
            cancelled + "Bankroll=95; " + kAll + "; lblinfo.caption=" + kPrompt);
        row("cancel after the empty-set reminder",
            "bankroll 95 bet 5; click cmdOneRoll; click cmdEnterOR; click cmdCancelOR",
            cancelled + "Bankroll=95; lblinfo.caption=" + kNothing);
        row("cancel below 5", "bankroll 3 bet 5; click cmdOneRoll; click cmdCancelOR",
            cancelled + "Bankroll=3; " + kAll);
        row("cancel after a winner was taken back",
            "bankroll 95 bet 5; " + enter("4 30") + "; roll 4; click cmdOneRoll; click cmdCancelOR",
            cancelled + "Bankroll=215; enabled=cmdRoll cmdOneRoll");
        row("no cancel after a change",
            "bankroll 95 bet 5; click cmdOneRoll; up udOneRoll(1); click cmdCancelOR",
            "delivered=false; panel=open");
        row("no cancel when reopened after a registration",
            "bankroll 95 bet 5; " + enter("3 25") + "; click cmdOneRoll; click cmdCancelOR",
            "delivered=false; panel=open; Bankroll=95");
    }
    void panel() { VERIFY_SCENARIO(); }

    void enterBets_data() {
        columns();
        // 25 on three and 10 on six cost 35; the main bet of 5 is already out of the bankroll.
        const QString placed = "boxes=0; panel=closed; amounts=0 0 25/0 0 0 10/0; "
                               "holders=ONE/blue TWO/blue 25/orange FOUR/blue FIVE/blue 10/orange";
        const QString refused =
            "boxes=1; box1.text=Lower your bet. Bankroll insufficient.; box1.title=Pipfall; "
            "box1:lblBankroll.caption=; box1:txtBet.text=; Bankroll=34; panel=open; "
            "amounts=0 0 0 0 0 0; cmdRoll.enabled=false; cmdOneRoll.enabled=false; shown=; "
            "holders=" +
            kNoBets;
        row("below the bankroll", "bankroll 100 bet 5; " + enter("3 25 6 10"),
            placed + "; Bankroll=65; money=105; shown=; " + kAll);
        row("below, point on", "bankroll 100 bet 5; roll 4; " + enter("3 25 6 10"),
            placed + "; Bankroll=65; shown=; enabled=cmdRoll cmdOneRoll");
        row("equal to the bankroll", "bankroll 35 bet 5; " + enter("3 25 6 10"),
            placed + "; Bankroll=0; shown=lblinfo; " + kAll + "; lblinfo.caption=" + kDepleted);
        row("equal, point on", "bankroll 35 bet 5; roll 4; " + enter("3 25 6 10"),
            placed + "; Bankroll=0; shown=; enabled=cmdRoll cmdOneRoll");
        row("one dollar above", "bankroll 34 bet 5; " + enter("3 25 6 10"),
            refused + "; udBet.enabled=true");
        row("one dollar above, point on", "bankroll 34 bet 5; roll 4; " + enter("3 25 6 10"),
            refused + "; udBet.enabled=false");
        row("entered again: hidden", "bankroll 100 bet 5; " + enter("3 25") + "; click cmdEnterOR",
            "delivered=false; changed=");
        // Nothing entered: the reminder, Cancel again, and the buttons back with 5 dollars.
        const QString empty = "boxes=0; panel=open; shown=lblinfo cmdCancelOR; holders=" + kNoBets +
                              "; lblinfo.caption=" + kNothing + "; ";
        row("empty: nothing touched", "bankroll 95 bet 5; " + enter(""),
            empty + "Bankroll=95; " + kAll);
        row("empty: point on", "bankroll 95 bet 5; roll 4; " + enter(""),
            empty + "enabled=cmdRoll cmdOneRoll");
        row("empty: amounts set back to 0",
            "bankroll 95 bet 5; click cmdOneRoll; up udOneRoll(2) 3; down udOneRoll(2) 3; "
            "click cmdEnterOR",
            empty + kAll);
        row("empty: bankroll exactly 5", "bankroll 5 bet 5; " + enter(""), empty + kAll);
        row("empty: bankroll 4", "bankroll 4 bet 5; " + enter(""),
            empty + "Bankroll=4; enabled=udBet mnumax mnuMin mnubankroll");
        row("empty: bankroll 4, point on", "bankroll 4 bet 5; roll 4; " + enter(""),
            empty + "enabled=");
    }
    void enterBets() { VERIFY_SCENARIO(); }

    void roll_data() {
        columns();
        // How a holder on three goes through one roll; faces 3 and 4 both set the point.
        const QString on3 = "bankroll 100 bet 5; holder 3 ";
        const QString none = "Bankroll=100; money=105; shown=; ORActive=false; holders=";
        const QString won = "Bankroll=180; money=205; shown=lblORinfo; ORWon=false; holders=" +
                            QString(marked(3)).replace("THREE/white", "20/white") +
                            "; lblORinfo.caption=" + wins(3);
        const QString lost =
            "Bankroll=100; money=105; shown=lblORinfo; ORActive=false; holders=" + marked(4) +
            "; lblORinfo.caption=" + kAllLost;
        row("holder: no bet, rolled", on3 + "THREE blue; roll 3", none + marked(3));
        row("holder: no bet, other", on3 + "THREE blue; roll 4", none + marked(4));
        row("holder: registered, rolled", on3 + "20 orange; roll 3", won);
        row("holder: registered, other", on3 + "20 orange; roll 4", lost);
        row("holder: a winner rolled again", on3 + "20 white; roll 3", won);
        row("holder: a winner, other", on3 + "20 white; roll 4", lost);
        row("holder: taken down, rolled", on3 + "THREE white; roll 3", none + marked(3));
        row("holder: taken down, other", on3 + "THREE white; roll 4", none + marked(4));
        // Whole rolls: the one-roll money first, the main bet on top of it.
        const QString two = "bankroll 95 bet 5; " + enter("3 25 6 10") + "; roll ";
        row("25 on three, 10 on six; six rolled", two + "6",
            "Bankroll=105; udBet.value=5; shown=lblbetresult lblrebet lblORinfo; "
            "holders=ONE/blue TWO/blue THREE/blue FOUR/blue FIVE/blue 10/white; "
            "lblORinfo.caption=" +
                wins(6));
        row("the same; four rolled", two + "4",
            "Bankroll=60; holders=" + marked(4) + "; lblORinfo.caption=" + kAllLost);
        row("the same; one rolled", two + "1",
            "Bankroll=55; udBet.value=5; holders=" + marked(1) + "; lblORinfo.caption=" + kAllLost);
        const QString won6 = "bankroll 95 bet 5; " + enter("6 10") + "; roll 6; ";
        row("a winner left up wins again", won6 + "roll 6",
            "Bankroll=175; holders=ONE/blue TWO/blue THREE/blue FOUR/blue FIVE/blue 10/white; "
            "lblORinfo.caption=" +
                wins(6));
        row("a winner left up loses", won6 + "roll 1",
            "Bankroll=125; holders=" + marked(1) + "; lblORinfo.caption=" + kAllLost);
        row("a winner taken down does not ride", won6 + "click lblOR(6); roll 6",
            "Bankroll=145; holders=" + marked(6) + "; shown=lblbetresult lblrebet");
        row("a winner withdrawn by the panel does not ride",
            won6 + "click cmdOneRoll; click cmdCancelOR; roll 6",
            "Bankroll=145; holders=" + marked(6) + "; shown=lblbetresult lblrebet");
        // A roll closes the panel and clears amounts never registered.
        row("closes the panel after the reminder",
            "up udBet; click cmdOneRoll; click cmdEnterOR; roll 3",
            "panel=closed; shown=; amounts=0 0 0 0 0 0; Bankroll=95; holders=" + marked(3));
        row("closes the panel with an amount never entered",
            "up udBet; click cmdOneRoll; up udOneRoll(4) 7; click lblOR(1); roll 4",
            "panel=closed; shown=; amounts=0 0 0 0 0 0; Bankroll=95; holders=" + marked(4));
        row("clears the amounts of a registration", "up udBet; " + enter("3 25") + "; roll 2",
            "panel=closed; shown=lblORinfo; amounts=0 0 0 0 0 0; Bankroll=70; holders=" +
                marked(2));
    }
    void roll() { VERIFY_SCENARIO(); }

    void takeDown_data() {
        columns();
        const QString won5 = "bankroll 95 bet 5; " + enter("5 10") + "; roll 5; ";
        row("10 won on five, point on", won5 + "click lblOR(5)",
            "Bankroll=135; money=140; lblOR(5).caption=FIVE; lblOR(5).back=#FFFFFF; shown=; "
            "amounts=0 0 0 0 0 0; enabled=cmdRoll cmdOneRoll");
        row("a second click", won5 + "click lblOR(5); click lblOR(5)", "changed=; Bankroll=135");
        row("a blue holder beside a winner", won5 + "click lblOR(2)",
            "changed=lblORinfo; Bankroll=125");
        row("10 won on six, series decided",
            "bankroll 95 bet 5; " + enter("6 10") + "; roll 6; click lblOR(6)",
            "Bankroll=140; lblOR(6).caption=SIX; " + kAll);
        row("registered, not yet rolled",
            "bankroll 95 bet 5; " + enter("5 10") + "; click lblOR(5)", "changed=; Bankroll=85");
        row("the rolled number without a bet", "bankroll 95 bet 5; roll 2; click lblOR(2)",
            "changed=; Bankroll=95");
        row("with the panel open", "bankroll 95 bet 5; click cmdOneRoll; click lblOR(3)",
            "changed=cmdOneRoll cmdRoll; panel=open");
        // 1 on ONE from a bankroll of 1: the one pays 4 and loses the main bet; the re-bet is
        // cancelled and the game is over with 4 dollars.
        const QString over = "bankroll 1 bet 5; " + enter("1 1") + "; roll 1; ";
        row("a 1-dollar winner ends the game over", over + "click lblOR(1)",
            "Bankroll=5; lblOR(1).caption=ONE; shown=lblinfo lblbetresult lblrebet; "
            "enabled=udBet mnubankroll cmdRoll cmdOneRoll");
        row("game over, a click beside the winner", over + "click lblOR(2)",
            "changed=lblORinfo; Bankroll=4; enabled=mnubankroll");
        row("game over, a second click after the revival", over + "click lblOR(1); click lblOR(1)",
            "changed=; Bankroll=5");
        for (int i = 1; i <= 6; ++i)
            QTest::addRow("the message goes at a click on lblOR(%d)", i)
                << QStringLiteral("up udBet; %1; roll 2; click lblOR(%2)").arg(enter("3 5")).arg(i)
                << QStringLiteral("changed=lblORinfo; Bankroll=90");
        // Script errors the one-roll widgets give the replay.
        row("error: the amount box is not clickable", "click cmdOneRoll; click txtOneRoll(1)",
            "error=line 2");
        row("error: the number label is not clickable", "click lblOneRoll(2)", "error=line 1");
        row("error: no spin control 0", "up udOneRoll(0)", "error=line 1");
        row("error: registered bets need a face to roll",
            "up udBet; " + enter("2 1") + "; click cmdRoll", "error=line 5");
    }
    void takeDown() { VERIFY_SCENARIO(); }

    // A holder's caption and colour together are the one-roll bet.
    void holderModel_data() {
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
        QTest::newRow("winner left up") << "10" << white << 5 << true << true << S::StakeOnWhite;
        QTest::newRow("rolled, no bet") << "FIVE" << white << 5 << false << false << S::NameOnWhite;
        QTest::newRow("stake on blue") << "25" << blue << 3 << true << false << S::Illegal;
        QTest::newRow("another number's name")
            << "FOUR" << blue << 3 << false << false << S::Illegal;
        QTest::newRow("empty caption") << "" << white << 1 << false << false << S::Illegal;
        QTest::newRow("other colour") << "10" << colour::Orange << 1 << true << false << S::Illegal;
    }
    void holderModel() {
        QFETCH(QString, caption);
        QFETCH(QColor, back);
        QFETCH(int, number);
        Label holder;
        holder.setCaption(caption);
        holder.setBackColor(back);
        QTEST(holdsStake(holder), "stake");
        QTEST(betRides(holder), "rides");
        QTEST(holderState(holder, number), "state");
    }

    // Line by line, what the engine writes of the one-roll widgets is what they hold.
    void linesAgreeWithTheWidgets() {
        std::string last;
        ReplayEngine engine([&last](const std::string& line) { last = line; });
        QVERIFY(engine.start());
        const QString script = "up udBet;click cmdOneRoll;click cmdEnterOR;" +
                               QString("up udOneRoll(3);").repeated(60) +
                               QString("up udOneRoll(6);").repeated(40) + "click cmdEnterOR;" +
                               QString("up udOneRoll(6);").repeated(10) +
                               "click cmdEnterOR;die 6;click cmdRoll;click lblOR(6)";
        int n = 0;
        for (const QString& line : script.split(u';')) {
            QVERIFY(engine.runLine(line, ++n));
            const QJsonObject js = QJsonDocument::fromJson(QByteArray::fromStdString(last))
                                       .object()[u"state"][u"widgets"]
                                       .toObject();
            const auto at = [&js](const QString& name, const char* key) {
                return js[name][QLatin1String(key)].toVariant().toString();
            };
            const TableWidgets& w = engine.window().widgets();
            QStringList json{at("cmdCancelOR", "visible"), at("lblORinfo", "caption"),
                             at("cmdOneRoll", "enabled")};
            QStringList real{w.cmdCancelOR->isHidden() ? "false" : "true", w.lblORinfo->caption(),
                             w.cmdOneRoll->isEnabled() ? "true" : "false"};
            for (int i = 1; i <= 6; ++i) {
                const QString index = QStringLiteral("(%1)").arg(i);
                json << at("lblOR" + index, "caption") << at("lblOR" + index, "back")
                     << at("udOneRoll" + index, "value") << at("udOneRoll" + index, "visible")
                     << at("txtOneRoll" + index, "text");
                real << w.lblOR(i)->caption() << w.lblOR(i)->backColor().name().toUpper()
                     << QString::number(w.udOneRoll(i)->value())
                     << (w.udOneRoll(i)->isHidden() ? "false" : "true") << w.txtOneRoll(i)->text();
            }
            QCOMPARE(json, real);
        }
    }
};

QTEST_MAIN(TestRulesOneRoll)
#include "tst_rules_oneroll.moc"
