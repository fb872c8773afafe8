#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace rotamind {

// A decimal value held exactly as a signed count of ten-thousandths.
class Fixed4 final {
public:
    constexpr Fixed4() = default;
    static constexpr Fixed4 fromCount(std::int64_t tenThousandths) {
        return Fixed4(tenThousandths);
    }

    // numerator / denominator rounded to the nearest ten-thousandth, halves to
    // the even count. denominator must not be 0.
    static Fixed4 fromQuotient(std::int64_t numerator, std::int64_t denominator);

    // numerator * factor / denominator, rounded the same way from the exact
    // product (no overflow for any 64-bit operands; a count beyond 64 bits
    // saturates). denominator must not be 0.
    static Fixed4 fromScaledQuotient(std::int64_t numerator, std::int64_t factor,
                                     std::int64_t denominator);

    // Text form: sign, integer part, and only when the fraction is not zero the
    // separator and up to four digits without trailing zeros ("12,5", "0,0312").
    QString toText(QChar decimalSeparator) const;

    // Reads back exactly what toText writes (and any 0..4 fractional digits);
    // none for any other text.
    static std::optional<Fixed4> parse(QStringView text, QChar decimalSeparator);

    constexpr std::int64_t count() const { return m_count; }
    constexpr bool isOneOrMore() const { return m_count >= 10000; }
    friend constexpr bool operator==(Fixed4, Fixed4) = default;

private:
    constexpr explicit Fixed4(std::int64_t count) : m_count(count) {}
    std::int64_t m_count = 0;
};

} // namespace rotamind
