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
    w.mnuabout.Click.bind([this] { mnuabout_Click(); });
    w.cmdokabout.Click.bind([this] { cmdokabout_Click(); });
}

void Table::Form_Load() {
    const Showing showing(*this);
    Bankroll = dollars(rules::StartingBankroll);
    Point = 0;
    PrevBet = 0;
}

void Table::attach(OneRollBets& oneRolls) {
    oneRolls_ = &oneRolls;
    oneRolls_->hideCancel();
    show();
}

const OneRollSpot& Table::oneRollSpot(int number) const {
    return oneRolls_->spot(number);
}

const OneRollSpot& Table::NoOneRollBets::spot(int /*number*/) const {
    static const OneRollSpot empty;
    return empty;
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

bool Table::ask(const QString& text) {
    moneyHidden_ = true;
    show();
    MsgAnswer = platform_.messages.show(text);
    moneyHidden_ = false;
    return MsgAnswer == 1;
}

void Table::show() {
    showAllowed();
    showMoney();
    showPoint();
    showMessages();
    oneRolls_->show();
    showAbout();
    w.picdie.setVisible(dieShown_);
}

void Table::showAllowed() {
    // Roll Die and Make One-Roll Bet while the table plays, unless the one-roll entry holds
    // them; the bet's controls unless it is locked (or waits for the answer to the over-bet
    // message); a new bankroll only between series.
    const bool playing = standing_ == Standing::Playing && !oneRolls_->holdsRoll();
    w.cmdRoll.setEnabled(playing);
    w.cmdOneRoll.setEnabled(playing);
    w.udBet.setEnabled(!betLocked_ && !refusingBet_);
    w.mnumax.setEnabled(!betCommandsLocked_);
    w.mnuMin.setEnabled(!betCommandsLocked_);
    w.mnubankroll.setEnabled(Point == 0);
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
    for (int number = w.lblodds.first; number <= w.lblodds.last; ++number) {
        Label& odds = w.lblodds(number);
        if (number == Point) {
            odds.setCaption(PointRolls == 1 ? text::PaysOneToOne : text::PaysTwoToOne);
            odds.setFontSize(10);
            odds.setFontName(QStringLiteral("arial"));
            odds.setBackColor(chance);
        } else if (heldPoint_.at(static_cast<std::size_t>(number - w.lblodds.first))) {
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
    w.lblgameover.setVisible(standing_ == Standing::GameOver);
}

void Table::showAbout() {
    w.pblogo.setVisible(!aboutOpen_);
    w.lblabout.setVisible(aboutOpen_);
    w.cmdokabout.setVisible(aboutOpen_);
}

Subscription Table::listen(std::function<void(const TableEvent&)> listener) {
    return listeners_.add(std::move(listener));
}

void Table::tell(const TableEvent& event) const {
    listeners_.notify(event);
}
