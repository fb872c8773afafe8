#include "app/Options.h"

#include <QSettings>

namespace rotamind::options {

namespace {
// Every choice the program remembers lives in this one settings file, so the
// launcher's switches are all read and written here.
QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Rotamind"),
                     QStringLiteral("Rotamind Pro"));
}

const QString kLanguageKey = QStringLiteral("lingua");
} // namespace

Language language() {
    return languageFromCode(settings().value(kLanguageKey).toString()).value_or(Language::Italian);
}

void setLanguage(Language language) {
    settings().setValue(kLanguageKey, languageCode(language));
}

QString languageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("it");
}

std::optional<Language> languageFromCode(const QString& code) {
    if (code == QLatin1String("en"))
        return Language::English;
    if (code == QLatin1String("it"))
        return Language::Italian;
    return std::nullopt;
}

} // namespace rotamind::options
