#pragma once

#include <QString>

#include <optional>

namespace rotamind {

// The working window a session belongs to. Stored in the archive and shown
// as "PRO" or "EASY" (modeText); never compared as text.
enum class SessionMode { Pro, Easy };

inline const QString& modeText(SessionMode mode) {
    static const QString pro = QStringLiteral("PRO");
    static const QString easy = QStringLiteral("EASY");
    return mode == SessionMode::Easy ? easy : pro;
}

// "PRO" or "EASY" exactly; nothing for any other text.
inline std::optional<SessionMode> modeFromText(const QString& text) {
    if (text == modeText(SessionMode::Pro))
        return SessionMode::Pro;
    if (text == modeText(SessionMode::Easy))
        return SessionMode::Easy;
    return std::nullopt;
}

} // namespace rotamind
