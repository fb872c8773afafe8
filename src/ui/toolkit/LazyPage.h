#pragma once

#include <QWidget>

#include <functional>

namespace rotamind {

// A page whose content is made the first time the page is shown or asked
// for. The statistics pages are hundreds of labels, and the Analisi page two
// charts besides, in windows that are all made at start though only the
// launcher shows: made at start they were a fifth of start-up, and every
// hidden page redrew its figures after each launch.
class LazyPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LazyPage)

public:
    // `make` builds the content as a child of the page it is given.
    using Make = std::function<QWidget*(QWidget* page)>;
    LazyPage(const QString& name, Make make, QWidget* parent = nullptr);

    // The content, made now if it was not yet.
    QWidget* content();
    bool isMade() const { return m_content != nullptr; }

signals:
    void made(QWidget* content);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Make m_make;
    QWidget* m_content = nullptr;
};

} // namespace rotamind
