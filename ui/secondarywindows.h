#pragma once

// The two information windows of the Help menu: the rules window frmPFrules and the
// on-the-computer window frmCG. Each holds the logo, its texts in a black frame, a
// "BACK TO GAME" button and a menu bar with a single Exit command; neither touches the table.

#include "table/controls.h"
#include "ui/layout.h"

#include <QHash>
#include <QMainWindow>

#include <memory>
#include <span>
#include <vector>

// A secondary window's widget set as data, like the table's.
// Its texts are translated in the context "Help".
struct WindowLayout {
    const char* name;
    text::Text caption;
    int widthTwips;
    int heightTwips;
    std::int32_t back;
    text::Text exitCaption; // the menu bar's only command, mnuexit
    std::span<const WidgetRow> widgets;
    std::span<const char* const> tabOrder;
    const char* button; // where the focus starts
};

extern const WindowLayout kRulesLayout;
extern const WindowLayout kComputerGameLayout;

class SecondaryWindow : public QMainWindow {
    Q_OBJECT
public:
    QWidget* widget(const QString& name) const { return byName_.value(name); }

signals:
    // BACK TO GAME or Exit: the table is wanted in front again. This window closes after.
    void returnToTableRequested();

protected:
    SecondaryWindow(const WindowLayout& layout, QWidget* parent);
    // BACK TO GAME and Exit: brings the table back, then closes this window.
    void returnToTable();

private:
    std::vector<std::unique_ptr<Control>> controls_; // what the widgets show
    QHash<QString, QWidget*> byName_;
};

// The rules window; BACK TO GAME is cmdBack.
class FrmPFrules final : public SecondaryWindow {
    Q_OBJECT
public:
    explicit FrmPFrules(QWidget* parent = nullptr);
};

// The on-the-computer window; BACK TO GAME is Command1.
class FrmCG final : public SecondaryWindow {
    Q_OBJECT
public:
    explicit FrmCG(QWidget* parent = nullptr);
};
