#include "shell/FrmExitScreen.h"

#include "assets/NakshatraPictures.h"
#include "desktop/Clock.h"
#include "desktop/LinkLabel.h"
#include "desktop/MessageBoxes.h"
#include "desktop/PageOpeners.h"
#include "desktop/ProgramTexts.h"
#include "desktop/ProgramWindow.h"
#include "desktop/SharedWidgets.h"
#include "desktop/WebAddresses.h"
#include "shell/ReferFriend.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

// Each names the maker's site where %1 stands.
constexpr std::array<const char*, FrmExitScreen::messageCount> messages {
    "Thank you for using Ondara! If you found it useful, please support us by visiting %1 regularly and joining in "
    "the discussions on our message board.",
    "Ondara stays free thanks to visitors like you. Help us keep it that way: drop by %1 often and share your "
    "thoughts in our discussion forums.",
    "Enjoyed your reading? Support the makers of Ondara by making %1 one of your regular stops on the web and "
    "taking part in the conversations there.",
    "Our community grows with every visit. Please support Ondara by coming back to %1 regularly and adding your "
    "voice to the discussions.",
};

struct ReferralBox
{
    const char* objectName;
    const char* placeholder;
    bool multiLine;
    bool refusesSpace; // e-mail addresses
};

constexpr std::array<ReferralBox, 5> referralBoxes {{
    {"txtName", ReferralPlaceholders::name, false, false},
    {"txtEmail", ReferralPlaceholders::email, false, true},
    {"txtMessage", ReferralPlaceholders::message, true, false},
    {"txtFriendName", ReferralPlaceholders::friendName, false, false},
    {"txtFriendEmail", ReferralPlaceholders::friendEmail, false, true},
}};

QString siteName()
{
    return QString::fromLatin1(WebAddresses::siteName);
}

QString textOf(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
        return line->text();
    }
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(box)) {
        return text->toPlainText();
    }
    return {};
}

void setTextOf(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(box)) {
        multi->setPlainText(text);
    }
}

const ReferralBox* referralBoxOf(const QObject* object)
{
    const auto found = std::ranges::find_if(referralBoxes, [object](const ReferralBox& box) {
        return object->objectName() == QLatin1String(box.objectName);
    });
    return found == referralBoxes.end() ? nullptr : &*found;
}

} // namespace

FrmExitScreen::FrmExitScreen(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setUpProgramWindow(this, "frmExitScreen");
    // Above every ordinary window, yet it never takes the keyboard away from what the user is doing.
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    layout->addWidget(buildOtherPrograms());
    m_visitNow = new QCheckBox(QStringLiteral("&Visit %1 now").arg(siteName()));
    m_visitNow->setObjectName(QStringLiteral("Check1"));
    connect(m_visitNow, &QCheckBox::toggled, this, &FrmExitScreen::Check1_Click);
    layout->addWidget(m_visitNow);
    layout->addWidget(buildReferralForm());

    auto* close = new QPushButton(QStringLiteral("E&xit"));
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &FrmExitScreen::cmdClose_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setMinimumWidth(520);

    Form_Load();
}

QString FrmExitScreen::message(int index)
{
    return QString::fromUtf8(messages.at(static_cast<std::size_t>(index))).arg(siteName());
}

QWidget* FrmExitScreen::buildHeader()
{
    auto* header = new QWidget;
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(programIcon().pixmap(48, 48));
    layout->addWidget(picture, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    QLabel* caption = makeWrappedLabel("Label1", QString::fromLatin1(ProgramTexts::caption));
    caption->setFont(titleFont(caption->font()));
    texts->addWidget(caption);
    m_message = makeWrappedLabel("Label2", {});
    texts->addWidget(m_message);
    layout->addLayout(texts, 1);
    return header;
}

QWidget* FrmExitScreen::buildOtherPrograms()
{
    auto* frame = new QGroupBox(QStringLiteral("Download Our Other Programs"));
    frame->setObjectName(QStringLiteral("Frame6"));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(makeWrappedLabel(
        "Label3",
        QStringLiteral("Liked Ondara? We make more free programs for astrology, numerology and everyday "
                       "tasks, each as simple to use as this one. Download them, try them, and come back "
                       "for the new ones we add regularly.")));
    auto* link = new LinkLabel;
    link->setObjectName(QStringLiteral("lblGoToHome"));
    link->setStoredCaption(QStringLiteral("Click here to see all our programs."));
    connect(link, &LinkLabel::clicked, this, [] { OpenSoftwaresPage(); });
    layout->addWidget(link);
    return frame;
}

QWidget* FrmExitScreen::buildReferralForm()
{
    auto* frame = new QGroupBox(QStringLiteral("Refer A Friend"));
    frame->setObjectName(QStringLiteral("Frame2"));
    auto* layout = new QVBoxLayout(frame);
    for (const ReferralBox& definition : referralBoxes) {
        QWidget* box = nullptr;
        if (definition.multiLine) {
            auto* multi = new QPlainTextEdit;
            multi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            multi->setTabChangesFocus(true);
            multi->setFixedHeight(multi->fontMetrics().lineSpacing() * 4 + 2 * multi->frameWidth() + 8);
            box = multi;
        } else {
            box = new QLineEdit;
        }
        box->setObjectName(QString::fromLatin1(definition.objectName));
        // The placeholder is the box's only label, and it goes away while the user types.
        box->setAccessibleName(QString::fromUtf8(definition.placeholder));
        setTextOf(box, QString::fromUtf8(definition.placeholder));
        box->installEventFilter(this);
        layout->addWidget(box);
    }
    auto* submit = new QPushButton(QStringLiteral("Refer A Friend &Now"));
    submit->setObjectName(QStringLiteral("cmdSubmit"));
    connect(submit, &QPushButton::clicked, this, &FrmExitScreen::cmdSubmit_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(submit);
    layout->addLayout(buttons);
    return frame;
}

void FrmExitScreen::Form_Load()
{
    // The system clock's generator needs no seeding of its own; tests fix the draw through the clock.
    const int drawn = static_cast<int>(Clock::instance().random() * messageCount);
    m_message->setText(message(std::clamp(drawn, 0, messageCount - 1)));
}

// Ticking the box opens the front page; it unticks itself, so it is never left ticked.
void FrmExitScreen::Check1_Click()
{
    if (!m_visitNow->isChecked()) {
        return;
    }
    m_visitNow->setChecked(false);
    OpenHomePage();
}

void FrmExitScreen::cmdSubmit_Click()
{
    const auto boxText = [this](const char* objectName) {
        return textOf(findChild<QWidget*>(QString::fromLatin1(objectName))).trimmed();
    };
    referralName = boxText("txtName");
    referralEmail = boxText("txtEmail");
    referralMessage = boxText("txtMessage");
    referralFriendName = boxText("txtFriendName");
    referralFriendEmail = boxText("txtFriendEmail");

    if (referralEmail == referralFriendEmail) {
        MessageBoxes::error(this, QStringLiteral("Please Enter Distinct Email Addresses"));
        return;
    }
    for (const QChar required : {QLatin1Char('@'), QLatin1Char('.')}) {
        if (!referralEmail.contains(required) || !referralFriendEmail.contains(required)) {
            MessageBoxes::error(this, QStringLiteral("Please Enter Proper Email Address"));
            return;
        }
    }
    ReferFriend(this);
}

void FrmExitScreen::cmdClose_Click()
{
    emit endRequested();
}

void FrmExitScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit endRequested();
}

bool FrmExitScreen::eventFilter(QObject* watched, QEvent* event)
{
    const ReferralBox* definition = referralBoxOf(watched);
    if (definition == nullptr) {
        return QWidget::eventFilter(watched, event);
    }
    auto* box = static_cast<QWidget*>(watched);
    const QString placeholder = QString::fromUtf8(definition->placeholder);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (textOf(box).trimmed() == placeholder) {
            setTextOf(box, {});
        }
        break;
    case QEvent::FocusOut:
        if (textOf(box).trimmed().isEmpty()) {
            setTextOf(box, placeholder);
        }
        break;
    case QEvent::KeyPress:
        if (definition->refusesSpace && refuseTypedSpace(box, event)) {
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// Only a typed space is refused; one that arrives by pasting is let through.
bool FrmExitScreen::refuseTypedSpace(QWidget* box, QEvent* event)
{
    if (static_cast<QKeyEvent*>(event)->text() != QLatin1String(" ")) {
        return false;
    }
    MessageBoxes::error(this, QStringLiteral("Email Address Cannot Contain Space"));
    box->setFocus();
    return true;
}
