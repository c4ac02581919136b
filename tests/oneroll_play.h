#pragma once

// A player's moves written as lines ("up udOneRoll(3) 25", "click cmdEnterOR", "roll 6").

#include "support/tabletest.h"

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
