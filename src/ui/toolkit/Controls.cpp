#include "ui/toolkit/Controls.h"

#include "ui/toolkit/OnFirstShow.h"
#include "ui/toolkit/TwoCharacterField.h"
#include "wheel/Wheel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace rotamind::controls {

QLabel* makeLabel(QWidget* parent, const LabelSetup& setup) {
    auto* label = new QLabel(setup.text, parent);
    label->setObjectName(setup.name);
    label->setFont(setup.bold ? palette::boldFont(setup.pixelSize) : [&] {
        QFont font = palette::windowFont();
        font.setPixelSize(setup.pixelSize);
        return font;
    }());
    label->setAlignment(setup.align);
    palette::setColours(label, setup.background, setup.foreground);
    if (setup.rect.size().isEmpty()) {
        label->move(setup.rect.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(setup.rect);
    }
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& rect, const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(palette::boldFont());
    button->setGeometry(rect);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    return button;
}

QToolButton* makeIconButton(QWidget* parent, const QString& name, const QString& icon,
                            const QRect& rect, const QString& hint, const QString& disabledIcon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    const auto path = [](const QString& iconName) -> QString {
        return QStringLiteral(":/icons/") + iconName + QStringLiteral(".png");
    };
    setIconOnShow(button, path(icon), disabledIcon.isEmpty() ? QString() : path(disabledIcon));
    button->setGeometry(rect);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QComboBox* makeCombo(QWidget* parent, const ComboSetup& setup) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(setup.name);
    // Placed first: a combo box not yet sized measures all its items when it
    // becomes editable, only to be given its layout size right after. The font
    // too: set later, it would lay out its line edit and list again.
    combo->setGeometry(setup.rect);
    QFont font = setup.bold ? palette::boldFont(setup.pixelSize) : palette::windowFont();
    font.setPixelSize(setup.pixelSize);
    combo->setFont(font);
    combo->setEditable(true);
    // Typed text is never added to the items, nor completed to one of them:
    // "1" must stay "1" while the user goes on to type "17".
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->addItems(setup.items);
    combo->lineEdit()->setMaxLength(2);
    new TwoCharacterField(combo);
    if (setup.background)
        palette::setBackground(combo, *setup.background);
    combo->setCurrentText(setup.text);
    return combo;
}

QStringList pocketTexts() {
    QStringList texts;
    for (int pocket = 0; pocket <= 36; ++pocket)
        texts << QString::number(pocket);
    return texts;
}

QStringList classTexts() {
    QStringList texts;
    for (const int distanceClass : kClasses)
        texts << classText(distanceClass);
    return texts;
}

QString directionLetter(Direction direction) {
    return direction == Direction::Clockwise ? QStringLiteral("O") : QStringLiteral("A");
}

} // namespace rotamind::controls
