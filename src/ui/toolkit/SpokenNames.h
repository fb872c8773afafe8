#pragma once

#include <QtGlobal>

#include <span>

class QLabel;
class QString;
class QWidget;

// What a screen reader says of a window's controls. Each window keeps a table
// of its controls by objectName, the texts marked with QT_TRANSLATE_NOOP in
// the window's own context so that they are translated with the rest.
namespace rotamind::spoken {

struct Control {
    const char* name;        // objectName of the control
    const char* spokenName;  // what the control is, short: "Numero uscito"
    const char* description; // what it does or holds, a sentence
};

// Gives each control of the table, found under `window`, its accessible name
// and description translated in `context`; a drop-down's own text field gets
// the same name, or the reader would say only the text in it. A row whose
// control is missing is reported with a warning.
void nameControls(QWidget* window, const char* context, std::span<const Control> controls);

// A figure read with its row and column, "Frequenza, classe 3: 12": from now
// on `label` is named after `rowAndColumn` and its text of the moment, worked
// out only when a screen reader asks, so a new figure costs nothing.
void nameFigure(QLabel* label, const QString& rowAndColumn);

} // namespace rotamind::spoken
