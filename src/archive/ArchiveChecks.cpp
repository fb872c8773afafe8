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
    static const std::map<int, const char*> exact{
        {SQLITE_IOERR_READ, QT_TRANSLATE_NOOP("ArchiveChecks", "errore di lettura dal disco")},
        {SQLITE_IOERR_SHORT_READ,
         QT_TRANSLATE_NOOP("ArchiveChecks", "il file è più corto del previsto")},
        {SQLITE_IOERR_WRITE, QT_TRANSLATE_NOOP("ArchiveChecks", "errore di scrittura sul disco")},
        {SQLITE_IOERR_FSYNC,
         QT_TRANSLATE_NOOP("ArchiveChecks", "il disco non ha confermato la scrittura")},
        {SQLITE_IOERR_TRUNCATE,
         QT_TRANSLATE_NOOP("ArchiveChecks", "impossibile accorciare il file")},
        {SQLITE_IOERR_FSTAT,
         QT_TRANSLATE_NOOP("ArchiveChecks", "impossibile leggere le proprietà del file")},
        {SQLITE_IOERR_NOMEM, QT_TRANSLATE_NOOP("ArchiveChecks", "memoria esaurita")},
        {SQLITE_IOERR_LOCK, QT_TRANSLATE_NOOP("ArchiveChecks", "impossibile bloccare il file")},
        {SQLITE_IOERR_RDLOCK, QT_TRANSLATE_NOOP("ArchiveChecks", "impossibile bloccare il file")},
        {SQLITE_IOERR_DELETE,
         QT_TRANSLATE_NOOP("ArchiveChecks", "impossibile cancellare il giornale dell'archivio")},
        {SQLITE_IOERR_SHMOPEN,
         QT_TRANSLATE_NOOP("ArchiveChecks",
                           "impossibile aprire la memoria condivisa dell'archivio")},
        {SQLITE_IOERR_SHMSIZE,
         QT_TRANSLATE_NOOP("ArchiveChecks",
                           "impossibile ingrandire la memoria condivisa dell'archivio")},
        {SQLITE_IOERR_ACCESS,
         QT_TRANSLATE_NOOP("ArchiveChecks", "impossibile verificare l'accesso al file")},
        {SQLITE_CANTOPEN_ISDIR,
         QT_TRANSLATE_NOOP("ArchiveChecks", "al posto del file c'è una cartella")},
        {SQLITE_CANTOPEN_FULLPATH,
         QT_TRANSLATE_NOOP("ArchiveChecks", "percorso del file non valido")},
        {SQLITE_READONLY_DBMOVED,
         QT_TRANSLATE_NOOP("ArchiveChecks", "il file è stato spostato o cancellato")},
        {SQLITE_READONLY_CANTLOCK,
         QT_TRANSLATE_NOOP("ArchiveChecks", "impossibile bloccare il file in sola lettura")},
        {SQLITE_READONLY_RECOVERY,
         QT_TRANSLATE_NOOP("ArchiveChecks",
                           "il giornale dell'archivio va ripristinato da chi può scrivere")},
        {SQLITE_BUSY_SNAPSHOT,
         QT_TRANSLATE_NOOP("ArchiveChecks", "l'archivio è cambiato durante la lettura")},
        {SQLITE_CONSTRAINT_NOTNULL,
         QT_TRANSLATE_NOOP("ArchiveChecks", "dati dell'archivio incoerenti: valore mancante")},
        {SQLITE_CONSTRAINT_PRIMARYKEY,
         QT_TRANSLATE_NOOP("ArchiveChecks", "dati dell'archivio incoerenti: voce già presente")},
        {SQLITE_CONSTRAINT_UNIQUE,
         QT_TRANSLATE_NOOP("ArchiveChecks", "dati dell'archivio incoerenti: voce già presente")},
        {SQLITE_CONSTRAINT_CHECK,
         QT_TRANSLATE_NOOP("ArchiveChecks", "dati dell'archivio incoerenti: valore non ammesso")},
        {SQLITE_CONSTRAINT_FOREIGNKEY,
         QT_TRANSLATE_NOOP(
             "ArchiveChecks",
             "dati dell'archivio incoerenti: riferimento a una sessione inesistente")},
        {SQLITE_CORRUPT_INDEX,
         QT_TRANSLATE_NOOP("ArchiveChecks", "file danneggiato: indice non valido")},
    };
    static const std::map<int, const char*> family{
        {SQLITE_FULL, QT_TRANSLATE_NOOP("ArchiveChecks", "disco pieno")},
        {SQLITE_IOERR,
         QT_TRANSLATE_NOOP("ArchiveChecks", "errore di lettura o scrittura sul disco")},
        {SQLITE_CANTOPEN, QT_TRANSLATE_NOOP("ArchiveChecks", "impossibile aprire il file")},
        {SQLITE_CORRUPT, QT_TRANSLATE_NOOP("ArchiveChecks", "file danneggiato")},
        {SQLITE_NOTADB, QT_TRANSLATE_NOOP("ArchiveChecks", "il file non è un archivio")},
        {SQLITE_BUSY,
         QT_TRANSLATE_NOOP("ArchiveChecks", "archivio occupato da un altro programma")},
        {SQLITE_LOCKED,
         QT_TRANSLATE_NOOP("ArchiveChecks", "archivio occupato da un altro programma")},
        {SQLITE_READONLY, QT_TRANSLATE_NOOP("ArchiveChecks", "file di sola lettura")},
        {SQLITE_PERM, QT_TRANSLATE_NOOP("ArchiveChecks", "permesso negato")},
        {SQLITE_AUTH, QT_TRANSLATE_NOOP("ArchiveChecks", "permesso negato")},
        {SQLITE_NOMEM, QT_TRANSLATE_NOOP("ArchiveChecks", "memoria esaurita")},
        {SQLITE_CONSTRAINT, QT_TRANSLATE_NOOP("ArchiveChecks", "dati dell'archivio incoerenti")},
        {SQLITE_TOOBIG, QT_TRANSLATE_NOOP("ArchiveChecks", "dato troppo grande")},
        {SQLITE_PROTOCOL, QT_TRANSLATE_NOOP("ArchiveChecks", "blocco del file non riuscito")},
        {SQLITE_SCHEMA,
         QT_TRANSLATE_NOOP("ArchiveChecks", "struttura dell'archivio cambiata durante la lettura")},
        {SQLITE_MISMATCH,
         QT_TRANSLATE_NOOP("ArchiveChecks", "dati dell'archivio incoerenti: tipo non valido")},
        {SQLITE_INTERRUPT, QT_TRANSLATE_NOOP("ArchiveChecks", "operazione interrotta")},
        {SQLITE_NOLFS, QT_TRANSLATE_NOOP("ArchiveChecks", "file troppo grande per il sistema")},
        {SQLITE_RANGE, QT_TRANSLATE_NOOP("ArchiveChecks", "errore interno dell'archivio")},
        {SQLITE_MISUSE, QT_TRANSLATE_NOOP("ArchiveChecks", "errore interno dell'archivio")},
        {SQLITE_ERROR, QT_TRANSLATE_NOOP("ArchiveChecks", "errore dell'archivio")},
    };
    const int code = resultCode(error);
    if (const auto found = exact.find(code); found != exact.end())
        return QCoreApplication::translate("ArchiveChecks", found->second);
    if (const auto found = family.find(code & 0xff); code >= 0 && found != family.end())
        return QCoreApplication::translate("ArchiveChecks", found->second);
    if (code >= 0)
        return QCoreApplication::translate("ArchiveChecks", "errore dell'archivio (codice %1)")
            .arg(code);
    // Qt's driver itself, before SQLite said anything: no connection, no driver.
    return error.type() == QSqlError::ConnectionError
               ? QCoreApplication::translate("ArchiveChecks", "impossibile aprire l'archivio")
               : QCoreApplication::translate("ArchiveChecks", "errore del driver dell'archivio");
}

QString number(qint64 value) {
    return QLocale(QLocale::Italian, QLocale::Italy).toString(value);
}

QString sessionName(qint64 id, const QString& mode, const QVariant& started) {
    QString name = QCoreApplication::translate("ArchiveChecks", "n. %1").arg(id);
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
        note(QCoreApplication::translate("ArchiveChecks", "posizione non valida al lancio %1")
                 .arg(m_rows + 1));
    else
        m_lastPosition = *at;
    if (!distance)
        note(QCoreApplication::translate("ArchiveChecks", "classe non valida al lancio %1")
                 .arg(m_rows + 1));
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
