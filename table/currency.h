#pragma once

#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <optional>

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
    // An amount written in the text form ("100", "-8", "12.5", blanks around it allowed) read
    // back; nothing for anything else. Digits past the fourth decimal round to the nearest
    // ten-thousandth, halves away from zero.
    [[nodiscard]] static std::optional<Currency> fromText(QStringView text);

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
