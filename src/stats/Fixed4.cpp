#include "stats/Fixed4.h"

#include "stats/Int128.h"

#include <limits>

namespace rotamind {

namespace {

constexpr std::int64_t kScale = 10000;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// A result beyond the 64-bit count saturates rather than wrapping into a
// value of the opposite sign.
std::int64_t clampToCount(Int128 value) {
    if (value > kMax)
        return kMax;
    if (value < kMin)
        return kMin;
    return static_cast<std::int64_t>(value);
}

// Rounded from the exact remainder, so no halfway case is lost to a
// floating-point approximation.
Int128 roundHalfEven(Int128 numerator, Int128 denominator) {
    const bool negative = (numerator < 0) != (denominator < 0);
    const UInt128 a = numerator < 0 ? UInt128(0) - UInt128(numerator) : UInt128(numerator);
    const UInt128 b = denominator < 0 ? UInt128(0) - UInt128(denominator) : UInt128(denominator);
    UInt128 quotient = a / b;
    const UInt128 remainder = a % b;
    // remainder < b, so b - remainder does not underflow; comparing that way
    // avoids doubling a remainder near 2^127.
    const UInt128 rest = b - remainder;
    if (remainder > rest || (remainder == rest && (quotient & 1U) != 0))
        ++quotient;
    return negative ? -Int128(quotient) : Int128(quotient);
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

Fixed4 Fixed4::fromQuotient(std::int64_t numerator, std::int64_t denominator) {
    return fromScaledQuotient(numerator, 1, denominator);
}

Fixed4 Fixed4::fromScaledQuotient(std::int64_t numerator, std::int64_t factor,
                                  std::int64_t denominator) {
    Q_ASSERT(denominator != 0);
    if (denominator == 0)
        return Fixed4();
    // Two 64-bit operands give a 127-bit product; the scale would overflow
    // 128 bits, so it moves to the denominator's side only when it must.
    const Int128 product = Int128(numerator) * factor;
    const Int128 bound = (Int128(1) << 126) / kScale;
    if (product <= bound && product >= -bound)
        return Fixed4(clampToCount(roundHalfEven(product * kScale, denominator)));
    // |product| > 2^112, so the count is beyond 64 bits whatever the denominator.
    return Fixed4((product < 0) != (denominator < 0) ? kMin : kMax);
}

QString Fixed4::toText(QChar decimalSeparator) const {
    // The magnitude of the smallest count does not fit in a signed 64-bit value.
    const std::uint64_t magnitude =
        m_count < 0 ? std::uint64_t(0) - std::uint64_t(m_count) : std::uint64_t(m_count);
    QString text;
    if (m_count < 0)
        text += u'-';
    text += QString::number(magnitude / kScale);
    std::uint64_t fraction = magnitude % kScale;
    if (fraction == 0)
        return text;
    int digits = 4;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    text += decimalSeparator;
    text += QString::number(fraction).rightJustified(digits, u'0');
    return text;
}

std::optional<Fixed4> Fixed4::parse(QStringView text, QChar decimalSeparator) {
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (negative)
        ++i;

    // Only the forms the program writes: no plus sign, no blanks, no leading
    // zeros, at least one integer digit.
    const qsizetype integerStart = i;
    UInt128 magnitude = 0;
    const UInt128 limit = UInt128(std::uint64_t(kMax)) + 1; // magnitude of kMin
    while (i < text.size() && isAsciiDigit(text[i])) {
        magnitude = magnitude * 10 + UInt128(text[i].unicode() - u'0');
        if (magnitude * kScale > limit)
            return std::nullopt;
        ++i;
    }
    const qsizetype integerDigits = i - integerStart;
    if (integerDigits == 0 || (integerDigits > 1 && text[integerStart] == u'0'))
        return std::nullopt;

    UInt128 fraction = 0;
    if (i < text.size()) {
        if (text[i] != decimalSeparator)
            return std::nullopt;
        ++i;
        const qsizetype fractionStart = i;
        while (i < text.size() && isAsciiDigit(text[i]) && i - fractionStart < 4) {
            fraction = fraction * 10 + UInt128(text[i].unicode() - u'0');
            ++i;
        }
        const qsizetype fractionDigits = i - fractionStart;
        if (fractionDigits == 0 || i != text.size())
            return std::nullopt;
        for (qsizetype d = fractionDigits; d < 4; ++d)
            fraction *= 10;
    }

    const UInt128 total = magnitude * kScale + fraction;
    if (negative) {
        // toText never writes a minus before zero.
        if (total == 0 || total > limit)
            return std::nullopt;
        return Fixed4(clampToCount(-Int128(total)));
    }
    if (total > UInt128(std::uint64_t(kMax)))
        return std::nullopt;
    return Fixed4(static_cast<std::int64_t>(total));
}

} // namespace rotamind
