#include "desktop/OfferFrame.h"

#include "desktop/LinkLabel.h"
#include "desktop/PageOpeners.h"
#include "desktop/ProgramTexts.h"

#include <QStackedLayout>

OfferFrame::OfferFrame(const QString& coBrandObjectName, QWidget* parent)
    : QFrame(parent)
    , m_coBrand(new LinkLabel)
    , m_fullBrand(new LinkLabel)
    , m_stack(new QStackedLayout(this))
{
    setObjectName(QStringLiteral("fraFullBrand"));
    setFrameShape(QFrame::StyledPanel);
    m_coBrand->setObjectName(coBrandObjectName);
    m_coBrand->setStoredCaption(QString::fromUtf8(ProgramTexts::coBrandOffer));
    m_fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    m_fullBrand->setStoredCaption(QString::fromUtf8(ProgramTexts::fullBrandOffer));
    m_stack->addWidget(m_coBrand);
    m_stack->addWidget(m_fullBrand);
    bringFullBrandToFront();
    connect(m_coBrand, &LinkLabel::clicked, this, [] { OpenCoBrandPage(); });
    connect(m_fullBrand, &LinkLabel::clicked, this, [] { OpenFullBrandPage(); });
}

void OfferFrame::bringCoBrandToFront()
{
    m_stack->setCurrentWidget(m_coBrand);
}

void OfferFrame::bringFullBrandToFront()
{
    m_stack->setCurrentWidget(m_fullBrand);
}

bool OfferFrame::isCoBrandInFront() const
{
    return m_stack->currentWidget() == m_coBrand;
}
