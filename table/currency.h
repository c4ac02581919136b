#pragma once

#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>

// Money as a whole number of ten-thousandths of a dollar. Never floating point:
// every amount the table moves is exact.
class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromDollars(std::int64_t dollars) {
        return Currency(dollars * Scale);
    }
    static constexpr Currency fromUnits(std::int64_t units) { return Currency(units); }
    // The nearest amount to a floating-point number of dollars (used where a caption
    // is read as a number, as the one-roll payout does).
    static Currency fromDouble(double dollars);
    // A caption or text read as money; false when it does not read as a number.
    static bool fromText(QStringView text, Currency* out);

    constexpr std::int64_t units() const { return units_; }

    // The shortest decimal form: "100", "5000", "-8", "12.5".
    QString toText() const;
    // Conversion to a 32-bit whole number: the nearest, an exact half to the even neighbour.
    std::int32_t toInt32() const;

    constexpr Currency operator+(Currency o) const { return Currency(units_ + o.units_); }
    constexpr Currency operator-(Currency o) const { return Currency(units_ - o.units_); }
    constexpr Currency operator*(std::int64_t times) const { return Currency(units_ * times); }
    constexpr Currency& operator+=(Currency o) {
        units_ += o.units_;
        return *this;
    }
    constexpr Currency& operator-=(Currency o) {
        units_ -= o.units_;
        return *this;
    }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

constexpr Currency dollars(std::int64_t d) {
    return Currency::fromDollars(d);
}

// The numeric test the table applies to a caption: true when it reads as a number.
bool isNumeric(QStringView text);
