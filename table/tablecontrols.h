#pragma once

// The controls of the table window, as the handlers name them, with their start-up state
// taken from the widget table.

#include "table/controls.h"
#include "table/widgettable.h"

#include <QHash>

#include <memory>
#include <vector>

// A new control of the row's kind in the row's start-up state: visible, enabled, caption,
// font and colours; the logo in a picture box named pblogo.
std::unique_ptr<Control> makeControl(const WidgetRow& row);
void loadStartUpState(const WidgetRow& row, Control& control);

// A named control, in the order of the widget table (menu items after the widgets).
struct NamedControl {
    QString name;
    Kind kind;
    Control* control;
};

struct TableControls {
    TableControls();
    TableControls(const TableControls&) = delete;
    TableControls& operator=(const TableControls&) = delete;

    Button cmdRoll;
    Button cmdOneRoll;
    Button cmdEnterOR;
    Button cmdCancelOR;
    Button cmdokabout;

    Label lblBankroll;
    Label lblpoint;
    Label lblbetresult;
    Label lblinfo;
    Label lblrebet;
    Label lblgameover;
    Label lblORinfo;
    Label lblORoll;
    Label lblabout;
    Label Label2;
    Label Label3;
    Label Label5;
    Label Label6;
    Label Label7;
    ControlArray<Label, 2, 5> lblodds;
    ControlArray<Label, 4, 4> lblcout;
    ControlArray<Label, 1, 6> lblOR;
    ControlArray<Label, 1, 6> lblOneRoll;

    TextBox txtBet;
    ControlArray<TextBox, 1, 6> txtOneRoll;
    UpDown udBet;
    ControlArray<UpDown, 1, 6> udOneRoll;

    PictureBox picdie;
    PictureBox pblogo;

    MenuItem mnuOptions;
    MenuItem mnuAuto;
    MenuItem mnumax;
    MenuItem mnuMin;
    MenuItem mnuexit;
    MenuItem mnubankroll;
    MenuItem mnu20;
    MenuItem mnu100;
    MenuItem mnu1000;
    MenuItem mnu5000;
    MenuItem mnuhelp;
    MenuItem mnurules;
    MenuItem mnuCG;
    MenuItem mnuabout;

    // Every control with run-time properties, in the order of the widget table, then every
    // menu item in the order of the menus.
    const std::vector<NamedControl>& named() const { return named_; }
    // The control of that name ("lblOR(4)", "mnu20"), or nullptr.
    Control* byName(const QString& name) const;
    const NamedControl* find(const QString& name) const;

private:
    std::vector<NamedControl> named_;
    QHash<QString, std::size_t> index_;
};
