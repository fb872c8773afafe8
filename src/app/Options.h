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

// Whether the signs beside the colours are on; off when never chosen.
bool colourSigns();
void setColourSigns(bool on);

// "it" and "en", as --lang and the stored setting spell them.
QString languageCode(Language language);
std::optional<Language> languageFromCode(const QString& code);

} // namespace rotamind::options
