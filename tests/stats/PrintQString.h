#pragma once

#include <QString>
#include <QStringView>

#include <ostream>

// Lets GoogleTest show label texts as text in a failure message rather than
// as raw bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(QStringView text, std::ostream* out) {
    PrintTo(text.toString(), out);
}
