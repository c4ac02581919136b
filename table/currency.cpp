#include "table/currency.h"

#include <algorithm>

std::optional<Currency> Currency::fromText(QStringView text) {
    text = text.trimmed();
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.sliced(1);
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.first(point);
    const QStringView fraction = point < 0 ? QStringView() : text.sliced(point + 1);
    auto digitsOnly = [](QStringView digits) {
        return std::all_of(digits.begin(), digits.end(),
                           [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    // Up to fifteen whole digits: no amount the table moves comes near, and none overflows.
    if (whole.size() + fraction.size() == 0 || whole.size() > 15 || !digitsOnly(whole) ||
        !digitsOnly(fraction))
        return std::nullopt;
    std::int64_t units = 0;
    for (const QChar c : whole)
        units = units * 10 + (c.unicode() - u'0');
    for (qsizetype i = 0; i < 4; ++i)
        units = units * 10 + (i < fraction.size() ? fraction[i].unicode() - u'0' : 0);
    if (fraction.size() > 4 && fraction[4] >= u'5')
        units += 1;
    return Currency(negative ? -units : units);
}

QString Currency::toText() const {
    const bool negative = units_ < 0;
    // Work on the magnitude as unsigned so that the most negative amount cannot overflow.
    const auto magnitude =
        negative ? 0 - static_cast<std::uint64_t>(units_) : static_cast<std::uint64_t>(units_);
    QString text = negative ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / Scale);
    std::uint64_t fraction = magnitude % Scale;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return text;
}

std::int32_t Currency::toInt32() const {
    std::int64_t whole = units_ / Scale;
    std::int64_t rest = units_ % Scale;
    if (rest < 0) {
        rest += Scale;
        whole -= 1;
    }
    if (rest * 2 > Scale || (rest * 2 == Scale && whole % 2 != 0))
        whole += 1;
    return static_cast<std::int32_t>(whole);
}
