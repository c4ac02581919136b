// pipfall-replay plays one-roll bets: the panel, a refused set, a registration, a win and the
// take-down, with the lines it writes agreeing with the table's widgets.

#include "replay/replay.h"
#include "ui/frmcpf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// The script with its key commands' line numbers.
struct Script {
    QStringList lines;
    int refused = 0, registered = 0, enterAgain = 0, roll = 0, takeDown = 0, secondClick = 0;

    int add(const QString& line) {
        lines << line;
        return static_cast<int>(lines.size());
    }
    void repeat(const QString& line, int times) {
        for (int i = 0; i < times; ++i)
            add(line);
    }
    QString text() const { return lines.join(u'\n') + u'\n'; }
};

Script oneRollScript() {
    Script s;
    s.add(QStringLiteral("# a 5-dollar bet, then one-roll bets"));
    s.add(QStringLiteral("up udBet"));
    s.add(QStringLiteral("click cmdOneRoll"));
    s.add(QStringLiteral("click   cmdEnterOR")); // nothing entered
    s.repeat(QStringLiteral("up udOneRoll(3)"), 60);
    s.repeat(QStringLiteral("up udOneRoll(6)"), 40);
    s.refused = s.add(QStringLiteral("click cmdEnterOR")); // 100 against a bankroll of 95
    s.add(QString());
    s.repeat(QStringLiteral("up udOneRoll(3)"), 25);
    s.repeat(QStringLiteral("up udOneRoll(6)"), 10);
    s.registered = s.add(QStringLiteral("click cmdEnterOR"));
    s.enterAgain = s.add(QStringLiteral("click cmdEnterOR"));
    s.add(QStringLiteral("die 6"));
    s.roll = s.add(QStringLiteral("click cmdRoll"));
    s.takeDown = s.add(QStringLiteral("click lblOR(6)"));
    s.secondClick = s.add(QStringLiteral("click lblOR(6)"));
    return s;
}

QJsonObject widget(const QJsonObject& line, const QString& name) {
    return line[u"state"][u"widgets"][name].toObject();
}

QString bankroll(const QJsonObject& line) {
    return line[u"state"][u"vars"][u"Bankroll"].toString();
}

} // namespace

class TestOneRollReplay : public QObject {
    Q_OBJECT
private slots:
    void script() {
        const Script s = oneRollScript();
        QList<QJsonObject> out;
        QString errors;
        const int status = runReplay(
            s.text(),
            [&out](const std::string& line) {
                out << QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
            },
            &errors);
        QCOMPARE(status, 0);
        QCOMPARE(errors, QString());

        // One line for the start and one for every command but the comment, the blank line
        // and the die.
        QCOMPARE(out.size(), 1 + s.lines.size() - 3);
        QHash<int, QJsonObject> byLine;
        for (const QJsonObject& line : out) {
            QCOMPARE(line[u"state"][u"widgets"].toObject().size(), 66);
            byLine.insert(line[u"n"].toInt(), line);
        }
        QCOMPARE(bankroll(byLine[0]), QStringLiteral("100"));
        QCOMPARE(byLine[4][u"cmd"].toString(), QStringLiteral("click cmdEnterOR"));
        QCOMPARE(widget(byLine[4], "lblinfo")[u"caption"].toString(),
                 QStringLiteral("You failed to enter any one-roll bets!"));
        QVERIFY(widget(byLine[4], "cmdCancelOR")[u"visible"].toBool());

        // The refusal: one box, and the bankroll and bet box blank behind it.
        const QJsonObject refused = byLine[s.refused];
        const QJsonArray boxes = refused[u"msgboxes"].toArray();
        QCOMPARE(boxes.size(), 1);
        const QJsonObject box = boxes.at(0).toObject();
        QCOMPARE(box[u"text"].toString(), QStringLiteral("Lower your bet. Bankroll insufficient."));
        QCOMPARE(box[u"title"].toString(), QStringLiteral("Pipfall"));
        QCOMPARE(widget(box, "lblBankroll")[u"caption"].toString(), QString());
        QCOMPARE(widget(box, "txtBet")[u"text"].toString(), QString());
        QCOMPARE(widget(refused, "lblBankroll")[u"caption"].toString(), QStringLiteral("95"));
        QCOMPARE(widget(refused, "txtBet")[u"text"].toString(), QStringLiteral("5"));
        QCOMPARE(widget(refused, "udOneRoll(3)")[u"value"].toInt(), 0);
        QCOMPARE(widget(refused, "txtOneRoll(6)")[u"text"].toString(), QStringLiteral("0"));
        QVERIFY(widget(refused, "cmdEnterOR")[u"visible"].toBool());
        // The refusal leaves the buttons as the empty set left them.
        QCOMPARE(widget(refused, "cmdRoll"), widget(byLine[s.refused - 1], "cmdRoll"));

        const QJsonObject registered = byLine[s.registered];
        QCOMPARE(bankroll(registered), QStringLiteral("60"));
        QCOMPARE(widget(registered, "lblOR(3)")[u"caption"].toString(), QStringLiteral("25"));
        QCOMPARE(widget(registered, "lblOR(3)")[u"back"].toString(), QStringLiteral("#C04000"));
        QCOMPARE(widget(registered, "lblOR(6)")[u"caption"].toString(), QStringLiteral("10"));
        QCOMPARE(widget(registered, "udOneRoll(3)")[u"value"].toInt(), 25);
        QCOMPARE(widget(registered, "txtOneRoll(3)")[u"text"].toString(), QStringLiteral("0"));
        QVERIFY(!widget(registered, "cmdEnterOR")[u"visible"].toBool());
        QVERIFY(widget(registered, "cmdRoll")[u"enabled"].toBool());

        // "Enter Bets" is hidden now: not delivered, nothing changes.
        const QJsonObject again = byLine[s.enterAgain];
        QCOMPARE(again[u"delivered"].toBool(), false);
        QCOMPARE(again[u"state"].toObject(), registered[u"state"].toObject());

        const QJsonObject rolled = byLine[s.roll];
        QCOMPARE(bankroll(rolled), QStringLiteral("105")); // 60 + 4 x 10 + the main bet's 5
        QCOMPARE(widget(rolled, "picdie")[u"picture"].toString(), QStringLiteral("imgdie6.bmp"));
        QCOMPARE(widget(rolled, "lblOR(3)")[u"caption"].toString(), QStringLiteral("THREE"));
        QCOMPARE(widget(rolled, "lblOR(3)")[u"back"].toString(), QStringLiteral("#0000FF"));
        QCOMPARE(widget(rolled, "lblOR(6)")[u"caption"].toString(), QStringLiteral("10"));
        QCOMPARE(widget(rolled, "lblOR(6)")[u"back"].toString(), QStringLiteral("#FFFFFF"));
        QVERIFY(widget(rolled, "lblORinfo")[u"visible"].toBool());
        QCOMPARE(widget(rolled, "lblORinfo")[u"caption"].toString(),
                 QStringLiteral("Your one-roll bet on the 6 wins!  Take the bet down by clicking "
                                "it."));
        QCOMPARE(widget(rolled, "udOneRoll(3)")[u"value"].toInt(), 0);
        QCOMPARE(rolled[u"state"][u"vars"][u"ORActive"].toBool(), false);
        QCOMPARE(rolled[u"state"][u"vars"][u"ORWon"].toBool(), false);

        const QJsonObject takenDown = byLine[s.takeDown];
        QCOMPARE(bankroll(takenDown), QStringLiteral("115"));
        QCOMPARE(widget(takenDown, "lblBankroll")[u"caption"].toString(), QStringLiteral("115"));
        QCOMPARE(widget(takenDown, "lblOR(6)")[u"caption"].toString(), QStringLiteral("SIX"));
        QCOMPARE(widget(takenDown, "lblOR(6)")[u"back"].toString(), QStringLiteral("#FFFFFF"));
        QVERIFY(!widget(takenDown, "lblORinfo")[u"visible"].toBool());

        const QJsonObject second = byLine[s.secondClick];
        QVERIFY(second[u"delivered"].toBool());
        QCOMPARE(second[u"state"].toObject(), takenDown[u"state"].toObject());
    }

    // Line by line, what the driver writes about the one-roll widgets is what they hold.
    void linesAgreeWithTheWidgets() {
        const Script s = oneRollScript();
        std::string last;
        ReplayEngine engine([&last](const std::string& line) { last = line; });
        QVERIFY(engine.start());
        for (int n = 1; n <= s.lines.size(); ++n) {
            last.clear();
            QVERIFY(engine.runLine(s.lines.at(n - 1), n));
            if (last.empty())
                continue;
            const QJsonObject line =
                QJsonDocument::fromJson(QByteArray::fromStdString(last)).object();
            const TableWidgets& w = engine.window().widgets();
            QCOMPARE(bankroll(line), engine.window().table().Bankroll.toText());
            for (int i = 1; i <= 6; ++i) {
                const QJsonObject holder = widget(line, QStringLiteral("lblOR(%1)").arg(i));
                QCOMPARE(holder[u"caption"].toString(), w.lblOR(i)->caption());
                QCOMPARE(holder[u"back"].toString(), w.lblOR(i)->backColor().name().toUpper());
                const QJsonObject spin = widget(line, QStringLiteral("udOneRoll(%1)").arg(i));
                QCOMPARE(spin[u"value"].toInt(), w.udOneRoll(i)->value());
                QCOMPARE(spin[u"visible"].toBool(), !w.udOneRoll(i)->isHidden());
                QCOMPARE(widget(line, QStringLiteral("txtOneRoll(%1)").arg(i))[u"text"].toString(),
                         w.txtOneRoll(i)->text());
            }
            QCOMPARE(widget(line, "cmdCancelOR")[u"visible"].toBool(), !w.cmdCancelOR->isHidden());
            QCOMPARE(widget(line, "lblinfo")[u"visible"].toBool(), !w.lblinfo->isHidden());
            QCOMPARE(widget(line, "lblORinfo")[u"caption"].toString(), w.lblORinfo->caption());
            QCOMPARE(widget(line, "cmdOneRoll")[u"enabled"].toBool(), w.cmdOneRoll->isEnabled());
        }
    }

    void scriptErrors_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("linesWritten");
        QTest::addColumn<QString>("errorStart");

        QTest::newRow("no seventh holder") << "click lblOR(7)\n" << 1 << "line 1: ";
        QTest::newRow("amount box is not clickable") << "click cmdOneRoll\nclick txtOneRoll(1)\n"
                                                     << 2 << "line 2: ";
        QTest::newRow("number label is not clickable") << "click lblOneRoll(2)\n"
                                                       << 1 << "line 1: ";
        QTest::newRow("no spin control 0") << "up udOneRoll(0)\n" << 1 << "line 1: ";
        QTest::newRow("registered bets need a face to roll")
            << "up udBet\nclick cmdOneRoll\nup udOneRoll(2)\nclick cmdEnterOR\nclick cmdRoll\n"
            << 5 << "line 5: ";
    }
    void scriptErrors() {
        QFETCH(QString, script);
        QFETCH(int, linesWritten);
        QFETCH(QString, errorStart);

        int lines = 0;
        QString errors;
        QCOMPARE(runReplay(
                     script, [&lines](const std::string&) { ++lines; }, &errors),
                 2);
        QCOMPARE(lines, linesWritten);
        QVERIFY2(errors.startsWith(errorStart), qPrintable(errors));
    }
};

QTEST_MAIN(TestOneRollReplay)
#include "tst_oneroll_replay.moc"
