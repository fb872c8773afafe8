#pragma once

// Drives a working window (PRO or EASY) through its named controls, as a
// user would; both windows give their controls the same names.
#include "TestSupport.h"
#include "ui/chart/DistanceChart.h"
#include "wheel/Wheel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace rotamind::testing {

// The number whose launch in `direction` after `previous` has `distanceClass`.
inline QString numberFor(int previous, Direction direction, int distanceClass) {
    const int position = (wheelPosition(previous) + classBlock(direction, distanceClass)) % 37;
    return QString::number(kWheelOrder[size_t(position)]);
}

class WindowDriver {
public:
    explicit WindowDriver(QWidget& window) : m_window(window) {}

    template <typename T = QWidget> T* control(const char* name) const {
        static_assert(std::is_base_of_v<QObject, T>);
        T* found = m_window.findChild<T*>(QString::fromLatin1(name));
        if (!found) {
            // On a page not yet shown: made now, as opening its tab would.
            makeEveryPage(m_window);
            found = m_window.findChild<T*>(QString::fromLatin1(name));
        }
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    QString text(const char* name) const {
        if (auto* combo = m_window.findChild<QComboBox*>(QString::fromLatin1(name)))
            return combo->currentText();
        if (auto* edit = m_window.findChild<QLineEdit*>(QString::fromLatin1(name)))
            return edit->text();
        return control<QLabel>(name)->text();
    }

    QColor background(const char* name) const {
        return control(name)->palette().color(QPalette::Window);
    }

    // Names made at run time (no QByteArray turns into a const char* by itself).
    QString text(const QByteArray& name) const { return text(name.constData()); }
    QColor background(const QByteArray& name) const { return background(name.constData()); }

    void click(const char* name) { control<QAbstractButton>(name)->click(); }
    // Runs one of the window's named commands (those with no control of their own).
    void trigger(const char* name) { control<QAction>(name)->trigger(); }

    // Types into an editable drop-down as the user would: select all, type.
    void type(const char* name, const QString& text) {
        QLineEdit* edit = control<QComboBox>(name)->lineEdit();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }

    void select(Direction direction) {
        control<QRadioButton>(direction == Direction::Clockwise ? "Radio1" : "Radio2")->click();
    }

    // Enter a number, choose the direction, press "REGISTRA".
    void registerLaunch(const QString& number, Direction direction) {
        type("Combo1", number);
        select(direction);
        click("Button11");
    }

    // A launch of `distanceClass` after whatever n1 holds.
    void registerClass(int distanceClass, Direction direction) {
        registerLaunch(numberFor(text("n1").toInt(), direction, distanceClass), direction);
    }

    bool checked(Direction direction) const {
        return control<QRadioButton>(direction == Direction::Clockwise ? "Radio1" : "Radio2")
            ->isChecked();
    }

    QStringList items(const char* listName) const {
        QAbstractItemView* list = control<QAbstractItemView>(listName);
        QStringList texts;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            texts << list->model()->index(row, 0).data().toString();
        return texts;
    }

    QList<int> points(const char* chartName) const {
        DistanceChart* chart = control<DistanceChart>(chartName);
        QList<int> values;
        for (qsizetype i = 0; i < chart->pointCount(); ++i)
            values << chart->pointAt(i);
        return values;
    }

    // The texts of the labels named, in that order.
    QStringList texts(const QStringList& names) const {
        QStringList result;
        for (const QString& name : names)
            result << text(name.toLatin1().constData());
        return result;
    }

private:
    QWidget& m_window;
};

// Registers launches that give exactly these classes in `direction`, with
// PRO's lock on that direction (SpeedButton8 for clockwise, SpeedButton7
// for counter-clockwise) held for the whole run.
inline void registerClassesUnderLock(WindowDriver& pro, Direction direction,
                                     const QList<int>& classes) {
    pro.click(direction == Direction::Clockwise ? "SpeedButton8" : "SpeedButton7");
    int previous = pro.text("n1").toInt();
    for (const int distanceClass : classes) {
        const QString number = numberFor(previous, direction, distanceClass);
        pro.registerLaunch(number, direction);
        previous = number.toInt();
    }
    pro.click(direction == Direction::Clockwise ? "SpeedButton8" : "SpeedButton7");
}

} // namespace rotamind::testing
