#include "ui/toolkit/KeyHint.h"

#include "ui/toolkit/KeyTable.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QObject>
#include <QStringList>
#include <QToolButton>
#include <QToolTip>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

class KeyHint final : public QObject {
public:
    explicit KeyHint(QWidget* control) : QObject(control), m_control(control) {
        setObjectName(name());
        control->installEventFilter(this);
    }
    static QString name() { return QStringLiteral("keyHint"); }
    void add(const QKeySequence& key) {
        // Return and keypad Enter are both "Invio": one is enough.
        const QString text = keys::italianText(key);
        if (!m_keys.contains(text))
            m_keys.append(text);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_control || event->type() != QEvent::ToolTip ||
            m_control->toolTip().isEmpty())
            return false;
        // A tool button that stays pressed (PRO's locks) says it is on.
        const auto* toggle = qobject_cast<const QToolButton*>(m_control);
        const QString state = toggle && toggle->isChecked()
                                  ? QCoreApplication::translate("KeyHint", " (attivo)")
                                  : QString();
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           m_control->toolTip() + state + u" (" + m_keys.join(u", ") + u')',
                           m_control);
        return true;
    }

private:
    QWidget* m_control;
    QStringList m_keys;
};

} // namespace

void showKeyInHint(QWidget* control, const QKeySequence& key) {
    // Only ever a KeyHint goes by this name among the control's children.
    auto* hint = static_cast<KeyHint*>(
        control->findChild<QObject*>(KeyHint::name(), Qt::FindDirectChildrenOnly));
    if (!hint)
        hint = new KeyHint(control);
    hint->add(key);
}

} // namespace rotamind
