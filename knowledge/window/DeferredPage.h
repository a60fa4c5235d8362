#pragma once

#include <QWidget>

// A page of a tab control whose content exists from the start, so its controls hold their place in the Tab order and
// can be read, but stays hidden, and so out of every layout's measuring, until the page is first shown or the window
// has time after its first paint (reveal). A page of wrapped text costs the window's first layout most of its time
// though it is not on screen.
class DeferredPage : public QWidget
{
    Q_OBJECT

public:
    explicit DeferredPage(QWidget* content, QWidget* parent = nullptr);

    // Lets the content into the layout now, once.
    void reveal();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_content;
};
