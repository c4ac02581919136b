#pragma once

#include "table/die.h"
#include "table/seams.h"
#include "ui/picturefiles.h"

#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <string>

class FrmCPF;
class OneRollBetsPart;
class ScriptedDie;
class Table;

// Plays a script of player actions on the table and writes the whole state after every
// action as JSON Lines. The dice come from the script ("die F"); every message box is
// answered with OK and recorded. It plays on the real table window (offscreen when there is
// no screen), or on the table alone, with no window, where only the rules matter.
class ReplayEngine {
public:
    enum class Mode { Window, TableOnly };

    // Lines of output go to sink, one complete line (with its newline) at a time.
    explicit ReplayEngine(std::function<void(const std::string&)> sink, Mode mode = Mode::Window);
    ~ReplayEngine();

    // Opens the table and writes its start-up state; false (with error()) when the die
    // pictures cannot be read.
    bool start();
    // Runs one script line; false when the script is wrong or the game could not go on.
    bool runLine(const QString& line, int lineNumber);
    // Runs an action of the caller's on the table, outside the script (a test arranging the
    // money), and writes its line as for a command: what it showed, and the state after it.
    void act(const QString& description, const std::function<void(Table&)>& action);
    // The last error, as "line N: what is wrong".
    const QString& error() const { return error_; }
    Table& table() { return *table_; }
    // The window played on; nullptr when the table plays alone.
    FrmCPF* window() { return window_.get(); }
    // Whether the last command reached the table.
    bool lastDelivered() const { return delivered_; }
    // The faces queued and not yet rolled.
    std::size_t facesQueued() const;

private:
    class RecordingMessages;

    void fail(int lineNumber, const QString& what);
    void writeLine(int lineNumber, const QString& command, bool delivered);

    std::function<void(const std::string&)> sink_;
    std::unique_ptr<ScriptedDie> die_;
    std::unique_ptr<RecordingMessages> messages_;
    FilePictureLoader pictures_;
    std::unique_ptr<Platform> platform_;
    Mode mode_;
    std::unique_ptr<FrmCPF> window_;
    std::unique_ptr<Table> ownTable_; // the table played without a window
    std::unique_ptr<OneRollBetsPart> ownOneRolls_;
    Table* table_ = nullptr;
    QString error_;
    bool delivered_ = false;
    std::string line_;
};

// Runs a whole script; returns the exit status (0, or 2 for an error, written to errors).
int runReplay(const QString& script, std::function<void(const std::string&)> sink, QString* errors,
              ReplayEngine::Mode mode = ReplayEngine::Mode::Window);
