#include "ui/WindowActions.h"

#include "ui/BettingAidPanel.h"
#include "ui/EntryArea.h"
#include "ui/SeriesBlock.h"
#include "ui/SessionCommands.h"
#include "ui/WheelPicturePanel.h"

#include <QComboBox>
#include <QWidget>

namespace rotamind::actions {

void toggleWidth(QWidget& window, int narrowWidth, int wideWidth, int height) {
    window.setFixedSize(window.width() == wideWidth ? narrowWidth : wideWidth, height);
}

void showNumbersToBet(BettingAidPanel& aid, const EntryArea& entry, WheelPicturePanel& picture) {
    aid.showNumbersToBet(entry.direction());
    picture.refresh(aid.windowCaption());
}

void copyLastNumberToEntry(const BettingAidPanel& aid, EntryArea& entry) {
    entry.n1()->setEditText(aid.lastNumber());
}

void refreshAndTogglePicture(const BettingAidPanel& aid, WheelPicturePanel& picture) {
    picture.refresh(aid.windowCaption());
    picture.toggle();
}

void clearSeries(SeriesBlock& series) {
    series.clear();
    series.showCount();
}

LoadOutcome loadSeries(const SessionCommands& commands, QWidget* window, QFileDialog& dialog,
                       SeriesBlock& series, PageAfterLoad page) {
    const std::optional<QStringList> items = commands.loadSession(window, dialog);
    if (!items)
        return LoadOutcome::NothingLoaded;
    series.replaceAll(*items);
    if (page == PageAfterLoad::Last)
        series.chart()->showLastPage();
    else
        series.chart()->setCurrentPage(1);
    series.showCount();
    return series.count() > 0 ? LoadOutcome::Filled : LoadOutcome::Empty;
}

} // namespace rotamind::actions
