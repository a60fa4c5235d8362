#include "shell/FrmAbout.h"

#include "assets/NakshatraPictures.h"
#include "desktop/LinkLabel.h"
#include "desktop/PageOpeners.h"
#include "desktop/ProgramTexts.h"
#include "desktop/ProgramWindow.h"
#include "desktop/WebAddresses.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* description
    = "Ondara is a nakshatra (birth star) calculator based on Vedic astrology. It finds the constellation in which "
      "the Moon stood at the time of your birth and describes the mental attitude, the planetary periods (dashas) "
      "and the characteristics of people born under that Moon sign. Vedic astrology reads a person by the sign of "
      "the Moon, unlike the sun sign of western astrology. Knowing your birth star helps you understand your "
      "positive and negative traits and so improve your personality. All rights reserved by the Ondara developers.";

constexpr const char* fullBrandOfferLine = "Home Business Opportunity. Start your own Internet business and make "
                                           "money online. Get this software fully branded for your website.";

QLabel* makeLabel(const char* objectName, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    return label;
}

} // namespace

FrmAbout::FrmAbout(QWidget* parent)
    : QDialog(parent)
{
    setUpProgramWindow(this, "frmAbout");
    setModal(true);

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(programIcon().pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel* name = makeLabel("Label2", QString::fromLatin1(ProgramTexts::caption));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.4);
    name->setFont(nameFont);

    LinkLabel* coBrand = LinkLabel::named("lblCoBrand", QStringLiteral("Click here for more details."));
    connect(coBrand, &LinkLabel::clicked, this, [] { OpenFullBrandPage(); });
    LinkLabel* homePage
        = LinkLabel::named("lblHomePage",
                           QStringLiteral("Visit us at %1 for more free software and friendly discussions.")
                               .arg(QString::fromLatin1(WebAddresses::siteName)));
    connect(homePage, &LinkLabel::clicked, this, [] { OpenHomePage(); });

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(makeLabel("Label1", QString::fromLatin1(description)));
    texts->addWidget(makeLabel("Label3", QString::fromLatin1(fullBrandOfferLine)));
    texts->addWidget(coBrand);
    texts->addWidget(homePage);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* line = new QFrame;
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(buttons);
    // A fixed window: as large as its text needs at a comfortable reading width.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            label->setMinimumWidth(380);
        }
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
