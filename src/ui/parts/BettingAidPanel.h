#pragma once

#include "wheel/Wheel.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <optional>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace rotamind {

// Panel1 of a working window: last number P, class D, the wheel-picture
// toggle, "Mostra numeri da puntare" (Button2), the window to bet N and, in
// PRO, the opposite window OPPO. The two windows place some controls
// differently; the setup below carries those differences.
struct BettingAidSetup {
    QString pictureButtonName{}; // "SpeedButton4" in PRO, "SpeedButton7" in EASY
    int buttonTop = 32;          // the picture toggle and Button2, inside the panel
    QRect windowRect{8, 68, 193, 24};
    bool withOpposite = true; // OPPO below N
};

class BettingAidPanel final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BettingAidPanel)

public:
    BettingAidPanel(QWidget* window, const BettingAidSetup& setup);

    QString lastNumber() const;
    QString distanceClass() const;
    // The program's own copy into P (after "REGISTRA"): does not count as the user's change.
    void setLastNumberByProgram(const QString& text);
    // N (and OPPO) from numbersToBet; with no result they keep their texts.
    void showNumbersToBet(std::optional<Direction> direction);
    QString windowCaption() const;

    QFrame* panel() const { return m_panel; }
    QComboBox* lastNumberField() const { return m_last; }
    QComboBox* classField() const { return m_class; }
    QToolButton* pictureButton() const { return m_picture; }
    QPushButton* showButton() const { return m_show; }
    QLabel* windowLabel() const { return m_window; }
    QLabel* oppositeLabel() const { return m_opposite; } // null in EASY

signals:
    // The user typed into P or picked one of its items.
    void lastNumberEdited(const QString& text);

private:
    QFrame* m_panel = nullptr;
    QComboBox* m_last = nullptr;
    QComboBox* m_class = nullptr;
    QToolButton* m_picture = nullptr;
    QPushButton* m_show = nullptr;
    QLabel* m_window = nullptr;
    QLabel* m_opposite = nullptr;
    bool m_writingLastNumber = false;
};

} // namespace rotamind
