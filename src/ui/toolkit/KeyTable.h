#pragma once

#include <QKeySequence>
#include <QString>

#include <span>

// Every key of the program in one table: the working windows and the
// launcher give their controls these keys, the hints show them, the guide's
// keyboard page lists them and the README's table is checked against them.
// Chart pages turn with PagSu/PagGiù: the desktops (GNOME, KDE, Xfce,
// Openbox) take Alt+Maiusc+arrows and Ctrl+Alt+arrows for their workspaces.
namespace rotamind::keys {

struct KeyRow {
    const char* keys;  // portable text, "Alt+O"
    const char* intro; // the control the key clicks in the launcher, or none
    const char* pro;   // in PRO
    const char* easy;  // in EASY
    const char* what;  // what it does, as the guide says it (to translate)
};

std::span<const KeyRow> table();

// The control a row clicks in the window named `window` ("INTRO", "PRO",
// "EASY"); null when the key does nothing there.
const char* controlIn(const KeyRow& row, const QString& window);

// Key names as the program shows them, in its language: "Alt+Maiusc+←",
// "PagSu" in Italian.
QString italianText(const QKeySequence& key);

// The rows of the guide's keyboard table, as HTML.
QString guideRows();

} // namespace rotamind::keys
