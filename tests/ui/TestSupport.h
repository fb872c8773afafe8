#pragma once

// Small helpers the window tests share: answering modal dialogs and
// preparing files on disk.
#include "ui/toolkit/LazyPage.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace rotamind::testing {

// Runs action on the modal widget of type T as soon as one is shown, the way a
// user answers a dialog that blocks the test in exec().
template <typename T> void whenModal(std::function<void(T*)> action, int triesLeft = 300) {
    QTimer::singleShot(10, qApp, [action, triesLeft] {
        auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        if (widget && widget->isVisible())
            action(widget);
        else if (triesLeft > 0)
            whenModal<T>(action, triesLeft - 1);
    });
}

// Makes every page of `window` that waits to be first shown, as opening each
// of their tabs would.
inline void makeEveryPage(const QWidget& window) {
    for (LazyPage* page : window.findChildren<LazyPage*>())
        page->content();
}

// Writes the bytes as the whole file at path; a file that cannot be opened
// fails the running test.
inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace rotamind::testing
