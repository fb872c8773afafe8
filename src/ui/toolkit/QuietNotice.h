#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace rotamind {

// A message box the program raises by itself, not in answer to the player:
// it shows above `parent` without taking the keyboard, so digits typed at
// that moment still go to the number field and Enter does not close it
// unread. It blocks no window and closes itself when answered.
QMessageBox* showQuietNotice(QMessageBox::Icon icon, const QString& text,
                             const QString& informativeText, QWidget* parent);

} // namespace rotamind
