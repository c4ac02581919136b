#pragma once

#include "ui/widgets.h"

// The named widgets of the table window that the handlers read and write.
struct TableWidgets {
    Button* cmdRoll = nullptr;
    Button* cmdOneRoll = nullptr;
    Button* cmdEnterOR = nullptr;
    Button* cmdCancelOR = nullptr;
    Button* cmdokabout = nullptr;

    Label* lblBankroll = nullptr;
    Label* lblpoint = nullptr;
    Label* lblbetresult = nullptr;
    Label* lblinfo = nullptr;
    Label* lblrebet = nullptr;
    Label* lblgameover = nullptr;
    Label* lblORinfo = nullptr;
    Label* lblORoll = nullptr;
    Label* lblabout = nullptr;
    ControlArray<Label> lblodds;    // 2..5
    ControlArray<Label> lblcout;    // 4
    ControlArray<Label> lblOR;      // 1..6
    ControlArray<Label> lblOneRoll; // 1..6

    TextBox* txtBet = nullptr;
    ControlArray<TextBox> txtOneRoll; // 1..6
    UpDown* udBet = nullptr;
    ControlArray<UpDown> udOneRoll; // 1..6

    PictureBox* picdie = nullptr;
    PictureBox* pblogo = nullptr;

    MenuItem* mnuOptions = nullptr;
    MenuItem* mnuAuto = nullptr;
    MenuItem* mnumax = nullptr;
    MenuItem* mnuMin = nullptr;
    MenuItem* mnuexit = nullptr;
    MenuItem* mnubankroll = nullptr;
    MenuItem* mnu20 = nullptr;
    MenuItem* mnu100 = nullptr;
    MenuItem* mnu1000 = nullptr;
    MenuItem* mnu5000 = nullptr;
    MenuItem* mnuhelp = nullptr;
    MenuItem* mnurules = nullptr;
    MenuItem* mnuCG = nullptr;
    MenuItem* mnuabout = nullptr;
};
