#include "session/AutoSaveModel.h"

#include "storage/SaveName.h"
#include "storage/SessionFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <climits>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

// Why a site or croupier text cannot go into a file name, in the user's words.
QString unusableNameReason(const QString& site, const QString& croupier) {
    const struct {
        const QString& text;
        QString whose;
    } fields[] = {{site, QCoreApplication::translate("TSALVA", "del sito")},
                  {croupier, QCoreApplication::translate("TSALVA", "del croupier")}};
    for (const auto& field : fields) {
        for (const QChar separator : {u'/', u'\\'})
            if (field.text.contains(separator))
                return QCoreApplication::translate("TSALVA", "Il nome %1 contiene '%2'")
                    .arg(field.whose, QString(separator));
        if (field.text.contains(QChar(0)))
            return QCoreApplication::translate("TSALVA", "Il nome %1 contiene un carattere nullo")
                .arg(field.whose);
    }
    return QCoreApplication::translate("TSALVA", "Nome di file non valido");
}

// The name's suffix and the series a session file belongs to, per file.
struct FileRule {
    QString suffix;
    std::optional<int> sessionIndex;
};

FileRule ruleOf(AutoSaveModel::File file) {
    switch (file) {
    case AutoSaveModel::File::ClockwiseSession:
        return {sessionSuffix(SeriesFile::ProClockwise) + u".txt"_s, 0};
    case AutoSaveModel::File::CounterSession:
        return {sessionSuffix(SeriesFile::ProCounterClockwise) + u".txt"_s, 1};
    case AutoSaveModel::File::ClockwiseChart:
        return {chartSuffix(SeriesFile::ProClockwise) + u".bmp"_s, std::nullopt};
    case AutoSaveModel::File::CounterChart:
        return {chartSuffix(SeriesFile::ProCounterClockwise) + u".bmp"_s, std::nullopt};
    }
    return {};
}

QByteArray bytesOf(const AutoSaveSource& source, AutoSaveModel::File file) {
    switch (file) {
    case AutoSaveModel::File::ClockwiseSession:
        return sessionFileBytes(source.clockwiseItems());
    case AutoSaveModel::File::CounterSession:
        return sessionFileBytes(source.counterClockwiseItems());
    case AutoSaveModel::File::ClockwiseChart:
        return source.clockwiseChart();
    case AutoSaveModel::File::CounterChart:
        return source.counterClockwiseChart();
    }
    return {};
}

} // namespace

AutoSaveModel::AutoSaveModel(QObject* parent)
    : QObject(parent), m_clock([] { return QDateTime::currentDateTime(); }),
      m_locale(QLocale::system()), m_intervalText(u"5"_s), m_lastName(u"cartella salvataggio"_s),
      m_timer(new QTimer(this)) {
    // The layout's name for the saving timer; tests find it by it.
    m_timer->setObjectName(u"Timer1"_s);
    connect(m_timer, &QTimer::timeout, this, &AutoSaveModel::tick);
}

AutoSaveModel::~AutoSaveModel() = default;

std::optional<int> AutoSaveModel::intervalMinutes() const {
    // Digits exactly as typed: blanks and signs make no interval. Anchored as a
    // whole, since "$" alone would also match before a final line feed and
    // "5\n" would pass as 5.
    static const QRegularExpression digits(QRegularExpression::anchoredPattern(u"[0-9]+"_s));
    bool valid = digits.match(m_intervalText).hasMatch();
    const int minutes = valid ? m_intervalText.toInt(&valid) : 0;
    // At 0 the switch would show "Attivo" and never save anything.
    if (!valid || minutes < 1)
        return std::nullopt;
    return minutes;
}

void AutoSaveModel::startTicking(int minutes) {
    m_nextTick = m_clock().addSecs(minutes * qint64(60));
    const qint64 period = minutes * qint64(m_minuteLength.count());
    // start() also restarts a running timer, so the new period counts from now.
    m_timer->start(static_cast<int>(std::min<qint64>(period, INT_MAX)));
}

AutoSaveModel::SwitchOutcome AutoSaveModel::toggle() {
    const std::optional<int> minutes = intervalMinutes();
    if (!minutes)
        return SwitchOutcome::NoInterval;
    if (isOn()) {
        m_timer->stop();
        m_nextTick.reset();
        emit switchChanged(false);
        return SwitchOutcome::TurnedOff;
    }
    startTicking(*minutes);
    emit switchChanged(true);
    return SwitchOutcome::TurnedOn;
}

void AutoSaveModel::setIntervalText(const QString& text) {
    m_intervalText = text;
    if (const std::optional<int> minutes = intervalMinutes(); minutes && isOn())
        startTicking(*minutes);
}

void AutoSaveModel::chooseFolder(const QString& chosenPath) {
    const QFileInfo chosen(chosenPath);
    m_lastName = chosen.fileName();
    QString folder = QDir::toNativeSeparators(chosen.absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    m_folder = folder;
    emit folderChanged(m_folder);
}

void AutoSaveModel::tick() {
    if (!m_source)
        return;
    if (const std::optional<int> minutes = intervalMinutes(); minutes && isOn())
        m_nextTick = m_clock().addSecs(*minutes * qint64(60));
    for (int i = 0; i < kFileCount; ++i) {
        const auto file = static_cast<File>(i);
        if (writes(file) && !writeOne(file))
            return;
    }
    finishTick(true, {});
}

bool AutoSaveModel::writeOne(File file) {
    const FileRule rule = ruleOf(file);
    // The clock is read per file: a file written a second later carries it.
    const QString name =
        saveName(m_clock(), m_locale, m_source->site(), m_source->croupier(), rule.suffix);
    // Without a folder the name goes to the working folder; the path is made
    // full here, once, and never tidied, so that a failure names exactly the
    // path that was tried ("a/../../x" tidied would point elsewhere).
    QString folder = m_folder;
    if (folder.isEmpty()) {
        folder = QDir::currentPath();
        if (!folder.endsWith(u'/'))
            folder += u'/';
    }
    const QString path = folder + name;
    QString reason;
    // A separator in the site or croupier would put the file outside the
    // chosen folder, and a NUL would cut its name short: such a name cannot be
    // created here.
    if (!isBareFileName(name)) {
        reason = unusableNameReason(m_source->site(), m_source->croupier());
    } else if (writeFileAtomically(path, bytesOf(*m_source, file), &reason)) {
        m_lastName = name;
        // The archive no longer needs to offer that series back after a crash.
        if (rule.sessionIndex)
            emit sessionWritten(*rule.sessionIndex);
        return true;
    }
    finishTick(false, reason);
    emit writeFailed(path, reason);
    return false;
}

void AutoSaveModel::finishTick(bool saved, const QString& reason) {
    m_lastOutcome = Outcome{m_clock(), saved, reason};
    emit ticked(*m_lastOutcome);
}

QString autoSaveStatus(const AutoSaveModel::Outcome& outcome) {
    const QString time = outcome.at.time().toString(u"HH:mm"_s);
    return outcome.saved
               ? QCoreApplication::translate("TSALVA", "Ultimo salvataggio %1: riuscito").arg(time)
               : QCoreApplication::translate("TSALVA", "Ultimo salvataggio %1: non riuscito: %2")
                     .arg(time, outcome.reason);
}

} // namespace rotamind
