#include "storage/SystemReason.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

struct Reason {
    int errorNumber;
    const char16_t* text;
};

const Reason kReasons[] = {
    {EACCES, u"Permesso negato"},
    {EPERM, u"Operazione non permessa"},
    {EROFS, u"Disco o cartella di sola lettura"},
    {ENOSPC, u"Disco pieno"},
    {EDQUOT, u"Spazio riservato all'utente esaurito"},
    {ENOENT, u"File o cartella inesistente"},
    {ENOTDIR, u"Una parte del percorso non è una cartella"},
    {EISDIR, u"È una cartella"},
    {EEXIST, u"Il file esiste già"},
    {ENAMETOOLONG, u"Nome di file troppo lungo"},
    {ELOOP, u"Troppi collegamenti simbolici nel percorso"},
    {EMFILE, u"Troppi file aperti"},
    {ENFILE, u"Troppi file aperti nel sistema"},
    {EFBIG, u"File troppo grande"},
    {EIO, u"Errore di lettura o scrittura del disco"},
    {EBUSY, u"File o disco occupato"},
    {ETXTBSY, u"File in uso"},
    {EINVAL, u"Nome di file non valido"},
    {ENODEV, u"Dispositivo inesistente"},
    {ENXIO, u"Dispositivo inesistente"},
};

} // namespace

QString systemReason(int errorNumber) {
    for (const Reason& reason : kReasons)
        if (reason.errorNumber == errorNumber)
            return QString::fromUtf16(reason.text);
    return u"Errore di sistema %1"_s.arg(errorNumber);
}

QString systemReason(const QFileDevice& file) {
    // Qt keeps only the system's words for the errno, not the number: the
    // words are matched back to it.
    const QString said = file.errorString();
    for (const Reason& reason : kReasons)
        if (said == QString::fromLocal8Bit(std::strerror(reason.errorNumber)))
            return QString::fromUtf16(reason.text);
    switch (file.error()) {
    case QFileDevice::ReadError:
        return u"Errore di lettura"_s;
    case QFileDevice::WriteError:
        return u"Errore di scrittura"_s;
    case QFileDevice::ResourceError:
        return u"Risorse del sistema esaurite"_s;
    case QFileDevice::PermissionsError:
        return u"Permesso negato"_s;
    case QFileDevice::RenameError:
        return u"Impossibile sostituire il file"_s;
    default:
        return u"Impossibile aprire o scrivere il file"_s;
    }
}

} // namespace rotamind
