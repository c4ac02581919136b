#include "ui/announcement.h"

#include "table/overloaded.h"
#include "table/rules.h"
#include "table/texts.h"

#include <QStringList>

QString ActionWords::dollars(Currency amount) {
    return amount == Currency::fromDollars(1) ? tr("1 dollar")
                                              : tr("%1 dollars").arg(amount.toText());
}

QString ActionWords::number(int number) {
    switch (number) {
    case 1:
        return tr("one");
    case 2:
        return tr("two");
    case 3:
        return tr("three");
    case 4:
        return tr("four");
    case 5:
        return tr("five");
    case 6:
        return tr("six");
    }
    return QString::number(number);
}

QString ActionWords::chance(int chance) {
    switch (chance) {
    case 1:
        return tr("first chance");
    case 2:
        return tr("second chance");
    case 3:
        return tr("third chance");
    }
    return {};
}

QString ActionWords::pays(int chance) {
    if (chance < 1 || chance > static_cast<int>(rules::PointPays.size()))
        return {};
    return rules::PointPays.at(static_cast<std::size_t>(chance - 1)) == 1 ? tr("pays one to one")
                                                                          : tr("pays two to one");
}

namespace {

// What one event tells, each kind in its own words; nothing for an event a screen reader
// hears otherwise (a message box says its refusal itself, as it appears).

QString told(const event::Rolled& e) {
    return ActionWords::tr("Rolled a %1.").arg(ActionWords::number(e.face));
}

// The main bet's results, on the come out and on the point.

QString told(const event::ComeOutLost& e) {
    return text::ComeOutOneLoses + u' ' +
           ActionWords::tr("The bet of %1 is lost.").arg(ActionWords::dollars(e.bet));
}
QString told(const event::ComeOutWon& e) {
    return text::ComeOutSixWins + u' ' +
           ActionWords::tr("It wins %1.").arg(ActionWords::dollars(e.won));
}
QString told(const event::PointSet& e) {
    return ActionWords::tr("The point is %1: %2, %3.")
        .arg(e.point)
        .arg(ActionWords::chance(1), ActionWords::pays(1));
}
QString told(const event::ChanceMissed& e) {
    return ActionWords::tr("Point %1 missed on the %2. Next, the %3, %4.")
        .arg(e.point)
        .arg(ActionWords::chance(e.chance), ActionWords::chance(e.chance + 1),
             ActionWords::pays(e.chance + 1));
}
QString told(const event::PointMade& e) {
    return text::pointMadeNotice(e.chance) + u' ' +
           ActionWords::tr("It wins %1.").arg(ActionWords::dollars(e.won));
}
QString told(const event::PointLost& e) {
    const QString lost =
        e.why == event::PointLost::Why::RolledOne ? text::OneLoses : text::ThreeMisses;
    return lost + u' ' + ActionWords::tr("The bet of %1 is lost.").arg(ActionWords::dollars(e.bet));
}

// The one-roll bets: placed, won, lost and taken down.

QString told(const event::OneRollWon& e) {
    return text::OneRollWins.toString().arg(e.number) + u' ' +
           ActionWords::tr("It wins %1; the stake of %2 stays on %3.")
               .arg(ActionWords::dollars(e.won), ActionWords::dollars(e.stake),
                    ActionWords::number(e.number));
}
QString told(const event::OneRollLost& e) {
    return ActionWords::tr("The one-roll bet of %1 on %2 is lost.")
        .arg(ActionWords::dollars(e.stake), ActionWords::number(e.number));
}
QString told(const event::AllOneRollsLost&) {
    return text::AllOneRollsLost;
}
QString told(const event::OneRollPanelOpened& e) {
    QString words = text::EnterOneRollAmounts + u'.';
    if (e.returned > Currency())
        words += u' ' + ActionWords::tr("The one-roll bets of %1 came back to the bankroll.")
                            .arg(ActionWords::dollars(e.returned));
    return words;
}
QString told(const event::OneRollPlaced& e) {
    return ActionWords::tr("One-roll bet of %1 on %2.")
        .arg(ActionWords::dollars(e.stake), ActionWords::number(e.number));
}
QString told(const event::OneRollPanelCancelled&) {
    return ActionWords::tr("One-roll bets cancelled.");
}
QString told(const event::WinnerTakenDown& e) {
    return ActionWords::tr("The one-roll bet of %1 on %2 is taken down.")
        .arg(ActionWords::dollars(e.stake), ActionWords::number(e.number));
}

// The bet and its automatic re-bet.

QString told(const event::BetChanged& e) {
    return ActionWords::tr("Main bet, %1.").arg(ActionWords::dollars(e.bet));
}
QString told(const event::ReBetStands&) {
    return text::ReBetStands;
}
QString told(const event::ReBetOff&) {
    return text::ReBetDisabled;
}
QString told(const event::ReBetCancelled&) {
    return text::ReBetTooHigh + u' ' + text::ReBetCancelled;
}
QString told(const event::AutoReBetSwitched& e) {
    return e.on ? ActionWords::tr("Automatic re-bet on.")
                : ActionWords::tr("Automatic re-bet off.");
}
QString told(const event::Refused& e) {
    switch (e.why) {
    case event::Refused::Why::NoBet:
        return text::MustBet;
    case event::Refused::Why::NoOneRollsEntered:
        return text::NoOneRollsEntered;
    case event::Refused::Why::BetOverBankroll:
    case event::Refused::Why::OneRollsTooDear:
        break;
    }
    return {};
}

// The bankroll and the table's standing.

QString told(const event::BankrollDepleted&) {
    return text::Depleted;
}
QString told(const event::GameOver&) {
    return text::GameOver;
}
QString told(const event::BankBroken&) {
    return text::BankBroken;
}
QString told(const event::NewBankroll&) {
    return ActionWords::tr("New bankroll.");
}
QString told(const event::AboutOpened&) {
    return {};
}
QString told(const event::AboutClosed&) {
    return {};
}

} // namespace

QString ActionWords::sentence(const TableEvent& happened, bool settingAmount) {
    // The up-down says the amount it sets itself.
    if (settingAmount && std::holds_alternative<event::BetChanged>(happened))
        return {};
    return std::visit([](const auto& e) { return told(e); }, happened);
}

bool ActionWords::rollPressed(const std::vector<TableEvent>& events) {
    for (const TableEvent& e : events) {
        if (std::holds_alternative<event::Rolled>(e))
            return true;
        if (const auto* refused = std::get_if<event::Refused>(&e);
            refused != nullptr && refused->why == event::Refused::Why::NoBet)
            return true;
    }
    return false;
}

bool ActionWords::needsNewBankroll(const std::vector<TableEvent>& events) {
    bool needed = false;
    for (const TableEvent& e : events) {
        if (std::holds_alternative<event::GameOver>(e) ||
            std::holds_alternative<event::BankBroken>(e) ||
            std::holds_alternative<event::BankrollDepleted>(e))
            needed = true;
        else if (std::holds_alternative<event::NewBankroll>(e))
            needed = false;
    }
    return needed;
}

QString ActionWords::text(const std::vector<TableEvent>& events, bool settingAmount,
                          std::optional<Currency> bankroll) {
    // Only the last of an action's bet changes stands (a refused bet is taken back a step).
    std::size_t lastBet = events.size();
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (std::holds_alternative<event::BetChanged>(events[i]))
            lastBet = i;
    }
    QStringList sentences;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (std::holds_alternative<event::BetChanged>(events[i]) && i != lastBet)
            continue;
        QString said = sentence(events[i], settingAmount).simplified();
        if (said.isEmpty() || sentences.contains(said))
            continue;
        if (!said.back().isPunct())
            said += u'.';
        sentences << said;
    }
    if (bankroll)
        sentences << tr("Bankroll, %1.").arg(dollars(*bankroll));
    if (needsNewBankroll(events))
        //: Alt and the mnemonic of the Bankroll menu, as the menu bar reads in this language.
        sentences << tr("Press Alt+B for a new bankroll.");
    return sentences.join(u' ');
}
