#pragma once

#include "ui/Controls.h"

#include <QAbstractButton>
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

// A button that is never shown: it exists so that its handler may be run as a
// command by name, as the layout's own hidden buttons were.
template <typename Window> struct HiddenCommand {
    const char* name;
    const char* caption;
    const char* hint;
    const char* icon; // icon buttons have no caption
    void (Window::*handler)();
};

inline QString tableText(const char* utf8) {
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

template <typename Window>
void buildSessionButtons(Window* window, std::span<const SessionButton<Window>> buttons) {
    for (const SessionButton<Window>& button : buttons) {
        QPushButton* made =
            controls::makeButton(window, tableText(button.name), tableText(button.caption),
                                 button.rect, tableText(button.hint));
        QObject::connect(made, &QPushButton::clicked, window, button.handler);
    }
}

template <typename Window>
void buildHiddenCommands(Window* window, std::span<const HiddenCommand<Window>> commands) {
    for (const HiddenCommand<Window>& command : commands) {
        QAbstractButton* button = nullptr;
        if (command.icon)
            button =
                controls::makeIconButton(window, tableText(command.name), tableText(command.icon),
                                         {700, 0, 33, 25}, tableText(command.hint));
        else
            button =
                controls::makeButton(window, tableText(command.name), tableText(command.caption),
                                     {700, 0, 75, 25}, tableText(command.hint));
        button->setVisible(false);
        QObject::connect(button, &QAbstractButton::clicked, window, command.handler);
    }
}

} // namespace rotamind::commands
