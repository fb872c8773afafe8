#include "ui/parts/SpokenNames.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace rotamind::spoken {

void nameControls(QWidget* window, const char* context, std::span<const Control> controls) {
    for (const Control& row : controls) {
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(row.name));
        if (!control) {
            qWarning("No control %s in %s for its accessible name", row.name, context);
            continue;
        }
        const QString name = QCoreApplication::translate(context, row.spokenName);
        const QString description = QCoreApplication::translate(context, row.description);
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
            combo->lineEdit()->setAccessibleName(name);
            combo->lineEdit()->setAccessibleDescription(description);
        }
    }
}

void nameFigure(QLabel* label, const QString& rowAndColumn) {
    const QString name = rowAndColumn + QStringLiteral(": ") + label->text();
    // Every change of a name is an event for the reader: only real ones.
    if (label->accessibleName() != name)
        label->setAccessibleName(name);
}

} // namespace rotamind::spoken
