#pragma once

#include <QWidget>

#include <functional>

namespace rotamind {

// A page whose content is made the first time the page is shown or asked
// for. The Analisi page is about a hundred labels and two charts that most
// evenings never look at; made at start it was an eighth of start-up, and it
// redrew its figures after every launch while hidden.
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
