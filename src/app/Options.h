#pragma once

#include <QString>

#include <optional>

namespace rotamind::options {

// The language of the program's texts. Italian whatever the system locale,
// unless the player chose English on the launcher or with --lang en.
enum class Language { Italian, English };

// The language chosen on the launcher; Italian when none was ever chosen or
// the stored value is not one the program knows.
Language language();
void setLanguage(Language language);

// "it" and "en", as --lang and the stored setting spell them.
QString languageCode(Language language);
std::optional<Language> languageFromCode(const QString& code);

} // namespace rotamind::options
