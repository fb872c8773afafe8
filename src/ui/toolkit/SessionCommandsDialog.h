#pragma once

#include <QFileDialog>

namespace rotamind {

// Qt's own file dialog, with one change for save dialogs: the default suffix
// is added whenever the chosen name has no real extension. Qt adds it only to
// a name without any dot, so a proposed name such as
// "... Bet.365 - Ormilda - Spin ORARI" would be saved without ".txt". A real
// extension is a text after the last dot without blanks ("a.log"); the tail
// of such a name (".365 - Ormilda - Spin ORARI") is not.
class SessionCommandsDialog final : public QFileDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionCommandsDialog)

public:
    explicit SessionCommandsDialog(QWidget* parent);

    // True when the file name (no folder) ends with a real extension.
    static bool hasExtension(const QString& fileName);

public slots:
    void accept() override;
};

} // namespace rotamind
