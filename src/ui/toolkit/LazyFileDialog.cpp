#include "ui/toolkit/LazyFileDialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>
#include <QVariant>

namespace rotamind {

namespace {

// The folder every dialog of the program opens in the first time. The windows
// are made once, at start; a dialog made then would open where Qt places a new
// one at start (the folder of the last run or the working folder).
QUrl& startFolder() {
    static QUrl folder;
    return folder;
}

// Where a file was last chosen in any dialog of a window, kept on the window
// itself so that every dialog made for it, now or later, sees the same one.
constexpr char kLastFolder[] = "rotamindLastFileFolder";

} // namespace

LazyFileDialog::LazyFileDialog(QWidget* window, Maker maker)
    : QObject(window), m_window(window), m_maker(std::move(maker)) {}

LazyFileDialog::~LazyFileDialog() {
    delete m_dialog;
}

QFileDialog& LazyFileDialog::dialog() {
    if (!m_dialog) {
        m_dialog = m_maker(m_window);
        // Qt opens a new dialog where the last one used was left; one made at
        // start would have opened in the start folder, and so does this one.
        QUrl& folder = startFolder();
        if (folder.isEmpty())
            folder = m_dialog->directoryUrl();
        else if (m_dialog->directoryUrl() != folder)
            m_dialog->setDirectoryUrl(folder);
        // The suggestions typed into the name field are a window of their own:
        // they go with the dialog instead of staying over the window.
        connect(m_dialog, &QDialog::finished, this, [this] {
            for (const QCompleter* completer : m_dialog->findChildren<QCompleter*>())
                if (completer->popup())
                    completer->popup()->hide();
        });
        connect(m_dialog, &QFileDialog::filesSelected, this, [this](const QStringList& files) {
            if (!files.isEmpty())
                m_window->setProperty(kLastFolder,
                                      QUrl::fromLocalFile(QFileInfo(files.first()).absolutePath()));
        });
    }
    // A player saving a session and then its chart, or loading what was just
    // saved, wants the folder of the last file, whichever dialog chose it.
    const QUrl last = m_window->property(kLastFolder).toUrl();
    if (!last.isEmpty() && m_dialog->directoryUrl() != last)
        m_dialog->setDirectoryUrl(last);
    return *m_dialog;
}

} // namespace rotamind
