#include "table/table.h"

Table::Table(TableWidgets& widgets, Platform& platform) : w(widgets), platform(platform) {}

void Table::Form_Load() {
    Bankroll = dollars(100);
    Point = 0;
    PrevBet = 0;
    w.cmdCancelOR->setVisible(false);
}

void Table::showBankroll() {
    w.lblBankroll->setCaption(Bankroll.toText());
}
