#pragma once

#include <QDateTime>
#include <QString>

namespace rotamind {

// The session a launcher offers to restore: the newest one of a program no
// longer running, with launches not written to a file since their last change.
struct InterruptedSession {
    qint64 id = 0;
    QString mode{}; // "PRO" or "EASY"
    QDateTime changed{};
    qint64 launches = 0; // classes in both series, as the lists show them
};

} // namespace rotamind
