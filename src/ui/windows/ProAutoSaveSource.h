#pragma once

#include "session/AutoSaveSource.h"

namespace rotamind {

class TPRO;

// What automatic saving reads of the PRO window, answered from its controls at
// the moment of the tick, whether the window is shown or not. Only reads.
class ProAutoSaveSource final : public AutoSaveSource {
public:
    explicit ProAutoSaveSource(const TPRO& window) : m_window(window) {}

    QStringList clockwiseItems() const override;
    QStringList counterClockwiseItems() const override;
    QByteArray clockwiseChart() const override;
    QByteArray counterClockwiseChart() const override;
    QString site() const override;
    QString croupier() const override;

private:
    const TPRO& m_window;
};

} // namespace rotamind
