#include "TRISORSE.h"

#include <QStringList>
#include <QtGlobal>

namespace rotamind {

namespace {

const QStringList& pictureNames() {
    static const QStringList names = [] {
        QStringList list{QStringLiteral("BASE")};
        for (int pocket = 0; pocket <= 36; ++pocket)
            list << QStringLiteral("Image%1").arg(pocket);
        return list;
    }();
    return names;
}

} // namespace

TRISORSE::TRISORSE(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RISORSE"));
}

const QPixmap& TRISORSE::picture(const QString& name) const {
    static const QPixmap none;
    const qsizetype slot = pictureNames().indexOf(name);
    if (slot < 0)
        return none;
    std::optional<QPixmap>& picture = m_pictures[static_cast<std::size_t>(slot)];
    // Kept once decoded: the working windows then only copy it, which costs a
    // reference count, not a JPEG decode per click.
    if (!picture) {
        picture.emplace(QStringLiteral(":/wheel/%1.jpg").arg(name));
        if (picture->isNull())
            qWarning("TRISORSE: wheel picture %s cannot be read", qPrintable(name));
    }
    return *picture;
}

} // namespace rotamind
