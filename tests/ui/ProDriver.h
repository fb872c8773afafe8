#pragma once

// Drives a PRO window through its named controls, as a user would.
#include "ui/DistanceChart.h"
#include "ui/TPRO.h"
#include "wheel/Wheel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

namespace rotamind::testing {

class ProDriver {
public:
    explicit ProDriver(TPRO& window) : m_window(window) {}

    template <typename T = QWidget> T* control(const char* name) const {
        T* found = m_window.findChild<T*>(QString::fromLatin1(name));
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

    void click(const char* name) { control<QAbstractButton>(name)->click(); }

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

    TPRO& window() const { return m_window; }

private:
    TPRO& m_window;
};

// The number whose launch in `direction` after `previous` has `distanceClass`.
inline QString numberFor(int previous, Direction direction, int distanceClass) {
    const int position = (wheelPosition(previous) + classBlock(direction, distanceClass)) % 37;
    return QString::number(kWheelOrder[size_t(position)]);
}

} // namespace rotamind::testing
