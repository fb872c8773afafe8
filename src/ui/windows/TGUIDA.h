#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace rotamind {

// The guide: one page per topic (the classes, the statistics, the lengths,
// the analysis page, the files, the keyboard), read from the program's
// resources, so that it works without a network.
class TGUIDA final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TGUIDA)

public:
    explicit TGUIDA(QWidget* parent = nullptr);

    // Shows the guide, raised, at the topic currently chosen (the first at start).
    void open();

    // Gives `window` F1 and a "?" button named GUIDA at `buttonRect`, both
    // opening the window's own guide, made on first use.
    static void attachTo(QWidget* window, const QRect& buttonRect);

private:
    void showTopic(int row);

    QListWidget* m_topics = nullptr;
    QTextBrowser* m_text = nullptr;
};

} // namespace rotamind
