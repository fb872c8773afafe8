#include "ui/toolkit/Palette.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace rotamind::palette {

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        pal.setColor(role, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setWindowColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(role, colour);
    widget->setPalette(pal);
}

void setWindowText(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

void setColours(QWidget* widget, const std::optional<QColor>& background,
                const QColor& foreground) {
    QPalette pal = widget->palette();
    if (background)
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            pal.setColor(role, *background);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(role, foreground);
    widget->setPalette(pal);
    if (background)
        widget->setAutoFillBackground(true);
}

void setIndexColour(QWidget* label, bool oneOrMore) {
    const QColor& wanted = oneOrMore ? kRed : kLime;
    if (label->palette().color(QPalette::Window) != wanted)
        setBackground(label, wanted);
}

QFont windowFont() {
    QFont font;
    // "MS Sans Serif" is not on a Linux desktop; these are its metric twins.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("MS Sans Serif")});
    font.setPixelSize(11);
    return font;
}

QFont boldFont(int pixelSize) {
    QFont font = windowFont();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QFont narrowBoldFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow")});
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

} // namespace rotamind::palette
