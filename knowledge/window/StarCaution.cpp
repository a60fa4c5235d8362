#include "knowledge/window/StarCaution.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

StarCaution::StarCaution(QWidget* parent)
    : QWidget(parent)
    , m_picture(new QLabel)
    , m_text(new QLabel)
{
    m_picture->setObjectName(QStringLiteral("picStarCaution"));
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m_picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    m_picture->setAccessibleName(QStringLiteral("Warning"));
    m_text->setObjectName(QStringLiteral("lblStarCaution"));
    m_text->setWordWrap(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picture, 0, Qt::AlignTop);
    layout->addWidget(m_text, 1);
    showCaution({});
}

void StarCaution::showCaution(const QString& caution)
{
    m_text->setText(caution);
    m_text->setAccessibleName(caution);
    m_text->setVisible(!caution.isEmpty());
    m_picture->setVisible(!caution.isEmpty());
}
