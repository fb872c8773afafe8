#include "stats/Int128.h"
#include "stats/SeriesStats.h"

#include "PrintQString.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace rotamind;

namespace {

int bitLength(UInt128 x) {
    int bits = 0;
    while (x != 0) {
        x >>= 1;
        ++bits;
    }
    return bits;
}

// a / b rounded to the nearest integer, ties to even.
UInt128 divideHalfEven(UInt128 a, UInt128 b) {
    UInt128 q = a / b;
    const UInt128 r = a % b;
    if (2 * r > b || (2 * r == b && (q & 1U) != 0))
        ++q;
    return q;
}

// Integer model of the x87 evaluation, independent of the compiler's long
// double: each step keeps a 64-bit significand and rounds to nearest even.
// Valid for small non-negative operands (f, rit, n below 2^20).
std::int64_t extendedModel(std::int64_t f, std::int64_t rit, std::int64_t n) {
    if (f == 0 || rit == 0)
        return 0;
    // q = mq * 2^-s with 2^63 <= mq < 2^64.
    int s = 63 + bitLength(UInt128(n)) - bitLength(UInt128(f));
    while ((UInt128(f) << s) / UInt128(n) >= (UInt128(1) << 64))
        --s;
    while ((UInt128(f) << s) / UInt128(n) < (UInt128(1) << 63))
        ++s;
    UInt128 mq = divideHalfEven(UInt128(f) << s, UInt128(n));
    if (mq == (UInt128(1) << 64)) {
        mq >>= 1;
        --s;
    }
    // p = mq * rit * 10000 * 2^-s, the product cut back to 64 bits.
    const UInt128 product = mq * UInt128(rit * 10000);
    int shift = std::max(0, bitLength(product) - 64);
    UInt128 mp = shift == 0 ? product : divideHalfEven(product, UInt128(1) << shift);
    if (mp == (UInt128(1) << 64)) {
        mp >>= 1;
        ++shift;
    }
    const int exponent = shift - s;
    if (exponent >= 0)
        return static_cast<std::int64_t>(mp << exponent);
    if (-exponent >= 100)
        return 0;
    return static_cast<std::int64_t>(divideHalfEven(mp, UInt128(1) << -exponent));
}

QString text(Fixed4 value) {
    return value.toText(u',');
}

} // namespace

TEST(ConvenienceIndex, workedSeries_classTwoIsExactlyOne) {
    // Items 3, 2, 2, 1, 3, -1: F and RIT per class from the classic table.
    EXPECT_EQ(convenienceIndex(2, 3, 6).count(), 10000);
    EXPECT_TRUE(convenienceIndex(2, 3, 6).isOneOrMore());
    EXPECT_EQ(text(convenienceIndex(2, 3, 6)), u"1");
    EXPECT_EQ(text(convenienceIndex(2, 1, 6)), u"0,3333");
    EXPECT_EQ(text(convenienceIndex(1, 2, 6)), u"0,3333");
    EXPECT_EQ(text(convenienceIndex(1, 0, 6)), u"0");
    EXPECT_EQ(text(convenienceIndex(0, 6, 6)), u"0");
    EXPECT_FALSE(convenienceIndex(2, 1, 6).isOneOrMore());
}

TEST(ConvenienceIndex, halfwayValues_followTheExtendedEvaluation) {
    // 0.03125 is exact in binary: the tie goes to the even count.
    EXPECT_EQ(text(convenienceIndex(1, 1, 32)), u"0,0312");
    // 0.40625 is a tie only on paper: 13 / 96 is rounded up a hair first.
    EXPECT_EQ(text(convenienceIndex(13, 3, 96)), u"0,4063");
}

TEST(ConvenienceIndex, hasNoUpperBound) {
    EXPECT_EQ(text(convenienceIndex(10, 10, 20)), u"5");
    EXPECT_EQ(text(convenienceIndex(1000, 999000, 1000)), u"999000");
}

TEST(ConvenienceIndex, neverCameUpOrJustCameUp_isZero) {
    EXPECT_EQ(convenienceIndex(0, 1000000, 1000000).count(), 0);
    EXPECT_EQ(convenienceIndex(500000, 0, 1000000).count(), 0);
}

TEST(ConvenienceIndex, sweep_agreesWithExactRoundingExceptAtHalfwayValues) {
    int halfway = 0;
    int halfwayRoundedAway = 0;
    int doubleWouldDiffer = 0;
    for (std::int64_t n = 1; n <= 96; ++n) {
        for (std::int64_t f = 0; f <= n; ++f) {
            for (std::int64_t rit = 0; rit <= n; ++rit) {
                const std::int64_t index = convenienceIndex(f, rit, n).count();
                ASSERT_EQ(index, extendedModel(f, rit, n)) << f << " " << rit << " " << n;

                const std::int64_t scaled = f * rit * 10000;
                const std::int64_t exact = Fixed4::fromQuotient(f * rit, n).count();
                if (2 * (scaled % n) == n) {
                    ++halfway;
                    // A tie may land on either neighbour, never further.
                    ASSERT_TRUE(index == scaled / n || index == scaled / n + 1);
                    if (index != exact)
                        ++halfwayRoundedAway;
                } else {
                    ASSERT_EQ(index, exact) << f << " " << rit << " " << n;
                }

                const double inDouble = static_cast<double>(f) / static_cast<double>(n) *
                                        static_cast<double>(rit * 10000);
                if (static_cast<std::int64_t>(std::nearbyint(inDouble)) != index)
                    ++doubleWouldDiffer;
            }
        }
    }
    EXPECT_GT(halfway, 0);
    EXPECT_GT(halfwayRoundedAway, 0);
    // The sweep holds ties where plain double precision rounds the other way,
    // so an evaluation in double could not pass it.
    EXPECT_GT(doubleWouldDiffer, 0);
}
