#pragma once

#include "ui/toolkit/Palette.h"
#include "wheel/Wheel.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

// Small factories for the controls of the window layouts: each control gets
// its layout name as objectName, its place and size in client pixels, its
// texts and colours. The windows describe their controls in tables and loop.
namespace rotamind::controls {

struct LabelSetup {
    QString name{};
    QString text{};
    QRect rect{};                       // an empty size means "sized to the text"
    std::optional<QColor> background{}; // none: transparent over the parent
    QColor foreground = palette::kBlack;
    bool bold = false;
    int pixelSize = 11;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
};
QLabel* makeLabel(QWidget* parent, const LabelSetup& setup);

// A bold push button with caption and hint (tooltip).
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& rect, const QString& hint = {});

// A flat icon button; `icon` is a name of the icon set (":/icons/<icon>.png"),
// `disabledIcon` one drawn for the disabled button, if any. The icon is
// decoded when the button is first shown.
QToolButton* makeIconButton(QWidget* parent, const QString& name, const QString& icon,
                            const QRect& rect, const QString& hint,
                            const QString& disabledIcon = {});

struct ComboSetup {
    QString name{};
    QRect rect{};
    QStringList items{};
    QString text{};
    int pixelSize = 11;
    bool bold = false;
    std::optional<QColor> background{};
};
// An editable drop-down that takes at most two typed characters.
QComboBox* makeCombo(QWidget* parent, const ComboSetup& setup);

// "0" ... "36" in numeric order.
QStringList pocketTexts();
// "3", "2", "1", "-1", "-2", "-3".
QStringList classTexts();
// The letter of a direction on the controls: "O" (orario), "A" (antiorario).
QString directionLetter(Direction direction);

} // namespace rotamind::controls
