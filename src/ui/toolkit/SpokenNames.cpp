#include "ui/toolkit/SpokenNames.h"

#include <QAccessible>
#include <QAccessibleWidget>
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

namespace {

constexpr const char* kFigureProperty = "rotamindFigure";

class Figure final : public QAccessibleWidget {
public:
    explicit Figure(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        return widget()->property(kFigureProperty).toString() + QStringLiteral(": ") +
               static_cast<const QLabel*>(widget())->text();
    }
};

QAccessibleInterface* figureFactory(const QString&, QObject* object) {
    if (object && object->isWidgetType() && object->property(kFigureProperty).isValid())
        return new Figure(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void nameFigure(QLabel* label, const QString& rowAndColumn) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(figureFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    label->setProperty(kFigureProperty, rowAndColumn);
    // The label's first text already made it a plain interface, which names it
    // by its text alone: drop it, and the next one asked for is a Figure.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(label);
    if (made && !dynamic_cast<Figure*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace rotamind::spoken
