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
    switch (file.error()) {
    case QFileDevice::ReadError:
        return QCoreApplication::translate("SystemReason", "Errore di lettura");
    case QFileDevice::WriteError:
        return QCoreApplication::translate("SystemReason", "Errore di scrittura");
    case QFileDevice::ResourceError:
        return QCoreApplication::translate("SystemReason", "Risorse del sistema esaurite");
    case QFileDevice::PermissionsError:
        return QCoreApplication::translate("SystemReason", "Permesso negato");
    case QFileDevice::RenameError:
        return QCoreApplication::translate("SystemReason", "Impossibile sostituire il file");
    default:
        return QCoreApplication::translate("SystemReason", "Impossibile aprire o scrivere il file");
    }
}

} // namespace rotamind
