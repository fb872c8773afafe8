// The statistics chain of the PRO window after each launch, read from its
// labels and their colours.
#include "../WindowDriver.h"

#include "stats/SeriesStats.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/LengthStatsGrid.h"
#include "ui/windows/TPRO.h"

#include <QLocale>
#include <QTest>

using namespace rotamind;
using rotamind::testing::numberFor;
using rotamind::testing::registerClassesUnderLock;
using rotamind::testing::WindowDriver;

namespace {
constexpr auto O = Direction::Clockwise;
constexpr auto A = Direction::CounterClockwise;
const QColor kRed(255, 0, 0);
const QColor kLime(0, 255, 0);

QByteArray name(const QString& text) {
    return text.toLatin1();
}
} // namespace

class ProStatisticsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian)); }

    void workedSeries_clockwise_fillsClassicAndLengthLabels() {
        TPRO window;
        WindowDriver pro(window);
        registerClassesUnderLock(pro, O, {3, 2, 2, 1, 3, -1});
        QCOMPARE(pro.text("boules"), QStringLiteral("6"));
        const char* expected[6][5] = {{"2", "33,3333", "1", "3", "0,3333"},
                                      {"2", "33,3333", "3", "3", "1"},
                                      {"1", "16,6667", "2", "3", "0,3333"},
                                      {"1", "16,6667", "0", "5", "0"},
                                      {"0", "0", "6", "6", "0"},
                                      {"0", "0", "6", "6", "0"}};
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < ClassicStatsGrid::ColumnCount; ++column) {
                const QString label = ClassicStatsGrid::labelName(
                    {}, ClassicStatsGrid::Column(column), kClasses[size_t(row)]);
                QCOMPARE(pro.text(name(label)), QString::fromLatin1(expected[row][column]));
            }
        QCOMPARE(pro.background("IC2"), kRed);
        for (const char* lime : {"IC3", "IC1", "ICM1", "ICM2", "ICM3"})
            QCOMPARE(pro.background(lime), kLime);

        QCOMPARE(pro.text("LF0"), QStringLiteral("1"));
        QCOMPARE(pro.text("LF2"), QStringLiteral("1"));
        QCOMPARE(pro.text("LFM1"), QStringLiteral("2"));
        QCOMPARE(pro.text("LFM3"), QStringLiteral("1"));
        QCOMPARE(pro.text("LF5"), QStringLiteral("0"));
        QCOMPARE(pro.text("LR0"), QStringLiteral("3"));
        QCOMPARE(pro.text("LRM3"), QStringLiteral("0"));
        QCOMPARE(pro.text("LR4"), QStringLiteral("5"));
        QCOMPARE(pro.text("ICL0"), QStringLiteral("0,5"));
        QCOMPARE(pro.text("ICL2"), QStringLiteral("0,1667"));
        QCOMPARE(pro.text("ICLM1"), QStringLiteral("0,6667"));
        QCOMPARE(pro.text("ICLM3"), QStringLiteral("0"));
        // The other series was never fed.
        QCOMPARE(pro.text("AF3"), QStringLiteral("0"));
        QCOMPARE(pro.text("ZLF0"), QStringLiteral("0"));
        // After every computation the oldest item is the selected one.
        QCOMPARE(pro.control<QAbstractItemView>("List1")
                     ->selectionModel()
                     ->selectedRows()
                     .value(0)
                     .row(),
                 0);
    }

    void percentageOfAClassThatIsGone_showsZeroBesideItsZeroFrequency() {
        TPRO window;
        WindowDriver pro(window);
        registerClassesUnderLock(pro, A, {2, 1});
        QCOMPARE(pro.text("AP1"), QStringLiteral("50"));
        pro.click("SpeedButton2");
        QCOMPARE(pro.text("AF1"), QStringLiteral("0"));
        QCOMPARE(pro.text("AP1"), QStringLiteral("0"));
        QCOMPARE(pro.text("AP2"), QStringLiteral("100"));
    }

    void lengthIndex_reachingOne_turnsRed() {
        TPRO window;
        WindowDriver pro(window);
        // Steps +5, 0, 0, 0, 0 over 6 launches: index(+5) = 1 x 4 / 6.
        registerClassesUnderLock(pro, A, {-3, 3, 3, 3, 3, 3});
        QCOMPARE(pro.text("ZICL5"), QStringLiteral("0,6667"));
        QCOMPARE(pro.background("ZICL5"), kLime);
        registerClassesUnderLock(pro, A, {3, 3}); // 1 x 6 / 8
        QCOMPARE(pro.text("ZICL5"), QStringLiteral("0,75"));
        registerClassesUnderLock(pro, A, {-1}); // a step of -3; index(0) = 6 x 1 / 9
        QCOMPARE(pro.text("ZICL0"), QStringLiteral("0,6667"));
        registerClassesUnderLock(pro, A, {-1, 2}); // steps 0, +2; index(0) = 7 x 1 / 11
        QCOMPARE(pro.text("ZICL0"), QStringLiteral("0,6364"));
        registerClassesUnderLock(pro, A, {-3, -3}); // steps -4, 0; index(0) = 8 x 0 / 13
        QCOMPARE(pro.text("ZICL0"), QStringLiteral("0"));
        registerClassesUnderLock(pro, A, {1, 2}); // steps +3, +1; index(0) = 8 x 2 / 15
        QCOMPARE(pro.text("ZICL0"), QStringLiteral("1,0667"));
        QCOMPARE(pro.background("ZICL0"), kRed);
    }

    void longSequence_everyLabelAgreesWithTheStatistics() {
        TPRO window;
        WindowDriver pro(window);
        const QChar comma(u',');
        QStringList expected[2];
        QString previous = pro.text("n1");
        quint32 seed = 777;
        for (int launch = 0; launch < 120; ++launch) {
            seed = seed * 1664525u + 1013904223u;
            const QString number = QString::number((seed >> 8) % 37);
            const Direction direction = (seed >> 20) % 3 ? O : A;
            pro.registerLaunch(number, direction);
            const int side = direction == O ? 0 : 1;
            if (const auto distanceClass = classifyPair(direction, previous, number))
                expected[side] << classText(*distanceClass);
            previous = number;
            const QStringList& items = expected[side];
            QCOMPARE(pro.items(side ? "List2" : "List1"), items);
            if (items.isEmpty())
                continue;
            const QString prefix = side ? QStringLiteral("A") : QString();
            const ClassicStats classic =
                computeClassicStats({items.constData(), size_t(items.size())});
            const auto n = items.size();
            for (size_t row = 0; row < 6; ++row) {
                const int c = kClasses[row];
                auto label = [&](ClassicStatsGrid::Column column) {
                    return pro.text(name(ClassicStatsGrid::labelName(prefix, column, c)));
                };
                QCOMPARE(label(ClassicStatsGrid::Frequency),
                         QString::number(classic.frequency[row]));
                QCOMPARE(label(ClassicStatsGrid::Absence), QString::number(classic.absence[row]));
                QCOMPARE(label(ClassicStatsGrid::MaxAbsence),
                         QString::number(classic.maxAbsence[row]));
                QCOMPARE(label(ClassicStatsGrid::Percentage),
                         classic.frequency[row] > 0
                             ? percentage(classic.frequency[row], n).toText(comma)
                             : QStringLiteral("0"));
                const Fixed4 index =
                    convenienceIndex(classic.frequency[row], classic.absence[row], n);
                QCOMPARE(label(ClassicStatsGrid::Index), index.toText(comma));
                QCOMPARE(pro.background(
                             name(ClassicStatsGrid::labelName(prefix, ClassicStatsGrid::Index, c))),
                         index.isOneOrMore() ? kRed : kLime);
            }
            const QString lengthPrefix = side ? QStringLiteral("Z") : QString();
            const LengthStats lengths =
                computeLengthStats({items.constData(), size_t(items.size())});
            for (size_t row = 0; row < kLengths.size(); ++row) {
                const int l = kLengths[row];
                QCOMPARE(pro.text(name(LengthStatsGrid::labelName(lengthPrefix,
                                                                  LengthStatsGrid::Frequency, l))),
                         QString::number(lengths.frequency[row]));
                QCOMPARE(pro.text(name(LengthStatsGrid::labelName(lengthPrefix,
                                                                  LengthStatsGrid::Absence, l))),
                         QString::number(lengths.absence[row]));
                const Fixed4 index =
                    convenienceIndex(lengths.frequency[row], lengths.absence[row], n);
                const QByteArray indexName =
                    name(LengthStatsGrid::labelName(lengthPrefix, LengthStatsGrid::Index, l));
                QCOMPARE(pro.text(indexName), index.toText(comma));
                QCOMPARE(pro.background(indexName), index.isOneOrMore() ? kRed : kLime);
            }
        }
        QVERIFY(expected[0].size() > 40);
        QVERIFY(expected[1].size() > 20);
    }
};

QTEST_MAIN(ProStatisticsTest)
#include "ProStatisticsTest.moc"
