#include "knowledge/window/DeferredPage.h"

#include <QVBoxLayout>

DeferredPage::DeferredPage(QWidget* content, QWidget* parent)
    : QWidget(parent)
    , m_content(content)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_content);
    m_content->hide();
}

void DeferredPage::reveal()
{
    if (m_content->isHidden()) {
        m_content->show();
    }
}

void DeferredPage::showEvent(QShowEvent* event)
{
    reveal();
    QWidget::showEvent(event);
}
