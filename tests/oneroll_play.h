#pragma once

// Short hands for the one-roll tests: a player's moves written as lines ("up udOneRoll(3) 25",
// "click cmdEnterOR", "roll 6"), and the six bet holders written as one line of text
// ("ONE/blue TWO/blue 25/orange FOUR/blue FIVE/blue 10/orange").

#include "support/tabletest.h"
#include "table/colours.h"

#include <QStringList>

// Plays the moves in order. Returns the first move the table did not take (a click on a
// hidden or disabled widget), or an empty string when every move was delivered.
inline QString play(TableTest& table, const QStringList& moves) {
    for (const QString& move : moves) {
        const QStringList words = move.split(u' ', Qt::SkipEmptyParts);
        const QString& verb = words.at(0);
        const int times = words.size() > 2 ? words.at(2).toInt() : 1;
        bool delivered = false;
        if (verb == u"click")
            delivered = table.click(words.at(1));
        else if (verb == u"up")
            delivered = table.up(words.at(1), times);
        else if (verb == u"down")
            delivered = table.down(words.at(1), times);
        else if (verb == u"roll")
            delivered = table.roll(words.at(1).toInt());
        if (!delivered)
            return move;
    }
    return {};
}

// Opens the panel, sets the amounts on the numbers given ({number, amount} pairs) and
// presses "Enter Bets".
inline QString placeOneRollBets(TableTest& table, std::initializer_list<std::pair<int, int>> bets) {
    QStringList moves{QStringLiteral("click cmdOneRoll")};
    for (const auto& [number, amount] : bets)
        moves << QStringLiteral("up udOneRoll(%1) %2").arg(number).arg(amount);
    moves << QStringLiteral("click cmdEnterOR");
    return play(table, moves);
}

inline QString colourName(const QColor& colour) {
    if (colour == colour::Blue)
        return QStringLiteral("blue");
    if (colour == colour::DarkOrange)
        return QStringLiteral("orange");
    if (colour == colour::White)
        return QStringLiteral("white");
    return colour.name();
}

inline QString board(TableTest& table) {
    QStringList holders;
    for (int i = 1; i <= 6; ++i) {
        const Label* holder = table.w().lblOR(i);
        holders << holder->caption() + u'/' + colourName(holder->backColor());
    }
    return holders.join(u' ');
}

inline const QString kNoBets =
    QStringLiteral("ONE/blue TWO/blue THREE/blue FOUR/blue FIVE/blue SIX/blue");

// Whether the six rows, the instruction and "Enter Bets" are all on view (the panel is open)
// or all hidden; anything in between is reported as "mixed".
inline QString panel(TableTest& table) {
    const TableWidgets& w = table.w();
    int shown = 0;
    for (int i = 1; i <= 6; ++i)
        shown += !w.lblOneRoll(i)->isHidden() + !w.txtOneRoll(i)->isHidden() +
                 !w.udOneRoll(i)->isHidden();
    shown += !w.lblORoll->isHidden() + !w.cmdEnterOR->isHidden();
    return shown == 20  ? QStringLiteral("open")
           : shown == 0 ? QStringLiteral("closed")
                        : QStringLiteral("mixed");
}

// The six amount boxes as one line ("0 0 0 0 0 0").
inline QString amountTexts(TableTest& table) {
    QStringList texts;
    for (int i = 1; i <= 6; ++i)
        texts << table.w().txtOneRoll(i)->text();
    return texts.join(u' ');
}

inline QString amountValues(TableTest& table) {
    QStringList values;
    for (int i = 1; i <= 6; ++i)
        values << QString::number(table.w().udOneRoll(i)->value());
    return values.join(u' ');
}
