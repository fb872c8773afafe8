// SaveName with any date, time, locale, site and croupier: a name that
// automatic saving accepts stays in its folder and holds no separator or NUL,
// and a site and croupier free of those are never refused.
#include "FuzzCheck.h"

#include "storage/SaveName.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

using namespace rotamind;

namespace {

const QString kFolder = QStringLiteral("/cartella");

bool holdsSeparatorOrNul(const QString& text) {
    return text.contains(u'/') || text.contains(u'\\') || text.contains(QChar(0));
}

QString textFrom(FuzzedDataProvider& input) {
    const std::string bytes = input.ConsumeRandomLengthString(64);
    // Half the time as UTF-16, so that any character, NUL included, can occur.
    if (input.ConsumeBool())
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QString(reinterpret_cast<const QChar*>(bytes.data()),
                   static_cast<qsizetype>(bytes.size() / 2));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QLocale locales[] = {
        QLocale::c(),
        QLocale(QLocale::Italian, QLocale::Italy),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::Hungarian),
        QLocale(QLocale::Korean),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Chinese, QLocale::China),
        QLocale(QLocale::Persian, QLocale::Iran),
    };
    static const QString suffixes[] = {QStringLiteral(" - Spin ORARI.txt"),
                                       QStringLiteral(" - Spin ANTIORARI.txt"),
                                       QStringLiteral(" - GRAFICO Spin ORARI.bmp"),
                                       QStringLiteral(" - GRAFICO Spin ANTIORARI.bmp")};

    FuzzedDataProvider input(data, size);
    // One value per statement: the order of function arguments is unspecified.
    const int year = input.ConsumeIntegralInRange(1, 9999);
    const int month = input.ConsumeIntegralInRange(1, 12);
    const int day = input.ConsumeIntegralInRange(1, 28);
    const int hour = input.ConsumeIntegralInRange(0, 23);
    const int minute = input.ConsumeIntegralInRange(0, 59);
    const int second = input.ConsumeIntegralInRange(0, 59);
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    const QLocale& locale = input.PickValueInArray(locales);
    const QString& suffix = input.PickValueInArray(suffixes);
    const QString format = textFrom(input);
    const QString site = textFrom(input);
    const QString croupier = textFrom(input);

    // The time text, for the locale's format and for any format at all.
    FUZZ_CHECK(isBareFileName(saveNameTime(time, locale)));
    FUZZ_CHECK(!holdsSeparatorOrNul(saveNameTimeForFormat(time, locale, format)));

    const QString name = saveName(QDateTime(date, time), locale, site, croupier, suffix);
    if (isBareFileName(name)) {
        FUZZ_CHECK(!holdsSeparatorOrNul(name));
        const QFileInfo file(QDir::cleanPath(kFolder + u'/' + name));
        FUZZ_CHECK(file.path() == kFolder && file.fileName() == name);
    } else {
        FUZZ_CHECK(holdsSeparatorOrNul(site) || holdsSeparatorOrNul(croupier));
    }
    return 0;
}
