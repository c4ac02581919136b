#pragma once

#include "oneroll/onerollbetspart.h"
#include "table/table.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class Announcer;

// The table window: shows its Table's controls as widgets built from the widget table, with
// the menus and the drawing. The game's handlers belong to the Table; the window passes the
// player's clicks and arrow presses on to the controls.
class FrmCPF : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmCPF(Platform& platform, QWidget* parent = nullptr);
    ~FrmCPF() override;

    Table& table() { return table_; }
    const Table& table() const { return table_; }

    // The widget that shows the control of that name ("cmdRoll", "lblOR(4)"), or nullptr.
    QWidget* widget(const QString& name) const { return byName_.value(name); }
    // The menu command of that name ("mnu20"), or nullptr.
    QAction* action(const QString& name) const { return actions_.value(name); }

    // Tells a screen reader what each player action changed on the table.
    Announcer* announcer() const { return announcer_; }

signals:
    // Help, Rules and Help, Computer Game: the application opens those windows.
    void rulesRequested();
    void computerGameRequested();

protected:
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void buildWidgets();
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
    QHash<QString, QWidget*> byName_;
    QHash<QString, QAction*> actions_;
    Announcer* announcer_ = nullptr;
    bool settling_ = false;
};

// The product logo, or its copy at twice the resolution for high-density screens.
QImage logoPicture(bool sharp);
