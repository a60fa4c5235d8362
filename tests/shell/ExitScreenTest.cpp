#include "desktop/LinkLabel.h"
#include "desktop/WebAddresses.h"
#include "shell/FrmExitScreen.h"
#include "shell/ReferFriend.h"
#include "tests/support/Deadline.h"
#include "tests/support/FrmExitScreenDriver.h"
#include "tests/support/SeamFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

using Form = ReferralForm;

const Form placeholders {"Your Name", "Your Email Address", "Your Message", "Friend's Name", "Friend's Email Address"};
const Form filledIn {"Asha", "asha@example.org", "Have a look at this.", "Ravi", "ravi@example.org"};

} // namespace

class ExitScreenTest : public SeamFixture
{
    Q_OBJECT

private slots:
    void showsItsCaptionAndStaysOnTopWithoutTakingFocus();
    void messageIsDrawnFromTheClock_data();
    void messageIsDrawnFromTheClock();
    void everyMessageInvitesToTheSite();
    void visitBoxOpensTheFrontPageAndNeverStaysTicked();
    void otherProgramsLinkOpensTheSoftwarePage();
    void boxesShowTheirPlaceholdersUntilUsed_data();
    void boxesShowTheirPlaceholdersUntilUsed();
    void typedSpaceIsRefusedInEmailBoxes_data();
    void typedSpaceIsRefusedInEmailBoxes();
    void pastedSpaceIsLetThrough();
    void submitChecksInOrder_data();
    void submitChecksInOrder();
    void emptiedMessageGetsItsPlaceholderBackAndIsMissing();
    void referFriendNamesTheFirstMissingField_data();
    void referFriendNamesTheFirstMissingField();
    void referralAddressCarriesEachValueEncoded();
    void exitAndCloseAskToEnd();

private:
    void setUp() override;
    void tearDown() override;
    QWidget* box(const char* objectName) const { return m_screen->child<QWidget>(objectName); }
    QString textOf(const char* objectName) const { return m_screen->textOf(objectName); }
    // The screen never activates itself; the user's click does that.
    void showActive() const { QVERIFY(m_screen->showActive()); }

    std::unique_ptr<FrmExitScreen> m_window;
    std::unique_ptr<FrmExitScreenDriver> m_screen;
};

void ExitScreenTest::setUp()
{
    seams().clock.randomValues = {0.6};
    m_window = std::make_unique<FrmExitScreen>();
    m_screen = std::make_unique<FrmExitScreenDriver>(m_window.get());
}

void ExitScreenTest::tearDown()
{
    m_screen.reset();
    m_window.reset();
}

void ExitScreenTest::showsItsCaptionAndStaysOnTopWithoutTakingFocus()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmExitScreen"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ondara v1.90"));
    QVERIFY(m_window->isWindow());
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(m_window->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(textOf("Label1"), QStringLiteral("Ondara v1.90"));
    QVERIFY(!m_screen->child<QLabel>("Picture1")->pixmap().isNull());
    QCOMPARE(m_screen->child<QGroupBox>("Frame2")->title(), QStringLiteral("Refer A Friend"));
    QCOMPARE(textOf("cmdSubmit"), QStringLiteral("Refer A Friend &Now"));
    QCOMPARE(textOf("cmdClose"), QStringLiteral("E&xit"));
}

void ExitScreenTest::messageIsDrawnFromTheClock_data()
{
    QTest::addColumn<double>("random");
    QTest::addColumn<int>("message");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("just below a quarter") << 0.2499 << 0;
    QTest::newRow("a quarter") << 0.25 << 1;
    QTest::newRow("a half") << 0.5 << 2;
    QTest::newRow("just below 1") << 0.9999 << 3;
}

void ExitScreenTest::messageIsDrawnFromTheClock()
{
    QFETCH(double, random);
    QFETCH(int, message);
    seams().clock.randomValues = {random};
    FrmExitScreen window;
    QCOMPARE(FrmExitScreenDriver(&window).textOf("Label2"), FrmExitScreen::message(message));
}

void ExitScreenTest::everyMessageInvitesToTheSite()
{
    QStringList messages;
    for (int index = 0; index < FrmExitScreen::messageCount; ++index) {
        const QString message = FrmExitScreen::message(index);
        QVERIFY2(message.contains(QLatin1String(WebAddresses::siteName)), qPrintable(message));
        QVERIFY2(!messages.contains(message), qPrintable(message));
        messages.append(message);
    }
}

void ExitScreenTest::visitBoxOpensTheFrontPageAndNeverStaysTicked()
{
    showActive();
    auto* visit = m_screen->child<QCheckBox>("Check1");
    QTest::mouseClick(visit, Qt::LeftButton, {}, QPoint(6, visit->height() / 2)); // on the box itself
    QVERIFY(!visit->isChecked());
    QCOMPARE(seams().urls.openedStrings(), QStringList {QString::fromLatin1(WebAddresses::homePage)});

    QTest::keyClick(visit, Qt::Key_Space);
    QVERIFY(!visit->isChecked());
    QCOMPARE(seams().urls.opened.size(), 2);
}

void ExitScreenTest::otherProgramsLinkOpensTheSoftwarePage()
{
    showActive();
    auto* link = m_screen->child<LinkLabel>("lblGoToHome");
    QVERIFY(link->parentWidget()->objectName() == QLatin1String("Frame6"));
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(seams().urls.openedStrings(), QStringList {QString::fromLatin1(WebAddresses::softwaresPage)});
}

void ExitScreenTest::boxesShowTheirPlaceholdersUntilUsed_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("txtName") << "txtName"
                             << "Your Name";
    QTest::newRow("txtEmail") << "txtEmail"
                              << "Your Email Address";
    QTest::newRow("txtMessage") << "txtMessage"
                                << "Your Message";
    QTest::newRow("txtFriendName") << "txtFriendName"
                                   << "Friend's Name";
    QTest::newRow("txtFriendEmail") << "txtFriendEmail"
                                    << "Friend's Email Address";
}

void ExitScreenTest::boxesShowTheirPlaceholdersUntilUsed()
{
    QFETCH(QString, box);
    QFETCH(QString, placeholder);
    showActive();
    const QByteArray name = box.toLatin1();
    QWidget* edit = this->box(name.constData());
    QWidget* elsewhere = m_screen->child<QWidget>("cmdSubmit");
    QCOMPARE(textOf(name.constData()), placeholder);

    edit->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(edit->hasFocus(), Deadline::eventMs);
    QCOMPARE(textOf(name.constData()), QString());
    QTest::keyClicks(edit, QStringLiteral("   "));
    elsewhere->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(!edit->hasFocus(), Deadline::eventMs);
    QCOMPARE(textOf(name.constData()), placeholder);

    edit->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(edit->hasFocus(), Deadline::eventMs);
    QTest::keyClicks(edit, QStringLiteral("x@y.z"));
    elsewhere->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(!edit->hasFocus(), Deadline::eventMs);
    QCOMPARE(textOf(name.constData()), QStringLiteral("x@y.z"));
    // Text of the user's own is never cleared on entering the box.
    edit->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(edit->hasFocus(), Deadline::eventMs);
    QCOMPARE(textOf(name.constData()), QStringLiteral("x@y.z"));
}

void ExitScreenTest::typedSpaceIsRefusedInEmailBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("refuses");
    QTest::newRow("txtEmail") << "txtEmail" << true;
    QTest::newRow("txtFriendEmail") << "txtFriendEmail" << true;
    QTest::newRow("txtName") << "txtName" << false;
    QTest::newRow("txtFriendName") << "txtFriendName" << false;
}

void ExitScreenTest::typedSpaceIsRefusedInEmailBoxes()
{
    QFETCH(QString, box);
    QFETCH(bool, refuses);
    showActive();
    const QByteArray name = box.toLatin1();
    QWidget* edit = this->box(name.constData());
    edit->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(edit->hasFocus(), Deadline::eventMs);

    QTest::keyClicks(edit, QStringLiteral("a b"));

    QCOMPARE(textOf(name.constData()), refuses ? QStringLiteral("ab") : QStringLiteral("a b"));
    QCOMPARE(seams().messages.shown.size(), refuses ? 1 : 0);
    if (refuses) {
        QCOMPARE(seams().messages.lastText(), QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(seams().messages.shown.constFirst().icon, QMessageBox::Critical);
        QVERIFY(edit->hasFocus());
    }
}

void ExitScreenTest::pastedSpaceIsLetThrough()
{
    showActive();
    Form form = filledIn;
    form.email.clear();
    m_screen->fill(form);
    auto* email = qobject_cast<QLineEdit*>(box("txtEmail"));
    email->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(email->hasFocus(), Deadline::eventMs);
    QApplication::clipboard()->setText(QStringLiteral("asha rao@example.org"));
    QTest::keySequence(email, QKeySequence::Paste);
    QCOMPARE(email->text(), QStringLiteral("asha rao@example.org"));
    QVERIFY(seams().messages.shown.isEmpty());

    m_screen->submit();
    QVERIFY(seams().messages.shown.isEmpty());
    QCOMPARE(seams().urls.opened.size(), 1);
    QCOMPARE(referralEmail, QStringLiteral("asha rao@example.org"));
}

void ExitScreenTest::submitChecksInOrder_data()
{
    QTest::addColumn<Form>("form");
    QTest::addColumn<QString>("message"); // empty: the referral page opens
    const auto with = [](auto change) {
        Form form = filledIn;
        change(form);
        return form;
    };
    QTest::newRow("untouched form") << placeholders << "Please Enter Proper Email Address";
    QTest::newRow("both e-mail boxes emptied")
        << with([](Form& f) { f.email = f.friendEmail = QString(); }) << "Please Enter Distinct Email Addresses";
    QTest::newRow("same address once spaces are trimmed")
        << with([](Form& f) { f.email = "  ravi@example.org "; }) << "Please Enter Distinct Email Addresses";
    QTest::newRow("same address before a missing name")
        << with([](Form& f) { f.name = QString(), f.email = f.friendEmail; })
        << "Please Enter Distinct Email Addresses";
    QTest::newRow("own address without @")
        << with([](Form& f) { f.email = "asha.example.org"; }) << "Please Enter Proper Email Address";
    QTest::newRow("friend's address without a dot")
        << with([](Form& f) { f.friendEmail = "ravi@example"; }) << "Please Enter Proper Email Address";
    QTest::newRow("proper addresses come before a missing name")
        << with([](Form& f) { f.name = "Your Name", f.email = "asha"; }) << "Please Enter Proper Email Address";
    QTest::newRow("name left as placeholder")
        << with([](Form& f) { f.name = "Your Name"; }) << "Please Enter Your Name";
    QTest::newRow("name of blanks") << with([](Form& f) { f.name = "   "; }) << "Please Enter Your Name";
    QTest::newRow("message left as placeholder, name given")
        << with([](Form& f) { f.message = " Your Message "; }) << "Please Enter Your Message";
    QTest::newRow("friend's name missing")
        << with([](Form& f) { f.friendName = QString(); }) << "Please Enter Your Friend's Name";
    QTest::newRow("complete form") << filledIn << QString();
    QTest::newRow("addresses differing only in case")
        << with([](Form& f) { f.email = "Ravi@Example.org"; }) << QString();
}

void ExitScreenTest::submitChecksInOrder()
{
    QFETCH(Form, form);
    QFETCH(QString, message);
    m_screen->fill(form);

    m_screen->submit();

    if (message.isEmpty()) {
        QVERIFY(seams().messages.shown.isEmpty());
        QCOMPARE(seams().urls.opened.size(), 1);
    } else {
        QCOMPARE(seams().messages.texts(), QStringList {message});
        QCOMPARE(seams().messages.shown.constFirst().icon, QMessageBox::Critical);
        QCOMPARE(seams().messages.shown.constFirst().title, QStringLiteral("Ondara"));
        QVERIFY(seams().urls.opened.isEmpty());
    }
    // The form keeps what was typed.
    QCOMPARE(textOf("txtEmail"), form.email);
    QCOMPARE(textOf("txtName"), form.name);
}

void ExitScreenTest::emptiedMessageGetsItsPlaceholderBackAndIsMissing()
{
    showActive();
    Form form = filledIn;
    form.message = QStringLiteral("Your Message");
    m_screen->fill(form);
    QWidget* message = box("txtMessage");
    message->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(message->hasFocus(), Deadline::eventMs);
    QCOMPARE(textOf("txtMessage"), QString());
    QWidget* submit = box("cmdSubmit");
    submit->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(!message->hasFocus(), Deadline::eventMs);
    QCOMPARE(textOf("txtMessage"), QStringLiteral("Your Message"));

    QTest::mouseClick(submit, Qt::LeftButton);
    QCOMPARE(seams().messages.texts(), QStringList {QStringLiteral("Please Enter Your Message")});
}

void ExitScreenTest::referFriendNamesTheFirstMissingField_data()
{
    QTest::addColumn<Form>("fields");
    QTest::addColumn<QString>("message");
    const auto with = [](auto change) {
        Form form = filledIn;
        change(form);
        return form;
    };
    QTest::newRow("everything missing") << Form() << "Please Enter Your Name";
    QTest::newRow("e-mail missing") << with([](Form& f) { f.email = QString(); }) << "Please Enter Your Email";
    QTest::newRow("e-mail as placeholder")
        << with([](Form& f) { f.email = "Your Email Address"; }) << "Please Enter Your Email";
    QTest::newRow("friend's e-mail missing")
        << with([](Form& f) { f.friendEmail = QString(); }) << "Please Enter Your Friend's Email";
    QTest::newRow("friend's e-mail as placeholder")
        << with([](Form& f) { f.friendEmail = "Friend's Email Address"; }) << "Please Enter Your Friend's Email";
}

void ExitScreenTest::referFriendNamesTheFirstMissingField()
{
    QFETCH(Form, fields);
    QFETCH(QString, message);
    referralName = fields.name;
    referralEmail = fields.email;
    referralMessage = fields.message;
    referralFriendName = fields.friendName;
    referralFriendEmail = fields.friendEmail;

    ReferFriend();

    QCOMPARE(seams().messages.texts(), QStringList {message});
    QVERIFY(seams().urls.opened.isEmpty());
}

void ExitScreenTest::referralAddressCarriesEachValueEncoded()
{
    const Form tricky {"  Ann & Bob=Friends ", "ann+bob@example.org", "See #1: a&b=c?d/e 100% été\nbye", "Zoë",
                       "zoe@example.org"};
    m_screen->fill(tricky);

    m_screen->submit();

    QVERIFY(seams().messages.shown.isEmpty());
    const QString expected = QString::fromLatin1(WebAddresses::referralPage)
        + QStringLiteral("?taf1=Ann%20%26%20Bob%3DFriends&taf2=ann%2Bbob%40example.org"
                         "&taf3=See%20%231%3A%20a%26b%3Dc%3Fd%2Fe%20100%25%20%C3%A9t%C3%A9%0Abye"
                         "&taf4=Zo%C3%AB&taf5=zoe%40example.org&taf6=https%3A%2F%2Fwww.example.com%2Fondara%2F");
    QCOMPARE(referralAddress, expected);
    QCOMPARE(seams().urls.openedStrings(), QStringList {expected});

    // Whoever reads the page's query gets back exactly the trimmed values, under their own keys, in order.
    const QList<QPair<QString, QString>> items
        = QUrlQuery(seams().urls.opened.constFirst()).queryItems(QUrl::FullyDecoded);
    const QList<QPair<QString, QString>> values {
        {"taf1", "Ann & Bob=Friends"}, {"taf2", tricky.email},       {"taf3", tricky.message},
        {"taf4", tricky.friendName},   {"taf5", tricky.friendEmail}, {"taf6", WebAddresses::programFolder},
    };
    QCOMPARE(items, values);
    QCOMPARE(referralName, QStringLiteral("Ann & Bob=Friends"));
}

void ExitScreenTest::exitAndCloseAskToEnd()
{
    showActive();
    QSignalSpy ends(m_window.get(), &FrmExitScreen::endRequested);
    m_screen->pressExit();
    QCOMPARE(ends.size(), 1);
    m_window->close();
    QCOMPARE(ends.size(), 2);
}

QTEST_MAIN(ExitScreenTest)
#include "ExitScreenTest.moc"
