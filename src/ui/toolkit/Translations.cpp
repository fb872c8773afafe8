#include "ui/toolkit/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>

namespace rotamind {

namespace {
bool install(QCoreApplication& app, const QString& name, const QStringList& folders) {
    auto* translator = new QTranslator(&app);
    for (const QString& folder : folders)
        if (translator->load(name, folder))
            return app.installTranslator(translator);
    delete translator;
    return false;
}
} // namespace

bool installItalianTranslations(QCoreApplication& app) {
    return install(app, QStringLiteral("qtbase_it"),
                   {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
}

bool installEnglishTranslations(QCoreApplication& app) {
    // The installed file first, found from the program's own folder so that
    // an installation moved elsewhere still finds it; then the build's.
    return install(
        app, QStringLiteral("rotamind_en"),
        {QCoreApplication::applicationDirPath() + QStringLiteral("/../share/rotamind/translations"),
         QStringLiteral(ROTAMIND_BUILD_TRANSLATIONS)});
}

const char* translationContext(const QObject* object) {
    const char* context = object->metaObject()->className();
    if (const char* inner = std::strrchr(context, ':'))
        context = inner + 1;
    return context;
}

} // namespace rotamind
