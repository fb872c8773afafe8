#pragma once

#include <QString>

class QFileDevice;

namespace rotamind {

// The system's reason for a failed file operation in the player's language:
// the common errno values have Italian words of their own; any other reason
// is named by the kind of failure the file reports.
QString systemReason(int errorNumber);
QString systemReason(const QFileDevice& file);

} // namespace rotamind
