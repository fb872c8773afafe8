#include "app/Options.h"
#include "app/Windows.h"
#include "storage/SessionFile.h"
#include "ui/toolkit/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// --help and --version answer and end the program before any window or display
// is needed; whatever else is on the command line is left to Qt, as always.
// --lang chooses the language of this run only; `language` is left as it was
// without it. Returns the exit code when the program is to end, -1 when it is
// to start.
int answerCommandLine(int& argc, char* argv[],
                      std::optional<rotamind::options::Language>& language) {
    const QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("code"));
    parser.addOption(lang);
    (void)parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        std::fputs("Usage: rotamind [--help | --version | --lang it|en]\n"
                   "Starts Rotamind, the companion for single-zero roulette players.\n"
                   "--lang en shows it in English for this run, --lang it in Italian;\n"
                   "without it, the language chosen on the launcher (Italian at first).\n",
                   stdout);
        return 0;
    }
    if (parser.isSet(lang)) {
        const auto chosen = rotamind::options::languageFromCode(parser.value(lang));
        if (!chosen) {
            std::fprintf(stderr, "rotamind: unknown language '%s': use --lang it or --lang en\n",
                         qPrintable(parser.value(lang)));
            return 2;
        }
        language = chosen;
    }
    if (parser.isSet(version)) {
        std::fputs("Rotamind " ROTAMIND_VERSION "\n", stdout);
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    std::optional<rotamind::options::Language> language;
    if (const int code = answerCommandLine(argc, argv, language); code >= 0)
        return code;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a display Qt would abort with a terse message; say what to do instead.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM")) {
        std::fputs("Rotamind needs a display. Without one, try: xvfb-run -a rotamind\n", stderr);
        return 1;
    }
#endif
    // A file-size limit then fails a save with a message instead of ending the program.
    rotamind::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rotamind Pro"));
    QApplication::setApplicationVersion(QStringLiteral(ROTAMIND_VERSION));
    // The desktop entry the window belongs to, for the icon and name the desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral(ROTAMIND_APP_ID));
    // Italian whatever the system's locale; English only when chosen. Qt's
    // own dialogs and message boxes then speak the program's language.
    if (language.value_or(rotamind::options::language()) == rotamind::options::Language::English) {
        if (!rotamind::installEnglishTranslations(app))
            std::fputs("rotamind: the English texts (rotamind_en.qm) were not found; "
                       "going on in Italian\n",
                       stderr);
    } else {
        rotamind::installItalianTranslations(app);
    }
    rotamind::Windows windows;
    windows.start();
    return app.exec();
}
