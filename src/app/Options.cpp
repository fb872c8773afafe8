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
const QString kSignsKey = QStringLiteral("aspetto/segniOltreAiColori");

// The signs' switch was once kept in the system's native settings file beside
// this one: a choice found only there is carried over the first time it is
// read, and from then on this file alone is written. The old file is left as
// it was.
void carryOverOldChoice(QSettings& current) {
    if (current.contains(kSignsKey))
        return;
    const QSettings old(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Rotamind"),
                        QStringLiteral("Rotamind Pro"));
    if (old.fileName() != current.fileName() && old.contains(kSignsKey))
        current.setValue(kSignsKey, old.value(kSignsKey).toBool());
}
} // namespace

Language language() {
    return languageFromCode(settings().value(kLanguageKey).toString()).value_or(Language::Italian);
}

void setLanguage(Language language) {
    settings().setValue(kLanguageKey, languageCode(language));
}

bool colourSigns() {
    QSettings stored = settings();
    carryOverOldChoice(stored);
    return stored.value(kSignsKey, false).toBool();
}

void setColourSigns(bool on) {
    settings().setValue(kSignsKey, on);
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
