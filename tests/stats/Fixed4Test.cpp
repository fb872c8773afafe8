#include "stats/Fixed4.h"

#include "PrintQString.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

using namespace rotamind;

namespace {

QString text(Fixed4 value) {
    return value.toText(u',');
}

} // namespace

TEST(Fixed4, quotient_roundsHalvesToEvenCount) {
    // 1/128 of 100 is 0.78125 and 127/128 of it 99.21875: both exactly halfway.
    EXPECT_EQ(Fixed4::fromQuotient(100, 128).count(), 7812);
    EXPECT_EQ(Fixed4::fromQuotient(12700, 128).count(), 992188);
    EXPECT_EQ(Fixed4::fromQuotient(3, 20000).count(), 2); // 1.5 -> 2
    EXPECT_EQ(Fixed4::fromQuotient(5, 20000).count(), 2); // 2.5 -> 2
    EXPECT_EQ(Fixed4::fromQuotient(-5, 20000).count(), -2);
    EXPECT_EQ(Fixed4::fromQuotient(-3, 20000).count(), -2);
    EXPECT_EQ(Fixed4::fromQuotient(3, -20000).count(), -2);
    EXPECT_EQ(Fixed4::fromQuotient(200, 3).count(), 666667);
    EXPECT_EQ(Fixed4::fromQuotient(100, 3).count(), 333333);
    EXPECT_EQ(Fixed4::fromQuotient(-100, 3).count(), -333333);
}

TEST(Fixed4, quotient_matchesReferenceRoundingOverSweep) {
    // Reference: compare twice the remainder with the divisor, all in small numbers.
    for (std::int64_t d = 1; d <= 300; ++d) {
        for (std::int64_t n = -700; n <= 700; ++n) {
            const std::int64_t scaled = n * 10000;
            std::int64_t q = scaled / d;
            std::int64_t r = scaled % d;
            if (r < 0) {
                r += d;
                --q;
            }
            if (2 * r > d || (2 * r == d && q % 2 != 0))
                ++q;
            ASSERT_EQ(Fixed4::fromQuotient(n, d).count(), q) << n << "/" << d;
        }
    }
}

TEST(Fixed4, quotient_extremeOperandsNeitherOverflowNorWrap) {
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    // max / max is exactly 1, which a 64-bit "n * 10000" would get wrong.
    EXPECT_EQ(Fixed4::fromQuotient(max, max).count(), 10000);
    EXPECT_EQ(Fixed4::fromQuotient(min, min).count(), 10000);
    EXPECT_EQ(Fixed4::fromQuotient(min, max).count(), -10000);
    EXPECT_EQ(Fixed4::fromQuotient(max - 1, max).count(), 10000);
    EXPECT_EQ(Fixed4::fromQuotient(max, 1).count(), max);
    EXPECT_EQ(Fixed4::fromQuotient(min, 1).count(), min);
    EXPECT_EQ(Fixed4::fromScaledQuotient(max, max, 1).count(), max);
    EXPECT_EQ(Fixed4::fromScaledQuotient(max, min, 1).count(), min);
    EXPECT_EQ(Fixed4::fromScaledQuotient(max, 100, max).count(), 1000000);
    EXPECT_EQ(Fixed4::fromScaledQuotient(min, 100, min).count(), 1000000);
}

TEST(Fixed4, text_dropsTrailingZerosAndUsesSeparator) {
    EXPECT_EQ(text(Fixed4::fromCount(1000000)), u"100");
    EXPECT_EQ(text(Fixed4::fromCount(125000)), u"12,5");
    EXPECT_EQ(text(Fixed4::fromCount(333333)), u"33,3333");
    EXPECT_EQ(text(Fixed4::fromCount(312)), u"0,0312");
    EXPECT_EQ(text(Fixed4::fromCount(1)), u"0,0001");
    EXPECT_EQ(text(Fixed4::fromCount(10)), u"0,001");
    EXPECT_EQ(text(Fixed4::fromCount(0)), u"0");
    EXPECT_EQ(text(Fixed4::fromCount(-5000)), u"-0,5");
    EXPECT_EQ(text(Fixed4::fromCount(-10000)), u"-1");
    EXPECT_EQ(text(Fixed4::fromCount(123456789012340000)), u"12345678901234");
    EXPECT_EQ(Fixed4::fromCount(125000).toText(u'.'), u"12.5");
    EXPECT_EQ(text(Fixed4::fromCount(std::numeric_limits<std::int64_t>::min())),
              u"-922337203685477,5808");
    EXPECT_EQ(text(Fixed4::fromCount(std::numeric_limits<std::int64_t>::max())),
              u"922337203685477,5807");
}

TEST(Fixed4, parseOfText_roundTripsExactly) {
    std::mt19937_64 random(20240601);
    std::vector<std::int64_t> counts{0,
                                     1,
                                     -1,
                                     9999,
                                     10000,
                                     -10001,
                                     7812,
                                     992188,
                                     std::numeric_limits<std::int64_t>::max(),
                                     std::numeric_limits<std::int64_t>::min(),
                                     std::numeric_limits<std::int64_t>::min() + 1};
    for (int i = 0; i < 2000; ++i) {
        counts.push_back(static_cast<std::int64_t>(random()));
        counts.push_back(static_cast<std::int64_t>(random() % 2000001) - 1000000);
    }
    for (const QChar separator : {QChar(u','), QChar(u'.')}) {
        for (const std::int64_t count : counts) {
            const QString written = Fixed4::fromCount(count).toText(separator);
            const std::optional<Fixed4> back = Fixed4::parse(written, separator);
            ASSERT_TRUE(back.has_value()) << written.toStdString();
            ASSERT_EQ(back->count(), count) << written.toStdString();
        }
    }
}

TEST(Fixed4, parse_acceptsPaddedFractionDigits) {
    EXPECT_EQ(Fixed4::parse(u"12,5000", u',')->count(), 125000);
    EXPECT_EQ(Fixed4::parse(u"0,05", u',')->count(), 500);
    EXPECT_EQ(Fixed4::parse(u"-3,1", u',')->count(), -31000);
    EXPECT_EQ(Fixed4::parse(u"1", u',')->count(), 10000);
}

TEST(Fixed4, parse_refusesAnythingItDoesNotWrite) {
    const char16_t* garbage[] = {u"",
                                 u"-",
                                 u",5",
                                 u"5,",
                                 u"1,23456",
                                 u"+1",
                                 u" 1",
                                 u"1 ",
                                 u"1.5",
                                 u"1,2,3",
                                 u"abc",
                                 u"1e3",
                                 u"01",
                                 u"-0",
                                 u"-0,0",
                                 u"--1",
                                 u"1-",
                                 u"??",
                                 u"0x10",
                                 u"١",
                                 u"1,5a",
                                 u"922337203685478",
                                 u"-922337203685477,5809",
                                 u"922337203685477,5808",
                                 u"99999999999999999999999999"};
    for (const char16_t* candidate : garbage)
        EXPECT_FALSE(Fixed4::parse(QStringView(candidate), u',').has_value())
            << QString::fromUtf16(candidate).toStdString();
    // With a point as separator the comma is the stranger.
    EXPECT_FALSE(Fixed4::parse(u"12,5", u'.').has_value());
}

TEST(Fixed4, isOneOrMore_followsTheRoundedValue) {
    EXPECT_TRUE(Fixed4::fromQuotient(99995, 100000).isOneOrMore()); // 0.99995 rounds to 1
    EXPECT_FALSE(Fixed4::fromQuotient(99994, 100000).isOneOrMore());
    EXPECT_FALSE(Fixed4::fromCount(-20000).isOneOrMore());
}
