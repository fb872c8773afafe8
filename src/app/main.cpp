#include "app/Windows.h"
#include "storage/SessionFile.h"
#include "ui/parts/Translations.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
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
    // Qt's own dialogs and message boxes speak Italian like the rest of the program.
    rotamind::installItalianTranslations(app);
    rotamind::Windows windows;
    windows.start();
    return app.exec();
}
