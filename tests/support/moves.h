#pragma once

// A test's moves on the table, separated by ';': lines for the replay engine, or
//   roll F G ...        each face queued, then Roll Die clicked
//   bankroll B [bet N]  the bankroll set directly, a bet of N already charged: money that
//                       play would take long to reach
//   assign UPDOWN N     the up-down's value set from code, as Bet max sets it
//   key WIDGET KEY      the key (Up, Alt+O...) pressed on the widget, given the focus in the
//                       window, which is shown and made active first

#include <QStringList>

class FrmCPF;
class ReplayEngine;

// The lines that play the moves, each "roll" unfolded into its dice and clicks.
QStringList linesOf(const QString& moves);

// The engine's table window shown and active, as the player has it, for keys and focus;
// nullptr when it never became active.
FrmCPF* activeWindow(ReplayEngine& engine);

// Plays one line on the engine's table; false when it fails, with the engine's error when the
// engine ran it.
bool playLine(ReplayEngine& engine, const QString& line, int number);
