// The game's rules as scenarios played on the table alone by the replay engine: each a name,
// its moves and the facts its end state must show. They live in tests/rules/*.txt, as rows
// (tests/support/rows.h):
//
//   NAME | MOVES | FACTS      MOVES as tests/support/moves.h reads them; FACTS KEY=VALUE
//                            separated by ';'
//
// Every command must reach the table unless the facts say "delivered=false".
//
// And the random player: long games of random actions on the table, from fixed seeds, with
// the player's money and the table's standing states checked after every action; and the
// real die.
//
// A KEY is a variable (Bankroll, Point...) or one of the table's facts, read from the table
// itself: face; standing (playing, over, broken); info, result, rebet (the notice lblinfo,
// lblbetresult, lblrebet holds, shown or not); rebetCancelled; oneroll (the number whose
// one-roll bet won the last roll, 0 when all lost); spots (the six one-roll spots: "-" empty,
// "*" empty and just rolled, the stake placed, the stake and "!" a winner left up); money (the
// bankroll, the main bet and the stakes). Or a control's state in the replay's output:
// WIDGET.PROPERTY (udBet.value, lblodds(4).font.size), which also checks how a few facts are
// shown; shown (the message labels and Cancel button visible); enabled (the bet, roll and
// bankroll controls enabled); amounts (the six one-roll values, VALUE/TEXT when the box shows
// another); panel (open, closed or mixed). Or: delivered; error ("line N"); boxes (how many
// message boxes); boxN.text; boxN:KEY (a control's state behind box N); changed (what the last
// command changed). ${TextName} in a VALUE is the program's text of that name.

#include "replay/replay.h"
#include "replay/state.h"
#include "support/money.h"
#include "support/moves.h"
#include "support/randomplay.h"
#include "support/rows.h"
#include "table/die.h"
#include "table/table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct Outcome {
    QJsonObject line;   // the last command's output line
    QJsonObject before; // the state before it
    QString error;
    QHash<QString, QString> facts; // the table's facts at the end
};

QHash<QString, QString> factsOf(const Table& t) {
    QStringList spots;
    for (int i = 1; i <= 6; ++i) {
        const OneRollSpot& spot = t.oneRollSpot(i);
        if (spot.bet == OneRollSpot::Bet::None)
            spots << (spot.justRolled ? u"*"_s : u"-"_s);
        else
            spots << spot.stake.toText() + (spot.bet == OneRollSpot::Bet::Winner ? "!" : "");
    }
    static const std::array<const char*, 3> standings = {"playing", "over", "broken"};
    return {{"face", QString::number(t.face())},
            {"standing", standings.at(static_cast<std::size_t>(t.standing()))},
            {"info", t.infoNotice().notice},
            {"result", t.betResultNotice().notice},
            {"rebet", t.reBetNotice().notice},
            {"rebetCancelled", QVariant(t.reBetCancelled()).toString()},
            {"oneroll", QString::number(t.oneRollWinner())},
            {"spots", spots.join(u' ')},
            {"money", owned(t).toText()}};
}

// A value of the replay's record as the facts write it: true, 10, 0.5, a text.
QString textOf(const QJsonValue& v) {
    return v.toVariant().toString();
}

QString joined(const QJsonObject& widgets, const QStringList& names, const char* key) {
    QStringList on;
    for (const QString& name : names)
        if (widgets[name][QLatin1String(key)].toBool())
            on << name;
    return on.join(u' ');
}

QString at(const QJsonObject& state, const QString& key) {
    const QJsonObject widgets = state[u"widgets"].toObject();
    auto each = [&](auto describe) {
        QStringList parts;
        for (int i = 1; i <= 6; ++i)
            parts << describe(u"(%1)"_s.arg(i));
        return parts.join(u' ');
    };
    if (key == u"shown")
        return joined(
            widgets,
            {"lblinfo", "lblbetresult", "lblrebet", "lblgameover", "lblORinfo", "cmdCancelOR"},
            "visible");
    if (key == u"enabled")
        return joined(widgets,
                      {"udBet", "mnumax", "mnuMin", "mnubankroll", "cmdRoll", "cmdOneRoll"},
                      "enabled");
    if (key == u"amounts")
        return each([&](const QString& i) {
            const QString value = textOf(widgets[u"udOneRoll"_s + i][u"value"]);
            const QString text = widgets[u"txtOneRoll"_s + i][u"text"].toString();
            return text == value ? value : value + u'/' + text;
        });
    if (key == u"panel") {
        int open = 0;
        for (const char* name : {"lblOneRoll", "txtOneRoll", "udOneRoll"})
            open += each([&](const QString& i) {
                        return textOf(widgets[QLatin1String(name) + i][u"visible"]);
                    }).count(u"true"_s);
        open +=
            widgets[u"cmdEnterOR"][u"visible"].toBool() + widgets[u"lblORoll"][u"visible"].toBool();
        return open == 0 ? u"closed"_s : open == 20 ? u"open"_s : "mixed";
    }
    if (state[u"vars"].toObject().contains(key))
        return textOf(state[u"vars"][key]);
    QJsonValue value = widgets;
    for (const QString& part : key.split(u'.'))
        value = value[part];
    return textOf(value);
}

QString factValue(const Outcome& o, const QString& key) {
    const QJsonArray boxes = o.line[u"msgboxes"].toArray();
    static const QRegularExpression box(u"^box(\\d+)([.:])(.*)$"_s);
    if (const auto m = box.match(key); m.hasMatch()) {
        const QJsonObject shown = boxes.at(m.captured(1).toInt() - 1).toObject();
        return m.captured(2) == u"." ? textOf(shown[m.captured(3)])
                                     : at(shown[u"state"].toObject(), m.captured(3));
    }
    if (key == u"delivered")
        return textOf(o.line[u"delivered"]);
    if (key == u"error")
        return o.error;
    if (key == u"boxes")
        return QString::number(boxes.size());
    const QJsonObject state = o.line[u"state"].toObject();
    if (o.facts.contains(key))
        return o.facts[key];
    if (key == u"changed") {
        QStringList changed;
        for (const char* part : {"vars", "widgets"}) {
            const QJsonObject now = state[QLatin1String(part)].toObject();
            for (const QString& name : now.keys())
                if (now[name] != o.before[QLatin1String(part)][name])
                    changed << name;
        }
        changed.sort();
        return changed.join(u' ');
    }
    return at(state, key);
}

QJsonObject jsonOf(const std::string& line) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

// Plays the moves; the commands' lines are checked by the facts.
Outcome play(const QString& moves, bool mayMiss) {
    std::string last;
    ReplayEngine engine([&last](const std::string& line) { last = line; },
                        ReplayEngine::Mode::TableOnly);
    Outcome o;
    if (!engine.start())
        return {{}, {}, engine.error(), {}};
    int n = 0; // the script's line number, as the replay counts it
    for (const QString& line : linesOf(moves)) {
        o.before = jsonOf(stateJson(engine.table()));
        if (!playLine(engine, line, ++n)) {
            // A move the engine did not run (a mistyped bankroll) fails on its own line.
            o.error =
                engine.error().isEmpty() ? u"line %1"_s.arg(n) : engine.error().section(u':', 0, 0);
            return o;
        }
        if (line.startsWith(u"die "))
            continue;
        o.line = jsonOf(last);
        if (!mayMiss && !o.line[u"delivered"].toBool())
            return {o.line, o.before, u"not delivered: "_s + line, {}};
    }
    o.facts = factsOf(engine.table());
    return o;
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void scenarios_data() {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("facts");
        for (const char* file : {"passline", "oneroll"})
            for (const QStringList& row : readRows(u"rules/%1.txt"_s.arg(file), 3))
                QTest::addRow("%s: %s", file, qPrintable(row[0])) << row[1] << row[2];
    }

    void scenarios() {
        QFETCH(QString, moves);
        QFETCH(QString, facts);
        const Outcome o = play(moves, facts.contains(u"delivered=false"_s));
        QStringList wrong;
        if (!o.error.isEmpty() && !facts.contains(u"error="))
            wrong << o.error;
        for (const QString& fact : facts.split(u';', Qt::SkipEmptyParts)) {
            const QString key = fact.section(u'=', 0, 0).trimmed();
            const QString want = fact.section(u'=', 1);
            if (const QString found = factValue(o, key); found != want)
                wrong << u"%1: \"%2\", not \"%3\""_s.arg(key, found, want);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    void randomPlay_data() {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : {1, 2, 3, 4})
            QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << seed;
    }
    void randomPlay() {
        QFETCH(quint64, seed);
        const RandomPlay play = playRandomly(seed, 50000);
        QVERIFY2(play.failure.isEmpty(), qPrintable(play.failure));
        // The games reach the states where faults hide.
        QVERIFY(play.rolls > 2000);
        QVERIFY(play.gameOvers > 0);
        QVERIFY(play.bankBreaks > 0);
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

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
