#include "knowledge/window/LazyPage.h"

#include <QVBoxLayout>

LazyPage::LazyPage(Maker maker, QWidget* parent)
    : QWidget(parent)
    , m_maker(std::move(maker))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QWidget* LazyPage::build()
{
    if (!m_content && m_maker) {
        m_content = m_maker();
        layout()->addWidget(m_content);
        m_maker = nullptr;
        emit built(m_content);
    }
    return m_content;
}

void LazyPage::showEvent(QShowEvent* event)
{
    build();
    QWidget::showEvent(event);
}
