#pragma once

// A random player for the table: it picks among every command of pipfall-replay's scripts
// with fixed weights, throws random (sometimes loaded) dice, delivers each action through
// the same rules as pipfall-replay, and has the auditor check the table after every action.
// A run that breaks a rule is cut down to a shortest failing script.

#include "invariants.h"

#include "replay/delivery.h"
#include "table/seams.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <vector>

class FrmCPF;

// One command of a script, as pipfall-replay names it.
struct PlayerCommand {
    PlayerAction action;
    QString name;
    int weight; // how often the random player picks it, relative to the others
};

// Every command the random player gives: the clicks on the buttons, holders and menu items
// and the arrows of the up-downs that pipfall-replay drives.
const std::vector<PlayerCommand>& playerCommands();

// One action of a run: a command, and the face the die shows if the action rolls it.
struct Step {
    std::uint8_t command = 0;
    std::uint8_t face = 1;
};

QString commandText(const Step& step);

// A table for abuse: the real window with a die that shows the face of the step being
// played, die pictures from memory, message boxes answered with OK, and the auditor.
class AbuseTable {
public:
    // extraRule, when given, is checked after every action beside the table's rules.
    explicit AbuseTable(std::function<QStringList(FrmCPF&)> extraRule = {});
    ~AbuseTable();
    AbuseTable(const AbuseTable&) = delete;
    AbuseTable& operator=(const AbuseTable&) = delete;

    // Plays the step; returns the rules the table broke, empty when it kept them. script,
    // when given, gets the step's lines as pipfall-replay reads them.
    QStringList play(const Step& step, QStringList* script = nullptr);

    FrmCPF& window() { return *window_; }
    TableAuditor& auditor() { return *auditor_; }

    // What the run has seen, for the report.
    struct Counts {
        std::int64_t delivered = 0;
        std::int64_t rolls = 0;
        std::int64_t messageBoxes = 0;
        std::int64_t gameOvers = 0;
        std::int64_t brokenBanks = 0;
        std::int64_t highestBankroll = 0; // whole dollars
    };
    const Counts& counts() const { return counts_; }

private:
    class StepDie final : public DieSource {
    public:
        int face = 0; // 0: no face may be drawn
        bool drawn = false;
        void randomize() override {}
        std::optional<float> next() override;
    };
    class Pictures final : public PictureLoader {
    public:
        QImage picture{39, 39, QImage::Format_RGB888};
        QImage load(const QString& fileName, QString* error) override;
    };
    class Messages final : public MessageBox {
    public:
        TableAuditor* auditor = nullptr;
        QStringList broken;
        int shown = 0;
        int show(const QString& text) override;
        void showFault(const QString& text) override;
    };

    StepDie die_;
    Pictures pictures_;
    Messages messages_;
    Platform platform_{die_, pictures_, messages_};
    std::unique_ptr<FrmCPF> window_;
    std::unique_ptr<TableAuditor> auditor_;
    std::function<QStringList(FrmCPF&)> extraRule_;
    Counts counts_;
};

// Picks the steps: weighted commands, sometimes repeated in a burst (an arrow held down),
// and faces from a die whose mood changes now and then (fair, or loaded towards a face).
class RandomPlayer {
public:
    explicit RandomPlayer(std::uint64_t seed);
    Step next();
    // A new player sits down at a fresh table.
    void newTable();

private:
    int face();

    std::mt19937_64 rng_;
    std::discrete_distribution<int> pick_;
    Step burst_;
    int burstLeft_ = 0;
    int loadedFace_ = 0; // 0: a fair die
    int rollsInMood_ = 0;
};

struct PlayOptions {
    std::int64_t actions = 200000;
    std::uint64_t seed = 1;
    // Every so many actions the player leaves and a fresh table is built.
    std::int64_t episodeLength = 50000;
    // How long the shrinking of a failing run may take.
    double shrinkSeconds = 120;
    // Called now and then with the actions played so far.
    std::function<void(std::int64_t)> progress;
};

struct PlayReport {
    std::int64_t actions = 0;
    std::int64_t episodes = 0;
    AbuseTable::Counts counts;
    double seconds = 0;
    bool failed = false;
    QStringList broken;        // the rules the first failing action broke
    std::int64_t failedAt = 0; // its number in the run, from 1
    QString script;            // the shortest failing script found, for pipfall-replay
    int scriptActions = 0;
};

PlayReport playRandom(const PlayOptions& options);

// Plays the steps on a fresh table until a rule breaks; the broken rules (empty when none),
// the number of steps played and, if asked, the script that replays them.
struct Replayed {
    QStringList broken;
    std::size_t played = 0;
    QString script;
};
Replayed replaySteps(const std::vector<Step>& steps, bool wantScript = false,
                     const std::function<QStringList(FrmCPF&)>& extraRule = {});

// Delta debugging: the shortest sublist of the steps found in the time given that still
// breaks a rule of the same kind as the whole list.
std::vector<Step> shrinkSteps(std::vector<Step> steps, double seconds,
                              const std::function<QStringList(FrmCPF&)>& extraRule = {});

// The report as lines of text: figures, and for a failure the rules broken and the script.
QString describe(const PlayReport& report, const PlayOptions& options);
