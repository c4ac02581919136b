#include "support/moves.h"

#include "replay/replay.h"
#include "table/table.h"
#include "ui/frmcpf.h"

#include <QApplication>
#include <QKeySequence>
#include <QTest>

using namespace Qt::StringLiterals;

QStringList linesOf(const QString& moves) {
    QStringList lines;
    for (const QString& move : moves.split(u';', Qt::SkipEmptyParts)) {
        const QStringList words = move.simplified().split(u' ');
        if (words[0] != u"roll") {
            lines << move.trimmed();
            continue;
        }
        for (const QString& face : words.mid(1))
            lines << u"die "_s + face << u"click cmdRoll"_s;
    }
    return lines;
}

bool playLine(ReplayEngine& engine, const QString& line, int number) {
    const QStringList words = line.simplified().split(u' ');
    if (words[0] == u"bankroll") {
        engine.act(line, [&words](Table& t) {
            Currency::fromText(words[1], &t.Bankroll);
            t.PrevBet = words.size() > 3 ? words[3].toInt() : 0;
            t.controls().udBet.setValue(t.PrevBet);
            t.show();
        });
    } else if (words[0] == u"key") {
        FrmCPF* window = engine.window(); // shown and active, as the player has it
        window->show();
        QApplication::setActiveWindow(window);
        QWidget* widget = window->widget(words[1]);
        const QKeyCombination key = QKeySequence::fromString(words[2])[0];
        if (widget == nullptr || !QTest::qWaitForWindowActive(window))
            return false; // no such widget, or a window that never became active
        widget->setFocus();
        QTest::keyClick(widget, key.key(), key.keyboardModifiers());
    } else if (words[0] == u"assign") {
        engine.act(line, [&words](Table& t) {
            std::get<UpDown*>(t.controls().at(*controlNamed(words[1])))->setValue(words[2].toInt());
        });
    } else {
        return engine.runLine(line, number);
    }
    return true;
}
