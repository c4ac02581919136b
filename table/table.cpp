#include "table/table.h"

#include "table/events.h"
#include "table/texts.h"

Table::Table(Platform& platform) : platform_(platform) {
    bindHandlers();
    Form_Load();
}

void Table::bindHandlers() {
    w.cmdRoll.Click.bind([this] { cmdRoll_Click(); });
    w.udBet.Change.bind([this] { udBet_Change(); });
    w.mnumax.Click.bind([this] { mnumax_Click(); });
    w.mnuMin.Click.bind([this] { mnuMin_Click(); });
    w.mnuAuto.Click.bind([this] { mnuAuto_Click(); });
    w.mnu20.Click.bind([this] { mnu20_Click(); });
    w.mnu100.Click.bind([this] { mnu100_Click(); });
    w.mnu1000.Click.bind([this] { mnu1000_Click(); });
    w.mnu5000.Click.bind([this] { mnu5000_Click(); });
    w.cmdOneRoll.Click.bind([this] { cmdOneRoll_Click(); });
    w.cmdEnterOR.Click.bind([this] { cmdEnterOR_Click(); });
    w.cmdCancelOR.Click.bind([this] { cmdCancelOR_Click(); });
    for (int i = 1; i <= 6; ++i) {
        w.udOneRoll(i).Change.bind([this, i] { udOneRoll_Change(i); });
        w.txtOneRoll(i).Change.bind([this, i] { txtOneRoll_Change(i); });
        w.lblOR(i).Click.bind([this, i] { lblOR_Click(i); });
    }
    w.mnuabout.Click.bind([this] { mnuabout_Click(); });
    w.cmdokabout.Click.bind([this] { cmdokabout_Click(); });
}

void Table::Form_Load() {
    Bankroll = dollars(rules::StartingBankroll);
    Point = 0;
    PrevBet = 0;
    w.cmdCancelOR.setVisible(false);
}

void Table::showBankroll() {
    w.lblBankroll.setCaption(Bankroll.toText());
}

void Table::mnuabout_Click() {
    w.pblogo.setVisible(false);
    w.lblabout.setVisible(true);
    w.cmdokabout.setVisible(true);
    tell(event::AboutOpened{});
}

void Table::cmdokabout_Click() {
    w.cmdokabout.setVisible(false);
    w.lblabout.setVisible(false);
    w.pblogo.setVisible(true);
    tell(event::AboutClosed{});
}

void Table::listen(std::function<void(const TableEvent&)> listener) {
    listeners_.push_back(std::move(listener));
}

void Table::tell(const TableEvent& event) const {
    for (const auto& listener : listeners_)
        listener(event);
}

OneRollSpot Table::oneRollSpot(int number) const {
    return readSpot(w.lblOR(number));
}

Table::Standing Table::standing() const {
    // Only a new bankroll brings back the roll: it went with the game-over notice, or with
    // the notice that the bank is broken.
    if (w.cmdRoll.enabled())
        return Standing::Playing;
    if (w.lblgameover.visible())
        return Standing::GameOver;
    if (w.lblinfo.visible() && w.lblinfo.caption() == text::BankBroken)
        return Standing::BankBroken;
    return Standing::Playing;
}
