#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rotamind {

// What automatic saving reads of the PRO session at every tick, whether its
// window is shown or not; a tick only reads. The charts are the pictures the
// window draws of its series, so the window's side answers them, already as
// the bytes of their BMP files.
struct AutoSaveSource {
    virtual ~AutoSaveSource() = default;
    virtual QStringList clockwiseItems() const = 0;        // List1 items, oldest first
    virtual QStringList counterClockwiseItems() const = 0; // List2 items, oldest first
    virtual QByteArray clockwiseChart() const = 0;         // Chart1 current page, BMP
    virtual QByteArray counterClockwiseChart() const = 0;  // Chart2 current page, BMP
    virtual QString site() const = 0;                      // text of Edit1
    virtual QString croupier() const = 0;                  // text of Edit2
};

} // namespace rotamind
