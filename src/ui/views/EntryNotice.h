#pragma once

#include <QObject>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidgetList>

class QLabel;
class QTimer;
class QWidget;

namespace rotamind {

class EntryArea;
class WorkingSession;

// Tells the player at once, and without a dialog that would swallow the next
// keys, what "REGISTRA" did not do as they meant: a line over the top chart's
// title for a few seconds, with the entry or the direction selector flashing.
// A reset is told on the same line, with the key that takes it back.
class EntryNotice final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EntryNotice)

public:
    // `lineRect` is where the line shows, in the window's coordinates.
    EntryNotice(QWidget* window, WorkingSession& session, const EntryArea& entry,
                const QRect& lineRect);

    // A reset cleared a series: how to get it back, for a few seconds.
    void tellReset();

    static QString directionMissingText();
    static QString resetText();
    static QString foreignNumberText(const QString& text);

private:
    void tell(const QString& text, QWidgetList flashing);
    void flashStep();

    QLabel* m_line;
    QTimer* m_hide;
    QTimer* m_flash;
    QWidgetList m_flashing;
    QList<QPalette> m_palettes; // of m_flashing, to put back
    int m_flashStepsLeft = 0;
};

} // namespace rotamind
