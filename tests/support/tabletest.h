#pragma once

// A table window for tests: the real FrmCPF with a scripted die, pictures from memory and
// message boxes that are answered with OK and recorded.

#include "table/seams.h"
#include "ui/frmcpf.h"

#include <QStringList>

#include <deque>
#include <memory>

class ScriptedDie final : public DieSource {
public:
    std::deque<int> faces;
    int draws = 0;
    void randomize() override {}
    std::optional<float> next() override;
};

// Every die picture is a plain 39 by 39 image.
class MemoryPictures final : public PictureLoader {
public:
    QImage load(const QString& fileName, QString* error) override;
};

class RecordingMessages final : public MessageBox {
public:
    QStringList shown;  // every box's text, in order
    QStringList faults; // every fault report
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
};
