#pragma once

#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Translations.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QToolButton>

#include <span>

// The buttons a working window describes in tables: each window keeps its own
// rows (names, captions, places, handlers), the loops that make and connect
// them are written once here.
namespace rotamind::commands {

// A visible push button of the session area.
template <typename Window> struct SessionButton {
    const char* name;
    const char* caption;
    const char* hint;
    QRect rect;
    void (Window::*handler)();
};

// A command with no control of its own: a named action of the window, run
// by name by tests and by the other windows.
template <typename Window> struct HiddenCommand {
    const char* name;
    const char* caption;
    const char* hint;
    void (Window::*handler)();
};

inline QString tableText(const char* utf8) {
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

// A caption or hint of a window's table, in the program's language: the
// tables mark them with the window's class name as translation context.
inline QString translatedText(const QObject* window, const char* utf8) {
    if (!utf8)
        return {};
    return QCoreApplication::translate(translationContext(window), utf8);
}

template <typename Window>
void buildSessionButtons(Window* window, std::span<const SessionButton<Window>> buttons) {
    for (const SessionButton<Window>& button : buttons) {
        QPushButton* made = controls::makeButton(window, tableText(button.name),
                                                 translatedText(window, button.caption),
                                                 button.rect, translatedText(window, button.hint));
        QObject::connect(made, &QPushButton::clicked, window, button.handler);
    }
}

template <typename Window>
void buildHiddenCommands(Window* window, std::span<const HiddenCommand<Window>> commands) {
    for (const HiddenCommand<Window>& command : commands) {
        auto* action = new QAction(translatedText(window, command.caption), window);
        action->setObjectName(tableText(command.name));
        action->setToolTip(translatedText(window, command.hint));
        QObject::connect(action, &QAction::triggered, window, command.handler);
    }
}

} // namespace rotamind::commands
