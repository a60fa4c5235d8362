#pragma once

#include <QWidget>

#include <functional>

// A page of a tab control whose content is made the first time the page is shown, or when the window has time
// after its first paint (build): the window opens with its first tab drawn and the others waiting.
class LazyPage : public QWidget
{
    Q_OBJECT

public:
    using Maker = std::function<QWidget*()>;

    explicit LazyPage(Maker maker, QWidget* parent = nullptr);

    // Makes the content now, once; the page's only child widget from then on.
    QWidget* build();
    QWidget* content() const { return m_content; }

signals:
    // The content is made and on the page, so in the window: its controls can take their place in the Tab order.
    void built(QWidget* content);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Maker m_maker;
    QWidget* m_content = nullptr;
};
