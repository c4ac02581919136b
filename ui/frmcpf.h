#pragma once

#include "oneroll/onerollbetspart.h"
#include "table/table.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <span>
#include <vector>

class QAction;
class Announcer;
struct WidgetRow;

// The table window: shows its Table's controls as widgets built from the table's layout, with
// the menus and the drawing. The game's handlers belong to the Table; the window passes the
// player's clicks and arrow presses on to the controls.
class FrmCPF : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmCPF(Platform& platform, QWidget* parent = nullptr);

    Table& table() { return table_; }
    const Table& table() const { return table_; }

    // The widget that shows a control, or nullptr (a menu item).
    QWidget* widget(const Control& control) const { return widgets_.value(&control); }
    QWidget* widget(ControlId control) const {
        return widget(controlOf(table_.controls().at(control)));
    }
    // The menu command of a menu item, or nullptr.
    QAction* action(ControlId item) const {
        return actions_.value(&controlOf(table_.controls().at(item)));
    }
    // The same for a control named in a test's data ("lblOR(4)", "mnu20"); nullptr for a name
    // of no control.
    QWidget* widget(const QString& name) const;
    QAction* action(const QString& name) const;

    // Tells a screen reader what each player action changed on the table.
    Announcer* announcer() const;

signals:
    // Help, Rules and Help, Computer Game: the application opens those windows.
    void rulesRequested();
    void computerGameRequested();

protected:
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    std::vector<QWidget*> widgetsOf(const std::vector<const WidgetRow*>& rows) const;
    void buildWidgets();
    void chainKeyboard(std::span<const WidgetRow> rows);
    // Once the player's action is over: the focus goes on to what the player most likely
    // needs next when the focused widget can no longer be used, and the announcer speaks.
    void settleLater();
    void settle();
    void keepFocusUseful();
    void messageBoxClosed();
    // The Bankroll menu, opened at its first amount.
    void openBankrollMenu();

    Table table_;
    OneRollBetsPart oneRolls_{table_};
    // Each part may go before the window does (a test deletes them): the window asks for
    // what is left.
    QHash<const Control*, QPointer<QWidget>> widgets_;
    QHash<const Control*, QPointer<QAction>> actions_;
    // Where the focus goes when the focused widget can no longer be used: the first of these
    // that can take it.
    std::vector<QPointer<QWidget>> focusNext_;
    QPointer<Announcer> announcer_;
    bool settling_ = false;
    Subscription listening_; // to the table, for as long as the window lasts
};
