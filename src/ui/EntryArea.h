#pragma once

#include "wheel/Wheel.h"

#include <QObject>
#include <QString>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace rotamind {

// The number entry of a working window, the same in PRO and EASY: Combo1 (the
// number, "??" for none), the direction selector Radio1 "O" / Radio2 "A",
// "REGISTRA" (Button11) and the last two numbers n1, n2 under Label43.
// Enter in Combo1 presses "REGISTRA".
class EntryArea final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EntryArea)

public:
    explicit EntryArea(QWidget* window);

    QString entryText() const;
    void setEntryText(const QString& text);
    QString n1Text() const;
    QString n2Text() const;
    void setLastTwo(const QString& n1, const QString& n2);

    // None while neither radio button is checked, as in a new window.
    std::optional<Direction> direction() const;
    void select(Direction direction);

    QComboBox* entry() const { return m_entry; }
    QComboBox* n1() const { return m_n1; }
    QComboBox* n2() const { return m_n2; }
    QRadioButton* radio(Direction direction) const;
    QPushButton* registerButton() const { return m_register; }

private:
    QComboBox* m_entry = nullptr;
    QRadioButton* m_clockwise = nullptr;
    QRadioButton* m_counterClockwise = nullptr;
    QPushButton* m_register = nullptr;
    QComboBox* m_n1 = nullptr;
    QComboBox* m_n2 = nullptr;
};

} // namespace rotamind
