#include "ui/views/WindowActions.h"

#include "session/WorkingSession.h"
#include "ui/views/BettingAidPanel.h"
#include "ui/views/SessionCommands.h"
#include "ui/views/WheelPicturePanel.h"

#include <QComboBox>
#include <QWidget>

namespace rotamind::actions {

void toggleWidth(QWidget& window, int narrowWidth, int wideWidth, int height) {
    window.setFixedSize(window.width() == wideWidth ? narrowWidth : wideWidth, height);
}

void showNumbersToBet(BettingAidPanel& aid, const WorkingSession& session,
                      WheelPicturePanel& picture) {
    aid.showNumbersToBet(session.entry().direction, session.entry().n1);
    picture.refresh(aid.windowCaption());
}

void refreshAndTogglePicture(const BettingAidPanel& aid, WheelPicturePanel& picture) {
    picture.refresh(aid.windowCaption());
    picture.toggle();
}

void showLastNumber(BettingAidPanel& aid, const WorkingSession& session) {
    const auto check = [&aid, &session] {
        aid.checkInputs(session.entry().direction, session.entry().n1);
    };
    QObject::connect(&session, &WorkingSession::entryChanged, &aid, [&aid, &session, check] {
        if (aid.lastNumber() != session.entry().lastNumber)
            aid.setLastNumberByProgram(session.entry().lastNumber);
        check();
    });
    QObject::connect(aid.classField(), &QComboBox::currentTextChanged, &aid, check);
    // A launch of the same number changes no input, yet the numbers are older;
    // so does any change of a series: an undo, a delete, a load.
    QObject::connect(&session, &WorkingSession::seriesChanged, &aid, [&aid] { aid.markStale(); });
}

void loadSeries(const SessionCommands& commands, QWidget* window, QFileDialog& dialog,
                WorkingSession& session, Series& series) {
    if (std::optional<SessionClasses> classes = commands.loadClasses(window, dialog))
        session.load(series, std::move(*classes));
}

} // namespace rotamind::actions
