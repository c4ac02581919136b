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

QString ActionWords::sentence(const TableEvent& happened, bool settingAmount) {
    using Why = event::Refused::Why;
    return std::visit(
        Overloaded{
            [](const event::Rolled& e) { return tr("Rolled a %1.").arg(number(e.face)); },
            [](const event::ComeOutLost& e) {
                return text::ComeOutOneLoses + u' ' +
                       tr("The bet of %1 is lost.").arg(dollars(e.bet));
            },
            [](const event::ComeOutWon& e) {
                return text::ComeOutSixWins + u' ' + tr("It wins %1.").arg(dollars(e.won));
            },
            [](const event::PointSet& e) {
                return tr("The point is %1: %2, %3.").arg(e.point).arg(chance(1), pays(1));
            },
            [](const event::ChanceMissed& e) {
                return tr("Point %1 missed on the %2. Next, the %3, %4.")
                    .arg(e.point)
                    .arg(chance(e.chance), chance(e.chance + 1), pays(e.chance + 1));
            },
            [](const event::PointMade& e) {
                const QString made = e.chance == 1   ? text::PointFirstChance
                                     : e.chance == 2 ? text::PointSecondChance
                                                     : text::PointThirdChance;
                return made + u' ' + tr("It wins %1.").arg(dollars(e.won));
            },
            [](const event::PointLost& e) {
                const QString lost =
                    e.why == event::PointLost::Why::RolledOne ? text::OneLoses : text::ThreeMisses;
                return lost + u' ' + tr("The bet of %1 is lost.").arg(dollars(e.bet));
            },
            [](const event::OneRollWon& e) {
                return text::OneRollWinsBefore + QString::number(e.number) +
                       text::OneRollWinsAfter + u' ' +
                       tr("It wins %1; the stake of %2 stays on %3.")
                           .arg(dollars(e.won), dollars(e.stake), number(e.number));
            },
            [](const event::OneRollLost& e) {
                return tr("The one-roll bet of %1 on %2 is lost.")
                    .arg(dollars(e.stake), number(e.number));
            },
            [](const event::AllOneRollsLost&) { return QString(text::AllOneRollsLost); },
            [](const event::OneRollPanelOpened& e) {
                QString words = text::EnterOneRollAmounts + u'.';
                if (e.returned > Currency())
                    words += u' ' + tr("The one-roll bets of %1 came back to the bankroll.")
                                        .arg(dollars(e.returned));
                return words;
            },
            [](const event::OneRollPlaced& e) {
                return tr("One-roll bet of %1 on %2.").arg(dollars(e.stake), number(e.number));
            },
            [](const event::OneRollPanelCancelled&) { return tr("One-roll bets cancelled."); },
            [](const event::WinnerTakenDown& e) {
                return tr("The one-roll bet of %1 on %2 is taken down.")
                    .arg(dollars(e.stake), number(e.number));
            },
            [settingAmount](const event::BetChanged& e) {
                return settingAmount ? QString() : tr("Main bet, %1.").arg(dollars(e.bet));
            },
            [](const event::ReBetStands&) { return QString(text::ReBetStands); },
            [](const event::ReBetOff&) { return QString(text::ReBetDisabled); },
            [](const event::ReBetCancelled&) {
                return text::ReBetTooHigh + u' ' + text::ReBetCancelled;
            },
            [](const event::AutoReBetSwitched& e) {
                return e.on ? tr("Automatic re-bet on.") : tr("Automatic re-bet off.");
            },
            [](const event::Refused& e) {
                // A message box says its refusal itself, as it appears.
                switch (e.why) {
                case Why::NoBet:
                    return QString(text::MustBet);
                case Why::NoOneRollsEntered:
                    return QString(text::NoOneRollsEntered);
                case Why::BetOverBankroll:
                case Why::OneRollsTooDear:
                    break;
                }
                return QString();
            },
            [](const event::BankrollDepleted&) { return QString(text::Depleted); },
            [](const event::GameOver&) { return QString(text::GameOver); },
            [](const event::BankBroken&) { return QString(text::BankBroken); },
            [](const event::NewBankroll&) { return tr("New bankroll."); },
            [](const event::AboutOpened&) { return QString(); },
            [](const event::AboutClosed&) { return QString(); },
        },
        happened);
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
