#include "shell/FrmAbout.h"

#include "assets/NakshatraPictures.h"
#include "desktop/ProgramTexts.h"
#include "desktop/ProgramWindow.h"
#include "desktop/SharedWidgets.h"

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

    QLabel* name = makeWrappedLabel("Label2", QString::fromLatin1(ProgramTexts::caption));
    name->setFont(titleFont(name->font()));

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(makeWrappedLabel("Label1", QString::fromLatin1(description)));
    addAboutOfferAndLinks(texts);
    texts->addWidget(makeWrappedLabel("lblAtlasCredit", QString::fromLatin1(ProgramTexts::atlasCredit)));

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
    ok->setFocus(); // Enter closes the box, and never opens the offer link that comes first
}
