#include "ui/toolkit/SessionCommandsDialog.h"

#include <QFileInfo>

namespace rotamind {

SessionCommandsDialog::SessionCommandsDialog(QWidget* parent) : QFileDialog(parent) {}

bool SessionCommandsDialog::hasExtension(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    // A leading dot names a hidden file, not an extension.
    if (dot <= 0 || dot + 1 >= fileName.size())
        return false;
    const QStringView extension = QStringView(fileName).mid(dot + 1);
    for (QChar c : extension)
        if (c.isSpace())
            return false;
    return true;
}

void SessionCommandsDialog::accept() {
    // The suffix goes into the name before Qt's own accept runs, so that the
    // overwrite confirmation asks about the file that will really be written.
    if (acceptMode() == AcceptSave && !defaultSuffix().isEmpty()) {
        const QStringList files = selectedFiles();
        if (files.size() == 1) {
            const QFileInfo info(files.first());
            if (!info.isDir() && !hasExtension(info.fileName())) {
                // The dialog leaves a name field that has the focus as typed.
                if (QWidget* focused = focusWidget())
                    focused->clearFocus();
                selectFile(info.absoluteFilePath() + u'.' + defaultSuffix());
            }
        }
    }
    QFileDialog::accept();
}

} // namespace rotamind
