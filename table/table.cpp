#include "table/table.h"

#include "table/colours.h"
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
    const Showing showing(*this);
    Bankroll = dollars(rules::StartingBankroll);
    Point = 0;
    PrevBet = 0;
    cancelShown_ = false;
}

void Table::mnuabout_Click() {
    const Showing showing(*this);
    aboutOpen_ = true;
    tell(event::AboutOpened{});
}

void Table::cmdokabout_Click() {
    const Showing showing(*this);
    aboutOpen_ = false;
    tell(event::AboutClosed{});
}

int Table::askWithMoneyHidden(const QString& text) {
    moneyHidden_ = true;
    show();
    const int answer = platform_.messages.show(text);
    moneyHidden_ = false;
    return answer;
}

void Table::show() {
    showMoney();
    showPoint();
    showMessages();
    showSpots();
    showPanel();
    showAbout();
    w.picdie.setVisible(dieShown_);
}

void Table::showMoney() {
    w.lblBankroll.setCaption(moneyHidden_ ? QString() : Bankroll.toText());
    if (moneyHidden_)
        w.txtBet.setText(QString());
}

void Table::showPoint() {
    w.lblpoint.setCaption(Point == 0 ? QString(text::NoPoint)
                                     : text::PointIs + QString::number(Point));
    // The chance the next roll is: green for the first, yellow for the second, red for the
    // third; pale blue with no point on, when the come-out label is pale blue too.
    static const std::array<QColor, 3> chanceColours = {colour::Green, colour::Yellow, colour::Red};
    const QColor chance = Point == 0 ? colour::PaleBlue : chanceColours.at(PointRolls);
    w.lblpoint.setBackColor(chance);
    w.lblcout(4).setBackColor(Point == 0 ? colour::PaleBlue : colour::Blue);
    for (int number = 2; number <= 5; ++number) {
        Label& odds = w.lblodds(number);
        if (number == Point) {
            odds.setCaption(PointRolls == 1 ? text::PaysOneToOne : text::PaysTwoToOne);
            odds.setFontSize(10);
            odds.setFontName(QStringLiteral("arial"));
            odds.setBackColor(chance);
        } else if (heldPoint_.at(static_cast<std::size_t>(number - 2))) {
            odds.setCaption(QString::number(number));
            odds.setFontSize(18);
            odds.setFontBold(true);
            odds.setFontName(QStringLiteral("arial"));
            odds.setBackColor(colour::Blue);
        }
    }
}

void Table::showMessages() {
    auto showMessage = [](Label& label, const Message& message) {
        if (message.notice.source != nullptr)
            label.setCaption(message.notice);
        label.setVisible(message.shown);
    };
    showMessage(w.lblinfo, info_);
    showMessage(w.lblbetresult, betResult_);
    showMessage(w.lblrebet, reBet_);
    w.lblrebet.setBackColor(reBetCancelled_ ? colour::Red : colour::LavenderBlue);
    w.lblORinfo.setCaption(oneRollWinner_ == 0
                               ? QString(text::AllOneRollsLost)
                               : text::OneRollWinsBefore + QString::number(oneRollWinner_) +
                                     text::OneRollWinsAfter);
    w.lblORinfo.setVisible(oneRollInfoShown_);
    w.lblgameover.setVisible(standing_ == Standing::GameOver);
}

void Table::showSpots() {
    for (int number = 1; number <= 6; ++number) {
        const OneRollSpot& at = spot(number);
        Label& holder = w.lblOR(number);
        holder.setCaption(at.bet == OneRollSpot::Bet::None ? numberName(number)
                                                           : at.stake.toText());
        // Dark orange for a bet riding on the next roll; white for a winner left up, or the
        // number just rolled; blue otherwise.
        if (at.bet == OneRollSpot::Bet::Placed)
            holder.setBackColor(colour::DarkOrange);
        else if (at.bet == OneRollSpot::Bet::Winner || at.justRolled)
            holder.setBackColor(colour::White);
        else
            holder.setBackColor(colour::Blue);
    }
}

void Table::showPanel() {
    for (int number = 1; number <= 6; ++number) {
        w.lblOneRoll(number).setVisible(panelOpen_);
        w.txtOneRoll(number).setVisible(panelOpen_);
        w.udOneRoll(number).setVisible(panelOpen_);
    }
    w.cmdEnterOR.setVisible(panelOpen_);
    w.lblORoll.setVisible(panelOpen_);
    w.cmdCancelOR.setVisible(cancelShown_);
}

void Table::showAbout() {
    w.pblogo.setVisible(!aboutOpen_);
    w.lblabout.setVisible(aboutOpen_);
    w.cmdokabout.setVisible(aboutOpen_);
}

void Table::listen(std::function<void(const TableEvent&)> listener) {
    listeners_.push_back(std::move(listener));
}

void Table::tell(const TableEvent& event) const {
    for (const auto& listener : listeners_)
        listener(event);
}
