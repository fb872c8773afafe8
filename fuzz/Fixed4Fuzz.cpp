// Fixed4 against exact arithmetic: a text read back gives the value, and a
// quotient is the exact one rounded half to even, computed here the plain way
// (truncating division, then a look at the remainder) in 128 bits.
#include "FuzzCheck.h"

#include "stats/Fixed4.h"

#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <limits>

using namespace rotamind;

namespace {

using Int128 = __int128;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
// Comma, point and the Arabic decimal separator: none is a digit or a minus.
constexpr char16_t kSeparators[] = {u',', u'.', u'\u066B'};

std::int64_t saturated(Int128 value) {
    return value > kMax ? kMax : value < kMin ? kMin : static_cast<std::int64_t>(value);
}

// numerator * factor * 10000 / denominator, rounded half to even, saturated.
std::int64_t exactCount(std::int64_t numerator, std::int64_t factor, std::int64_t denominator) {
    const Int128 product = Int128(numerator) * factor; // |product| <= 2^126
    const Int128 limit = std::numeric_limits<Int128>::max() / 10000;
    const bool negative = (product < 0) != (denominator < 0);
    // Beyond the limit the count is above 2^64 for any denominator.
    if (product > limit || product < -limit)
        return negative ? kMin : kMax;
    const Int128 dividend = product * 10000;
    Int128 quotient = dividend / denominator;
    const Int128 remainder = dividend % denominator;
    const Int128 twiceRest = 2 * (remainder < 0 ? -remainder : remainder);
    const Int128 divisor = denominator < 0 ? -Int128(denominator) : Int128(denominator);
    if (twiceRest > divisor || (twiceRest == divisor && quotient % 2 != 0))
        quotient += negative ? -1 : 1;
    return saturated(quotient);
}

// The text toText writes for the value a text names: no trailing zeros in
// the fraction, no separator without one.
QString canonical(QString text, QChar separator) {
    if (text.contains(separator)) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(separator))
            text.chop(1);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QChar separator = input.PickValueInArray(kSeparators);

    const Fixed4 value = Fixed4::fromCount(input.ConsumeIntegral<std::int64_t>());
    const auto back = Fixed4::parse(value.toText(separator), separator);
    FUZZ_CHECK(back && *back == value);

    const auto numerator = input.ConsumeIntegral<std::int64_t>();
    const auto factor = input.ConsumeIntegral<std::int64_t>();
    auto denominator = input.ConsumeIntegral<std::int64_t>();
    if (denominator == 0)
        denominator = 1;
    FUZZ_CHECK(Fixed4::fromQuotient(numerator, denominator).count() ==
               exactCount(numerator, 1, denominator));
    FUZZ_CHECK(Fixed4::fromScaledQuotient(numerator, factor, denominator).count() ==
               exactCount(numerator, factor, denominator));

    // Any text the reader accepts is one toText writes, up to trailing zeros.
    const QString text = QString::fromUtf8(input.ConsumeRemainingBytesAsString());
    if (const auto parsed = Fixed4::parse(text, separator))
        FUZZ_CHECK(parsed->toText(separator) == canonical(text, separator));
    return 0;
}
