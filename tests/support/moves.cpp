#include "support/moves.h"

#include "replay/replay.h"
#include "table/table.h"
#include "ui/frmcpf.h"

#include <QApplication>
#include <QKeySequence>
#include <QTest>

#include <optional>
#include <utility>

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

// The table's money set as a test needs it, through the table's own operation.
class TableSetUp {
public:
    static void setMoney(Table& table, Currency bankroll, int chargedBet) {
        table.setMoney(bankroll, chargedBet);
    }
};

namespace {

// "bankroll B" or "bankroll B bet N": the bankroll and the bet charged; nothing for a move
// written otherwise.
std::optional<std::pair<Currency, int>> moneyOf(const QStringList& words) {
    const std::optional<Currency> bankroll =
        words.size() >= 2 ? Currency::fromText(words[1]) : std::nullopt;
    if (!bankroll || (words.size() != 2 && (words.size() != 4 || words[2] != u"bet")))
        return std::nullopt;
    bool isNumber = true;
    const int bet = words.size() == 4 ? words[3].toInt(&isNumber) : 0;
    if (!isNumber)
        return std::nullopt;
    return std::pair(*bankroll, bet);
}

} // namespace

FrmCPF* activeWindow(ReplayEngine& engine) {
    FrmCPF* window = engine.window();
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

bool playLine(ReplayEngine& engine, const QString& line, int number) {
    const QStringList words = line.simplified().split(u' ');
    if (words[0] == u"bankroll") {
        const auto money = moneyOf(words);
        if (!money)
            return false; // a bankroll or bet mistyped
        engine.act(line,
                   [&money](Table& t) { TableSetUp::setMoney(t, money->first, money->second); });
    } else if (words[0] == u"key") {
        FrmCPF* window = activeWindow(engine);
        QWidget* widget = window != nullptr ? window->widget(words[1]) : nullptr;
        const QKeyCombination key = QKeySequence::fromString(words[2])[0];
        if (widget == nullptr)
            return false; // a window that never became active, or no such widget
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
