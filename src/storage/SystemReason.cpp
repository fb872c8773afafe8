#include "storage/SystemReason.h"

#include <QCoreApplication>
#include <QFileDevice>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

struct Reason {
    int errorNumber;
    const char* text; // to translate
};

const Reason kReasons[] = {
    {EACCES, QT_TRANSLATE_NOOP("SystemReason", "Permesso negato")},
    {EPERM, QT_TRANSLATE_NOOP("SystemReason", "Operazione non permessa")},
    {EROFS, QT_TRANSLATE_NOOP("SystemReason", "Disco o cartella di sola lettura")},
    {ENOSPC, QT_TRANSLATE_NOOP("SystemReason", "Disco pieno")},
    {EDQUOT, QT_TRANSLATE_NOOP("SystemReason", "Spazio riservato all'utente esaurito")},
    {ENOENT, QT_TRANSLATE_NOOP("SystemReason", "File o cartella inesistente")},
    {ENOTDIR, QT_TRANSLATE_NOOP("SystemReason", "Una parte del percorso non è una cartella")},
    {EISDIR, QT_TRANSLATE_NOOP("SystemReason", "È una cartella")},
    {EEXIST, QT_TRANSLATE_NOOP("SystemReason", "Il file esiste già")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("SystemReason", "Nome di file troppo lungo")},
    {ELOOP, QT_TRANSLATE_NOOP("SystemReason", "Troppi collegamenti simbolici nel percorso")},
    {EMFILE, QT_TRANSLATE_NOOP("SystemReason", "Troppi file aperti")},
    {ENFILE, QT_TRANSLATE_NOOP("SystemReason", "Troppi file aperti nel sistema")},
    {EFBIG, QT_TRANSLATE_NOOP("SystemReason", "File troppo grande")},
    {EIO, QT_TRANSLATE_NOOP("SystemReason", "Errore di lettura o scrittura del disco")},
    {EBUSY, QT_TRANSLATE_NOOP("SystemReason", "File o disco occupato")},
    {ETXTBSY, QT_TRANSLATE_NOOP("SystemReason", "File in uso")},
    {EINVAL, QT_TRANSLATE_NOOP("SystemReason", "Nome di file non valido")},
    {ENODEV, QT_TRANSLATE_NOOP("SystemReason", "Dispositivo inesistente")},
    {ENXIO, QT_TRANSLATE_NOOP("SystemReason", "Dispositivo inesistente")},
};

// Qt's own kind of failure, when the system's words were none of the above.
struct FileReason {
    QFileDevice::FileError error;
    const char* text; // to translate
};

const FileReason kFileReasons[] = {
    {QFileDevice::ReadError, QT_TRANSLATE_NOOP("SystemReason", "Errore di lettura")},
    {QFileDevice::WriteError, QT_TRANSLATE_NOOP("SystemReason", "Errore di scrittura")},
    {QFileDevice::ResourceError, QT_TRANSLATE_NOOP("SystemReason", "Risorse del sistema esaurite")},
    {QFileDevice::PermissionsError, QT_TRANSLATE_NOOP("SystemReason", "Permesso negato")},
    {QFileDevice::RenameError, QT_TRANSLATE_NOOP("SystemReason", "Impossibile sostituire il file")},
};

} // namespace

QString systemReason(int errorNumber) {
    for (const Reason& reason : kReasons)
        if (reason.errorNumber == errorNumber)
            return QCoreApplication::translate("SystemReason", reason.text);
    return QCoreApplication::translate("SystemReason", "Errore di sistema %1").arg(errorNumber);
}

QString systemReason(const QFileDevice& file) {
    // Qt keeps only the system's words for the errno, not the number: the
    // words are matched back to it.
    const QString said = file.errorString();
    for (const Reason& reason : kReasons)
        if (said == QString::fromLocal8Bit(std::strerror(reason.errorNumber)))
            return QCoreApplication::translate("SystemReason", reason.text);
    for (const FileReason& reason : kFileReasons)
        if (reason.error == file.error())
            return QCoreApplication::translate("SystemReason", reason.text);
    return QCoreApplication::translate("SystemReason", "Impossibile aprire o scrivere il file");
}

} // namespace rotamind
