#pragma once

#include "ui/views/SessionCommands.h"

#include <QColor>
#include <QObject>
#include <QString>

class QLineEdit;

namespace rotamind {

class WorkingSession;

// The gaming site (Edit1, under "Sito Gaming") and croupier (Edit2, under
// "Nome Croupier") fields of a working window. Any click into a field empties
// it; the fields' names go into the saved files' names. The texts are the
// session's.
struct SiteFieldsSetup {
    QColor headingBackground{};
    QColor headingForeground{};
};

class SiteFields final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SiteFields)

public:
    SiteFields(QWidget* window, WorkingSession& session, const SiteFieldsSetup& setup);

    QLineEdit* site() const { return m_site; }
    QLineEdit* croupier() const { return m_croupier; }
    // A save request named with the site and croupier as they read now.
    SessionCommands::SaveRequest saveRequest(const QString& title, const QString& suffix) const;

signals:
    void siteClicked();
    void croupierClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WorkingSession& m_session;
    QLineEdit* m_site = nullptr;
    QLineEdit* m_croupier = nullptr;
};

} // namespace rotamind
