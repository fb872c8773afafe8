#include "ui/windows/TGUIDA.h"

#include "ui/toolkit/KeyTable.h"

#include "ui/toolkit/Palette.h"
#include "ui/windows/SpokenTexts.h"
#include "wheel/Wheel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>

#include <array>
#include <numbers>

namespace rotamind {

namespace {

using namespace Qt::StringLiterals;

struct Topic {
    const char16_t* page; // under qrc:/guida/
    const char* title;    // to translate
};

constexpr std::array<Topic, 13> kTopics{{
    {u"classi.html", QT_TRANSLATE_NOOP("TGUIDA", "Le classi di distanza")},
    {u"correggere.html", QT_TRANSLATE_NOOP("TGUIDA", "Correggere un lancio")},
    {u"distanza.html", QT_TRANSLATE_NOOP("TGUIDA", "Numeri da puntare e Distanza")},
    {u"riga-rossa.html", QT_TRANSLATE_NOOP("TGUIDA", "La riga rossa")},
    {u"blocco.html", QT_TRANSLATE_NOOP("TGUIDA", "Il blocco della direzione")},
    {u"statistiche.html", QT_TRANSLATE_NOOP("TGUIDA", "Statistiche classiche")},
    {u"lunghezze.html", QT_TRANSLATE_NOOP("TGUIDA", "Lunghezze")},
    {u"analisi.html", QT_TRANSLATE_NOOP("TGUIDA", "La pagina Analisi")},
    {u"file.html", QT_TRANSLATE_NOOP("TGUIDA", "File e salvataggio automatico")},
    {u"archivio.html", QT_TRANSLATE_NOOP("TGUIDA", "Archivio delle sessioni")},
    {u"ripristina.html", QT_TRANSLATE_NOOP("TGUIDA", "RIPRISTINA")},
    {u"contatti.html", QT_TRANSLATE_NOOP("TGUIDA", "La scheda dei contatti")},
    {u"tastiera.html", QT_TRANSLATE_NOOP("TGUIDA", "Tastiera")},
}};

constexpr auto kWheelPictureName = u"ruota-classi.png";

QColor classColour(int distanceClass) {
    switch (distanceClass) {
    case 1:
        return {255, 224, 140};
    case 2:
        return {255, 190, 110};
    case 3:
        return {250, 150, 120};
    case -1:
        return {160, 205, 240};
    case -2:
        return {185, 225, 170};
    default:
        return {215, 190, 235};
    }
}

// Point at `radius` pixels and `degrees` clockwise from the top of a circle
// centred at `centre`.
QPointF onCircle(QPointF centre, double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::sin(radians), centre.y() - radius * std::cos(radians)};
}

// The wheel seen from above with 0 at the top as the previous number, each
// other pocket coloured by its class for a clockwise launch and each block
// named by its class: the example of the classes page. Drawn rather than
// shipped, so that it can never disagree with the wheel tables.
QImage classesPicture() {
    constexpr int kSide = 300;
    constexpr double kOuter = 128;
    constexpr double kInner = 96;
    const QPointF centre(kSide / 2.0, kSide / 2.0);
    constexpr double kStep = 360.0 / 37;
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont numberFont = palette::windowFont();
    numberFont.setPixelSize(9);
    const QRectF outer(centre.x() - kOuter, centre.y() - kOuter, 2 * kOuter, 2 * kOuter);
    const QRectF inner(centre.x() - kInner, centre.y() - kInner, 2 * kInner, 2 * kInner);
    for (int position = 0; position < 37; ++position) {
        const int pocket = kWheelOrder[static_cast<std::size_t>(position)];
        const std::optional<int> distanceClass =
            classifyPair(Direction::Clockwise, u"0", QString::number(pocket));
        // Qt's arcs run counter-clockwise from three o'clock.
        const double start = 90.0 - (position - 0.5) * kStep;
        QPainterPath segment;
        segment.arcMoveTo(outer, start);
        segment.arcTo(outer, start, -kStep);
        segment.arcTo(inner, start - kStep, kStep);
        segment.closeSubpath();
        painter.setPen(QPen(Qt::black, 0.6));
        painter.setBrush(distanceClass ? classColour(*distanceClass) : QColor(0, 160, 0));
        painter.drawPath(segment);
        painter.setFont(numberFont);
        const QPointF at = onCircle(centre, (kOuter + kInner) / 2, position * kStep);
        painter.drawText(QRectF(at.x() - 10, at.y() - 6, 20, 12), Qt::AlignCenter,
                         QString::number(pocket));
    }
    painter.setFont(palette::boldFont(15));
    for (const int distanceClass : kClasses) {
        const int middle = classBlock(Direction::Clockwise, distanceClass) + 2;
        const QPointF at = onCircle(centre, 74, (middle + 0.5) * kStep);
        painter.drawText(QRectF(at.x() - 15, at.y() - 10, 30, 20), Qt::AlignCenter,
                         classText(distanceClass));
    }
    // The direction of the launch, just outside the pockets.
    painter.setPen(QPen(Qt::darkRed, 2));
    painter.setBrush(Qt::NoBrush);
    const QRectF track(centre.x() - 140, centre.y() - 140, 280, 280);
    painter.drawArc(track, 16 * 80, -16 * 40);
    const QPointF tip = onCircle(centre, 140, 50);
    painter.drawLine(tip, tip + QPointF(-8, -2));
    painter.drawLine(tip, tip + QPointF(-3, -8));
    painter.setFont(palette::boldFont(11));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(centre.x() - 60, centre.y() - 12, 120, 24), Qt::AlignCenter,
                     QCoreApplication::translate("TGUIDA", "dopo lo 0, ORARIO"));
    return image;
}

// A browser that draws the wheel picture the first time a page asks for it.
class GuideBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource && name.fileName() == kWheelPictureName) {
            if (m_wheel.isNull())
                m_wheel = classesPicture();
            return m_wheel;
        }
        const QVariant loaded = QTextBrowser::loadResource(type, name);
        // The keyboard page's table is the program's key table itself.
        if (type == QTextDocument::HtmlResource && name.fileName() == u"tastiera.html")
            return QString::fromUtf8(loaded.toByteArray())
                .replace(u"<!--TASTI-->"_s, keys::guideRows());
        return loaded;
    }

private:
    QImage m_wheel;
};
} // namespace

TGUIDA::TGUIDA(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(u"TGUIDA"_s);
    setWindowTitle(QCoreApplication::translate("TGUIDA", "Rotamind - Guida"));
    resize(760, 540);
    m_topics = new QListWidget(this);
    m_topics->setObjectName(u"Argomenti"_s);
    m_topics->setFixedWidth(190);
    for (const Topic& topic : kTopics)
        m_topics->addItem(QCoreApplication::translate("TGUIDA", topic.title));
    m_text = new GuideBrowser(this);
    m_text->setObjectName(u"Testo"_s);
    m_text->setOpenLinks(true);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_topics);
    layout->addWidget(m_text, 1);
    connect(m_topics, &QListWidget::currentRowChanged, this, &TGUIDA::showTopic);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    m_topics->setCurrentRow(0);
    spoken::nameWindow(this);
}

void TGUIDA::showTopic(int row) {
    if (row < 0 || row >= static_cast<int>(kTopics.size()))
        return;
    m_text->setSource(
        QUrl(QCoreApplication::translate("TGUIDA", "qrc:/guida/",
                                         "the folder of the guide's pages in this language") +
             QString::fromUtf16(kTopics[static_cast<std::size_t>(row)].page)));
}

void TGUIDA::open() {
    show();
    raise();
    activateWindow();
}

void TGUIDA::attachTo(QWidget* window, const QRect& buttonRect) {
    const auto openGuide = [window] {
        auto* guide = window->findChild<TGUIDA*>(QString(), Qt::FindDirectChildrenOnly);
        if (!guide)
            guide = new TGUIDA(window);
        guide->open();
    };
    auto* button = new QToolButton(window);
    button->setObjectName(u"GUIDA"_s);
    button->setText(u"?"_s);
    button->setFont(palette::boldFont(15));
    button->setGeometry(buttonRect);
    button->setToolTip(QCoreApplication::translate("TGUIDA", "Guida (F1)"));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, window, openGuide);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), window), &QShortcut::activated, window,
            openGuide);
}
} // namespace rotamind
