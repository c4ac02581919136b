#include "support/randomplay.h"

#include "replay/replay.h"
#include "support/money.h"
#include "support/moves.h"
#include "table/table.h"

#include <array>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// Weighted so that games run long enough to go over, and now and then break the bank from a
// bankroll set just short of it, which play alone would take too long to reach. A '#' stands
// for a number drawn for the move, 1 to 6; ROLL queues a face when none is queued, and rolls.
// clang-format off
constexpr std::array<std::pair<const char*, int>, 22> kMoves = {{
    {"bankroll 99500 bet 500", 1},
    {"ROLL", 12}, {"up udBet", 7}, {"down udBet", 2}, {"click mnumax", 1}, {"click mnuMin", 1},
    {"click mnuAuto", 1}, {"click cmdOneRoll", 3}, {"up udOneRoll(#)", 8}, {"down udOneRoll(#)", 2},
    {"click cmdEnterOR", 3}, {"click cmdCancelOR", 1}, {"click lblOR(#)", 3}, {"click mnu20", 1},
    {"click mnu100", 1}, {"click mnu1000", 1}, {"click mnu5000", 1}, {"click mnuabout", 1},
    {"click cmdokabout", 1}, {"up udOneRoll(6)", 2}, {"up udOneRoll(1)", 2},
    {"click lblOR(6)", 1},
}};
// clang-format on

} // namespace

RandomPlay playRandomly(std::uint64_t seed, long actions) {
    RandomPlay play;
    ReplayEngine engine([](const std::string&) {}, ReplayEngine::Mode::TableOnly);
    if (!engine.start()) {
        play.failure = engine.error();
        return play;
    }
    std::mt19937_64 random(seed);
    std::vector<int> weights;
    for (const auto& move : kMoves)
        weights.push_back(move.second);
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    auto number = [&random] { return QString::number(random() % 6 + 1); };
    QStringList script;
    MoneyCheck money;
    const Table& t = engine.table();
    for (play.actions = 0; play.actions < actions; ++play.actions) {
        QString move = QString::fromLatin1(kMoves[static_cast<std::size_t>(pick(random))].first);
        if (move == u"ROLL") {
            if (engine.facesQueued() == 0) { // a roll refused leaves its face for the next
                script << u"die "_s + number();
                engine.runLine(script.last(), static_cast<int>(script.size()));
            }
            move = u"click cmdRoll"_s;
        } else if (move.contains(u'#')) { // on a number drawn for it
            move.replace(u'#', number());
        }
        script << move;
        QString wrong;
        if (move.startsWith(u"bankroll")) // the money arranged, outside play
            playLine(engine, move, static_cast<int>(script.size()));
        else
            wrong = money.play(engine, move, static_cast<int>(script.size()));
        if (!wrong.isEmpty()) {
            play.failure = u"seed %1, action %2: %3\nthe script's last lines:\n%4"_s.arg(seed)
                               .arg(play.actions + 1)
                               .arg(wrong, script.mid(script.size() - 40).join(u'\n'));
            return play;
        }
        if (move == u"click cmdRoll" && engine.lastDelivered()) {
            ++play.rolls;
            play.gameOvers += t.standing() == Table::Standing::GameOver;
            play.bankBreaks += t.standing() == Table::Standing::BankBroken;
        }
        if (script.size() > 4096) // the failure report needs only the last lines
            script.remove(0, 2048);
    }
    return play;
}
