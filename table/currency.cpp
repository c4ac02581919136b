#include "table/currency.h"

#include <cmath>

Currency Currency::fromDouble(double dollars) {
    return Currency(static_cast<std::int64_t>(std::llround(dollars * Scale)));
}

bool Currency::fromText(QStringView text, Currency* out) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 9.0e14)
        return false;
    *out = fromDouble(value);
    return true;
}

bool isNumeric(QStringView text) {
    Currency ignored;
    return Currency::fromText(text, &ignored);
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
