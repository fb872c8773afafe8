#include "app/Windows.h"
#include "storage/SessionFile.h"
#include "ui/toolkit/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// --help and --version answer and end the program before any window or display
// is needed; whatever else is on the command line is left to Qt, as always.
// Returns the exit code when the program is to end, -1 when it is to start.
int answerCommandLine(int& argc, char* argv[]) {
    const QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    (void)parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        std::fputs("Usage: rotamind [--help | --version]\n"
                   "Starts Rotamind, the companion for single-zero roulette players.\n",
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::fputs("Rotamind " ROTAMIND_VERSION "\n", stdout);
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const int code = answerCommandLine(argc, argv); code >= 0)
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
    // Qt's own dialogs and message boxes speak Italian like the rest of the program.
    rotamind::installItalianTranslations(app);
    rotamind::Windows windows;
    windows.start();
    return app.exec();
}
