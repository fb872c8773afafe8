#include "archive/ArchiveChecks.h"

#include "archive/StoredSession.h"

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
    if (!modeFromText(text))
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

int resultCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code : -1;
}

int primaryCode(const QSqlError& error) {
    const int code = resultCode(error);
    return code < 0 ? -1 : (code & 0xff);
}

bool isDamage(int code) {
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

QString reasonOf(const QSqlError& error) {
    // SQLite's own texts are English ("disk I/O error", "database is
    // locked"); the player reads its codes in words instead, the exact one
    // first, then its family.
    static const std::map<int, QString> exact{
        {SQLITE_IOERR_READ, u"errore di lettura dal disco"_s},
        {SQLITE_IOERR_SHORT_READ, u"il file è più corto del previsto"_s},
        {SQLITE_IOERR_WRITE, u"errore di scrittura sul disco"_s},
        {SQLITE_IOERR_FSYNC, u"il disco non ha confermato la scrittura"_s},
        {SQLITE_IOERR_TRUNCATE, u"impossibile accorciare il file"_s},
        {SQLITE_IOERR_FSTAT, u"impossibile leggere le proprietà del file"_s},
        {SQLITE_IOERR_NOMEM, u"memoria esaurita"_s},
        {SQLITE_IOERR_LOCK, u"impossibile bloccare il file"_s},
        {SQLITE_IOERR_RDLOCK, u"impossibile bloccare il file"_s},
        {SQLITE_IOERR_DELETE, u"impossibile cancellare il giornale dell'archivio"_s},
        {SQLITE_IOERR_SHMOPEN, u"impossibile aprire la memoria condivisa dell'archivio"_s},
        {SQLITE_IOERR_SHMSIZE, u"impossibile ingrandire la memoria condivisa dell'archivio"_s},
        {SQLITE_IOERR_ACCESS, u"impossibile verificare l'accesso al file"_s},
        {SQLITE_CANTOPEN_ISDIR, u"al posto del file c'è una cartella"_s},
        {SQLITE_CANTOPEN_FULLPATH, u"percorso del file non valido"_s},
        {SQLITE_READONLY_DBMOVED, u"il file è stato spostato o cancellato"_s},
        {SQLITE_READONLY_CANTLOCK, u"impossibile bloccare il file in sola lettura"_s},
        {SQLITE_READONLY_RECOVERY,
         u"il giornale dell'archivio va ripristinato da chi può scrivere"_s},
        {SQLITE_BUSY_SNAPSHOT, u"l'archivio è cambiato durante la lettura"_s},
        {SQLITE_CONSTRAINT_NOTNULL, u"dati dell'archivio incoerenti: valore mancante"_s},
        {SQLITE_CONSTRAINT_PRIMARYKEY, u"dati dell'archivio incoerenti: voce già presente"_s},
        {SQLITE_CONSTRAINT_UNIQUE, u"dati dell'archivio incoerenti: voce già presente"_s},
        {SQLITE_CONSTRAINT_CHECK, u"dati dell'archivio incoerenti: valore non ammesso"_s},
        {SQLITE_CONSTRAINT_FOREIGNKEY,
         u"dati dell'archivio incoerenti: riferimento a una sessione inesistente"_s},
        {SQLITE_CORRUPT_INDEX, u"file danneggiato: indice non valido"_s},
    };
    static const std::map<int, QString> family{
        {SQLITE_FULL, u"disco pieno"_s},
        {SQLITE_IOERR, u"errore di lettura o scrittura sul disco"_s},
        {SQLITE_CANTOPEN, u"impossibile aprire il file"_s},
        {SQLITE_CORRUPT, u"file danneggiato"_s},
        {SQLITE_NOTADB, u"il file non è un archivio"_s},
        {SQLITE_BUSY, u"archivio occupato da un altro programma"_s},
        {SQLITE_LOCKED, u"archivio occupato da un altro programma"_s},
        {SQLITE_READONLY, u"file di sola lettura"_s},
        {SQLITE_PERM, u"permesso negato"_s},
        {SQLITE_AUTH, u"permesso negato"_s},
        {SQLITE_NOMEM, u"memoria esaurita"_s},
        {SQLITE_CONSTRAINT, u"dati dell'archivio incoerenti"_s},
        {SQLITE_TOOBIG, u"dato troppo grande"_s},
        {SQLITE_PROTOCOL, u"blocco del file non riuscito"_s},
        {SQLITE_SCHEMA, u"struttura dell'archivio cambiata durante la lettura"_s},
        {SQLITE_MISMATCH, u"dati dell'archivio incoerenti: tipo non valido"_s},
        {SQLITE_INTERRUPT, u"operazione interrotta"_s},
        {SQLITE_NOLFS, u"file troppo grande per il sistema"_s},
        {SQLITE_RANGE, u"errore interno dell'archivio"_s},
        {SQLITE_MISUSE, u"errore interno dell'archivio"_s},
        {SQLITE_ERROR, u"errore dell'archivio"_s},
    };
    const int code = resultCode(error);
    if (const auto found = exact.find(code); found != exact.end())
        return found->second;
    if (const auto found = family.find(code & 0xff); code >= 0 && found != family.end())
        return found->second;
    if (code >= 0)
        return u"errore dell'archivio (codice %1)"_s.arg(code);
    // Qt's driver itself, before SQLite said anything: no connection, no driver.
    return error.type() == QSqlError::ConnectionError ? u"impossibile aprire l'archivio"_s
                                                      : u"errore del driver dell'archivio"_s;
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
    // Keys leave gaps for rows put in between later; only their order counts.
    if (!at || *at <= m_lastPosition || *at > kMaxPosition)
        note(u"posizione non valida al lancio %1"_s.arg(m_rows + 1));
    else
        m_lastPosition = *at;
    if (!distance)
        note(u"classe non valida al lancio %1"_s.arg(m_rows + 1));
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
