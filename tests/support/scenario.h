#pragma once

// A game case in two lines of text: a script played on the real table by the replay engine,
// and the facts expected of the state it leaves.
//
// The script is replay commands separated by ';' ("up udBet; die 4; click cmdRoll"), with
// these short forms and arrangements besides:
//   up NAME N, down NAME N      N arrow clicks
//   roll F G ...                 queues each face in turn and clicks "Roll Die"
//   bankroll B [bet N]           the money set directly: bankroll B beside a charged bet of N
//   assign udBet N               the bet set from code, as Bet max sets it
//   holder I CAPTION COLOUR      lblOR(I) written directly (COLOUR blue, orange or white)
// Every command must reach the window, but for the last one when a "delivered" fact is given.
// After every command the bankroll label shows Bankroll, and txtBet and PrevBet the bet.
//
// The facts are KEY=VALUE separated by ';', the value compared as text. KEY is a variable
// (Bankroll, Point, BetWon, ...), WIDGET.PROPERTY or WIDGET.font.name|size|bold, or:
//   delivered   whether the last command reached the window
//   error       "line N" of the script error the engine stopped at
//   changed     the widgets and variables the last command changed, in state order
//   boxes       how many message boxes were shown; boxN.text; boxN:FACT, in the state behind
//               box N
//   holders     the six bet holders as CAPTION/COLOUR
//   amounts     the six one-roll amounts as VALUE, or VALUE/TEXT when the box shows another
//   panel       open, closed or mixed (the one-roll entry panel)
//   shown       the message labels and the one-roll Cancel button that are visible
//   enabled     the bet, roll and new-bankroll controls that are enabled
//   money       the player's money: the bankroll, the main bet and the stakes on the holders

#include <QString>

// What failed, the scenario first and then a line for every fact that does not hold with
// the value found; empty when every fact holds.
QString playScenario(const QString& script, const QString& facts);

// For a data-driven test with the columns "script" and "facts".
#define VERIFY_SCENARIO()                                                                          \
    do {                                                                                           \
        QFETCH(QString, script);                                                                   \
        QFETCH(QString, facts);                                                                    \
        const QString failed = playScenario(script, facts);                                        \
        QVERIFY2(failed.isEmpty(), qPrintable(failed));                                            \
    } while (false)
