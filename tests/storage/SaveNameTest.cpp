#include "storage/SaveName.h"

#include <gtest/gtest.h>

using namespace rotamind;

namespace {

const QDateTime kAfternoon(QDate(2024, 12, 8), QTime(14, 5, 33));
const QLocale kItalian(QLocale::Italian);
const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);

QString timeFor(int h, int m, int s, const QLocale& locale) {
    return saveNameTime(QTime(h, m, s), locale);
}

} // namespace

TEST(SaveName, proWindowDefaults_italianClock) {
    EXPECT_EQ(saveName(kAfternoon, kItalian, QStringLiteral("Bet365"), QStringLiteral("Ormilda"),
                       QStringLiteral(" - Spin ORARI")),
              QStringLiteral("08-12-2024 ore 14-05-33 Bet365 - Ormilda - Spin ORARI"));
}

TEST(SaveName, siteAndCroupier_keptAsTyped) {
    EXPECT_EQ(saveName(kAfternoon, kItalian, QString(), QStringLiteral("Ormilda"),
                       QStringLiteral(" - Spin ORARI")),
              QStringLiteral("08-12-2024 ore 14-05-33  - Ormilda - Spin ORARI"));
    EXPECT_EQ(saveName(kAfternoon, kItalian, QStringLiteral(" Bet.365/it "),
                       QStringLiteral("A. Rossi"), QStringLiteral(" - Spin TOTALI.txt")),
              QStringLiteral("08-12-2024 ore 14-05-33  Bet.365/it  - A. Rossi - Spin TOTALI.txt"));
    EXPECT_EQ(saveName(QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5)), kItalian, QString(), QString(),
                       QString()),
              QStringLiteral("02-01-2025 ore 03-04-05  - "));
}

TEST(SaveName, bareFileName_onlyANameThatStaysInItsFolder) {
    const struct {
        QString name;
        bool bare;
    } cases[]{
        {QStringLiteral("08-12-2024 ore 14-05-33  Bet.365  - A. Rossi - Spin ORARI.txt"), true},
        {QStringLiteral("..."), true},
        {QStringLiteral("a/b"), false},
        {QStringLiteral("a\\b"), false},
        {QStringLiteral("Bet") + QChar(0) + QStringLiteral("365"), false},
        {QString(), false},
        {QStringLiteral("."), false},
        {QStringLiteral(".."), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isBareFileName(c.name), c.bare) << c.name.toStdString();
}

TEST(SaveName, dateIgnoresTheLocale) {
    const QString name =
        saveName(kAfternoon, kUnitedStates, QStringLiteral("S"), QStringLiteral("C"), QString());
    EXPECT_TRUE(name.startsWith(QStringLiteral("08-12-2024 ore "))) << name.toStdString();
}

TEST(SaveNameTime, twoDigitHourLocale_padsTheHour) {
    ASSERT_EQ(kItalian.timeFormat(QLocale::ShortFormat), QStringLiteral("HH:mm"));
    EXPECT_EQ(timeFor(8, 5, 3, kItalian), QStringLiteral("08-05-03"));
    EXPECT_EQ(timeFor(0, 0, 0, kItalian), QStringLiteral("00-00-00"));
    EXPECT_EQ(timeFor(23, 59, 59, kItalian), QStringLiteral("23-59-59"));
}

TEST(SaveNameTime, oneDigitHourLocale_noLeadingZero) {
    const QLocale hungarian(QLocale::Hungarian);
    ASSERT_EQ(hungarian.timeFormat(QLocale::ShortFormat), QStringLiteral("H:mm"));
    EXPECT_EQ(timeFor(8, 5, 3, hungarian), QStringLiteral("8-05-03"));
    EXPECT_EQ(timeFor(0, 7, 0, hungarian), QStringLiteral("0-07-00"));
    EXPECT_EQ(timeFor(14, 5, 33, hungarian), QStringLiteral("14-05-33"));
}

TEST(SaveNameTime, twelveHourLocale_countsOneToTwelveWithMarkerAfter) {
    ASSERT_EQ(kUnitedStates.timeFormat(QLocale::ShortFormat), QStringLiteral("h:mm AP"));
    EXPECT_EQ(timeFor(14, 5, 33, kUnitedStates), QStringLiteral("2-05-33 PM"));
    EXPECT_EQ(timeFor(0, 7, 9, kUnitedStates), QStringLiteral("12-07-09 AM"));
    EXPECT_EQ(timeFor(12, 0, 0, kUnitedStates), QStringLiteral("12-00-00 PM"));
    EXPECT_EQ(timeFor(11, 59, 59, kUnitedStates), QStringLiteral("11-59-59 AM"));
    EXPECT_EQ(saveName(kAfternoon, kUnitedStates, QStringLiteral("Bet365"),
                       QStringLiteral("Ormilda"), QStringLiteral(" - Spin ORARI")),
              QStringLiteral("08-12-2024 ore 2-05-33 PM Bet365 - Ormilda - Spin ORARI"));
}

TEST(SaveNameTime, markerFirstLocale_putsMarkerBeforeTheHour) {
    const QLocale korean(QLocale::Korean);
    ASSERT_EQ(korean.timeFormat(QLocale::ShortFormat), QStringLiteral("AP h:mm"));
    EXPECT_EQ(timeFor(14, 5, 33, korean), korean.pmText() + QStringLiteral(" 2-05-33"));
    EXPECT_EQ(timeFor(9, 0, 1, korean), korean.amText() + QStringLiteral(" 9-00-01"));
}

TEST(SaveNameTime, formatsWithoutUsableHour_fallBackToTwoDigit24Hours) {
    const QTime time(7, 8, 9);
    for (const QString& format : {QString(), QStringLiteral("mm:ss"), QStringLiteral("'h' mm AP"),
                                  QStringLiteral("'o''clock' m")})
        EXPECT_EQ(saveNameTimeForFormat(time, kUnitedStates, format), QStringLiteral("07-08-09"))
            << format.toStdString();
}

TEST(SaveNameTime, formatLetters_decideDigitsClockAndMarker) {
    const QTime evening(19, 4, 0);
    struct Case {
        QString format;
        QString expected;
    };
    const Case cases[]{
        {QStringLiteral("hh:mm ap"), QStringLiteral("07-04-00 pm")},
        {QStringLiteral("a h:mm"), QStringLiteral("pm 7-04-00")},
        {QStringLiteral("A h.mm"), QStringLiteral("PM 7-04-00")},
        // "H" is a 24-hour clock even beside a marker; "h" without one is too.
        {QStringLiteral("HH:mm AP"), QStringLiteral("19-04-00")},
        {QStringLiteral("h:mm"), QStringLiteral("19-04-00")},
        {QStringLiteral("'at' h:mm AP"), QStringLiteral("7-04-00 PM")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(saveNameTimeForFormat(evening, kUnitedStates, c.format), c.expected)
            << c.format.toStdString();
}
