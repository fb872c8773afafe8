#include "ui/Controls.h"

#include "wheel/Wheel.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace rotamind::controls {

QLabel* makeLabel(QWidget* parent, const LabelSpec& spec) {
    auto* label = new QLabel(spec.text, parent);
    label->setObjectName(spec.name);
    label->setFont(spec.bold ? palette::boldFont(spec.pixelSize) : [&] {
        QFont font = palette::windowFont();
        font.setPixelSize(spec.pixelSize);
        return font;
    }());
    label->setAlignment(spec.align);
    if (spec.background)
        palette::setBackground(label, *spec.background);
    palette::setForeground(label, spec.foreground);
    if (spec.rect.size().isEmpty()) {
        label->move(spec.rect.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(spec.rect);
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
                            const QRect& rect, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(QStringLiteral(":/icons/") + icon + QStringLiteral(".png")));
    button->setGeometry(rect);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QComboBox* makeCombo(QWidget* parent, const ComboSpec& spec) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(spec.name);
    combo->setEditable(true);
    // Typed text is never added to the items, nor completed to one of them:
    // "1" must stay "1" while the user goes on to type "17".
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->addItems(spec.items);
    combo->lineEdit()->setMaxLength(2);
    QFont font = spec.bold ? palette::boldFont(spec.pixelSize) : palette::windowFont();
    font.setPixelSize(spec.pixelSize);
    combo->setFont(font);
    if (spec.background)
        palette::setBackground(combo, *spec.background);
    combo->setGeometry(spec.rect);
    combo->setCurrentText(spec.text);
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

} // namespace rotamind::controls
