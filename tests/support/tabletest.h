#pragma once

// A table window for tests: the real FrmCPF with a scripted die, pictures from memory and
// message boxes that are answered with OK and recorded.

#include "table/seams.h"
#include "ui/frmcpf.h"

#include <QSet>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

class ScriptedDie final : public DieSource {
public:
    std::deque<int> faces;
    int draws = 0;
    bool ranDry = false;
    void randomize() override {}
    std::optional<float> next() override;
};

// Every die picture is a plain 39 by 39 image unless its name is listed as missing.
class MemoryPictures final : public PictureLoader {
public:
    QSet<QString> missing;
    QStringList loaded;
    QImage load(const QString& fileName, QString* error) override;
};

class RecordingMessages final : public MessageBox {
public:
    QStringList shown;  // every box's text, in order
    QStringList faults; // every fault report
    // Runs while a box is up, before it is answered (to look at the table behind it).
    std::function<void(const QString&)> whileShown;
    int show(const QString& text) override;
    void showFault(const QString& text) override;
};

class TableTest {
public:
    TableTest();
    ~TableTest();

    ScriptedDie die;
    MemoryPictures pictures;
    RecordingMessages messages;
    Platform platform{die, pictures, messages};
    std::unique_ptr<FrmCPF> window;

    Table& t() { return window->table(); }
    const TableWidgets& w() { return window->widgets(); }

    // Player actions, delivered as a player could make them; false when not delivered.
    bool click(const QString& name);
    bool up(const QString& name, int times = 1);
    bool down(const QString& name, int times = 1);
    // Queues the face and clicks "Roll Die".
    bool roll(int face);
    // Sets the main bet by arrow clicks from where it stands (multiples of 5).
    void setBet(int amount);
    // Puts the table into a chosen money state directly: bankroll and a charged bet.
    void arrange(Currency bankroll, int bet);

    // The player's money: the bankroll, the main bet and the stakes on the holders.
    Currency playerMoney();
};
