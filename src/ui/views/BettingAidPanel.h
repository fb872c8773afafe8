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
// differently; the setup below carries those differences. Over the top
// chart's title, aidFor names what N was computed for, and is highlighted
// when a launch or a delete has made it out of date.
struct BettingAidSetup {
    QString pictureButtonName{}; // "SpeedButton4" in PRO, "SpeedButton7" in EASY
    int buttonTop = 32;          // the picture toggle and Button2, inside the panel
    QRect windowRect{8, 68, 193, 24};
    bool withOpposite = true; // OPPO below N
};

// What the numbers to bet were last computed for: the last number, the class
// and the direction as Alt+N found them, and n1 at that moment.
struct AidInputs {
    QString lastNumber{};
    QString distanceClass{};
    std::optional<Direction> direction{};
    QString n1{};
    friend bool operator==(const AidInputs&, const AidInputs&) = default;
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
    // N (and OPPO) from numbersToBet; with no result they keep their texts and
    // the aid's label says why. `n1` is the last number registered.
    void showNumbersToBet(std::optional<Direction> direction, const QString& n1);
    // The inputs now: numbers computed for others are marked out of date.
    void checkInputs(std::optional<Direction> direction, const QString& n1);
    // A launch was registered or taken back since: the numbers are out of date.
    void markStale();
    bool isStale() const { return m_stale; }
    QString windowCaption() const;

    QComboBox* classField() const { return m_class; }
    QToolButton* pictureButton() const { return m_picture; }
    QPushButton* showButton() const { return m_show; }

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
    QLabel* m_for = nullptr;
    QString m_forText; // as shown, without the sign the switch may add
    bool m_forHighlighted = false;
    std::optional<AidInputs> m_computedFor;
    bool m_stale = false;
    bool m_writingLastNumber = false;

    void showFor(const QString& text, bool highlighted);
};

} // namespace rotamind
