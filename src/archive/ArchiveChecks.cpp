#include "archive/ArchiveChecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>
#include <sys/stat.h>

#include <map>

using namespace Qt::StringLiterals;

namespace rotamind::archive_checks {

std::optional<qint64> integer(const QVariant& value) {
    // The SQLite driver gives an INTEGER as a qlonglong; a text "3" or a
    // real 3.0 in a column that should hold 3 is damage, not a 3.
    if (value.metaType().id() != QMetaType::LongLong)
        return std::nullopt;
    return value.toLongLong();
}

std::optional<std::int8_t> distanceClass(const QVariant& value) {
    const std::optional<qint64> stored = integer(value);
    if (!stored || *stored == 0 || *stored < -3 || *stored > 3)
        return std::nullopt;
    return static_cast<std::int8_t>(*stored);
}

std::optional<qint64> count(const QVariant& value) {
    const std::optional<qint64> stored = integer(value);
    if (!stored || *stored < 0 || *stored > kMaxCount)
        return std::nullopt;
    return stored;
}

std::optional<qint64> id(const QVariant& value) {
    const std::optional<qint64> stored = integer(value);
    if (!stored || *stored < 1)
        return std::nullopt;
    return stored;
}

std::optional<QString> mode(const QVariant& value) {
    if (value.metaType().id() != QMetaType::QString)
        return std::nullopt;
    QString text = value.toString();
    if (text != u"PRO"_s && text != u"EASY"_s)
        return std::nullopt;
    return text;
}

std::optional<bool> flag(const QVariant& value) {
    const std::optional<qint64> stored = integer(value);
    if (!stored || (*stored != 0 && *stored != 1))
        return std::nullopt;
    return *stored == 1;
}

std::optional<std::optional<Direction>> direction(const QVariant& value) {
    std::optional<std::optional<Direction>> found;
    if (value.isNull())
        found.emplace();
    else if (value.metaType().id() == QMetaType::QString && value.toString() == u"O"_s)
        found.emplace(Direction::Clockwise);
    else if (value.metaType().id() == QMetaType::QString && value.toString() == u"A"_s)
        found.emplace(Direction::CounterClockwise);
    return found;
}

namespace {
// Exactly the shape the archive writes, "2026-12-09T21:14:05", read by hand:
// QDateTime::fromString with a format, or a QDateTime in local time at all,
// costs microseconds that ten thousand listed rows would feel.
std::optional<std::pair<QDate, QTime>> momentParts(const QVariant& value) {
    if (value.metaType().id() != QMetaType::QString)
        return std::nullopt;
    const QString text = value.toString();
    static constexpr char16_t kShape[] = u"dddd-dd-ddTdd:dd:dd";
    if (text.size() != 19)
        return std::nullopt;
    for (qsizetype i = 0; i < 19; ++i) {
        const char16_t c = text[i].unicode();
        if (kShape[i] == u'd' ? (c < u'0' || c > u'9') : c != kShape[i])
            return std::nullopt;
    }
    const auto field = [&text](qsizetype from, qsizetype size) {
        int number = 0;
        for (qsizetype i = from; i < from + size; ++i)
            number = number * 10 + (text[i].unicode() - u'0');
        return number;
    };
    const QDate date(field(0, 4), field(5, 2), field(8, 2));
    const QTime time(field(11, 2), field(14, 2), field(17, 2));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return std::pair{date, time};
}
} // namespace

std::optional<QDateTime> moment(const QVariant& value) {
    const auto parts = momentParts(value);
    if (!parts)
        return std::nullopt;
    return QDateTime(parts->first, parts->second);
}

RowCheck::RowCheck(const QSqlRecord& columns) {
    static const std::map<QString, std::pair<Kind, const char*>> known{
        {u"id"_s, {Kind::Id, QT_TRANSLATE_NOOP("ArchiveChecks", "numero non valido")}},
        {u"mode"_s, {Kind::Mode, QT_TRANSLATE_NOOP("ArchiveChecks", "modalità non valida")}},
        {u"started"_s,
         {Kind::Moment, QT_TRANSLATE_NOOP("ArchiveChecks", "data d'inizio non valida")}},
        {u"changed"_s,
         {Kind::Moment,
          QT_TRANSLATE_NOOP("ArchiveChecks", "data dell'ultima modifica non valida")}},
        {u"ended"_s,
         {Kind::OptionalMoment, QT_TRANSLATE_NOOP("ArchiveChecks", "data di chiusura non valida")}},
        {u"direction"_s,
         {Kind::Direction, QT_TRANSLATE_NOOP("ArchiveChecks", "direzione non valida")}},
        {u"count0"_s,
         {Kind::Count, QT_TRANSLATE_NOOP("ArchiveChecks", "numero di lanci non valido")}},
        {u"count1"_s,
         {Kind::Count, QT_TRANSLATE_NOOP("ArchiveChecks", "numero di lanci non valido")}},
        {u"launches"_s,
         {Kind::Count, QT_TRANSLATE_NOOP("ArchiveChecks", "numero di registrazioni non valido")}},
        {u"unsaved0"_s,
         {Kind::Flag, QT_TRANSLATE_NOOP("ArchiveChecks", "stato di salvataggio non valido")}},
        {u"unsaved1"_s,
         {Kind::Flag, QT_TRANSLATE_NOOP("ArchiveChecks", "stato di salvataggio non valido")}}};
    for (int i = 0; i < columns.count(); ++i)
        if (const auto found = known.find(columns.fieldName(i)); found != known.end())
            m_columns.push_back(
                {i, found->second.first,
                 QCoreApplication::translate("ArchiveChecks", found->second.second)});
}

QString RowCheck::problem(const QSqlQuery& row) const {
    for (const Column& column : m_columns) {
        const QVariant value = row.value(column.index);
        bool sound = false;
        switch (column.kind) {
        case Kind::Id:
            sound = id(value).has_value();
            break;
        case Kind::Mode:
            sound = mode(value).has_value();
            break;
        case Kind::Moment:
            sound = momentParts(value).has_value();
            break;
        case Kind::OptionalMoment:
            sound = value.isNull() || momentParts(value).has_value();
            break;
        case Kind::Direction:
            sound = direction(value).has_value();
            break;
        case Kind::Count:
            sound = count(value).has_value();
            break;
        case Kind::Flag:
            sound = flag(value).has_value();
            break;
        }
        if (!sound)
            return column.problem;
    }
    return {};
}

QString notAFile(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return {};
    const QString shown = QDir::toNativeSeparators(path);
    if (S_ISDIR(status.st_mode))
        return QCoreApplication::translate("ArchiveChecks", "al posto del file %1 c'è una cartella")
            .arg(shown);
    if (S_ISFIFO(status.st_mode))
        return QCoreApplication::translate("ArchiveChecks", "al posto del file %1 c'è una pipe")
            .arg(shown);
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return QCoreApplication::translate("ArchiveChecks",
                                           "al posto del file %1 c'è un dispositivo")
            .arg(shown);
    return QCoreApplication::translate("ArchiveChecks", "%1 non è un file regolare").arg(shown);
}

int primaryCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

bool isDamage(int code) {
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

QString reasonOf(const QSqlError& error) {
    const QString detail =
        (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed();
    QString reason;
    switch (primaryCode(error)) {
    case SQLITE_FULL:
        return QCoreApplication::translate("ArchiveChecks", "disco pieno");
    case SQLITE_IOERR:
        reason =
            QCoreApplication::translate("ArchiveChecks", "errore di lettura o scrittura sul disco");
        break;
    case SQLITE_CANTOPEN:
        reason = QCoreApplication::translate("ArchiveChecks", "impossibile aprire il file");
        break;
    case SQLITE_CORRUPT:
        reason = QCoreApplication::translate("ArchiveChecks", "file danneggiato");
        break;
    case SQLITE_NOTADB:
        reason = QCoreApplication::translate("ArchiveChecks", "il file non è un archivio");
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        reason =
            QCoreApplication::translate("ArchiveChecks", "archivio occupato da un altro programma");
        break;
    case SQLITE_READONLY:
        reason = QCoreApplication::translate("ArchiveChecks", "file di sola lettura");
        break;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        reason = QCoreApplication::translate("ArchiveChecks", "permesso negato");
        break;
    case SQLITE_NOMEM:
        reason = QCoreApplication::translate("ArchiveChecks", "memoria esaurita");
        break;
    case SQLITE_CONSTRAINT:
        reason = QCoreApplication::translate("ArchiveChecks", "dati dell'archivio incoerenti");
        break;
    default:
        reason = QCoreApplication::translate("ArchiveChecks", "errore dell'archivio");
        break;
    }
    return detail.isEmpty() ? reason : u"%1 (%2)"_s.arg(reason, detail);
}

QString number(qint64 value) {
    return QLocale(QLocale::Italian, QLocale::Italy).toString(value);
}

QString sessionName(qint64 id, const QString& mode, const QVariant& started) {
    QString name = u"n. %1"_s.arg(id);
    const std::optional<QDateTime> when = moment(started);
    if (!mode.isEmpty() && when)
        name += QCoreApplication::translate("ArchiveChecks", " (%1 del %2)")
                    .arg(mode, when->toString(u"dd-MM-yyyy HH:mm"_s));
    else if (!mode.isEmpty())
        name += u" (%1)"_s.arg(mode);
    return name;
}

SeriesCheck::SeriesCheck(const QVariant& expected) : m_expected(count(expected)) {
    if (!m_expected) {
        m_sound = false;
        m_firstProblem = QCoreApplication::translate("ArchiveChecks", "numero di lanci non valido");
    }
}

void SeriesCheck::add(const QVariant& position, const QVariant& storedClass,
                      std::vector<std::int8_t>& kept) {
    const std::optional<qint64> at = integer(position);
    const std::optional<std::int8_t> distance = distanceClass(storedClass);
    const auto note = [this](const QString& problem) {
        if (m_sound)
            m_firstProblem = problem;
        m_sound = false;
    };
    if (!at || *at != m_rows)
        note(QCoreApplication::translate("ArchiveChecks", "posizione %1 mancante").arg(m_rows));
    if (!distance)
        note(QCoreApplication::translate("ArchiveChecks", "classe non valida alla posizione %1")
                 .arg(m_rows));
    ++m_rows;
    if (!distance)
        return;
    kept.push_back(*distance);
    ++m_kept;
}

QString SeriesCheck::problem() const {
    if (whole())
        return {};
    if (!m_firstProblem.isEmpty())
        return m_firstProblem;
    return QCoreApplication::translate("ArchiveChecks", "%1 lanci su %2")
        .arg(number(m_rows), number(expected()));
}

} // namespace rotamind::archive_checks
