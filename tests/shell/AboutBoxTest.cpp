#include "desktop/LinkLabel.h"
#include "desktop/WebAddresses.h"
#include "shell/FrmAbout.h"
#include "tests/support/TestSeams.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

class AboutBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsNameDescriptionAndOffer();
    void linksOpenPages_data();
    void linksOpenPages();
    void okClosesTheBox();

private:
    std::unique_ptr<TestSeams> m_seams;
};

void AboutBoxTest::init()
{
    m_seams = std::make_unique<TestSeams>();
}

void AboutBoxTest::cleanup()
{
    const bool unanswered = m_seams->messages.missingAnswer;
    m_seams.reset(); // before the check, so a failed one cannot leave the real dialogs behind for the next test
    QVERIFY(!unanswered);
}

void AboutBoxTest::showsNameDescriptionAndOffer()
{
    FrmAbout about;
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("Ondara v1.90"));
    QVERIFY(about.isModal());
    QVERIFY(!about.findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().isNull());
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Ondara v1.90"));
    const QString description = about.findChild<QLabel*>(QStringLiteral("Label1"))->text();
    for (const char* subject :
         {"nakshatra", "Vedic astrology", "Moon", "dashas", "sun sign", "positive and negative", "All rights"}) {
        QVERIFY2(description.contains(QLatin1String(subject)), subject);
    }
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                            "Get this software fully branded for your website."));
    QCOMPARE(about.findChild<QFrame*>(QStringLiteral("Line1"))->frameShape(), QFrame::HLine);
    QVERIFY(about.findChild<LinkLabel*>(QStringLiteral("lblHomePage"))
                ->text()
                .contains(QLatin1String(WebAddresses::siteName)));
    // The atlas's data licence asks for a credit where the program names its sources.
    const QString credit = about.findChild<QLabel*>(QStringLiteral("lblAtlasCredit"))->text();
    QVERIFY2(credit.contains(QLatin1String("GeoNames")) && credit.contains(QLatin1String("CC BY 4.0")),
             qPrintable(credit));
}

void AboutBoxTest::linksOpenPages_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("page");
    QTest::newRow("lblCoBrand") << "lblCoBrand" << QString::fromLatin1(WebAddresses::fullBrandPage);
    QTest::newRow("lblHomePage") << "lblHomePage" << QString::fromLatin1(WebAddresses::homePage);
}

void AboutBoxTest::linksOpenPages()
{
    QFETCH(QString, label);
    QFETCH(QString, page);
    FrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.findChild<LinkLabel*>(label), Qt::LeftButton);
    QCOMPARE(m_seams->urls.openedStrings(), QStringList {page});
    QVERIFY(about.isVisible());
}

void AboutBoxTest::okClosesTheBox()
{
    FrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
