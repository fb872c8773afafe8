#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTime>

namespace rotamind {

// "dd-MM-yyyy ore <time> <site> - <croupier><suffix>". The hour follows the
// locale's short time format (leading zero, 12/24 hours, AM/PM marker and its
// place); minutes and seconds always have two digits.
QString saveName(const QDateTime& now, const QLocale& locale, const QString& site,
                 const QString& croupier, const QString& suffix);

// The time part alone, as saveName writes it ("14-05-33", "2-05-33 PM").
QString saveNameTime(const QTime& time, const QLocale& locale);

// The time part for a Qt time format such as "h:mm AP"; the locale gives only
// the AM/PM texts. A format without an hour letter gives two-digit 24 hours.
QString saveNameTimeForFormat(const QTime& time, const QLocale& locale, QStringView format);

} // namespace rotamind
