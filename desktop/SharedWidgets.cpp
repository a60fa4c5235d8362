#include "desktop/SharedWidgets.h"

#include "desktop/LinkLabel.h"
#include "desktop/PageOpeners.h"
#include "desktop/WebAddresses.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEngine>
#include <QPainter>

namespace {

constexpr const char* fullBrandOfferLine = "Home Business Opportunity. Start your own Internet business and make "
                                           "money online. Get this software fully branded for your website.";

} // namespace

QAction* addMenuItem(QMenu* menu, const char* objectName, const char* caption)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

void addMenuSeparator(QMenu* menu, const char* objectName)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(objectName));
}

QLabel* makeWrappedLabel(const char* objectName, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    return label;
}

qreal paintedPixelRatio(const QPainter& painter)
{
    return painter.paintEngine()->paintDevice()->devicePixelRatioF();
}

QFont titleFont(const QFont& base)
{
    QFont font = base;
    font.setBold(true);
    font.setPointSizeF(base.pointSizeF() * 1.4);
    return font;
}

void addHelpMenus(QMainWindow* window, const std::function<void()>& about)
{
    QMenu* help = window->menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QObject::connect(addMenuItem(help, "mnuOnline", "&Online Help"), &QAction::triggered, window,
                     [] { OpenHelpPage(); });
    QObject::connect(addMenuItem(help, "mnuVisit", "&Visit Us Online"), &QAction::triggered, window,
                     [] { OpenHomePage(); });
    addMenuSeparator(help, "mnuHelp1");
    QObject::connect(addMenuItem(help, "mnuUpdate", "Check for Software &Update"), &QAction::triggered, window,
                     [] { OpenUpdatePage(); });
    addMenuSeparator(help, "mnuHelp2");
    QObject::connect(addMenuItem(help, "mnuAbout", "&About Software"), &QAction::triggered, window, about);

    // Never available, so never shown: a greyed title on the bar would still claim Alt+O, and the entry window's
    // "&Open Previously Saved Reading" would then only take the focus instead of opening the file dialog.
    auto* makeMoney = new QAction(QStringLiteral("Make Money &Online"), window);
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    makeMoney->setEnabled(false);
    makeMoney->setVisible(false);
    QObject::connect(makeMoney, &QAction::triggered, window, [] { OpenFullBrandPage(); });
}

void addAboutOfferAndLinks(QBoxLayout* layout)
{
    layout->addWidget(makeWrappedLabel("Label3", QString::fromLatin1(fullBrandOfferLine)));

    LinkLabel* coBrand = LinkLabel::named("lblCoBrand", QStringLiteral("Click here for more details."));
    QObject::connect(coBrand, &LinkLabel::clicked, coBrand, [] { OpenFullBrandPage(); });
    layout->addWidget(coBrand);

    LinkLabel* homePage
        = LinkLabel::named("lblHomePage",
                           QStringLiteral("Visit us at %1 for more free software and friendly discussions.")
                               .arg(QString::fromLatin1(WebAddresses::siteName)));
    QObject::connect(homePage, &LinkLabel::clicked, homePage, [] { OpenHomePage(); });
    layout->addWidget(homePage);
}
