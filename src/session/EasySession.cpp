#include "session/EasySession.h"

namespace rotamind {

EasySession::EasySession(LaunchEntry initial, QObject* parent)
    : WorkingSession(std::move(initial), parent) {
    followSeries();
}

} // namespace rotamind
