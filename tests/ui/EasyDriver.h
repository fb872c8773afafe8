#pragma once

// Drives an EASY window through its named controls, as a user would.
#include "ProDriver.h"
#include "ui/TEASY.h"

namespace rotamind::testing {

class EasyDriver {
public:
    explicit EasyDriver(TEASY& window) : m_window(window) {}

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
    TEASY& m_window;
};

} // namespace rotamind::testing
