#include "betting/BettingAid.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <set>
#include <vector>

using namespace rotamind;

namespace {

constexpr Direction O = Direction::Clockwise;
constexpr Direction A = Direction::CounterClockwise;
const QString kNone = QString::fromUtf16(kNoWindowLabel);

const QStringList kClassTexts{QStringLiteral("3"),  QStringLiteral("2"),  QStringLiteral("1"),
                              QStringLiteral("-1"), QStringLiteral("-2"), QStringLiteral("-3")};

// The pockets a label names, read back from its text rather than from the wheel tables.
std::set<int> pocketsOfLabel(const QString& label) {
    std::set<int> pockets;
    for (const QString& part : label.split(u'-'))
        pockets.insert(part.toInt());
    return pockets;
}

QString negated(const QString& classText) {
    return classText.startsWith(u'-') ? classText.mid(1) : u'-' + classText;
}

} // namespace

TEST(NumbersToBet, examples_giveWindowAndOpposite) {
    struct Row {
        const char* last;
        Direction direction;
        const char* distance;
        const char* toBet;
        const char* opposite;
    };
    const std::vector<Row> rows{
        {"0", O, "1", "02-04-15-19-21-32", "01-05-16-20-24-33"},
        {"0", O, "3", "08-10-11-23-30-36", "03-07-12-26-28-35"},
        {"0", O, "-2", "09-14-18-22-29-31", "06-13-17-25-27-34"},
        {"0", A, "1", "03-07-12-26-28-35", "08-10-11-23-30-36"},
        {"0", A, "-3", "02-04-15-19-21-32", "01-05-16-20-24-33"},
        {"26", O, "1", "00-04-15-19-21-32", "01-05-10-16-24-33"},
        {"26", A, "3", "01-05-10-16-24-33", "00-04-15-19-21-32"},
        {"17", O, "2", "05-08-10-23-24-30", "00-03-12-26-32-35"},
        {"17", A, "2", "00-03-12-26-32-35", "05-08-10-23-24-30"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.last) + (row.direction == O ? " O " : " A ") + row.distance);
        const auto result = numbersToBet(row.direction, QString::fromLatin1(row.last),
                                         QString::fromLatin1(row.distance));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->toBet, QString::fromLatin1(row.toBet));
        EXPECT_EQ(result->opposite, QString::fromLatin1(row.opposite));
    }
}

TEST(NumbersToBet, inexactTextsOrNoDirection_giveNoResult) {
    for (const char* last : {"05", " 5", "5 ", "37", "??", "", "-1", "x"})
        EXPECT_FALSE(numbersToBet(O, QString::fromLatin1(last), u"1")) << '"' << last << '"';
    for (const char* distance : {"+1", "01", "0", "4", "-4", "", " 1", "-", "1-"})
        EXPECT_FALSE(numbersToBet(A, u"5", QString::fromLatin1(distance)))
            << '"' << distance << '"';
    EXPECT_FALSE(numbersToBet(std::nullopt, u"5", u"1"));
    EXPECT_FALSE(numbersToBet(std::nullopt, u"0", u"-3"));
}

// Every valid input, checked against the classification rule itself: a launch
// to any pocket of the window to bet gets class D, to any opposite pocket -D.
TEST(NumbersToBet, everyInput_agreesWithClassification) {
    for (const Direction direction : {O, A}) {
        for (int last = 0; last <= 36; ++last) {
            const QString lastText = QString::number(last);
            for (const QString& distance : kClassTexts) {
                SCOPED_TRACE(lastText.toStdString() + (direction == O ? " O " : " A ") +
                             distance.toStdString());
                const auto result = numbersToBet(direction, lastText, distance);
                ASSERT_TRUE(result);
                const std::set<int> toBet = pocketsOfLabel(result->toBet);
                const std::set<int> opposite = pocketsOfLabel(result->opposite);
                ASSERT_EQ(toBet.size(), 6u);
                ASSERT_EQ(opposite.size(), 6u);
                for (const int pocket : toBet)
                    EXPECT_EQ(classifyPair(direction, lastText, QString::number(pocket)),
                              classFromText(distance))
                        << pocket;
                for (const int pocket : opposite)
                    EXPECT_EQ(classifyPair(direction, lastText, QString::number(pocket)),
                              classFromText(negated(distance)))
                        << pocket;
                EXPECT_FALSE(toBet.count(last));
                EXPECT_FALSE(opposite.count(last));
                for (const int pocket : toBet)
                    EXPECT_FALSE(opposite.count(pocket)) << pocket;
                // Both labels must name real windows of six neighbours.
                EXPECT_TRUE(pictureForWindow(result->toBet));
                EXPECT_TRUE(pictureForWindow(result->opposite));
            }
        }
    }
}

TEST(NumbersToBet, clockwiseClass_equalsCounterClockwiseMirrorClass) {
    const std::vector<std::pair<const char*, const char*>> mirror{
        {"1", "-3"}, {"2", "-2"}, {"3", "-1"}, {"-1", "3"}, {"-2", "2"}, {"-3", "1"}};
    for (int last = 0; last <= 36; ++last) {
        const QString lastText = QString::number(last);
        for (const auto& [clockwiseClass, counterClass] : mirror) {
            const auto clockwise = numbersToBet(O, lastText, QString::fromLatin1(clockwiseClass));
            const auto counter = numbersToBet(A, lastText, QString::fromLatin1(counterClass));
            ASSERT_TRUE(clockwise && counter);
            EXPECT_EQ(clockwise->toBet, counter->toBet) << last << ' ' << clockwiseClass;
            EXPECT_EQ(clockwise->opposite, counter->opposite) << last << ' ' << clockwiseClass;
        }
    }
}

TEST(PictureForWindow, tableRows_pickTheirPicture) {
    EXPECT_EQ(pictureForWindow(u"??-??-??-??-??-??"), QStringLiteral("BASE"));
    EXPECT_EQ(pictureForWindow(u"00-04-15-19-21-32"), QStringLiteral("Image0"));
    EXPECT_EQ(pictureForWindow(u"02-04-15-19-21-32"), QStringLiteral("Image32"));
    EXPECT_EQ(pictureForWindow(u"02-04-15-19-21-25"), QStringLiteral("Image15"));
    EXPECT_EQ(pictureForWindow(u"08-10-11-23-30-36"), QStringLiteral("Image36"));
    EXPECT_EQ(pictureForWindow(u"00-04-15-19-26-32"), QStringLiteral("Image26"));
}

// The picture's number is the window's start: the one pocket of the label
// whose predecessor on the wheel is not in the label.
TEST(PictureForWindow, everyWindowLabel_picksPictureOfItsStart) {
    std::set<QString> pictures;
    for (std::size_t position = 0; position < kWheelOrder.size(); ++position) {
        const int start = kWheelOrder[position];
        const QString label = windowLabel(windowAt(start));
        const std::set<int> pockets = pocketsOfLabel(label);
        const int predecessor = kWheelOrder[(position + 36) % 37];
        ASSERT_TRUE(pockets.count(start));
        ASSERT_FALSE(pockets.count(predecessor));
        const auto picture = pictureForWindow(label);
        ASSERT_TRUE(picture) << label.toStdString();
        EXPECT_EQ(*picture, u"Image" + QString::number(start));
        pictures.insert(*picture);
    }
    EXPECT_EQ(pictures.size(), 37u);
}

TEST(PictureForWindow, otherTexts_giveNone) {
    // Six pockets, but not neighbours on the wheel.
    for (const char* caption :
         {"", "BASE", "Image0", "00-01-02-03-04-05", "0-04-15-19-21-32", "00-04-15-19-21-32 ",
          " 00-04-15-19-21-32", "32-21-19-15-04-00", "??-??-??-??-??-?", "00-04-15-19-21"})
        EXPECT_FALSE(pictureForWindow(QString::fromLatin1(caption))) << '"' << caption << '"';
}
