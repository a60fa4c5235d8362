#pragma once

#include <QFrame>

class LinkLabel;
class QStackedLayout;

// `fraFullBrand`: the co-branding offer and the fully-branded offer lying exactly on top of each other; one of them
// is in front. Clicks run OpenCoBrandPage and OpenFullBrandPage. The fully-branded offer starts in front; the
// co-brand choice at start-up may bring the other forward.
class OfferFrame : public QFrame
{
    Q_OBJECT

public:
    // `coBrandObjectName` differs between windows ("lblCobrand", or "lblCobrand1" in the result window).
    explicit OfferFrame(const QString& coBrandObjectName = QStringLiteral("lblCobrand"), QWidget* parent = nullptr);

    LinkLabel* coBrandLabel() const { return m_coBrand; }
    LinkLabel* fullBrandLabel() const { return m_fullBrand; }
    void bringCoBrandToFront();
    void bringFullBrandToFront();
    bool isCoBrandInFront() const;

private:
    LinkLabel* m_coBrand;
    LinkLabel* m_fullBrand;
    QStackedLayout* m_stack;
};
