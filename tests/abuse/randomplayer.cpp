#include "randomplayer.h"

#include "table/die.h"
#include "ui/frmcpf.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

const std::vector<PlayerCommand>& playerCommands() {
    static const std::vector<PlayerCommand> commands = [] {
        std::vector<PlayerCommand> c = {
            {PlayerAction::Click, QStringLiteral("cmdRoll"), 640},
            {PlayerAction::Click, QStringLiteral("cmdOneRoll"), 32},
            {PlayerAction::Click, QStringLiteral("cmdEnterOR"), 80},
            {PlayerAction::Click, QStringLiteral("cmdCancelOR"), 32},
            {PlayerAction::Click, QStringLiteral("cmdokabout"), 16},
            {PlayerAction::Click, QStringLiteral("mnuAuto"), 8},
            {PlayerAction::Click, QStringLiteral("mnumax"), 48},
            {PlayerAction::Click, QStringLiteral("mnuMin"), 16},
            {PlayerAction::Click, QStringLiteral("mnu20"), 2},
            {PlayerAction::Click, QStringLiteral("mnu100"), 2},
            {PlayerAction::Click, QStringLiteral("mnu1000"), 2},
            {PlayerAction::Click, QStringLiteral("mnu5000"), 2},
            {PlayerAction::Click, QStringLiteral("mnuabout"), 16},
            {PlayerAction::Up, QStringLiteral("udBet"), 128},
            {PlayerAction::Down, QStringLiteral("udBet"), 48},
        };
        for (int i = 1; i <= 6; ++i) {
            const QString index = QStringLiteral("(%1)").arg(i);
            c.push_back({PlayerAction::Click, QStringLiteral("lblOR") + index, 16});
            c.push_back({PlayerAction::Up, QStringLiteral("udOneRoll") + index, 32});
            c.push_back({PlayerAction::Down, QStringLiteral("udOneRoll") + index, 8});
        }
        return c;
    }();
    return commands;
}

QString commandText(const Step& step) {
    const PlayerCommand& c = playerCommands().at(step.command);
    const char* verb = c.action == PlayerAction::Click ? "click"
                       : c.action == PlayerAction::Up  ? "up"
                                                       : "down";
    return QLatin1String(verb) + u' ' + c.name;
}

// ---------------------------------------------------------------- AbuseTable

std::optional<float> AbuseTable::StepDie::next() {
    if (face == 0)
        return std::nullopt;
    drawn = true;
    const float r = (static_cast<float>(face) - 0.5f) / 6.0f;
    face = 0;
    return r;
}

QImage AbuseTable::Pictures::load(const QString&, QString*) {
    return picture;
}

int AbuseTable::Messages::show(const QString& text) {
    ++shown;
    if (auditor != nullptr)
        broken << auditor->whileMessageShown(text);
    return 1;
}

void AbuseTable::Messages::showFault(const QString& text) {
    broken << QStringLiteral("a fault was reported: %1").arg(text);
}

AbuseTable::AbuseTable(std::function<QStringList(FrmCPF&)> extraRule)
    : extraRule_(std::move(extraRule)) {
    pictures_.picture.fill(Qt::white);
    window_ = std::make_unique<FrmCPF>(platform_);
    auditor_ = std::make_unique<TableAuditor>(*window_);
    messages_.auditor = auditor_.get();
}

AbuseTable::~AbuseTable() = default;

QStringList AbuseTable::play(const Step& step, QStringList* script) {
    const PlayerCommand& command = playerCommands().at(step.command);
    auditor_->before();
    die_.face = step.face;
    die_.drawn = false;
    messages_.broken.clear();
    messages_.shown = 0;
    const Delivery delivery = deliver(*window_, command.action, command.name);
    const bool delivered = delivery == Delivery::Delivered;
    std::optional<int> face;
    if (die_.drawn)
        face = step.face;
    die_.face = 0;

    QStringList broken = messages_.broken;
    if (delivery == Delivery::UnknownName)
        broken << QStringLiteral("\"%1\" is not a command of the table").arg(commandText(step));
    broken << auditor_->after(command.action, command.name, delivered, face);
    if (extraRule_)
        broken << extraRule_(*window_);

    if (script != nullptr) {
        if (face)
            *script << QStringLiteral("die %1").arg(*face);
        *script << commandText(step);
    }
    const TableWidgets& w = window_->widgets();
    counts_.delivered += delivered;
    counts_.messageBoxes += messages_.shown;
    if (face) {
        ++counts_.rolls;
        counts_.gameOvers += !w.lblgameover->isHidden();
        counts_.brokenBanks += window_->table().Bankroll >= dollars(100001);
    }
    counts_.highestBankroll =
        std::max(counts_.highestBankroll, window_->table().Bankroll.units() / Currency::Scale);
    return broken;
}

// ---------------------------------------------------------------- RandomPlayer

RandomPlayer::RandomPlayer(std::uint64_t seed) : rng_(seed) {
    newTable();
}

void RandomPlayer::newTable() {
    // Every table gets a player of its own: each command's weight is taken between a
    // quarter and four times its usual weight, so that some players hardly ever take a new
    // bankroll and others bet the maximum all the time.
    std::uniform_real_distribution<double> octaves(-2.0, 2.0);
    std::vector<double> weights;
    for (const PlayerCommand& c : playerCommands())
        weights.push_back(c.weight * std::exp2(octaves(rng_)));
    pick_ = std::discrete_distribution<int>(weights.begin(), weights.end());
}

int RandomPlayer::face() {
    // Now and then the die changes its mood: fair, or loaded so that one face comes up
    // three times in four (long winning and losing streaks reach the limits of the table).
    if (--rollsInMood_ <= 0) {
        rollsInMood_ = 2000 + static_cast<int>(rng_() % 8000);
        loadedFace_ = rng_() % 2 == 0 ? 0 : 1 + static_cast<int>(rng_() % 6);
    }
    if (loadedFace_ != 0 && rng_() % 10 < 7)
        return loadedFace_;
    return 1 + static_cast<int>(rng_() % 6);
}

Step RandomPlayer::next() {
    if (burstLeft_ > 0) {
        --burstLeft_;
        Step step = burst_;
        step.face = static_cast<std::uint8_t>(face());
        return step;
    }
    Step step;
    step.command = static_cast<std::uint8_t>(pick_(rng_));
    step.face = static_cast<std::uint8_t>(face());
    if (rng_() % 8 == 0) {
        // A burst: an arrow held down, or a button clicked a few times over.
        const bool arrow = playerCommands().at(step.command).action != PlayerAction::Click;
        burstLeft_ = 1 + static_cast<int>(rng_() % (arrow ? 40 : 3));
        burst_ = step;
    }
    return step;
}

// ---------------------------------------------------------------- runs

namespace {

void flushEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The kind of a broken rule: its first description without the amounts in it.
QString kindOf(const QStringList& broken) {
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    if (broken.isEmpty())
        return QString();
    return QString(broken.first()).remove(digits);
}

void addCounts(AbuseTable::Counts& sum, const AbuseTable::Counts& more) {
    sum.delivered += more.delivered;
    sum.rolls += more.rolls;
    sum.messageBoxes += more.messageBoxes;
    sum.gameOvers += more.gameOvers;
    sum.brokenBanks += more.brokenBanks;
    sum.highestBankroll = std::max(sum.highestBankroll, more.highestBankroll);
}

} // namespace

Replayed replaySteps(const std::vector<Step>& steps, bool wantScript,
                     const std::function<QStringList(FrmCPF&)>& extraRule) {
    Replayed result;
    QStringList lines;
    {
        AbuseTable table(extraRule);
        for (const Step& step : steps) {
            ++result.played;
            result.broken = table.play(step, wantScript ? &lines : nullptr);
            if (!result.broken.isEmpty())
                break;
        }
    }
    flushEvents();
    if (wantScript) {
        for (const QString& rule : std::as_const(result.broken))
            result.script += QStringLiteral("# breaks: %1\n").arg(rule);
        result.script += lines.join(u'\n') + u'\n';
    }
    return result;
}

std::vector<Step> shrinkSteps(std::vector<Step> steps, double seconds,
                              const std::function<QStringList(FrmCPF&)>& extraRule) {
    QElapsedTimer timer;
    timer.start();
    const auto budgetLeft = [&] { return timer.elapsed() < static_cast<qint64>(seconds * 1000); };
    const Replayed whole = replaySteps(steps, false, extraRule);
    if (whole.broken.isEmpty())
        return steps;
    const QString kind = kindOf(whole.broken);
    steps.resize(whole.played);

    // Fails the same way: then keep only what it played up to the failure.
    const auto failsAlike = [&](std::vector<Step>& candidate) {
        const Replayed r = replaySteps(candidate, false, extraRule);
        if (r.broken.isEmpty() || kindOf(r.broken) != kind)
            return false;
        candidate.resize(r.played);
        return true;
    };

    std::size_t parts = 2;
    while (steps.size() >= 2 && budgetLeft()) {
        const std::size_t chunk = (steps.size() + parts - 1) / parts;
        bool cut = false;
        for (std::size_t start = 0; start < steps.size() && budgetLeft(); start += chunk) {
            std::vector<Step> candidate(steps.begin(), steps.begin() + static_cast<long>(start));
            const std::size_t end = std::min(steps.size(), start + chunk);
            candidate.insert(candidate.end(), steps.begin() + static_cast<long>(end), steps.end());
            if (failsAlike(candidate)) {
                steps = std::move(candidate);
                parts = std::max<std::size_t>(parts - 1, 2);
                cut = true;
                break;
            }
        }
        if (!cut) {
            if (parts >= steps.size())
                break;
            parts = std::min(steps.size(), parts * 2);
        }
    }
    return steps;
}

PlayReport playRandom(const PlayOptions& options) {
    PlayReport report;
    QElapsedTimer timer;
    timer.start();
    RandomPlayer player(options.seed);
    auto table = std::make_unique<AbuseTable>();
    std::vector<Step> episode;
    episode.reserve(static_cast<std::size_t>(std::min(options.episodeLength, options.actions)));
    report.episodes = 1;
    for (std::int64_t n = 1; n <= options.actions; ++n) {
        if (static_cast<std::int64_t>(episode.size()) == options.episodeLength) {
            // The player leaves the table and sits down at a fresh one.
            addCounts(report.counts, table->counts());
            table = std::make_unique<AbuseTable>();
            player.newTable();
            episode.clear();
            ++report.episodes;
        }
        const Step step = player.next();
        episode.push_back(step);
        const QStringList broken = table->play(step);
        report.actions = n;
        if (!broken.isEmpty()) {
            report.failed = true;
            report.broken = broken;
            report.failedAt = n;
            break;
        }
        if (n % 1000 == 0)
            flushEvents();
        if (options.progress && n % 100000 == 0)
            options.progress(n);
    }
    addCounts(report.counts, table->counts());
    table.reset();
    flushEvents();
    report.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    if (report.failed) {
        const std::vector<Step> shortest = shrinkSteps(episode, options.shrinkSeconds);
        const Replayed replayed = replaySteps(shortest, true);
        report.script = replayed.script;
        report.scriptActions = static_cast<int>(shortest.size());
    }
    return report;
}

QString describe(const PlayReport& report, const PlayOptions& options) {
    QString text;
    const double rate =
        report.seconds > 0 ? static_cast<double>(report.actions) / report.seconds : 0;
    text += QStringLiteral("random play from seed %1: %2 actions in %3 s (%4 actions a second) "
                           "at %5 tables\n")
                .arg(options.seed)
                .arg(report.actions)
                .arg(report.seconds, 0, 'f', 1)
                .arg(rate, 0, 'f', 0)
                .arg(report.episodes);
    const AbuseTable::Counts& c = report.counts;
    text += QStringLiteral("  delivered %1, rolls %2, message boxes %3, game overs %4, broken "
                           "banks %5, highest bankroll %6\n")
                .arg(c.delivered)
                .arg(c.rolls)
                .arg(c.messageBoxes)
                .arg(c.gameOvers)
                .arg(c.brokenBanks)
                .arg(c.highestBankroll);
    if (!report.failed) {
        text += QStringLiteral("  every rule held\n");
        return text;
    }
    text += QStringLiteral("  FAILED at action %1:\n").arg(report.failedAt);
    for (const QString& rule : report.broken)
        text += QStringLiteral("    %1\n").arg(rule);
    text += QStringLiteral("  shortest failing script (%1 actions), for pipfall-replay:\n")
                .arg(report.scriptActions);
    text += report.script;
    return text;
}
