#pragma once

#include <QString>
#include <QStringList>

class QImage;

namespace rotamind {

// What automatic saving reads of the PRO session at every tick, whether its
// window is shown or not; a tick only reads. The charts are the pictures the
// window draws of its series, so the window's side answers them.
struct AutoSaveSource {
    virtual ~AutoSaveSource() = default;
    virtual QStringList clockwiseItems() const = 0;        // List1 items, oldest first
    virtual QStringList counterClockwiseItems() const = 0; // List2 items, oldest first
    virtual QImage clockwiseChart() const = 0;             // Chart1 current page
    virtual QImage counterClockwiseChart() const = 0;      // Chart2 current page
    virtual QString site() const = 0;                      // text of Edit1
    virtual QString croupier() const = 0;                  // text of Edit2
};

} // namespace rotamind
