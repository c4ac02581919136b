#include "scenario.h"

#include "replay/replay.h"
#include "ui/frmcpf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalBlocker>

namespace {

const QStringList kColours{"#0000FF", "#C04000", "#FFFFFF"};
const QStringList kColourNames{"blue", "orange", "white"};
const QStringList kMessages{"lblinfo",     "lblbetresult", "lblrebet",
                            "lblgameover", "lblORinfo",    "cmdCancelOR"};
const QStringList kControls{"udBet", "mnumax", "mnuMin", "mnubankroll", "cmdRoll", "cmdOneRoll"};

QJsonObject parse(const std::string& line) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

// KEY of a state, as text (see the header).
QString value(const QJsonObject& state, const QString& key) {
    const QJsonObject vars = state[u"vars"].toObject(), w = state[u"widgets"].toObject();
    const auto at = [&w](const QString& name, const char* property) {
        return w[name].toObject()[QLatin1String(property)].toVariant().toString();
    };
    const auto listed = [&at](QStringList names, const char* property) {
        names.removeIf([&](const QString& name) { return at(name, property) != u"true"; });
        return names;
    };
    QStringList holders, amounts, panel{"cmdEnterOR", "lblORoll"};
    Currency money, stake;
    for (int i = 1; i <= 6; ++i) {
        const QString holder = QStringLiteral("lblOR(%1)").arg(i), caption = at(holder, "caption");
        const QString back = at(holder, "back"),
                      box = at(QStringLiteral("txtOneRoll(%1)").arg(i), "text");
        const QString amount = at(QStringLiteral("udOneRoll(%1)").arg(i), "value");
        holders << caption + u'/' + kColourNames.value(kColours.indexOf(back), back);
        amounts << (box == amount ? amount : amount + u'/' + box);
        if (back != kColours[0] && Currency::fromText(caption, &stake))
            money += stake;
        for (const char* row : {"lblOneRoll(%1)", "txtOneRoll(%1)", "udOneRoll(%1)"})
            panel << QString::fromLatin1(row).arg(i);
    }
    if (key == u"holders" || key == u"amounts")
        return (key == u"holders" ? holders : amounts).join(u' ');
    if (key == u"panel") {
        const qsizetype on = listed(panel, "visible").size();
        return on == 0 ? "closed" : on == panel.size() ? "open" : "mixed";
    }
    if (key == u"shown")
        return listed(kMessages, "visible").join(u' ');
    if (key == u"enabled")
        return listed(kControls, "enabled").join(u' ');
    if (key == u"money" && Currency::fromText(vars[u"Bankroll"].toString(), &stake))
        return (money + stake + dollars(w[u"udBet"][u"value"].toInt())).toText();
    if (vars.contains(key))
        return vars[key].toVariant().toString();
    QJsonValue v = w[key.section(u'.', 0, 0)];
    for (const QString& step : key.section(u'.', 1).split(u'.', Qt::SkipEmptyParts))
        v = v.toObject()[step];
    return v.toVariant().toString();
}

// The variables and widgets whose entries differ between two states.
QString changes(const QJsonObject& before, const QJsonObject& after) {
    QStringList changed;
    for (const char* part : {"vars", "widgets"}) {
        const QJsonObject a = before[QLatin1String(part)].toObject();
        const QJsonObject b = after[QLatin1String(part)].toObject();
        for (auto it = b.begin(); it != b.end(); ++it)
            if (a[it.key()] != it.value())
                changed << it.key();
    }
    return changed.join(u' ');
}

// Plays an arrangement on the table directly; false when the command is not one.
bool arrange(FrmCPF& window, const QStringList& words) {
    Table& t = window.table();
    const TableWidgets& w = window.widgets();
    if (words[0] == u"bankroll") {
        { // the bet taken off unseen, then placed again through its handler and charged
            const QSignalBlocker quiet(w.udBet);
            w.udBet->setValue(0);
        }
        Currency::fromText(words.value(1), &t.Bankroll);
        t.Bankroll += dollars(words.value(3).toInt());
        t.PrevBet = 0;
        w.udBet->setValue(words.value(3).toInt());
        w.lblBankroll->setCaption(t.Bankroll.toText());
    } else if (words[0] == u"assign") {
        w.udBet->setValue(words.value(2).toInt());
    } else if (words[0] == u"holder") {
        w.lblOR(words.value(1).toInt())->setCaption(words.value(2));
        w.lblOR(words.value(1).toInt())
            ->setBackColor(QColor(kColours.value(kColourNames.indexOf(words.value(3)))));
    } else {
        return false;
    }
    return true;
}

} // namespace

QString playScenario(const QString& script, const QString& facts) {
    std::string out;
    ReplayEngine engine([&out](const std::string& line) { out = line; });
    if (!engine.start())
        return engine.error();
    QJsonObject before, last = parse(out);
    QJsonArray boxes;
    QString error;
    QStringList failures;
    int n = 0;
    const auto run = [&](const QString& line) {
        out.clear();
        if (!error.isEmpty() || !engine.runLine(line, ++n))
            error = error.isEmpty() ? engine.error() : error;
        if (out.empty())
            return; // a face queued, or a script error
        if (!last[u"delivered"].toBool())
            failures << last[u"cmd"].toString() + QStringLiteral(" was not delivered");
        before = last;
        last = parse(out);
        for (const QJsonValue box : last[u"msgboxes"].toArray())
            boxes.append(box);
        const QJsonObject state = last[u"state"].toObject();
        const QString bet = value(state, "udBet.value");
        if (value(state, "lblBankroll.caption") != value(state, "Bankroll") ||
            value(state, "txtBet.text") != bet || value(state, "PrevBet") != bet)
            failures << QStringLiteral("the books do not agree after ") + line;
    };
    for (const QString& command : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList words = command.split(u' ', Qt::SkipEmptyParts);
        if (words[0] == u"roll") {
            for (const QString& face : words.mid(1)) {
                run(QStringLiteral("die ") + face);
                run(QStringLiteral("click cmdRoll"));
            }
        } else if ((words[0] == u"up" || words[0] == u"down") && words.size() == 3) {
            for (int i = 0; i < words[2].toInt(); ++i)
                run(words[0] + u' ' + words[1]);
        } else if (arrange(engine.window(), words)) {
            run(QStringLiteral("click cmdokabout")); // reaches nothing; writes the arranged state
            last[QStringLiteral("delivered")] = true;
        } else {
            run(command.trimmed());
        }
    }
    if (!facts.contains(QLatin1String("delivered=")) && !last[u"delivered"].toBool())
        failures << QStringLiteral("the last command was not delivered");
    if (!error.isEmpty() && !facts.contains(QLatin1String("error=")))
        failures << error;
    static const QRegularExpression boxFact(QStringLiteral("^box(\\d+)([.:])(.*)$"));
    for (const QString& fact : facts.split(u';', Qt::SkipEmptyParts)) {
        // The value is taken as written: a caption may start with blanks.
        const QString key = fact.section(u'=', 0, 0).trimmed(), want = fact.section(u'=', 1);
        const QRegularExpressionMatch box = boxFact.match(key);
        const QJsonObject shown = boxes.at(box.captured(1).toInt() - 1).toObject();
        const QString got =
            key == u"delivered" ? last[u"delivered"].toVariant().toString()
            : key == u"error"   ? error.section(u':', 0, 0)
            : key == u"changed" ? changes(before[u"state"].toObject(), last[u"state"].toObject())
            : key == u"boxes"   ? QString::number(boxes.size())
            : !box.hasMatch()   ? value(last[u"state"].toObject(), key)
            : box.captured(2) == u"." ? shown[box.captured(3)].toString()
                                      : value(shown[u"state"].toObject(), box.captured(3));
        if (got != want)
            failures << QStringLiteral("%1: expected \"%2\", got \"%3\"").arg(key, want, got);
    }
    return failures.isEmpty()
               ? QString()
               : QStringLiteral("\n  in: %1\n  %2").arg(script, failures.join(u"\n  "));
}
