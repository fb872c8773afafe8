#pragma once

// Checks a window's controls against a table of what the layout gives them.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QRect>
#include <QTest>
#include <QWidget>

#include <span>

namespace rotamind::testing {

struct ExpectedControl {
    const char* name;
    const char* kind;
    QRect rect;          // relative to the parent; empty: not checked
    const char* caption; // nullptr: not checked
    const char* hint;    // nullptr: not checked
};

inline QString captionOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    return {};
}

// Each control exists exactly once, of its kind, in its place, with its
// caption and hint. The first mismatch fails the running test; the caller
// stops when QTest::currentTestFailed().
inline void checkControls(const QWidget& window, std::span<const ExpectedControl> controls) {
    for (const ExpectedControl& expected : controls) {
        // A command with no control of its own is a named action of the window.
        if (QByteArray(expected.kind) == "QAction") {
            const QList<QAction*> actions =
                window.findChildren<QAction*>(QString::fromLatin1(expected.name));
            QVERIFY2(actions.size() == 1, expected.name);
            QVERIFY2(window.findChildren<QWidget*>(QString::fromLatin1(expected.name)).isEmpty(),
                     expected.name);
            if (expected.caption)
                QCOMPARE(actions.first()->text(), QString::fromUtf8(expected.caption));
            if (expected.hint)
                QCOMPARE(actions.first()->toolTip(), QString::fromUtf8(expected.hint));
            continue;
        }
        const QList<QWidget*> found =
            window.findChildren<QWidget*>(QString::fromLatin1(expected.name));
        QVERIFY2(found.size() == 1, expected.name);
        QWidget* widget = found.first();
        QVERIFY2(widget->inherits(expected.kind), expected.name);
        if (!expected.rect.isEmpty())
            QCOMPARE(widget->geometry(), expected.rect);
        if (expected.caption)
            QCOMPARE(captionOf(widget), QString::fromUtf8(expected.caption));
        if (expected.hint)
            QCOMPARE(widget->toolTip(), QString::fromUtf8(expected.hint));
    }
}

} // namespace rotamind::testing
