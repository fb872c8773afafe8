#include "app/Windows.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fputs("Rotamind needs a display. Without one, try: xvfb-run -a rotamind\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rotamind Pro"));
    rotamind::Windows windows;
    windows.start();
    return app.exec();
}
