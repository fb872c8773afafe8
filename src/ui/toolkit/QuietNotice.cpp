#include "ui/toolkit/QuietNotice.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

namespace rotamind {

namespace {

// A desktop that ignores the request not to activate the notice (or a click
// on it) would leave the player's keys in the box: the window they were
// typing in gets them back at once.
class GiveKeysBack final : public QObject {
public:
    GiveKeysBack(QWidget* notice, QWidget* typingIn) : QObject(notice), m_typingIn(typingIn) {
        notice->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && m_typingIn && m_typingIn->isVisible())
            m_typingIn->activateWindow();
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_typingIn;
};

} // namespace

QMessageBox* showQuietNotice(QMessageBox::Icon icon, const QString& text,
                             const QString& informativeText, QWidget* parent) {
    auto* box = new QMessageBox(icon, QGuiApplication::applicationDisplayName(), text,
                                QMessageBox::Ok, parent);
    box->setInformativeText(informativeText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    // Shown without activation, and refusing the focus even when the window
    // manager would give it: a click on "OK" still closes it.
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    if (QWidget* active = QApplication::activeWindow())
        new GiveKeysBack(box, active);
    box->show();
    return box;
}

} // namespace rotamind
