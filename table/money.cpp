// Every change of the money: the main bet charged, lost, paid and taken off; the one-roll
// bets' stakes, payouts and refunds; the bankroll and bet a test sets.

#include "table/rules.h"
#include "table/table.h"

void Table::chargeBetChange() {
    Bankroll -= dollars(w.udBet.value()) - dollars(PrevBet);
    PrevBet = w.udBet.value();
}

void Table::loseBet() {
    Bankroll -= bet();
}

Currency Table::payBet(int times) {
    const Currency won = bet() * times;
    Bankroll += won;
    return won;
}

void Table::takeBetOff() {
    Bankroll += bet();
    // Nothing is charged any more, so setting the bet to 0 then refunds nothing.
    PrevBet = 0;
}

void Table::stake(Currency amount) {
    Bankroll -= amount;
}

void Table::refund(Currency amount) {
    Bankroll += amount;
}

Currency Table::payOneRoll(Currency stake) {
    ORActive = true;
    const Currency won = stake * rules::OneRollPays;
    Bankroll += won;
    ORWon = true;
    return won;
}

void Table::loseOneRoll() {
    ORActive = true;
}

bool Table::endOneRollSettlement() {
    const bool allLost = ORActive && !ORWon;
    ORWon = false;
    ORActive = false;
    return allLost;
}

void Table::setMoney(Currency bankroll, int chargedBet) {
    Bankroll = bankroll;
    PrevBet = chargedBet;
    // Charges nothing: the bet is already charged.
    w.udBet.setValue(PrevBet);
    show();
}
