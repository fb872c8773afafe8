#pragma once

#include <QWidget>

class QToolButton;

namespace rotamind {

// The " ???" page of a working window's tabs (TabSheet1): a white page with a
// picture (Image6), a few words and the "Messaggio" button (SpeedButton9)
// that opens the contact page.
class ContactPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContactPage)

public:
    explicit ContactPage(QWidget* parent = nullptr);
    QToolButton* messageButton() const { return m_message; }

private:
    QToolButton* m_message = nullptr;
};

} // namespace rotamind
