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

// The series whose files the program names: PRO's two, EASY's current and
// saved ones.
enum class SeriesFile { ProClockwise, ProCounterClockwise, EasyCurrent, EasySaved };

// The suffix of a series' file names, as saveName takes it: its session file
// (" - Spin ORARI") and its chart (" - GRAFICO Spin ORARI"). EASY never saves
// its saved series; the archive window names it " - Spin SALVATI".
const QString& sessionSuffix(SeriesFile series);
const QString& chartSuffix(SeriesFile series);

// Whether a name joined to a folder names a file right in that folder: not
// empty, not "." or "..", and without '/', '\\' or NUL. A site or croupier
// text may hold any of them; automatic saving, which has no dialog to correct
// the name, refuses such a name rather than write elsewhere.
bool isBareFileName(QStringView name);

// The time part alone, as saveName writes it ("14-05-33", "2-05-33 PM").
QString saveNameTime(const QTime& time, const QLocale& locale);

// The time part for a Qt time format such as "h:mm AP"; the locale gives only
// the AM/PM texts. A format without an hour letter gives two-digit 24 hours.
QString saveNameTimeForFormat(const QTime& time, const QLocale& locale, QStringView format);

} // namespace rotamind
