#include "storage/SaveName.h"

#include <array>

namespace rotamind {

namespace {

struct Suffixes {
    QString session;
    QString chart;
};

// In the order of SeriesFile.
const std::array<Suffixes, 4>& suffixes() {
    static const std::array<Suffixes, 4> table{{
        {QStringLiteral(" - Spin ORARI"), QStringLiteral(" - GRAFICO Spin ORARI")},
        {QStringLiteral(" - Spin ANTIORARI"), QStringLiteral(" - GRAFICO Spin ANTIORARI")},
        {QStringLiteral(" - Spin TOTALI"), QStringLiteral(" - GRAFICO Spin TOTALI")},
        {QStringLiteral(" - Spin SALVATI"), QString()}, // no command saves its chart
    }};
    return table;
}

} // namespace

const QString& sessionSuffix(SeriesFile series) {
    return suffixes()[static_cast<std::size_t>(series)].session;
}

const QString& chartSuffix(SeriesFile series) {
    return suffixes()[static_cast<std::size_t>(series)].chart;
}

namespace {

// Where the hour and the AM/PM marker sit in a Qt time format, and how they look.
struct TimeLayout {
    qsizetype hourAt = -1; // -1: the format names no hour
    bool hourTwoDigits = false;
    bool hourLetterUpper = false; // "H": always 24 hours
    qsizetype markerAt = -1;      // -1: no marker
    QString markerToken;          // "AP", "ap", "A" or "a", as Qt renders it
};

TimeLayout layoutOf(QStringView format) {
    TimeLayout layout;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            // Quoted text is literal; '' inside or outside quotes is one quote.
            const qsizetype close = format.indexOf(u'\'', i + 1);
            i = close < 0 ? format.size() : close + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if ((c == u'h' || c == u'H') && layout.hourAt < 0) {
            layout.hourAt = i;
            layout.hourTwoDigits = run >= 2;
            layout.hourLetterUpper = c == u'H';
        } else if ((c == u'a' || c == u'A') && layout.markerAt < 0) {
            const bool withP =
                i + 1 < format.size() && (format[i + 1] == u'p' || format[i + 1] == u'P');
            layout.markerAt = i;
            layout.markerToken = format.mid(i, withP ? 2 : 1).toString();
            i += withP ? 2 : 1;
            continue;
        }
        i += run;
    }
    return layout;
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString saveNameTimeForFormat(const QTime& time, const QLocale& locale, QStringView format) {
    const TimeLayout layout = layoutOf(format);
    const QString minutesSeconds =
        u'-' + twoDigits(time.minute()) + u'-' + twoDigits(time.second());
    if (layout.hourAt < 0)
        return twoDigits(time.hour()) + minutesSeconds;

    // As in Qt's own formats, "h" counts 1 to 12 only beside a marker.
    const bool twelveHours = layout.markerAt >= 0 && !layout.hourLetterUpper;
    int hour = time.hour();
    if (twelveHours)
        hour = hour % 12 == 0 ? 12 : hour % 12;
    const QString clock =
        (layout.hourTwoDigits ? twoDigits(hour) : QString::number(hour)) + minutesSeconds;
    if (!twelveHours)
        return clock;
    const QString marker = locale.toString(time, layout.markerToken);
    return layout.markerAt < layout.hourAt ? marker + u' ' + clock : clock + u' ' + marker;
}

QString saveNameTime(const QTime& time, const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (layoutOf(format).hourAt < 0)
        format = locale.timeFormat(QLocale::LongFormat);
    return saveNameTimeForFormat(time, locale, format);
}

bool isBareFileName(QStringView name) {
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    // '\\' separates folders where the file may be copied to; NUL ends a name
    // for the system, so whatever follows it would be lost.
    for (QChar c : name)
        if (c == u'/' || c == u'\\' || c.unicode() == 0)
            return false;
    return true;
}

QString saveName(const QDateTime& now, const QLocale& locale, const QString& site,
                 const QString& croupier, const QString& suffix) {
    // The date is the same everywhere; only the time follows the region.
    return now.date().toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral(" ore ") +
           saveNameTime(now.time(), locale) + u' ' + site + QStringLiteral(" - ") + croupier +
           suffix;
}

} // namespace rotamind
