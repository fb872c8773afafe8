#pragma once

#include <QDesktopServices>
#include <QString>
#include <QUrl>

// The two web pages the windows open in the user's browser. The result of
// the request is not checked: without a browser nothing happens.
namespace rotamind::web {

inline const QString kContactPage = QStringLiteral("https://example.org/rotamind/contatti");
inline const QString kHomePage = QStringLiteral("https://example.org/rotamind/");

inline void openContactPage() {
    QDesktopServices::openUrl(QUrl(kContactPage));
}
inline void openHomePage() {
    QDesktopServices::openUrl(QUrl(kHomePage));
}

} // namespace rotamind::web
