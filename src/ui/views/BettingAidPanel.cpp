#include "ui/views/BettingAidPanel.h"

#include "betting/BettingAid.h"
#include "ui/toolkit/ColourSigns.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/NarrowArrowStyle.h"
#include "ui/toolkit/Palette.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {
// In the window's coordinates: the free end of the top chart's title row, and
// the whole row.
const QRect kForRect{292, 131, 72, 14};
const QRect kForRowRect{5, 129, 360, 17};

QString directionText(std::optional<Direction> direction) {
    if (!direction)
        return u"?"_s;
    return controls::directionLetter(*direction);
}

// Why numbersToBet found nothing for these inputs.
QString whyNothing(const AidInputs& inputs) {
    if (!inputs.direction)
        return QCoreApplication::translate("BettingAidPanel", "Alt+N: scegli prima O o A");
    if (!pocketFromText(inputs.lastNumber))
        return QCoreApplication::translate("BettingAidPanel",
                                           "Alt+N: «%1» in Ultimo non è un numero della ruota")
            .arg(inputs.lastNumber);
    return QCoreApplication::translate(
               "BettingAidPanel", "Alt+N: «%1» in Distanza non è una classe (3, 2, 1, -1, -2, -3)")
        .arg(inputs.distanceClass);
}
} // namespace

BettingAidPanel::BettingAidPanel(QWidget* window, const BettingAidSetup& setup) : QObject(window) {
    m_panel = new QFrame(window);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setLineWidth(1);
    m_panel->setGeometry(192, 7, 209, 114);
    palette::setWindowColour(m_panel, palette::kSilver);

    const auto caption = [this](const QString& name, const QString& text, int left) {
        controls::makeLabel(m_panel,
                            {.name = name, .text = text, .rect = {left, 8, 0, 0}, .bold = true});
    };
    caption(QStringLiteral("Label16"), QCoreApplication::translate("BettingAidPanel", "Ultimo:"),
            12);
    m_last = controls::makeCombo(m_panel, {.name = QStringLiteral("P"),
                                           .rect = {56, 8, 41, 21},
                                           .items = controls::pocketTexts(),
                                           .text = QStringLiteral("18")});
    caption(QStringLiteral("Label17"), QCoreApplication::translate("BettingAidPanel", "Distanza:"),
            106);
    m_class = controls::makeCombo(m_panel, {.name = QStringLiteral("D"),
                                            .rect = {168, 8, 33, 21},
                                            .items = controls::classTexts(),
                                            .text = QStringLiteral("1"),
                                            .background = palette::kLime});
    // 33 pixels hold "-2" only beside a narrower arrow than the style's.
    auto* narrowArrow = new NarrowArrowStyle(11);
    narrowArrow->setParent(m_class);
    m_class->setStyle(narrowArrow);

    // Its hint is never shown as a tooltip; it stays as the accessible description.
    // Disabled, it shows the drawn greyed magnifier rather than Qt's generated one.
    m_picture = controls::makeIconButton(m_panel, setup.pictureButtonName,
                                         QStringLiteral("magnifier"), {8, setup.buttonTop, 33, 33},
                                         {}, QStringLiteral("magnifier-disabled"));
    m_picture->setAccessibleDescription(
        QCoreApplication::translate("BettingAidPanel", "Mostra/Nascondi Roulette"));
    m_picture->setIconSize({16, 16});
    m_picture->setCursor(Qt::PointingHandCursor);
    m_show = controls::makeButton(
        m_panel, QStringLiteral("Button2"),
        QCoreApplication::translate("BettingAidPanel", "Mostra numeri da puntare"),
        {48, setup.buttonTop, 153, 33});

    const QString none = QString::fromUtf16(kNoWindowLabel);
    m_window = controls::makeLabel(m_panel, {.name = QStringLiteral("N"),
                                             .text = none,
                                             .rect = setup.windowRect,
                                             .background = palette::kLime,
                                             .bold = true,
                                             .pixelSize = 19,
                                             .align = Qt::AlignCenter});
    if (setup.withOpposite) {
        const QRect& n = setup.windowRect;
        m_opposite =
            controls::makeLabel(m_panel, {.name = QStringLiteral("OPPO"),
                                          .text = none,
                                          .rect = {n.left(), n.bottom() + 3, n.width(), 16},
                                          .background = palette::kRed,
                                          .bold = true,
                                          .pixelSize = 13,
                                          .align = Qt::AlignCenter});
    }

    // At the right of the top chart's title; out of date, the whole title row.
    m_for = controls::makeLabel(window, {.name = QStringLiteral("aidFor"),
                                         .rect = kForRect,
                                         .foreground = palette::kBlack,
                                         .bold = true,
                                         .pixelSize = 10,
                                         .align = Qt::AlignRight | Qt::AlignVCenter});
    m_for->hide();
    connect(&ColourSigns::instance(), &ColourSigns::toggled, this, [this] {
        if (!m_for->isHidden())
            showFor(m_forText, m_forHighlighted);
    });

    // currentTextChanged covers both typing and picking an item; the program's
    // own writes are told apart by the flag.
    connect(m_last, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!m_writingLastNumber)
            emit lastNumberEdited(text);
    });
}

QString BettingAidPanel::lastNumber() const {
    return m_last->currentText();
}

QString BettingAidPanel::distanceClass() const {
    return m_class->currentText();
}

void BettingAidPanel::setLastNumberByProgram(const QString& text) {
    m_writingLastNumber = true;
    m_last->setEditText(text);
    m_writingLastNumber = false;
}

void BettingAidPanel::showNumbersToBet(std::optional<Direction> direction, const QString& n1) {
    const AidInputs inputs{lastNumber(), distanceClass(), direction, n1};
    const auto windows = numbersToBet(direction, inputs.lastNumber, inputs.distanceClass);
    if (!windows) {
        // N keeps the numbers it had, for whatever they were computed for.
        showFor(whyNothing(inputs), true);
        return;
    }
    m_window->setText(windows->toBet);
    if (m_opposite)
        m_opposite->setText(windows->opposite);
    m_computedFor = inputs;
    m_stale = false;
    showFor(QCoreApplication::translate("BettingAidPanel", "per %1 · %2 · %3")
                .arg(inputs.lastNumber, inputs.distanceClass, directionText(direction)),
            false);
}

void BettingAidPanel::checkInputs(std::optional<Direction> direction, const QString& n1) {
    if (m_computedFor && !m_stale &&
        !(*m_computedFor == AidInputs{lastNumber(), distanceClass(), direction, n1}))
        markStale();
}

void BettingAidPanel::markStale() {
    if (!m_computedFor || m_stale)
        return;
    m_stale = true;
    const AidInputs& was = *m_computedFor;
    showFor(QCoreApplication::translate("BettingAidPanel",
                                        "Non aggiornati: Alt+N (erano per %1 · %2 · %3)")
                .arg(was.lastNumber, was.distanceClass, directionText(was.direction)),
            true);
}

void BettingAidPanel::showFor(const QString& text, bool highlighted) {
    m_forText = text;
    m_forHighlighted = highlighted;
    // Red says "out of date" or "nothing computed"; the sign says it in grey too.
    m_for->setText(highlighted && ColourSigns::on() ? u"⚠ "_s + text : text);
    m_for->setGeometry(highlighted ? kForRowRect : kForRect);
    m_for->setAlignment((highlighted ? Qt::AlignCenter : Qt::AlignRight) | Qt::AlignVCenter);
    m_for->setAutoFillBackground(highlighted);
    if (highlighted) {
        palette::setBackground(m_for, palette::kRed);
        palette::setForeground(m_for, palette::kYellow);
    } else {
        palette::setForeground(m_for, palette::kBlack);
    }
    m_for->raise();
    m_for->show();
}

QString BettingAidPanel::windowCaption() const {
    return m_window->text();
}

} // namespace rotamind
