#include "TRISORSE.h"

#include <QtGlobal>

namespace rotamind {

TRISORSE::TRISORSE(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RISORSE"));
    // The pictures are decoded once here; the working windows only copy them,
    // which costs a reference count, not a JPEG decode per click.
    QStringList names{QStringLiteral("BASE")};
    for (int pocket = 0; pocket <= 36; ++pocket)
        names << QStringLiteral("Image%1").arg(pocket);
    for (const QString& name : names) {
        QPixmap pixmap(QStringLiteral(":/wheel/%1.jpg").arg(name));
        if (pixmap.isNull())
            qWarning("TRISORSE: wheel picture %s cannot be read", qPrintable(name));
        m_pictures.insert(name, pixmap);
    }
}

const QPixmap& TRISORSE::picture(const QString& name) const
{
    static const QPixmap none;
    const auto it = m_pictures.constFind(name);
    return it == m_pictures.constEnd() ? none : it.value();
}

} // namespace rotamind
