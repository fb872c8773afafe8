#pragma once

// Spin lists written as the windows keep them, one class text per item.
#include <QString>

#include <initializer_list>
#include <vector>

namespace rotamind::testing {

inline std::vector<QString> series(std::initializer_list<const char16_t*> texts) {
    std::vector<QString> items;
    for (const char16_t* t : texts)
        items.push_back(QString::fromUtf16(t));
    return items;
}

} // namespace rotamind::testing
