#include "ui/toolkit/LazyPage.h"

#include <QShowEvent>
#include <QVBoxLayout>

namespace rotamind {

LazyPage::LazyPage(const QString& name, Make make, QWidget* parent)
    : QWidget(parent), m_make(std::move(make)) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

QWidget* LazyPage::content() {
    if (!m_content) {
        m_content = m_make(this);
        m_make = nullptr;
        layout()->addWidget(m_content);
        // A child made after its parent came on screen waits for an explicit
        // show; the layout's own would come one event later, after a blank paint.
        if (isVisible())
            m_content->show();
        emit made(m_content);
    }
    return m_content;
}

void LazyPage::showEvent(QShowEvent* event) {
    // Made before the page is first painted: on screen it was always there.
    content();
    QWidget::showEvent(event);
}

} // namespace rotamind
